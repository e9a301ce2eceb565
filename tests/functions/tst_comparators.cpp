#include "DbmKompInt16.h"
#include "DbmKompInt32.h"
#include "DbmKompInt8.h"
#include "DbmKompReal32.h"
#include "ParameterControl.h"
#include "RecordingHost.h"
#include "StoreSeed.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

constexpr int comparators = 4;
constexpr int livingSpace = 1;

// What a bank is made of, written from the drive's parameter lists.
struct Bank
{
    QString page;
    QString enable, operation, address;
    QStringList variables; // every coordinate a variable row may be bound to
    QStringList rows; // rows shown with a watching operation, the address row first
    QString further; // row enabled with the comparator
    QString numberEdit;
    unsigned short type;
    QString prompt;
};

const QList<Bank> banks = {
    {"DbmKompInt32", "C76", "C77", "C78", {"C79", "C80", "C81", "C82"}, {"C78"}, "C83",
        "lineEditCompI32Number", ParameterDataType::Int32, "Bitte geben Sie einen INT32-Parameter ein"},
    {"DbmKompInt16", "C134", "C135", "C136", {"C137", "C138", "C139", "C140"}, {"C136"}, "C141",
        "lineEditCompI16Number", ParameterDataType::Int16, "Bitte geben Sie einen INT16-Parameter ein"},
    {"DbmKompInt8", "C142", "C143", "C144", {"C145", "C146", "C147", "C148"}, {"C144"}, "C149",
        "lineEditCompI8Number", ParameterDataType::Int8, "Bitte geben Sie einen INT8-Parameter ein"},
    {"DbmKompReal32", "C61", "C64", "C65", {"C70", "C71", "C72", "C73", "C74", "C84"},
        {"C65", "C66", "C67", "C68", "C69"}, "", "lineEditCompR32Number", ParameterDataType::Real32,
        "Bitte geben Sie einen Real32-Parameter ein"},
};

const Bank &bankOf(const QString &page)
{
    for (const Bank &bank : banks) {
        if (bank.page == page)
            return bank;
    }
    qFatal("no bank %s", qPrintable(page));
}

// Watched parameters, one per data type.
const QMap<unsigned short, QString> watched = {{ParameterDataType::Int32, "N44"},
    {ParameterDataType::Int16, "D20"}, {ParameterDataType::Int8, "E72"}, {ParameterDataType::Real32, "I80"}};

ComparatorPage *create(const QString &page)
{
    if (page == "DbmKompInt32")
        return new DbmKompInt32;
    if (page == "DbmKompInt16")
        return new DbmKompInt16;
    if (page == "DbmKompInt8")
        return new DbmKompInt8;
    return new DbmKompReal32;
}

} // namespace

class TestComparators : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void operations_data();
    void operations();
    void switchedOff_data();
    void switchedOff();
    void watchedParameter_data();
    void watchedParameter();
    void number_data();
    void number();
    void readOnly();

private:
    // A bank of four comparators, all on, operation 3, watching a parameter of their own type.
    void open(const QString &page, bool withOptional = true);
    void set(const QString &coordinate, int element, const QString &value)
    {
        QVERIFY2(
            m_host->store().setValue(coordinate, livingSpace, static_cast<unsigned short>(element), value),
            qPrintable(m_host->store().lastWriteError()));
    }
    template <class T> T *widget(const QString &name) const
    {
        T *found = m_page->findChild<T *>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    ParameterControl *control(const QString &name) const
    {
        return dynamic_cast<ParameterControl *>(widget<QWidget>(name));
    }
    bool shown(const QString &name) const { return !widget<QWidget>(name)->isHidden(); }
    // The rows a user sees: the address row, the variable rows with their coordinates,
    // the watched parameter.
    QString visibleRows() const;

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<ComparatorPage> m_page;
};

void TestComparators::cleanup()
{
    m_page.reset();
    m_host.reset();
}

