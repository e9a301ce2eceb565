#include "MotionBlockTrqForce.h"
#include "ui_MotionBlockTrqForce.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

MotionBlockTrqForce::MotionBlockTrqForce(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::MotionBlockTrqForce>())
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidgetToFahrsatz, SLOT(JumpToFahrsatz())},
        {ui->ActionWidgetToC232C233, SLOT(JumpToC232C233())},
    });
    WizardGlobal().AddHoverHighlights(this);
}

MotionBlockTrqForce::~MotionBlockTrqForce() = default;

void MotionBlockTrqForce::JumpToFahrsatz()
{
    jumpTo(QStringLiteral("Fahrsatz"));
}

void MotionBlockTrqForce::JumpToC232C233()
{
    jumpTo(QStringLiteral("DbmSrcTrqForce"));
}
