#include "SourcesTestSupport.h"

#include "ActionWidget.h"
#include "ClickableLabel.h"
#include "DbmKommando.h"
#include "ParameterControl.h"
#include "SrcCommandBinSignals.h"

#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>

namespace {

// The editors in the order of the lock strings of the table test.
const QStringList lockedEditors = {"ParaTextEdit_J42", "ParaTextEdit_J43", "ParaTextEdit_J49", "ParaTextEdit_J44",
                                   "ParaTextEdit_J45", "ParaTextEdit_J46", "ParaTextEdit_J47", "ParaTextEdit_J48",
                                   "ParaTextEdit_J56", "ParaTextEdit_J36", "ParaCombo_J52",    "ParaCombo_J54",
                                   "ParaCombo_J51",    "ParaCombo_J53"};
const QStringList freeEditors = {"ParaTextEdit_J41", "parameterTextEdit_2", "parameterTextEdit_5"};

QString locksOf(QWidget *page, const QStringList &editors)
{
    QString locks;
    for (const QString &name : editors)
        locks += dynamic_cast<ParameterControl *>(child(page, name))->isReadonlyForced() ? 'R' : 'W';
    return locks;
}

// J50 selection texts "n: Kommando n" for the given numbers.
QMap<qint64, QString> commandTexts(const QList<int> &numbers)
{
    QMap<qint64, QString> texts;
    for (int number : numbers)
        texts.insert(number, QStringLiteral("%1: Kommando %1").arg(number));
    return texts;
}

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int number = first; number <= last; ++number)
        numbers << number;
    return numbers;
}

QStringList itemsOf(QComboBox *box)
{
    QStringList items;
    for (int item = 0; item < box->count(); ++item)
        items << box->itemText(item);
    return items;
}

const QStringList commandParameters = {"J36", "J41", "J42", "J43", "J44", "J45", "J46", "J47", "J48",
                                       "J49", "J51", "J52", "J53", "J54", "J56", "I82"};

} // namespace

class TestCommandMode : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lockTable_data();
    void lockTable();
    void missingCommandTouchesNothing();
    void commandList_data();
    void commandList();
    void choosingWrites_data();
    void choosingWrites();
    void showingNeverWrites_data();
    void showingNeverWrites();
    void brakeLink_data();
    void brakeLink();
    void links_data();
    void links();
    void sourceButtons_data();
    void sourceButtons();

private:
    // The command page on a drive with every command parameter, J40 and the J50 list.
    DbmKommando *commandPage(const QString &j40, const QMap<qint64, QString> &j50 = commandTexts(range(0, 30)),
                             const QString &application = QStringLiteral("7300099"));
    RecordingHost &host() { return m_fixture->host(); }

    std::unique_ptr<PageFixture> m_fixture;
};

void TestCommandMode::init()
{
    m_fixture = std::make_unique<PageFixture>();
}

void TestCommandMode::cleanup()
{
    m_fixture.reset();
}

DbmKommando *TestCommandMode::commandPage(const QString &j40, const QMap<qint64, QString> &j50,
                                          const QString &application)
{
    ParameterStore &store = host().store();
    seedDrive(store, commandParameters);
    if (!j40.isNull())
        seed(store, {{"J40", j40}});
    if (!j50.isEmpty())
        seed(store, {{"J50", "0", 1, ParameterDataType::UInt8, j50}});
    if (!application.isNull()) {
        seed(store, {{"E76", "", 2, ParameterDataType::String}});
        store.setValue("E76", 0, 1, application);
    }
    return m_fixture->attach<DbmKommando>({});
}

void TestCommandMode::lockTable_data()
{
    QTest::addColumn<QString>("j40");
    QTest::addColumn<QString>("locks"); // J42 J43 J49 J44 J45 J46 J47 J48 J56 J36 J52 J54 J51 J53
    QTest::addColumn<QString>("link");  // the one link frame shown, if any
    QTest::addColumn<bool>("diagram");
    QTest::addColumn<int>("page");
    // Each row starts from command 13: locked J53 and the second diagram page, so that
    // "left as it was" shows as R and page 1.
    QTest::newRow("0") << "0" << "RRRWWWRRRRRRRR" << "" << false << 1;
    for (const char *command : {"1", "2", "3"})
        QTest::newRow(command) << command << "WWWWWWWWWRWWWW" << "" << true << 0;
    for (const char *command : {"4", "8"})
        QTest::newRow(command) << command << "RWWWWWWWWRWWWR" << "" << true << 0;
    for (const char *command : {"5", "11"})
        QTest::newRow(command) << command << "RRRRWWWWRRRRRW" << "" << false << 1;
    QTest::newRow("6") << "6" << "RRRRWWWWWRRRWW" << "FrameLinkReferenzierung" << false << 1;
    for (const char *command : {"7", "10"})
        QTest::newRow(command) << command << "RRRRRRWWRRRRRR" << "" << false << 1;
    QTest::newRow("9") << "9" << "RRRRWWWWRRRRRR" << "FrameLinkDrehmKraftGeschwKlammerung" << false << 1;
    QTest::newRow("12") << "12" << "RRRWWWWWRRRRRR" << "" << true << 1;
    QTest::newRow("13") << "13" << "RRRWWWWWWRRRWR" << "" << true << 1;
    QTest::newRow("14") << "14" << "WRRWWWWWRWRRRR" << "" << true << 1;
    QTest::newRow("30") << "30" << "RRRWWWRRRRRRRR" << "" << true << 2;
    // Inactive and unknown commands free the editors, lock J36 and leave J53 as it was.
    for (const char *command : {"-1", "15", "29", "31", "32767", "-32768"})
        QTest::newRow(command) << command << "WWWWWWWWWRWWWR" << "" << false << 1;
}

