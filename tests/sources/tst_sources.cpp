#include "ModalWatcher.h"
#include "PageChecks.h"
#include "ParameterControl.h"
#include "StoreSeed.h"
#include "WizardPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace {

const QString missingPage = QStringLiteral("Assistentenseite fehlt in der Baum-Definition.");
const QStringList externalPages = {"DbmQuelleExterneGeschwindigkeit", "DbmQuelleExtZusatzGeschwindigkeit",
    "DbmQuelleGeschwOverride", "DbmQuelleDrehmKraftGeschwKlammerung"};
const QStringList externalAddresses = {"G811", "G812", "G813", "G814"};
const QStringList commandParameters = {
    "J36", "J41", "J42", "J43", "J44", "J45", "J46", "J47", "J48", "J49", "J51", "J52", "J54", "J56", "I82"};
// The command page's editors in the order of the lock strings.
const QStringList lockedEditors
    = {"J42", "J43", "J49", "J44", "J45", "J46", "J47", "J48", "J56", "J36", "J52", "J54", "J51", "J53"};

// J50 selection texts "n: Kommando n" for first .. last.
QMap<qint64, QString> commandTexts(int first, int last, const QList<int> &more = {})
{
    QMap<qint64, QString> texts;
    for (int number = first; number <= last; ++number)
        texts.insert(number, QStringLiteral("%1: Kommando %1").arg(number));
    for (int number : more)
        texts.insert(number, QStringLiteral("%1: Kommando %1").arg(number));
    return texts;
}

} // namespace

