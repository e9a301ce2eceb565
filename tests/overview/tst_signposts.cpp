#include "ActionWidget.h"
#include "AnalogOutput1.h"
#include "AnalogOutput2.h"
#include "ClickableLabel.h"
#include "DbmFeldbus.h"
#include "DbmQuellen.h"
#include "DbmUebersicht.h"
#include "OverviewTestSupport.h"
#include "ParameterLabel.h"
#include "ParameterTextEdit.h"

#include <QFrame>
#include <QStackedWidget>

#include <memory>

namespace {

const QString hoverStyle = QStringLiteral("QFrame:hover {background-color: rgba(255,255,0, 30%)}");

template <typename Widget = QWidget>
Widget *child(QWidget *page, const char *name)
{
    auto *widget = page->findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

} // namespace

class TestSignposts : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sourcesFollowMode_data();
    void sourcesFollowMode();
    void sourcesDeviceControlLink();
    void sourcesHiddenParameterStaysHidden();
    void sourcesLinks_data();
    void sourcesLinks();
    void fieldbusLinks_data();
    void fieldbusLinks();
    void binarySignalsFallback_data();
    void binarySignalsFallback();
    void fieldbusFollowsMode_data();
    void fieldbusFollowsMode();
    void fieldbusCiA402Link_data();
    void fieldbusCiA402Link();
    void overviewAreas_data();
    void overviewAreas();
    void analogOutputFieldbus_data();
    void analogOutputFieldbus();

private:
    template <typename Page>
    Page *attach(const QStringList &drive) { return m_fixture->attach<Page>(drive); }
    RecordingHost &host() { return m_fixture->host(); }

    std::unique_ptr<PageFixture> m_fixture;
};

void TestSignposts::init()
{
    m_fixture = std::make_unique<PageFixture>();
}

void TestSignposts::cleanup()
{
    m_fixture.reset();
}

void TestSignposts::sourcesFollowMode_data()
{
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<bool>("motionBlocks");
    QTest::newRow("K08 1") << QStringList{"K08=1"} << true;
    QTest::newRow("K08 0") << QStringList{"K08=0"} << false;
    QTest::newRow("K08 2") << QStringList{"K08=2"} << false;
    QTest::newRow("K08 missing") << QStringList{} << false;
}

void TestSignposts::sourcesFollowMode()
{
    QFETCH(QStringList, drive);
    QFETCH(bool, motionBlocks);
    auto *page = attach<DbmQuellen>(drive + QStringList{"C232", "C233", "J05"});
    page->show();

    for (const char *name : {"ClickLabelBinaersignaleFahrsatz", "ClickLabelBegrenzungDrehmKraftFahrsatz",
                             "ClickLabelFahrsatzauswahl", "ClickLabelSoftwareeingaenge", "ParaLabel_C232",
                             "ParaTextEdit_C232", "ParaLabel_C233", "ParaTextEdit_C233", "ParaLabel_J05",
                             "ParaTextEdit_J05"})
        QVERIFY2(child(page, name)->isVisible() == motionBlocks, name);
    for (const char *name : {"FrameLinkBinaersignaleFahrsatz", "FrameLinkBegrenzungDrehmKraftFahrsatz",
                             "FrameLinkFahrsatzauswahl", "FrameLinkSoftwareeingaenge"})
        QCOMPARE(child<QFrame>(page, name)->styleSheet(), motionBlocks ? hoverStyle : QString());
    // Links that do not depend on the mode stay.
    QVERIFY(child(page, "ClickLabelExterneGeschwindigkeit")->isVisible());

    if (!drive.isEmpty()) {
        host().store().setValue("K08", motionBlocks ? "3" : "1");
        QCOMPARE(child(page, "ClickLabelFahrsatzauswahl")->isVisible(), !motionBlocks);
    }
}

void TestSignposts::sourcesDeviceControlLink()
{
    for (bool a180 : {true, false}) {
        auto *page = attach<DbmQuellen>(a180 ? QStringList{"A180"} : QStringList{});
        page->show();
        QCOMPARE(child(page, "ClickLabelBinaersignaleGerSteuArdenic")->isVisible(), a180);
        QCOMPARE(child<QFrame>(page, "FrameLinkBinaersignaleGerSteuArdenic")->styleSheet(),
                 a180 ? hoverStyle : QString());
        host().store().remove("A180");
    }
}

// The drive's own hiding wins over the mode: the page only forces the controls hidden.
void TestSignposts::sourcesHiddenParameterStaysHidden()
{
    auto *page = attach<DbmQuellen>({"K08=0", "C232!", "C233", "J05"});
    page->show();
    for (const char *name : {"ParaLabel_C232", "ParaTextEdit_C232", "ParaLabel_C233", "ParaTextEdit_J05"})
        QVERIFY2(dynamic_cast<ParameterControl *>(child(page, name))->isHiddenForced(), name);
    host().store().setValue("K08", "1");
    QVERIFY(!child(page, "ParaTextEdit_C232")->isVisible());
    QVERIFY(!child(page, "ParaLabel_C232")->isVisible());
    QVERIFY(child(page, "ParaTextEdit_C233")->isVisible());
    QVERIFY(child(page, "ParaTextEdit_J05")->isVisible());
    QVERIFY(!dynamic_cast<ParameterControl *>(child(page, "ParaTextEdit_J05"))->isHiddenForced());
}

