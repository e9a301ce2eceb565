#include "SourcesTestSupport.h"

#include "DbmBegrGeschwDrehmKraft.h"
#include "DbmGeschwDrehmKraft.h"
#include "DbmHauptsollwert.h"
#include "DbmZusatzsollwert.h"
#include "LedWidget.h"

#include <QLabel>
#include <QStackedWidget>

namespace {

QImage picture(const QString &name)
{
    return QPixmap(QStringLiteral(":/Brevane/Resources/") + name).toImage();
}

int stackPage(QWidget *page)
{
    return child<QStackedWidget>(page, "stackedWidget")->currentIndex();
}

} // namespace

class TestVelocityMode : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void subMode_data();
    void subMode();
    void subModeFollowsHostState();
    void leds_data();
    void leds();
    void links_data();
    void links();
    void limitationFallback_data();
    void limitationFallback();
    void setpointPagesShowEnableDiagram();

private:
    RecordingHost &host() { return m_fixture->host(); }
    std::unique_ptr<PageFixture> m_fixture;
};

void TestVelocityMode::init()
{
    m_fixture = std::make_unique<PageFixture>();
}

void TestVelocityMode::cleanup()
{
    m_fixture.reset();
}

void TestVelocityMode::subMode_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("d01");     // null: missing
    QTest::addColumn<QString>("d02");     // null: missing
    QTest::addColumn<bool>("newDefinition");
    QTest::addColumn<int>("page");
    // An editable offline project shows what is configured.
    QTest::newRow("offline D01 2") << false << false << "2" << "1" << true << 2;
    QTest::newRow("offline D01 3") << false << false << "3" << "1" << true << 3;
    QTest::newRow("offline D01 0") << false << false << "0" << "1" << true << 0;
    QTest::newRow("offline D01 -1") << false << false << "-1" << "2" << true << 0;
    QTest::newRow("offline D01 missing") << false << false << QString() << "1" << true << 0;
    // The drive, or a locked project, shows what is active.
    QTest::newRow("online D02 1") << true << false << "3" << "1" << true << 1;
    QTest::newRow("online D02 8 new") << true << false << "1" << "8" << true << 0;
    QTest::newRow("online D02 8 old") << true << false << "1" << "8" << false << 1;
    QTest::newRow("online D02 4 old") << true << false << "1" << "4" << false << 2;
    QTest::newRow("online D02 9 old") << true << false << "1" << "9" << false << 3;
    QTest::newRow("online D02 1 old") << true << false << "1" << "1" << false << 0;
    QTest::newRow("online D02 missing") << true << false << "1" << QString() << true << 0;
    QTest::newRow("read-only offline") << false << true << "1" << "3" << true << 3;
    QTest::newRow("read-only online") << true << true << "1" << "2" << true << 2;
}

void TestVelocityMode::subMode()
{
    QFETCH(bool, online);
    QFETCH(bool, readOnly);
    QFETCH(QString, d01);
    QFETCH(QString, d02);
    QFETCH(bool, newDefinition);
    QFETCH(int, page);
    host().setOnline(online);
    host().setReadOnly(readOnly);
    if (!d01.isNull())
        seed(host().store(), {{"D01", d01}});
    if (!d02.isNull()) {
        SeedParameter active{"D02", d02};
        active.newDefinition = newDefinition;
        seed(host().store(), {active});
    }
    auto *overview = m_fixture->attach<DbmGeschwDrehmKraft>({});
    QCOMPARE(stackPage(overview), page);
}

void TestVelocityMode::subModeFollowsHostState()
{
    host().setOnline(false);
    auto *overview = m_fixture->attach<DbmGeschwDrehmKraft>({"D01=1", "D02=3"});
    QCOMPARE(stackPage(overview), 1);
    host().setOnline(true);
    QCOMPARE(stackPage(overview), 3);
    host().setOnline(false);
    QCOMPARE(stackPage(overview), 1);
    host().setReadOnly(true);
    QCOMPARE(stackPage(overview), 3);
    QVERIFY(host().store().setValue("D02", "2"));
    QCOMPARE(stackPage(overview), 2);
}

