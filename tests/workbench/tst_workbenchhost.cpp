// The workbench's host: its page tree, jumps, the motion-block hand-over and the
// control-panel word, as the pages see them through WizardPageHost.

#include "PageTree.h"
#include "ParameterStore.h"
#include "StateFields.h"
#include "StoreSeed.h"
#include "WorkbenchHost.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const char *const treeJson = R"({ "tree": [
  { "page": "Start" },
  { "folder": { "de": "Gruppe", "en": "Group" }, "children": [
      { "page": "A" }, { "page": "B", "hidden": true } ] },
  { "folder": { "de": "Bus" }, "children": [
      { "page": "CatPage", "fieldbus": ["ethercat"] },
      { "page": "PnPage", "fieldbus": ["profinet", "ethernetip"] } ] } ] })";

// Display texts of the rows a user sees at the top of the tree.
QStringList visibleTopRows(QAbstractItemModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, 0).data().toString();
    return rows;
}

} // namespace

class TestWorkbenchHost : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void visibilityQueries_data();
    void visibilityQueries();
    void showAndHideFollowTheTree();
    void jumps_data();
    void jumps();
    void hidingTheShownPageMovesOn();
    void controlPanel_data();
    void controlPanel();
    void treeNamesFollowTheLanguage();

private:
    ParameterStore *m_store = nullptr;
    WorkbenchHost *m_host = nullptr;
    QStringList m_log;
};

void TestWorkbenchHost::init()
{
    m_store = new ParameterStore;
    seed(*m_store, {{"K911", "0", 1, ParameterDataType::UInt32}, {"K913", "0", 1, ParameterDataType::UInt32}});
    m_host = new WorkbenchHost(m_store);
    PageTreeDefinition tree;
    QString error;
    QVERIFY2(tree.parse(treeJson, QStringLiteral("test-tree.json"), &error), qPrintable(error));
    m_host->setTree(tree);
    m_host->setStaticPages({QStringLiteral("DbmVisibility")});
    m_host->selectPage(QStringLiteral("Start"));
    m_log.clear();
    connect(m_host, &WorkbenchHost::logged, this, [this](const QString &line) { m_log << line; });
}

void TestWorkbenchHost::cleanup()
{
    delete m_host;
    delete m_store;
}

void TestWorkbenchHost::visibilityQueries_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("fieldbus");
    QTest::addColumn<bool>("contains");
    QTest::addColumn<bool>("visible");

    QTest::newRow("plain page") << "Start" << int(eFieldbusEtherCAT) << true << true;
    QTest::newRow("hidden by the definition") << "B" << int(eFieldbusEtherCAT) << true << false;
    QTest::newRow("page of the bus in use") << "CatPage" << int(eFieldbusEtherCAT) << true << true;
    QTest::newRow("page of another bus") << "CatPage" << int(eFieldbusPROFINET) << false << false;
    QTest::newRow("page of two buses") << "PnPage" << int(eFieldbusEtherNetIP) << true << true;
    QTest::newRow("no bus") << "PnPage" << int(eFieldbusNone) << false << false;
    QTest::newRow("unknown identifier") << "Nowhere" << int(eFieldbusEtherCAT) << false << false;
    QTest::newRow("static page stays out of the tree") << "DbmVisibility" << int(eFieldbusEtherCAT) << false << false;
    QTest::newRow("a folder is no page") << "Gruppe" << int(eFieldbusEtherCAT) << false << false;
    QTest::newRow("identifiers are case-sensitive") << "start" << int(eFieldbusEtherCAT) << false << false;
}

void TestWorkbenchHost::visibilityQueries()
{
    QFETCH(QString, identifier);
    QFETCH(int, fieldbus);
    QFETCH(bool, contains);
    QFETCH(bool, visible);

    m_host->setFieldbusType(eFieldbusType(fieldbus));
    QCOMPARE(m_host->containsPage(identifier), contains);
    QCOMPARE(m_host->isPageVisible(identifier), visible);
}

