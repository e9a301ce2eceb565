#include "motionblocks/Fahrsatzbetrieb.h"
#include "ModalWatcher.h"
#include "RecordingHost.h"
#include "StoreSeed.h"
#include "motionblocks/MotionBlockTable.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <memory>

namespace {

using Model = MotionBlockTableModel;

const QStringList followUpCoordinates = {"J271", "J272", "J273", "J274", "J275", "J281",
                                         "J282", "J283", "J284", "J285", "J286"};

// Four blocks; every setpoint source holds a value that tells it apart.
void seedTable(ParameterStore &store, int blocks = 4)
{
    const auto count = static_cast<unsigned short>(blocks);
    seed(store, {{"J10", "Satz", count, ParameterDataType::String},
                 {"J11", "1", count, ParameterDataType::Int32, {{1, "Positionieren absolut"}, {4, "Geschwindigkeit"}}},
                 {"J13", "1000", count},
                 {"J14", "1400", count},
                 {"J16", "1600", count},
                 {"J26", "2600", count},
                 {"J30", "0", count},
                 {"J32", "0"},
                 {"I30", "300"},
                 {"J300", "0"}});
    for (const QString &coordinate : followUpCoordinates)
        seed(store, {{coordinate, "-1", count}});
}

} // namespace

class TestMotionBlockTable : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void setpointByCommand_data();
    void setpointByCommand();
    void missingParameters_data();
    void missingParameters();
    void rowsAndFollowUps();
    void emptyTable_data();
    void emptyTable();
    void burstOfChangesRefillsOnce();
    void click_data();
    void click();
    void buttonStates_data();
    void buttonStates();
    void columnsFitEveryRow_data();
    void columnsFitEveryRow();
    void cellsPaintInsideThemselves();
    void keyboard_data();
    void keyboard();

private:
    void attach();
    MotionBlockTableView *view() const { return m_page->findChild<MotionBlockTableView *>("tWFahrsaetze"); }
    QString cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return view()->model()->index(row, column).data(role).toString();
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<Fahrsatzbetrieb> m_page;
};

void TestMotionBlockTable::init()
{
    m_host = std::make_unique<RecordingHost>();
    m_host->setOnline(false);
    seedTable(m_host->store());
}

void TestMotionBlockTable::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestMotionBlockTable::attach()
{
    m_page = std::make_unique<Fahrsatzbetrieb>();
    m_host->attach(m_page.get());
}

void TestMotionBlockTable::setpointByCommand_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("j30");
    QTest::addColumn<QString>("j32");
    QTest::addColumn<QString>("setpoint");
    QTest::addColumn<int>("link");

    const int none = int(Model::Link::None);
    QTest::newRow("0") << 0 << "0" << "0" << "-" << none;
    QTest::newRow("1") << 1 << "0" << "0" << "1000" << none;
    QTest::newRow("3") << 3 << "0" << "0" << "1000" << none;
    QTest::newRow("4 local") << 4 << "0" << "0" << "1400" << none;
    QTest::newRow("4 external") << 4 << "1" << "0" << "G462" << int(Model::Link::G462);
    QTest::newRow("8 external") << 8 << "2" << "0" << "G462" << int(Model::Link::G462);
    QTest::newRow("5") << 5 << "0" << "0" << "1600" << none;
    QTest::newRow("11") << 11 << "0" << "0" << "1600" << none;
    QTest::newRow("6") << 6 << "0" << "0" << "I30: 300" << none;
    QTest::newRow("7") << 7 << "0" << "0" << "-" << none;
    QTest::newRow("9 local") << 9 << "0" << "0" << "2600" << none;
    QTest::newRow("9 external") << 9 << "0" << "1" << "G471" << int(Model::Link::G471);
    QTest::newRow("10") << 10 << "0" << "0" << "-" << none;
    QTest::newRow("12") << 12 << "0" << "0" << "G80" << int(Model::Link::G80);
    QTest::newRow("14") << 14 << "0" << "0" << "G80" << int(Model::Link::G80);
    QTest::newRow("13") << 13 << "0" << "0" << "I88" << int(Model::Link::I88);
    QTest::newRow("15") << 15 << "0" << "0" << "-" << none;
    QTest::newRow("negative") << -4 << "0" << "0" << "-" << none;
}