void TestVelocityMode::leds_data()
{
    QTest::addColumn<QString>("value"); // null: missing
    QTest::addColumn<bool>("overviewLit"); // only "1" lights the overview's LEDs
    QTest::addColumn<bool>("limitationLit"); // any value but 0 lights the limitation page's LEDs
    QTest::newRow("1") << "1" << true << true;
    QTest::newRow("0") << "0" << false << false;
    QTest::newRow("2") << "2" << false << true;
    QTest::newRow("-1") << "-1" << false << true;
    QTest::newRow("missing") << QString() << false << false;
}

void TestVelocityMode::leds()
{
    QFETCH(QString, value);
    QFETCH(bool, overviewLit);
    QFETCH(bool, limitationLit);
    const QImage lit = picture("LED_yellow_on.svg");
    const QImage dark = picture("ledgreyCross.svg");
    QVERIFY(!lit.isNull() && !dark.isNull() && lit != dark);

    for (const QString coordinate : {"D246", "D247"}) {
        const QString other = coordinate == QLatin1String("D246") ? "D247" : "D246";
        init();
        // Defined with the opposite state first, so that the change must reach the LED.
        seedDrive(host().store(), {other + "=0", coordinate + "=" + (overviewLit ? "0" : "1")});
        auto *overview = new DbmGeschwDrehmKraft;
        auto *limitation = new DbmBegrGeschwDrehmKraft;
        const std::unique_ptr<QWidget> owner1(overview), owner2(limitation);
        host().attach(overview);
        host().attach(limitation);
        if (value.isNull())
            host().store().remove(coordinate);
        else
            QVERIFY(host().store().setValue(coordinate, value));
        overview->onD246Changed();
        overview->onD247Changed();
        limitation->onD246Changed();
        limitation->onD247Changed();

        for (const char *diagram : {"_b", "_c"}) {
            QCOMPARE(child<QLabel>(overview, "Lbl_LED_" + coordinate + diagram)->pixmap().toImage(),
                     overviewLit ? lit : dark);
            QCOMPARE(child<QLabel>(overview, "Lbl_LED_" + other + diagram)->pixmap().toImage(), dark);
        }
        QCOMPARE(child<LedWidget>(limitation, "LedWidget" + coordinate)->isOn(), limitationLit);
        QVERIFY(!child<LedWidget>(limitation, "LedWidget" + other)->isOn());
    }
}

void TestVelocityMode::links_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("target");
    const auto add = [](const char *page, const QList<QPair<QString, QString>> &links) {
        for (const auto &link : links)
            QTest::addRow("%s %s", page, qPrintable(link.first)) << page << link.first << link.second;
    };
    QList<QPair<QString, QString>> overview;
    for (const char *diagram : {"b", "c"}) {
        const QString prefix = QStringLiteral("ActionWidget_%1_").arg(diagram);
        overview += {{prefix + "D40", "DbmHauptsollwert"},
                     {prefix + "D41", "DbmZusatzsollwert"},
                     {prefix + "D43", "SrcSelFixedAccel"},
                     {prefix + "D44", "SrcSelFixedDecel"},
                     {prefix + "D45", "SrcSelFixedJerk"},
                     {prefix + "G468", "DbmQuelleGeschwOverride"},
                     {prefix + "Sollwertbegrenzung", "DbmBegrGeschwDrehmKraft"}};
    }
    for (const char *diagram : {"b", "c", "d"}) {
        const QString prefix = QStringLiteral("ActionWidget_%1_").arg(diagram);
        overview += {{prefix + "MotionKern", "AntriebBeobPosiKern1"},
                     {prefix + "SteuertafelGeschwDrehmKraft", "SteuertafelGeschwDrehmKraft"}};
    }
    overview += {{"ActionWidget_d_G471", "DbmQuelleDrehmKraftGeschwKlammerung"},
                 {"ActionWidget_d_G474", "DbmQuelleDrehmKraftGeschwKlammerung"},
                 {"ActionWidget_d_G477", "DbmQuelleDrehmKraftGeschwKlammerung"},
                 {"ActionWidget_c_I100", "DbmSrcBinSignals"},
                 {"ActionWidget_c_I113", "DbmSrcBinSignals"}};
    add("DbmGeschwDrehmKraft", overview);
    // The limitation's set-velocity area leads to the overview, where the set velocity is drawn.
    add("DbmBegrGeschwDrehmKraft", {{"ActionWidgetBetriebsart", "DbmGeschwDrehmKraft"},
                                    {"ActionWidgetD42", "DbmGeschwDrehmKraft"},
                                    {"ActionWidgetE19", "EinAusgaenge"},
                                    {"ActionWidgetI10", "VAccRBegrenzung"}});
    QList<QPair<QString, QString>> main, additional;
    for (const char *diagram : {"1", "2"}) {
        main += {{QStringLiteral("ActionWidget_D20_") + diagram, "SrcSelFixedVelocity"},
                 {QStringLiteral("ActionWidget_D40_") + diagram, "DbmGeschwDrehmKraft"},
                 {QStringLiteral("ActionWidget_G462_") + diagram, "DbmQuelleExterneGeschwindigkeit"}};
        additional += {{QStringLiteral("ActionWidget_D20_") + diagram, "SrcSelFixedVelocity"},
                       {QStringLiteral("ActionWidget_D41_") + diagram, "DbmGeschwDrehmKraft"},
                       {QStringLiteral("ActionWidget_G465_") + diagram, "DbmQuelleExtZusatzGeschwindigkeit"}};
    }
    main += {{"ActionWidget_E19_2", "EinAusgaenge"}};
    additional += {{"ActionWidget_E19_2", "EinAusgaenge"}};
    add("DbmHauptsollwert", main);
    add("DbmZusatzsollwert", additional);
}

