#include "motionblocks/Fahrsatz.h"
#include "ActionWidget.h"
#include "ClickableLabel.h"
#include "ModalWatcher.h"
#include "ParameterChoiceComboBox.h"
#include "ParameterLabel.h"
#include "ParameterTextEdit.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QStringList copiedCoordinates = QStringLiteral(
    "J10 J11 J13 J14 J15 J16 J17 J18 J20 J21 J24 J25 J26 J27 J28 J30 J31 J33 J57 J58 J59 J60 J62 J63 J64 J65 "
    "J67 J68 J69 J70 J72 J73 J74 J75 J251 J252 J253 J254 J255 J261 J262 J263 J264 J265 J271 J272 J273 J274 "
    "J275 J281 J282 J283 J284 J285 J440 J441 J442 J443 J444 J452").split(QLatin1Char(' '));

// Link texts and the pages they open.
const QHash<QString, QString> linkTargets = {
    {"Begrenzung Drehmoment/Kraft", "DbmMotionBlockTrqForce"},
    {"Geschwindigkeits-Override", "DbmQuelleGeschwOverride"},
    {"Haltebremse", "SeiteAllgemein"},
    {"Bewegungsrichtung", "DbmSrcDirection"},
    {"Externe Geschwindigkeit", "DbmQuelleExterneGeschwindigkeit"},
    {"Referenzierung", "Referenzfahrt"},
    {"Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung", "DbmQuelleDrehmKraftGeschwKlammerung"},
    {"Folgefahrsatz", "Folgefahrsatz"},
};

constexpr int livingSpace = 1;

} // namespace

class TestMotionBlockEditor : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void layoutContents_data();
    void layoutContents();
    void layoutByCommand_data();
    void layoutByCommand();
    void j452FollowsG809();
    void readOnlyRules_data();
    void readOnlyRules();
    void rulesFollowChanges();
    void stepping_data();
    void stepping();
    void noBlocks_data();
    void noBlocks();
    void handOver_data();
    void handOver();
    void links();
    void copy_data();
    void copy();
    void copyLockedWhenReadOnly();

private:
    // Blocks named "Satz 0", "Satz 1", ...; the drive lacks the parameters "without".
    void open(int blocks, const QStringList &without = {}, int handOver = -1);
    void set(const QString &coordinate, int element, const QString &value)
    {
        QVERIFY2(m_host->store().setValue(coordinate, livingSpace, static_cast<unsigned short>(element), value),
                 qPrintable(m_host->store().lastWriteError()));
    }
    QString value(const QString &coordinate, int element) const
    {
        return m_host->store().value(coordinate, livingSpace, static_cast<unsigned short>(element));
    }
    template <class Widget>
    Widget *child(const QString &name) const
    {
        auto *widget = m_page->findChild<Widget *>(name);
        if (!widget)
            qWarning("missing widget %s", qPrintable(name));
        return widget;
    }
    QStackedWidget *stack() const { return child<QStackedWidget>("stackedWidget"); }
    QLineEdit *field() const { return child<QLineEdit>("lineEditFahrsatznummer"); }
    // The editor of a coordinate on the layout shown.
    ParameterControl *shownEditor(const QString &coordinate) const
    {
        for (QWidget *widget : stack()->currentWidget()->findChildren<QWidget *>()) {
            auto *control = dynamic_cast<ParameterControl *>(widget);
            if (control && control->coordinate() == coordinate && !qobject_cast<ParameterLabel *>(widget))
                return control;
        }
        return nullptr;
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<Fahrsatz> m_page;
};

