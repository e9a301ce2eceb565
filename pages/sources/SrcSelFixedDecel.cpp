#include "SrcSelFixedDecel.h"
#include "ui_SrcSelFixedDecel.h"

SrcSelFixedDecel::SrcSelFixedDecel(QWidget *parent)
    : FixedValueSelectionPage(parent, "D09", SLOT(onD09Changed())), ui(new Ui::SrcSelFixedDecel)
{
    setupForm(*ui);
    connectLinks({
        {"ActionWidgetFestwerte", SLOT(jumpToFestwerteDecel())},
        {"ActionWidgetBetriebsart", SLOT(jumpToBetriebsart())},
    });
}

SrcSelFixedDecel::~SrcSelFixedDecel() = default;

QString SrcSelFixedDecel::identifier() const
{
    return QString::fromLatin1("SrcSelFixedDecel");
}

void SrcSelFixedDecel::jumpToFestwerteDecel()
{
    jumpTo(QStringLiteral("DbmFixedDecel"));
}

void SrcSelFixedDecel::jumpToBetriebsart()
{
    jumpTo(QStringLiteral("DbmGeschwDrehmKraft"));
}

void SrcSelFixedDecel::onD09Changed()
{
    showModeDiagram();
}
