#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

// Keyboard use of what a page otherwise offers to the mouse only: clickable areas, labels and
// LEDs, whatever classes the host gives them, and labels with links. Such a widget gets a
// Tab stop, answers Space and Return as a click and shows a focus mark; a link label walks its
// links with Tab. One filter per page serves all of them.
class KeyboardAccess : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Takes on the clickable widgets and link labels among the widgets. Repeating it for the
    // same widgets changes nothing, so a page hands over all of them whenever it is shown.
    void adopt(const QList<QWidget *> &widgets);

    // Puts the page's Tab stops in reading order: top down, left to right, within each frame
    // or group before the next. Forms put widgets over diagrams in any order.
    static void orderTabs(QWidget *page);

    // A widget that is no button but reports clicks to someone who listens.
    static bool actsOnClick(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool press(QWidget *widget);
    void showMark(QWidget *target);
    void hideMark(const QWidget *target);

    // One mark for the page, on the widget that has the focus.
    QPointer<QWidget> m_mark;
    // Set while the filter hands a key to a link label of its own.
    bool m_forwarding = false;
};