void TestMotionBlockEditor::open(int blocks, const QStringList &without, int handOver)
{
    m_host = std::make_unique<RecordingHost>();
    const auto count = static_cast<unsigned short>(blocks);
    QList<SeedParameter> parameters = {{"J10", "Satz", count, ParameterDataType::String},
                                       {"G809", "1"}, {"C243", "1"}, {"I00", "0"}, {"J08", "2"}, {"I30", "0"}};
    for (const QString &coordinate : copiedCoordinates.mid(1))
        parameters << SeedParameter{coordinate, "0", count};
    parameters << SeedParameter{"J32", "0"};
    for (const QString &coordinate : without)
        parameters.removeIf([&](const SeedParameter &parameter) { return parameter.coordinate == coordinate; });
    seed(m_host->store(), parameters);
    for (int block = 0; block < blocks; ++block)
        set("J10", block, QStringLiteral("Satz %1").arg(block));
    m_host->addPages(QStringList(linkTargets.values()) << "SynchronBetrieb");
    m_host->setProperty("FahrsatzNummer", handOver);
    m_page = std::make_unique<Fahrsatz>();
    m_host->attach(m_page.get());
    m_page->resize(1000, 700);
    m_page->show();
}

void TestMotionBlockEditor::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestMotionBlockEditor::layoutContents_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QStringList>("links");
    const QStringList positioning = {"Begrenzung Drehmoment/Kraft", "Geschwindigkeits-Override", "Haltebremse"};
    const QStringList direction = positioning + QStringList{"Bewegungsrichtung"};
    const QStringList velocity = {"Externe Geschwindigkeit", "Begrenzung Drehmoment/Kraft", "Geschwindigkeits-Override"};
    const QStringList torque = {"Soll-Drehmoment/-Kraft, Geschwindigkeitsklammerung", "Begrenzung Drehmoment/Kraft",
                                "Geschwindigkeits-Override"};
    QTest::newRow("0") << "page_a" << "J10 J11 J452" << QStringList();
    QTest::newRow("1") << "page_b_a" << "J10 J11 J13 J14 J15 J16 J17 J25 J28 J24 J27 J452" << positioning;
    QTest::newRow("2") << "page_b_b" << "J10 J11 J13 J33 J14 J15 J16 J17 J25 J28 J24 J27 J452" << direction;
    QTest::newRow("3") << "page_c_a" << "J10 J11 J30 J14 J15 J16 J17 J25 J28 J452" << velocity;
    QTest::newRow("4") << "page_d" << "J10 J11 J16 J17 J25 J27 J452 J24"
                       << QStringList{"Begrenzung Drehmoment/Kraft", "Haltebremse"};
    QTest::newRow("5") << "page_e" << "J10 J11 I30 J25 J28 J24 J27 J452 J16 J17"
                       << QStringList{"Referenzierung", "Begrenzung Drehmoment/Kraft", "Geschwindigkeits-Override",
                                      "Haltebremse"};
    QTest::newRow("6") << "page_f_a" << "J10 J11 J32 J26 J25 J28 J452 J16 J17" << torque;
    QTest::newRow("7") << "page_g" << "J10 J11 J15 J16 J17 J25 J452" << QStringList{"Begrenzung Drehmoment/Kraft"};
    QTest::newRow("8") << "page_h" << "J10 J11 J15 J16 J17 J25 J28 J452"
                       << QStringList{"Begrenzung Drehmoment/Kraft", "Geschwindigkeits-Override"};
    QTest::newRow("9") << "page_i" << "J10 J11 J13 J20 J25 J452 J15 J16 J17" << QStringList{"Begrenzung Drehmoment/Kraft"};
    QTest::newRow("10") << "page" << "J10 J11 J13 J14 J15 J16 J17 J18 J21 J25 J28 J24 J27 J452" << positioning;
    QTest::newRow("11") << "page_2" << "J10 J11 J13 J33 J14 J15 J16 J17 J25 J28 J24 J27 J452 J18 J21" << direction;
    QTest::newRow("12") << "page_c_b" << "J10 J11 J30 J14 J15 J16 J17 J21 J25 J28 J452" << velocity;
    QTest::newRow("13") << "page_f_b" << "J10 J11 J21 J32 J26 J25 J28 J452 J16 J17" << torque;
}

