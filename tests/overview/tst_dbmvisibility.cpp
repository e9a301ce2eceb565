#include "DbmVisibility.h"
#include "OverviewTestSupport.h"

namespace {

const QStringList motionBlockGroup = {
    "Fahrsatzbetrieb", "SteuerStatusFahrsatz", "DbmMotionBlockBinSignals", "SteuertafelApplikation",
    "DbmSrcCtrlFollowMotionBlock", "DbmMotionBlockTrqForce", "DbmMotionBlockSelect", "SrcDirectMbStart",
    "DbmSrcIndirectTriggerFollowMb", "DbmFahrsatzSchaltwerk", "Folgefahrsatz"};
const QStringList velocityGroup = {
    "DbmGeschwDrehmKraft", "DbmHauptsollwert", "DbmZusatzsollwert", "SteuertafelGeschwDrehmKraft",
    "DbmBegrGeschwDrehmKraft", "DbmQuelleExtZusatzGeschwindigkeit", "SrcSelFixedVelocity", "SrcSelFixedAccel",
    "SrcSelFixedDecel", "SrcSelFixedJerk", "DbmFixedVelocity", "DbmFixedJerk", "DbmFixedAccel", "DbmFixedDecel"};
const QStringList commandGroup = {"DbmKommando", "SteuerStatusKommandobetrieb", "SrcCommandBinSignals"};

// The pages of the additional functions, in the order in which they are decided.
const QList<QStringList> functionPages = {
    {"PidRegler"}, {"SrcDisablePidRegler"}, {"DbmKompReal32", "DbmKompInt32", "DbmKompInt16", "DbmKompInt8"},
    {"DbmNocken"}, {"Motorpoti"}, {"Positionsmessung"}, {"Counter"}, {"AnalogOutput1"}, {"AnalogOutput2"}};

// How a group comes out: 's' shown, 'h' hidden, 'k' kept (no call), 'c' the velocity group in
// command mode (hidden but for the external additional velocity).
QStringList groupCalls(const QStringList &group, char how)
{
    QStringList calls;
    if (how == 'k')
        return calls;
    for (const QString &page : group) {
        const bool shown = how == 's' || (how == 'c' && page == "DbmQuelleExtZusatzGeschwindigkeit");
        calls << (shown ? "showPage(" : "hidePage(") + page + ")";
    }
    return calls;
}

const QStringList pageCalls = {"showPage", "hidePage"};

} // namespace

class TestDbmVisibility : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hidesItselfFirst();
    void modeGroups_data();
    void modeGroups();
    void directionAndTrigger_data();
    void directionAndTrigger();
    void additionalFunctions_data();
    void additionalFunctions();
    void followsChanges();

private:
    void attach(const QStringList &drive);

    RecordingHost *m_host = nullptr;
    DbmVisibility *m_page = nullptr;
};

void TestDbmVisibility::init()
{
    m_host = new RecordingHost;
    m_page = new DbmVisibility;
}

void TestDbmVisibility::cleanup()
{
    delete m_page;
    delete m_host;
}

void TestDbmVisibility::attach(const QStringList &drive)
{
    seedDrive(m_host->store(), drive);
    m_host->attach(m_page);
    m_host->clearCalls();
}

void TestDbmVisibility::hidesItselfFirst()
{
    seedDrive(m_host->store(), {"K08=1"});
    m_host->attach(m_page);
    const QStringList calls = m_host->calls(pageCalls);
    QCOMPARE(calls.first(), QStringLiteral("hidePage(DbmVisibility)"));
    // Mode groups, direction, two trigger pages, then the twelve pages of the functions.
    QCOMPARE(calls.size(), 1 + 28 + 1 + 2 + 12);
}

void TestDbmVisibility::modeGroups_data()
{
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<QString>("groups"); // motion block, velocity, command

    QTest::newRow("K08 1") << QStringList{"K08=1"} << "shh";
    QTest::newRow("K08 2") << QStringList{"K08=2"} << "hsh";
    QTest::newRow("K08 3") << QStringList{"K08=3"} << "hcs";
    QTest::newRow("K08 0") << QStringList{"K08=0"} << "hhh";
    QTest::newRow("K08 7") << QStringList{"K08=7"} << "hhh";
    QTest::newRow("K08 -1") << QStringList{"K08=-1"} << "hhh";
    QTest::newRow("M513 111 over K08 2") << QStringList{"K08=2", "M513=111"} << "sks";
    QTest::newRow("M513 111 without K08") << QStringList{"M513=111"} << "sks";
    QTest::newRow("M513 other over K08 1") << QStringList{"K08=1", "M513=110"} << "hhh";
    QTest::newRow("M513 0 over K08 3") << QStringList{"K08=3", "M513=0"} << "hhh";
    QTest::newRow("neither") << QStringList{} << "kkk";
}

void TestDbmVisibility::modeGroups()
{
    QFETCH(QStringList, drive);
    QFETCH(QString, groups);
    attach(drive);
    m_page->PageVisibilityChanged();

    const QStringList expected = groupCalls(motionBlockGroup, groups.at(0).toLatin1())
        + groupCalls(velocityGroup, groups.at(1).toLatin1()) + groupCalls(commandGroup, groups.at(2).toLatin1());
    // One call per page in the listed order, before the direction and trigger pages.
    QCOMPARE(m_host->calls().mid(0, expected.size()), expected);
    QCOMPARE(m_host->calls().size(), expected.size() + 3);
}

