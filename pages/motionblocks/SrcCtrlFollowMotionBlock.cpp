#include "SrcCtrlFollowMotionBlock.h"
#include "ui_SrcCtrlFollowMotionBlock.h"

#include "LedWidget.h"
#include "WizardGlobal.h"

namespace {

constexpr int triggerCount = 5;
constexpr int sourceValues = 29;
const QString indirectTriggerLink = QStringLiteral("IndirectTrigger");
const QString perBlockPage = QStringLiteral("DbmSrcIndirectTriggerFollowMb");
const QString commonPage = QStringLiteral("DbmSrcIndirectTriggerFollowMbV2");

} // namespace

SrcCtrlFollowMotionBlock::SrcCtrlFollowMotionBlock(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::SrcCtrlFollowMotionBlock>())
{
    setupForm(*ui);
    m_lamps = {ui->LedWidgetJ451_0, ui->LedWidgetJ451_1, ui->LedWidgetJ451_2, ui->LedWidgetJ451_3, ui->LedWidgetJ451_4};
    for (int trigger = 0; trigger < triggerCount; ++trigger)
        addLiveValue(QStringLiteral("J451"), static_cast<unsigned short>(trigger));
}

SrcCtrlFollowMotionBlock::~SrcCtrlFollowMotionBlock() = default;

void SrcCtrlFollowMotionBlock::initialUpdate()
{
    connect(ui->PushButtonQuellenAufParameter, SIGNAL(clicked()), this, SLOT(setSourcesToParameter()),
            Qt::UniqueConnection);
    connect(ui->PushButtonQuellenAufInaktiv, SIGNAL(clicked()), this, SLOT(setSourcesToInactive()),
            Qt::UniqueConnection);
    connectLinkLabelsToHandler();
    connectParameterControls();
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void SrcCtrlFollowMotionBlock::connectParameterControls()
{
    observe(QStringLiteral("J451"), SLOT(actualizeLedsTriggerState()));
    if (ParameterProvider *parameters = provider()) {
        connect(parameters, SIGNAL(onlineChanged(bool)), this, SLOT(actualizePushButtonsEnable()), Qt::UniqueConnection);
        connect(parameters, SIGNAL(readOnlyChanged(bool)), this, SLOT(actualizePushButtonsEnable()),
                Qt::UniqueConnection);
    }
}

void SrcCtrlFollowMotionBlock::connectLinkLabelsToHandler()
{
    BrevanePage::connectLinkLabelsToHandler(indirectTriggerLink);
    connect(ui->labelIndirectTrigger, &QLabel::linkActivated, this, &SrcCtrlFollowMotionBlock::jumpToIndirectTrigger,
            Qt::UniqueConnection);
}

QString SrcCtrlFollowMotionBlock::indirectTriggerPage() const
{
    // The visibility controller leaves one of the two pages visible, depending on the drive;
    // the link follows that one. With none visible it names the one the tree holds, so that
    // the jump says the page is hidden rather than missing.
    for (const QString &page : {commonPage, perBlockPage}) {
        if (pageInTree(page) && pageVisibleInTree(page))
            return page;
    }
    for (const QString &page : {commonPage, perBlockPage}) {
        if (pageInTree(page))
            return page;
    }
    return QString();
}

void SrcCtrlFollowMotionBlock::jumpToIndirectTrigger()
{
    jumpToWizardPage(indirectTriggerPage());
}

void SrcCtrlFollowMotionBlock::setSourcesToValue(int value)
{
    if (!hasParameter(QStringLiteral("J450")) || value < 0 || value >= sourceValues || isReadOnly())
        return;
    for (int trigger = 0; trigger < triggerCount; ++trigger)
        writeInt(QStringLiteral("J450"), static_cast<unsigned short>(trigger), value);
}

void SrcCtrlFollowMotionBlock::actualizeLedsTriggerState()
{
    const qint64 word = readRawText(QStringLiteral("J451")).toLongLong(nullptr, 10);
    for (int trigger = 0; trigger < triggerCount; ++trigger)
        m_lamps.at(trigger)->setOn((word >> trigger) & 1);
}

void SrcCtrlFollowMotionBlock::actualizePushButtonsEnable()
{
    enableUnlessReadOnly({ui->PushButtonQuellenAufParameter, ui->PushButtonQuellenAufInaktiv});
}

void SrcCtrlFollowMotionBlock::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    actualizeLedsTriggerState();
    actualizePushButtonsEnable();
}
