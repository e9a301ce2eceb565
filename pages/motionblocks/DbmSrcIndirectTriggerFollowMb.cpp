#include "DbmSrcIndirectTriggerFollowMb.h"
#include "ui_DbmSrcIndirectTriggerFollowMb.h"

#include "ParameterControl.h"
#include "WizardGlobal.h"

namespace {
// The first address parameter; its element count is the number of blocks.
const QString firstAddress = QStringLiteral("J440");

QString addressCoordinate(int trigger)
{
    return QStringLiteral("J44%1").arg(trigger);
}
} // namespace

DbmSrcIndirectTriggerFollowMb::DbmSrcIndirectTriggerFollowMb(QWidget *parent)
    : IndirectTriggerPage(parent), ui(std::make_unique<Ui::DbmSrcIndirectTriggerFollowMb>())
{
    setupForm(*ui);
    WizardGlobal().AddHoverHighlights(this);
    for (int trigger = 0; trigger < TriggerCount; ++trigger) {
        setupTrigger(trigger, addressCoordinate(trigger), addressCoordinate(trigger),
                     QStringLiteral("I44%1").arg(5 + trigger));
        // The lamps show the drive's state, so they follow it while the page is shown.
        addLiveValue(QStringLiteral("I44%1").arg(5 + trigger));
    }
    addLiveValue(QStringLiteral("J437"));
    setupIndex(ui->lineEditFahrsatznummer, ui->toolButtonLeft, ui->toolButtonRight, firstAddress);
    connect(ui->ActionWidgetTriggerFolgefahrsatz, SIGNAL(clicked()), this, SLOT(jumpToTriggerFolgefahrsatz()));
}

DbmSrcIndirectTriggerFollowMb::~DbmSrcIndirectTriggerFollowMb() = default;

void DbmSrcIndirectTriggerFollowMb::initialUpdate()
{
    connectParameterControls();
}

void DbmSrcIndirectTriggerFollowMb::connectParameterControls()
{
    observeTriggers();
    static const char *const addressSlots[TriggerCount] = {SLOT(onJ440Changed()), SLOT(onJ441Changed()),
        SLOT(onJ442Changed()), SLOT(onJ443Changed()), SLOT(onJ444Changed())};
    for (int trigger = 0; trigger < TriggerCount; ++trigger)
        observe(addressCoordinate(trigger), addressSlots[trigger]);
    showLamps();
    adjustCheckBoxes();
}

int DbmSrcIndirectTriggerFollowMb::shownBlock() const
{
    const int count = elementCount(firstAddress);
    return count > 0 ? qBound(0, currentIndex(), count - 1) : -1;
}

int DbmSrcIndirectTriggerFollowMb::addressElement(int) const
{
    return shownBlock();
}

void DbmSrcIndirectTriggerFollowMb::UpdatePage()
{
    setParaIndices(shownBlock());
}

void DbmSrcIndirectTriggerFollowMb::setParaIndices(int block)
{
    for (int trigger = 0; trigger < TriggerCount; ++trigger) {
        for (QWidget *widget : IndirectTriggerPage::trigger(trigger).address) {
            auto *control = dynamic_cast<ParameterControl *>(widget);
            if (control && pageHost() && block >= 0)
                bindControl(control, static_cast<unsigned int>(block));
        }
    }
    adjustCheckBoxes();
    showSources();
}

void DbmSrcIndirectTriggerFollowMb::showEvent(QShowEvent *event)
{
    IndirectTriggerPage::showEvent(event);
    enableUnlessReadOnly(checkBoxes());
    // The block handed over by another page, taken once; otherwise the page keeps its own.
    const int handedOver = takeHandedOverMotionBlock();
    const int count = elementCount(firstAddress);
    const int block = handedOver >= 0 ? handedOver : currentIndex();
    setIndexAndUpdate(count > 0 ? qBound(0, block, count - 1) : 0);
}
