#include "motionblocks/AnzahlFahrsaetzeAendern.h"
#include "motionblocks/Fahrsatzbetrieb.h"
#include "motionblocks/MotionBlockTable.h"
#include "ModalWatcher.h"
#include "PageInput.h"
#include "PageScript.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

using Model = MotionBlockTableModel;

// Four blocks; every setpoint source holds a value that tells it apart.
const QString table = QStringLiteral("J10=Satz*4 J11=1*4 J13=1000*4 J14=1400*4 J16=1600*4 J26=2600*4 J30=0*4 J32=0 "
                                     "I30=300 J300=0 J271=-1*4 J272=-1*4 J273=-1*4 J274=-1*4 J275=-1*4 J281=-1*4 "
                                     "J282=-1*4 J283=-1*4 J284=-1*4 J285=-1*4 J286=-1*4");

// Set back by a reset, block by block in this order.
const QStringList resetCoordinates = QStringLiteral(
    "J10 J11 J13 J14 J15 J16 J17 J18 J19 J20 J24 J25 J26 J27 J28 J30 J57 J58 J59 J60 J62 J63 J64 J65 J67 J68 "
    "J69 J70 J72 J73 J74 J75 J251 J252 J253 J254 J255 J261 J262 J263 J264 J265 J271 J272 J273 J274 J275 J281 "
    "J282 J283 J284 J285 J440 J441 J442 J443 J444").split(QLatin1Char(' '));
// Resized by a count change besides those, which all are.
const QStringList resizedOnly = {"J21", "J22", "J31", "J33", "J55", "J286", "J452"};

} // namespace

class TestMotionBlockTable : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void setpoints_data();
    void setpoints();
    void contents_data();
    void contents();
    void refillOnceAfterABurst();
    void clicks_data();
    void clicks();
    void lateRowsClickable();
    void keyboard_data();
    void keyboard();
    void buttons_data();
    void buttons();
    void countDialog_data();
    void countDialog();
    void countDialogEnds_data();
    void countDialogEnds();

private:
    // Opens the table page as the host does, shown, after the script's drive changes.
    void open(const QString &script = {});
    MotionBlockTableView *view() const { return child<MotionBlockTableView>(m_page.get(), "tWFahrsaetze"); }
    QString cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return view()->model()->index(row, column).data(role).toString();
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<ModalWatcher> m_watcher;
    std::unique_ptr<PageScript> m_script;
    std::unique_ptr<Fahrsatzbetrieb> m_page;
};

void TestMotionBlockTable::init()
{
    m_page.reset();
    m_host = std::make_unique<RecordingHost>();
    m_host->setOnline(false);
    m_watcher = std::make_unique<ModalWatcher>();
    m_script = std::make_unique<PageScript>(*m_host, *m_watcher);
    seedTokens(m_host->store(), table);
}

void TestMotionBlockTable::open(const QString &script)
{
    m_page = std::make_unique<Fahrsatzbetrieb>();
    m_script->setPage(m_page.get());
    m_script->run(script);
    m_host->attach(m_page.get());
    m_page->resize(1000, 700);
    m_page->show();
}

void TestMotionBlockTable::setpoints_data()
{
    QTest::addColumn<QString>("drive");    // changes of block 2 (or of everything) before the page opens
    QTest::addColumn<QString>("setpoint"); // a linked one names its link
    const QString rows = "J11.2=0>-|J11.2=1>1000|J11.2=3>1000|J11.2=4>1400|J11.2=4 J30.2=1>G462|J11.2=8 J30.2=2>G462|"
                         "J11.2=8 J30.1=2>1400|J11.2=5>1600|J11.2=11>1600|J11.2=6>I30: 300|J11.2=7>-|J11.2=9>2600|"
                         "J11.2=9 J32=1>G471|J11.2=10>-|J11.2=12>G80|J11.2=14>G80|J11.2=13>I88|J11.2=15>-|J11.2=-4>-|"
                         "-J13>-|J11.2=4 -J30>-|J11.2=6 -I30>I30: |J11.2=9 -J32>-";
    for (const QString &row : rows.split(QLatin1Char('|')))
        QTest::newRow(qPrintable(row.section('>', 0, 0))) << row.section('>', 0, 0) << row.section('>', 1);
}

