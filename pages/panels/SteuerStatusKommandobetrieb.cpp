#include "SteuerStatusKommandobetrieb.h"

#include "ClickConnections.h"
#include "ui_SteuerStatusKommandobetrieb.h"

#include "ClickableLabel.h"

SteuerStatusKommandobetrieb::SteuerStatusKommandobetrieb(QWidget *parent)
    : StatusWordPage(parent), ui(std::make_unique<Ui::SteuerStatusKommandobetrieb>())
{
    setupForm(*ui);
    setupWords({{QStringLiteral("J37"), 8, true, ReadWhen::Always}, {QStringLiteral("J39"), 8, false, ReadWhen::Always}});
    connectClick(ui->ClickLabelContinue, this, &SteuerStatusKommandobetrieb::ClickLabelContinueClicked);
    setLinkFrameActive(ui->FrameClickLabelContinue, true);
}

SteuerStatusKommandobetrieb::~SteuerStatusKommandobetrieb() = default;

void SteuerStatusKommandobetrieb::ClickLabelContinueClicked()
{
    jumpTo(QStringLiteral("SrcCommandBinSignals"));
}