void TestMotionBlockTable::setpointByCommand()
{
    QFETCH(int, command);
    QFETCH(QString, j30);
    QFETCH(QString, j32);
    QFETCH(QString, setpoint);
    QFETCH(int, link);

    ParameterStore &store = m_host->store();
    store.setValue("J11", 1, 2, QString::number(command));
    store.setValue("J30", 1, 2, j30);
    store.setValue("J32", 1, 0, j32);
    attach();

    QCOMPARE(cell(2, Model::SetpointColumn), setpoint);
    QCOMPARE(cell(2, Model::SetpointColumn, Model::LinkRole).toInt(), link);
    // A link is drawn as one.
    const auto kind = link == int(Model::Link::None) ? Model::CellKind::Text : Model::CellKind::LinkLabel;
    QCOMPARE(cell(2, Model::SetpointColumn, Model::CellKindRole).toInt(), int(kind));
}

void TestMotionBlockTable::missingParameters_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("commandText");
    QTest::addColumn<QString>("setpoint");

    QTest::newRow("J11") << "J11" << 1 << "" << "-";
    QTest::newRow("J13") << "J13" << 1 << "Positionieren absolut" << "-";
    QTest::newRow("J30") << "J30" << 4 << "Geschwindigkeit" << "-";
    QTest::newRow("I30") << "I30" << 6 << "6" << "I30: ";
    QTest::newRow("J32") << "J32" << 9 << "9" << "-";
}

void TestMotionBlockTable::missingParameters()
{
    QFETCH(QString, missing);
    QFETCH(int, command);
    QFETCH(QString, commandText);
    QFETCH(QString, setpoint);

    m_host->store().setValue("J11", 1, 0, QString::number(command));
    m_host->store().remove(missing);
    attach();

    QCOMPARE(cell(0, Model::CommandColumn), commandText);
    QCOMPARE(cell(0, Model::SetpointColumn), setpoint);
}

void TestMotionBlockTable::rowsAndFollowUps()
{
    ParameterStore &store = m_host->store();
    store.setValue("J10", 1, 1, "Anfahrt");
    store.setValue("J271", 1, 1, "3");
    store.setValue("J285", 1, 1, "0");
    store.setValue("J286", 1, 1, "2");
    store.remove("J273");
    attach();

    QCOMPARE(m_page->findChild<QLabel *>("LblValueAnzahlFahrsaetze")->text(), QStringLiteral("4"));
    QCOMPARE(view()->model()->rowCount(), 4);
    QCOMPARE(view()->model()->columnCount(), 7);
    QCOMPARE(cell(1, Model::NumberColumn), QStringLiteral("1"));
    QCOMPARE(cell(1, Model::NameColumn), QStringLiteral("Anfahrt"));
    QCOMPARE(cell(1, Model::CommandColumn), QStringLiteral("Positionieren absolut"));
    // -1 and a missing parameter both show "-".
    QCOMPARE(view()->model()->index(1, Model::InterruptColumn).data(Model::ButtonTextsRole).toStringList(),
             QStringList({"3", "-", "-", "-", "-"}));
    QCOMPARE(view()->model()->index(1, Model::BlockEndColumn).data(Model::ButtonTextsRole).toStringList(),
             QStringList({"-", "-", "-", "-", "0"}));
    QCOMPARE(view()->model()->index(1, Model::BufferedColumn).data(Model::ButtonTextsRole).toStringList(),
             QStringList({"2"}));
    QCOMPARE(view()->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Gepufferter Folgefahrsatz"));
}

void TestMotionBlockTable::emptyTable_data()
{
    QTest::addColumn<bool>("removeJ10");
    QTest::newRow("no blocks") << false;
    QTest::newRow("no J10") << true;
}

void TestMotionBlockTable::emptyTable()
{
    QFETCH(bool, removeJ10);
    if (removeJ10)
        m_host->store().remove("J10");
    else
        seedTable(m_host->store(), 0);
    attach();

    QCOMPARE(m_page->findChild<QLabel *>("LblValueAnzahlFahrsaetze")->text(), QStringLiteral("0"));
    QCOMPARE(view()->model()->rowCount(), 0);
    QStringList headers;
    for (int column = 0; column < view()->model()->columnCount(); ++column)
        headers << view()->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"Nummer", "Name", "Kommando", "Sollwert", "Folgefahrsatz-Interrupt",
                                   "Folgefahrsatz-Fahrsatzende", "Gepufferter Folgefahrsatz"}));
}