void TestMotionBlockTable::setpoints()
{
    QFETCH(QString, drive);
    QFETCH(QString, setpoint);
    const QHash<QString, Model::Link> links = {
        {"G462", Model::Link::G462}, {"G471", Model::Link::G471}, {"G80", Model::Link::G80}, {"I88", Model::Link::I88}};
    open(drive);
    QCOMPARE(cell(2, Model::SetpointColumn), setpoint);
    QCOMPARE(cell(2, Model::SetpointColumn, Model::LinkRole).toInt(), int(links.value(setpoint, Model::Link::None)));
}

void TestMotionBlockTable::contents_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("row1"); // name, command, then the follow-up entries of block 1
    QTest::newRow("four blocks") << "J10.1=Anfahrt J271.1=3 J285.1=0 J286.1=2 -J273" << 4 << "Anfahrt 1 3 - - - - - - - - 0 2";
    QTest::newRow("no J11") << "-J11" << 4 << "Satz  - - - - - - - - - - -";
    QTest::newRow("no blocks") << "resize:J10=0" << 0 << "";
    QTest::newRow("no J10") << "-J10" << 0 << "";
}

void TestMotionBlockTable::contents()
{
    QFETCH(QString, drive);
    QFETCH(int, rows);
    QFETCH(QString, row1);
    open(drive);
    QCOMPARE(child<QLabel>(m_page.get(), "LblValueAnzahlFahrsaetze")->text(), QString::number(rows));
    QCOMPARE(view()->model()->rowCount(), rows);
    QStringList headers;
    for (int column = 0; column < view()->model()->columnCount(); ++column)
        headers << view()->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"Nummer", "Name", "Kommando", "Sollwert", "Folgefahrsatz-Interrupt",
                                   "Folgefahrsatz-Fahrsatzende", "Gepufferter Folgefahrsatz"}));
    if (rows == 0)
        return;
    QStringList actual = {cell(1, Model::NameColumn), cell(1, Model::CommandColumn)};
    for (int column : {Model::InterruptColumn, Model::BlockEndColumn, Model::BufferedColumn})
        actual << view()->model()->index(1, column).data(Model::ButtonTextsRole).toStringList();
    QCOMPARE(actual.join(' '), row1);
    QCOMPARE(cell(1, Model::NumberColumn), QStringLiteral("1"));
}

// A burst of changes refills the table once, when the drive has been quiet for a second: the
// collection starts again with every change of a watched parameter, and a fill leaves nothing
// pending.
void TestMotionBlockTable::refillOnceAfterABurst()
{
    open();
    QSignalSpy fills(view()->model(), &QAbstractItemModel::modelReset);
    auto *collection = m_page->findChild<QTimer *>();
    QVERIFY(collection && collection->isSingleShot());
    m_script->run("J11=12 J13=5 J271.3=1 J286=2 I30=7");
    QVERIFY(collection->isActive());
    QCOMPARE(fills.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(fills.count(), 1, 10000);
    QVERIFY(!collection->isActive());
    QCOMPARE(cell(0, Model::SetpointColumn, Model::LinkRole).toInt(), int(Model::Link::G80));
    QCOMPARE(view()->model()->index(3, Model::InterruptColumn).data(Model::ButtonTextsRole).toStringList().first(), "1");
    // A parameter the table ignores starts nothing.
    m_script->run("J300=7");
    QVERIFY(!collection->isActive());
}

void TestMotionBlockTable::clicks_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("beside");   // pixels right of the button's edge; 0: its centre
    QTest::addColumn<QString>("page"); // empty: no jump
    QTest::addColumn<int>("block");
    QTest::newRow("number") << 2 << int(Model::NumberColumn) << 0 << 0 << "Fahrsatz" << 2;
    QTest::newRow("beside the number") << 2 << int(Model::NumberColumn) << 0 << 4 << "" << -1;
    QTest::newRow("between two entries") << 1 << int(Model::InterruptColumn) << 0 << 2 << "" << -1;
    QTest::newRow("interrupt, none") << 1 << int(Model::InterruptColumn) << 0 << 0 << "Folgefahrsatz" << 1;
    QTest::newRow("interrupt naming block 3") << 1 << int(Model::InterruptColumn) << 2 << 0 << "Folgefahrsatz" << 1;
    QTest::newRow("block end") << 3 << int(Model::BlockEndColumn) << 4 << 0 << "Folgefahrsatz" << 3;
    QTest::newRow("buffered") << 0 << int(Model::BufferedColumn) << 0 << 0 << "Folgefahrsatz" << 0;
    QTest::newRow("G462") << 2 << int(Model::SetpointColumn) << 0 << 0 << "DbmQuelleExterneGeschwindigkeit" << -1;
    QTest::newRow("G471") << 1 << int(Model::SetpointColumn) << 0 << 0 << "DbmQuelleDrehmKraftGeschwKlammerung" << -1;
    QTest::newRow("G80") << 0 << int(Model::SetpointColumn) << 0 << 0 << "SynchronBetrieb" << -1;
    QTest::newRow("I88") << 3 << int(Model::SetpointColumn) << 0 << 0 << "AntriebBeobBewegung" << -1;
}