// Every layout holds exactly its parameter pairs (choice boxes for selections) and links.
void TestMotionBlockEditor::layoutContents()
{
    QFETCH(QString, page);
    QFETCH(QString, parameters);
    QFETCH(QStringList, links);
    open(2);
    const QWidget *layout = stack()->widget(QString::fromLatin1(QTest::currentDataTag()).toInt());
    QCOMPARE(layout->objectName(), page);
    const QSet<QString> choices = {"J11", "J21", "J27", "J28", "J30", "J32", "J33", "I30"};
    QStringList labels, editors;
    for (QWidget *widget : layout->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<ParameterLabel *>(widget)) {
            labels << label->coordinate();
        } else if (auto *control = dynamic_cast<ParameterControl *>(widget)) {
            editors << control->coordinate();
            const bool choice = qobject_cast<ParameterChoiceComboBox *>(widget);
            QVERIFY2(choice == choices.contains(control->coordinate()), qPrintable(widget->objectName()));
        }
    }
    const QStringList expected = parameters.split(QLatin1Char(' '));
    QCOMPARE(labels, expected);
    QCOMPARE(editors, expected);
    QStringList shownLinks;
    for (ClickableLabel *link : layout->findChildren<ClickableLabel *>())
        shownLinks << link->text();
    QCOMPARE(shownLinks, QStringList{"Folgefahrsatz"} + links);
}

void TestMotionBlockEditor::layoutByCommand_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("j33");
    QTest::addColumn<QString>("i00");
    QTest::addColumn<bool>("j21");
    QTest::addColumn<QString>("page");
    for (int command : {-1, 0, 7, 10, 15})
        QTest::addRow("%d", command) << command << true << "1" << true << "page_a";
    QTest::newRow("1") << 1 << false << "1" << false << "page_b_a";
    QTest::newRow("1 J33 I00=0") << 1 << true << "0" << false << "page_b_a";
    QTest::newRow("1 J33 I00=1") << 1 << true << "1" << false << "page_b_b";
    QTest::newRow("2 J33 I00=1") << 2 << true << "1" << false << "page_b_a";
    QTest::newRow("3 J33 I00=1") << 3 << true << "1" << false << "page_b_a";
    QTest::newRow("1 J21") << 1 << false << "1" << true << "page";
    QTest::newRow("1 J33 I00=1 J21") << 1 << true << "1" << true << "page_2";
    QTest::newRow("2 J33 I00=1 J21") << 2 << true << "1" << true << "page";
    QTest::newRow("3 J21") << 3 << false << "0" << true << "page";
    for (int command : {4, 8}) {
        QTest::addRow("%d", command) << command << false << "0" << false << "page_c_a";
        QTest::addRow("%d J21", command) << command << false << "0" << true << "page_c_b";
    }
    for (int command : {5, 11}) {
        QTest::addRow("%d", command) << command << false << "0" << false << "page_d";
        QTest::addRow("%d J21", command) << command << true << "1" << true << "page_d";
    }
    QTest::newRow("6") << 6 << false << "0" << false << "page_e";
    QTest::newRow("6 J21") << 6 << false << "0" << true << "page_e";
    QTest::newRow("9") << 9 << false << "0" << false << "page_f_a";
    QTest::newRow("9 J21") << 9 << false << "0" << true << "page_f_b";
    QTest::newRow("12") << 12 << false << "0" << false << "page_g";
    QTest::newRow("13 J21") << 13 << false << "0" << true << "page_h";
    QTest::newRow("14 J33 J21") << 14 << true << "1" << true << "page_i";
}

