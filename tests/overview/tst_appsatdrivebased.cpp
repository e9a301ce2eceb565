#include "ActionWidget.h"
#include "AppSatDriveBased.h"
#include "OverviewTestSupport.h"
#include "SvgWidget.h"
#include "WizardGlobal.h"

#include <QLabel>
#include <QRadioButton>

class TestAppSatDriveBased : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void radioFollowsK08_data();
    void radioFollowsK08();
    void radioWritesK08_data();
    void radioWritesK08();
    void readOnlyDisablesModeChoice();
    void diagramLabelsSized();
    void diagramByDevice_data();
    void diagramByDevice();
    void areaTargets_data();
    void areaTargets();
    void fieldbusLink_data();
    void fieldbusLink();
    void additionalFunctionsLink_data();
    void additionalFunctionsLink();

private:
    QRadioButton *radio(const QString &name) const { return m_page->findChild<QRadioButton *>(name); }
    QString checkedRadio() const;

    RecordingHost *m_host = nullptr;
    AppSatDriveBased *m_page = nullptr;
};

void TestAppSatDriveBased::init()
{
    m_host = new RecordingHost;
    m_page = new AppSatDriveBased;
    m_page->resize(1000, 700);
}

void TestAppSatDriveBased::cleanup()
{
    delete m_page;
    delete m_host;
}

QString TestAppSatDriveBased::checkedRadio() const
{
    QStringList checked;
    for (QRadioButton *button : m_page->findChildren<QRadioButton *>()) {
        if (button->isChecked())
            checked << button->objectName();
    }
    return checked.join(QLatin1Char(' '));
}

void TestAppSatDriveBased::radioFollowsK08_data()
{
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<QString>("checked");
    QTest::newRow("1") << QStringList{"K08=1"} << "RadioButtonFahrsatzbetrieb";
    QTest::newRow("2") << QStringList{"K08=2"} << "RadioButtonGeschwindigkeitsbetrieb";
    QTest::newRow("3") << QStringList{"K08=3"} << "RadioButtonKommandobetrieb";
    QTest::newRow("0") << QStringList{"K08=0"} << "RadioButtonKommandobetrieb";
    QTest::newRow("7") << QStringList{"K08=7"} << "RadioButtonKommandobetrieb";
    QTest::newRow("-2") << QStringList{"K08=-2"} << "RadioButtonKommandobetrieb";
    QTest::newRow("missing") << QStringList{} << "RadioButtonFahrsatzbetrieb";
}

void TestAppSatDriveBased::radioFollowsK08()
{
    QFETCH(QStringList, drive);
    QFETCH(QString, checked);
    seedDrive(m_host->store(), drive);
    m_host->store().setRecordingWrites(true);
    m_host->attach(m_page);
    m_page->show();
    QCOMPARE(checkedRadio(), checked);
    // Showing the mode does not write it back, not even a value outside the table.
    QCOMPARE(writesOf(m_host->store()), QStringList());

    if (!drive.isEmpty()) {
        m_host->store().setValue("K08", "2");
        QCOMPARE(checkedRadio(), QStringLiteral("RadioButtonGeschwindigkeitsbetrieb"));
    }
}

void TestAppSatDriveBased::radioWritesK08_data()
{
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("writes");

    // Unchecking the old button and checking the new one both write the new mode.
    QTest::newRow("command to motion block") << QStringList{"K08=3"} << QStringList{"RadioButtonFahrsatzbetrieb"}
                                             << QStringList{"K08.0=1", "K08.0=1"};
    QTest::newRow("outside the table to velocity and command")
        << QStringList{"K08=0"} << QStringList{"RadioButtonGeschwindigkeitsbetrieb", "RadioButtonKommandobetrieb"}
        << QStringList{"K08.0=2", "K08.0=2", "K08.0=3", "K08.0=3"};
    // K08 outside the table shows the command button checked; clicking it chooses command mode.
    QTest::newRow("checked command button, K08 outside the table")
        << QStringList{"K08=7"} << QStringList{"RadioButtonKommandobetrieb"} << QStringList{"K08.0=3"};
    QTest::newRow("checked command button, K08 0, twice")
        << QStringList{"K08=0"} << QStringList{"RadioButtonKommandobetrieb", "RadioButtonKommandobetrieb"}
        << QStringList{"K08.0=3"};
    QTest::newRow("checked command button, K08 3") << QStringList{"K08=3"} << QStringList{"RadioButtonKommandobetrieb"}
                                                   << QStringList{};
    QTest::newRow("checked motion block button") << QStringList{"K08=1"} << QStringList{"RadioButtonFahrsatzbetrieb"}
                                                 << QStringList{};
    QTest::newRow("without K08") << QStringList{} << QStringList{"RadioButtonKommandobetrieb"} << QStringList{};
}

