#include "DbmNocken.h"
#include "ModalWatcher.h"
#include "OpenPage.h"
#include "Motorpoti.h"
#include "Positionsmessung.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QCheckBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>

#include <memory>

// Motor potentiometer, cams and position measurement: LEDs from status bits, bits toggled
// from LEDs, cams switched on and off.
class TestFunctionPages : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void potentiometerLeds_data();
    void potentiometerLeds();
    void potentiometerLink_data();
    void potentiometerLink();
    void cams_data();
    void cams();
    void camsReadOnly();
    void measurementLeds_data();
    void measurementLeds();
    void measurementToggle_data();
    void measurementToggle();

private:
    template<typename Page>
    Page *open()
    {
        return openPage<Page>(*m_host, m_page);
    }
    QString store(const QString &coordinate, unsigned short element = 0) const
    {
        return m_host->store().value(coordinate, 1, element);
    }
    void set(const QString &coordinate, const QString &value, unsigned short element = 0)
    {
        QVERIFY2(m_host->store().setValue(coordinate, 1, element, value), qPrintable(m_host->store().lastWriteError()));
    }
    // The pages of a row of LED stacks as a string of 0 and 1, lowest bit first.
    QString leds(const QString &prefix, int count) const
    {
        QString shown;
        for (int bit = 0; bit < count; ++bit) {
            auto *stack = m_page->findChild<QStackedWidget *>(prefix + QString::number(bit));
            shown += stack ? QString::number(stack->currentIndex()) : QStringLiteral("?");
        }
        return shown;
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<QWidget> m_page;
};

void TestFunctionPages::init()
{
    m_host = std::make_unique<RecordingHost>();
    seed(m_host->store(),
        {{"G374", "0", 1, ParameterDataType::UInt8}, {"I59", "0", 8, ParameterDataType::UInt8}, {"I60", "0", 8},
            {"I61", "0", 8}, {"I64", "0", 8}, {"I80", "0"}, {"J110", "0", 1, ParameterDataType::UInt32},
            {"J115", "0", 1, ParameterDataType::UInt16}});
}

void TestFunctionPages::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestFunctionPages::potentiometerLeds_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << "0" << "00";
    QTest::newRow("1") << "1" << "10";
    QTest::newRow("2") << "2" << "01";
    QTest::newRow("3") << "3" << "11";
    QTest::newRow("higher bits ignored") << "252" << "00";
    QTest::newRow("7") << "7" << "11";
    // Without G374: bit 0 goes off, bit 1 keeps what the value 3 lit.
    QTest::newRow("missing") << "" << "01";
}

void TestFunctionPages::potentiometerLeds()
{
    QFETCH(QString, status);
    QFETCH(QString, expected);
    set("G374", "3");
    open<Motorpoti>();
    QCOMPARE(leds("stackedWidgetG374_", 2), QString("11"));
    if (status.isEmpty()) {
        m_host->store().remove("G374");
        m_page->hide();
        m_page->show();
    } else {
        set("G374", status);
    }
    QCOMPARE(leds("stackedWidgetG374_", 2), expected);
}

void TestFunctionPages::potentiometerLink_data()
{
    QTest::addColumn<int>("tree");   // 0 missing, 1 hidden, 2 visible
    QTest::addColumn<QString>("outcome");
    QTest::newRow("visible") << 2 << "jumpToPage(EinAusgaenge)";
    QTest::newRow("hidden") << 1 << "Assistentenseite ist aktuell ausgeblendet.";
    QTest::newRow("missing") << 0 << "Assistentenseite fehlt in der Baum-Definition.";
}

void TestFunctionPages::potentiometerLink()
{
    QFETCH(int, tree);
    QFETCH(QString, outcome);
    if (tree)
        m_host->addPage("EinAusgaenge", tree == 2);
    open<Motorpoti>();
    ModalWatcher watcher;
    if (tree < 2)
        watcher.answer(QMessageBox::Ok);
    emit m_page->findChild<QLabel *>("labelPageE19")->linkActivated("EinAusgaenge");
    const QStringList seen = tree < 2 ? watcher.texts() : m_host->calls({"jumpToPage"});
    QCOMPARE(seen, QStringList{outcome});
}

void TestFunctionPages::cams_data()
{
    QTest::addColumn<QString>("values");     // I59 elements 0..7
    QTest::addColumn<int>("click");          // cam clicked after showing, -1 none
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("stored");
    QTest::newRow("other values count as on and are written as 1") << "0 2 1 0 255 0 0 1" << -1 << "01101001"
                                                                  << "0 1 1 0 1 0 0 1";
    QTest::newRow("unchecking cam 3") << "1 1 1 1 1 1 1 1" << 3 << "11101111"
                                      << "1 1 1 0 1 1 1 1";
    QTest::newRow("checking cam 7") << "0 0 0 0 0 0 0 0" << 7 << "00000001"
                                    << "0 0 0 0 0 0 0 1";
    // A drive with six cams: the last two are off, cannot be switched and write nothing.
    QTest::newRow("cam beyond the drive's") << "1 1 1 1 1 1" << 6 << "11111100" << "1 1 1 1 1 1  ";
}

