#include "DbmFixedJerk.h"
#include "ui_DbmFixedJerk.h"

DbmFixedJerk::DbmFixedJerk(QWidget *parent) : FixedValueTablePage(parent), ui(new Ui::DbmFixedJerk)
{
    setupForm(*ui);
    connectSelectionLink(SLOT(jumpToFestwAuswJerk()));
}

DbmFixedJerk::~DbmFixedJerk() = default;

QString DbmFixedJerk::identifier() const
{
    return QString::fromLatin1("DbmFixedJerk");
}

void DbmFixedJerk::jumpToFestwAuswJerk()
{
    jumpTo(QStringLiteral("SrcSelFixedJerk"));
}
