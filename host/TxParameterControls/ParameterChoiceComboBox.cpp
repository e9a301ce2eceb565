#include "ParameterChoiceComboBox.h"

#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>

ParameterChoiceComboBox::ParameterChoiceComboBox(QWidget *parent) : QComboBox(parent), ParameterControl(this)
{
    connect(this, qOverload<int>(&QComboBox::activated), this, &ParameterChoiceComboBox::choose);
}

void ParameterChoiceComboBox::showValue()
{
    const QSignalBlocker blocker(this);
    clear();
    const auto info = information();
    if (!info || !hasElement())
        return;
    const QString value = info->valueText(effectiveLivingSpace(), element(), false);
    const auto texts = info->selectionTexts(effectiveLivingSpace(), element());
    QList<qint64> keys = texts.keys();
    std::sort(keys.begin(), keys.end());
    for (qint64 key : keys)
        addItem(texts.value(key), QString::number(key));
    int current = findData(value);
    if (current < 0 && !value.isEmpty()) {
        // A value outside the selection is shown as it is rather than as a wrong choice.
        addItem(value, value);
        current = count() - 1;
    }
    setCurrentIndex(current);
}

void ParameterChoiceComboBox::applyEditable(bool editable)
{
    if (!editable && isEnabled()) {
        setEnabled(false);
        m_disabledByControl = true;
    } else if (editable && m_disabledByControl) {
        setEnabled(true);
        m_disabledByControl = false;
    }
}

void ParameterChoiceComboBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && isInitialized())
        showValue();
    QComboBox::changeEvent(event);
}

void ParameterChoiceComboBox::choose(int row)
{
    if (row >= 0)
        writeValue(itemData(row).toString());
}