void TestMotionBlockEditor::layoutByCommand()
{
    QFETCH(int, command);
    QFETCH(bool, j33);
    QFETCH(QString, i00);
    QFETCH(bool, j21);
    QFETCH(QString, page);
    QStringList without;
    if (!j33)
        without << "J33";
    if (!j21)
        without << "J21";
    open(3, without);
    set("I00", 0, i00);
    set("J11", 1, QString::number(command));
    m_host->setProperty("FahrsatzNummer", 1);
    m_page->hide();
    m_page->show();
    QCOMPARE(stack()->currentWidget()->objectName(), page);
    // Bound to block 1, except the parameters that hold one value for all blocks.
    for (QWidget *widget : stack()->currentWidget()->findChildren<QWidget *>()) {
        if (auto *control = dynamic_cast<ParameterControl *>(widget)) {
            const bool global = control->coordinate() == "I30" || control->coordinate() == "J32";
            QCOMPARE(control->index(), global ? 0u : 1u);
        }
    }
    QCOMPARE(child<QWidget>("FrameGrafikSynchronbetrieb")->isVisibleTo(m_page.get()), command >= 12 && command <= 14);
    // Block 0 keeps command 0: stepping there shows the empty layout again.
    m_page->decIndex();
    QCOMPARE(stack()->currentWidget()->objectName(), QStringLiteral("page_a"));
}

void TestMotionBlockEditor::j452FollowsG809()
{
    open(2, {"J21"});
    set("G809", 0, "0");
    set("J11", 0, "4");
    QCOMPARE(stack()->currentWidget()->objectName(), QStringLiteral("page_c_a"));
    const QList<QWidget *> pair = {child<QWidget>("paraLbl_J452_c_a"), child<QWidget>("paraTextEdit_J452_c_a")};
    for (QWidget *widget : pair)
        QVERIFY(widget->isHidden());
    set("G809", 0, "1");
    for (QWidget *widget : pair)
        QVERIFY(widget->isVisible());
}

void TestMotionBlockEditor::readOnlyRules_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("J08=2") << "J08" << "2" << 1 << "J25" << false;
    QTest::newRow("J08=1") << "J08" << "1" << 1 << "J25" << true;
    QTest::newRow("J08 missing") << "J08" << "" << 12 << "J25" << true;
    QTest::newRow("J30=1") << "J30" << "1" << 4 << "J14" << true;
    QTest::newRow("J30=0") << "J30" << "0" << 8 << "J14" << false;
    QTest::newRow("J30 missing") << "J30" << "" << 4 << "J14" << false;
    QTest::newRow("J32=0") << "J32" << "0" << 9 << "J26" << false;
    QTest::newRow("J32=2") << "J32" << "2" << 9 << "J26" << true;
    QTest::newRow("J32 missing") << "J32" << "" << 9 << "J26" << false;
    QTest::newRow("C243=1") << "C243" << "1" << 1 << "J33" << false;
    QTest::newRow("C243=0") << "C243" << "0" << 1 << "J33" << true;
}

void TestMotionBlockEditor::readOnlyRules()
{
    QFETCH(QString, rule);
    QFETCH(QString, value);
    QFETCH(int, command);
    QFETCH(QString, editor);
    QFETCH(bool, readOnly);
    open(3, value.isEmpty() ? QStringList{rule} : QStringList{});
    set("I00", 0, "1");
    if (!value.isEmpty())
        set(rule, rule == "J30" ? 2 : 0, value);
    set("J11", 2, QString::number(command));
    m_host->setProperty("FahrsatzNummer", 2);
    m_page->hide();
    m_page->show();
    ParameterControl *control = shownEditor(editor);
    QVERIFY(control);
    QCOMPARE(control->isReadonlyForced(), readOnly);
    QCOMPARE(control->index(), 2u);
}

void TestMotionBlockEditor::rulesFollowChanges()
{
    open(3);
    set("J11", 1, "4");
    m_page->incIndex();
    QCOMPARE(stack()->currentWidget()->objectName(), QStringLiteral("page_c_b"));
    set("J30", 0, "1");   // another block's source
    QVERIFY(!shownEditor("J14")->isReadonlyForced());
    set("J30", 1, "1");
    QVERIFY(shownEditor("J14")->isReadonlyForced());
    set("J08", 0, "0");
    QVERIFY(shownEditor("J25")->isReadonlyForced());
    // A new command for the block shown chooses its layout at once.
    set("J11", 1, "14");
    QCOMPARE(stack()->currentWidget()->objectName(), QStringLiteral("page_i"));
    QVERIFY(child<QWidget>("FrameGrafikSynchronbetrieb")->isVisible());
}

