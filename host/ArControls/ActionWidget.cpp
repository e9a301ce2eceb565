#include "ActionWidget.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// For assistive technology the area is a button that can be pressed, not a plain widget.
class AccessibleActionWidget : public QAccessibleWidget
{
public:
    explicit AccessibleActionWidget(ActionWidget *widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (widget()->isEnabled())
            emit static_cast<ActionWidget *>(widget())->clicked();
    }
};

QAccessibleInterface *accessibleActionWidget(const QString &, QObject *object)
{
    auto *widget = qobject_cast<ActionWidget *>(object);
    return widget ? new AccessibleActionWidget(widget) : nullptr;
}

} // namespace

ActionWidget::ActionWidget(QWidget *parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(accessibleActionWidget), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void ActionWidget::setHoverHighlight(bool on)
{
    m_hoverHighlight = on;
    update();
}

void ActionWidget::paintEvent(QPaintEvent *)
{
    if (!(m_hoverHighlight && m_hovered))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(31, 95, 168, 160), 1.0));
    painter.setBrush(QColor(255, 255, 0, 77));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

void ActionWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ActionWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (event->button() == Qt::LeftButton && wasPressed && rect().contains(event->position().toPoint())) {
        emit clicked();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void ActionWidget::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void ActionWidget::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}