void TestSignposts::sourcesLinks_data()
{
    addTargetRows({
        {"ClickLabelBinaersignaleApplikation", "DbmSrcBinSignals"},
        {"ClickLabelBewegungsrichtung", "DbmSrcDirection"},
        {"ClickLabelBinaersignaleGerSteuArdenic", "QuelleBinSigArdenic"},
        {"ClickLabelBegrenzungDrehmKraftApplikation", "DbmSrcTrqForce"},
        {"ClickLabelExterneGeschwindigkeit", "DbmQuelleExterneGeschwindigkeit"},
        {"ClickLabelExtZusatzgeschwindigkeit", "DbmQuelleExtZusatzGeschwindigkeit"},
        {"ClickLabelGeschwOverride", "DbmQuelleGeschwOverride"},
        {"ClickLabelSollDrehmKraftGeschwKlammerung", "DbmQuelleDrehmKraftGeschwKlammerung"},
        {"ClickLabelBinaersignaleFahrsatz", "DbmMotionBlockBinSignals"},
        {"ClickLabelBegrenzungDrehmKraftFahrsatz", "DbmMotionBlockTrqForce"},
        {"ClickLabelFahrsatzauswahl", "DbmMotionBlockSelect"},
        {"ClickLabelSoftwareeingaenge", "DbmSrcCtrlFollowMotionBlock"},
    });
}

void TestSignposts::sourcesLinks()
{
    QFETCH(QString, area);
    QFETCH(QString, target);
    auto *page = attach<DbmQuellen>({"K08=1", "A180"});
    page->initialUpdate();
    host().addPages({target, "SignalquellenBinaer"});
    auto *label = child<ClickableLabel>(page, qPrintable(area));
    QCOMPARE(jumpOutcome(host(), [label] { emit label->clicked(); }), "jumpToPage(" + target + ")");
}

void TestSignposts::fieldbusLinks_data()
{
    addTargetRows({
        {"ClickLabelApplikation", "DbmSteuerStatus"},
        {"ClickLabelGeraetesteuerungArdenic", "SteuerStatusArdenic"},
        {"ClickLabelCiA402", "SteuerStatusCiA402"},
        {"ClickLabelStatuswort2", "Statuswort2"},
        {"ClickLabelStatuswortAnwender", "UserStatuswort"},
        {"ClickLabelFahrsatz", "SteuerStatusFahrsatz"},
    });
}

void TestSignposts::fieldbusLinks()
{
    QFETCH(QString, area);
    QFETCH(QString, target);
    auto *page = attach<DbmFeldbus>({"K08=1"});
    page->initialUpdate();
    host().addPage(target);
    auto *label = child<ClickableLabel>(page, qPrintable(area));
    QCOMPARE(jumpOutcome(host(), [label] { emit label->clicked(); }), "jumpToPage(" + target + ")");
}

void TestSignposts::binarySignalsFallback_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("application page") << QStringList{"DbmSrcBinSignals", "SignalquellenBinaer"} << QStringList{}
                                      << "jumpToPage(DbmSrcBinSignals)";
    QTest::newRow("application page hidden") << QStringList{"SignalquellenBinaer"}
                                             << QStringList{"DbmSrcBinSignals"}
                                             << "Assistentenseite ist aktuell ausgeblendet.";
    QTest::newRow("device page") << QStringList{"SignalquellenBinaer"} << QStringList{}
                                 << "jumpToPage(SignalquellenBinaer)";
    QTest::newRow("device page hidden") << QStringList{} << QStringList{"SignalquellenBinaer"}
                                        << "Assistentenseite ist aktuell ausgeblendet.";
    QTest::newRow("neither") << QStringList{} << QStringList{} << "Assistentenseite fehlt in der Baum-Definition.";
}

void TestSignposts::binarySignalsFallback()
{
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QFETCH(QString, outcome);
    auto *page = attach<DbmQuellen>({});
    host().addPages(shown);
    host().addPages(hidden, false);
    auto *link = child<ClickableLabel>(page, "ClickLabelBinaersignaleApplikation");
    QCOMPARE(jumpOutcome(host(), [link] { emit link->clicked(); }), outcome);
}

void TestSignposts::fieldbusFollowsMode_data()
{
    QTest::addColumn<QString>("k08");
    QTest::addColumn<bool>("motionBlocks");
    QTest::newRow("motion blocks") << "1" << true;
    QTest::newRow("velocity") << "2" << false;
    QTest::newRow("outside the table") << "9" << false;
}