void TestMotionBlockEditor::stepping_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("shown");
    QTest::newRow("up") << "3" << "inc" << 4;
    QTest::newRow("up at the last block") << "9" << "inc" << 9;
    QTest::newRow("down") << "3" << "dec" << 2;
    QTest::newRow("down at 0") << "0" << "dec" << 0;
    QTest::newRow("down from beyond the count") << "20" << "dec" << 9;
    QTest::newRow("typed 99") << "99" << "take" << 9;
    QTest::newRow("typed -3") << "-3" << "take" << 0;
    QTest::newRow("typed text") << "vier" << "take" << 0;
}

void TestMotionBlockEditor::stepping()
{
    QFETCH(QString, start);
    QFETCH(QString, action);
    QFETCH(int, shown);
    open(10);
    set("J11", 9, "4");
    field()->setText(start);
    QMetaObject::invokeMethod(m_page.get(), qPrintable(action + "Index"));
    QCOMPARE(field()->text(), QString::number(shown));
    QCOMPARE(shownEditor("J10")->index(), unsigned(shown));
    QCOMPARE(dynamic_cast<QLineEdit *>(shownEditor("J10"))->text(), QStringLiteral("Satz %1").arg(shown));
    QCOMPARE(stack()->currentWidget()->objectName(), QLatin1String(shown == 9 ? "page_c_b" : "page_a"));
}

void TestMotionBlockEditor::noBlocks_data()
{
    QTest::addColumn<bool>("withoutJ10");
    QTest::newRow("count 0") << false;
    QTest::newRow("no J10") << true;
}

void TestMotionBlockEditor::noBlocks()
{
    QFETCH(bool, withoutJ10);
    open(0, withoutJ10 ? QStringList{"J10"} : QStringList{}, 4);
    for (const char *slot : {"incIndex", "decIndex", "takeIndex", "JumpToFollowBlock", "copyFromFahrsatz"})
        QMetaObject::invokeMethod(m_page.get(), slot);
    QCOMPARE(field()->text(), QString());
    for (const char *name : {"lineEditFahrsatznummer", "toolButtonLeft", "toolButtonRight", "toolButtonCopyFrom",
                             "stackedWidget"})
        QVERIFY2(!child<QWidget>(name)->isEnabled(), name);
    QVERIFY(m_host->calls({"jumpToPage"}).isEmpty());

    // Blocks appear (a count change elsewhere): the page opens on block 0 when shown again.
    if (withoutJ10)
        seed(m_host->store(), {{"J10", "Satz", 3, ParameterDataType::String}});
    else
        m_host->store().parameter(ParameterCoordinate("J10")).toStrongRef()->setElementCount(3);
    m_page->hide();
    m_page->show();
    QCOMPARE(field()->text(), QStringLiteral("0"));
    QVERIFY(child<QWidget>("stackedWidget")->isEnabled());
    QVERIFY(child<QWidget>("toolButtonCopyFrom")->isEnabled());
}

void TestMotionBlockEditor::handOver_data()
{
    QTest::addColumn<int>("handedOver");
    QTest::addColumn<int>("shown");
    QTest::newRow("block 4") << 4 << 4;
    QTest::newRow("none") << -1 << 0;
    QTest::newRow("beyond the count") << 25 << 9;
}

void TestMotionBlockEditor::handOver()
{
    QFETCH(int, handedOver);
    QFETCH(int, shown);
    open(10, {}, handedOver);
    QCOMPARE(field()->text(), QString::number(shown));
    QCOMPARE(shownEditor("J11")->index(), unsigned(shown));
    QCOMPARE(m_host->fahrsatzNummer(), -1);
    QCOMPARE(m_host->store().cyclicUpdates().size(), 2);
    QVERIFY(m_host->store().isCyclicUpdateOn("I00", livingSpace, 0));
    QVERIFY(m_host->store().isCyclicUpdateOn("C243", livingSpace, 0));
    // Shown again from the tree: the page keeps its block.
    m_page->hide();
    QVERIFY(m_host->store().cyclicUpdates().isEmpty());
    m_page->show();
    QCOMPARE(field()->text(), QString::number(shown));

    // The follow-up link hands the block on.
    m_host->addPage("Folgefahrsatz");
    m_host->clearCalls();
    m_page->JumpToFollowBlock();
    QCOMPARE(m_host->fahrsatzNummer(), shown);
    QCOMPARE(m_host->calls({"jumpToPage"}), QStringList{"jumpToPage(Folgefahrsatz)"});
}

