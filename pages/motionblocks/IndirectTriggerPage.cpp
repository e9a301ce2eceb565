#include "IndirectTriggerPage.h"

#include "LedWidget.h"
#include "ParameterControl.h"

#include <QCheckBox>

namespace {
const QString triggerFlags = QStringLiteral("J437");
}

IndirectTriggerPage::IndirectTriggerPage(QWidget *parent) : IndexedPage(parent)
{
    m_triggers.resize(TriggerCount);
}

void IndirectTriggerPage::setupTrigger(int index, const QString &addressName, const QString &addressCoordinate,
                                       const QString &lampCoordinate)
{
    Trigger &trigger = m_triggers[index];
    trigger.checkBox = findChild<QCheckBox *>(QStringLiteral("checkBox_J437_%1").arg(index));
    trigger.address = {findChild<QWidget *>(QStringLiteral("paraLbl_") + addressName),
                       findChild<QWidget *>(QStringLiteral("paraTextEdit_") + addressName)};
    const QString indirect = addressName + QStringLiteral("_Indirekt");
    trigger.source = IndirectPair(addressCoordinate,
        dynamic_cast<ParameterControl *>(findChild<QWidget *>(QStringLiteral("paraLbl_") + indirect)),
        dynamic_cast<ParameterControl *>(findChild<QWidget *>(QStringLiteral("paraTextEdit_") + indirect)));
    trigger.lamp = findChild<LedWidget *>(QStringLiteral("LedWidgetJ44%1").arg(5 + index));
    trigger.lampCoordinate = lampCoordinate;
    Q_ASSERT(trigger.checkBox && trigger.address.at(0) && trigger.address.at(1) && trigger.lamp);
    connect(trigger.checkBox, SIGNAL(clicked()), this,
            QByteArray("1CheckboxJ437_") + QByteArray::number(index) + QByteArray("_Clicked()"));
    // A source shows only once an address has been decoded.
    trigger.source.hide();
}

void IndirectTriggerPage::observeTriggers()
{
    observe(triggerFlags, SLOT(onJ437Changed()));
    static const char *const lampSlots[TriggerCount] = {SLOT(onJ445Changed()), SLOT(onJ446Changed()),
        SLOT(onJ447Changed()), SLOT(onJ448Changed()), SLOT(onJ449Changed())};
    for (int index = 0; index < TriggerCount; ++index)
        observe(m_triggers.at(index).lampCoordinate, lampSlots[index]);
}

QList<QWidget *> IndirectTriggerPage::checkBoxes() const
{
    QList<QWidget *> boxes;
    for (const Trigger &trigger : m_triggers)
        boxes << trigger.checkBox;
    return boxes;
}

void IndirectTriggerPage::setAddressEnabled(int index, bool enabled)
{
    for (QWidget *widget : m_triggers.at(index).address)
        widget->setEnabled(enabled);
}

void IndirectTriggerPage::onCheckBoxClicked(int index)
{
    const Trigger &trigger = m_triggers.at(index);
    const bool checked = trigger.checkBox->isChecked();
    if (!writeText(triggerFlags, static_cast<unsigned short>(index), checked ? QStringLiteral("1") : QStringLiteral("0"))) {
        // Nothing was written, so the box shows the flag again.
        adjustCheckBoxes();
        return;
    }
    setAddressEnabled(index, checked);
}

void IndirectTriggerPage::adjustCheckBoxes()
{
    for (int index = 0; index < TriggerCount; ++index) {
        const bool indirect = readInt(triggerFlags, static_cast<unsigned short>(index)) != 0;
        m_triggers.at(index).checkBox->setChecked(indirect);
        setAddressEnabled(index, indirect);
    }
}

void IndirectTriggerPage::showSource(int index)
{
    const Trigger &trigger = m_triggers.at(index);
    const int element = addressElement(index);
    if (element < 0 || element >= elementCount(trigger.source.addressCoordinate()) || !provider()) {
        trigger.source.hide();
        return;
    }
    trigger.source.update(provider(), livingSpace(), static_cast<unsigned short>(element));
}

void IndirectTriggerPage::showSources()
{
    for (int index = 0; index < TriggerCount; ++index)
        showSource(index);
}

bool IndirectTriggerPage::isFlagSet(const QString &coordinate) const
{
    const QString state = readRawText(coordinate);
    return !state.isEmpty() && state != QLatin1String("0");
}

void IndirectTriggerPage::showLamp(int index)
{
    const Trigger &trigger = m_triggers.at(index);
    trigger.lamp->setOn(isFlagSet(trigger.lampCoordinate));
}

void IndirectTriggerPage::showLamps()
{
    for (int index = 0; index < TriggerCount; ++index)
        showLamp(index);
}

void IndirectTriggerPage::jumpToTriggerFolgefahrsatz()
{
    jumpTo(QStringLiteral("DbmSrcCtrlFollowMotionBlock"));
}
