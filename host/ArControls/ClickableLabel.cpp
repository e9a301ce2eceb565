#include "ClickableLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QTextDocumentFragment>

namespace {

// For assistive technology the label is a link that can be followed, named by its text.
class AccessibleClickableLabel : public QAccessibleWidget
{
public:
    explicit AccessibleClickableLabel(ClickableLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = static_cast<const ClickableLabel *>(widget());
        if (kind != QAccessible::Name || !label->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return QTextDocumentFragment::fromHtml(label->text()).toPlainText().simplified();
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (widget()->isEnabled())
            emit static_cast<ClickableLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *accessibleClickableLabel(const QString &, QObject *object)
{
    auto *label = qobject_cast<ClickableLabel *>(object);
    return label ? new AccessibleClickableLabel(label) : nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    static const bool accessible = (QAccessible::installFactory(accessibleClickableLabel), true);
    Q_UNUSED(accessible);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click may end in the label's deletion (a jump whose box the host answers by deleting
    // the page); then nothing of the label is touched any more.
    const QPointer<ClickableLabel> label(this);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    if (label)
        QLabel::mouseReleaseEvent(event);
}
