#include "ParameterDefinition.h"

#include <QTest>

class TestParameterAddress : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void elementRefusedWithoutFlag();
    void partsConstructor();
    void coordinate_data();
    void coordinate();
};

void TestParameterAddress::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("hasAxis");
    QTest::addColumn<int>("axis");
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<int>("element");

    QTest::newRow("plain") << "J40" << true << false << 0 << "J40" << 0;
    QTest::newRow("element") << "J40.3" << true << false << 0 << "J40" << 3;
    QTest::newRow("axis") << "1:J40.3" << true << true << 1 << "J40" << 3;
    QTest::newRow("axis 0") << "0:A900" << true << true << 0 << "A900" << 0;
    QTest::newRow("max line and element") << "I65535.65535" << true << false << 0 << "I65535" << 65535;
    QTest::newRow("leading zeros") << "J007.01" << true << false << 0 << "J07" << 1;
    // Axes up to 255 are written with up to three digits, so they must parse back.
    QTest::newRow("two-digit axis") << "12:K911.4" << true << true << 12 << "K911" << 4;
    QTest::newRow("largest axis") << "255:J40" << true << true << 255 << "J40" << 0;

    QTest::newRow("empty") << "" << false << false << 0 << "" << 0;
    QTest::newRow("lower-case group") << "j40" << false << false << 0 << "" << 0;
    QTest::newRow("no line") << "J" << false << false << 0 << "" << 0;
    QTest::newRow("line too big") << "J65536" << false << false << 0 << "" << 0;
    QTest::newRow("element too big") << "J40.70000" << false << false << 0 << "" << 0;
    QTest::newRow("empty element") << "J40." << false << false << 0 << "" << 0;
    QTest::newRow("axis too big") << "256:J40" << false << false << 0 << "" << 0;
    QTest::newRow("four-digit axis") << "0001:J40" << false << false << 0 << "" << 0;
    QTest::newRow("lone axis prefix") << "1:" << false << false << 0 << "" << 0;
    QTest::newRow("axis separator only") << ":J40" << false << false << 0 << "" << 0;
    QTest::newRow("two axes") << "1:2:J40" << false << false << 0 << "" << 0;
    QTest::newRow("line overflows 32 bits") << "J4294967336" << false << false << 0 << "" << 0;
    QTest::newRow("element overflows 32 bits") << "J40.4294967299" << false << false << 0 << "" << 0;
    QTest::newRow("six-digit line") << "J000040" << false << false << 0 << "" << 0;
    QTest::newRow("trailing line break") << "J40\n" << false << false << 0 << "" << 0;
    QTest::newRow("trailing junk") << "J40.3x" << false << false << 0 << "" << 0;
    QTest::newRow("second element") << "J40.3.4" << false << false << 0 << "" << 0;
    QTest::newRow("leading blank") << " J40" << false << false << 0 << "" << 0;
    QTest::newRow("plus sign") << "J+40" << false << false << 0 << "" << 0;
    QTest::newRow("axis without separator") << "1J40" << false << false << 0 << "" << 0;
    QTest::newRow("blank inside") << "J 40" << false << false << 0 << "" << 0;
    QTest::newRow("trailing blank") << "J40 " << false << false << 0 << "" << 0;
    QTest::newRow("negative element") << "J40.-1" << false << false << 0 << "" << 0;
    QTest::newRow("two groups") << "JJ40" << false << false << 0 << "" << 0;
    QTest::newRow("number only") << "40" << false << false << 0 << "" << 0;
    QTest::newRow("non-ascii digit") << QString::fromUtf8("J٤٠") << false << false << 0 << "" << 0;
    QTest::newRow("full-width digit") << QString::fromUtf8("J４0") << false << false << 0 << "" << 0;
    QTest::newRow("non-ascii axis") << QString::fromUtf8("٣:J40") << false << false << 0 << "" << 0;
    QTest::newRow("non-ascii group") << QString::fromUtf8("Ä40") << false << false << 0 << "" << 0;
    QTest::newRow("embedded nul") << QString("J40") + QChar(0) << false << false << 0 << "" << 0;
}

void TestParameterAddress::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(bool, hasAxis);
    QFETCH(int, axis);
    QFETCH(QString, coordinate);
    QFETCH(int, element);

    const ParameterAddress address(text, true);
    QCOMPARE(address.isValid(), valid);
    QCOMPARE(ParameterAddress::fromText(text, true), address);
    if (!valid) {
        QVERIFY(address.toText().isEmpty());
        QCOMPARE(address.toNumber(), quint64(0));
        return;
    }
    QCOMPARE(address.hasAxis(), hasAxis);
    QCOMPARE(int(address.axis()), axis);
    QCOMPARE(address.coordinate().toText(), coordinate);
    QCOMPARE(int(address.element()), element);
    // The text form round-trips through its canonical spelling.
    const ParameterAddress again(address.toText(), true);
    QCOMPARE(again, address);
    QCOMPARE(again.toText(), address.toText());
}

void TestParameterAddress::elementRefusedWithoutFlag()
{
    QVERIFY(!ParameterAddress(QStringLiteral("J40.3"), false).isValid());
    QVERIFY(ParameterAddress(QStringLiteral("1:J40"), false).isValid());
}

void TestParameterAddress::partsConstructor()
{
    const ParameterAddress address(2, QLatin1Char('K'), 911, 4);
    QVERIFY(address.isValid());
    QCOMPARE(address.toText(), QStringLiteral("2:K911.4"));
    QCOMPARE(ParameterAddress(address.toText(), true), address);
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
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("J40") << "J40" << true << "J40";
    QTest::newRow("A0") << "A0" << true << "A00";
    QTest::newRow("zeros") << "I0210" << true << "I210";
    QTest::newRow("one digit") << "K8" << true << "K08";
    QTest::newRow("with element") << "J40.1" << false << "J40.1";
    QTest::newRow("lower case") << "k08" << false << "k08";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("trailing line break") << "J40\n" << false << "J40\n";
    QTest::newRow("overflowing line") << "J65536" << false << "J65536";
    QTest::newRow("non-ascii digit") << QString::fromUtf8("J٤") << false << QString::fromUtf8("J٤");
}

void TestParameterAddress::coordinate()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, canonical);
    const ParameterCoordinate coordinate(text);
    QCOMPARE(coordinate.isValid(), valid);
    QCOMPARE(coordinate.toText(), canonical);
    QCOMPARE(qHash(coordinate), qHash(ParameterCoordinate(canonical)));
}

QTEST_APPLESS_MAIN(TestParameterAddress)
#include "tst_parameteraddress.moc"