// The pages of the velocity/torque and command modes and the sources of their setpoints,
// binary signals and follow-up triggers.
class TestSources : public QObject {
    Q_OBJECT
private slots:
    void init() { m_host = std::make_unique<RecordingHost>(); }
    void cleanup()
    {
        m_page.reset();
        m_host.reset();
    }
    void links_data();
    void links();
    void fallbacks_data();
    void fallbacks();
    void liveValues_data();
    void liveValues();
    void states_data();
    void states();
    void unknownDevice();
    void commandLocks_data();
    void commandLocks();
    void commandList_data();
    void commandList();
    void commandChoice_data();
    void commandChoice();

private:
    QWidget *open(const QString &identifier, const QStringList &drive = {}, bool show = true)
    {
        seedDrive(m_host->store(), drive);
        m_page = openRegistered(*m_host, identifier, show);
        return m_page.get();
    }
    template <class T = QWidget> T *child(const QString &name) const
    {
        T *found = m_page->findChild<T *>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    ParameterControl *control(const QString &name) const
    {
        return dynamic_cast<ParameterControl *>(child(name));
    }
    // The command page on a drive with every command parameter; element 0 of E76 must not count.
    void commandPage(
        const QString &j40, const QMap<qint64, QString> &j50, const QString &application = "7300099")
    {
        seedDrive(m_host->store(), commandParameters + QStringList{"J53=1"});
        if (!j40.isNull())
            seed(m_host->store(), {{"J40", j40}});
        if (!j50.isEmpty())
            seed(m_host->store(), {{"J50", "0", 1, ParameterDataType::UInt8, j50}});
        if (!application.isNull())
            seedDrive(m_host->store(), {"E76=7300006," + application});
        open("DbmKommando");
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<WizardPage> m_page;
};

void TestSources::links_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<QStringList>("table");
    const auto add = [](const char *page, const QStringList &table) {
        QTest::newRow(page) << page << QStringList() << table;
    };
    add("SrcSelFixedVelocity",
        {"ActionWidgetFestwerte_{a,b}>DbmFixedVelocity", "ActionWidgetHauptsollwert_{a,b}>DbmHauptsollwert",
            "ActionWidgetZusatzsollwert_{a,b}>DbmZusatzsollwert"});
    add("SrcSelFixedAccel",
        {"ActionWidgetFestwerte_{a,b}>DbmFixedAccel", "ActionWidgetBetriebsart_{a,b}>DbmGeschwDrehmKraft"});
    add("SrcSelFixedDecel",
        {"ActionWidgetFestwerte_{a,b}>DbmFixedDecel", "ActionWidgetBetriebsart_{a,b}>DbmGeschwDrehmKraft"});
    add("SrcSelFixedJerk",
        {"ActionWidgetFestwerte_a>DbmFixedJerk", "ActionWidgetBetriebsart_a>DbmGeschwDrehmKraft"});
    add("DbmFixedVelocity", {"ActionWidgetFestwertAuswahl>SrcSelFixedVelocity"});
    add("DbmFixedAccel", {"ActionWidgetFestwertAuswahl>SrcSelFixedAccel"});
    add("DbmFixedDecel", {"ActionWidgetFestwertAuswahl>SrcSelFixedDecel"});
    add("DbmFixedJerk", {"ActionWidgetFestwertAuswahl>SrcSelFixedJerk"});
    add("DbmGeschwDrehmKraft",
        {"ActionWidget_{b,c}_D40>DbmHauptsollwert", "ActionWidget_{b,c}_D41>DbmZusatzsollwert",
            "ActionWidget_{b,c}_D43>SrcSelFixedAccel", "ActionWidget_{b,c}_D44>SrcSelFixedDecel",
            "ActionWidget_{b,c}_D45>SrcSelFixedJerk", "ActionWidget_{b,c}_G468>DbmQuelleGeschwOverride",
            "ActionWidget_{b,c}_Sollwertbegrenzung>DbmBegrGeschwDrehmKraft",
            "ActionWidget_{b,c,d}_MotionKern>AntriebBeobPosiKern1",
            "ActionWidget_{b,c,d}_SteuertafelGeschwDrehmKraft>SteuertafelGeschwDrehmKraft",
            "ActionWidget_d_G47{1,4,7}>DbmQuelleDrehmKraftGeschwKlammerung",
            "ActionWidget_c_I1{00,13}>DbmSrcBinSignals"});
    // The set velocity is drawn on the mode's overview, not on the main set value's page.
    add("DbmBegrGeschwDrehmKraft",
        {"ActionWidget{Betriebsart,D42}>DbmGeschwDrehmKraft", "ActionWidgetE19>EinAusgaenge",
            "ActionWidgetI10>VAccRBegrenzung"});
    add("DbmHauptsollwert",
        {"ActionWidget_D20_{1,2}>SrcSelFixedVelocity", "ActionWidget_D40_{1,2}>DbmGeschwDrehmKraft",
            "ActionWidget_G462_{1,2}>DbmQuelleExterneGeschwindigkeit", "ActionWidget_E19_2>EinAusgaenge"});
    add("DbmZusatzsollwert",
        {"ActionWidget_D20_{1,2}>SrcSelFixedVelocity", "ActionWidget_D41_{1,2}>DbmGeschwDrehmKraft",
            "ActionWidget_G465_{1,2}>DbmQuelleExtZusatzGeschwindigkeit", "ActionWidget_E19_2>EinAusgaenge"});
    add("DbmKommando",
        {"ClickLabelReferenzierung>Referenzfahrt",
            "ClickLabelDrehmKraftGeschwKlammerung>DbmQuelleDrehmKraftGeschwKlammerung",
            "ClicklabelLinkHaltebremse>SeiteAllgemein",
            "ActionWidgetQuelleExterneGeschw>DbmQuelleExterneGeschwindigkeit",
            "ActionWidgetQuelleExterneZusatzGeschw>DbmQuelleExtZusatzGeschwindigkeit",
            "ActionWidgetQuelleGeschwOverride>DbmQuelleGeschwOverride",
            "ActionWidgetLinkToPosiKern1>AntriebBeobPosiKern1", "ActionWidgetSynchronbetrieb>SynchronBetrieb",
            "ActionWidgetWickler>AppWinderCenter"});
    add("SrcCommandBinSignals",
        {"ActionWidgetE19>EinAusgaenge", "ActionWidgetJ37>SteuerStatusKommandobetrieb",
            "ActionWidgetKommando>DbmKommando"});
    // The anchors of the binary-signal links are only display.
    add("DbmSrcBinSignals",
        {"label_application>AppSatDriveBased", "label_controlPanel>SteuertafelTippen",
            "label_jog>DbmTipbetrieb", "label_I210>DbmSteuerStatus", "label_E19>EinAusgaenge"});
    add("DbmSrcDirection",
        {"ActionWidgetI210{,_2}>DbmSteuerStatus", "ActionWidgetMotionKern{,_2}>AntriebBeobPosiKern1",
            "ActionWidgetApplikation>AppSatDriveBased"});
    add("DbmSrcTrqForce",
        {"ActionWidgetBegrDrehmKraft{,_2,_3}>MBegrenzung", "ActionWidgetC232C233{,_2,_3}>AppSatDriveBased",
            "ActionWidgetSkalAE1>AE1Skalierung*", "ActionWidgetSkalAE2>AE2Skalierung*",
            "ActionWidgetSkalAE3{,_2}>AE3Skalierung*"});
    // Element 1 of E76 names the application; element 0 must not count.
    for (const QString &page : externalPages) {
        const QString variant = page == "DbmQuelleGeschwOverride" ? "{limit,amount}_" : "";
        const QString all = variant + "{NoAI,AI1AI2,AI3,AI1AI2AI3}",
                      inputs12 = variant + "{AI1AI2,AI1AI2AI3}";
        QStringList table = {"label_Application_" + all + ">AppSatDriveBased",
            "label_I10_" + all + ">VAccRBegrenzung", "label_AE1Skalierung_" + inputs12 + ">AE1Skalierung",
            "label_AE2Skalierung_" + inputs12 + ">AE2Skalierung",
            "label_AE3Skalierung_" + variant + "{AI3,AI1AI2AI3}>AE3Skalierung"};
        if (page == "DbmQuelleDrehmKraftGeschwKlammerung")
            table << "label_C0{3,5}_" + all + ">MBegrenzung";
        QTest::newRow(qPrintable(page)) << page << QStringList{"E76=7300006,7300003"} << table;
    }
}

void TestSources::links()
{
    QFETCH(QString, page);
    QFETCH(QStringList, drive);
    QFETCH(QStringList, table);
    open(page, drive, false);
    const QStringList differences = linkDifferences(*m_host, m_page.get(), table);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));
}

