#include "PageTable.h"

#include "PageInput.h"
#include "PageRegistry.h"
#include "StoreSeed.h"

#include <QRegularExpression>

void PageFixture::fresh()
{
    cleanup();
    m_host = std::make_unique<RecordingHost>();
    m_watcher = std::make_unique<ModalWatcher>();
    m_script = std::make_unique<PageScript>(*m_host, *m_watcher);
}

void PageFixture::cleanup()
{
    m_page.reset();
    m_script.reset();
    m_watcher.reset();
    m_host.reset();
}

WizardPage *PageFixture::open(const QString &page, const QStringList &setup, bool show)
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
    addColumns<QString, QStringList, QString, QString, QString>(
        "page", "setup", "script", "expected", "writes");
    stateRows();
}

void PageTable::states()
{
    const auto [page, setup, script, expected, writes]
        = fetchColumns<QString, QStringList, QString, QString, QString>(
            "page", "setup", "script", "expected", "writes");
    open(page, setup);
    m_script->run(script);
    QCOMPARE(m_script->states(expected), expected);
    QCOMPARE(writtenTexts(m_host->store()).join(QLatin1Char(' ')), writes);
    QCOMPARE(m_host->store().elementOverruns(), QStringList());
}
