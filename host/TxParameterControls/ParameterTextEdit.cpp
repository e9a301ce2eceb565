#include "ParameterTextEdit.h"

#include <QEvent>
#include <QKeyEvent>

ParameterTextEdit::ParameterTextEdit(QWidget *parent) : QLineEdit(parent), ParameterControl(this)
{
    connect(this, &QLineEdit::editingFinished, this, &ParameterTextEdit::commit);
}

void ParameterTextEdit::showValue()
{
    const auto info = information();
    // Nothing to show for an element the array no longer has.
    if (!info || !hasElement()) {
        m_shown.clear();
        setText(m_shown);
        return;
    }
    m_shown = info->hasProperty(element(), ParameterPropertyId::SelectionTexts)
        ? info->displayText(effectiveLivingSpace(), element(), false)
        : info->valueText(effectiveLivingSpace(), element(), false);
    setText(m_shown);
    setCursorPosition(0);
}

void ParameterTextEdit::applyEditable(bool editable)
{
    setReadOnly(!editable);
}

void ParameterTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && text() != m_shown) {
        setText(m_shown);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ParameterTextEdit::changeEvent(QEvent *event)
{
    // An entry the user has not finished stays as typed.
    if (event->type() == QEvent::LanguageChange && isInitialized() && text() == m_shown)
        showValue();
    QLineEdit::changeEvent(event);
}

void ParameterTextEdit::commit()
{
    if (text() == m_shown)
        return;
    if (isReadOnly()) {
        setText(m_shown);
        return;
    }
    QString entered = text();
    // A selection parameter may be typed by its text.
    if (const auto info = information()) {
        const auto texts = info->selectionTexts(effectiveLivingSpace(), element());
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            if (it.value() == entered) {
                entered = QString::number(it.key());
                break;
            }
        }
    }
    writeValue(entered);
}