// Clicks on the table where the user sees the numbers, entries and links.
void TestMotionBlockTable::clicks()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, button);
    QFETCH(int, beside);
    QFETCH(QString, page);
    QFETCH(int, block);
    m_host->addPages({"Fahrsatz", "Folgefahrsatz", "DbmQuelleExterneGeschwindigkeit", "DbmQuelleDrehmKraftGeschwKlammerung",
                      "SynchronBetrieb", "AntriebBeobBewegung"});
    open("J273.1=3 J11=12,9,4,13 J30.2=1 J32=1");
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    const QModelIndex index = view()->model()->index(row, column);
    view()->scrollTo(index);
    const QRect target = view()->targetRect(index, button);
    QVERIFY(!target.isEmpty());
    m_host->clearCalls();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                      beside ? QPoint(target.right() + beside, target.center().y()) : target.center());
    QCOMPARE(m_host->calls({"jumpToPage"}), page.isEmpty() ? QStringList() : QStringList{"jumpToPage(" + page + ")"});
    QCOMPARE(m_host->fahrsatzNummer(), block);
}

// The columns are sized without measuring every row; a late row's wider numbers still fit.
void TestMotionBlockTable::lateRowsClickable()
{
    seedTokens(m_host->store(), "J10=Satz*2000 J11=1*2000 J275=-1*2000");
    m_host->addPages({"Fahrsatz", "Folgefahrsatz"});
    open("J275.1999=1999");
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    for (const auto &[column, button, page] : {std::tuple{int(Model::NumberColumn), 0, "Fahrsatz"},
                                               std::tuple{int(Model::InterruptColumn), 4, "Folgefahrsatz"}}) {
        const QModelIndex index = view()->model()->index(1999, column);
        view()->scrollTo(index);
        const QRect target = view()->targetRect(index, button);
        QVERIFY(view()->visualRect(index).contains(target));
        m_host->clearCalls();
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, target.center());
        QCOMPARE(m_host->calls({"jumpToPage"}), QStringList{QStringLiteral("jumpToPage(%1)").arg(page)});
        QCOMPARE(m_host->fahrsatzNummer(), 1999);
    }
}

void TestMotionBlockTable::keyboard_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("jumps"); // page:block of each jump
    QTest::newRow("space on the block number") << 2 << 0 << "Space" << "Fahrsatz:2";
    QTest::newRow("return on a follow-up entry") << 2 << 4 << "Return" << "Folgefahrsatz:2";
    QTest::newRow("enter on the keypad") << 0 << 6 << "Enter" << "Folgefahrsatz:0";
    QTest::newRow("right past the last button") << 2 << 4 << "Right Right Right Right Right Space" << "Folgefahrsatz:2";
    QTest::newRow("up and down between numbers") << 1 << 0 << "Down Space Up Up Space" << "Fahrsatz:2 Fahrsatz:0";
    QTest::newRow("setpoint link") << 1 << 3 << "Space" << "DbmQuelleExterneGeschwindigkeit:-1";
    QTest::newRow("text cells have nothing to press") << 1 << 1 << "Space Return" << "";
    QTest::newRow("setpoint without link") << 2 << 3 << "Return" << "";
}

