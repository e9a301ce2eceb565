#include "DbmFixedVelocity.h"
#include "ui_DbmFixedVelocity.h"

DbmFixedVelocity::DbmFixedVelocity(QWidget *parent) : FixedValueTablePage(parent), ui(new Ui::DbmFixedVelocity)
{
    ui->setupUi(this);
    connectSelectionLink(SLOT(jumpToFestSwAuswGeschw()));
}

DbmFixedVelocity::~DbmFixedVelocity() = default;

QString DbmFixedVelocity::identifier() const
{
    return QStringLiteral("DbmFixedVelocity");
}

void DbmFixedVelocity::jumpToFestSwAuswGeschw()
{
    jumpTo(QStringLiteral("SrcSelFixedVelocity"));
}
