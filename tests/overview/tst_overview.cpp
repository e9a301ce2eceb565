#include "PageTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

const QStringList motionBlockGroup = {"Fahrsatzbetrieb", "SteuerStatusFahrsatz", "DbmMotionBlockBinSignals",
    "SteuertafelApplikation", "DbmSrcCtrlFollowMotionBlock", "DbmMotionBlockTrqForce", "DbmMotionBlockSelect",
    "SrcDirectMbStart", "DbmSrcIndirectTriggerFollowMb", "DbmFahrsatzSchaltwerk", "Folgefahrsatz"};
const QStringList velocityGroup = {"DbmGeschwDrehmKraft", "DbmHauptsollwert", "DbmZusatzsollwert",
    "SteuertafelGeschwDrehmKraft", "DbmBegrGeschwDrehmKraft", "DbmQuelleExtZusatzGeschwindigkeit",
    "SrcSelFixedVelocity", "SrcSelFixedAccel", "SrcSelFixedDecel", "SrcSelFixedJerk", "DbmFixedVelocity",
    "DbmFixedJerk", "DbmFixedAccel", "DbmFixedDecel"};
const QStringList commandGroup = {"DbmKommando", "SteuerStatusKommandobetrieb", "SrcCommandBinSignals"};
// The pages of the additional functions, in the order in which they are decided.
const QStringList functionPages
    = {"PidRegler", "SrcDisablePidRegler", "DbmKompReal32", "DbmKompInt32", "DbmKompInt16", "DbmKompInt8",
        "DbmNocken", "Motorpoti", "Positionsmessung", "Counter", "AnalogOutput1", "AnalogOutput2"};

// Every function the newer selection page can offer, with its switch.
const QStringList everyFunction = {"G90", "A68", "A76", "G303=0,0", "F40", "F50", "C77", "C64",
    "G806=0,0,0,0,0", "G206", "G892", "G510", "G610", "G891", "G361", "G807", "I60", "N00", "G893", "G215",
    "G00", "J110", "G380", "G805", "A594", "G483", "N40", "G894"};

// A group's calls: 's' shown, 'h' hidden, 'k' kept (no call), 'c' the velocity group in
// command mode (hidden but for the external additional velocity).
QStringList groupCalls(const QStringList &group, QChar how)
{
    QStringList calls;
    for (const QString &page : group) {
        if (how != 'k')
            calls << ((how == 's' || (how == 'c' && page == "DbmQuelleExtZusatzGeschwindigkeit"))
                             ? "showPage("
                             : "hidePage(")
                    + page + ")";
    }
    return calls;
}

} // namespace

// The application overview, the page visibility controller, the signposts and the selection
// of the additional functions.
class TestOverview : public PageTable {
    Q_OBJECT
private slots:
    void modePages_data();
    void modePages();
    void functionSwitches_data();
    void functionSwitches();
    void functionRows_data();
    void functionRows();

private:
    void stateRows() override;
};

void TestOverview::stateRows()
{
    // Where a link leads as the host's fieldbus and tree have it.
    const auto link = [](const char *name, const char *page, const QStringList &setup, const char *link,
                          const QString &outcome) {
        addState(name, page, setup, {QStringLiteral("link:") + link},
            outcome.startsWith("box=") ? outcome : "jumps=" + outcome);
    };
    const QStringList buses
        = {"@page:EtherCatStartseite", "@page:ProfinetStartseite", "@page:CanOpen", "@page:EthernetIPStart"};
    const auto bus = [&](const char *name, int fieldbus, QStringList tree, const QString &outcome) {
        link(name, "AppSatDriveBased", tree << QStringLiteral("@fieldbus:%1").arg(fieldbus), "ActionWidgetFeldbus",
            outcome);
    };
    bus("PROFINET", 3, buses, "ProfinetStartseite");
    bus("CANopen", 2, buses, "CanOpen");
    bus("EtherNet/IP", 5, buses, "EthernetIPStart");
    bus("EtherCAT, no start page", 1, buses.mid(1), missingPage);
    bus("no fieldbus", 0, buses, missingPage);
    const auto functions = [&](const char *name, const QStringList &tree, const QString &outcome) {
        link(name, "AppSatDriveBased", tree, "ActionWidgetZusatzfunktionen", outcome);
    };
    functions("newer page hidden, no fallback", {"@page:-DbmZusatzfunktionenV2", "@page:DbmZusatzfunktionen"},
        hiddenPage);
    functions("older page", {"@page:DbmZusatzfunktionen"}, "DbmZusatzfunktionen");
    functions("neither", {}, missingPage);
    const auto binary = [&](const char *name, const QStringList &tree, const QString &outcome) {
        link(name, "DbmQuellen", tree, "ClickLabelBinaersignaleApplikation", outcome);
    };
    binary("application page hidden", {"@page:-DbmSrcBinSignals", "@page:SignalquellenBinaer"}, hiddenPage);
    binary("device page", {"@page:SignalquellenBinaer"}, "SignalquellenBinaer");
    binary("device page hidden", {"@page:-SignalquellenBinaer"}, hiddenPage);
    binary("neither", {}, missingPage);
    // The fieldbus words link the CiA 402 page only where the tree has it shown.
    addState("words, CiA 402 hidden", "DbmFeldbus", {"@page:-SteuerStatusCiA402"}, {},
        "ClickLabelCiA402:hidden FrameLinkClickLabelQuellen_CiA:plain");
    // A function offered without its switch parameter: the box cannot stay checked.
    addState("newer page without switch", "DbmZusatzfunktionenV2", {"N40"}, {"click:CheckBoxG894"}, "CheckBoxG894:unchecked");
}