void TestMotionBlockTable::burstOfChangesRefillsOnce()
{
    attach();
    QSignalSpy fills(view()->model(), &QAbstractItemModel::modelReset);
    auto *collection = m_page->findChild<QTimer *>();
    QVERIFY(collection);
    // Each change of a watched parameter starts the one-second collection again; the fill
    // waits for it. Checked on the timer itself so that a slow machine cannot split the burst.
    for (const char *coordinate : {"J11", "J13", "J271", "J286", "I30"}) {
        m_host->store().setValue(coordinate, 1, 0, "12");
        QVERIFY(collection->isActive());
        QVERIFY(collection->isSingleShot());
        QCOMPARE(collection->interval(), 1000);
        QVERIFY(collection->remainingTime() > 500);
    }
    // A parameter the table ignores does not restart it.
    collection->stop();
    m_host->store().setValue("J300", 1, 0, "7");
    QVERIFY(!collection->isActive());
    QCOMPARE(fills.count(), 0);
    collection->start();
    QTRY_COMPARE_WITH_TIMEOUT(fills.count(), 1, 5000);
    QCOMPARE(cell(0, Model::SetpointColumn), QStringLiteral("G80"));
    QTest::qWait(1200);
    QCOMPARE(fills.count(), 1);
}

void TestMotionBlockTable::click_data()
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

void TestMotionBlockTable::click()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, button);
    QFETCH(int, beside);
    QFETCH(QString, page);
    QFETCH(int, block);

    ParameterStore &store = m_host->store();
    store.setValue("J273", 1, 1, "3");
    const QStringList commands = {"12", "9", "4", "13"};
    for (int element = 0; element < commands.size(); ++element)
        store.setValue("J11", 1, static_cast<unsigned short>(element), commands.at(element));
    store.setValue("J30", 1, 2, "1");
    store.setValue("J32", 1, 0, "1");
    m_host->addPages({"Fahrsatz", "Folgefahrsatz", "DbmQuelleExterneGeschwindigkeit",
                      "DbmQuelleDrehmKraftGeschwKlammerung", "SynchronBetrieb", "AntriebBeobBewegung"});
    attach();
    m_page->resize(1000, 700);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));

    const QModelIndex index = view()->model()->index(row, column);
    view()->scrollTo(index);
    const QRect target = view()->targetRect(index, button);
    QVERIFY(!target.isEmpty());
    m_host->clearCalls();
    const QPoint position = beside ? QPoint(target.right() + beside, target.center().y()) : target.center();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, position);

    const QStringList jumps = page.isEmpty() ? QStringList() : QStringList{QStringLiteral("jumpToPage(%1)").arg(page)};
    QCOMPARE(m_host->calls({"jumpToPage"}), jumps);
    QCOMPARE(m_host->fahrsatzNummer(), block);
}

void TestMotionBlockTable::buttonStates_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("j10");
    QTest::addColumn<bool>("countEnabled");
    QTest::addColumn<bool>("resetEnabled");

    QTest::newRow("offline") << false << false << true << true << true;
    QTest::newRow("offline, read-only") << false << true << true << false << false;
    QTest::newRow("online") << true << false << true << false << true;
    QTest::newRow("online, read-only") << true << true << true << false << false;
    // Without J10 the dialog would offer 1 and cut every block parameter down to it.
    QTest::newRow("offline, J10 missing") << false << false << false << false << true;
}

void TestMotionBlockTable::buttonStates()
{
    QFETCH(bool, online);
    QFETCH(bool, readOnly);
    QFETCH(bool, j10);
    QFETCH(bool, countEnabled);
    QFETCH(bool, resetEnabled);

    if (!j10)
        m_host->store().remove(QStringLiteral("J10"));
    // Start from the opposite state so that the change itself has to update the buttons.
    m_host->setOnline(!online);
    m_host->setReadOnly(!readOnly);
    attach();
    m_host->setOnline(online);
    m_host->setReadOnly(readOnly);

    QCOMPARE(m_page->findChild<QPushButton *>("pushButtonAnzahlAendern")->isEnabled(), countEnabled);
    QCOMPARE(m_page->findChild<QPushButton *>("pushButtonResetFahrsaetze")->isEnabled(), resetEnabled);
}

namespace {

// A table of the given number of rows; rows from lateFrom on name high block numbers in
// every follow-up entry, the rows before name none.
std::unique_ptr<Model> tableModel(int rows, int lateFrom)
{
    auto model = std::make_unique<Model>();
    QList<Model::Row> contents;
    for (int row = 0; row < rows; ++row) {
        Model::Row entry;
        entry.name = QStringLiteral("Satz");
        entry.command = QStringLiteral("Positionieren");
        entry.setpoint = QStringLiteral("1000");
        entry.link = row == 1 ? Model::Link::G462 : Model::Link::None;
        entry.followUps.fill(row >= lateFrom ? QStringLiteral("16379") : QStringLiteral("-"));
        contents << entry;
    }
    model->setContents({"Nummer", "Name", "Kommando", "Sollwert", "Interrupt", "Ende", "Gepuffert"},
                       std::move(contents));
    return model;
}

} // namespace

