#include "PanelTestSupport.h"

#include "LedWidget.h"
#include "ParameterControl.h"

#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>

// What each panel makes special beyond the shared machinery.
class TestPanelRules : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void applicationButtons_data();
    void applicationButtons();
    void applicationBlock_data();
    void applicationBlock();
    void applicationBlockList();
    void applicationComboWrites_data();
    void applicationComboWrites();
    void applicationStatusWordOffline();
    void jogFrames_data();
    void jogFrames();
    void jogProfile_data();
    void jogProfile();
    void commandPage_data();
    void commandPage();
    void commandLinks_data();
    void commandLinks();
    void commandReferencing_data();
    void commandReferencing();
    void velocitySources_data();
    void velocitySources();
    void velocityRules();

private:
    // Shows the panel switched on (warning accepted), optionally enabled.
    void open(const QString &identifier, const QList<SeedParameter> &extra = {}, bool enable = true,
              const QString &without = QString());
    bool shown(const QString &name) const { return !child(m_page.get(), name)->isHidden(); }
    bool enabled(const QString &name) const { return child(m_page.get(), name)->isEnabled(); }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<ModalWatcher> m_watcher;
    std::unique_ptr<ControlPanelPage> m_page;
};

void TestPanelRules::init()
{
    m_page.reset();
    m_watcher = std::make_unique<ModalWatcher>();
    m_host = std::make_unique<RecordingHost>();
    m_host->addPages({"Fahrsatzbetrieb", "Referenzfahrt", "DbmQuelleExterneGeschwindigkeit"});
}

void TestPanelRules::open(const QString &identifier, const QList<SeedParameter> &extra, bool enable, const QString &without)
{
    seed(m_host->store(), panelDrive());
    seed(m_host->store(), extra);
    if (!without.isEmpty())
        m_host->store().remove(without);
    m_page = createPanel(identifier);
    m_host->attach(m_page.get());
    m_page->show();
    m_watcher->answer(QMessageBox::Ok);
    child<QAbstractButton>(m_page.get(), "ToolButtonSteuertafelEin")->click();
    if (enable)
        child<QAbstractButton>(m_page.get(), "ToolButtonFreigabe")->click();
}

void TestPanelRules::applicationButtons_data()
{
    QTest::addColumn<QString>("j302");
    QTest::addColumn<QString>("i89");
    QTest::addColumn<QString>("enabledButtons");
    QTest::newRow("ready") << "0" << "0" << "Start Stop";
    QTest::newRow("canceled") << "4" << "0" << "Stop Reset Continue";
    QTest::newRow("I89 8 locks Stop") << "0" << "8" << "Start";
    QTest::newRow("other bits") << "251" << "0" << "Start Stop";
}

void TestPanelRules::applicationButtons()
{
    QFETCH(QString, j302);
    QFETCH(QString, i89);
    QFETCH(QString, enabledButtons);
    open("SteuertafelApplikation", {{"J302", j302}, {"I89", i89}});
    QStringList actual;
    for (const char *name : {"Start", "Stop", "Reset", "Continue"}) {
        if (enabled(QStringLiteral("ToolButton") + QLatin1String(name)))
            actual << QLatin1String(name);
    }
    QCOMPARE(actual.join(' '), enabledButtons);
    QVERIFY(shown("FrameFahrsatz") && shown("FrameJ302"));
    // Halt takes the block frames away and locks every motion button.
    child<QAbstractButton>(m_page.get(), "ToolButtonHalt")->click();
    QVERIFY(!shown("FrameFahrsatz") && !shown("FrameJ302"));
    for (const char *name : {"ToolButtonStart", "ToolButtonStop", "ToolButtonReset", "ToolButtonContinue"})
        QVERIFY(!enabled(name));
}