void TestSources::fallbacks_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("e76"); // element 1; null: no E76
    QTest::addColumn<QStringList>("tree"); // "X!": in the tree, hidden
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("outcome");
    const auto add = [](const char *name, const char *page, const QStringList &tree, const char *link,
                         const QString &outcome, const QString &e76 = QString()) {
        QTest::newRow(name) << page << e76 << tree << link << outcome;
    };
    add("binary signals: synchronous", "DbmSrcBinSignals", {"AppWinder", "AppSynchron"}, "label_application",
        "AppSynchron");
    add("binary signals: winder", "DbmSrcBinSignals", {"AppWinder"}, "label_application", "AppWinder");
    add("binary signals: none", "DbmSrcBinSignals", {}, "label_application", missingPage);
    add("direction: synchronous", "DbmSrcDirection", {"AppWinder", "AppSynchron"}, "ActionWidgetApplikation",
        "AppSynchron");
    add("torque: drive based first", "DbmSrcTrqForce", {"AppSynchron", "AppSatDriveBased"},
        "ActionWidgetC232C233", "AppSatDriveBased");
    add("direction: drive based first", "DbmSrcDirection", {"AppSynchron", "AppSatDriveBased"},
        "ActionWidgetApplikation", "AppSatDriveBased");
    add("torque: no winder", "DbmSrcTrqForce", {"AppWinder"}, "ActionWidgetC232C233_2", missingPage);
    add("limits: only CBM", "DbmBegrGeschwDrehmKraft", {"VAccRBegrenzungCBM"}, "ActionWidgetI10",
        "VAccRBegrenzungCBM");
    add("limits: standard hidden", "DbmBegrGeschwDrehmKraft", {"VAccRBegrenzung!", "VAccRBegrenzungCBM"},
        "ActionWidgetI10", "Assistentenseite ist aktuell ausgeblendet.");
    const QStringList applications = {"AppSatDriveBased", "AppSynchron", "AppWinder"};
    add("external: winder", "DbmQuelleExterneGeschwindigkeit", applications, "label_Application_AI3",
        "AppWinder", "7300011");
    add("external: other application", "DbmQuelleExtZusatzGeschwindigkeit", applications,
        "label_Application_NoAI", missingPage, "7300004");
    add("external: no number", "DbmQuelleGeschwOverride", applications, "label_Application_limit_NoAI",
        missingPage, "Based");
    add("external: no E76", "DbmQuelleDrehmKraftGeschwKlammerung", applications, "label_Application_AI3",
        missingPage);
}

void TestSources::fallbacks()
{
    QFETCH(QString, page);
    QFETCH(QString, e76);
    QFETCH(QStringList, tree);
    QFETCH(QString, link);
    QFETCH(QString, outcome);
    for (const QString &entry : tree)
        m_host->addPage(QString(entry).remove('!'), !entry.endsWith('!'));
    open(page, e76.isNull() ? QStringList() : QStringList{"E76=7300003," + e76}, false);
    QCOMPARE(activateLink(*m_host, child(link)), outcome);
}

void TestSources::liveValues_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<QString>("live");
    QTest::newRow("overview") << "DbmGeschwDrehmKraft" << QStringList{"D246", "D247"} << "D246@1.0 D247@1.0";
    QTest::newRow("limitation") << "DbmBegrGeschwDrehmKraft" << QStringList{"D246", "D247"}
                                << "D246@1.0 D247@1.0";
    QTest::newRow("command") << "DbmKommando" << QStringList{"J40"} << "J40@1.0";
    QTest::newRow("binary signals") << "DbmSrcBinSignals"
                                    << QStringList{"I441", "I442", "I448", "I450", "I452"}
                                    << "I441@1.0 I442@1.0 I448@1.0 I450@1.0 I452@1.0";
    QTest::newRow("trigger states") << "DbmSrcCtrlFollowMotionBlock" << QStringList{"J451=0,0,0,0,0"}
                                    << "J451@1.0 J451@1.1 J451@1.2 J451@1.3 J451@1.4";
}