void TestComparators::open(const QString &page, bool withOptional)
{
    const Bank &bank = bankOf(page);
    m_host = std::make_unique<RecordingHost>();
    QList<SeedParameter> parameters = {
        {bank.enable, "1", comparators, ParameterDataType::UInt8},
        {bank.operation, "3", comparators, ParameterDataType::UInt8},
        {bank.address, watched.value(bank.type), comparators, ParameterDataType::Address},
    };
    for (const QString &coordinate : bank.variables + bank.rows.mid(1) + QStringList {bank.further}) {
        if (!coordinate.isEmpty() && (withOptional || coordinate != "C84"))
            parameters << SeedParameter {coordinate, "0", comparators, bank.type};
    }
    if (page == "DbmKompReal32")
        parameters << SeedParameter {"C75", "0", comparators, ParameterDataType::Real32};
    for (auto it = watched.begin(); it != watched.end(); ++it)
        parameters << SeedParameter {it.value(), "0", 8, it.key()};
    seed(m_host->store(), parameters);
    m_page.reset(create(page));
    m_host->attach(m_page.get());
    m_page->show();
}

QString TestComparators::visibleRows() const
{
    const Bank &bank = bankOf(m_page->identifier());
    QStringList rows;
    if (shown("ParaLineEdit_" + bank.address))
        rows << "address";
    for (int row = 1; row <= 3; ++row) {
        if (shown(QString("ParaLbl_Cvar%1").arg(row)) != shown(QString("ParaLineEdit_Cvar%1").arg(row)))
            return "label and editor disagree";
        if (shown(QString("ParaLineEdit_Cvar%1").arg(row)))
            rows << control(QString("ParaLineEdit_Cvar%1").arg(row))->coordinate();
    }
    if (shown(QString("ParaLineEdit_%1_indirect").arg(bank.address)))
        rows << "watched";
    return rows.join(' ');
}

void TestComparators::operations_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("withOptional");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("diagram");

    const struct
    {
        const char *page;
        const char *limit, *high, *low, *hysteresis;
    } integers[] = {{"DbmKompInt32", "C79", "C80", "C81", "C82"},
        {"DbmKompInt16", "C137", "C138", "C139", "C140"}, {"DbmKompInt8", "C145", "C146", "C147", "C148"}};
    for (const auto &bank : integers) {
        const QString limitRows = QString("address %1 %2 watched").arg(bank.limit, bank.hysteresis);
        QTest::addRow("%s greater", bank.page) << bank.page << true << 3 << limitRows << 2;
        QTest::addRow("%s less", bank.page) << bank.page << true << 5 << limitRows << 3;
        QTest::addRow("%s equal", bank.page) << bank.page << true << 7 << limitRows << 4;
        QTest::addRow("%s window", bank.page)
            << bank.page << true << 9
            << QString("address %1 %2 %3 watched").arg(bank.low, bank.high, bank.hysteresis) << 5;
        QTest::addRow("%s always", bank.page) << bank.page << true << 1 << "" << 1;
        QTest::addRow("%s inactive", bank.page) << bank.page << true << 0 << "" << 1;
        // Integer banks have no target window: nothing is watched.
        QTest::addRow("%s unlisted 11", bank.page) << bank.page << true << 11 << "" << 1;
    }
    const char *real = "DbmKompReal32";
    QTest::newRow("REAL32 greater") << real << true << 3 << "address C70 C84 watched" << 3;
    QTest::newRow("REAL32 greater, no C84") << real << false << 3 << "address C70 watched" << 2;
    QTest::newRow("REAL32 less") << real << true << 5 << "address C70 C84 watched" << 5;
    QTest::newRow("REAL32 less, no C84") << real << false << 5 << "address C70 watched" << 4;
    QTest::newRow("REAL32 equal") << real << true << 7 << "address C70 C84 watched" << 7;
    QTest::newRow("REAL32 equal, no C84") << real << false << 7 << "address C70 watched" << 6;
    QTest::newRow("REAL32 window") << real << true << 9 << "address C71 C72 C84 watched" << 9;
    QTest::newRow("REAL32 window, no C84") << real << false << 9 << "address C71 C72 watched" << 8;
    QTest::newRow("REAL32 target") << real << true << 11 << "address C73 C74 C84 watched" << 11;
    QTest::newRow("REAL32 target, no C84") << real << false << 11 << "address C73 C74 watched" << 10;
    QTest::newRow("REAL32 always") << real << true << 1 << "" << 1;
    QTest::newRow("REAL32 always, no C84") << real << false << 1 << "" << 1;
}

