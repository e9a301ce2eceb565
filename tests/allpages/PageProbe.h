#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

// What a user can reach, use and read on a page; shared by the every-page tests.
namespace PageProbe {

// Widgets a user can reach on the page right now: shown and enabled.
template <typename Widget>
QList<Widget *> reachable(const QWidget *page)
{
    QList<Widget *> found;
    const auto widgets = page->findChildren<Widget *>();
    for (Widget *widget : widgets) {
        if (widget->isVisibleTo(page) && widget->isEnabled())
            found << widget;
    }
    return found;
}

// Whether a click on the widget reaches anyone: its "clicked()" signal is connected.
bool clickIsHeard(const QWidget *widget);
QStringList linksOf(const QLabel *label);

// The widget's place on its page, the same for the same form in every language and run:
// object names from the page down, an unnamed widget by its class and place among siblings.
QString key(const QWidget *widget, const QWidget *page);
QWidget *find(QWidget *page, const QString &key);

// Every text a user reads on the page, as "key: text": labels, buttons, group titles, the text
// of edit boxes, combo entries, tab titles, and the headers and first rows of item views.
// Worded: only what the page words itself, not what a user or the drive stored (edit boxes,
// the entries of an editable choice, the rows of item views).
enum class Texts { All, Worded };
QStringList visibleTexts(const QWidget *page, Texts which = Texts::All);

// Something a user can do with one click: press a button or a clickable area, follow a link.
struct Action
{
    QString key;
    QString link; // empty: a click
    QString describe() const { return link.isEmpty() ? key : key + QLatin1String(" -> ") + link; }
};
QList<Action> actions(const QWidget *page);
// Performs the action if its widget is reachable now; false otherwise.
bool perform(QWidget *page, const Action &action);

} // namespace PageProbe