void TestWorkbenchHost::showAndHideFollowTheTree()
{
    VisiblePagesFilter filter;
    filter.setSourceModel(m_host->treeModel());
    QCOMPARE(visibleTopRows(filter), (QStringList{"Start", "Gruppe", "Bus"}));
    QSignalSpy changes(m_host, &WorkbenchHost::pageVisibilityChanged);

    // Hiding the folder's last visible page takes the folder out of the view.
    m_host->hidePage(QStringLiteral("A"));
    QVERIFY(m_host->containsPage(QStringLiteral("A")));
    QVERIFY(!m_host->isPageVisible(QStringLiteral("A")));
    QCOMPARE(visibleTopRows(filter), (QStringList{"Start", "Bus"}));

    m_host->showPage(QStringLiteral("B"));
    QVERIFY(m_host->isPageVisible(QStringLiteral("B")));
    QCOMPARE(visibleTopRows(filter), (QStringList{"Start", "Gruppe", "Bus"}));
    QCOMPARE(filter.rowCount(filter.index(1, 0)), 1);

    // Only real changes are reported, one per page.
    m_host->showPage(QStringLiteral("B"));
    QCOMPARE(changes.count(), 2);

    // An identifier outside the tree is noted; the host's own static page is not.
    m_host->hidePage(QStringLiteral("Nowhere"));
    m_host->hidePage(QStringLiteral("DbmVisibility"));
    QCOMPARE(m_log.filter(QStringLiteral("not in the tree")), QStringList{"hidePage(Nowhere): not in the tree"});
}

void TestWorkbenchHost::jumps_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("logged");

    QTest::newRow("visible page") << "A" << QString() << "A" << "jumpToPage(A)";
    QTest::newRow("with an element") << "A" << "field" << "A" << "jumpToPage(A, field)";
    QTest::newRow("hidden page") << "B" << QString() << "Start" << "jumpToPage(B): the page is hidden";
    QTest::newRow("not in the tree") << "Nowhere" << QString() << "Start" << "jumpToPage(Nowhere): not in the tree";
    QTest::newRow("page of another bus") << "PnPage" << QString() << "Start" << "jumpToPage(PnPage): not in the tree";
}

void TestWorkbenchHost::jumps()
{
    QFETCH(QString, target);
    QFETCH(QString, element);
    QFETCH(QString, shown);
    QFETCH(QString, logged);

    QSignalSpy current(m_host, &WorkbenchHost::currentPageChanged);
    m_host->jumpToPage(target, element);
    QCOMPARE(m_host->currentPage(), shown);
    QCOMPARE(m_log, QStringList{logged});
    if (shown == target) {
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.at(0).at(1).toString(), element);
    } else {
        QCOMPARE(current.count(), 0);
    }
}

void TestWorkbenchHost::hidingTheShownPageMovesOn()
{
    QVERIFY(m_host->selectPage(QStringLiteral("A")));

    // Hidden and shown again while the page reacts: the page stays.
    m_host->hidePage(QStringLiteral("A"));
    m_host->showPage(QStringLiteral("A"));
    // The host moves on from a hidden page through a posted call, not after a while.
    QCoreApplication::processEvents();
    QCOMPARE(m_host->currentPage(), QStringLiteral("A"));

    // Hidden for good: not in the middle of the caller's work, but right after it.
    m_host->hidePage(QStringLiteral("A"));
    QCOMPARE(m_host->currentPage(), QStringLiteral("A"));
    QTRY_COMPARE(m_host->currentPage(), QStringLiteral("Start"));

    // A page of the old bus leaves with the bus.
    QVERIFY(m_host->selectPage(QStringLiteral("CatPage")));
    m_host->setFieldbusType(eFieldbusCANopen);
    QTRY_COMPARE(m_host->currentPage(), QStringLiteral("Start"));

    // A hidden page cannot be selected at all.
    QVERIFY(!m_host->selectPage(QStringLiteral("B")));
}