void TestFunctionPages::cams()
{
    QFETCH(QString, values);
    QFETCH(int, click);
    QFETCH(QString, checked);
    QFETCH(QString, stored);
    const QStringList initial = values.split(' ');
    m_host->store().parameter(ParameterCoordinate("I59")).toStrongRef()->setElementCount(ushort(initial.size()));
    for (int cam = 0; cam < initial.size(); ++cam)
        set("I59", initial[cam], cam);
    open<DbmNocken>();
    if (click >= 0)
        m_page->findChild<QCheckBox *>(QStringLiteral("checkBoxI59_%1").arg(click))->click();
    QString shown;
    QStringList written;
    for (int cam = 0; cam < 8; ++cam) {
        const bool on = m_page->findChild<QCheckBox *>(QStringLiteral("checkBoxI59_%1").arg(cam))->isChecked();
        shown += on ? '1' : '0';
        written << store("I59", cam);
        // A cam's switching positions follow its switch; its I64 field stays enabled.
        for (const char *field : {"I60", "I61"}) {
            auto *edit = m_page->findChild<QWidget *>(QStringLiteral("ParaLineEdit_%1_%2").arg(field).arg(cam));
            QCOMPARE(edit->isEnabled(), on);
        }
        QCOMPARE(m_page->findChild<QCheckBox *>(QStringLiteral("checkBoxI59_%1").arg(cam))->isEnabled(),
            cam < initial.size());
        QVERIFY(m_page->findChild<QWidget *>(QStringLiteral("ParaLineEdit_I64_%1").arg(cam))->isEnabled());
    }
    QCOMPARE(shown, checked);
    QCOMPARE(written.join(' '), stored);
    QCOMPARE(m_host->store().isCyclicUpdateOn("I64", 1, 0), true);
    m_page->hide();
    QVERIFY(m_host->store().cyclicUpdates().isEmpty());
}

void TestFunctionPages::camsReadOnly()
{
    set("I59", "2", 4);
    m_host->setReadOnly(true);
    open<DbmNocken>();
    for (int cam = 0; cam < 8; ++cam)
        QVERIFY(!m_page->findChild<QCheckBox *>(QStringLiteral("checkBoxI59_%1").arg(cam))->isEnabled());
    // Shown as on, but a project that may not be edited is not written.
    QVERIFY(m_page->findChild<QCheckBox *>("checkBoxI59_4")->isChecked());
    QCOMPARE(store("I59", 4), QString("2"));
    // Editable again while shown: the boxes follow at once.
    m_host->setReadOnly(false);
    QVERIFY(m_page->findChild<QCheckBox *>("checkBoxI59_0")->isEnabled());
}

void TestFunctionPages::measurementLeds_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("controlLeds");
    QTest::addColumn<QString>("statusLeds");
    const QString off(16, '0');
    QTest::newRow("257 online") << "257" << "32768" << true << "1000000010000000" << "0000000000000001";
    QTest::newRow("offline: no status") << "3" << "65535" << false << "1100000000000000" << off;
    QTest::newRow("bits above 15 not shown") << "65536" << "0" << true << off << off;
    QTest::newRow("missing words") << "" << "" << true << off << off;
    QTest::newRow("words without elements") << "0" << "0" << true << off << off;
}

void TestFunctionPages::measurementLeds()
{
    QFETCH(QString, control);
    QFETCH(QString, status);
    QFETCH(bool, online);
    QFETCH(QString, controlLeds);
    QFETCH(QString, statusLeds);
    m_host->setOnline(online);
    set("J110", "65535");
    if (control.isEmpty()) {
        m_host->store().remove("J110");
        m_host->store().remove("J115");
    } else if (control == "0") {
        for (const char *word : {"J110", "J115"})
            m_host->store().parameter(ParameterCoordinate(word)).toStrongRef()->setElementCount(0);
    } else {
        set("J110", control);
        set("J115", status);
    }
    open<Positionsmessung>();
    QCOMPARE(leds("LedWidgetJ110_", 16), controlLeds);
    QCOMPARE(leds("LedWidgetJ115_", 16), statusLeds);
    // The page reads no element a word lacks (its form's own controls aside).
    m_host->store().clearElementOverruns();
    QVERIFY(QMetaObject::invokeMethod(m_page.get(), "onJ110Changed"));
    QVERIFY(QMetaObject::invokeMethod(m_page.get(), "onJ115Changed"));
    QCOMPARE(m_host->store().elementOverruns(), QStringList());
}

void TestFunctionPages::measurementToggle_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("area");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("after");
    QTest::newRow("set bit 4") << "1" << "ActionWidgetJ110_4_LedOff" << false << "17";
    QTest::newRow("clear bit 0") << "17" << "ActionWidgetJ110_0_LedOn" << false << "16";
    QTest::newRow("set bit 15") << "0" << "ActionWidgetJ110_15_LedOff" << false << "32768";
    QTest::newRow("clear drops bits above 15") << "196609" << "ActionWidgetJ110_0_LedOn" << false << "0";
    QTest::newRow("read-only ignores a click") << "1" << "ActionWidgetJ110_0_LedOn" << true << "1";
}

void TestFunctionPages::measurementToggle()
{
    QFETCH(QString, before);
    QFETCH(QString, area);
    QFETCH(bool, readOnly);
    QFETCH(QString, after);
    set("J110", before);
    m_host->setReadOnly(readOnly);
    open<Positionsmessung>();
    QMetaObject::invokeMethod(m_page->findChild<QObject *>(area), "clicked");
    QCOMPARE(store("J110"), after);
    // The LEDs follow the word the drive holds.
    const quint64 value = after.toULongLong();
    QString expected;
    for (int bit = 0; bit < 16; ++bit)
        expected += ((value >> bit) & 1) != 0 ? '1' : '0';
    QCOMPARE(leds("LedWidgetJ110_", 16), expected);
}

QTEST_MAIN(TestFunctionPages)
#include "tst_functionpages.moc"
