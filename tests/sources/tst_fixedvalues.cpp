#include "SourcesTestSupport.h"

#include "DbmFixedAccel.h"
#include "DbmFixedDecel.h"
#include "DbmFixedJerk.h"
#include "DbmFixedVelocity.h"
#include "ParameterTextEdit.h"
#include "SrcSelFixedAccel.h"
#include "SrcSelFixedDecel.h"
#include "SrcSelFixedJerk.h"
#include "SrcSelFixedVelocity.h"

#include <QComboBox>
#include <QStackedWidget>

#include <functional>

namespace {

// The family's pages by identifier, attached to the fixture's host.
QWidget *attachPage(PageFixture &fixture, const QString &identifier, const QStringList &drive)
{
    static const QHash<QString, std::function<QWidget *(PageFixture &, const QStringList &)>> pages = {
        {"SrcSelFixedVelocity", [](PageFixture &f, const QStringList &d) { return f.attach<SrcSelFixedVelocity>(d); }},
        {"SrcSelFixedAccel", [](PageFixture &f, const QStringList &d) { return f.attach<SrcSelFixedAccel>(d); }},
        {"SrcSelFixedDecel", [](PageFixture &f, const QStringList &d) { return f.attach<SrcSelFixedDecel>(d); }},
        {"SrcSelFixedJerk", [](PageFixture &f, const QStringList &d) { return f.attach<SrcSelFixedJerk>(d); }},
        {"DbmFixedVelocity", [](PageFixture &f, const QStringList &d) { return f.attach<DbmFixedVelocity>(d); }},
        {"DbmFixedAccel", [](PageFixture &f, const QStringList &d) { return f.attach<DbmFixedAccel>(d); }},
        {"DbmFixedDecel", [](PageFixture &f, const QStringList &d) { return f.attach<DbmFixedDecel>(d); }},
        {"DbmFixedJerk", [](PageFixture &f, const QStringList &d) { return f.attach<DbmFixedJerk>(d); }},
    };
    return pages.value(identifier)(fixture, drive);
}

// "v0,v1,..." with a value of its own per element.
QString distinctValues(int count, int base)
{
    QStringList values;
    for (int element = 0; element < count; ++element)
        values << QString::number(base + element);
    return values.join(QLatin1Char(','));
}

} // namespace

class TestFixedValues : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void modeSwitch_data();
    void modeSwitch();
    void jerkHasOneDiagram();
    void shownValues_data();
    void shownValues();
    void links_data();
    void links();

private:
    RecordingHost &host() { return m_fixture->host(); }
    std::unique_ptr<PageFixture> m_fixture;
};

void TestFixedValues::init()
{
    m_fixture = std::make_unique<PageFixture>();
}

void TestFixedValues::cleanup()
{
    m_fixture.reset();
}

void TestFixedValues::modeSwitch_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("value"); // null: missing
    QTest::addColumn<int>("diagram");   // 0 selection by parameter, 1 by binary signals
    const QList<QPair<QString, QString>> pages = {
        {"SrcSelFixedVelocity", "D05"}, {"SrcSelFixedAccel", "D07"}, {"SrcSelFixedDecel", "D09"}};
    for (const auto &page : pages) {
        const QList<QPair<QString, int>> values = {{"1", 0}, {"0", 1}, {"2", 1}, {"-1", 1}, {QString(), 1}};
        for (const auto &value : values) {
            QTest::addRow("%s %s", qPrintable(page.second), value.first.isNull() ? "missing" : qPrintable(value.first))
                << page.first << page.second << value.first << value.second;
        }
    }
}

void TestFixedValues::modeSwitch()
{
    QFETCH(QString, page);
    QFETCH(QString, mode);
    QFETCH(QString, value);
    QFETCH(int, diagram);
    // Defined with the opposite diagram first, so that the change must reach the page.
    QWidget *widget = attachPage(*m_fixture, page, {mode + (diagram == 0 ? "=0" : "=1")});
    if (value.isNull())
        host().store().remove(mode);
    else
        QVERIFY(host().store().setValue(mode, value));
    if (value.isNull())
        QMetaObject::invokeMethod(widget, qPrintable("on" + mode + "Changed"));
    widget->show();
    QCOMPARE(child<QStackedWidget>(widget, "stackedWidget")->currentIndex(), diagram);
    // The diagram with binary signals lists the eight selection bits.
    QCOMPARE(child(widget, "widgetDiagram_b")->isVisible(), diagram == 1);
}

