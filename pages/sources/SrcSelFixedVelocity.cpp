#include "SrcSelFixedVelocity.h"
#include "ui_SrcSelFixedVelocity.h"

SrcSelFixedVelocity::SrcSelFixedVelocity(QWidget *parent)
    : FixedValueSelectionPage(parent, "D05", SLOT(onD05Changed())), ui(new Ui::SrcSelFixedVelocity)
{
    setupForm(*ui);
    connectLinks({
        {"ActionWidgetFestwerte", SLOT(jumpToFestsollwerteGeschwindigkeit())},
        {"ActionWidgetHauptsollwert", SLOT(jumpToHauptsollwert())},
        {"ActionWidgetZusatzsollwert", SLOT(jumpToZusatzsollwert())},
    });
}

SrcSelFixedVelocity::~SrcSelFixedVelocity() = default;

QString SrcSelFixedVelocity::identifier() const
{
    return QString::fromLatin1("SrcSelFixedVelocity");
}

void SrcSelFixedVelocity::jumpToFestsollwerteGeschwindigkeit()
{
    jumpTo(QStringLiteral("DbmFixedVelocity"));
}

void SrcSelFixedVelocity::jumpToHauptsollwert()
{
    jumpTo(QStringLiteral("DbmHauptsollwert"));
}

void SrcSelFixedVelocity::jumpToZusatzsollwert()
{
    jumpTo(QStringLiteral("DbmZusatzsollwert"));
}

void SrcSelFixedVelocity::onD05Changed()
{
    showModeDiagram();
}
