#include "DbmZusatzfunktionen.h"
#include "DbmZusatzfunktionenV2.h"
#include "OverviewTestSupport.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <memory>

namespace {

// Every function the newer page can offer, with its switch.
const QStringList everyFunction = {"G90", "A68", "A76", "G303=0,0", "F40", "F50", "C77", "C64",
                                   "G806=0,0,0,0,0", "G206", "G892", "G510", "G610", "G891", "G361", "G807",
                                   "I60", "N00", "G893", "G215", "G00", "J110", "G380", "G805", "A594",
                                   "G483", "N40", "G894"};

QStringList without(QStringList list, const QStringList &removed)
{
    for (const QString &entry : removed)
        list.removeAll(entry);
    return list;
}

} // namespace

class TestZusatzfunktionen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fixedPageWritesOneSwitch_data();
    void fixedPageWritesOneSwitch();
    void fixedPageShowsSwitches();
    void fixedPageOptionalRows();
    void rowsFromDrive_data();
    void rowsFromDrive();
    void rowsBuiltOnce();
    void readOnlyDisablesBoxesOnly();
    void fixedPageTargets_data();
    void fixedPageTargets();
    void linksHaveFixedTargets_data();
    void linksHaveFixedTargets();
    void switchWrites_data();
    void switchWrites();
    void switchWithoutParameter();

private:
    template <typename Page>
    Page *attach(const QStringList &drive) { return m_fixture->attach<Page>(drive); }
    RecordingHost &host() { return m_fixture->host(); }
    // The built rows of the newer page, as "check box|text", top to bottom.
    QStringList rows() const;

    std::unique_ptr<PageFixture> m_fixture;
};

void TestZusatzfunktionen::init()
{
    m_fixture = std::make_unique<PageFixture>();
}

void TestZusatzfunktionen::cleanup()
{
    m_fixture.reset();
}

QStringList TestZusatzfunktionen::rows() const
{
    auto *grid = m_fixture->page()->findChild<QGridLayout *>("gridLayoutFunctions");
    QStringList result;
    for (int row = 1; row < grid->rowCount(); ++row) {
        QLayoutItem *box = grid->itemAtPosition(row, 0);
        QLayoutItem *text = grid->itemAtPosition(row, 1);
        if (!box && !text)
            continue;
        QString line = box ? box->widget()->objectName() : QString();
        if (text) {
            auto *label = qobject_cast<QLabel *>(text->widget());
            if (!label)
                label = text->widget()->findChild<QLabel *>();
            line += "|" + QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        }
        result << line;
    }
    return result;
}

void TestZusatzfunktionen::fixedPageWritesOneSwitch_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("write");
    QTest::newRow("PID controller") << "CheckBoxPidRegler" << "G806.0";
    QTest::newRow("comparators") << "CheckBoxKomparatoren" << "G806.1";
    QTest::newRow("virtual master") << "CheckBoxVM" << "G806.2";
    QTest::newRow("position measurement") << "CheckBoxPositionsmessung" << "G806.3";
    QTest::newRow("cams") << "CheckBoxNocken" << "G806.4";
    QTest::newRow("motor potentiometer") << "CheckBoxMotorpoti" << "G807.0";
    QTest::newRow("master position measurement") << "CheckBoxMasterPositionsmessung" << "G891.0";
    QTest::newRow("extended cams") << "CheckBoxErweiterteNocken" << "G893.0";
}

void TestZusatzfunktionen::fixedPageWritesOneSwitch()
{
    QFETCH(QString, box);
    QFETCH(QString, write);
    auto *page = attach<DbmZusatzfunktionen>({"G806=0,0,0,0,0", "G807", "G891", "G893", "G190"});
    page->show();
    host().store().setRecordingWrites(true);
    auto *checkBox = page->findChild<QCheckBox *>(box);
    checkBox->click();
    checkBox->click();
    QCOMPARE(writesOf(host().store()), (QStringList{write + "=1", write + "=0"}));
}

