#include "PidRegler.h"
#include "ui_PidRegler.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

PidRegler::PidRegler(QWidget *parent) : BrevanePage(parent), ui(std::make_unique<Ui::PidRegler>())
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidgetPidSollwert, SLOT(JumpToPidSollwert())},
        {ui->ActionWidgetPidSollwert_2, SLOT(JumpToPidSollwert())},
        {ui->ActionWidgetPidIstwert, SLOT(JumpToPidIstwert())},
        {ui->ActionWidgetPidIstwert_2, SLOT(JumpToPidIstwert())},
        {ui->ActionWidgetG14, SLOT(JumpToDeaktPresetPid())},
        {ui->ActionWidgetG20, SLOT(JumpToDeaktPresetPid())},
    });
    WizardGlobal().AddHoverHighlights(this);
}

PidRegler::~PidRegler() = default;

void PidRegler::initialUpdate()
{
    observe(QStringLiteral("G17"), SLOT(onParaG17Changed()));
    onParaG17Changed();
}

void PidRegler::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    setStackPage(ui->stackedWidget, hasParameter(QStringLiteral("G456")) ? 1 : 0);
}

void PidRegler::onParaG17Changed()
{
    // Offline and editable, the project holds no state of a running controller.
    const bool live = isOnline() || isReadOnly();
    const bool active = live && readText(QStringLiteral("G17")) == QLatin1String("1");
    ui->LedWidgetG17->setOn(active);
    ui->LedWidgetG17_2->setOn(active);
}
