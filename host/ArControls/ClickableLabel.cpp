#include "ClickableLabel.h"

#include <QMouseEvent>
#include <QPointer>

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
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
