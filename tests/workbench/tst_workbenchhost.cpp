// The workbench's host: its page tree, jumps, the motion-block hand-over and the
// control-panel word, as the pages see them through WizardPageHost.

#include "PageTree.h"
#include "ParameterStore.h"
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
    void treeNamesFollowTheLanguage_data();
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
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("activeCoordinate");
    QTest::addColumn<quint32>("word");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("lastStartAccepted");

    QTest::newRow("start") << QStringList{"start K913"} << "K913" << 0u << QStringList{"K913=0"} << true;
    QTest::newRow("bits reach the drive") << QStringList{"start K913", "bit 0 1", "bit 31 1"} << "K913"
                                          << 0x80000001u << QStringList{"K913=2147483649"} << true;
    QTest::newRow("a bit is cleared") << QStringList{"start K913", "bit 0 1", "bit 5 1", "bit 0 0"} << "K913" << 0x20u
                                      << QStringList{"K913=32"} << true;
    QTest::newRow("bits outside the word") << QStringList{"start K913", "bit 32 1", "bit -1 1"} << "K913" << 0u
                                           << QStringList{"K913=0"} << true;
    QTest::newRow("no bits without a panel") << QStringList{"bit 1 1"} << "" << 0u << QStringList{"K913=0"} << false;
    QTest::newRow("stop releases the word") << QStringList{"start K913", "bit 1 1", "flag 0", "stop"} << "" << 0u
                                            << QStringList{"K913=0"} << true;
    QTest::newRow("offline refuses") << QStringList{"offline", "start K913", "bit 0 1"} << "" << 0u
                                     << QStringList{"K913=0"} << false;
    QTest::newRow("unknown control word") << QStringList{"start K999", "bit 0 1"} << "" << 0u << QStringList{"K913=0"}
                                          << false;
    QTest::newRow("going offline ends the panel") << QStringList{"start K913", "bit 31 1", "offline"} << "" << 0u
                                                  << QStringList{"K913=0"} << true;
    QTest::newRow("the same panel again keeps the word") << QStringList{"start K913", "bit 3 1", "start K913"} << "K913" << 8u
                                                         << QStringList{"K913=8"} << true;
    QTest::newRow("a second panel is refused") << QStringList{"start K913", "bit 1 1", "start K911", "bit 2 1"} << "K913"
                                               << 6u << QStringList{"K913=6", "K911=0"} << false;
}

void TestWorkbenchHost::controlPanel()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, activeCoordinate);
    QFETCH(quint32, word);
    QFETCH(QStringList, stored);
    QFETCH(bool, lastStartAccepted);

    int handle = 0;
    for (const QString &step : std::as_const(steps)) {
        const QStringList parts = step.split(QLatin1Char(' '));
        if (parts.at(0) == QLatin1String("start"))
            handle = m_host->startControlPanel(parts.at(1));
        else if (parts.at(0) == QLatin1String("bit"))
            m_host->setControlPanelBit(parts.at(1).toInt(), parts.at(2) == QLatin1String("1"));
        else if (parts.at(0) == QLatin1String("flag"))
            m_host->setControlPanelFlag(parts.at(1) == QLatin1String("1"));
        else if (parts.at(0) == QLatin1String("stop"))
            m_host->stopControlPanel();
        else if (parts.at(0) == QLatin1String("offline"))
            m_host->setOnline(false);
    }

    QCOMPARE(m_host->controlPanelCoordinate(), activeCoordinate);
    QCOMPARE(m_host->controlPanelHandle() != 0, !activeCoordinate.isEmpty());
    QCOMPARE(handle != 0, lastStartAccepted);
    QCOMPARE(m_host->controlPanelWord(), word);
    for (const QString &expected : std::as_const(stored)) {
        const QStringList pair = expected.split(QLatin1Char('='));
        QCOMPARE(m_store->value(pair.at(0), 1, 0), pair.at(1));
    }
    // Every call the pages make is in the log.
    QVERIFY(m_log.filter(QStringLiteral("setControlPanelBit(")).size()
            == steps.filter(QRegularExpression(QStringLiteral("^bit "))).size());
}

void TestWorkbenchHost::treeNamesFollowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("folder");

    QTest::newRow("German") << int(Text::German) << "Seite A" << "Gruppe";
    QTest::newRow("English") << int(Text::English) << "Page A" << "Group";
    QTest::newRow("French falls back to German") << int(Text::French) << "Seite A" << "Gruppe";
}

void TestWorkbenchHost::treeNamesFollowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, page);
    QFETCH(QString, folder);

    Text name;
    name.setText(Text::German, QStringLiteral("Seite A"));
    name.setText(Text::English, QStringLiteral("Page A"));
    m_host->setPageName(QStringLiteral("A"), name);
    m_host->setLanguage(language);

    QCOMPARE(m_host->indexOf(QStringLiteral("A")).data().toString(), page);
    QCOMPARE(m_host->indexOf(QStringLiteral("A")).parent().data().toString(), folder);
    QCOMPARE(m_host->pageName(QStringLiteral("A")), page);
    // A page without names of its own shows its identifier.
    QCOMPARE(m_host->pageName(QStringLiteral("Start")), QStringLiteral("Start"));
}

QTEST_MAIN(TestWorkbenchHost)
#include "tst_workbenchhost.moc"
