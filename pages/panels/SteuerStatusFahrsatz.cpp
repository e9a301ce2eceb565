#include "SteuerStatusFahrsatz.h"

#include "ClickConnections.h"
#include "ui_SteuerStatusFahrsatz.h"

#include "ClickableLabel.h"

SteuerStatusFahrsatz::SteuerStatusFahrsatz(QWidget *parent)
    : StatusWordPage(parent), ui(std::make_unique<Ui::SteuerStatusFahrsatz>())
{
    setupForm(*ui);
    setupWords({{QStringLiteral("J01"), 8, true, ReadWhen::Always}, {QStringLiteral("J302"), 8, false, ReadWhen::Online}});
    // The three used control bits lead to where their binary signals are chosen.
    for (ClickableLabel *link : {ui->ClickLabelStop, ui->ClickLabelReset, ui->ClickLabelContinue})
        connectClick(link, this, &SteuerStatusFahrsatz::ClickLabelStopClicked);
    for (QFrame *frame : {ui->FrameClickLabelStop, ui->FrameClickLabelReset, ui->FrameClickLabelContinue})
        setLinkFrameActive(frame, true);
}

SteuerStatusFahrsatz::~SteuerStatusFahrsatz() = default;

void SteuerStatusFahrsatz::ClickLabelStopClicked()
{
    jumpTo(QStringLiteral("DbmMotionBlockBinSignals"));
}
