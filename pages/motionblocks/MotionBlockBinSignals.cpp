#include "MotionBlockBinSignals.h"
#include "ui_MotionBlockBinSignals.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

namespace {
// The sources the two buttons set, in the order they are written.
const char *const sourceCoordinates[] = {"I100", "J06", "J07", "J917"};
} // namespace

MotionBlockBinSignals::MotionBlockBinSignals(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::MotionBlockBinSignals>())
{
    setupForm(*ui);
    WizardGlobal().AddHoverHighlights(this);
    connectClicks(this, {
        {ui->ActionWidgetE19, SLOT(JumpToEinAusgaenge())},
        {ui->ActionWidgetFahrsatz, SLOT(JumpToFahrsatzbetrieb())},
        {ui->ActionWidgetSteuertafelApplikation, SLOT(JumpToSteuertafelApplikation())},
        {ui->ActionWidgetJ01, SLOT(JumpToSteuerStatusFahrsatz())},
        {ui->PushButtonQuellenAufParameter, SLOT(SetSourcesToParameter())},
        {ui->PushButtonQuellenAufInaktiv, SLOT(SetSourcesToInactive())},
    });
}

MotionBlockBinSignals::~MotionBlockBinSignals() = default;

void MotionBlockBinSignals::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    enableUnlessReadOnly({ui->PushButtonQuellenAufParameter, ui->PushButtonQuellenAufInaktiv});
}

void MotionBlockBinSignals::setSources(const QString &value)
{
    // The buttons are disabled while read-only; a click that still arrives writes nothing.
    if (isReadOnly())
        return;
    for (const char *coordinate : sourceCoordinates)
        writeText(QString::fromLatin1(coordinate), 0, value);
}

void MotionBlockBinSignals::SetSourcesToParameter()
{
    setSources(QStringLiteral("2"));
}

void MotionBlockBinSignals::SetSourcesToInactive()
{
    setSources(QStringLiteral("0"));
}

void MotionBlockBinSignals::JumpToEinAusgaenge()
{
    jumpTo(QStringLiteral("EinAusgaenge"));
}

void MotionBlockBinSignals::JumpToFahrsatzbetrieb()
{
    jumpTo(QStringLiteral("Fahrsatzbetrieb"));
}

void MotionBlockBinSignals::JumpToSteuertafelApplikation()
{
    jumpTo(QStringLiteral("SteuertafelApplikation"));
}

void MotionBlockBinSignals::JumpToSteuerStatusFahrsatz()
{
    jumpTo(QStringLiteral("SteuerStatusFahrsatz"));
}