void TestPanelRules::applicationBlock_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("setpoint");
    QTest::addColumn<bool>("haltFrame");
    QTest::newRow("position from J13") << "1" << "2" << "J13 of 1" << false;
    QTest::newRow("velocity from J14") << "1" << "4" << "J14 of 1" << false;
    QTest::newRow("command 6") << "2" << "6" << "" << true;
    QTest::newRow("command 9") << "0" << "9" << "" << true;
    QTest::newRow("no block") << "-1" << "2" << "" << false;
    QTest::newRow("block beyond the list") << "7" << "2" << "" << false;
}

void TestPanelRules::applicationBlock()
{
    QFETCH(QString, block);
    QFETCH(QString, command);
    QFETCH(QString, setpoint);
    QFETCH(bool, haltFrame);
    open("SteuertafelApplikation",
         {{"J10", "Satz", 3, ParameterDataType::String},
          {"J11", command, 3},
          {"J13", "0", 3},
          {"J14", "0", 3},
          {"J16", "0", 3},
          {"J17", "0", 3},
          {"J311", "-1"}});
    for (int element = 0; element < 3; ++element) {
        m_host->store().setValue("J13", 0, static_cast<unsigned short>(element), QString::number(element * 10));
        m_host->store().setValue("J14", 0, static_cast<unsigned short>(element), QString::number(element * 100));
    }
    QVERIFY(m_host->store().setValue("J311", block));
    const int element = block.toInt();
    QString expected = setpoint;
    if (expected == "J13 of 1")
        expected = m_host->store().information(ParameterCoordinate("J13")).toStrongRef()->displayText(eLivingSpaceCurrent, 1, true);
    if (expected == "J14 of 1")
        expected = m_host->store().information(ParameterCoordinate("J14")).toStrongRef()->displayText(eLivingSpaceCurrent, 1, true);
    QCOMPARE(child<QLabel>(m_page.get(), "LblVarSollwert")->text(), expected);
    QCOMPARE(child<QLabel>(m_page.get(), "LblVarKommando")->text().isEmpty(), element < 0 || element >= 3);
    QCOMPARE(shown("FrameJ16J17"), haltFrame);
    if (haltFrame) {
        auto *j16 = dynamic_cast<ParameterControl *>(child(m_page.get(), "ParaTextEdit_J16"));
        QCOMPARE(int(j16->index()), element);
    }
    QCOMPARE(child<QComboBox>(m_page.get(), "ComboBoxJ311")->currentIndex(), element >= -1 && element < 3 ? element + 1 : -1);
}

void TestPanelRules::applicationBlockList()
{
    open("SteuertafelApplikation", {{"J10", "Satz", 2, ParameterDataType::String}, {"J311", "-1"}});
    auto *combo = child<QComboBox>(m_page.get(), "ComboBoxJ311");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), "-1: Inaktiv");
    QVERIFY(combo->itemText(2).startsWith("1: "));
    // A changed number of blocks is offered at once.
    auto j10 = m_host->store().parameter(ParameterCoordinate("J10")).toStrongRef();
    j10->setElementCount(5);
    QCOMPARE(combo->count(), 6);
    j10->setElementCount(1);
    QCOMPARE(combo->count(), 2);
}

void TestPanelRules::applicationComboWrites_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("written");
    QTest::newRow("no block") << -1 << 10 << 0 << "-1";
    QTest::newRow("no block refused by the limit") << 0 << 10 << 0 << "0";
    QTest::newRow("block 2") << -1 << 10 << 3 << "2";
    QTest::newRow("above the limit") << -1 << 1 << 3 << "1";
}

void TestPanelRules::applicationComboWrites()
{
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, index);
    QFETCH(QString, written);
    seed(m_host->store(), {{"J10", "Satz", 4, ParameterDataType::String}});
    ParameterDefinitionData j311;
    j311.coordinate = "J311";
    j311.defaults = QStringList{"1"};
    j311.lowerLimit = lower;
    j311.upperLimit = upper;
    QVERIFY(m_host->store().define(j311));
    open("SteuertafelApplikation", {}, false);
    auto *combo = child<QComboBox>(m_page.get(), "ComboBoxJ311");
    QVERIFY(combo->isEnabled());
    combo->setCurrentIndex(index);
    QCOMPARE(m_host->store().value("J311"), written);
}

