#include "PageTable.h"

#include "ActionWidget.h"
#include "ClickableLabel.h"
#include "PageInput.h"
#include "PageRegistry.h"
#include "StoreSeed.h"

#include <QRegularExpression>
#include <QSet>

void PageTable::fresh()
{
    cleanup();
    m_host = std::make_unique<RecordingHost>();
    m_watcher = std::make_unique<ModalWatcher>();
    m_script = std::make_unique<PageScript>(*m_host, *m_watcher);
}

void PageTable::cleanup()
{
    m_page.reset();
    m_script.reset();
    m_watcher.reset();
    m_host.reset();
}

WizardPage *PageTable::open(const QString &page, const QStringList &setup, bool show)
{
    for (const QString &entry : setup) {
        if (entry.startsWith(QLatin1Char('@')))
            m_script->run(entry.mid(1));
        else
            seedTokens(m_host->store(), entry);
    }
    m_page.reset(PageRegistry::createPage(page));
    if (!m_page)
        QTest::qFail(qPrintable(QStringLiteral("no page ") + page), __FILE__, __LINE__);
    m_script->setPage(m_page.get());
    m_host->attach(m_page.get());
    if (show)
        m_page->show();
    return m_page.get();
}

void PageTable::addLinks(const QString &page, const QStringList &table, const QStringList &drive)
{
    QTest::newRow(qPrintable(page)) << page << table << drive;
}

void PageTable::links_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<QStringList>("drive");
    linkRows();
}

// Activates every link of the page, with the targets in the tree, visible, then hidden.
void PageTable::links()
{
    QFETCH(QString, page);
    QFETCH(QStringList, table);
    QFETCH(QStringList, drive);
    open(page, drive, false);
    QStringList expected;
    QSet<QString> targets;
    for (const QString &line : table) {
        const QString target = line.section(QLatin1Char('>'), 1);
        targets.insert(QString(target).remove(QLatin1Char('*')));
        for (const QString &name : expandBraces(line.section(QLatin1Char('>'), 0, 0)))
            expected << name + QLatin1Char('>') + target;
    }
    const auto outcome = [this](QWidget *link) {
        m_host->clearCalls();
        m_watcher->clear();
        activateLink(link);
        const QString jumps = m_script->states(QStringLiteral("jumps=")).mid(6);
        return jumps.isEmpty() ? m_watcher->texts().join(QLatin1Char(' ')) : jumps;
    };
    QStringList found;
    for (QWidget *link : m_page->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(link);
        if (!qobject_cast<ActionWidget *>(link) && !qobject_cast<ClickableLabel *>(link)
            && !(label && !anchorOf(label).isEmpty()))
            continue;
        m_host->addPages(targets.values(), true);
        QString line = (link->objectName().isEmpty() && label ? QLatin1Char('#') + anchorOf(label) : link->objectName())
            + QLatin1Char('>') + outcome(link);
        m_host->addPages(targets.values(), false);
        const QString hidden = outcome(link);
        if (hidden.contains(QStringLiteral("Analogeingänge")))
            line += QLatin1Char('*');
        else if (!hidden.startsWith(QStringLiteral("Assistentenseite ist aktuell ausgeblendet.")))
            line += QStringLiteral(" (hidden: ") + hidden + QLatin1Char(')');
        found << line;
    }
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    QCOMPARE(found.join(QLatin1Char('\n')), expected.join(QLatin1Char('\n')));
}

void PageTable::addState(const QString &name, const QString &page, const QStringList &setup,
    const QStringList &script, const QString &expected, const QString &writes)
{
    // A step may be marked as in the setup.
    static const QRegularExpression mark(QStringLiteral("^@"));
    const QString steps = QStringList(script).replaceInStrings(mark, QString()).join(QLatin1Char(' '));
    QTest::newRow(qPrintable(name)) << page << setup << steps << expected << writes;
}

void PageTable::states_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("writes");
    stateRows();
}

void PageTable::states()
{
    QFETCH(QString, page);
    QFETCH(QStringList, setup);
    QFETCH(QString, script);
    QFETCH(QString, expected);
    QFETCH(QString, writes);
    open(page, setup);
    m_script->run(script);
    QCOMPARE(m_script->states(expected), expected);
    QCOMPARE(writtenTexts(m_host->store()).join(QLatin1Char(' ')), writes);
    QCOMPARE(m_host->store().elementOverruns(), QStringList());
}
