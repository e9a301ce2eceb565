#include "DbmBegrGeschwDrehmKraft.h"
#include "ui_DbmBegrGeschwDrehmKraft.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

DbmBegrGeschwDrehmKraft::DbmBegrGeschwDrehmKraft(QWidget *parent)
    : BrevanePage(parent), ui(new Ui::DbmBegrGeschwDrehmKraft)
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidgetBetriebsart, SLOT(JumpToBetriebsartGeschw())},
        {ui->ActionWidgetD42, SLOT(JumpToHauptsollwert())},
        {ui->ActionWidgetE19, SLOT(JumpToEinAusgaenge())},
        {ui->ActionWidgetI10, SLOT(JumpToVAccRBegrenzung())},
    });
    addLiveValue(QStringLiteral("D246"));
    addLiveValue(QStringLiteral("D247"));
    WizardGlobal().AddHoverHighlights(this);
}

DbmBegrGeschwDrehmKraft::~DbmBegrGeschwDrehmKraft() = default;

QString DbmBegrGeschwDrehmKraft::identifier() const
{
    return QString::fromLatin1("DbmBegrGeschwDrehmKraft");
}

void DbmBegrGeschwDrehmKraft::initialUpdate()
{
    connectParameterControls();
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void DbmBegrGeschwDrehmKraft::connectParameterControls()
{
    observe(QStringLiteral("D246"), SLOT(onD246Changed()));
    observe(QStringLiteral("D247"), SLOT(onD247Changed()));
    onD246Changed();
    onD247Changed();
}

void DbmBegrGeschwDrehmKraft::onD246Changed()
{
    ui->LedWidgetD246->setOn(readInt(QStringLiteral("D246")) != 0);
}

void DbmBegrGeschwDrehmKraft::onD247Changed()
{
    ui->LedWidgetD247->setOn(readInt(QStringLiteral("D247")) != 0);
}

void DbmBegrGeschwDrehmKraft::JumpToBetriebsartGeschw()
{
    jumpTo(QStringLiteral("DbmGeschwDrehmKraft"));
}

// The set velocity is drawn on the mode's overview, not on the main set value's page.
void DbmBegrGeschwDrehmKraft::JumpToHauptsollwert()
{
    jumpTo(QStringLiteral("DbmGeschwDrehmKraft"));
}

void DbmBegrGeschwDrehmKraft::JumpToEinAusgaenge()
{
    jumpTo(QStringLiteral("EinAusgaenge"));
}

// Trees carry one of the two pages of the system limits.
void DbmBegrGeschwDrehmKraft::JumpToVAccRBegrenzung()
{
    jumpToFirstInTree({QStringLiteral("VAccRBegrenzung"), QStringLiteral("VAccRBegrenzungCBM")});
}
