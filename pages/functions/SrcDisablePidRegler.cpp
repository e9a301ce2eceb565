#include "SrcDisablePidRegler.h"
#include "ui_SrcDisablePidRegler.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

SrcDisablePidRegler::SrcDisablePidRegler(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::SrcDisablePidRegler>())
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidgetPidRegler_1, SLOT(JumpToPidRegler())},
        {ui->ActionWidgetPidRegler_2, SLOT(JumpToPidRegler())},
        {ui->ActionWidgetE19_1, SLOT(JumpToE19())},
        {ui->ActionWidgetE19_2, SLOT(JumpToE19())},
    });
    WizardGlobal().AddHoverHighlights(this);
}

SrcDisablePidRegler::~SrcDisablePidRegler() = default;

// The layout is chosen when the page is shown, not here.
void SrcDisablePidRegler::initialUpdate()
{
    observe(QStringLiteral("G32"), SLOT(onG32Changed()));
}

void SrcDisablePidRegler::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    onG32Changed();
}

void SrcDisablePidRegler::onG32Changed()
{
    setStackPage(ui->stackedWidget, readText(QStringLiteral("G32")) == QLatin1String("1") ? 1 : 0);
}
