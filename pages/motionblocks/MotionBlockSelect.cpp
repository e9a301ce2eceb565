#include "MotionBlockSelect.h"
#include "ui_MotionBlockSelect.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

MotionBlockSelect::MotionBlockSelect(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::MotionBlockSelect>())
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidgetToSteuertafelApplikation, SLOT(JumpToSteuertafelApplikation())},
        {ui->ActionWidgetToSteuertafelApplikation_2, SLOT(JumpToSteuertafelApplikation())},
        {ui->ActionWidgetToSteuerStatusFahrsatz, SLOT(JumpToSteuerStatusFahrsatz())},
        {ui->ActionWidgetToFahrsatz_a, SLOT(JumpToFahrsatz())},
        {ui->ActionWidgetToFahrsatz_b, SLOT(JumpToFahrsatz())},
        {ui->ActionWidgetDirektStart_a, SLOT(JumpToDirektStartFahrsatz())},
        {ui->ActionWidgetDirektStart_b, SLOT(JumpToDirektStartFahrsatz())},
    });
    WizardGlobal().AddHoverHighlights(this);
}

MotionBlockSelect::~MotionBlockSelect() = default;

void MotionBlockSelect::initialUpdate()
{
    connectParameterControls();
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void MotionBlockSelect::connectParameterControls()
{
    observe(QStringLiteral("J03"), SLOT(onJ03Changed()));
    onJ03Changed();
}

void MotionBlockSelect::onJ03Changed()
{
    // 1: the block number is a parameter; anything else (also no "J03"): binary signals.
    setStackPage(ui->stackedWidget, readInt(QStringLiteral("J03")) == 1 ? 1 : 0);
}

void MotionBlockSelect::JumpToSteuertafelApplikation()
{
    jumpTo(QStringLiteral("SteuertafelApplikation"));
}

void MotionBlockSelect::JumpToSteuerStatusFahrsatz()
{
    jumpTo(QStringLiteral("SteuerStatusFahrsatz"));
}

void MotionBlockSelect::JumpToFahrsatz()
{
    jumpTo(QStringLiteral("Fahrsatzbetrieb"));
}

void MotionBlockSelect::JumpToDirektStartFahrsatz()
{
    jumpTo(QStringLiteral("SrcDirectMbStart"));
}
