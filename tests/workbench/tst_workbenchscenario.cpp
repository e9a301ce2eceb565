// Scenario files: what is refused before anything runs, and how a run reports the step that
// failed. Played in the test process against the real plug-in pages.

#include "DriveModel.h"
#include "PageArea.h"
#include "ScenarioRunner.h"
#include "Workbench.h"
#include "WorkbenchHost.h"

#include <QTest>

#include <memory>

namespace {

QByteArray steps(const QByteArray &list)
{
    return "{ \"steps\": [\n" + list + "\n] }";
}

const QByteArray showPanel = R"({"step": "show", "page": "SteuertafelApplikation"})";

} // namespace

class TestWorkbenchScenario : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void refusedBeforeRunning_data();
    void refusedBeforeRunning();
    void failingStep_data();
    void failingStep();

private:
    std::unique_ptr<Workbench> m_workbench;
    std::unique_ptr<PageArea> m_area;
};

void TestWorkbenchScenario::initTestCase()
{
    WorkbenchOptions options;
    options.pluginPath = QStringLiteral(BREVANE_PLUGIN_PATH);
    m_workbench = std::make_unique<Workbench>(options);
    QString error;
    QVERIFY2(m_workbench->start(&error), qPrintable(error));
    m_area = std::make_unique<PageArea>();
    m_workbench->createPages(m_area.get());
    m_area->show();
}

void TestWorkbenchScenario::cleanupTestCase()
{
    m_workbench->shutdown();
    m_area.reset();
    m_workbench.reset();
}

void TestWorkbenchScenario::refusedBeforeRunning_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("mention");

    QTest::newRow("malformed JSON") << QByteArray("{ \"steps\": [\n  {\"step\": \"wait\" \"ms\": 5}\n] }") << "scenario:2:";
    QTest::newRow("no steps") << QByteArray(R"({ "step": [] })") << "\"steps\" array";
    QTest::newRow("step is no object") << steps("42") << "step 1 (): a step is an object";
    QTest::newRow("no kind") << steps(R"({"page": "Fahrsatz"})") << "step 1 (): no \"step\" field";
    QTest::newRow("unknown step") << steps(R"({"step": "jump", "page": "Fahrsatz"})") << "step 1 (jump): unknown step";
    QTest::newRow("unknown field") << steps(R"({"step": "wait", "ms": 5, "msec": 6})") << "unknown field \"msec\"";
    QTest::newRow("missing field") << steps(R"({"step": "set", "parameter": "J311"})") << "field \"value\" is missing";
    QTest::newRow("wrong type") << steps(R"({"step": "wait", "ms": "5"})") << "field \"ms\" must be a number";
    QTest::newRow("negative wait") << steps(R"({"step": "wait", "ms": -1})") << "\"ms\" must lie between";
    QTest::newRow("unknown page") << steps(R"({"step": "show", "page": "Fahrplan"})") << "unknown page \"Fahrplan\"";
    QTest::newRow("page of another plug-in") << steps(R"({"step": "show", "page": "Referenzfahrt"})")
                                             << "unknown page \"Referenzfahrt\"";
    QTest::newRow("object before any page") << steps(R"({"step": "click", "object": "ToolButtonStart"})") << "no page";
    QTest::newRow("unknown object") << steps(showPanel + R"(, {"step": "click", "object": "ToolButtonStrat"})")
                                    << "step 2 (click): page SteuertafelApplikation has no object \"ToolButtonStrat\"";
    QTest::newRow("object on the page named in the step")
        << steps(showPanel + R"(, {"step": "click", "page": "SteuertafelTippen", "object": "ToolButtonStart"})")
        << "page SteuertafelTippen has no object";
    QTest::newRow("clicking no button") << steps(showPanel + R"(, {"step": "click", "object": "labelControlPanelOnOff"})")
                                        << "is no button";
    QTest::newRow("unknown parameter") << steps(R"({"step": "expect", "parameter": "Q99", "value": 1})")
                                       << "unknown parameter \"Q99\"";
    QTest::newRow("element out of range") << steps(R"({"step": "set", "parameter": "J13", "element": 16, "value": 1})")
                                          << "J13 has no element 16";
    QTest::newRow("unknown fault") << steps(R"({"step": "fault", "fault": "fire"})") << "unknown fault \"fire\"; known are";
    QTest::newRow("drive file missing") << steps(R"({"step": "drive", "file": "no-such-drive.json"})")
                                        << "no-such-drive.json: cannot be read";
    QTest::newRow("unknown answer") << steps(R"({"step": "answer", "button": "maybe"})") << "answered with ok, cancel";
    QTest::newRow("expect nothing") << steps(R"({"step": "expect", "parameter": "E48"})") << "nothing to expect";
    QTest::newRow("expect no widget state")
        << steps(showPanel + R"(, {"step": "expectWidget", "object": "ToolButtonStart", "note": "?"})") << "nothing to expect";
}

