#include "SteuerStatusKommandobetrieb.h"
#include "ui_SteuerStatusKommandobetrieb.h"

#include "ClickableLabel.h"

SteuerStatusKommandobetrieb::SteuerStatusKommandobetrieb(QWidget *parent)
    : StatusWordPage(parent), ui(std::make_unique<Ui::SteuerStatusKommandobetrieb>())
{
    setupForm(*ui);
    setupWords({{QStringLiteral("J37"), 8, true, ReadWhen::Always}, {QStringLiteral("J39"), 8, false, ReadWhen::Always}});
    // Queued: a jump may open a box, and the host may delete the page from inside it; that
    // must not happen inside the label's own mouse handler.
    connect(ui->ClickLabelContinue, &ClickableLabel::clicked, this, &SteuerStatusKommandobetrieb::ClickLabelContinueClicked, Qt::QueuedConnection);
    setLinkFrameActive(ui->FrameClickLabelContinue, true);
}

SteuerStatusKommandobetrieb::~SteuerStatusKommandobetrieb() = default;

void SteuerStatusKommandobetrieb::ClickLabelContinueClicked()
{
    jumpTo(QStringLiteral("SrcCommandBinSignals"));
}
