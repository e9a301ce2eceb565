#include "DbmSrcBinSignals.h"
#include "LedWidget.h"
#include "ModalWatcher.h"
#include "RecordingHost.h"
#include "SrcDirection.h"
#include "SrcTrqForce.h"
#include "StoreSeed.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>

#include <memory>

namespace {

constexpr int livingSpace = 1;
const QStringList sources = {"I100", "I101", "I102", "I103", "I104", "I105", "I106", "I107", "I108", "I110", "I111",
    "I112", "I113", "I126", "I130"};

QString hrefOf(const QLabel *label)
{
    return QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).match(label->text()).captured(1);
}

} // namespace

class TestBinarySources : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void presets_data();
    void presets();
    void leds_data();
    void leds();
    void referenceSwitchLed();
    void binSignalLinks_data();
    void binSignalLinks();
    void applicationJump_data();
    void applicationJump();
    void torqueDiagram_data();
    void torqueDiagram();
    void unknownDeviceEveryShow();
    void directionDiagram();
    void areas_data();
    void areas();

private:
    template<typename Page>
    Page *open(bool show = true)
    {
        auto *page = new Page;
        m_page.reset(page);
        m_host->attach(page);
        if (show)
            page->show();
        return page;
    }
    void seedSources(const QString &value)
    {
        QList<SeedParameter> parameters;
        for (const QString &source : sources)
            parameters << SeedParameter{source, value, 1, ParameterDataType::UInt8};
        seed(m_host->store(), parameters);
    }
    QString values() const
    {
        QStringList list;
        for (const QString &source : sources)
            list << (m_host->store().contains(source) ? m_host->store().value(source, livingSpace) : QString("-"));
        return list.join(' ');
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<QWidget> m_page;
};

void TestBinarySources::init()
{
    m_host = std::make_unique<RecordingHost>();
}

void TestBinarySources::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestBinarySources::presets_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");   // I100 … I130 in the order of `sources`
    QTest::newRow("deactivate") << "PushButtonQuellenAufInaktiv" << "0 1 1 0 - 0 0 0 0 0 0 0 0 0 0";
    QTest::newRow("to parameter") << "PushButtonQuellenAufParameter" << "2 2 2 2 - 2 2 2 2 5 2 2 2 5 2";
}

void TestBinarySources::presets()
{
    QFETCH(QString, button);
    QFETCH(QString, expected);
    seedSources("5");
    // A source the drive lacks is skipped, the others are still written.
    m_host->store().remove("I104");
    auto *page = open<DbmSrcBinSignals>();
    page->findChild<QPushButton *>(button)->click();
    QCOMPARE(values(), expected);
}

void TestBinarySources::leds_data()
{
    QTest::addColumn<QString>("value");   // null: the drive lacks the signal
    QTest::addColumn<bool>("on");
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("one") << "1" << true;
    QTest::newRow("other") << "7" << true;
    QTest::newRow("missing") << QString() << false;
}

void TestBinarySources::leds()
{
    QFETCH(QString, value);
    QFETCH(bool, on);
    const QList<QPair<QString, QString>> leds = {
        {"I441", "LedWidgetI101"}, {"I442", "LedWidgetI102"}, {"I448", "LedWidgetI103"}, {"I450", "LedWidgetI112"}, {"I452", "LedWidgetI111"}};
    for (const auto &[signal, led] : leds) {
        seed(m_host->store(), {{signal, "0", 1, ParameterDataType::UInt8}});
        if (value.isNull())
            m_host->store().remove(signal);
    }
    auto *page = open<DbmSrcBinSignals>();
    for (const auto &[signal, led] : leds) {
        if (!value.isNull())
            QVERIFY(m_host->store().setValue(signal, livingSpace, 0, value));
        QVERIFY2(page->findChild<LedWidget *>(led)->isOn() == on, qPrintable(led));
    }
    // Live while shown, and exactly those off when hidden.
    QCOMPARE(m_host->store().cyclicUpdates().size(), value.isNull() ? 0 : 5);
    page->hide();
    QCOMPARE(m_host->store().cyclicUpdates(), QStringList());
}

void TestBinarySources::referenceSwitchLed()
{
    seed(m_host->store(), {{"I103", "0", 1, ParameterDataType::UInt8}, {"I448", "1", 1, ParameterDataType::UInt8}});
    auto *page = open<DbmSrcBinSignals>();
    auto *led = page->findChild<LedWidget *>("LedWidgetI103");
    QVERIFY(!led->isHidden());
    seed(m_host->store(), {{"I103", "0", 1, ParameterDataType::UInt8, {}, true}});
    page->setVisibilityLedReferenceSwitch();
    QVERIFY(led->isHidden());
    m_host->store().remove("I103");
    page->setVisibilityLedReferenceSwitch();
    QVERIFY(led->isHidden());
}