// Live while shown, and exactly those off when hidden.
void TestSources::liveValues()
{
    QFETCH(QString, page);
    QFETCH(QStringList, drive);
    QFETCH(QString, live);
    open(page, drive);
    QCOMPARE(m_host->store().cyclicUpdates().join(' '), live);
    m_page->hide();
    QCOMPARE(m_host->store().cyclicUpdates(), QStringList());
}

void TestSources::states_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("setup"); // host and drive before the page opens
    QTest::addColumn<QStringList>("changes"); // by the drive, the host or the user while it is shown
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("writes");
    const auto add
        = [](const char *name, const char *page, const QStringList &setup, const QStringList &changes,
              const QString &expected, const QString &writes = QString()) {
              QTest::newRow(name) << page << setup << changes << expected << writes;
          };
    // Only "1" lights the overview's LEDs, any value but 0 the limitation page's.
    const QString yellow = "@LED_yellow_on.svg", grey = "@ledgreyCross.svg";
    const char *overview = "DbmGeschwDrehmKraft", *limitation = "DbmBegrGeschwDrehmKraft";
    add("overview D246 1", overview, {"D246", "D247"}, {"D246=1"},
        "Lbl_LED_D246_{b,c}" + yellow + " Lbl_LED_D247_{b,c}" + grey);
    add("overview D247 2", overview, {"D246=1", "D247=1"}, {"D247=2"},
        "Lbl_LED_D247_{b,c}" + grey + " Lbl_LED_D246_b" + yellow);
    add("overview D246 0", overview, {"D246=1", "D247"}, {"D246=0"}, "Lbl_LED_D246_{b,c}" + grey);
    add("overview no D246", overview, {"D247=1"}, {},
        "Lbl_LED_D246_{b,c}" + grey + " Lbl_LED_D247_c" + yellow);
    add("limitation D246 2", limitation, {"D246", "D247"}, {"D246=2"}, "LedWidgetD246=1 LedWidgetD247=0");
    add("limitation D247 -1", limitation, {"D246", "D247"}, {"D247=-1"}, "LedWidgetD246=0 LedWidgetD247=1");
    add("limitation D246 0", limitation, {"D246=1", "D247=1"}, {"D246=0"}, "LedWidgetD246=0 LedWidgetD247=1");
    // An editable offline project shows the configured sub-mode, the drive or a locked project
    // the active one; older drives code it otherwise.
    add("offline D01 2", overview, {"@offline", "D01", "D02=1"}, {"D01=2"}, "stackedWidget=2");
    add("offline D01 3", overview, {"@offline", "D01", "D02=1"}, {"D01=3"}, "stackedWidget=3");
    add("offline D01 -1", overview, {"@offline", "D01=1", "D02=2"}, {"D01=-1"}, "stackedWidget=0");
    add("offline no D01", overview, {"@offline", "D02=1"}, {}, "stackedWidget=0");
    add("online D02 1", overview, {"D01=3", "D02"}, {"D02=1"}, "stackedWidget=1");
    add("online D02 8", overview, {"D01=1", "D02=1"}, {"D02=8"}, "stackedWidget=0");
    add("online D02 8 older", overview, {"D01=1", "D02^=1"}, {"D02=8"}, "stackedWidget=1");
    add("online D02 4 older", overview, {"D01=1", "D02^=1"}, {"D02=4"}, "stackedWidget=2");
    add("online D02 9 older", overview, {"D01=1", "D02^=1"}, {"D02=9"}, "stackedWidget=3");
    add("online D02 1 older", overview, {"D01=1", "D02^=8"}, {"D02=1"}, "stackedWidget=0");
    add("online no D02", overview, {"D01=1"}, {}, "stackedWidget=0");
    add("read-only offline", overview, {"@offline", "@readonly", "D01=1", "D02=1"}, {"D02=3"},
        "stackedWidget=3");
    add("goes online", overview, {"@offline", "D01=1", "D02=3"}, {"@online"}, "stackedWidget=3");
    add("goes offline", overview, {"@offline", "D01=1", "D02=3"}, {"@online", "@offline"}, "stackedWidget=1");
    add("turns read-only", overview, {"@offline", "D01=1", "D02=3"}, {"@readonly"}, "stackedWidget=3");
    // The fixed values are selected by parameter (D05, D07, D09 = 1) or by binary signals.
    for (const auto &[page, mode] : {std::pair{"SrcSelFixedVelocity", "D05"},
             std::pair{"SrcSelFixedAccel", "D07"}, std::pair{"SrcSelFixedDecel", "D09"}}) {
        QTest::addRow("%s 1", mode) << page << QStringList{mode} << QStringList{mode + QString("=1")}
                                    << "stackedWidget=0"
                                    << "";
        QTest::addRow("%s 0", mode) << page << QStringList{mode + QString("=1")}
                                    << QStringList{mode + QString("=0")} << "stackedWidget=1"
                                    << "";
        QTest::addRow("%s 2", mode) << page << QStringList{mode + QString("=1")}
                                    << QStringList{mode + QString("=2")} << "stackedWidget=1"
                                    << "";
        QTest::addRow("%s missing", mode) << page << QStringList() << QStringList() << "stackedWidget=1"
                                          << "";
    }
    add("direction", "DbmSrcDirection", {}, {}, "stackedWidget=0");
    add("direction optimised", "DbmSrcDirection", {"C243"}, {}, "stackedWidget=1");
    add("main set value with E19", "DbmHauptsollwert", {}, {"@reshow"}, "stackedWidget=1");
    add("additional set value with E19", "DbmZusatzsollwert", {}, {"@reshow"}, "stackedWidget=1");
    // The torque limit compares the terminal module as a whole.
    add("torque KM2 QX4A", "DbmSrcTrqForce", {"E57=QX4A"}, {}, "stackedWidget=0");
    add("torque KM2 QX4B", "DbmSrcTrqForce", {"E57=QX4B"}, {}, "stackedWidget=1");
    add("torque KM2 no E57", "DbmSrcTrqForce", {}, {}, "stackedWidget=1");
    add("torque KQ2 QZ4A", "DbmSrcTrqForce", {"@device=8", "E57=QZ4A"}, {}, "stackedWidget=0");
    add("torque KQ2 other", "DbmSrcTrqForce", {"@device=8", "E57=QZ4"}, {}, "stackedWidget=2");
    add("torque KN2", "DbmSrcTrqForce", {"@device=5", "E57=QX4A"}, {}, "stackedWidget=1");
    add("torque KS2", "DbmSrcTrqForce", {"@device=7", "E57=QZ4A"}, {}, "stackedWidget=1");
    // The external sources draw the analog inputs the terminal module has, searched for case
    // by case; the override draws in each variant a limit for an older G468, an amount otherwise.
    const auto external
        = [&add](const char *name, int page, const QStringList &setup, const QString &expected) {
              add(name, qPrintable(externalPages.at(page)), setup, {}, expected);
          };
    external("external KM2 QW4", 0, {"E57=QW4A"}, "stackedWidget=1");
    external("external KM2 QY4", 1, {"E57=QY4B"}, "stackedWidget=1");
    external("external KM2 QW4 before QX4", 2, {"E57=QX4A/QW4A"}, "stackedWidget=1 stackedWidgetAI1AI2=1");
    external("external KM2 QX4", 3, {"E57=QX4A"}, "stackedWidget=3");
    external("external KM2 other", 0, {"E57=QV4A"}, "stackedWidget=0");
    external("external KM2 lower case", 1, {"E57=qx4a"}, "stackedWidget=0");
    external("external KM2 no E57", 2, {"G468^=100"}, "stackedWidget=0 stackedWidgetNoAI=0");
    external("external KQ2 QZ4", 3, {"@device=8", "E57=QZ4A"}, "stackedWidget=3");
    external("external KQ2 other", 0, {"@device=8", "E57=QX4A"}, "stackedWidget=2");
    external("external KQ2 no E57", 1, {"@device=8"}, "stackedWidget=2");
    external("external KN2", 3, {"@device=5", "E57=QX4A"}, "stackedWidget=0");
    external(
        "override KM2 QX4 older", 2, {"E57=QX4A", "G468^=100"}, "stackedWidget=3 stackedWidgetAI1AI2AI3=0");
    external("override KQ2 QZ4", 2, {"@device=8", "E57=QZ4A", "G468=100"},
        "stackedWidget=3 stackedWidgetAI1AI2AI3=1");
    external("override KQ2 no G468", 2, {"@device=8"}, "stackedWidget=2 stackedWidgetAI3=1");
    // Under the diagram the parameter the address names, bound where the address points: an axis
    // prefix counts axes from 0, living spaces from 1, whatever the page's own (here 2; axis 1
    // names another parameter). The drive changes the address while the page is shown.
    const QStringList targets = {"@livingspace=2", "G270", "G271", "G272", "E05", "E19=0,0,0,0,0,0,0,0"};
    const auto indirect = [&](const char *name, int page, const QString &address, const QString &diagram,
                              const QString &bound, const QStringList &module = {}) {
        const QString coordinate = externalAddresses.at(page);
        const QString row = "Para{Label,TextEdit}_" + coordinate + "_indirect_" + diagram;
        add(name, qPrintable(externalPages.at(page)), targets + module + QStringList{coordinate + "=G272"},
            {coordinate + "@2=" + address}, row + (bound.isEmpty() ? ":hidden" : "#" + bound));
    };
    indirect("indirect: named", 0, "G270", "NoAI", "G270.0@0");
    indirect("indirect: short line", 1, "E5", "AI1AI2", "E05.0@0", {"E57=QW4A"});
    indirect("indirect: element", 2, "E19.3", "AI3", "E19.3@0", {"@device=8"});
    indirect("indirect: axis", 3, "0:G271", "AI1AI2AI3", "G271.0@1", {"E57=QX4A"});
    indirect("indirect: second axis", 0, "1:E19.2", "AI1AI2AI3", "E19.2@2", {"E57=QX4A"});
    indirect("indirect: beyond the array", 1, "E19.8", "NoAI", "");
    indirect("indirect: unknown parameter", 2, "Z12", "NoAI", "");
    indirect("indirect: no address", 3, "", "NoAI", "");
    add("indirect: no address parameter", "DbmQuelleExterneGeschwindigkeit", targets, {},
        "Para{Label,TextEdit}_G811_indirect_NoAI:hidden");
    // The drive changes the binary signals.
    const QStringList signals_ = {"I441", "I442", "I448", "I450", "I452", "I103"};
    add("signals on", "DbmSrcBinSignals", signals_, {"I441=1", "I442=7", "I448=1", "I450=1", "I452=1"},
        "LedWidgetI10{1,2,3}=1 LedWidgetI11{1,2}=1");
    add("signals off", "DbmSrcBinSignals", {"I441=1", "I442=1", "I448=1", "I450=1", "I452=1"},
        {"I441=0", "I442=0", "I448=0", "I450=0", "I452=0"}, "LedWidgetI10{1,2,3}=0 LedWidgetI11{1,2}=0");
    add("reference switch", "DbmSrcBinSignals", {"I103"}, {}, "LedWidgetI103:shown");
    add("reference switch hidden", "DbmSrcBinSignals", {"I103!", "I448=1"}, {}, "LedWidgetI103:hidden");
    add("holding brake off", "DbmKommando", {"J40=1", "J53=1"}, {"J53=0"}, "FrameLinkHaltebremse:hidden");
    add("holding brake on", "DbmKommando", {"J40=1", "J53"}, {"J53=-1"}, "FrameLinkHaltebremse:shown");
    add("no holding brake", "DbmKommando", {"J40=1"}, {}, "FrameLinkHaltebremse:hidden");
    // Buttons that set all sources, usable exactly while the project may be edited.
    const QStringList binary = {"I100=5", "I101=5", "I102=5", "I103=5", "I105=5", "I106=5", "I107=5",
        "I108=5", "I110=5", "I111=5", "I112=5", "I113=5", "I126=5", "I130=5"};
    const QString buttons = "PushButtonQuellenAuf{Parameter,Inaktiv}";
    // A source the drive lacks (I104) is skipped, the others are still written.
    add("binary: deactivate", "DbmSrcBinSignals", binary, {"!PushButtonQuellenAufInaktiv"},
        buttons + ":enabled",
        "I100.0=0 I101.0=1 I102.0=1 I103.0=0 I105.0=0 I106.0=0 I107.0=0 I108.0=0 I110.0=0 I111.0=0 I112.0=0 "
        "I113.0=0 I126.0=0 I130.0=0");
    add("binary: to parameter", "DbmSrcBinSignals", binary, {"!PushButtonQuellenAufParameter"},
        buttons + ":enabled",
        "I100.0=2 I101.0=2 I102.0=2 I103.0=2 I105.0=2 I106.0=2 I107.0=2 I108.0=2 I111.0=2 I112.0=2 I113.0=2 "
        "I130.0=2");
    add("binary: read-only", "DbmSrcBinSignals", binary + QStringList{"@readonly"},
        {"!PushButtonQuellenAufInaktiv"}, buttons + ":disabled");
    add("binary: editable again", "DbmSrcBinSignals", {"@readonly"}, {"@editable"}, buttons + ":enabled");
    add("command: to parameter", "SrcCommandBinSignals", {"J38=1"}, {"!PushButtonQuellenAufParameter"},
        buttons + ":enabled", "J38.0=2");
    add("command: deactivate", "SrcCommandBinSignals", {"J38=1"}, {"!PushButtonQuellenAufInaktiv"}, "",
        "J38.0=0");
    add("command: no J38", "SrcCommandBinSignals", {}, {"!PushButtonQuellenAufInaktiv"}, "");
    add("command: read-only", "SrcCommandBinSignals", {"J38=1", "@readonly"},
        {"!PushButtonQuellenAufParameter"}, buttons + ":disabled");
    add("command: editable again", "SrcCommandBinSignals", {"@readonly"}, {"@editable"},
        buttons + ":enabled");
    const QStringList triggers = {"J450=5,5,5,5,5", "J451=0,0,0,0,0"};
    const char *follow = "DbmSrcCtrlFollowMotionBlock";
    add("triggers: to parameter", follow, triggers, {"!PushButtonQuellenAufParameter"}, buttons + ":enabled",
        "J450.0=2 J450.1=2 J450.2=2 J450.3=2 J450.4=2");
    add("triggers: deactivate", follow, triggers, {"!PushButtonQuellenAufInaktiv"}, "",
        "J450.0=0 J450.1=0 J450.2=0 J450.3=0 J450.4=0");
    add("triggers: read-only", follow, triggers + QStringList{"@readonly"}, {"!PushButtonQuellenAufInaktiv"},
        buttons + ":disabled");
    add("triggers: editable again", follow, {"@readonly"}, {"@editable"}, buttons + ":enabled");
    add("triggers: turn read-only", follow, {}, {"@readonly"}, buttons + ":disabled");
    // The inversion of the indirect triggers, shown as the drive holds it.
    const char *inversion = "DbmSrcIndirectTriggerFollowMbV2";
    add("inversion on", inversion, {"G809"}, {"!CheckboxG809"}, "CheckboxG809:checked", "G809.0=1");
    add("inversion off", inversion, {"G809=1"}, {"!CheckboxG809"}, "CheckboxG809:unchecked", "G809.0=0");
    add("inversion read-only", inversion, {"G809=1", "@readonly"}, {"!CheckboxG809"},
        "CheckboxG809:checked CheckboxG809:disabled");
    add("inversion editable again", inversion, {"@readonly"}, {"@editable"}, "CheckboxG809:enabled");
    add("inversion by the drive", inversion, {"G809=1"}, {"G809=0"}, "CheckboxG809:unchecked");
}