// The numbers, entries and links are reached and pressed with the keyboard as well.
void TestMotionBlockTable::keyboard()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(QString, jumps);
    m_host->addPages({"Fahrsatz", "Folgefahrsatz", "DbmQuelleExterneGeschwindigkeit"});
    open("J11=1,4,1,1 J30.1=1");
    view()->setCurrentIndex(view()->model()->index(row, column));
    QStringList seen;
    for (const QString &key : keys.split(QLatin1Char(' '))) {
        m_host->clearCalls();
        QTest::keyClick(view(), QKeySequence::fromString(key)[0].key(),
                        key == QLatin1String("Enter") ? Qt::KeypadModifier : Qt::NoModifier);
        for (const QString &call : m_host->calls({"jumpToPage"}))
            seen << call.mid(11).chopped(1) + QLatin1Char(':') + QString::number(m_host->fahrsatzNummer());
        m_host->setProperty("FahrsatzNummer", -1);
    }
    QCOMPARE(seen.join(' '), jumps);
}

void TestMotionBlockTable::buttons_data()
{
    QTest::addColumn<QString>("script");   // see PageScript
    QTest::addColumn<QString>("expected");
    QStringList reset;
    for (int block = 0; block < 3; ++block) {
        for (const QString &coordinate : resetCoordinates)
            reset << QStringLiteral("%1.%2=%3").arg(coordinate).arg(block).arg(coordinate == "J10" ? "Satz" : "5");
    }
    const QString counted = "$J10*%1 $J19*%1 $J286*%1 $J452*%1 $J444*%1 $J55*none LblValueAnzahlFahrsaetze=%1";
    QTest::newRow("offline") << "" << "pushButtonAnzahlAendern:E pushButtonResetFahrsaetze:E";
    QTest::newRow("offline, read-only") << "readonly" << "pushButtonAnzahlAendern:d pushButtonResetFahrsaetze:d";
    QTest::newRow("online") << "online" << "pushButtonAnzahlAendern:d pushButtonResetFahrsaetze:E";
    QTest::newRow("online, read-only") << "online readonly" << "pushButtonAnzahlAendern:d pushButtonResetFahrsaetze:d";
    QTest::newRow("editable again") << "readonly editable" << "pushButtonAnzahlAendern:E pushButtonResetFahrsaetze:E";
    // Without J10 the dialog would offer 1 and cut every block parameter down to it.
    QTest::newRow("no J10") << "-J10 online offline" << "pushButtonAnzahlAendern:d";
    QTest::newRow("count 20") << "dialog{type:lineEditAnzahlFahrsaetze=20} click:pushButtonAnzahlAendern" << counted.arg(20);
    QTest::newRow("count 16380") << "dialog{type:lineEditAnzahlFahrsaetze=16380} click:pushButtonAnzahlAendern"
                                 << counted.arg(16380);
    for (const char *refused : {"16381", "20000", "-5"}) {
        QTest::addRow("count %s", refused)
            << QStringLiteral("ok dialog{type:lineEditAnzahlFahrsaetze=%1} click:pushButtonAnzahlAendern").arg(refused)
            << counted.arg(3) + " box=Ungültige~Fahrsatzanzahl";
    }
    QTest::newRow("count 0") << "dialog{type:lineEditAnzahlFahrsaetze=0} click:pushButtonAnzahlAendern" << counted.arg(3);
    QTest::newRow("count cancelled") << "dialog{keys:lineEditAnzahlFahrsaetze=20,click:pushButtonCancel} "
                                        "click:pushButtonAnzahlAendern" << counted.arg(3);
    QTest::newRow("count closed") << "dialog{keys:lineEditAnzahlFahrsaetze=20,reject} click:pushButtonAnzahlAendern" << counted.arg(3);
    QTest::newRow("count confirmed") << "dialog{keys:lineEditAnzahlFahrsaetze=12,click:pushButtonOk} click:pushButtonAnzahlAendern"
                                     << counted.arg(12);
    QTest::newRow("count no number") << "dialog{keys:lineEditAnzahlFahrsaetze=zwoelf,click:pushButtonOk} "
                                        "click:pushButtonAnzahlAendern" << counted.arg(3);
    QTest::newRow("reset") << "yes click:pushButtonResetFahrsaetze"
                           << "writes=" + reset.join(',') + " box=Alle~Fahrsätze~auf~Defaultwerte~zurücksetzen?";
    QTest::newRow("reset declined") << "no click:pushButtonResetFahrsaetze" << "writes= $J13.1=9";
    QTest::newRow("reset without J10: one block") << "-J10 yes click:pushButtonResetFahrsaetze"
                                                  << "writes=" + reset.filter(QRegularExpression("^(?!J10)\\w+\\.0=")).join(',');
    QTest::newRow("reset without J19") << "-J19 yes click:pushButtonResetFahrsaetze"
                                       << "writes=" + reset.filter(QRegularExpression("^(?!J19\\.)")).join(',');
}