void TestCommandMode::lockTable()
{
    QFETCH(QString, j40);
    QFETCH(QString, locks);
    QFETCH(QString, link);
    QFETCH(bool, diagram);
    QFETCH(int, page);
    auto *kommando = commandPage("13");
    kommando->show();
    QVERIFY(host().store().setValue("J40", j40));

    QCOMPARE(locksOf(kommando, lockedEditors), locks);
    QCOMPARE(locksOf(kommando, freeEditors), QString("WWW"));
    for (const char *frame : {"FrameLinkReferenzierung", "FrameLinkDrehmKraftGeschwKlammerung"})
        QVERIFY2(child(kommando, frame)->isVisible() == (link == QLatin1String(frame)), frame);
    QCOMPARE(child(kommando, "FrameGrafikKommando")->isVisible(), diagram);
    QCOMPARE(child<QStackedWidget>(kommando, "stackedWidget")->currentIndex(), page);
}

void TestCommandMode::missingCommandTouchesNothing()
{
    auto *kommando = commandPage(QString());
    kommando->show();
    QCOMPARE(locksOf(kommando, lockedEditors + freeEditors), QString(17, 'W'));
    QVERIFY(child(kommando, "FrameGrafikKommando")->isVisible());
    QVERIFY(child(kommando, "FrameLinkReferenzierung")->isVisible());
}

void TestCommandMode::commandList_data()
{
    QTest::addColumn<QString>("application"); // null: E76 missing
    QTest::addColumn<QList<int>>("texts");     // J50 values with a text; empty: J50 missing
    QTest::addColumn<QList<int>>("offered");
    const QList<int> all = range(0, 30);
    QTest::newRow("winder") << "7300011" << all << range(0, 11) + QList<int>{30};
    QTest::newRow("drive based") << "7300003" << all << range(0, 11);
    QTest::newRow("synchronous") << "7300006" << all << range(0, 17);
    QTest::newRow("other application") << "7300099" << all << all;
    QTest::newRow("no application") << QString() << all << all;
    QTest::newRow("values without text") << "7300011" << QList<int>{0, 2, 9, 30} << QList<int>{0, 2, 9, 30};
    QTest::newRow("no J50") << "7300003" << QList<int>{} << QList<int>{};
}

void TestCommandMode::commandList()
{
    QFETCH(QString, application);
    QFETCH(QList<int>, texts);
    QFETCH(QList<int>, offered);
    auto *kommando = commandPage("0", commandTexts(texts), application);
    kommando->show();

    QStringList expected{"-1: inaktiv"};
    for (int number : offered)
        expected << QStringLiteral("%1: Kommando %1").arg(number);
    QCOMPARE(itemsOf(child<QComboBox>(kommando, "ComboBoxPseudoJ40")), expected);
}

void TestCommandMode::choosingWrites_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("readOnly"); // turned read-only while the page is shown
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QString>("shown"); // the box shows what J40 holds afterwards
    QTest::newRow("inactive") << "-1: inaktiv" << false << QStringList{} << "3: Kommando 3";
    QTest::newRow("one digit") << "7: Kommando 7" << false << QStringList{"J40.0=7"} << "7: Kommando 7";
    QTest::newRow("two digits") << "30: Kommando 30" << false << QStringList{"J40.0=30"} << "30: Kommando 30";
    QTest::newRow("no number") << "Sonderkommando" << false << QStringList{} << "3: Kommando 3";
    QTest::newRow("read-only") << "7: Kommando 7" << true << QStringList{} << "3: Kommando 3";
}

void TestCommandMode::choosingWrites()
{
    QFETCH(QString, entry);
    QFETCH(bool, readOnly);
    QFETCH(QStringList, writes);
    QFETCH(QString, shown);
    QMap<qint64, QString> texts = commandTexts({3, 7, 30});
    texts.insert(20, QStringLiteral("Sonderkommando"));
    auto *kommando = commandPage("3", texts);
    kommando->show();
    auto *box = child<QComboBox>(kommando, "ComboBoxPseudoJ40");
    host().store().setRecordingWrites(true);
    host().setReadOnly(readOnly);
    QCOMPARE(box->isEnabled(), !readOnly);

    const int item = box->findText(entry);
    QVERIFY(item >= 0);
    box->setCurrentIndex(item);
    QCOMPARE(writesOf(host().store()), writes);
    QCOMPARE(box->currentText(), shown);
}