void TestSources::states()
{
    QFETCH(QString, page);
    QFETCH(QStringList, setup);
    QFETCH(QStringList, changes);
    QFETCH(QString, expected);
    QFETCH(QString, writes);
    prepare(*m_host, setup);
    // Opening and showing a page writes nothing.
    m_host->store().setRecordingWrites(true);
    open(page);
    applyChanges(*m_host, changes, m_page.get());
    const QStringList differences = stateDifferences(m_page.get(), expected);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));
    QCOMPARE(pageWrites(m_host->store(), changes).join(' '), writes);
}

// Every showing on a device the diagrams do not know reports it, and nothing else changes.
void TestSources::unknownDevice()
{
    m_host->setDeviceType(eDeviceTypeKQ2);
    open("DbmSrcTrqForce", {"E57=QX4A"});
    m_page->hide();
    m_host->setDeviceType(eDeviceType(42));
    ModalWatcher watcher;
    for (int showing = 1; showing <= 2; ++showing) {
        watcher.answer(QMessageBox::Ok);
        m_page->show();
        QCoreApplication::processEvents();
        QCOMPARE(watcher.texts(), QStringList(showing, QString::fromUtf8("Unbekannter Gerätetyp.")));
        QCOMPARE(watcher.titles().last(), QString("Interner Fehler!"));
        QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), 2);
        m_page->hide();
    }
    QCOMPARE(watcher.unexpectedCount(), 0);
    // The host may delete the page while the box waits.
    watcher.actOnNext([this] { m_page.reset(); });
    m_page->show();
    QCoreApplication::processEvents();
    QVERIFY(!m_page);
}