// The count change and the reset of all blocks, through the page's buttons.
void TestMotionBlockTable::buttons()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);
    QString drive = QStringLiteral("J10=Satz*3");
    for (const QString &coordinate : resetCoordinates.mid(1) + resizedOnly)
        drive += QStringLiteral(" %1=5*3").arg(coordinate);
    seedTokens(m_host->store(), drive);
    m_host->store().remove("J55"); // a parameter the drive lacks is skipped
    open("J13.1=9 J444.2=9");
    m_script->setPage(m_page.get());
    m_script->run(script);
    QCOMPARE(m_script->states(expected), expected);
    QCOMPARE(m_watcher->unexpectedCount(), 0);
    QCOMPARE(m_watcher->pendingAnswers(), 0);
}

void TestMotionBlockTable::countDialog_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    for (const QString &row : QStringLiteral("5>Dec>4|1>Dec>1|>Dec>1|abc>Dec>1|>Inc>2|abc>Inc>1|16379>Inc>16380|16380>Inc>16380|"
                                             "2147483647>Inc>16380|-2147483648>Dec>1").split('|')) {
        const QString text = row.section('>', 0, 0), button = row.section('>', 1, 1);
        QTest::addRow("%s from %s", button == "Inc" ? "up" : "down", text.isEmpty() ? "empty" : qPrintable(text))
            << text << "toolButton" + button << row.section('>', 2);
    }
}

// The dialog's arrows step the number within 1 to 16380.
void TestMotionBlockTable::countDialog()
{
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    AnzahlFahrsaetzeAendern dialog(7);
    auto *field = child<QLineEdit>(&dialog, "lineEditAnzahlFahrsaetze");
    QCOMPARE(field->text(), QStringLiteral("7"));
    field->selectAll();
    QTest::keyClicks(field, text);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    child<QToolButton>(&dialog, button)->click();
    QCOMPARE(field->text(), shown);
}

void TestMotionBlockTable::countDialogEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Escape") << "escape" << -1;
    QTest::newRow("window closed") << "close" << -1;
    // An assistive tool presses a button without moving the focus.
    QTest::newRow("Cancel pressed in place") << "cancel" << -1;
    QTest::newRow("OK pressed in place") << "ok" << 20;
    QTest::newRow("Return") << "return" << 20;
    QTest::newRow("field left") << "leave" << 20;
}

// However the dialog ends, the typed number counts only when it was confirmed.
void TestMotionBlockTable::countDialogEnds()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    AnzahlFahrsaetzeAendern dialog(7);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *field = child<QLineEdit>(&dialog, "lineEditAnzahlFahrsaetze");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "20");
    if (how == "escape")
        QTest::keyClick(field, Qt::Key_Escape);
    else if (how == "close")
        dialog.close();
    else if (how == "cancel" || how == "ok")
        child<QPushButton>(&dialog, how == "ok" ? "pushButtonOk" : "pushButtonCancel")->click();
    else if (how == "return")
        QTest::keyClick(field, Qt::Key_Return);
    else
        child<QToolButton>(&dialog, "toolButtonInc")->setFocus(Qt::TabFocusReason);
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialog.result(), result);
}

QTEST_MAIN(TestMotionBlockTable)
#include "tst_motionblocktable.moc"
