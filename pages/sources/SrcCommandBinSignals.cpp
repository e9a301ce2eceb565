#include "SrcCommandBinSignals.h"
#include "ui_SrcCommandBinSignals.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

namespace {

// J38 switches every binary source of the command mode; these are its values for
// "parameter" and "inactive".
const QString sourcesCoordinate = QStringLiteral("J38");
const QString sourcesParameter = QStringLiteral("2");
const QString sourcesInactive = QStringLiteral("0");

} // namespace

SrcCommandBinSignals::SrcCommandBinSignals(QWidget *parent) : BrevanePage(parent), ui(new Ui::SrcCommandBinSignals)
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidgetE19, SLOT(JumpToEinAusgaenge())},
        {ui->ActionWidgetJ37, SLOT(JumpToSteuerStatusKommando())},
        {ui->ActionWidgetKommando, SLOT(JumpToKommando())},
        {ui->PushButtonQuellenAufParameter, SLOT(SetSourcesToParameter())},
        {ui->PushButtonQuellenAufInaktiv, SLOT(SetSourcesToInactive())},
    });
    WizardGlobal().AddHoverHighlights(this);
}

SrcCommandBinSignals::~SrcCommandBinSignals() = default;

QString SrcCommandBinSignals::identifier() const
{
    return QString::fromLatin1("SrcCommandBinSignals");
}

void SrcCommandBinSignals::initialUpdate()
{
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void SrcCommandBinSignals::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    enableUnlessReadOnly({ui->PushButtonQuellenAufParameter, ui->PushButtonQuellenAufInaktiv});
}

void SrcCommandBinSignals::JumpToEinAusgaenge()
{
    jumpTo(QStringLiteral("EinAusgaenge"));
}

void SrcCommandBinSignals::JumpToSteuerStatusKommando()
{
    jumpTo(QStringLiteral("SteuerStatusKommandobetrieb"));
}

void SrcCommandBinSignals::JumpToKommando()
{
    jumpTo(QStringLiteral("DbmKommando"));
}

void SrcCommandBinSignals::SetSourcesToParameter()
{
    writeText(sourcesCoordinate, 0, sourcesParameter);
}

void SrcCommandBinSignals::SetSourcesToInactive()
{
    writeText(sourcesCoordinate, 0, sourcesInactive);
}