void TestZusatzfunktionen::fixedPageShowsSwitches()
{
    auto *page = attach<DbmZusatzfunktionen>({"G806=1,2,0,1,1"});
    page->show();
    const QStringList boxes = {"CheckBoxPidRegler", "CheckBoxKomparatoren", "CheckBoxVM", "CheckBoxPositionsmessung",
                               "CheckBoxNocken"};
    QList<bool> checked;
    for (const QString &box : boxes)
        checked << page->findChild<QCheckBox *>(box)->isChecked();
    // Only 1 is on.
    QCOMPARE(checked, (QList<bool>{true, false, false, true, true}));

    host().store().setValue("G806", 0, 4, "0");
    QVERIFY(!page->findChild<QCheckBox *>("CheckBoxNocken")->isChecked());
    host().store().remove("G806");
    page->onG806Changed();
    QVERIFY(!page->findChild<QCheckBox *>("CheckBoxPidRegler")->isChecked());
}

void TestZusatzfunktionen::fixedPageOptionalRows()
{
    auto *page = attach<DbmZusatzfunktionen>({"G806=0,0,0,0,0", "G807=1", "G190"});
    page->show();
    const auto visible = [page](const char *frame) { return page->findChild<QFrame *>(frame)->isVisible(); };
    QVERIFY(visible("FrameLinkMotorpoti") && visible("FrameMotorpoti"));
    QVERIFY(page->findChild<QCheckBox *>("CheckBoxMotorpoti")->isChecked());
    QVERIFY(visible("FrameLinkVM") && visible("FrameVM"));
    QVERIFY(!visible("FrameLinkMasterPositionsmessung") && !visible("FrameCheckBoxMasterPosMessung"));
    QVERIFY(!visible("FrameLinkErweiterteNocken") && !visible("FrameCheckBoxErweiterteNocken"));
    QVERIFY(visible("FrameLinkPidRegler"));
}

void TestZusatzfunktionen::rowsFromDrive_data()
{
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<QStringList>("rows");

    const QStringList all = {
        "CheckBoxA76|Aktionsansteuerung",
        "CheckBoxG303_0|Feldbusgesteuerter analoger Ausgang 1",
        "CheckBoxG303_1|Feldbusgesteuerter analoger Ausgang 2",
        "CheckBoxG806_1|Komparatoren",
        "|Komparatoren REAL32",
        "|Komparatoren INT32",
        "|Komparatoren INT16",
        "|Komparatoren INT8",
        "CheckBoxG892|Master: Druckmarkenauswertung",
        "|Master: Nockenschaltwerk",
        "CheckBoxG891|Master Positionsmessung",
        "|Master: Positionsmessung",
        "CheckBoxG807|Motorpotentiometer",
        "CheckBoxG806_4|Nockenschaltwerk",
        "CheckBoxG893|Erweitertes Nockenschaltwerk",
        "|Phasing",
        "CheckBoxG806_0|PID-Regler",
        "CheckBoxG806_3|Positionsmessung",
        "CheckBoxG805|Positionsumrechnung",
        "|Touch probe",
        "CheckBoxG806_2|Virtueller Master",
        QString::fromUtf8("CheckBoxG894|Zähler"),
    };
    QTest::newRow("everything") << everyFunction << all;
    QTest::newRow("no C77") << without(everyFunction, {"C77"}) << all.mid(0, 3) + all.mid(8);
    QTest::newRow("F40 hidden") << without(everyFunction, {"F40"}) + QStringList{"F40!"}
                                << QStringList{all.at(0)} + all.mid(2);
    QTest::newRow("no G303") << without(everyFunction, {"G303=0,0"}) << QStringList{all.at(0)} + all.mid(3);
    QTest::newRow("nothing") << QStringList{} << QStringList{};
}

