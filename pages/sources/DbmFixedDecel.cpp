#include "DbmFixedDecel.h"
#include "ui_DbmFixedDecel.h"

DbmFixedDecel::DbmFixedDecel(QWidget *parent) : FixedValueTablePage(parent), ui(new Ui::DbmFixedDecel)
{
    setupForm(*ui);
    connectSelectionLink(SLOT(jumpToFestwAuswDecel()));
}

DbmFixedDecel::~DbmFixedDecel() = default;

QString DbmFixedDecel::identifier() const
{
    return QString::fromLatin1("DbmFixedDecel");
}

void DbmFixedDecel::jumpToFestwAuswDecel()
{
    jumpTo(QStringLiteral("SrcSelFixedDecel"));
}
