#include "DbmFixedAccel.h"
#include "ui_DbmFixedAccel.h"

DbmFixedAccel::DbmFixedAccel(QWidget *parent) : FixedValueTablePage(parent), ui(new Ui::DbmFixedAccel)
{
    setupForm(*ui);
    connectSelectionLink(SLOT(jumpToFestwAuswAccel()));
}

DbmFixedAccel::~DbmFixedAccel() = default;

QString DbmFixedAccel::identifier() const
{
    return QString::fromLatin1("DbmFixedAccel");
}

void DbmFixedAccel::jumpToFestwAuswAccel()
{
    jumpTo(QStringLiteral("SrcSelFixedAccel"));
}