void TestZusatzfunktionen::rowsFromDrive()
{
    QFETCH(QStringList, drive);
    QFETCH(QStringList, rows);
    auto *page = attach<DbmZusatzfunktionenV2>(drive);
    page->show();
    QCOMPARE(this->rows(), rows);
    QCOMPARE(page->findChild<QWidget *>("ParComboG90")->isVisible(), drive.contains("G90"));
    // Boxes of rows that were not built stay out of sight.
    int shownBoxes = 0;
    for (QCheckBox *box : page->findChildren<QCheckBox *>())
        shownBoxes += box->isVisible() ? 1 : 0;
    QCOMPARE(shownBoxes, int(rows.filter(QRegularExpression("^CheckBox")).size()));
}

void TestZusatzfunktionen::rowsBuiltOnce()
{
    auto *page = attach<DbmZusatzfunktionenV2>(everyFunction);
    page->show();
    const QStringList first = rows();
    const int children = page->findChildren<QWidget *>().size();
    page->hide();
    page->show();
    page->initialUpdate();
    page->show();
    QCOMPARE(rows(), first);
    QCOMPARE(page->findChildren<QWidget *>().size(), children);

    // Repeated connections would write twice.
    host().store().setRecordingWrites(true);
    page->findChild<QCheckBox *>("CheckBoxG806_0")->click();
    QCOMPARE(writesOf(host().store()), QStringList{"G806.0=1"});
}

void TestZusatzfunktionen::readOnlyDisablesBoxesOnly()
{
    host().setReadOnly(true);
    auto *page = attach<DbmZusatzfunktionenV2>(everyFunction);
    page->show();
    const auto boxes = page->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), int(DbmZusatzfunktionenV2::SwitchCount));
    for (QCheckBox *box : boxes)
        QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));

    host().addPage("Counter");
    QLabel *counter = nullptr;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->text().contains("href=\"Counter\""))
            counter = label;
    }
    QVERIFY(counter && counter->isEnabled());
    QCOMPARE(jumpOutcome(host(), [counter] { emit counter->linkActivated("Counter"); }),
             QStringLiteral("jumpToPage(Counter)"));

    page->hide();
    host().setReadOnly(false);
    page->show();
    for (QCheckBox *box : boxes)
        QVERIFY(box->isEnabled());
}

void TestZusatzfunktionen::fixedPageTargets_data()
{
    addTargetRows({
        {"JumpToKomparatorenReal32", "DbmKompReal32"}, {"JumpToKomparatorenInt32", "DbmKompInt32"},
        {"JumpToNocken", "DbmNocken"},                 {"JumpToPositionsmessung", "Positionsmessung"},
        {"JumpToPidRegler", "PidRegler"},              {"JumpToMotorpoti", "Motorpoti"},
        {"JumpToVM", "VirtuellerMaster"},              {"JumpToMasterPosMessung", "MasterPosMessung"},
        {"JumpToErweiterteNocken", "Nocken"},
    });
}

void TestZusatzfunktionen::fixedPageTargets()
{
    QFETCH(QString, area);
    QFETCH(QString, target);
    auto *page = attach<DbmZusatzfunktionen>({"G806=0,0,0,0,0"});
    host().addPage(target);
    QCOMPARE(jumpOutcome(host(), [page, &area] { QVERIFY(QMetaObject::invokeMethod(page, qPrintable(area))); }),
             "jumpToPage(" + target + ")");
}

