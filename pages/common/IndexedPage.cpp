#include "IndexedPage.h"

#include "IndirectPair.h"
#include "ParameterControl.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRegularExpression>

#include <limits>

IndexedPage::IndexedPage(QWidget *parent) : BrevanePage(parent) {}

QWidget *IndexedPage::indexField() const
{
    return m_indexEdit;
}

void IndexedPage::setupIndex(QLineEdit *indexEdit, QAbstractButton *decButton, QAbstractButton *incButton,
                             const QString &referenceCoordinate)
{
    m_indexEdit = indexEdit;
    m_decButton = decButton;
    m_incButton = incButton;
    m_reference = referenceCoordinate;
    if (m_indexEdit && m_indexEdit->text().isEmpty())
        m_indexEdit->setText(QStringLiteral("0"));
    if (m_decButton)
        connect(m_decButton, SIGNAL(clicked()), this, SLOT(decIndex()));
    if (m_incButton)
        connect(m_incButton, SIGNAL(clicked()), this, SLOT(incIndex()));
    if (m_indexEdit)
        connect(m_indexEdit, SIGNAL(editingFinished()), this, SLOT(takeIndex()));
}

qint64 IndexedPage::typedIndex() const
{
    if (!m_indexEdit)
        return 0;
    const QString text = m_indexEdit->text().trimmed();
    bool ok = false;
    const qint64 typed = text.toLongLong(&ok, 10);
    if (ok)
        return typed;
    // A number too long for 64 bits still lies beyond every end; only text that is no number is 0.
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    if (!number.match(text).hasMatch())
        return 0;
    return text.startsWith(QLatin1Char('-')) ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
}

int IndexedPage::currentIndex() const
{
    return int(qBound(qint64(std::numeric_limits<int>::min()), typedIndex(), qint64(std::numeric_limits<int>::max())));
}

bool IndexedPage::hasElements() const
{
    return elementCount(m_reference) > 0;
}

int IndexedPage::clampToCount(qint64 index) const
{
    // Without elements there is nothing to choose; 0 is shown rather than -1.
    const int count = elementCount(m_reference);
    if (index >= count)
        index = count - 1;
    return int(qMax<qint64>(index, 0));
}

void IndexedPage::decIndex()
{
    // No upper bound here; the result still has to fit the field's int.
    const qint64 typed = typedIndex();
    setIndexAndUpdate(typed <= 0 ? 0 : int(qMin(typed - 1, qint64(std::numeric_limits<int>::max()))));
}

void IndexedPage::incIndex()
{
    const qint64 typed = typedIndex();
    setIndexAndUpdate(clampToCount(typed < std::numeric_limits<qint64>::max() ? typed + 1 : typed));
}

void IndexedPage::takeIndex()
{
    setIndexAndUpdate(clampToCount(typedIndex()));
}

void IndexedPage::setIndexAndUpdate(int index)
{
    if (!m_reference.isEmpty())
        observe(m_reference, SLOT(onReferenceChanged()));
    m_knownCount = elementCount(m_reference);
    const bool elements = m_knownCount > 0;
    if (m_indexEdit) {
        const QString text = QString::number(elements ? index : 0);
        if (m_indexEdit->text() != text)
            m_indexEdit->setText(text);
        m_indexEdit->setEnabled(elements);
    }
    for (QAbstractButton *button : {m_decButton, m_incButton}) {
        if (button)
            button->setEnabled(elements);
    }
    UpdatePage();
}

void IndexedPage::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    followReference();
}

void IndexedPage::onReferenceChanged()
{
    // A hidden page catches up when it is shown again.
    if (isVisible())
        followReference();
}

void IndexedPage::followReference()
{
    if (m_reference.isEmpty())
        return;
    observe(m_reference, SLOT(onReferenceChanged()));
    const int count = elementCount(m_reference);
    if (count == m_knownCount)
        return;
    if (m_knownCount < 0 && count > 0) {
        // First look and there are elements: the page bound itself when it was set up.
        m_knownCount = count;
        return;
    }
    // Elements came or went: lock or unlock the index and clamp it to the new count.
    setIndexAndUpdate(clampToCount(typedIndex()));
}

void IndexedPage::UpdatePage()
{
    bindControlsToIndex(currentIndex());
}

void IndexedPage::bindControlsToIndex(int index)
{
    if (!pageHost())
        return;
    const auto widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (IndirectPair::isPairControl(widget))
            continue;
        if (auto *control = dynamic_cast<ParameterControl *>(widget))
            bindControl(control, static_cast<unsigned int>(qMax(index, 0)));
    }
}
