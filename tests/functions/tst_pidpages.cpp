#include "LedWidget.h"
#include "ModalWatcher.h"
#include "OpenPage.h"
#include "ParameterControl.h"
#include "PidIstwert.h"
#include "PidRegler.h"
#include "PidSollwert.h"
#include "RecordingHost.h"
#include "SrcDisablePidRegler.h"
#include "StoreSeed.h"

#include <QStackedWidget>
#include <QTest>

#include <memory>

// The PID controller and its source pages: status LED, layouts by firmware, drive family
// and selector, the indirectly shown source, and where each area leads.
class TestPidPages : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void statusLed_data();
    void statusLed();
    void controllerLayout_data();
    void controllerLayout();
    void sourceLayout_data();
    void sourceLayout();
    void indirectSource_data();
    void indirectSource();
    void deactivationLayout_data();
    void deactivationLayout();
    void links_data();
    void links();

private:
    template<typename Page>
    Page *open()
    {
        return openPage<Page>(*m_host, m_page);
    }
    QWidget *open(const QString &identifier)
    {
        if (identifier == "PidRegler")
            return open<PidRegler>();
        if (identifier == "PidSollwert")
            return open<PidSollwert>();
        if (identifier == "PidIstwert")
            return open<PidIstwert>();
        return open<SrcDisablePidRegler>();
    }
    void set(const QString &coordinate, const QString &value)
    {
        QVERIFY2(m_host->store().setValue(coordinate, 1, 0, value), qPrintable(m_host->store().lastWriteError()));
    }
    int stackPage() const { return m_page->findChild<QStackedWidget *>("stackedWidget")->currentIndex(); }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<QWidget> m_page;
};

void TestPidPages::init()
{
    m_host = std::make_unique<RecordingHost>();
    seed(m_host->store(),
        {{"G17", "0", 1, ParameterDataType::UInt8}, {"G32", "0", 1, ParameterDataType::UInt8},
            {"G456", "0", 1, ParameterDataType::Real32}, {"G457", "0", 1, ParameterDataType::Real32},
            {"G815", "G270", 1, ParameterDataType::Address}, {"G816", "G271", 1, ParameterDataType::Address},
            {"G270", "0", 1, ParameterDataType::Real32}, {"G271", "0", 1, ParameterDataType::Real32},
            {"E19", "0", 8, ParameterDataType::UInt16}, {"E57", "QX4A", 1, ParameterDataType::String}});
}

void TestPidPages::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestPidPages::statusLed_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("g17");
    QTest::addColumn<bool>("lit");
    QTest::newRow("online, active") << true << false << "1" << true;
    QTest::newRow("online, inactive") << true << false << "0" << false;
    QTest::newRow("offline read-only, active") << false << true << "1" << true;
    QTest::newRow("offline editable ignores the value") << false << false << "1" << false;
    QTest::newRow("online, G17 missing") << true << false << "" << false;
}

void TestPidPages::statusLed()
{
    QFETCH(bool, online);
    QFETCH(bool, readOnly);
    QFETCH(QString, g17);
    QFETCH(bool, lit);
    m_host->setOnline(online);
    m_host->setReadOnly(readOnly);
    if (g17.isEmpty())
        m_host->store().remove("G17");
    else
        set("G17", g17);
    open<PidRegler>();
    QCOMPARE(m_page->findChild<LedWidget *>("LedWidgetG17")->isOn(), lit);
    QCOMPARE(m_page->findChild<LedWidget *>("LedWidgetG17_2")->isOn(), lit);
    if (!g17.isEmpty() && online) {
        // The LED follows the drive.
        set("G17", lit ? "0" : "1");
        QCOMPARE(m_page->findChild<LedWidget *>("LedWidgetG17")->isOn(), !lit);
    }
}

void TestPidPages::controllerLayout_data()
{
    QTest::addColumn<bool>("feedforward");
    QTest::addColumn<int>("page");
    QTest::newRow("firmware with G456") << true << 1;
    QTest::newRow("firmware without G456") << false << 0;
}