void TestDbmVisibility::directionAndTrigger_data()
{
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("I00 1, older drive") << QStringList{"I00=1"}
        << QStringList{"showPage(DbmSrcDirection)", "hidePage(DbmSrcIndirectTriggerFollowMbV2)",
                       "showPage(DbmSrcIndirectTriggerFollowMb)"};
    QTest::newRow("I00 0, newer drive") << QStringList{"I00=0", "J439=0,0,0,0,0"}
        << QStringList{"hidePage(DbmSrcDirection)", "hidePage(DbmSrcIndirectTriggerFollowMb)",
                       "showPage(DbmSrcIndirectTriggerFollowMbV2)"};
    QTest::newRow("I00 2") << QStringList{"I00=2"}
        << QStringList{"hidePage(DbmSrcDirection)", "hidePage(DbmSrcIndirectTriggerFollowMbV2)",
                       "showPage(DbmSrcIndirectTriggerFollowMb)"};
    QTest::newRow("I00 missing") << QStringList{}
        << QStringList{"hidePage(DbmSrcDirection)", "hidePage(DbmSrcIndirectTriggerFollowMbV2)",
                       "showPage(DbmSrcIndirectTriggerFollowMb)"};
    // The trigger page of the drive's generation stays visible in every mode.
    QTest::newRow("velocity mode, newer drive") << QStringList{"K08=2", "J439=0,0,0,0,0"}
        << QStringList{"hidePage(DbmSrcDirection)", "hidePage(DbmSrcIndirectTriggerFollowMb)",
                       "showPage(DbmSrcIndirectTriggerFollowMbV2)"};
}

void TestDbmVisibility::directionAndTrigger()
{
    QFETCH(QStringList, drive);
    QFETCH(QStringList, calls);
    attach(drive);
    m_page->PageVisibilityChanged();
    QCOMPARE(m_host->calls().mid(m_host->calls().size() - 3), calls);
}

void TestDbmVisibility::additionalFunctions_data()
{
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<QStringList>("shown");

    const QStringList comparators = functionPages.at(2);
    QTest::newRow("nothing present") << QStringList{"G806=1,1,1,1,1", "G807=1", "G894=1", "G303=1,1"}
                                     << QStringList{};
    QTest::newRow("comparators on") << QStringList{"C76", "G806=0,1,0,0,0"} << comparators;
    QTest::newRow("comparators off") << QStringList{"C76", "G806=1,0,1,1,1"} << QStringList{};
    QTest::newRow("switch 2 is not on") << QStringList{"C76", "G806=0,2,0,0,0"} << QStringList{};
    QTest::newRow("switch without the element") << QStringList{"C76", "I59", "G806=1,1"} << comparators;
    QTest::newRow("comparators without switch parameter") << QStringList{"C76"} << comparators;
    QTest::newRow("switch on, function missing") << QStringList{"G20", "G806=1,1,1,1,1"}
                                                 << QStringList{"PidRegler"};
    QTest::newRow("disable source has no switch") << QStringList{"G454", "G806=0,0,0,0,0"}
                                                  << QStringList{"SrcDisablePidRegler"};
    QTest::newRow("all on") << QStringList{"G20", "G454", "C76", "I59", "G361", "J110", "N40", "F40", "F50",
                                           "G806=1,1,1,1,1", "G807=1", "G894=1", "G303=1,1"}
                            << QStringList{"PidRegler", "SrcDisablePidRegler", "DbmKompReal32", "DbmKompInt32",
                                           "DbmKompInt16", "DbmKompInt8", "DbmNocken", "Motorpoti",
                                           "Positionsmessung", "Counter", "AnalogOutput1", "AnalogOutput2"};
    QTest::newRow("hidden analog output stays hidden") << QStringList{"F40!", "F50", "G303=1,1"}
                                                       << QStringList{"AnalogOutput2"};
    QTest::newRow("hidden analog output without switch") << QStringList{"F40!", "F50"}
                                                         << QStringList{"AnalogOutput2"};
    QTest::newRow("analog outputs by element") << QStringList{"F40", "F50", "G303=0,1"}
                                               << QStringList{"AnalogOutput2"};
}

void TestDbmVisibility::additionalFunctions()
{
    QFETCH(QStringList, drive);
    QFETCH(QStringList, shown);
    attach(drive);
    m_page->ZusatzfunktionenVisibilityChanged();

    QStringList expected;
    for (const QStringList &pages : functionPages) {
        for (const QString &page : pages)
            expected << (shown.contains(page) ? "showPage(" : "hidePage(") + page + ")";
    }
    QCOMPARE(m_host->calls(), expected);
    QCOMPARE(m_host->store().elementOverruns(), QStringList());
}

void TestDbmVisibility::followsChanges()
{
    attach({"K08=1", "C76", "G806=0,0,0,0,0"});
    m_host->addPages(motionBlockGroup + velocityGroup + commandGroup + functionPages.at(2), false);

    m_host->store().setValue("K08", "2");
    QVERIFY(m_host->pageVisible("DbmHauptsollwert"));
    QVERIFY(!m_host->pageVisible("Fahrsatzbetrieb"));

    m_host->store().setValue("G806", 0, 1, "1");
    QVERIFY(m_host->pageVisible("DbmKompInt8"));
    m_host->store().setValue("G806", 0, 1, "0");
    QVERIFY(!m_host->pageVisible("DbmKompInt8"));
}

QTEST_MAIN(TestDbmVisibility)
#include "tst_dbmvisibility.moc"