void TestComparators::operations()
{
    QFETCH(QString, page);
    QFETCH(bool, withOptional);
    QFETCH(int, operation);
    QFETCH(QString, rows);
    QFETCH(int, diagram);

    open(page, withOptional);
    const Bank &bank = bankOf(page);
    // Comparator 2 differs from its neighbours, so the page must read the right element.
    set(bank.operation, 2, QString::number(operation));
    widget<QLineEdit>(bank.numberEdit)->setText("2");
    m_page->takeIndex();

    QCOMPARE(visibleRows(), rows);
    QCOMPARE(widget<QStackedWidget>("stackedWidget")->currentIndex(), diagram);
    // Every row a watching operation shows goes with the address row.
    for (const QString &row : bank.rows)
        QCOMPARE(shown("ParaLbl_" + row), !rows.isEmpty());
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(control(QString("ParaLineEdit_Cvar%1").arg(row))->index(), 2u);
    QVERIFY(widget<QWidget>("ParaCombo_" + bank.operation)->isEnabled());
    if (!bank.further.isEmpty())
        QVERIFY(widget<QWidget>("ParaLineEdit_" + bank.further)->isEnabled());
    QVERIFY(!shown("toolButton"));

    // The operation changes under the page: it follows.
    set(bank.operation, 2, "3");
    QCOMPARE(visibleRows().startsWith("address"), true);
}

void TestComparators::switchedOff_data()
{
    QTest::addColumn<QString>("page");
    for (const Bank &bank : banks)
        QTest::newRow(qPrintable(bank.page)) << bank.page;
}

void TestComparators::switchedOff()
{
    QFETCH(QString, page);
    open(page);
    const Bank &bank = bankOf(page);
    set(bank.enable, 1, "0");
    set(bank.operation, 1, "9");
    widget<QLineEdit>(bank.numberEdit)->setText("1");
    m_page->takeIndex();

    QCOMPARE(visibleRows(), QString());
    QCOMPARE(widget<QStackedWidget>("stackedWidget")->currentIndex(), 0);
    QVERIFY(!widget<QCheckBox>("checkBox" + bank.enable)->isChecked());
    QVERIFY(!widget<QWidget>("ParaCombo_" + bank.operation)->isEnabled());
    QVERIFY(!widget<QWidget>("ParaLbl_" + bank.operation)->isEnabled());
    if (!bank.further.isEmpty())
        QVERIFY(!widget<QWidget>("ParaLineEdit_" + bank.further)->isEnabled());
    // A new address for a comparator that is off shows nothing of it.
    set(bank.address, 1, watched.value(bank.type) + ".1");
    QCOMPARE(visibleRows(), QString());
    QVERIFY(!shown("toolButton"));

    // Switching on writes the shown comparator's flag only, and the page follows.
    widget<QCheckBox>("checkBox" + bank.enable)->click();
    QCOMPARE(m_host->store().value(bank.enable, livingSpace, 1), QString("1"));
    QCOMPARE(m_host->store().value(bank.enable, livingSpace, 0), QString("1"));
    QVERIFY(visibleRows().endsWith("watched"));
    QVERIFY(widget<QWidget>("ParaCombo_" + bank.operation)->isEnabled());

    widget<QCheckBox>("checkBox" + bank.enable)->click();
    QCOMPARE(m_host->store().value(bank.enable, livingSpace, 1), QString("0"));
    QCOMPARE(m_host->store().value(bank.enable, livingSpace, 2), QString("1"));
    QCOMPARE(widget<QStackedWidget>("stackedWidget")->currentIndex(), 0);
    QCOMPARE(visibleRows(), QString());
}

