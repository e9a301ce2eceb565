#pragma once

#include <QCoreApplication>

#include "ModalWatcher.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QTest>

#include <memory>

// Drive descriptions written as short texts, so that data tables stay readable:
// "K08=1" (one element), "G806=0,1,0,0,0" (one value per element), "C76" (value 0),
// "F40!" (present but hidden).
inline void seedDrive(ParameterStore &store, const QStringList &parameters)
{
    for (const QString &parameter : parameters) {
        QString coordinate = parameter.section(QLatin1Char('='), 0, 0);
        const bool hidden = coordinate.endsWith(QLatin1Char('!'));
        if (hidden)
            coordinate.chop(1);
        const QStringList values = parameter.contains(QLatin1Char('='))
            ? parameter.section(QLatin1Char('='), 1).split(QLatin1Char(','))
            : QStringList{QStringLiteral("0")};
        SeedParameter definition{coordinate, values.first(), static_cast<unsigned short>(values.size())};
        definition.hidden = hidden;
        seed(store, {definition});
        for (int element = 1; element < values.size(); ++element)
            QVERIFY(store.setValue(coordinate, 0, static_cast<unsigned short>(element), values.at(element)));
    }
}

// The text of each parameter write, as "G806.0=1".
inline QStringList writesOf(const ParameterStore &store)
{
    QStringList writes;
    for (const ParameterStore::WrittenValue &write : store.writtenValues())
        writes << QStringLiteral("%1.%2=%3").arg(write.coordinate).arg(write.element).arg(write.text);
    return writes;
}

// Runs an action that may jump and returns what the host and the user saw: the jump, or the
// message box's text.
template <typename Action>
QString jumpOutcome(RecordingHost &host, Action action)
{
    host.clearCalls();
    ModalWatcher watcher;
    watcher.answer(QMessageBox::Ok);
    action();
    // Clicks of labels reach the page queued.
    QCoreApplication::processEvents();
    const QStringList jumps = host.calls({QStringLiteral("jumpToPage")});
    if (!jumps.isEmpty())
        return jumps.join(QLatin1Char(' '));
    return watcher.texts().join(QLatin1Char(' '));
}

// A host and the one page under test, created anew per test function.
class PageFixture
{
public:
    RecordingHost &host() { return *m_host; }
    QWidget *page() const { return m_page.get(); }

    // Creates the page on a drive described as for seedDrive() and attaches it to the host.
    template <typename Page>
    Page *attach(const QStringList &drive)
    {
        seedDrive(*m_store, drive);
        auto *page = new Page;
        m_page.reset(page);
        page->resize(1000, 700);
        m_host->attach(page);
        return page;
    }

private:
    std::unique_ptr<RecordingHost> m_host = std::make_unique<RecordingHost>();
    ParameterStore *m_store = &m_host->store();
    // Destroyed before the host.
    std::unique_ptr<QWidget> m_page;
};

// Rows of a table of clickable areas and the pages they lead to.
inline void addTargetRows(const QList<QPair<QString, QString>> &targets)
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("target");
    for (const auto &target : targets)
        QTest::newRow(qPrintable(target.first)) << target.first << target.second;
}