void TestMotionBlockTable::columnsFitEveryRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("lateFrom");
    QTest::newRow("entries beyond row 1000") << 2000 << 1500;
    QTest::newRow("one late row") << 16380 << 16379;
    QTest::newRow("few rows") << 3 << 0;
}

void TestMotionBlockTable::columnsFitEveryRow()
{
    QFETCH(int, rows);
    QFETCH(int, lateFrom);
    const auto model = tableModel(rows, lateFrom);
    MotionBlockTableView view;
    view.setModel(model.get());
    view.resize(900, 400);
    view.fitToContents();
    for (const int row : {0, lateFrom, rows - 1}) {
        for (int column : {0, 4, 5, 6}) {
            const QModelIndex index = model->index(row, column);
            const QRect cell = view.visualRect(index);
            const int buttons = column == 0 ? 1 : Model::followUpCountOf(column);
            for (int button = 0; button < buttons; ++button) {
                const QRect target = view.targetRect(index, button);
                QVERIFY2(cell.contains(target), qPrintable(QStringLiteral("row %1 column %2 button %3")
                                                                .arg(row).arg(column).arg(button)));
            }
        }
    }
}

// However narrow a column, a cell paints inside its own rectangle.
void TestMotionBlockTable::cellsPaintInsideThemselves()
{
    const auto model = tableModel(3, 0);
    MotionBlockTableView view;
    view.setModel(model.get());
    view.fitToContents();
    for (int column : {0, 3, 4, 5}) {
        QImage image(400, 60, QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.widget = &view;
        option.rect = QRect(10, 10, 24, 20);
        {
            QPainter painter(&image);
            view.itemDelegate()->paint(&painter, option, model->index(1, column));
        }
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!option.rect.contains(x, y) && image.pixel(x, y) != QColor(Qt::magenta).rgba())
                    QFAIL(qPrintable(QStringLiteral("column %1 painted at %2,%3").arg(column).arg(x).arg(y)));
            }
        }
    }
}

void TestMotionBlockTable::keyboard_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("clicks");    // "row:column:button"

    QTest::newRow("space on the block number") << 2 << 0 << "Space" << QStringList{"2:0:0"};
    QTest::newRow("return on a follow-up entry") << 2 << 4 << "Return" << QStringList{"2:4:0"};
    QTest::newRow("enter on the keypad") << 0 << 6 << "Enter" << QStringList{"0:6:0"};
    QTest::newRow("right within the cell") << 2 << 4 << "Right Right Space" << QStringList{"2:4:2"};
    QTest::newRow("right past the last button") << 2 << 4 << "Right Right Right Right Right Space"
                                                << QStringList{"2:5:0"};
    QTest::newRow("left into the previous cell's last button") << 2 << 5 << "Left Space" << QStringList{"2:4:4"};
    QTest::newRow("left back within the cell") << 2 << 5 << "Right Right Left Return" << QStringList{"2:5:1"};
    QTest::newRow("down keeps the button") << 0 << 5 << "Right Right Right Down Space" << QStringList{"1:5:3"};
    QTest::newRow("up and down between numbers") << 1 << 0 << "Down Space Up Up Space"
                                                 << QStringList{"2:0:0", "0:0:0"};
    QTest::newRow("setpoint link") << 1 << 3 << "Space" << QStringList{"1:3:0"};
    QTest::newRow("text cells have nothing to press") << 1 << 1 << "Space Return" << QStringList{};
    QTest::newRow("setpoint without link") << 2 << 3 << "Return" << QStringList{};
}

void TestMotionBlockTable::keyboard()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(QStringList, clicks);
    const QHash<QString, Qt::Key> names = {{"Space", Qt::Key_Space}, {"Return", Qt::Key_Return},
                                           {"Enter", Qt::Key_Enter}, {"Left", Qt::Key_Left},
                                           {"Right", Qt::Key_Right}, {"Up", Qt::Key_Up},
                                           {"Down", Qt::Key_Down}};
    const auto model = tableModel(3, 0);
    MotionBlockTableView view;
    view.setModel(model.get());
    view.resize(900, 300);
    view.fitToContents();
    view.setCurrentIndex(model->index(row, column));
    QStringList seen;
    connect(&view, &MotionBlockTableView::targetClicked, [&seen](const QModelIndex &index, int button) {
        seen << QStringLiteral("%1:%2:%3").arg(index.row()).arg(index.column()).arg(button);
    });
    for (const QString &key : keys.split(QLatin1Char(' ')))
        QTest::keyClick(&view, names.value(key), key == QLatin1String("Enter") ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(seen, clicks);
}

QTEST_MAIN(TestMotionBlockTable)
#include "tst_motionblocktable.moc"