void TestCommandMode::showingNeverWrites_data()
{
    QTest::addColumn<QString>("j40");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("shown");
    QTest::newRow("known") << "7" << false << "7: Kommando 7";
    QTest::newRow("known, read-only") << "7" << true << "7: Kommando 7";
    QTest::newRow("no entry carries it") << "5" << false << "-1: inaktiv";
    QTest::newRow("inactive") << "-1" << false << "-1: inaktiv";
}

// Showing the stored command selects its entry without writing it back, and the user can
// choose only while the project may be edited.
void TestCommandMode::showingNeverWrites()
{
    QFETCH(QString, j40);
    QFETCH(bool, readOnly);
    QFETCH(QString, shown);
    host().setReadOnly(readOnly);
    auto *kommando = commandPage("3", commandTexts({3, 7, 30}));
    host().store().setRecordingWrites(true);
    kommando->show();
    QVERIFY(host().store().setValue("J40", j40));
    host().store().clearWrittenValues();
    kommando->hide();
    kommando->show();

    auto *box = child<QComboBox>(kommando, "ComboBoxPseudoJ40");
    QCOMPARE(box->currentText(), shown);
    QCOMPARE(box->isEnabled(), !readOnly);
    QCOMPARE(writesOf(host().store()), QStringList{});
}

void TestCommandMode::brakeLink_data()
{
    QTest::addColumn<QString>("j53"); // null: J53 missing
    QTest::addColumn<bool>("shown");
    QTest::newRow("0") << "0" << false;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("2") << "2" << true;
    QTest::newRow("-1") << "-1" << true;
    QTest::newRow("missing") << QString() << false;
}

void TestCommandMode::brakeLink()
{
    QFETCH(QString, j53);
    QFETCH(bool, shown);
    auto *kommando = commandPage("1");
    if (j53.isNull())
        host().store().remove("J53");
    else
        QVERIFY(host().store().setValue("J53", j53));
    kommando->show();
    kommando->onJ53Changed();
    QCOMPARE(child(kommando, "FrameLinkHaltebremse")->isVisible(), shown);
}

void TestCommandMode::links_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("target");
    const QList<QPair<QString, QString>> command = {
        {"ClickLabelReferenzierung", "Referenzfahrt"},
        {"ClickLabelDrehmKraftGeschwKlammerung", "DbmQuelleDrehmKraftGeschwKlammerung"},
        {"ClicklabelLinkHaltebremse", "SeiteAllgemein"},
        {"ActionWidgetQuelleExterneGeschw", "DbmQuelleExterneGeschwindigkeit"},
        {"ActionWidgetQuelleExterneZusatzGeschw", "DbmQuelleExtZusatzGeschwindigkeit"},
        {"ActionWidgetQuelleGeschwOverride", "DbmQuelleGeschwOverride"},
        {"ActionWidgetLinkToPosiKern1", "AntriebBeobPosiKern1"},
        {"ActionWidgetSynchronbetrieb", "SynchronBetrieb"},
        {"ActionWidgetWickler", "AppWinderCenter"},
    };
    const QList<QPair<QString, QString>> signals_ = {
        {"ActionWidgetE19", "EinAusgaenge"},
        {"ActionWidgetJ37", "SteuerStatusKommandobetrieb"},
        {"ActionWidgetKommando", "DbmKommando"},
    };
    for (const auto &link : command)
        QTest::newRow(qPrintable(link.first)) << "DbmKommando" << link.first << link.second;
    for (const auto &link : signals_)
        QTest::newRow(qPrintable(link.first)) << "SrcCommandBinSignals" << link.first << link.second;
}

void TestCommandMode::links()
{
    QFETCH(QString, page);
    QFETCH(QString, area);
    QFETCH(QString, target);
    QWidget *widget = page == QLatin1String("DbmKommando")
        ? static_cast<QWidget *>(m_fixture->attach<DbmKommando>({}))
        : static_cast<QWidget *>(m_fixture->attach<SrcCommandBinSignals>({}));
    verifyLink(host(), widget, area, target);
}

void TestCommandMode::sourceButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("j38");
    QTest::addColumn<QStringList>("writes");
    QTest::newRow("parameter") << "PushButtonQuellenAufParameter" << true << QStringList{"J38.0=2"};
    QTest::newRow("inactive") << "PushButtonQuellenAufInaktiv" << true << QStringList{"J38.0=0"};
    QTest::newRow("parameter, no J38") << "PushButtonQuellenAufParameter" << false << QStringList{};
    QTest::newRow("inactive, no J38") << "PushButtonQuellenAufInaktiv" << false << QStringList{};
}

void TestCommandMode::sourceButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, j38);
    QFETCH(QStringList, writes);
    auto *page = m_fixture->attach<SrcCommandBinSignals>(j38 ? QStringList{"J38=1", "J37", "E19"} : QStringList{});
    host().store().setRecordingWrites(true);
    page->show();
    auto *push = child<QPushButton>(page, button);
    QVERIFY(push->isEnabled());
    push->click();
    QCOMPARE(writesOf(host().store()), writes);
}

QTEST_MAIN(TestCommandMode)
#include "tst_commandmode.moc"