void TestMotionBlockEditor::links()
{
    open(2);
    m_host->addPage("Folgefahrsatz");
    const auto labels = m_page->findChildren<ClickableLabel *>();
    QCOMPARE(labels.size(), 50);
    for (ClickableLabel *label : labels) {
        m_host->clearCalls();
        emit label->clicked();
        QCoreApplication::processEvents();
        QCOMPARE(m_host->calls({"jumpToPage"}), QStringList{"jumpToPage(" + linkTargets.value(label->text()) + ")"});
    }
    m_host->clearCalls();
    emit child<ActionWidget>("ActionWidgetSynchronbetrieb")->clicked();
    QCOMPARE(m_host->calls({"jumpToPage"}), QStringList{"jumpToPage(SynchronBetrieb)"});
}

void TestMotionBlockEditor::copy_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("source");
    QTest::newRow("block 2") << "ok" << 2;
    QTest::newRow("cancel") << "cancel" << -1;
    QTest::newRow("escape") << "reject" << -1;
}

void TestMotionBlockEditor::copy()
{
    QFETCH(QString, answer);
    QFETCH(int, source);
    open(6, {}, 5);
    for (const QString &coordinate : copiedCoordinates.mid(1)) {
        for (int block = 0; block < 6; ++block)
            set(coordinate, block, QString::number(block));
    }
    set("J11", 2, "9");
    set("J11", 5, "0");
    ModalWatcher watcher;
    QStringList entries;
    watcher.handleDialog([&](QDialog *dialog) {
        auto *combo = dialog->findChild<QComboBox *>("comboFahrsaetze");
        for (int index = 0; index < combo->count(); ++index)
            entries << combo->itemText(index);
        combo->setCurrentIndex(2);
        if (answer == "reject")
            dialog->reject();
        else
            dialog->findChild<QPushButton *>(answer == "ok" ? "pushButtonFahrsatzUebernehmenOK"
                                                             : "pushButtonFahrsatzUebernehmenCancel")
                ->click();
    });
    m_host->store().setRecordingWrites(true);
    child<QToolButton>("toolButtonCopyFrom")->click();

    QCOMPARE(watcher.titles(), QStringList{"Übernehmen von Fahrsatz"});
    QCOMPARE(entries.first(), QStringLiteral("0: Satz 0"));
    QCOMPARE(entries.size(), 6);
    QStringList written;
    for (const auto &write : m_host->store().writtenValues()) {
        QCOMPARE(write.element, 5);
        written << write.coordinate;
    }
    QCOMPARE(written, source < 0 ? QStringList() : copiedCoordinates);
    for (const QString &coordinate : copiedCoordinates)
        QCOMPARE(value(coordinate, 5), value(coordinate, source < 0 ? 5 : 2));
    QCOMPARE(value("J10", 4), QStringLiteral("Satz 4"));
    QCOMPARE(stack()->currentWidget()->objectName(), QLatin1String(source < 0 ? "page_a" : "page_f_b"));
    QCOMPARE(shownEditor("J10")->index(), 5u);
}

void TestMotionBlockEditor::copyLockedWhenReadOnly()
{
    open(3);
    m_host->setReadOnly(true);
    m_page->hide();
    m_page->show();
    QVERIFY(!child<QWidget>("toolButtonCopyFrom")->isEnabled());
    ModalWatcher watcher;
    m_page->copyFromFahrsatz();
    QVERIFY(watcher.seen().isEmpty());
}

QTEST_MAIN(TestMotionBlockEditor)
#include "tst_motionblockeditor.moc"