void TestSources::commandLocks_data()
{
    QTest::addColumn<QString>("j40"); // null: the drive lacks J40
    QTest::addColumn<QString>("locks"); // of lockedEditors
    QTest::addColumn<QString>("frames"); // the link frames shown
    QTest::addColumn<bool>("diagram");
    QTest::addColumn<int>("page");
    const auto add = [](const char *commands, const char *locks, const char *frames, bool diagram, int page) {
        for (const QString &command : QString(commands).split(' '))
            QTest::newRow(qPrintable(command)) << command << locks << frames << diagram << page;
    };
    // Each row starts from command 13: locked J53 and the second diagram page, so that
    // "left as it was" shows as R and page 1.
    add("0", "RRRWWWRRRRRRRR", "", false, 1);
    add("1 2 3", "WWWWWWWWWRWWWW", "", true, 0);
    add("4 8", "RWWWWWWWWRWWWR", "", true, 0);
    add("5 11", "RRRRWWWWRRRRRW", "", false, 1);
    add("6", "RRRRWWWWWRRRWW", "Ref", false, 1);
    add("7 10", "RRRRRRWWRRRRRR", "", false, 1);
    add("9", "RRRRWWWWRRRRRR", "Torque", false, 1);
    add("12", "RRRWWWWWRRRRRR", "", true, 1);
    add("13", "RRRWWWWWWRRRWR", "", true, 1);
    add("14", "WRRWWWWWRWRRRR", "", true, 1);
    add("30", "RRRWWWRRRRRRRR", "", true, 2);
    // Inactive and unknown commands free the editors, lock J36 and leave J53 as it was.
    add("-1 15 29 31 32767 -32768", "WWWWWWWWWRWWWR", "", false, 1);
    // Without J40 the page touches nothing.
    QTest::newRow("missing") << QString() << "WWWWWWWWWWWWWW"
                             << "Ref Torque" << true << 0;
}