void TestPanelRules::applicationStatusWordOffline()
{
    open("SteuertafelApplikation", {{"J302", "255"}}, false);
    QVERIFY(child<LedWidget>(m_page.get(), "LedWidgetJ302_7")->isOn());
    m_host->setOnline(false);
    m_host->store().setValue("J302", "254");
    for (int bit = 0; bit < 8; ++bit)
        QVERIFY(!child<LedWidget>(m_page.get(), QStringLiteral("LedWidgetJ302_%1").arg(bit))->isOn());
}

void TestPanelRules::jogFrames_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<bool>("enable");
    QTest::addColumn<QString>("shownFrames");
    QTest::addColumn<bool>("refSetzenEnabled");
    const QString all = "FrameTipPlus FrameTipMinus FrameTipHalt FrameTipStepPlus FrameTipStepMinus FrameRefSetzen "
                        "FrameRefPos FrameActiveJog FrameI10ff";
    QTest::newRow("enabled") << "" << true << all << true;
    QTest::newRow("enabled, I26 missing") << "-I26" << true << all << true;
    QTest::newRow("enabled, I26 0") << "I26=0" << true
                                    << "FrameTipPlus FrameTipMinus FrameTipHalt FrameRefSetzen FrameRefPos "
                                       "FrameActiveJog FrameI10ff"
                                    << true;
    QTest::newRow("enabled, B20 32") << "B20=32" << true << all << true;
    QTest::newRow("enabled, no K908") << "-K908" << true
                                      << "FrameTipPlus FrameTipMinus FrameTipHalt FrameTipStepPlus FrameTipStepMinus "
                                         "FrameActiveJog FrameI10ff"
                                      << true;
    QTest::newRow("not enabled") << "" << false << "FrameRefSetzen FrameRefPos FrameActiveJog FrameI10ff" << true;
    QTest::newRow("not enabled, B20 32") << "B20=32" << false << "FrameRefSetzen FrameRefPos FrameActiveJog FrameI10ff"
                                         << false;
    QTest::newRow("not enabled, no K908") << "-K908" << false << "FrameActiveJog FrameI10ff" << true;
}

void TestPanelRules::jogFrames()
{
    QFETCH(QString, drive);
    QFETCH(bool, enable);
    QFETCH(QString, shownFrames);
    QFETCH(bool, refSetzenEnabled);
    QList<SeedParameter> extra;
    if (!drive.isEmpty() && !drive.startsWith('-'))
        extra << SeedParameter{drive.section('=', 0, 0), drive.section('=', 1)};
    open("SteuertafelTippen", extra, enable, drive.startsWith('-') ? drive.mid(1) : QString());
    QStringList actual;
    for (const char *name : {"FrameTipPlus", "FrameTipMinus", "FrameTipHalt", "FrameTipStepPlus", "FrameTipStepMinus",
                             "FrameRefSetzen", "FrameRefPos", "FrameActiveJog", "FrameI10ff"}) {
        if (shown(name))
            actual << QLatin1String(name);
    }
    QCOMPARE(actual.join(' '), shownFrames);
    QCOMPARE(enabled("ToolButtonRefSetzen"), refSetzenEnabled);
}

void TestPanelRules::jogProfile_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("coordinates");
    QTest::addColumn<bool>("fourthHidden");
    QTest::newRow("Drive Based") << "Drive Based" << "I10 I11 I16 I16" << true;
    QTest::newRow("ARDENIC") << "ARDENIC" << "I10 I11 I16 I16" << true;
    QTest::newRow("other") << "ardenic" << "I10 A604 A605 I16" << false;
    QTest::newRow("missing") << QString() << "I10 A604 A605 I16" << false;
}

