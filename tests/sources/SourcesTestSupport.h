#pragma once

#include "../overview/OverviewTestSupport.h"

template <typename Widget = QWidget>
Widget *child(QWidget *page, const QString &name)
{
    auto *widget = page->findChild<Widget *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

// Clicks the area while its target is missing from the tree, hidden and shown, and checks
// the message or jump each time.
inline void verifyLink(RecordingHost &host, QWidget *page, const QString &area, const QString &target)
{
    QObject *sender = child<QObject>(page, area);
    const auto click = [sender] { QMetaObject::invokeMethod(sender, "clicked"); };
    QCOMPARE(jumpOutcome(host, click), QStringLiteral("Assistentenseite fehlt in der Baum-Definition."));
    host.addPage(target, false);
    QCOMPARE(jumpOutcome(host, click), QStringLiteral("Assistentenseite ist aktuell ausgeblendet."));
    host.addPage(target);
    QCOMPARE(jumpOutcome(host, click), QStringLiteral("jumpToPage(%1)").arg(target));
}