void TestSources::commandLocks()
{
    QFETCH(QString, j40);
    QFETCH(QString, locks);
    QFETCH(QString, frames);
    QFETCH(bool, diagram);
    QFETCH(int, page);
    commandPage(j40.isNull() ? QString() : "13", commandTexts(0, 30));
    if (!j40.isNull())
        QVERIFY(m_host->store().setValue("J40", j40));
    QString shown;
    for (const QString &coordinate : lockedEditors) {
        auto *editor = m_page->findChild<QWidget *>("ParaTextEdit_" + coordinate);
        shown += control(editor ? editor->objectName() : "ParaCombo_" + coordinate)->isReadonlyForced() ? 'R'
                                                                                                        : 'W';
    }
    for (const char *free : {"ParaTextEdit_J41", "parameterTextEdit_2", "parameterTextEdit_5"})
        shown += control(free)->isReadonlyForced() ? 'R' : 'W';
    QCOMPARE(shown, locks + "WWW");
    QStringList visible;
    if (child("FrameLinkReferenzierung")->isVisible())
        visible << "Ref";
    if (child("FrameLinkDrehmKraftGeschwKlammerung")->isVisible())
        visible << "Torque";
    QCOMPARE(visible.join(' '), frames);
    QCOMPARE(child("FrameGrafikKommando")->isVisible(), diagram);
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentIndex(), page);
}