void TestPanelRules::jogProfile()
{
    QFETCH(QString, profile);
    QFETCH(QString, coordinates);
    QFETCH(bool, fourthHidden);
    if (!profile.isNull())
        seed(m_host->store(), {{"E75", profile, 1, ParameterDataType::String}});
    open("SteuertafelTippen");
    QStringList actual;
    for (int row = 1; row <= 4; ++row) {
        auto *editor = dynamic_cast<ParameterControl *>(child(m_page.get(), QStringLiteral("ParaTextEditVelAccJerk0%1").arg(row)));
        auto *label = dynamic_cast<ParameterControl *>(child(m_page.get(), QStringLiteral("ParaLblVelAccJerk0%1").arg(row)));
        QCOMPARE(label->coordinate(), editor->coordinate());
        actual << editor->coordinate();
    }
    QCOMPARE(actual.join(' '), coordinates);
    QCOMPARE(dynamic_cast<ParameterControl *>(child(m_page.get(), "ParaTextEditVelAccJerk04"))->isHiddenForced(), fourthHidden);
}

void TestPanelRules::commandPage_data()
{
    QTest::addColumn<QString>("application");
    QTest::addColumn<int>("page");
    QTest::newRow("CiA 402") << "CiA 402" << 1;
    QTest::newRow("402 alone") << "App 402" << 1;
    QTest::newRow("lower-case cia") << "cia" << 0;
    QTest::newRow("other") << "7300003" << 0;
    QTest::newRow("missing") << QString() << 0;
}

void TestPanelRules::commandPage()
{
    QFETCH(QString, application);
    QFETCH(int, page);
    if (!application.isNull())
        seed(m_host->store(), {{"E76", application, 1, ParameterDataType::String}});
    open("SteuertafelPLCopen");
    QCOMPARE(child<QStackedWidget>(m_page.get(), "stackedWidget")->currentIndex(), page);
    QVERIFY(shown("FrameSteuerInterface"));
}

void TestPanelRules::commandLinks_data()
{
    QTest::addColumn<QString>("commandParameter");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("k414");
    QTest::addColumn<bool>("referencing");
    QTest::addColumn<bool>("clamping");
    QTest::newRow("K399 referencing") << "K399" << "6" << "0" << true << false;
    QTest::newRow("K399 command 9") << "K399" << "9" << "0" << false << false;
    QTest::newRow("K402 referencing") << "K402" << "6" << "0" << true << false;
    QTest::newRow("K402 command 9") << "K402" << "9" << "0" << false << true;
    QTest::newRow("K402 other") << "K402" << "3" << "0" << false << false;
    QTest::newRow("K414 source, K399 command") << "K399" << "3" << "2" << false << false;
}

void TestPanelRules::commandLinks()
{
    QFETCH(QString, commandParameter);
    QFETCH(QString, command);
    QFETCH(QString, k414);
    QFETCH(bool, referencing);
    QFETCH(bool, clamping);
    open("SteuertafelPLCopen", {{commandParameter, "0"}, {"K414", "0"}});
    QCOMPARE(dynamic_cast<ParameterControl *>(child(m_page.get(), "ParCombo_Kommando_2"))->coordinate(), commandParameter);
    m_host->store().setValue("K414", k414);
    m_host->store().setValue(commandParameter, command);
    QCOMPARE(shown("FrameLinkReferenzierung"), referencing);
    QCOMPARE(shown("ClickLblReferenzierung_2"), referencing);
    QCOMPARE(shown("ClickLblQuelleDrehzahlklammerung"), clamping);
    QCOMPARE(shown("FrameParaTxtG471"), k414 == "2");
}

void TestPanelRules::commandReferencing_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("jump");
    QTest::addColumn<QString>("message");
    QTest::newRow("both pages") << QStringList{"Referenzfahrt", "ReferenzfahrtCBM"} << true << "Referenzfahrt" << "";
    QTest::newRow("hidden, not the other") << QStringList{"Referenzfahrt", "ReferenzfahrtCBM"} << false << ""
                                           << "Assistentenseite ist aktuell ausgeblendet.";
    QTest::newRow("only CBM") << QStringList{"ReferenzfahrtCBM"} << true << "ReferenzfahrtCBM" << "";
    QTest::newRow("neither") << QStringList{} << true << "" << "Assistentenseite fehlt in der Baum-Definition.";
}