void TestVelocityMode::links()
{
    QFETCH(QString, page);
    QFETCH(QString, area);
    QFETCH(QString, target);
    QWidget *widget = nullptr;
    if (page == QLatin1String("DbmGeschwDrehmKraft"))
        widget = m_fixture->attach<DbmGeschwDrehmKraft>({});
    else if (page == QLatin1String("DbmBegrGeschwDrehmKraft"))
        widget = m_fixture->attach<DbmBegrGeschwDrehmKraft>({});
    else if (page == QLatin1String("DbmHauptsollwert"))
        widget = m_fixture->attach<DbmHauptsollwert>({});
    else
        widget = m_fixture->attach<DbmZusatzsollwert>({});
    verifyLink(host(), widget, area, target);
}

void TestVelocityMode::limitationFallback_data()
{
    QTest::addColumn<int>("standard"); // 0 absent, 1 hidden, 2 visible
    QTest::addColumn<int>("alternative");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("both") << 2 << 2 << "jumpToPage(VAccRBegrenzung)";
    QTest::newRow("standard hidden") << 1 << 2 << "Assistentenseite ist aktuell ausgeblendet.";
    QTest::newRow("only CBM") << 0 << 2 << "jumpToPage(VAccRBegrenzungCBM)";
    QTest::newRow("only CBM, hidden") << 0 << 1 << "Assistentenseite ist aktuell ausgeblendet.";
    QTest::newRow("neither") << 0 << 0 << "Assistentenseite fehlt in der Baum-Definition.";
}

void TestVelocityMode::limitationFallback()
{
    QFETCH(int, standard);
    QFETCH(int, alternative);
    QFETCH(QString, outcome);
    if (standard)
        host().addPage("VAccRBegrenzung", standard == 2);
    if (alternative)
        host().addPage("VAccRBegrenzungCBM", alternative == 2);
    auto *limitation = m_fixture->attach<DbmBegrGeschwDrehmKraft>({});
    QCOMPARE(jumpOutcome(host(), [limitation] { limitation->JumpToVAccRBegrenzung(); }), outcome);
}

void TestVelocityMode::setpointPagesShowEnableDiagram()
{
    for (int kind = 0; kind < 2; ++kind) {
        init();
        QWidget *page = kind == 0 ? static_cast<QWidget *>(m_fixture->attach<DbmHauptsollwert>({}))
                                  : static_cast<QWidget *>(m_fixture->attach<DbmZusatzsollwert>({}));
        auto *stack = child<QStackedWidget>(page, "stackedWidget");
        stack->setCurrentIndex(0);
        page->show();
        QVERIFY(child(page, "ActionWidget_E19_2")->isVisible());
        QCOMPARE(stack->currentIndex(), 1);
    }
}

QTEST_MAIN(TestVelocityMode)
#include "tst_velocitymode.moc"