void TestBinarySources::binSignalLinks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("target");
    QTest::newRow("I210") << "label_I210" << "DbmSteuerStatus";
    QTest::newRow("control panel") << "label_controlPanel" << "SteuertafelTippen";
    QTest::newRow("jog") << "label_jog" << "DbmTipbetrieb";
    QTest::newRow("E19") << "label_E19" << "EinAusgaenge";
    QTest::newRow("application") << "label_application" << "AppSatDriveBased";
}

void TestBinarySources::binSignalLinks()
{
    QFETCH(QString, label);
    QFETCH(QString, target);
    m_host->addPages({"DbmSteuerStatus", "SteuertafelTippen", "DbmTipbetrieb", "EinAusgaenge", "AppSatDriveBased", "Applikation"});
    auto *page = open<DbmSrcBinSignals>(false);
    auto *link = page->findChild<QLabel *>(label);
    QVERIFY(link);
    emit link->linkActivated(hrefOf(link));
    QCOMPARE(m_host->calls({"jumpToPage"}), QStringList{"jumpToPage(" + target + ")"});
}

void TestBinarySources::applicationJump_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("binSignals");   // jump target, or the message shown
    QTest::addColumn<QString>("others");
    const QString missing = "Assistentenseite fehlt in der Baum-Definition.";
    QTest::newRow("all three") << QStringList{"AppWinder", "AppSynchron", "AppSatDriveBased"} << "AppSatDriveBased"
                               << "AppSatDriveBased";
    QTest::newRow("synchronous") << QStringList{"AppWinder", "AppSynchron"} << "AppSynchron" << "AppSynchron";
    QTest::newRow("winder only") << QStringList{"AppWinder"} << "AppWinder" << missing;
    QTest::newRow("none") << QStringList{} << missing << missing;
}

void TestBinarySources::applicationJump()
{
    QFETCH(QStringList, tree);
    QFETCH(QString, binSignals);
    QFETCH(QString, others);
    m_host->addPages(tree);
    const auto outcome = [this](const std::function<void()> &jump) {
        ModalWatcher watcher;
        watcher.answer(QMessageBox::Ok);
        m_host->clearCalls();
        jump();
        const QStringList jumps = m_host->calls({"jumpToPage"});
        if (!jumps.isEmpty())
            return jumps.join(',').mid(11).chopped(1);
        return watcher.texts().join(',');
    };
    auto *bin = open<DbmSrcBinSignals>(false);
    QCOMPARE(outcome([bin] { bin->jumpToAppSatDriveBased(); }), binSignals);
    auto *direction = open<SrcDirection>(false);
    QCOMPARE(outcome([direction] { direction->onActionWidgetApplikationClicked(); }), others);
    auto *torque = open<SrcTrqForce>(false);
    QCOMPARE(outcome([torque] { torque->JumpToC232C233(); }), others);
}

void TestBinarySources::torqueDiagram_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("module");
    QTest::addColumn<int>("expected");
    QTest::newRow("KM2 QX4A") << int(eDeviceTypeKM2) << "QX4A" << 0;
    QTest::newRow("KM2 QX4B") << int(eDeviceTypeKM2) << "QX4B" << 1;
    QTest::newRow("KM2 no E57") << int(eDeviceTypeKM2) << QString() << 1;
    QTest::newRow("KQ2 QZ4A") << int(eDeviceTypeKQ2) << "QZ4A" << 0;
    QTest::newRow("KQ2 other") << int(eDeviceTypeKQ2) << "QZ4" << 2;
    QTest::newRow("KN2") << int(eDeviceTypeKN2) << "QX4A" << 1;
    QTest::newRow("KS2") << int(eDeviceTypeKS2) << "QZ4A" << 1;
}

void TestBinarySources::torqueDiagram()
{
    QFETCH(int, device);
    QFETCH(QString, module);
    QFETCH(int, expected);
    if (!module.isNull())
        seed(m_host->store(), {{"E57", module, 1, ParameterDataType::String}});
    m_host->setDeviceType(eDeviceType(device));
    ModalWatcher watcher;
    auto *page = open<SrcTrqForce>();
    QCOMPARE(page->findChild<QStackedWidget *>("stackedWidget")->currentIndex(), expected);
    QCOMPARE(watcher.seen().size(), 0);
}