void TestPanelRules::commandReferencing()
{
    QFETCH(QStringList, tree);
    QFETCH(bool, visible);
    QFETCH(QString, jump);
    QFETCH(QString, message);
    m_host->removePage("Referenzfahrt");
    m_host->addPages(tree, visible);
    open("SteuertafelPLCopen", {{"K399", "6"}}, false);
    m_watcher->clear();
    if (!message.isEmpty())
        m_watcher->answer(QMessageBox::Ok);
    m_host->clearCalls();
    QVERIFY(QMetaObject::invokeMethod(m_page.get(), "Jump_to_Referenzierung"));
    const QStringList jumps = m_host->calls({"jumpToPage"});
    QCOMPARE(jumps.join(' '), jump.isEmpty() ? QString() : QStringLiteral("jumpToPage(%1)").arg(jump));
    QCOMPARE(m_watcher->texts().join(' '), message);
}

void TestPanelRules::velocitySources_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("shownRows");
    QTest::newRow("all fixed") << "111111111" << 1 << "";
    QTest::newRow("missing") << QString() << 1 << "";
    QTest::newRow("row 2 external") << "110111111" << 0 << "D22";
    QTest::newRow("last row external") << "111111110" << 0 << "I100";
    QTest::newRow("mixed") << "020111101" << 0 << "D42 D22 G471";
}

void TestPanelRules::velocitySources()
{
    QFETCH(QString, selection);
    QFETCH(int, page);
    QFETCH(QString, shownRows);
    if (!selection.isNull()) {
        seed(m_host->store(), {{"D299", "1", 9}});
        for (int element = 0; element < 9; ++element)
            m_host->store().setValue("D299", 0, static_cast<unsigned short>(element), selection.mid(element, 1));
    }
    open("SteuertafelGeschwDrehmKraft");
    QCOMPARE(child<QStackedWidget>(m_page.get(), "stackedWidget")->currentIndex(), page);
    if (page == 1)
        return;
    QStringList actual;
    for (const char *source : {"D42", "D21", "D22", "D23", "G468", "D232", "D233", "G471", "I100"}) {
        const QString name = QLatin1String(source);
        QCOMPARE(shown("FrameParaLbl" + name), shown("FrameParaTxt" + name));
        if (shown("FrameParaTxt" + name))
            actual << name;
    }
    QCOMPARE(actual.join(' '), shownRows);
    QCOMPARE(shown("FrameClickLblFestwVerz"), shownRows.contains("D22"));
}

void TestPanelRules::velocityRules()
{
    // Without D01 Freigabe is shown but cannot be switched on.
    open("SteuertafelGeschwDrehmKraft", {{"D01", "0"}}, false);
    QVERIFY(shown("FrameFreigabe"));
    QVERIFY(!enabled("ToolButtonFreigabe"));
    QVERIFY(shown("FrameSteuerInterface"));
    m_host->store().setValue("D01", "1");
    QVERIFY(enabled("ToolButtonFreigabe"));

    // Halt takes over from a latched Stop.
    child<QAbstractButton>(m_page.get(), "ToolButtonFreigabe")->click();
    auto *stop = child<QAbstractButton>(m_page.get(), "ToolButtonStop");
    stop->setCheckable(true);
    stop->setChecked(true);
    m_host->clearCalls();
    child<QAbstractButton>(m_page.get(), "ToolButtonHalt")->click();
    QVERIFY(!stop->isChecked());
    QCOMPARE(panelCalls(*m_host), "b5=1");
    QVERIFY(!enabled("ToolButtonStart") && !enabled("ToolButtonStop"));
}

QTEST_MAIN(TestPanelRules)
#include "tst_panelrules.moc"