// The anchors name no page; each link leads to its own target.
void TestZusatzfunktionen::linksHaveFixedTargets_data()
{
    addTargetRows({
        {"Aktionsansteuerung", "SrcAktionsansteuerung"},
        {"AnalogOutput1", "AnalogOutput1"},
        {"AnalogOutput2", "AnalogOutput2"},
        {"KomparatorenReal", "DbmKompReal32"},
        {"KomparatorenInt", "DbmKompInt32"},
        {"KomparatorenInt16", "DbmKompInt16"},
        {"KomparatorenInt8", "DbmKompInt8"},
        {"MasterDruckmarkenauswertun", "MasterDruckmarkenauswertung"},
        {"MasterNockenschaltwerk", "MasterNocken"},
        {"MasterPositionsmessung", "MasterPosMessung"},
        {"Motorpotentiometer", "Motorpoti"},
        {"Nockenschaltwerk", "DbmNocken"},
        {"ErweitertesNockenschaltwerk", "Nocken"},
        {"PhasingStartseite", "PhasingStartseite"},
        {"PIDRegler", "PidRegler"},
        {"Positionsmessung", "Positionsmessung"},
        {"Positionsumrechnung", "Positionsumrechnung"},
        {"Touchprobe", "TouchProbe"},
        {"VirtuellerMaster", "VirtuellerMaster"},
        {"Counter", "Counter"},
    });
}

void TestZusatzfunktionen::linksHaveFixedTargets()
{
    QFETCH(QString, area);
    QFETCH(QString, target);
    auto *page = attach<DbmZusatzfunktionenV2>(everyFunction);
    host().addPage(target);
    QList<QLabel *> labels;
    for (QLabel *candidate : page->findChildren<QLabel *>()) {
        if (candidate->text().contains("href=\"" + area + "\""))
            labels << candidate;
    }
    QCOMPARE(labels.size(), 1);
    QLabel *label = labels.first();
    QCOMPARE(jumpOutcome(host(), [label, &area] { emit label->linkActivated(area); }), "jumpToPage(" + target + ")");
}

void TestZusatzfunktionen::switchWrites_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("element");
    QTest::newRow("action activation") << "CheckBoxA76" << "A76.0";
    QTest::newRow("analog output 1") << "CheckBoxG303_0" << "G303.0";
    QTest::newRow("analog output 2") << "CheckBoxG303_1" << "G303.1";
    QTest::newRow("PID controller") << "CheckBoxG806_0" << "G806.0";
    QTest::newRow("comparators") << "CheckBoxG806_1" << "G806.1";
    QTest::newRow("virtual master") << "CheckBoxG806_2" << "G806.2";
    QTest::newRow("position measurement") << "CheckBoxG806_3" << "G806.3";
    QTest::newRow("cams") << "CheckBoxG806_4" << "G806.4";
    QTest::newRow("position conversion") << "CheckBoxG805" << "G805.0";
    QTest::newRow("motor potentiometer") << "CheckBoxG807" << "G807.0";
    QTest::newRow("master position measurement") << "CheckBoxG891" << "G891.0";
    QTest::newRow("master print marks") << "CheckBoxG892" << "G892.0";
    QTest::newRow("extended cams") << "CheckBoxG893" << "G893.0";
    QTest::newRow("counter") << "CheckBoxG894" << "G894.0";
}

void TestZusatzfunktionen::switchWrites()
{
    QFETCH(QString, box);
    QFETCH(QString, element);
    auto *page = attach<DbmZusatzfunktionenV2>(everyFunction);
    page->show();
    host().store().setRecordingWrites(true);
    auto *check = page->findChild<QCheckBox *>(box);
    QVERIFY(check && check->isVisible());
    check->click();
    QCOMPARE(writesOf(host().store()), QStringList{element + "=1"});
    host().store().clearWrittenValues();
    check->click();
    QCOMPARE(writesOf(host().store()), QStringList{element + "=0"});
    QVERIFY(!check->isChecked());
}

// A function offered without its switch parameter: the box cannot stay checked.
void TestZusatzfunktionen::switchWithoutParameter()
{
    auto *page = attach<DbmZusatzfunktionenV2>({"N40"});
    page->show();
    host().store().setRecordingWrites(true);
    auto *box = page->findChild<QCheckBox *>("CheckBoxG894");
    QVERIFY(box->isVisible());
    box->click();
    QVERIFY(!box->isChecked());
    QVERIFY(writesOf(host().store()).isEmpty());
}

QTEST_MAIN(TestZusatzfunktionen)
#include "tst_zusatzfunktionen.moc"
