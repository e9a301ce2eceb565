#include "DbmFixedVelocity.h"
#include "ui_DbmFixedVelocity.h"

DbmFixedVelocity::DbmFixedVelocity(QWidget *parent) : FixedValueTablePage(parent), ui(new Ui::DbmFixedVelocity)
{
    setupForm(*ui);
    connectSelectionLink(SLOT(jumpToFestSwAuswGeschw()));
}

DbmFixedVelocity::~DbmFixedVelocity() = default;

QString DbmFixedVelocity::identifier() const
{
    return QString::fromLatin1("DbmFixedVelocity");
}

void DbmFixedVelocity::jumpToFestSwAuswGeschw()
{
    jumpTo(QStringLiteral("SrcSelFixedVelocity"));
}