void TestWorkbenchScenario::refusedBeforeRunning()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, mention);

    ScenarioRunner runner(m_workbench.get(), m_workbench->driveModel());
    QString error;
    QVERIFY(!runner.loadJson(json, QStringLiteral("scenario"), &error));
    QVERIFY2(error.startsWith(QLatin1String("scenario")) && error.contains(mention), qPrintable(error));
    QCOMPARE(runner.stepCount(), 0);
}

void TestWorkbenchScenario::failingStep_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("failure");

    // The rows share the pages: the panel warns until the first row that accepts the warning.
    QTest::newRow("box nobody answered") << steps(showPanel + R"(, {"step": "click", "object": "ToolButtonSteuertafelEin"})")
                                         << "step 2 (click): a message box nobody answered came up: \"WARNUNG! Personen-";
    QTest::newRow("passes") << steps(showPanel + R"(, {"step": "answer", "button": "ok"},
        {"step": "click", "object": "ToolButtonSteuertafelEin"}, {"step": "expect", "parameter": "K913", "value": 1})")
                            << QString();
    const QByteArray activate = showPanel + R"(, {"step": "click", "object": "ToolButtonSteuertafelEin"})";
    QTest::newRow("parameter differs") << steps(showPanel + R"(, {"step": "expect", "parameter": "E48", "value": 4})")
                                       << "step 2 (expect): E48 is \"2\", expected \"4\"";
    QTest::newRow("parameter below its minimum") << steps(R"({"step": "expect", "parameter": "I80", "min": 200})")
                                                 << "step 1 (expect): I80 is \"125.5\", expected at least 200";
    QTest::newRow("disabled button") << steps(showPanel + R"(, {"step": "click", "object": "ToolButtonFreigabe"})")
                                     << "step 2 (click): ToolButtonFreigabe is not visible";
    QTest::newRow("answer without a box") << steps(showPanel + R"(, {"step": "answer", "button": "ok"}, {"step": "wait", "ms": 10})")
                                          << "step 3 (wait): no message box came up to answer with ok";
    QTest::newRow("widget state") << steps(activate + R"(, {"step": "expectWidget", "object": "ToolButtonStart", "visible": true})")
                                  << "step 3 (expectWidget): ToolButtonStart is not visible";
    QTest::newRow("value never reached")
        << steps(R"({"step": "waitFor", "parameter": "E48", "value": 4, "within": 500})")
        << "step 1 (waitFor): E48 is \"2\" after 500 ms, expected \"4\"";
    QTest::newRow("refused write") << steps(R"({"step": "set", "parameter": "J311", "value": 99999})")
                                   << "step 1 (set): J311: 99999 is outside";
}

void TestWorkbenchScenario::failingStep()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, failure);

    ScenarioRunner runner(m_workbench.get(), m_workbench->driveModel());
    QString error;
    QVERIFY2(runner.loadJson(json, QStringLiteral("scenario"), &error), qPrintable(error));
    QString why;
    const bool passed = runner.run(&why);
    QCOMPARE(passed, failure.isEmpty());
    QVERIFY2(why.startsWith(failure), qPrintable(why));

    // The next row starts from a panel that is off and a drive without faults.
    m_workbench->host()->selectPage(QStringLiteral("Fahrsatzbetrieb"));
    m_workbench->driveModel()->clearFaults();
}

QTEST_MAIN(TestWorkbenchScenario)
#include "tst_workbenchscenario.moc"