void TestBinarySources::unknownDeviceEveryShow()
{
    seed(m_host->store(), {{"E57", "QX4A", 1, ParameterDataType::String}});
    m_host->setDeviceType(eDeviceTypeKQ2);
    auto *page = open<SrcTrqForce>();
    auto *stack = page->findChild<QStackedWidget *>("stackedWidget");
    QCOMPARE(stack->currentIndex(), 2);
    page->hide();
    m_host->setDeviceType(eDeviceTypeUnknown);
    ModalWatcher watcher;
    for (int show = 1; show <= 3; ++show) {
        watcher.answer(QMessageBox::Ok);
        page->show();
        QCoreApplication::processEvents();
        page->hide();
        QCOMPARE(watcher.texts().size(), show);
    }
    QCOMPARE(watcher.unexpectedCount(), 0);
    QCOMPARE(watcher.titles().first(), QString("Interner Fehler!"));
    QCOMPARE(watcher.texts().first(), QString::fromUtf8("Unbekannter Gerätetyp."));
    // Nothing else changes: the diagram stays where it was.
    QCOMPARE(stack->currentIndex(), 2);
    // The host may delete the page while the box waits.
    watcher.actOnNext([this] { m_page.reset(); });
    page->show();
    QCoreApplication::processEvents();
    QCOMPARE(watcher.unexpectedCount(), 0);
    QVERIFY(!m_page);
}

void TestBinarySources::directionDiagram()
{
    auto *page = open<SrcDirection>();
    auto *stack = page->findChild<QStackedWidget *>("stackedWidget");
    QCOMPARE(stack->currentIndex(), 0);
    page->hide();
    seed(m_host->store(), {{"C243", "0", 1, ParameterDataType::UInt8}});
    page->show();
    QCOMPARE(stack->currentIndex(), 1);
}

void TestBinarySources::areas_data()
{
    QTest::addColumn<bool>("direction");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("outcome");   // jump target, or the message shown for a hidden page
    const QString noInputs = QString::fromUtf8(
        "Assistentenseite ist aktuell ausgeblendet.<br>Möglicherweise sind keine Analogeingänge projektiert.");
    QTest::newRow("I210") << true << "ActionWidgetI210" << "DbmSteuerStatus";
    QTest::newRow("I210 optimised") << true << "ActionWidgetI210_2" << "DbmSteuerStatus";
    QTest::newRow("motion core") << true << "ActionWidgetMotionKern" << "AntriebBeobPosiKern1";
    QTest::newRow("motion core optimised") << true << "ActionWidgetMotionKern_2" << "AntriebBeobPosiKern1";
    QTest::newRow("application") << true << "ActionWidgetApplikation" << "AppSynchron";
    for (const char *suffix : {"", "_2", "_3"}) {
        QTest::addRow("limit%s", suffix) << false << QString("ActionWidgetBegrDrehmKraft") + suffix << "MBegrenzung";
        QTest::addRow("C232 C233%s", suffix) << false << QString("ActionWidgetC232C233") + suffix << "AppSynchron";
    }
    QTest::newRow("AE1") << false << "ActionWidgetSkalAE1" << "AE1Skalierung";
    QTest::newRow("AE2 hidden") << false << "ActionWidgetSkalAE2" << noInputs;
    QTest::newRow("AE3") << false << "ActionWidgetSkalAE3" << "AE3Skalierung";
    QTest::newRow("AE3 on KQ2") << false << "ActionWidgetSkalAE3_2" << "AE3Skalierung";
}

void TestBinarySources::areas()
{
    QFETCH(bool, direction);
    QFETCH(QString, area);
    QFETCH(QString, outcome);
    m_host->addPages({"DbmSteuerStatus", "AntriebBeobPosiKern1", "AppSynchron", "MBegrenzung", "AE1Skalierung", "AE3Skalierung"});
    m_host->addPage("AE2Skalierung", false);
    QWidget *page = direction ? static_cast<QWidget *>(open<SrcDirection>(false)) : open<SrcTrqForce>(false);
    QWidget *widget = page->findChild<QWidget *>(area);
    QVERIFY(widget);
    ModalWatcher watcher;
    if (outcome.contains(' '))
        watcher.answer(QMessageBox::Ok);
    QMetaObject::invokeMethod(widget, "clicked");
    const QStringList jumps = m_host->calls({"jumpToPage"});
    QCOMPARE(jumps.isEmpty() ? watcher.texts().join(',') : jumps.join(',').mid(11).chopped(1), outcome);
}

QTEST_MAIN(TestBinarySources)
#include "tst_binarysources.moc"