void TestSignposts::fieldbusFollowsMode()
{
    QFETCH(QString, k08);
    QFETCH(bool, motionBlocks);
    // Right from the start, before the page is shown or K08 changes.
    auto *page = attach<DbmFeldbus>({"K08=" + k08, "J01", "J02", "J300", "J302"});
    QCOMPARE(child(page, "FrameLinkClickLabelQuellen_Fahrsatz")->isVisibleTo(page), motionBlocks);
    for (const char *name : {"ParaLabel_J01", "ParaTextEdit_J01", "ParaLabel_J02", "ParaTextEdit_J02",
                             "ParaLabel_J300", "ParaTextEdit_J300", "ParaLabel_J302", "ParaTextEdit_J302"}) {
        auto *control = dynamic_cast<ParameterControl *>(child(page, name));
        QVERIFY2(control->isHiddenForced() == !motionBlocks, name);
        QVERIFY2(child(page, name)->isVisibleTo(page) == motionBlocks, name);
    }

    host().store().setValue("K08", motionBlocks ? "2" : "1");
    QCOMPARE(child(page, "FrameLinkClickLabelQuellen_Fahrsatz")->isVisibleTo(page), !motionBlocks);
    QCOMPARE(child(page, "ParaTextEdit_J300")->isVisibleTo(page), !motionBlocks);
}

void TestSignposts::fieldbusCiA402Link_data()
{
    QTest::addColumn<int>("tree"); // 0 absent, 1 hidden, 2 visible
    QTest::newRow("absent") << 0;
    QTest::newRow("hidden") << 1;
    QTest::newRow("visible") << 2;
}

void TestSignposts::fieldbusCiA402Link()
{
    QFETCH(int, tree);
    if (tree > 0)
        host().addPage("SteuerStatusCiA402", tree == 2);
    auto *page = attach<DbmFeldbus>({"K08=1"});
    page->show();
    QCOMPARE(child(page, "ClickLabelCiA402")->isVisible(), tree == 2);
    QCOMPARE(child<QFrame>(page, "FrameLinkClickLabelQuellen_CiA")->styleSheet(), tree == 2 ? hoverStyle : QString());
}

void TestSignposts::overviewAreas_data()
{
    addTargetRows({
        {"ActionWidgetToSteuerwort", "SteuerStatusCiA402"},  {"ActionWidgetToStatuswort", "SteuerStatusCiA402"},
        {"ActionWidgetToSollwerte", "CBMSollUndIstwerte"},   {"ActionWidgetToIstwerte", "CBMSollUndIstwerte"},
        {"ActionWidgetToSignalquellenBinaer", "SignalquellenBinaer"},
        {"ActionWidgetToCiAObjekte1", "CiA402Objekte"},      {"ActionWidgetToCiAObjekte2", "CiA402Objekte2"},
        {"ActionWidgetToStatuswort2", "Statuswort2"},        {"ActionWidgetToStatuswortUser", "UserStatuswort"},
    });
}

void TestSignposts::overviewAreas()
{
    QFETCH(QString, area);
    QFETCH(QString, target);
    auto *page = attach<DbmUebersicht>({});
    // A repeated initial update must not make one click jump twice.
    page->initialUpdate();
    host().addPage(target);
    auto *widget = page->findChild<ActionWidget *>(area);
    QCOMPARE(jumpOutcome(host(), [widget] { emit widget->clicked(); }), "jumpToPage(" + target + ")");
}

void TestSignposts::analogOutputFieldbus_data()
{
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("fieldbus");
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<int>("picture");
    for (int output : {1, 2}) {
        const QByteArray prefix = "output " + QByteArray::number(output) + ", ";
        QTest::newRow(prefix + "EtherCAT") << output << int(eFieldbusEtherCAT) << "A255" << 0;
        QTest::newRow(prefix + "PROFINET") << output << int(eFieldbusPROFINET) << "A271" << 1;
        QTest::newRow(prefix + "CANopen") << output << int(eFieldbusCANopen) << "A246" << 2;
        QTest::newRow(prefix + "EtherNet/IP") << output << int(eFieldbusEtherNetIP) << "A150" << 0;
        QTest::newRow(prefix + "none") << output << int(eFieldbusNone) << "A150" << 0;
    }
}

void TestSignposts::analogOutputFieldbus()
{
    QFETCH(int, output);
    QFETCH(int, fieldbus);
    QFETCH(QString, coordinate);
    QFETCH(int, picture);
    host().setFieldbusType(eFieldbusType(fieldbus));
    const QStringList drive = {"A150=1", "A255=2", "A271=3", "A246=4"};
    QWidget *page = output == 1 ? static_cast<QWidget *>(attach<AnalogOutput1>(drive))
                                : static_cast<QWidget *>(attach<AnalogOutput2>(drive));
    auto *label = child<ParameterLabel>(page, "parameterLabel_A");
    auto *editor = child<ParameterTextEdit>(page, "parameterTextEdit_A");
    QCOMPARE(label->coordinate(), coordinate);
    QCOMPARE(editor->coordinate(), coordinate);
    // The editor shows the bound parameter's value.
    QCOMPARE(editor->text(), host().store().value(coordinate));
    QCOMPARE(child<QStackedWidget>(page, "stackedWidget_2")->currentIndex(), picture);
}

QTEST_MAIN(TestSignposts)
#include "tst_signposts.moc"