void TestFixedValues::jerkHasOneDiagram()
{
    QWidget *page = attachPage(*m_fixture, "SrcSelFixedJerk", {"D19=1", "D23=3"});
    page->show();
    QVERIFY(!page->findChild<QStackedWidget *>());
    QVERIFY(child(page, "widgetDiagram_a")->isVisible());
    QCOMPARE(child<QLineEdit>(page, "ParaTextEdit_D23_a")->text(), QString("3"));
}

void TestFixedValues::shownValues_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<int>("elements");
    QTest::addColumn<QString>("editor"); // object name of element n's editor, "%1" for n
    QTest::newRow("velocity values") << "DbmFixedVelocity" << "D12" << 16 << "ParaTextEdit_D12_%1";
    QTest::newRow("acceleration values") << "DbmFixedAccel" << "D14" << 16 << "ParaTextEdit_D14_%1";
    QTest::newRow("deceleration values") << "DbmFixedDecel" << "D16" << 16 << "ParaTextEdit_D16_%1";
    QTest::newRow("jerk values") << "DbmFixedJerk" << "D18" << 16 << "ParaTextEdit_D18_%1";
    QTest::newRow("velocity bits") << "SrcSelFixedVelocity" << "D04" << 8 << "ParaCombo_D04_b_%1";
    QTest::newRow("acceleration bits") << "SrcSelFixedAccel" << "D06" << 8 << "ParaCombo_D06_b_%1";
    QTest::newRow("deceleration bits") << "SrcSelFixedDecel" << "D08" << 8 << "ParaCombo_D08_b_%1";
}

// Each editor shows its own element of the array.
void TestFixedValues::shownValues()
{
    QFETCH(QString, page);
    QFETCH(QString, coordinate);
    QFETCH(int, elements);
    QFETCH(QString, editor);
    QWidget *widget = attachPage(*m_fixture, page, {coordinate + "=" + distinctValues(elements, 100)});
    widget->show();
    for (int element = 0; element < elements; ++element) {
        auto *shown = child(widget, editor.arg(element));
        const QString text = qobject_cast<QLineEdit *>(shown) ? qobject_cast<QLineEdit *>(shown)->text()
                                                              : qobject_cast<QComboBox *>(shown)->currentText();
        QCOMPARE(text, QString::number(100 + element));
    }
}

void TestFixedValues::links_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("target");
    const auto add = [](const char *page, const char *area, const char *target) {
        QTest::addRow("%s %s", page, area) << page << area << target;
    };
    for (const char *diagram : {"_a", "_b"}) {
        const QByteArray suffix(diagram);
        add("SrcSelFixedVelocity", "ActionWidgetFestwerte" + suffix, "DbmFixedVelocity");
        add("SrcSelFixedVelocity", "ActionWidgetHauptsollwert" + suffix, "DbmHauptsollwert");
        add("SrcSelFixedVelocity", "ActionWidgetZusatzsollwert" + suffix, "DbmZusatzsollwert");
        add("SrcSelFixedAccel", "ActionWidgetFestwerte" + suffix, "DbmFixedAccel");
        add("SrcSelFixedAccel", "ActionWidgetBetriebsart" + suffix, "DbmGeschwDrehmKraft");
        add("SrcSelFixedDecel", "ActionWidgetFestwerte" + suffix, "DbmFixedDecel");
        add("SrcSelFixedDecel", "ActionWidgetBetriebsart" + suffix, "DbmGeschwDrehmKraft");
    }
    add("SrcSelFixedJerk", "ActionWidgetFestwerte_a", "DbmFixedJerk");
    add("SrcSelFixedJerk", "ActionWidgetBetriebsart_a", "DbmGeschwDrehmKraft");
    add("DbmFixedVelocity", "ActionWidgetFestwertAuswahl", "SrcSelFixedVelocity");
    add("DbmFixedAccel", "ActionWidgetFestwertAuswahl", "SrcSelFixedAccel");
    add("DbmFixedDecel", "ActionWidgetFestwertAuswahl", "SrcSelFixedDecel");
    add("DbmFixedJerk", "ActionWidgetFestwertAuswahl", "SrcSelFixedJerk");
}

void TestFixedValues::links()
{
    QFETCH(QString, page);
    QFETCH(QString, area);
    QFETCH(QString, target);
    QWidget *widget = attachPage(*m_fixture, page, {});
    verifyLink(host(), widget, area, target);
}

QTEST_MAIN(TestFixedValues)
#include "tst_fixedvalues.moc"