void TestOverview::modePages_data()
{
    // change: by the drive once the controller runs
    // groups: motion block, velocity, command
    addColumns<QStringList, QString, QString, bool>("drive", "change", "groups", "direction");
    const auto add
        = [](const char *name, const QStringList &drive, const char *change, const char *groups,
              bool direction = false) { QTest::newRow(name) << drive << change << groups << direction; };
    add("K08 1", {"K08=2"}, "K08=1", "shh");
    add("K08 2", {"K08=1"}, "K08=2", "hsh");
    add("K08 3", {"K08=1"}, "K08=3", "hcs");
    add("K08 0", {"K08=1"}, "K08=0", "hhh");
    add("K08 7", {"K08=1"}, "K08=7", "hhh");
    add("M513 111 over K08 2", {"K08=2", "M513=0"}, "M513=111", "sks");
    add("K08 under M513 111", {"K08=1", "M513=111"}, "K08=2", "sks");
    add("M513 other over K08 1", {"K08=1", "M513=111"}, "M513=110", "hhh");
    add("M513 0 over K08 3", {"K08=3", "M513=111"}, "M513=0", "hhh");
    add("I00 1", {"K08=1", "I00"}, "I00=1", "shh", true);
    add("I00 2", {"I00=1"}, "I00=2", "kkk");
}

// The controller hides itself first, then shows the mode's pages one call per page in the
// listed order, the direction source, and the indirect-trigger page of the drive's generation
// where the motion-block pages are shown (hidden in the other modes).
void TestOverview::modePages()
{
    const auto [drive, change, groups, direction]
        = fetchColumns<QStringList, QString, QString, bool>("drive", "change", "groups", "direction");
    for (const bool newer : {false, true}) {
        fresh();
        open("DbmVisibility", drive + QStringList{newer ? "J439=0,0,0,0,0" : ""}, false);
        QCOMPARE(m_host->calls({"showPage", "hidePage"}).value(0), "hidePage(DbmVisibility)");
        m_host->clearCalls();
        m_script->run(change);
        const QString older = "DbmSrcIndirectTriggerFollowMb", later = older + "V2";
        const QStringList expected = groupCalls(motionBlockGroup, groups[0])
            + groupCalls(velocityGroup, groups[1]) + groupCalls(commandGroup, groups[2])
            + QStringList{QString(direction ? "showPage" : "hidePage") + "(DbmSrcDirection)",
                "hidePage(" + (newer ? older : later) + ")",
                QString(groups[0] == 's' ? "showPage(" : "hidePage(") + (newer ? later : older) + ")"};
        QCOMPARE(m_host->calls({"showPage", "hidePage"}), expected);
    }
}

