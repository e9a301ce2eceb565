#include "PageArea.h"

#include <QEvent>
#include <QLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A slot shows its page at the page's own size: never below its size hint, since a page
// squeezed below what its form needs cuts off what lies at its right and bottom. The slot
// scrolls in both directions instead, and the page grows with the slot beyond that size.
class PageSlot : public QScrollArea
{
public:
    explicit PageSlot(QWidget *parent) : QScrollArea(parent) {}

    void fit()
    {
        QWidget *page = widget();
        if (!page)
            return;
        // A page that scrolls by itself fills the slot: a second scroll bar around its own
        // would only move the first.
        const QLayout *layout = page->layout();
        const bool scrollsItself = layout && layout->count() == 1
                                   && qobject_cast<const QAbstractScrollArea *>(layout->itemAt(0)->widget());
        const QSize needed = (scrollsItself ? page->minimumSizeHint() : page->sizeHint().expandedTo(page->minimumSizeHint()))
                                 .expandedTo(page->minimumSize());
        // The room left by the scroll bars the page will need, as a resizable area reckons it.
        QSize room = maximumViewportSize();
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        bool wide = needed.width() > room.width();
        bool tall = needed.height() > room.height();
        if (wide && !tall)
            tall = needed.height() > room.height() - bar;
        if (tall && !wide)
            wide = needed.width() > room.width() - bar;
        room -= QSize(tall ? bar : 0, wide ? bar : 0);
        const QSize size = room.expandedTo(needed).boundedTo(page->maximumSize());
        if (page->size() != size)
            page->resize(size);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        fit();
    }

    void showEvent(QShowEvent *event) override
    {
        // The page may have grown while its slot was not shown.
        QScrollArea::showEvent(event);
        fit();
    }

    // A page whose contents change (another device, another language) needs another size: its
    // own layout asks the page, the page asks its parent, the viewport.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            fit();
        return QScrollArea::eventFilter(watched, event);
    }

    bool viewportEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            fit();
        return QScrollArea::viewportEvent(event);
    }
};

} // namespace

PageArea::PageArea(QWidget *parent) : QStackedWidget(parent), m_empty(new QWidget(this))
{
    addWidget(m_empty);
    setCurrentWidget(m_empty);
}

QScrollArea *PageArea::createSlot(const QString &identifier)
{
    auto *area = new PageSlot(this);
    area->setObjectName(QStringLiteral("slot_") + identifier);
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
    static_cast<PageSlot *>(area)->fit();
    m_pages.insert(identifier, page);
}

namespace {

// Says why a slot holds no page, in the language installed.
class Placeholder : public QWidget
{
public:
    Placeholder(const std::function<QString()> &title, const std::function<QString()> &text)
        : m_heading(new QLabel(this)), m_explanation(new QLabel(this)), m_title(title), m_text(text)
    {
        auto *layout = new QVBoxLayout(this);
        for (QLabel *label : {m_heading, m_explanation}) {
            label->setAlignment(Qt::AlignCenter);
            label->setWordWrap(true);
        }
        layout->addStretch(1);
        layout->addWidget(m_heading);
        layout->addWidget(m_explanation);
        layout->addStretch(2);
        retranslate();
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

private:
    void retranslate()
    {
        m_heading->setText(QStringLiteral("<h2>%1</h2>").arg(m_title().toHtmlEscaped()));
        m_explanation->setText(m_text());
    }

    QLabel *m_heading;
    QLabel *m_explanation;
    std::function<QString()> m_title;
    std::function<QString()> m_text;
};

} // namespace

void PageArea::addPlaceholder(const QString &identifier, const std::function<QString()> &title,
                              const std::function<QString()> &text)
{
    addPage(identifier, new Placeholder(title, text));
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

QWidget *PageArea::firstFocusable(QWidget *root)
{
    if (!root)
        return nullptr;
    const auto reachable = [](const QWidget *widget) {
        return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
    };
    if (reachable(root))
        return root;
    // The window's focus chain, from root on: a page's controls follow their form's tab order.
    for (QWidget *widget = root->nextInFocusChain(); widget && widget != root; widget = widget->nextInFocusChain()) {
        if (root->isAncestorOf(widget) && reachable(widget))
            return widget;
    }
    return nullptr;
}

bool PageArea::focusCurrentPage()
{
    QWidget *first = firstFocusable(page(m_current));
    if (first)
        first->setFocus(Qt::TabFocusReason);
    return first;
}
