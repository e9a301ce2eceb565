#include "DbmSrcIndirectTriggerFollowMbV2.h"
#include "ui_DbmSrcIndirectTriggerFollowMbV2.h"

#include "ClickConnections.h"

#include "WizardGlobal.h"

namespace {
const QString g809 = QStringLiteral("G809");
}

DbmSrcIndirectTriggerFollowMbV2::DbmSrcIndirectTriggerFollowMbV2(QWidget *parent)
    : IndirectTriggerPage(parent), ui(std::make_unique<Ui::DbmSrcIndirectTriggerFollowMbV2>())
{
    setupForm(*ui);
    WizardGlobal().AddHoverHighlights(this);
    addLiveValue(QStringLiteral("J437"));
    for (int trigger = 0; trigger < TriggerCount; ++trigger) {
        const QString lamp = QStringLiteral("J44%1").arg(5 + trigger);
        setupTrigger(trigger, QStringLiteral("J439_%1").arg(trigger), QStringLiteral("J439"), lamp);
        addLiveValue(lamp);
    }
    connect(ui->CheckboxG809, SIGNAL(clicked()), this, SLOT(CheckboxG809_Clicked()));
    connect(ui->ActionWidgetTriggerFolgefahrsatz, SIGNAL(clicked()), this, SLOT(jumpToTriggerFolgefahrsatz()));
    connect(ui->ActionWidgetTriggerFolgefahrsatz_2, SIGNAL(clicked()), this, SLOT(jumpToTriggerFolgefahrsatz()));
    connectClicks(this, {{ui->ClickLabelFahrsatz, SLOT(jumpToFahrsatz())}});
    setLinkFrameActive(ui->FrameClickLabelFahrsatz, true);
}

DbmSrcIndirectTriggerFollowMbV2::~DbmSrcIndirectTriggerFollowMbV2() = default;

void DbmSrcIndirectTriggerFollowMbV2::initialUpdate()
{
    connectParameterControls();
}

void DbmSrcIndirectTriggerFollowMbV2::connectParameterControls()
{
    observeTriggers();
    observe(QStringLiteral("J439"), SLOT(onJ439Changed()));
    observe(g809, SLOT(onG809Changed()));
    showLamps();
    adjustCheckBoxes();
    onG809Changed();
}

void DbmSrcIndirectTriggerFollowMbV2::showEvent(QShowEvent *event)
{
    IndirectTriggerPage::showEvent(event);
    // Drives with the inversion choice show it and the diagram that draws it.
    const bool inverting = hasParameter(QStringLiteral("J438"));
    ui->FrameJ438->setVisible(inverting);
    setStackPage(ui->stackedWidgetJ438Inverting, inverting ? 1 : 0);
    QList<QWidget *> writing = checkBoxes();
    writing << ui->CheckboxG809;
    enableUnlessReadOnly(writing);
    adjustCheckBoxes();
    onJ439Changed();
}

void DbmSrcIndirectTriggerFollowMbV2::onG809Changed()
{
    ui->CheckboxG809->setChecked(isFlagSet(g809));
}

void DbmSrcIndirectTriggerFollowMbV2::CheckboxG809_Clicked()
{
    writeText(g809, 0, ui->CheckboxG809->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    // Shows what the drive holds, also when nothing was written.
    onG809Changed();
}

void DbmSrcIndirectTriggerFollowMbV2::jumpToFahrsatz()
{
    jumpTo(QStringLiteral("Fahrsatz"));
}
