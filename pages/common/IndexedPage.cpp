#include "IndexedPage.h"

#include "ParameterControl.h"

#include <QAbstractButton>
#include <QLineEdit>

IndexedPage::IndexedPage(QWidget *parent) : BrevanePage(parent) {}

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

int IndexedPage::currentIndex() const
{
    return m_indexEdit ? m_indexEdit->text().toInt(nullptr, 10) : 0;
}

bool IndexedPage::hasElements() const
{
    return elementCount(m_reference) > 0;
}

int IndexedPage::clampToCount(int index) const
{
    // Without elements there is nothing to choose; 0 is shown rather than -1.
    const int count = elementCount(m_reference);
    if (index >= count)
        index = count - 1;
    return qMax(index, 0);
}

void IndexedPage::decIndex()
{
    setIndexAndUpdate(qMax(currentIndex() - 1, 0));
}

void IndexedPage::incIndex()
{
    setIndexAndUpdate(clampToCount(currentIndex() + 1));
}

void IndexedPage::takeIndex()
{
    setIndexAndUpdate(clampToCount(qMax(currentIndex(), 0)));
}

void IndexedPage::setIndexAndUpdate(int index)
{
    const bool elements = hasElements();
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

void IndexedPage::UpdatePage()
{
    bindControlsToIndex(currentIndex());
}

void IndexedPage::bindControlsToIndex(int index)
{
    WizardPageHost *host = pageHost();
    if (!host)
        return;
    const auto widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (auto *control = dynamic_cast<ParameterControl *>(widget)) {
            control->setIndex(static_cast<unsigned int>(qMax(index, 0)));
            control->initialize(host->parameterProvider(), host->livingSpace());
        }
    }
}
