#include "KeyboardAccess.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QPainter>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace {

// Whether anyone listens to a signal is protected in QObject; a member pointer named through a
// subclass is the one sanctioned way to ask it of any object.
struct SignalListeners : QObject
{
    static bool any(const QObject *object, const QMetaMethod &signal)
    {
        return (object->*(&SignalListeners::isSignalConnected))(signal);
    }
};

// The "clicked()" signal of a class, looked up once per class: pages hand over every widget on
// every show.
QMetaMethod clickedSignal(const QMetaObject *meta)
{
    static QHash<const QMetaObject *, QMetaMethod> known;
    const auto found = known.constFind(meta);
    if (found != known.constEnd())
        return found.value();
    const int index = meta->indexOfSignal("clicked()");
    return known.insert(meta, index >= 0 ? meta->method(index) : QMetaMethod()).value();
}

// The targets of the label's links, read as the label reads its rich text.
QStringList linksOf(const QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isAnchor() && (links.isEmpty() || links.constLast() != format.anchorHref()))
                links << format.anchorHref();
        }
    }
    return links;
}

bool isLinkLabel(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    return label && (label->textInteractionFlags() & Qt::LinksAccessibleByMouse)
        && label->text().contains(QLatin1String("href"));
}

bool isPressKey(const QKeyEvent *key)
{
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
}

// A frame drawn over the focused widget; clicks go through it.
class FocusMark : public QWidget
{
public:
    explicit FocusMark(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    static constexpr int width = 2;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Highlight), width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    }
};

// Siblings as they are read: rows top down, each left to right. A row holds the widgets beside
// the first one, down to the foot of the lowest one that is beside all before it, so that a
// tall diagram does not pull the rows beside it into one.
void sortForReading(QList<QWidget *> &siblings)
{
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    for (auto row = siblings.begin(); row != siblings.end();) {
        int foot = (*row)->geometry().bottom();
        auto end = row + 1;
        for (; end != siblings.end() && (*end)->geometry().center().y() <= foot; ++end)
            foot = std::min(foot, (*end)->geometry().bottom());
        std::stable_sort(row, end, [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
        row = end;
    }
}

void collectTabStops(QWidget *parent, QList<QWidget *> &stops)
{
    QList<QWidget *> children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    children.removeIf([](const QWidget *child) { return child->isWindow(); });
    sortForReading(children);
    for (QWidget *child : std::as_const(children)) {
        if ((child->focusPolicy() & Qt::TabFocus) && !child->focusProxy())
            stops << child;
        // What lies inside a box or a view is its own.
        if (!qobject_cast<QComboBox *>(child) && !qobject_cast<QAbstractSpinBox *>(child)
            && !qobject_cast<QAbstractItemView *>(child))
            collectTabStops(child, stops);
    }
}

} // namespace

void KeyboardAccess::orderTabs(QWidget *page)
{
    QList<QWidget *> stops;
    collectTabStops(page, stops);
    for (qsizetype index = 1; index < stops.size(); ++index)
        QWidget::setTabOrder(stops.at(index - 1), stops.at(index));
}

bool KeyboardAccess::actsOnClick(const QWidget *widget)
{
    if (qobject_cast<const QAbstractButton *>(widget))
        return false;
    const QMetaMethod signal = clickedSignal(widget->metaObject());
    return signal.isValid() && SignalListeners::any(widget, signal);
}

void KeyboardAccess::adopt(const QList<QWidget *> &widgets)
{
    for (QWidget *widget : widgets) {
        if (actsOnClick(widget)) {
            if (!(widget->focusPolicy() & Qt::TabFocus))
                widget->setFocusPolicy(Qt::StrongFocus);
        } else if (isLinkLabel(widget)) {
            auto *label = static_cast<QLabel *>(widget);
            // Also gives the label its Tab stop.
            if (!(label->textInteractionFlags() & Qt::LinksAccessibleByKeyboard))
                label->setTextInteractionFlags(label->textInteractionFlags() | Qt::LinksAccessibleByKeyboard);
        } else {
            continue;
        }
        widget->installEventFilter(this);
    }
}

bool KeyboardAccess::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!m_forwarding && isPressKey(static_cast<QKeyEvent *>(event)) && widget->isEnabled()) {
            // Held down, the key clicks once.
            if (static_cast<QKeyEvent *>(event)->isAutoRepeat() || press(widget))
                return true;
        }
        break;
    case QEvent::FocusIn:
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        // The mark shows where the keyboard put the focus; a mouse user sees where he clicked.
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason: showMark(widget); break;
        default: break;
        }
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window in front keeps the mark for when the user comes back.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            hideMark(widget);
        break;
    }
    case QEvent::Resize:
        if (m_mark && m_mark->parentWidget() == widget)
            m_mark->setGeometry(widget->rect());
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

// Space or Return on a widget: a click, or the link of a label. The click is delivered from
// the event loop, as a mouse click's is after the mouse event: what it opens may end in the
// host deleting the page, and nothing of the widget is touched after that.
bool KeyboardAccess::press(QWidget *widget)
{
    if (actsOnClick(widget))
        return QMetaObject::invokeMethod(widget, "clicked", Qt::QueuedConnection);
    auto *label = qobject_cast<QLabel *>(widget);
    if (!label)
        return false;
    const QStringList links = linksOf(label);
    if (links.size() == 1)
        return QMetaObject::invokeMethod(label, "linkActivated", Qt::QueuedConnection, Q_ARG(QString, links.first()));
    // With several links the label follows the one Tab chose on Return; Space does the same.
    QKeyEvent followLink(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    const QPointer<KeyboardAccess> self(this);
    m_forwarding = true;
    QCoreApplication::sendEvent(label, &followLink);
    if (self)
        m_forwarding = false;
    return true;
}

void KeyboardAccess::showMark(QWidget *target)
{
    if (!m_mark)
        m_mark = new FocusMark(target);
    else if (m_mark->parentWidget() != target)
        m_mark->setParent(target);
    m_mark->setGeometry(target->rect());
    m_mark->raise();
    m_mark->show();
    // An LED raises the picture it turns to.
    if (auto *stack = qobject_cast<QStackedWidget *>(target))
        connect(stack, &QStackedWidget::currentChanged, m_mark.data(), &QWidget::raise, Qt::UniqueConnection);
}

void KeyboardAccess::hideMark(const QWidget *target)
{
    if (m_mark && m_mark->parentWidget() == target)
        m_mark->hide();
}
