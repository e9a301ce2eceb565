#include "ParameterDefinition.h"

#include <QTest>

namespace {

// What an address holds, "-" for no axis: "1 J40 3".
QString parts(const ParameterAddress &address)
{
    return QStringLiteral("%1 %2 %3")
        .arg(address.hasAxis() ? QString::number(address.axis()) : QStringLiteral("-"), address.coordinate().toText())
        .arg(address.element());
}

} // namespace

class TestParameterAddress : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void partsConstructor();
    void coordinate_data();
    void coordinate();
};

void TestParameterAddress::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parts"); // empty: invalid

    QTest::newRow("plain") << "J40" << "- J40 0";
    QTest::newRow("element") << "J40.3" << "- J40 3";
    QTest::newRow("axis") << "1:J40.3" << "1 J40 3";
    QTest::newRow("axis 0") << "0:A900" << "0 A900 0";
    QTest::newRow("max line and element") << "I65535.65535" << "- I65535 65535";
    QTest::newRow("leading zeros") << "J007.01" << "- J07 1";
    // Axes up to 255 are written with up to three digits, so they must parse back.
    QTest::newRow("two-digit axis") << "12:K911.4" << "12 K911 4";
    QTest::newRow("largest axis") << "255:J40" << "255 J40 0";

    const std::pair<const char *, QString> invalid[] = {
        {"empty", ""}, {"lower-case group", "j40"}, {"no line", "J"}, {"line too big", "J65536"},
        {"element too big", "J40.70000"}, {"empty element", "J40."}, {"axis too big", "256:J40"},
        {"four-digit axis", "0001:J40"}, {"lone axis prefix", "1:"}, {"axis separator only", ":J40"},
        {"two axes", "1:2:J40"}, {"line overflows 32 bits", "J4294967336"},
        {"element overflows 32 bits", "J40.4294967299"}, {"six-digit line", "J000040"},
        {"trailing line break", "J40\n"}, {"trailing junk", "J40.3x"}, {"second element", "J40.3.4"},
        {"leading blank", " J40"}, {"plus sign", "J+40"}, {"axis without separator", "1J40"},
        {"blank inside", "J 40"}, {"trailing blank", "J40 "}, {"negative element", "J40.-1"},
        {"two groups", "JJ40"}, {"number only", "40"}, {"non-ascii digit", QString::fromUtf8("J٤٠")},
        {"full-width digit", QString::fromUtf8("J４0")}, {"non-ascii axis", QString::fromUtf8("٣:J40")},
        {"non-ascii group", QString::fromUtf8("Ä40")}, {"embedded nul", QString("J40") + QChar(0)}};
    for (const auto &[name, text] : invalid)
        QTest::newRow(name) << text << QString();
}

void TestParameterAddress::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, parts);

    const ParameterAddress address(text, true);
    QCOMPARE(address.isValid(), !parts.isEmpty());
    QCOMPARE(ParameterAddress::fromText(text, true), address);
    // Without the flag only the element is refused.
    QCOMPARE(ParameterAddress(text, false).isValid(), !parts.isEmpty() && !text.contains('.'));
    if (parts.isEmpty()) {
        QVERIFY(address.toText().isEmpty());
        QCOMPARE(address.toNumber(), quint64(0));
        return;
    }
    QCOMPARE(::parts(address), parts);
    // The text form round-trips through its canonical spelling.
    const ParameterAddress again(address.toText(), true);
    QCOMPARE(again, address);
    QCOMPARE(again.toText(), address.toText());
}

void TestParameterAddress::partsConstructor()
{
    const ParameterAddress address(2, QLatin1Char('K'), 911, 4);
    QCOMPARE(address.toText(), QStringLiteral("2:K911.4"));
    // Every axis the parts can hold is written in a form the parser takes back.
    for (int axis : {0, 9, 10, 12, 99, 100, 255}) {
        const ParameterAddress withAxis(static_cast<unsigned char>(axis), QLatin1Char('K'), 911, 4);
        QCOMPARE(ParameterAddress(withAxis.toText(), true), withAxis);
    }
    // Distinct parts give distinct numbers.
    QVERIFY(address.toNumber() != ParameterAddress(2, QLatin1Char('K'), 911, 5).toNumber());
    QVERIFY(address.toNumber() != ParameterAddress(1, QLatin1Char('K'), 911, 4).toNumber());
    QVERIFY(!ParameterAddress(0, QLatin1Char('7'), 1, 0).isValid());
}

void TestParameterAddress::coordinate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("canonical"); // empty: invalid
    QTest::newRow("J40") << "J40" << "J40";
    QTest::newRow("A0") << "A0" << "A00";
    QTest::newRow("zeros") << "I0210" << "I210";
    QTest::newRow("one digit") << "K8" << "K08";
    const std::pair<const char *, const char *> invalid[] = {{"with element", "J40.1"}, {"lower case", "k08"},
        {"empty", ""}, {"trailing line break", "J40\n"}, {"overflowing line", "J65536"}, {"non-ascii digit", "J٤"}};
    for (const auto &[name, text] : invalid)
        QTest::newRow(name) << QString::fromUtf8(text) << QString();
}

void TestParameterAddress::coordinate()
{
    QFETCH(QString, text);
    QFETCH(QString, canonical);
    const ParameterCoordinate coordinate(text);
    QCOMPARE(coordinate.isValid(), !canonical.isEmpty());
    // An invalid coordinate keeps the text it was given.
    QCOMPARE(coordinate.toText(), canonical.isEmpty() ? text : canonical);
    QCOMPARE(qHash(coordinate), qHash(ParameterCoordinate(coordinate.toText())));
}

QTEST_APPLESS_MAIN(TestParameterAddress)
#include "tst_parameteraddress.moc"