void TestOverview::functionSwitches_data()
{
    // changes: by the drive once the controller runs
    addColumns<QString>("drive", "changes", "shown");
    const QString comparators = "DbmKompReal32 DbmKompInt32 DbmKompInt16 DbmKompInt8";
    QTest::newRow("nothing present") << "G806=1,1,1,1,1 G807=1 G894=1 G303=1,1" << "" << "";
    QTest::newRow("switch 2 is not on") << "C76 G806=0,1,0,0,0" << "G806.1=2" << "";
    QTest::newRow("switch without the element") << "C76 I59 G806=1,1" << "" << comparators;
    QTest::newRow("comparators without switch") << "C76" << "" << comparators;
    QTest::newRow("switch on, function missing") << "G20 G806=0,1,1,1,1" << "G806=1" << "PidRegler";
    QTest::newRow("disable source has no switch") << "G454 G806=0,0,0,0,0" << "" << "SrcDisablePidRegler";
    QTest::newRow("all on") << "G20 G454 C76 I59 G361 J110 N40 F40 F50 G806=0,0,0,0,0 G807 G894 G303=0,0"
                            << "G806=1 G806.1=1 G806.3=1 G806.4=1 G807=1 G894=1 G303=1 G303.1=1"
                            << functionPages.join(' ');
    QTest::newRow("hidden analog output stays hidden") << "F40! F50 G303=0,0" << "G303=1 G303.1=1" << "AnalogOutput2";
    QTest::newRow("hidden analog output without switch") << "F40 F50!" << "" << "AnalogOutput1";
    QTest::newRow("analog outputs by element") << "F40 F50 G303=1,1" << "G303=0" << "AnalogOutput2";
}

// The pages of an additional function exist while the drive has it and its switch is on.
void TestOverview::functionSwitches()
{
    const auto [drive, changes, shown] = fetchColumns<QString>("drive", "changes", "shown");
    m_host->addPages(functionPages, false);
    open("DbmVisibility", {drive}, false);
    m_script->run(changes);
    QStringList visible;
    for (const QString &page : functionPages) {
        if (m_host->pageVisible(page))
            visible << page;
    }
    QCOMPARE(visible.join(QLatin1Char(' ')), shown);
    QCOMPARE(m_host->store().elementOverruns(), QStringList());
}

void TestOverview::functionRows_data()
{
    addColumns<QStringList>("drive", "rows");
    const QStringList all = {"A76|Aktionsansteuerung", "G303_0|Feldbusgesteuerter analoger Ausgang 1",
        "G303_1|Feldbusgesteuerter analoger Ausgang 2", "G806_1|Komparatoren", "|Komparatoren REAL32",
        "|Komparatoren INT32", "|Komparatoren INT16", "|Komparatoren INT8",
        "G892|Master: Druckmarkenauswertung", "|Master: Nockenschaltwerk", "G891|Master Positionsmessung",
        "|Master: Positionsmessung", "G807|Motorpotentiometer", "G806_4|Nockenschaltwerk",
        "G893|Erweitertes Nockenschaltwerk", "|Phasing", "G806_0|PID-Regler", "G806_3|Positionsmessung",
        "G805|Positionsumrechnung", "|Touch probe", "G806_2|Virtueller Master",
        QString::fromUtf8("G894|Zähler")};
    QStringList noC77 = everyFunction, hiddenF40 = everyFunction;
    noC77.removeAll("C77");
    hiddenF40.replace(hiddenF40.indexOf("F40"), "F40!");
    QTest::newRow("everything") << everyFunction << all;
    QTest::newRow("no C77") << noC77 << all.mid(0, 3) + all.mid(8);
    QTest::newRow("F40 hidden") << hiddenF40 << QStringList{all.at(0)} + all.mid(2);
    QTest::newRow("nothing") << QStringList() << QStringList();
}

// The newer selection page builds its rows once from what the drive offers; rows below one
// that is left out move up, and only the rows' boxes show.
void TestOverview::functionRows()
{
    const auto [drive, rows] = fetchColumns<QStringList>("drive", "rows");
    open("DbmZusatzfunktionenV2", drive);
    m_script->run("hide show");
    m_page->initialUpdate();
    auto *grid = m_page->findChild<QGridLayout *>("gridLayoutFunctions");
    QStringList built;
    for (int row = 1; row < grid->rowCount(); ++row) {
        QLayoutItem *box = grid->itemAtPosition(row, 0), *text = grid->itemAtPosition(row, 1);
        if (!box && !text)
            continue;
        auto *label = text ? qobject_cast<QLabel *>(text->widget()) : nullptr;
        if (text && !label)
            label = text->widget()->findChild<QLabel *>();
        built << (box ? box->widget()->objectName().mid(8) : QString()) + "|"
                + (label ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : QString());
    }
    QCOMPARE(built, rows);
    QCOMPARE(m_page->findChild<QWidget *>("ParComboG90")->isVisible(), drive.contains("G90"));
    int boxes = 0;
    for (QCheckBox *box : m_page->findChildren<QCheckBox *>())
        boxes += box->isVisible() ? 1 : 0;
    QCOMPARE(boxes, int(rows.filter(QRegularExpression("^[^|]")).size()));
}

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
