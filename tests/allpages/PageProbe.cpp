#include "PageProbe.h"

#include "HostVariants.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

namespace PageProbe {

namespace {
// QObject answers whether a signal has receivers to its subclasses only.
struct Receivers : QObject
{
    static bool of(const QObject *object, const QMetaMethod &signal) { return (object->*(&Receivers::isSignalConnected))(signal); }
};
} // namespace

bool clickIsHeard(const QWidget *widget)
{
    const int signal = widget->metaObject()->indexOfSignal("clicked()");
    return signal >= 0 && Receivers::of(widget, widget->metaObject()->method(signal));
}

QStringList linksOf(const QLabel *label)
{
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*[\"']([^\"']*)[\"']"));
    QStringList links;
    for (auto it = href.globalMatch(label->text()); it.hasNext();)
        links << it.next().captured(1);
    return links;
}

namespace {

QString step(const QWidget *widget)
{
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    int place = 0;
    if (const QObject *parent = widget->parent()) {
        for (const QObject *sibling : parent->children()) {
            if (sibling == widget)
                break;
            if (sibling->metaObject() == widget->metaObject() && sibling->objectName().isEmpty())
                ++place;
        }
    }
    return QStringLiteral("%1#%2").arg(QLatin1String(widget->metaObject()->className())).arg(place);
}

} // namespace

QString key(const QWidget *widget, const QWidget *page)
{
    QStringList steps;
    for (const QWidget *at = widget; at && at != page; at = at->parentWidget())
        steps.prepend(step(at));
    return steps.join(QLatin1Char('/'));
}

QWidget *find(QWidget *page, const QString &wanted)
{
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (key(widget, page) == wanted)
            return widget;
    }
    return nullptr;
}

QStringList visibleTexts(const QWidget *page, Texts which)
{
    const bool all = which == Texts::All;
    const int rowsShown = all ? 30 : 0;
    QStringList texts;
    const auto add = [&texts](const QString &where, const QString &text) {
        if (!text.isEmpty())
            texts << where + QLatin1String(": ") + text;
    };
    for (const QWidget *widget : page->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(page))
            continue;
        const QString where = key(widget, page);
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            add(where, label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(where, button->text());
        else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            add(where, group->title());
        // Also the edit inside a spin box or an editable choice.
        else if (const auto *edit = qobject_cast<const QLineEdit *>(widget); edit && all)
            add(where, edit->text().isEmpty() ? edit->placeholderText() : edit->text());
        if (const auto *combo = qobject_cast<const QComboBox *>(widget); combo && (all || !combo->isEditable())) {
            for (int index = 0; index < combo->count(); ++index)
                add(where + QStringLiteral("[%1]").arg(index), combo->itemText(index));
        }
        if (const auto *tabs = qobject_cast<const QTabWidget *>(widget)) {
            for (int index = 0; index < tabs->count(); ++index)
                add(where + QStringLiteral("[tab %1]").arg(index), tabs->tabText(index));
        }
        if (const auto *view = qobject_cast<const QAbstractItemView *>(widget); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int row = -1; row < qMin(model->rowCount(), rowsShown); ++row) { // -1: the header
                for (int column = 0; column < model->columnCount(); ++column)
                    add(where + QStringLiteral("[%1,%2]").arg(row).arg(column),
                        row < 0 ? model->headerData(column, Qt::Horizontal).toString()
                                : model->data(model->index(row, column)).toString());
            }
        }
    }
    return texts;
}

QList<Action> actions(const QWidget *page)
{
    QList<Action> found;
    for (QWidget *widget : reachable<QWidget>(page)) {
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            for (const QString &link : linksOf(label))
                found.append({key(widget, page), link});
        }
        if (widget->metaObject()->indexOfSignal("clicked()") >= 0)
            found.append({key(widget, page), QString()});
    }
    return found;
}

bool perform(QWidget *page, const Action &action)
{
    QWidget *widget = find(page, action.key);
    if (!widget || !widget->isVisibleTo(page) || !widget->isEnabled())
        return false;
    // A control panel may take the axis only while the user clicks its switch-on button.
    const HostBehaviours::UserSwitchesPanelOn switching(widget->objectName() == QLatin1String("ToolButtonSteuertafelEin"));
    if (!action.link.isEmpty()) {
        auto *label = qobject_cast<QLabel *>(widget);
        if (!label)
            return false;
        emit label->linkActivated(action.link);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        button->click();
    } else {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    return true;
}

} // namespace PageProbe