void TestComparators::watchedParameter_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("address"); // OWN: a parameter of the bank's type, OTHER: of another type
    QTest::addColumn<bool>("indirect");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("boundLivingSpace");

    for (const Bank &bank : banks) {
        const QByteArray name = bank.page.toLatin1();
        const char *page = name.constData();
        QTest::addRow("%s own type", page) << bank.page << "OWN" << true << false << 0 << 0;
        QTest::addRow("%s own type, element", page) << bank.page << "OWN.3" << true << false << 3 << 0;
        QTest::addRow("%s own type, axis 0", page) << bank.page << "0:OWN.2" << true << false << 2 << 1;
        QTest::addRow("%s own type, axis 2", page) << bank.page << "2:OWN" << true << false << 0 << 3;
        QTest::addRow("%s other type", page) << bank.page << "OTHER" << false << true << 0 << 0;
        QTest::addRow("%s unknown parameter", page) << bank.page << "Z999" << false << true << 0 << 0;
        QTest::addRow("%s own type, element beyond", page) << bank.page << "OWN.999" << false << false << 0 << 0;
        QTest::addRow("%s empty address", page) << bank.page << "" << false << false << 0 << 0;
    }
}

void TestComparators::watchedParameter()
{
    QFETCH(QString, page);
    QFETCH(QString, address);
    QFETCH(bool, indirect);
    QFETCH(bool, warning);
    QFETCH(int, element);
    QFETCH(int, boundLivingSpace);

    open(page);
    const Bank &bank = bankOf(page);
    const QString own = watched.value(bank.type);
    const QString other = watched.value(
        bank.type == ParameterDataType::Int32 ? ParameterDataType::Real32 : ParameterDataType::Int32);
    set(bank.address, 0, QString(address).replace("OWN", own).replace("OTHER", other));

    const QString indirectName = bank.address + "_indirect";
    QCOMPARE(shown("ParaLineEdit_" + indirectName), indirect);
    QCOMPARE(shown("ParaLbl_" + indirectName), indirect);
    QCOMPARE(shown("toolButton"), warning);
    // The address row itself stays, whatever it holds.
    QVERIFY(shown("ParaLineEdit_" + bank.address));
    if (indirect) {
        for (const QString &name : {"ParaLbl_" + indirectName, "ParaLineEdit_" + indirectName}) {
            QCOMPARE(control(name)->coordinate(), own);
            QCOMPARE(int(control(name)->index()), element);
            QCOMPARE(int(control(name)->livingSpace()), boundLivingSpace);
        }
        QVERIFY(control("ParaLineEdit_" + indirectName)->isReadonlyForced());
    }
    if (warning) {
        widget<QToolButton>("toolButton")->click();
        QCOMPARE(m_host->calls({"requestParameterInput"}),
            QStringList {"requestParameterInput(" + bank.prompt + ")"});
    }
    // A watching operation that ends takes the watched parameter and the warning away.
    set(bank.operation, 0, "1");
    QVERIFY(!shown("ParaLineEdit_" + indirectName));
    QVERIFY(!shown("toolButton"));
}

void TestComparators::number_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("number");
    QTest::newRow("in range") << "2" << 2;
    QTest::newRow("beyond the bank") << "99" << comparators - 1;
    QTest::newRow("negative") << "-3" << 0;
    QTest::newRow("no number") << "abc" << 0;
    QTest::newRow("beyond 64 bits") << "99999999999999999999" << comparators - 1;
}

void TestComparators::number()
{
    QFETCH(QString, typed);
    QFETCH(int, number);
    open("DbmKompInt16");
    auto *edit = widget<QLineEdit>("lineEditCompI16Number");
    edit->setText(typed);
    m_page->takeIndex();
    QCOMPARE(edit->text(), QString::number(number));
    QCOMPARE(int(control("ParaCombo_C135")->index()), number);
    QCOMPARE(int(control("ParaLineEdit_C136")->index()), number);
    // Every showing starts at comparator 0.
    m_page->hide();
    m_page->show();
    QCOMPARE(edit->text(), QString("0"));
    QCOMPARE(int(control("ParaCombo_C135")->index()), 0);
}

void TestComparators::readOnly()
{
    open("DbmKompReal32");
    QVERIFY(widget<QCheckBox>("checkBoxC61")->isEnabled());
    m_host->setReadOnly(true);
    m_page->hide();
    m_page->show();
    QVERIFY(!widget<QCheckBox>("checkBoxC61")->isEnabled());
    // The delay row keeps the state it was created with.
    QVERIFY(shown("ParaLineEdit_C75"));
}

QTEST_MAIN(TestComparators)
#include "tst_comparators.moc"