void TestPidPages::controllerLayout()
{
    QFETCH(bool, feedforward);
    QFETCH(int, page);
    if (!feedforward)
        m_host->store().remove("G456");
    open<PidRegler>();
    QCOMPARE(stackPage(), page);
}

void TestPidPages::sourceLayout_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("module");
    QTest::addColumn<bool>("optional");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("inputs");   // analog-input areas of the shown layout
    QTest::newRow("KM2 with QX4A") << "PidSollwert" << 3 << "QX4A" << true << 1 << "123";
    QTest::newRow("KM2 with QX4A, old firmware") << "PidSollwert" << 3 << "QX4A" << false << 0 << "123";
    QTest::newRow("KM2 with another module") << "PidSollwert" << 3 << "QX2" << true << 3 << "";
    QTest::newRow("KQ2 with QZ4A") << "PidIstwert" << 8 << "QZ4A" << false << 0 << "123";
    QTest::newRow("KQ2 without module") << "PidIstwert" << 8 << "" << true << 5 << "3";
    QTest::newRow("KQ2 with QX4A") << "PidSollwert" << 8 << "QX4A" << false << 4 << "3";
    QTest::newRow("KN2") << "PidIstwert" << 4 << "QX4A" << true << 3 << "";
    QTest::newRow("unknown device") << "PidSollwert" << 0 << "QZ4A" << false << 2 << "";
}

void TestPidPages::sourceLayout()
{
    QFETCH(QString, identifier);
    QFETCH(int, device);
    QFETCH(QString, module);
    QFETCH(bool, optional);
    QFETCH(int, page);
    QFETCH(QString, inputs);
    m_host->setDeviceType(eDeviceType(device));
    set("E57", module);
    // PidSollwert's optional parameter is G456, PidIstwert's G457.
    if (!optional)
        m_host->store().remove(identifier == "PidSollwert" ? "G456" : "G457");
    open(identifier);
    QCOMPARE(stackPage(), page);
    QWidget *shown = m_page->findChild<QStackedWidget *>("stackedWidget")->currentWidget();
    QString areas;
    for (const char *input : {"1", "2", "3"}) {
        if (shown->findChild<QWidget *>(QStringLiteral("ActionWidgetAE%1_").arg(input) + shown->objectName().mid(5)))
            areas += input;
    }
    QCOMPARE(areas, inputs);
}

void TestPidPages::indirectSource_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("shown");   // coordinate, element and living space, or empty
    QTest::newRow("plain") << "PidSollwert" << "G271" << "G271.0@0";
    QTest::newRow("axis and element") << "PidIstwert" << "1:E19.3" << "E19.3@2";
    QTest::newRow("unknown parameter") << "PidSollwert" << "Z12" << "";
    QTest::newRow("element beyond the array") << "PidIstwert" << "E19.999" << "";
    QTest::newRow("no address") << "PidIstwert" << "not an address" << "";
    QTest::newRow("empty") << "PidSollwert" << "" << "";
    QTest::newRow("address parameter missing") << "PidIstwert" << "-" << "";
}

void TestPidPages::indirectSource()
{
    QFETCH(QString, identifier);
    QFETCH(QString, address);
    QFETCH(QString, shown);
    const QString coordinate = identifier == "PidSollwert" ? "G815" : "G816";
    // The drive refuses such a text for an address parameter; a text parameter carries it.
    if (address == "not an address")
        seed(m_host->store(), {{coordinate, address, 1, ParameterDataType::String}});
    open(identifier);
    // Changing the address while shown re-binds the pair of the shown layout only.
    if (address == "-") {
        m_host->store().remove(coordinate);
        m_page->hide();
        m_page->show();
    } else if (address != "not an address") {
        set(coordinate, address);
    }
    const QString layout = m_page->findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName().mid(5);
    QStringList visible;
    for (QWidget *widget : m_page->findChildren<QWidget *>()) {
        if (dynamic_cast<ParameterControl *>(widget) && widget->objectName().contains("Indirekt_") && !widget->isHidden())
            visible << widget->objectName();
    }
    if (shown.isEmpty()) {
        QCOMPARE(visible, QStringList());
        return;
    }
    visible.sort();
    QCOMPARE(visible, QStringList({"ParaLabel" + coordinate + "Indirekt_" + layout, "ParaTextEdit" + coordinate + "Indirekt_" + layout}));
    auto *editor = dynamic_cast<ParameterControl *>(m_page->findChild<QWidget *>("ParaTextEdit" + coordinate + "Indirekt_" + layout));
    QVERIFY(editor);
    QCOMPARE(QStringLiteral("%1.%2@%3").arg(editor->coordinate()).arg(editor->index()).arg(int(editor->livingSpace())), shown);
}