void TestSources::commandList_data()
{
    QTest::addColumn<QString>("application"); // element 1 of E76; null: E76 missing
    QTest::addColumn<QList<int>>("texts"); // J50 values with a text; empty: J50 missing
    QTest::addColumn<QString>("offered");
    QList<int> all;
    for (int number = 0; number <= 30; ++number)
        all << number;
    QTest::newRow("winder") << "7300011" << all << "0-11 30";
    QTest::newRow("drive based") << "7300003" << all << "0-11";
    QTest::newRow("synchronous") << "7300006" << all << "0-17";
    QTest::newRow("other application") << "7300099" << all << "0-30";
    QTest::newRow("no application") << QString() << all << "0-30";
    QTest::newRow("values without text") << "7300011" << QList<int>{0, 2, 9, 30} << "0 2 9 30";
    QTest::newRow("no J50") << "7300003" << QList<int>{} << "";
}

void TestSources::commandList()
{
    QFETCH(QString, application);
    QFETCH(QList<int>, texts);
    QFETCH(QString, offered);
    commandPage("0", commandTexts(1, 0, texts), application);
    QStringList expected{"-1: inaktiv"};
    for (const QString &span : offered.split(' ', Qt::SkipEmptyParts)) {
        const int first = span.section('-', 0, 0).toInt(), last = span.section('-', -1).toInt();
        expected += commandTexts(first, last).values();
    }
    auto *box = child<QComboBox>("ComboBoxPseudoJ40");
    QStringList items;
    for (int item = 0; item < box->count(); ++item)
        items << box->itemText(item);
    QCOMPARE(items, expected);
}

void TestSources::commandChoice_data()
{
    QTest::addColumn<QString>("entry"); // chosen by the user; null: none, the drive sets J40 to 5
    QTest::addColumn<QString>("writes");
    QTest::addColumn<QString>("shown"); // what the box shows, also after showing again
    QTest::newRow("inactive") << "-1: inaktiv"
                              << ""
                              << "3: Kommando 3";
    QTest::newRow("one digit") << "7: Kommando 7"
                               << "J40.0=7"
                               << "7: Kommando 7";
    QTest::newRow("two digits") << "30: Kommando 30"
                                << "J40.0=30"
                                << "30: Kommando 30";
    QTest::newRow("no number") << "Sonderkommando"
                               << ""
                               << "3: Kommando 3";
    // Showing the stored command selects its entry without writing it back.
    QTest::newRow("no entry carries J40") << QString() << ""
                                          << "-1: inaktiv";
}

void TestSources::commandChoice()
{
    QFETCH(QString, entry);
    QFETCH(QString, writes);
    QFETCH(QString, shown);
    QMap<qint64, QString> texts = commandTexts(1, 0, {3, 7, 30});
    texts.insert(20, QStringLiteral("Sonderkommando"));
    commandPage("3", texts);
    auto *box = child<QComboBox>("ComboBoxPseudoJ40");
    if (entry.isNull())
        QVERIFY(m_host->store().setValue("J40", "5"));
    m_host->store().setRecordingWrites(true);
    if (!entry.isNull())
        box->setCurrentIndex(box->findText(entry));
    QCOMPARE(box->currentText(), shown);
    m_page->hide();
    m_page->show();
    QCOMPARE(box->currentText(), shown);
    QCOMPARE(writesOf(m_host->store()).join(' '), writes);
}

QTEST_MAIN(TestSources)
#include "tst_sources.moc"
