#include "PageArea.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

PageArea::PageArea(QWidget *parent) : QStackedWidget(parent), m_empty(new QWidget(this))
{
    addWidget(m_empty);
    setCurrentWidget(m_empty);
}

QScrollArea *PageArea::createSlot(const QString &identifier)
{
    auto *area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("slot_") + identifier);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    addWidget(area);
    m_slots.insert(identifier, area);
    return area;
}

void PageArea::addPage(const QString &identifier, QWidget *page)
{
    QScrollArea *area = m_slots.value(identifier);
    if (!area)
        area = createSlot(identifier);
    area->setWidget(page);
    m_pages.insert(identifier, page);
}

void PageArea::addPlaceholder(const QString &identifier, const QString &title, const QString &text)
{
    auto *placeholder = new QWidget;
    auto *layout = new QVBoxLayout(placeholder);
    auto *heading = new QLabel(QStringLiteral("<h2>%1</h2>").arg(title.toHtmlEscaped()), placeholder);
    auto *explanation = new QLabel(text, placeholder);
    for (QLabel *label : {heading, explanation}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }
    layout->addStretch(1);
    layout->addWidget(heading);
    layout->addWidget(explanation);
    layout->addStretch(2);
    addPage(identifier, placeholder);
}

void PageArea::deletePage(const QString &identifier)
{
    QScrollArea *area = m_slots.value(identifier);
    if (!area)
        return;
    if (identifier == m_current)
        clearCurrent();
    delete area->takeWidget();
    m_pages.remove(identifier);
}

QWidget *PageArea::page(const QString &identifier) const
{
    return m_pages.value(identifier);
}

bool PageArea::showPage(const QString &identifier)
{
    QScrollArea *area = m_slots.value(identifier);
    if (!area)
        return false;
    m_current = identifier;
    setCurrentWidget(area);
    return true;
}

void PageArea::reshowCurrent()
{
    QWidget *shown = page(m_current);
    if (!shown || !shown->isVisible())
        return;
    shown->hide();
    shown->show();
}

void PageArea::clearCurrent()
{
    m_current.clear();
    setCurrentWidget(m_empty);
}
