#include "PageInput.h"
#include "PageTable.h"
#include "StoreSeed.h"

#include <QComboBox>
#include <QStackedWidget>

namespace {

const QStringList externalPages = {"DbmQuelleExterneGeschwindigkeit", "DbmQuelleExtZusatzGeschwindigkeit",
    "DbmQuelleGeschwOverride", "DbmQuelleDrehmKraftGeschwKlammerung"};
const QStringList externalAddresses = {"G811", "G812", "G813", "G814"};
const QStringList commandParameters = {
    "J36", "J41", "J42", "J43", "J44", "J45", "J46", "J47", "J48", "J49", "J51", "J52", "J54", "J56", "I82"};

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
class TestSources : public PageTable {
    Q_OBJECT
private slots:
    void unknownDevice();
    void commandList_data();
    void commandList();
    void commandChoice_data();
    void commandChoice();

private:
    void stateRows() override;
    // The command page on a drive with every command parameter; element 0 of E76 must not count.
    void commandPage(const QString &j40, const QMap<qint64, QString> &j50, const QString &application = "7300099")
    {
        if (!j50.isEmpty())
            seed(m_host->store(), {{"J50", "0", 1, ParameterDataType::UInt8, j50}});
        open("DbmKommando", commandParameters + QStringList{"J53=1", j40.isNull() ? "" : "J40=" + j40,
                                application.isNull() ? "" : "E76=7300006," + application});
    }
};

void TestSources::stateRows()
{
    // Where a link leads when the tree lacks its target: a tree entry "-X" is hidden; E76's
    // element 1 names the application.
    const auto fallback = [](const char *name, const char *page, const QStringList &tree, const char *link,
                              const QString &outcome, const QString &e76 = QString()) {
        const QString drive = e76.isNull() ? "" : "E76=7300003," + e76;
        addState(name, page, QStringList(tree).replaceInStrings(QRegularExpression("^"), "@page:") << drive,
            {QStringLiteral("link:") + link}, outcome.startsWith("box=") ? outcome : "jumps=" + outcome);
    };
    fallback("binary signals: synchronous", "DbmSrcBinSignals", {"AppWinder", "AppSynchron"}, "label_application",
        "AppSynchron");
    fallback("binary signals: winder", "DbmSrcBinSignals", {"AppWinder"}, "label_application", "AppWinder");
    fallback("direction: synchronous", "DbmSrcDirection", {"AppWinder", "AppSynchron"}, "ActionWidgetApplikation",
        "AppSynchron");
    fallback("torque: drive based first", "DbmSrcTrqForce", {"AppSynchron", "AppSatDriveBased"},
        "ActionWidgetC232C233", "AppSatDriveBased");
    fallback("direction: drive based first", "DbmSrcDirection", {"AppSynchron", "AppSatDriveBased"},
        "ActionWidgetApplikation", "AppSatDriveBased");
    fallback("torque: no winder", "DbmSrcTrqForce", {"AppWinder"}, "ActionWidgetC232C233_2", missingPage);
    fallback("limits: only CBM", "DbmBegrGeschwDrehmKraft", {"VAccRBegrenzungCBM"}, "ActionWidgetI10",
        "VAccRBegrenzungCBM");
    fallback("limits: standard hidden", "DbmBegrGeschwDrehmKraft", {"-VAccRBegrenzung", "VAccRBegrenzungCBM"},
        "ActionWidgetI10", hiddenPage);
    const QStringList applications = {"AppSatDriveBased", "AppSynchron", "AppWinder"};
    fallback("external: winder", "DbmQuelleExterneGeschwindigkeit", applications, "label_Application_AI3",
        "AppWinder", "7300011");
    fallback("external: other application", "DbmQuelleExtZusatzGeschwindigkeit", applications,
        "label_Application_NoAI", missingPage, "7300004");
    fallback("external: no number", "DbmQuelleGeschwOverride", applications, "label_Application_limit_NoAI",
        missingPage, "Based");
    fallback("external: no E76", "DbmQuelleDrehmKraftGeschwKlammerung", applications, "label_Application_AI3",
        missingPage);
    const char *overview = "DbmGeschwDrehmKraft";
    // An editable offline project shows the configured sub-mode, the drive or a locked project
    // the active one; older drives code it otherwise.
    addState("offline D01 2", overview, {"@offline", "D01", "D02=1"}, {"D01=2"}, "stackedWidget=2");
    addState("online D02 4 older", overview, {"D01=1", "D02^=1"}, {"D02=4"}, "stackedWidget=2");
    addState("online D02 8 older", overview, {"D01=1", "D02^=1"}, {"D02=8"}, "stackedWidget=1");
    addState("online D02 9 older", overview, {"D01=1", "D02^=1"}, {"D02=9"}, "stackedWidget=3");
    addState("goes offline", overview, {"@offline", "D01=1", "D02=3"}, {"@online", "@offline"}, "stackedWidget=1");
    // The torque limit compares the terminal module as a whole.
    addState("torque KM2 QX4B", "DbmSrcTrqForce", {"E57=QX4B"}, {}, "stackedWidget=1");
    addState("torque KQ2 QZ4A", "DbmSrcTrqForce", {"@device:8", "E57=QZ4A"}, {}, "stackedWidget=0");
    addState("torque KN2", "DbmSrcTrqForce", {"@device:5", "E57=QX4A"}, {}, "stackedWidget=1");
    addState("torque KS2", "DbmSrcTrqForce", {"@device:7", "E57=QZ4A"}, {}, "stackedWidget=1");
    // The external sources draw the analog inputs the terminal module has, searched for case
    // by case; the override draws in each variant a limit for an older G468, an amount otherwise.
    const auto external
        = [](const char *name, int page, const QStringList &setup, const QString &expected) {
              addState(name, qPrintable(externalPages.at(page)), setup, {}, expected);
          };
    external("external KM2 QW4", 0, {"E57=QW4A"}, "stackedWidget=1");
    external("external KM2 QY4", 1, {"E57=QY4B"}, "stackedWidget=1");
    external("external KM2 QW4 before QX4", 2, {"E57=QX4A/QW4A"}, "stackedWidget=1 stackedWidgetAI1AI2=1");
    external("external KM2 other", 0, {"E57=QV4A"}, "stackedWidget=0");
    external("external KM2 lower case", 1, {"E57=qx4a"}, "stackedWidget=0");
    external("external KM2 no E57", 2, {"G468^=100"}, "stackedWidget=0 stackedWidgetNoAI=0");
    external("external KQ2 QZ4", 3, {"@device:8", "E57=QZ4A"}, "stackedWidget=3");
    external("external KQ2 no E57", 1, {"@device:8"}, "stackedWidget=2");
    external("external KN2", 3, {"@device:5", "E57=QX4A"}, "stackedWidget=0");
    external(
        "override KM2 QX4 older", 2, {"E57=QX4A", "G468^=100"}, "stackedWidget=3 stackedWidgetAI1AI2AI3=0");
    external("override KQ2 QZ4", 2, {"@device:8", "E57=QZ4A", "G468=100"},
        "stackedWidget=3 stackedWidgetAI1AI2AI3=1");
    external("override KQ2 no G468", 2, {"@device:8"}, "stackedWidget=2 stackedWidgetAI3=1");
    // Under the diagram the parameter the address names, bound where the address points: an axis
    // prefix counts axes from 0, living spaces from 1, whatever the page's own (here 2; axis 1
    // names another parameter). The drive changes the address while the page is shown.
    const QStringList targets = {"@space:2", "G270", "G271", "G272", "E05", "E19=0,0,0,0,0,0,0,0"};
    const auto indirect = [&](const char *name, int page, const QString &address, const QString &diagram,
                              const QString &bound, const QStringList &module = {}) {
        const QString coordinate = externalAddresses.at(page);
        const QString row = "Para{Label,TextEdit}_" + coordinate + "_indirect_" + diagram;
        addState(name, qPrintable(externalPages.at(page)), targets + module + QStringList{coordinate + "=G272"},
            {coordinate + "@2=" + address}, row + (bound.isEmpty() ? ":hidden" : "#" + bound));
    };
    indirect("indirect: named", 0, "G270", "NoAI", "G270.0@0");
    indirect("indirect: short line", 1, "E5", "AI1AI2", "E05.0@0", {"E57=QW4A"});
    indirect("indirect: element", 2, "E19.3", "AI3", "E19.3@0", {"@device:8"});
    indirect("indirect: axis", 3, "0:G271", "AI1AI2AI3", "G271.0@1", {"E57=QX4A"});
    indirect("indirect: second axis", 0, "1:E19.2", "AI1AI2AI3", "E19.2@2", {"E57=QX4A"});
    indirect("indirect: beyond the array", 1, "E19.8", "NoAI", "");
    indirect("indirect: unknown parameter", 2, "Z12", "NoAI", "");
    indirect("indirect: no address", 3, "", "NoAI", "");
    addState("indirect: no address parameter", "DbmQuelleExterneGeschwindigkeit", targets, {},
        "Para{Label,TextEdit}_G811_indirect_NoAI:hidden");
    // A source the drive hides has no LED.
    addState("reference switch hidden", "DbmSrcBinSignals", {"I103!", "I448=1"}, {}, "LedWidgetI103:hidden");
    // Buttons that set all sources, usable exactly while the project may be edited.
    const QStringList binary = {"I100=5", "I101=5", "I102=5", "I103=5", "I105=5", "I106=5", "I107=5",
        "I108=5", "I110=5", "I111=5", "I112=5", "I113=5", "I126=5", "I130=5"};
    const QString buttons = "PushButtonQuellenAuf{Parameter,Inaktiv}";
    // A source the drive lacks (I104) is skipped, the others are still written.
    addState("binary: to parameter", "DbmSrcBinSignals", binary, {"click:PushButtonQuellenAufParameter"},
        buttons + ":enabled",
        "I100.0=2 I101.0=2 I102.0=2 I103.0=2 I105.0=2 I106.0=2 I107.0=2 I108.0=2 I111.0=2 I112.0=2 I113.0=2 "
        "I130.0=2");
    addState("command: no J38", "SrcCommandBinSignals", {}, {"click:PushButtonQuellenAufInaktiv"}, "");
}

// The host may delete the page while the box about an unknown device type waits (the box
// itself is in the page's journal).
void TestSources::unknownDevice()
{
    open("DbmSrcTrqForce", {"@device:8", "E57=QX4A"});
    m_script->run("hide device:42");
    m_watcher->actOnNext([this] { m_page.reset(); });
    m_page->show();
    QCoreApplication::processEvents();
    QVERIFY(!m_page);
}

void TestSources::commandList_data()
{
    // application: element 1 of E76; null: E76 missing
    // texts: J50 values with a text; empty: J50 missing
    addColumns<QString, QList<int>, QString>("application", "texts", "offered");
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
    const auto [application, texts, offered]
        = fetchColumns<QString, QList<int>, QString>("application", "texts", "offered");
    commandPage("0", commandTexts(1, 0, texts), application);
    QStringList expected{"-1: inaktiv"};
    for (const QString &span : offered.split(' ', Qt::SkipEmptyParts)) {
        const int first = span.section('-', 0, 0).toInt(), last = span.section('-', -1).toInt();
        expected += commandTexts(first, last).values();
    }
    auto *box = child<QComboBox>(m_page.get(), "ComboBoxPseudoJ40");
    QStringList items;
    for (int item = 0; item < box->count(); ++item)
        items << box->itemText(item);
    QCOMPARE(items, expected);
}

void TestSources::commandChoice_data()
{
    // entry: chosen by the user; null: none, the drive sets J40 to 5
    // shown: what the box shows, also after showing again
    addColumns<QString>("entry", "writes", "shown");
    QTest::newRow("inactive") << "-1: inaktiv" << "" << "3: Kommando 3";
    QTest::newRow("one digit") << "7: Kommando 7" << "J40.0=7" << "7: Kommando 7";
    QTest::newRow("two digits") << "30: Kommando 30" << "J40.0=30" << "30: Kommando 30";
    QTest::newRow("no number") << "Sonderkommando" << "" << "3: Kommando 3";
    // Showing the stored command selects its entry without writing it back.
    QTest::newRow("no entry carries J40") << QString() << "" << "-1: inaktiv";
}

void TestSources::commandChoice()
{
    const auto [entry, writes, shown] = fetchColumns<QString>("entry", "writes", "shown");
    QMap<qint64, QString> texts = commandTexts(1, 0, {3, 7, 30});
    texts.insert(20, QStringLiteral("Sonderkommando"));
    commandPage("3", texts);
    auto *box = child<QComboBox>(m_page.get(), "ComboBoxPseudoJ40");
    m_script->run(entry.isNull() ? "J40=5" : QStringLiteral("pick:ComboBoxPseudoJ40=%1").arg(box->findText(entry)));
    QCOMPARE(box->currentText(), shown);
    m_script->run("hide show");
    QCOMPARE(box->currentText(), shown);
    QCOMPARE(writtenTexts(m_host->store()).join(' '), writes);
}

QTEST_MAIN(TestSources)
#include "tst_sources.moc"
