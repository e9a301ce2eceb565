#pragma once

#include "ParameterStore.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// A widget of a page's form by its object name; a form without it ends the test run.
template <class Widget = QWidget>
Widget *child(const QObject *parent, const QString &name)
{
    auto *widget = parent->findChild<Widget *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

// Clicks a rich-text label on its link, as a user does: the target is the one the form
// holds. False when no point of the label holds a link.
inline bool clickLink(QLabel *label)
{
    QSignalSpy activated(label, &QLabel::linkActivated);
    for (int y : {label->height() / 2, label->height() / 3, 2 * label->height() / 3}) {
        for (int x = 1; x < label->width() && activated.isEmpty(); x += 3)
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(x, y));
    }
    return !activated.isEmpty();
}

// The target of a rich-text label's link; empty for none.
inline QString anchorOf(const QLabel *label)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    return href.match(label->text()).captured(1);
}

// Activates a link by its signal (a clickable area's or label's "clicked()", the anchor of a
// rich-text label), as a click does where it is shown. Some links reach their page queued.
inline void activateLink(QWidget *link)
{
    if (link->metaObject()->indexOfSignal("clicked()") >= 0)
        QMetaObject::invokeMethod(link, "clicked");
    else if (auto *label = qobject_cast<QLabel *>(link))
        emit label->linkActivated(anchorOf(label));
    QCoreApplication::processEvents();
}

// Types into a field or spin box as a user does: focused, everything selected and replaced, and
// ended by the key (Return, Tab to leave); Qt::Key_unknown leaves it typed only.
inline void typeInto(QWidget *field, const QString &text, Qt::Key end)
{
    field->setFocus();
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(field))
        spin->selectAll();
    else if (auto *line = qobject_cast<QLineEdit *>(field))
        line->selectAll();
    QTest::keyClicks(field, text);
    if (end != Qt::Key_unknown)
        QTest::keyClick(field, end);
}

// The accepted writes as "J40.3=7", in order.
inline QStringList writtenTexts(const ParameterStore &store)
{
    QStringList texts;
    for (const ParameterStore::WrittenValue &write : store.writtenValues())
        texts << QStringLiteral("%1.%2=%3").arg(write.coordinate).arg(write.element).arg(write.text);
    return texts;
}
