#include "SrcSelFixedAccel.h"
#include "ui_SrcSelFixedAccel.h"

SrcSelFixedAccel::SrcSelFixedAccel(QWidget *parent)
    : FixedValueSelectionPage(parent, "D07", SLOT(onD07Changed())), ui(new Ui::SrcSelFixedAccel)
{
    setupForm(*ui);
    connectLinks({
        {"ActionWidgetFestwerte", SLOT(jumpToFestwerteAccel())},
        {"ActionWidgetBetriebsart", SLOT(jumpToBetriebsart())},
    });
}

SrcSelFixedAccel::~SrcSelFixedAccel() = default;

QString SrcSelFixedAccel::identifier() const
{
    return QString::fromLatin1("SrcSelFixedAccel");
}

void SrcSelFixedAccel::jumpToFestwerteAccel()
{
    jumpTo(QStringLiteral("DbmFixedAccel"));
}

void SrcSelFixedAccel::jumpToBetriebsart()
{
    jumpTo(QStringLiteral("DbmGeschwDrehmKraft"));
}

void SrcSelFixedAccel::onD07Changed()
{
    showModeDiagram();
}
