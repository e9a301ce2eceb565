#include "SrcSelFixedJerk.h"
#include "ui_SrcSelFixedJerk.h"

SrcSelFixedJerk::SrcSelFixedJerk(QWidget *parent)
    : FixedValueSelectionPage(parent, nullptr, nullptr), ui(new Ui::SrcSelFixedJerk)
{
    setupForm(*ui);
    connectLinks({
        {"ActionWidgetFestwerte", SLOT(jumpToFestwerteJerk())},
        {"ActionWidgetBetriebsart", SLOT(jumpToBetriebsart())},
    });
}

SrcSelFixedJerk::~SrcSelFixedJerk() = default;

QString SrcSelFixedJerk::identifier() const
{
    return QString::fromLatin1("SrcSelFixedJerk");
}

void SrcSelFixedJerk::jumpToFestwerteJerk()
{
    jumpTo(QStringLiteral("DbmFixedJerk"));
}

void SrcSelFixedJerk::jumpToBetriebsart()
{
    jumpTo(QStringLiteral("DbmGeschwDrehmKraft"));
}