void TestAppSatDriveBased::radioWritesK08()
{
    QFETCH(QStringList, drive);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, writes);
    seedDrive(m_host->store(), drive);
    m_host->attach(m_page);
    m_page->show();
    m_host->store().setRecordingWrites(true);
    for (const QString &name : clicks)
        radio(name)->click();
    QCOMPARE(writesOf(m_host->store()), writes);
    QCOMPARE(checkedRadio(), clicks.last());
}

void TestAppSatDriveBased::diagramLabelsSized()
{
    m_host->attach(m_page);
    for (const char *name : {"LblSteuertafel", "LblQuelle", "LblFahrsatzbetrieb", "LblFeldbus"})
        QCOMPARE(m_page->findChild<QLabel *>(QLatin1String(name))->font().pixelSize(), WizardGlobal::DiagramLabelPixelSize);
}

void TestAppSatDriveBased::readOnlyDisablesModeChoice()
{
    seedDrive(m_host->store(), {"K08=1"});
    m_host->addPage("DbmQuellen");
    m_host->attach(m_page);
    const QStringList radios = {"RadioButtonFahrsatzbetrieb", "RadioButtonGeschwindigkeitsbetrieb",
                                "RadioButtonKommandobetrieb"};
    for (bool readOnly : {true, false, true}) {
        m_host->setReadOnly(readOnly);
        m_page->show();
        for (const QString &name : radios)
            QCOMPARE(radio(name)->isEnabled(), !readOnly);
        m_page->hide();
    }
    // The links still work.
    m_page->show();
    const QString outcome = jumpOutcome(*m_host, [this] {
        emit m_page->findChild<ActionWidget *>("ActionWidgetQuelle")->clicked();
    });
    QCOMPARE(outcome, QStringLiteral("jumpToPage(DbmQuellen)"));
}

void TestAppSatDriveBased::diagramByDevice_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("diagram");
    QTest::addColumn<bool>("scaling");
    QTest::newRow("KM2") << int(eDeviceTypeKM2) << ":/Brevane/Resources/DbmApplikationKM2_800_440.svg" << true;
    QTest::newRow("KQ2") << int(eDeviceTypeKQ2) << ":/Brevane/Resources/DbmApplikationKN2_KP2_800_440.svg" << false;
    QTest::newRow("KN2") << int(eDeviceTypeKN2) << ":/Brevane/Resources/DbmApplikationKN2_KP2_800_440.svg" << false;
    QTest::newRow("unknown") << int(eDeviceTypeUnknown) << ":/Brevane/Resources/DbmApplikationKN2_KP2_800_440.svg"
                             << false;
}

void TestAppSatDriveBased::diagramByDevice()
{
    QFETCH(int, device);
    QFETCH(QString, diagram);
    QFETCH(bool, scaling);
    m_host->attach(m_page);
    m_host->setDeviceType(eDeviceType(device));
    m_page->show();
    QCOMPARE(m_page->findChild<SvgWidget *>("svgWidget")->fileName(), diagram);
    QCOMPARE(m_page->findChild<ActionWidget *>("ActionWidgetSkalierung")->isVisible(), scaling);
    QCOMPARE(m_page->findChild<QLabel *>("LblSkalierung")->isVisible(), scaling);
}

void TestAppSatDriveBased::areaTargets_data()
{
    addTargetRows({
        {"ActionWidgetFahrsatzbetriebGrafik", "Fahrsatzbetrieb"},
        {"ActionWidgetFahrsatzbetriebLabel", "Fahrsatzbetrieb"},
        {"ActionWidgetKommandobetriebGrafik", "DbmKommando"},
        {"ActionWidgetKommandobetriebLabel", "DbmKommando"},
        {"ActionWidgetGeschwindigkeitsbetriebGrafik", "DbmGeschwDrehmKraft"},
        {"ActionWidgetGeschwindigkeitsbetriebLabel", "DbmGeschwDrehmKraft"},
        {"ActionWidgetTipbetrieb", "DbmTipbetrieb"},
        {"ActionWidgetSteuertafelApplikationGrafik", "SteuertafelApplikation"},
        {"ActionWidgetSteuertafelPlcopenGrafik", "SteuertafelPLCopen"},
        {"ActionWidgetSteuertafelTippenGrafik", "SteuertafelTippen"},
        {"ActionWidgetSteuertafelGeschwMode", "SteuertafelGeschwDrehmKraft"},
        {"ActionWidgetQuelle", "DbmQuellen"},
        {"ActionWidgetSkalierung", "SkalierungAEs"},
        {"ActionWidgetLinkMotionKern", "AntriebBeobPosiKern1"},
    });
}