void TestPidPages::deactivationLayout_data()
{
    QTest::addColumn<QString>("g32");
    QTest::addColumn<int>("page");
    QTest::newRow("by parameters") << "1" << 1;
    QTest::newRow("by inputs") << "0" << 0;
    QTest::newRow("missing") << "" << 0;
}

void TestPidPages::deactivationLayout()
{
    QFETCH(QString, g32);
    QFETCH(int, page);
    if (g32.isEmpty())
        m_host->store().remove("G32");
    else
        set("G32", g32);
    open<SrcDisablePidRegler>();
    QCOMPARE(stackPage(), page);
    if (!g32.isEmpty()) {
        set("G32", page ? "0" : "1");
        QCOMPARE(stackPage(), 1 - page);
    }
}

void TestPidPages::links_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("hiddenText");
    const QString plain = "Assistentenseite ist aktuell ausgeblendet.";
    const QString inputs = plain + "<br>Möglicherweise sind keine Analogeingänge projektiert.";
    QTest::newRow("controller: set value") << "PidRegler" << "ActionWidgetPidSollwert" << "PidSollwert" << plain;
    QTest::newRow("controller: actual value") << "PidRegler" << "ActionWidgetPidIstwert_2" << "PidIstwert" << plain;
    QTest::newRow("controller: preset") << "PidRegler" << "ActionWidgetG14" << "SrcDisablePidRegler" << plain;
    QTest::newRow("controller: deactivation") << "PidRegler" << "ActionWidgetG20" << "SrcDisablePidRegler" << plain;
    QTest::newRow("set value: input 1") << "PidSollwert" << "ActionWidgetAE1_KM2_a" << "AE1Skalierung" << inputs;
    QTest::newRow("set value: input 2") << "PidSollwert" << "ActionWidgetAE2_KM2_b" << "AE2Skalierung" << inputs;
    QTest::newRow("actual value: input 3") << "PidIstwert" << "ActionWidgetAE3_KQ2_a" << "AE3Skalierung" << inputs;
    QTest::newRow("actual value: controller") << "PidIstwert" << "ActionWidgetPidRegler_KN2KP2_b" << "PidRegler" << plain;
    QTest::newRow("sources: controller") << "SrcDisablePidRegler" << "ActionWidgetPidRegler_2" << "PidRegler" << plain;
    QTest::newRow("sources: inputs") << "SrcDisablePidRegler" << "ActionWidgetE19_1" << "EinAusgaenge" << plain;
}

void TestPidPages::links()
{
    QFETCH(QString, identifier);
    QFETCH(QString, area);
    QFETCH(QString, target);
    QFETCH(QString, hiddenText);
    open(identifier);
    QObject *clickable = m_page->findChild<QObject *>(area);
    QVERIFY(clickable);
    ModalWatcher watcher;
    m_host->addPage(target, true);
    QMetaObject::invokeMethod(clickable, "clicked");
    QCOMPARE(m_host->calls({"jumpToPage"}), QStringList{"jumpToPage(" + target + ")"});
    m_host->addPage(target, false);
    watcher.answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(clickable, "clicked");
    QCOMPARE(watcher.texts(), QStringList{hiddenText});
    QCOMPARE(m_host->calls({"jumpToPage"}).size(), 1);
}

QTEST_MAIN(TestPidPages)
#include "tst_pidpages.moc"
