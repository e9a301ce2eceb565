#include "Counter.h"
#include "ParameterControl.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

constexpr int counters = 4;
constexpr int livingSpace = 1;
const QStringList rows = {"N41", "N42", "N43", "N44", "N45", "N46", "N47"};

} // namespace

class TestCounter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void switchedOff();
    void watchedParameters_data();
    void watchedParameters();
    void switching();

private:
    void set(const QString &coordinate, int element, const QString &value)
    {
        QVERIFY2(
            m_host->store().setValue(coordinate, livingSpace, static_cast<unsigned short>(element), value),
            qPrintable(m_host->store().lastWriteError()));
    }
    QWidget *widget(const QString &name) const
    {
        auto *found = m_page->findChild<QWidget *>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    bool shown(const QString &name) const { return !widget(name)->isHidden(); }
    ParameterControl *control(const QString &name) const
    {
        return dynamic_cast<ParameterControl *>(widget(name));
    }
    QCheckBox *box() const { return m_page->findChild<QCheckBox *>("checkBoxN40"); }
    void select(int counter)
    {
        m_page->findChild<QLineEdit *>("lineEditCounterNumber")->setText(QString::number(counter));
        m_page->takeIndex();
    }
    // Rows and diagram a user sees, with the watched parameters by coordinate.
    QString visible() const
    {
        QStringList seen;
        for (const QString &row : rows) {
            for (const char *prefix : {"ParaLbl_", "ParaLineEdit_", "ParaCombo_"}) {
                if (auto *found = m_page->findChild<QWidget *>(prefix + row); found && !found->isHidden()) {
                    seen << row;
                    break;
                }
            }
        }
        for (const QString address : {"N45", "N47"}) {
            const QString edit = "ParaLineEdit_" + address + "_indirect";
            if (shown(edit) != shown("ParaLbl_" + address + "_indirect"))
                return "label and editor disagree";
            if (shown(edit))
                seen << address + "->" + control(edit)->coordinate();
        }
        if (shown("svgWidget"))
            seen << "diagram";
        return seen.join(' ');
    }

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<Counter> m_page;
};

void TestCounter::init()
{
    m_host = std::make_unique<RecordingHost>();
    seed(m_host->store(),
        {{"N40", "1", counters, ParameterDataType::UInt8}, {"N41", "0", counters}, {"N42", "0", counters},
            {"N43", "0", counters, ParameterDataType::UInt8}, {"N44", "0", counters},
            {"N45", "I440", counters, ParameterDataType::Address},
            {"N46", "0", counters, ParameterDataType::UInt8},
            {"N47", "", counters, ParameterDataType::Address}, {"I440", "0", 1, ParameterDataType::UInt8},
            {"E19", "0", 8, ParameterDataType::Int32}});
    m_page = std::make_unique<Counter>();
    m_host->attach(m_page.get());
    m_page->show();
}

void TestCounter::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestCounter::switchedOff()
{
    set("N40", 2, "0");
    set("N47", 2, "E19.3");
    select(2);
    QCOMPARE(visible(), QString());
    QVERIFY(!box()->isChecked());
    // Only the selector and the box remain.
    QVERIFY(shown("lineEditCounterNumber") && shown("checkBoxN40"));
    // A new address on a counter that is off shows nothing.
    set("N45", 2, "E19");
    QCOMPARE(visible(), QString());
}

void TestCounter::watchedParameters_data()
{
    QTest::addColumn<QString>("countingInput");
    QTest::addColumn<QString>("reset");
    QTest::addColumn<QString>("expected");
    const QString all = "N41 N42 N43 N44 N45 N46 N47";
    QTest::newRow("input only") << "I440"
                                << "" << all + " N45->I440 diagram";
    QTest::newRow("both, with element and axis") << "1:E19.2"
                                                 << "E19.7" << all + " N45->E19 N47->E19 diagram";
    QTest::newRow("neither") << ""
                             << "" << all + " diagram";
    // A parameter the drive does not have, or an element beyond its array, shows no pair.
    QTest::newRow("unknown parameter") << "Z12"
                                       << "" << all + " diagram";
    QTest::newRow("element beyond the array") << "E19.999"
                                              << "" << all + " diagram";
}

void TestCounter::watchedParameters()
{
    QFETCH(QString, countingInput);
    QFETCH(QString, reset);
    QFETCH(QString, expected);
    set("N45", 1, countingInput);
    set("N47", 1, reset);
    select(1);
    QCOMPARE(visible(), expected);
    if (countingInput == "1:E19.2") {
        QCOMPARE(int(control("ParaLineEdit_N45_indirect")->index()), 2);
        QCOMPARE(int(control("ParaLineEdit_N45_indirect")->livingSpace()), 2);
        QCOMPARE(int(control("ParaLbl_N47_indirect")->index()), 7);
        QCOMPARE(int(control("ParaLbl_N47_indirect")->livingSpace()), 0);
    }
    // The rows follow a change of the addresses while shown.
    set("N45", 1, "");
    QVERIFY(!visible().contains("N45->"));
}

void TestCounter::switching()
{
    set("N40", 3, "0");
    select(3);
    QVERIFY(!box()->isChecked());
    box()->click();
    QCOMPARE(m_host->store().value("N40", livingSpace, 3), QString("1"));
    QCOMPARE(visible(), QString("N41 N42 N43 N44 N45 N46 N47 N45->I440 diagram"));
    box()->click();
    QCOMPARE(m_host->store().value("N40", livingSpace, 3), QString("0"));
    QCOMPARE(m_host->store().value("N40", livingSpace, 0), QString("1"));
    QCOMPARE(visible(), QString());
    // Every showing starts at counter 0.
    m_page->hide();
    m_page->show();
    QCOMPARE(m_page->findChild<QLineEdit *>("lineEditCounterNumber")->text(), QString("0"));
    QVERIFY(box()->isChecked());
}

QTEST_MAIN(TestCounter)
#include "tst_counter.moc"