void TestWorkbenchHost::controlPanel_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected"); // panel, handle, word, K913, K911, whether the last start was taken

    QTest::newRow("start") << "start K913" << "K913 held 0x0 K913=0 K911=0 started";
    QTest::newRow("bits reach the drive") << "start K913; bit 0 1; bit 31 1" << "K913 held 0x80000001 K913=2147483649 K911=0 started";
    QTest::newRow("a bit is cleared") << "start K913; bit 0 1; bit 5 1; bit 0 0" << "K913 held 0x20 K913=32 K911=0 started";
    QTest::newRow("bits outside the word") << "start K913; bit 32 1; bit -1 1" << "K913 held 0x0 K913=0 K911=0 started";
    QTest::newRow("no bits without a panel") << "bit 1 1" << "none free 0x0 K913=0 K911=0 refused";
    QTest::newRow("stop releases the word") << "start K913; bit 1 1; flag 0; stop" << "none free 0x0 K913=0 K911=0 started";
    QTest::newRow("offline refuses") << "offline; start K913; bit 0 1" << "none free 0x0 K913=0 K911=0 refused";
    QTest::newRow("unknown control word") << "start K999; bit 0 1" << "none free 0x0 K913=0 K911=0 refused";
    QTest::newRow("going offline ends the panel") << "start K913; bit 31 1; offline" << "none free 0x0 K913=0 K911=0 started";
    QTest::newRow("the same panel again keeps the word") << "start K913; bit 3 1; start K913" << "K913 held 0x8 K913=8 K911=0 started";
    QTest::newRow("a second panel is refused") << "start K913; bit 1 1; start K911; bit 2 1" << "K913 held 0x6 K913=6 K911=0 refused";
}

void TestWorkbenchHost::controlPanel()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);

    int handle = 0;
    for (const QString &step : steps.split(QStringLiteral("; "))) {
        const QStringList parts = step.split(QLatin1Char(' '));
        const QString verb = parts.at(0);
        const qsizetype arguments = verb == QLatin1String("bit") ? 3 : verb == QLatin1String("start") || verb == QLatin1String("flag") ? 2 : 1;
        QVERIFY2(parts.size() == arguments, qPrintable(QStringLiteral("bad step \"%1\"").arg(step)));
        if (verb == QLatin1String("start"))
            handle = m_host->startControlPanel(parts.at(1));
        else if (verb == QLatin1String("bit"))
            m_host->setControlPanelBit(parts.at(1).toInt(), parts.at(2) == QLatin1String("1"));
        else if (verb == QLatin1String("flag"))
            m_host->setControlPanelFlag(parts.at(1) == QLatin1String("1"));
        else if (verb == QLatin1String("stop"))
            m_host->stopControlPanel();
        else if (verb == QLatin1String("offline"))
            m_host->setOnline(false);
        else
            QFAIL(qPrintable(QStringLiteral("unknown step \"%1\"").arg(step)));
    }
    const QString panel = m_host->controlPanelCoordinate();
    COMPARE_FIELDS((QStringList{"panel", "handle", "word", "K913", "K911", "last start"}),
                   (QStringList{panel.isEmpty() ? QStringLiteral("none") : panel,
                                m_host->controlPanelHandle() ? QStringLiteral("held") : QStringLiteral("free"),
                                QStringLiteral("0x%1").arg(m_host->controlPanelWord(), 0, 16),
                                "K913=" + m_store->value("K913", 1, 0), "K911=" + m_store->value("K911", 1, 0),
                                handle ? QStringLiteral("started") : QStringLiteral("refused")}),
                   expected.split(QLatin1Char(' ')));
    // Every call the pages make is in the log.
    QCOMPARE(m_log.filter(QStringLiteral("setControlPanelBit(")).size(), steps.count(QStringLiteral("bit ")));
}

void TestWorkbenchHost::treeNamesFollowTheLanguage()
{
    Text name;
    name.setText(Text::German, QStringLiteral("Seite A"));
    name.setText(Text::English, QStringLiteral("Page A"));
    m_host->setPageName(QStringLiteral("A"), name);
    // French falls back to German; a page without names of its own shows its identifier.
    QStringList seen;
    for (int language : {Text::German, Text::English, Text::French}) {
        m_host->setLanguage(language);
        const QModelIndex page = m_host->indexOf(QStringLiteral("A"));
        seen << QStringList({page.data().toString(), page.parent().data().toString(), m_host->pageName("A"),
                             m_host->pageName("Start")})
                    .join('/');
    }
    QCOMPARE(seen, (QStringList{"Seite A/Gruppe/Seite A/Start", "Page A/Group/Page A/Start",
                                "Seite A/Gruppe/Seite A/Start"}));
}

QTEST_MAIN(TestWorkbenchHost)
#include "tst_workbenchhost.moc"