void TestAppSatDriveBased::areaTargets()
{
    QFETCH(QString, area);
    QFETCH(QString, target);
    m_host->attach(m_page);
    auto *widget = m_page->findChild<ActionWidget *>(area);
    QVERIFY(widget);

    m_host->addPage(target);
    QCOMPARE(jumpOutcome(*m_host, [widget] { emit widget->clicked(); }), "jumpToPage(" + target + ")");

    // Only the scaling link explains a hidden page with the analog inputs.
    m_host->addPage(target, false);
    const QString hidden = jumpOutcome(*m_host, [widget] { emit widget->clicked(); });
    QCOMPARE(hidden.contains(QStringLiteral("Analogeingänge")), target == QStringLiteral("SkalierungAEs"));
}

void TestAppSatDriveBased::fieldbusLink_data()
{
    QTest::addColumn<int>("fieldbus");
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("outcome");

    const QStringList all = {"EtherCatStartseite", "ProfinetStartseite", "CanOpen", "EthernetIPStart"};
    const QString missing = QStringLiteral("Assistentenseite fehlt in der Baum-Definition.");
    QTest::newRow("EtherCAT") << int(eFieldbusEtherCAT) << all << "jumpToPage(EtherCatStartseite)";
    QTest::newRow("PROFINET") << int(eFieldbusPROFINET) << all << "jumpToPage(ProfinetStartseite)";
    QTest::newRow("CANopen") << int(eFieldbusCANopen) << all << "jumpToPage(CanOpen)";
    QTest::newRow("EtherNet/IP") << int(eFieldbusEtherNetIP) << all << "jumpToPage(EthernetIPStart)";
    QTest::newRow("EtherCAT, no start page") << int(eFieldbusEtherCAT) << all.mid(1) << missing;
    QTest::newRow("CANopen, no start page") << int(eFieldbusCANopen) << QStringList{"EtherCatStartseite"} << missing;
    QTest::newRow("no fieldbus") << int(eFieldbusNone) << all << missing;
}

void TestAppSatDriveBased::fieldbusLink()
{
    QFETCH(int, fieldbus);
    QFETCH(QStringList, tree);
    QFETCH(QString, outcome);
    m_host->attach(m_page);
    m_host->setFieldbusType(eFieldbusType(fieldbus));
    m_host->addPages(tree);
    QCOMPARE(jumpOutcome(*m_host, [this] { m_page->JumpToFeldbus(); }), outcome);
}

void TestAppSatDriveBased::additionalFunctionsLink_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("newer page") << QStringList{"DbmZusatzfunktionenV2", "DbmZusatzfunktionen"} << QStringList{}
                                << "jumpToPage(DbmZusatzfunktionenV2)";
    QTest::newRow("newer page hidden, no fallback") << QStringList{"DbmZusatzfunktionen"}
                                                    << QStringList{"DbmZusatzfunktionenV2"}
                                                    << "Assistentenseite ist aktuell ausgeblendet.";
    QTest::newRow("older page") << QStringList{"DbmZusatzfunktionen"} << QStringList{}
                                << "jumpToPage(DbmZusatzfunktionen)";
    QTest::newRow("neither") << QStringList{} << QStringList{} << "Assistentenseite fehlt in der Baum-Definition.";
}

void TestAppSatDriveBased::additionalFunctionsLink()
{
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QFETCH(QString, outcome);
    m_host->attach(m_page);
    m_host->addPages(shown);
    m_host->addPages(hidden, false);
    auto *area = m_page->findChild<ActionWidget *>("ActionWidgetZusatzfunktionen");
    QCOMPARE(jumpOutcome(*m_host, [area] { emit area->clicked(); }), outcome);
}

QTEST_MAIN(TestAppSatDriveBased)
#include "tst_appsatdrivebased.moc"
