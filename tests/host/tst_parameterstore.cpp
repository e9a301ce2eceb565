#include "ParameterStore.h"
#include "StoreSeed.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

QSharedPointer<ParameterObject> object(ParameterStore &store, const char *coordinate)
{
    return store.parameter(ParameterCoordinate(QLatin1String(coordinate))).toStrongRef();
}

QSharedPointer<ParameterInformation> info(ParameterStore &store, const char *coordinate)
{
    return store.information(ParameterCoordinate(QLatin1String(coordinate))).toStrongRef();
}

} // namespace

class TestParameterStore : public QObject
{
    Q_OBJECT
private slots:
    void writes_data();
    void writes();
    void signalOnlyOnChange();
    void writeBeyondElementsRefused();
    void resizeKeepsValuesAndFillsDefaults();
    void selectionDisplayText();
    void livingSpaces();
    void cyclicRecord();
    void missingParameter();
    void redefineExpiresOldHandles();
    void onlineAndReadOnlySignals();
    void loadJson();
    void loadJsonErrors_data();
    void loadJsonErrors();
    void loadMissingFile();
    void hugeRealsAndElementBound();
    void propertyAsInt32_data();
    void propertyAsInt32();
};

void TestParameterStore::writes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("stored");

    const int i8 = ParameterDataType::Int8, i16 = ParameterDataType::Int16, i32 = ParameterDataType::Int32,
              u16 = ParameterDataType::UInt16, r32 = ParameterDataType::Real32,
              str = ParameterDataType::String, adr = ParameterDataType::Address;
    QTest::newRow("int32") << i32 << "" << "" << "42" << true << "42";
    QTest::newRow("int32 blanks") << i32 << "" << "" << " -7 " << true << "-7";
    QTest::newRow("int32 leading zero") << i32 << "" << "" << "007" << true << "7";
    QTest::newRow("int32 text") << i32 << "" << "" << "abc" << false << "5";
    QTest::newRow("int32 empty") << i32 << "" << "" << "" << false << "5";
    QTest::newRow("int32 real") << i32 << "" << "" << "1.5" << false << "5";
    QTest::newRow("int32 hex") << i32 << "" << "" << "0x10" << false << "5";
    QTest::newRow("int32 overflow") << i32 << "" << "" << "2147483648" << false << "5";
    QTest::newRow("int8 range") << i8 << "" << "" << "128" << false << "5";
    QTest::newRow("int8 lowest") << i8 << "" << "" << "-128" << true << "-128";
    QTest::newRow("int16 range") << i16 << "" << "" << "-32769" << false << "5";
    QTest::newRow("uint16 negative") << u16 << "" << "" << "-1" << false << "5";
    QTest::newRow("below lower limit") << i32 << "0" << "14" << "-1" << false << "5";
    QTest::newRow("above upper limit") << i32 << "0" << "14" << "15" << false << "5";
    QTest::newRow("at upper limit") << i32 << "0" << "14" << "14" << true << "14";
    QTest::newRow("real") << r32 << "" << "" << "1.25" << true << "1.25";
    QTest::newRow("real shortest") << r32 << "" << "" << "0.1" << true << "0.1";
    QTest::newRow("real comma") << r32 << "" << "" << "1,5" << false << "5";
    QTest::newRow("real nan") << r32 << "" << "" << "nan" << false << "5";
    QTest::newRow("real limit") << r32 << "-10" << "10" << "10.5" << false << "5";
    QTest::newRow("real huge") << r32 << "" << "" << "1e39" << false << "5";
    QTest::newRow("real big") << r32 << "" << "" << "1000000" << true << "1000000";
    QTest::newRow("string") << str << "" << "" << "QX4A" << true << "QX4A";
    QTest::newRow("address") << adr << "" << "" << "1:J40.3" << true << "1:J40.3";
    QTest::newRow("address empty") << adr << "" << "" << "" << true << "";
    QTest::newRow("address malformed") << adr << "" << "" << "J40.x" << false << "5";
}

void TestParameterStore::writes()
{
    QFETCH(int, type);
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, stored);

    ParameterStore store;
    ParameterDefinitionData d;
    d.coordinate = QStringLiteral("J40");
    d.dataType = static_cast<unsigned short>(type);
    d.defaults = {type == ParameterDataType::Address ? QStringLiteral("J5") : QStringLiteral("5")};
    if (!lower.isEmpty())
        d.lowerLimit = lower.toDouble();
    if (!upper.isEmpty())
        d.upperLimit = upper.toDouble();
    QVERIFY(store.define(d));
    if (type == ParameterDataType::Address && !accepted)
        stored = QStringLiteral("J5");

    QSignalSpy changes(info(store, "J40").data(), &ParameterInformation::valueChanged);
    object(store, "J40")->setValueText(eLivingSpaceCurrent, 0, text);
    QCOMPARE(store.value(QStringLiteral("J40")), stored);
    QCOMPARE(changes.count(), accepted && stored != d.defaults.first() ? 1 : 0);
    QCOMPARE(store.lastWriteError().isEmpty(), accepted);
}

void TestParameterStore::signalOnlyOnChange()
{
    ParameterStore store;
    seed(store, {{QStringLiteral("K08"), QStringLiteral("1"), 4}});
    auto parameter = object(store, "K08");
    QSignalSpy changes(info(store, "K08").data(), &ParameterInformation::valueChanged);

    parameter->setValue(eLivingSpaceCurrent, 2, QStringLiteral("3"));
    parameter->setValueText(eLivingSpaceCurrent, 2, QStringLiteral("3"));
    parameter->setElementValue(eLivingSpaceCurrent, 2, QStringLiteral("03"));
    QCOMPARE(changes.count(), 1);
    const auto address = changes.first().first().value<ParameterAddress>();
    QCOMPARE(address.coordinate().toText(), QStringLiteral("K08"));
    QCOMPARE(int(address.element()), 2);
    QCOMPARE(store.value(QStringLiteral("K08"), 0, 2), QStringLiteral("3"));
    QCOMPARE(store.value(QStringLiteral("K08"), 0, 1), QStringLiteral("1"));
}

void TestParameterStore::writeBeyondElementsRefused()
{
    ParameterStore store;
    seed(store, {{QStringLiteral("J10"), QStringLiteral("0"), 16}});
    QSignalSpy changes(info(store, "J10").data(), &ParameterInformation::valueChanged);
    object(store, "J10")->setValueText(eLivingSpaceCurrent, 16, QStringLiteral("9"));
    object(store, "J10")->setValueText(eLivingSpaceCurrent, 65535, QStringLiteral("9"));
    QCOMPARE(changes.count(), 0);
    QCOMPARE(info(store, "J10")->valueText(eLivingSpaceCurrent, 16, false), QString());
    QCOMPARE(object(store, "J10")->defaultValueText(eLivingSpaceCurrent, 16, false), QString());
    QVERIFY(!info(store, "J10")->hasProperty(16, ParameterPropertyId::LowerLimit));
}

void TestParameterStore::resizeKeepsValuesAndFillsDefaults()
{
    ParameterStore store;
    ParameterDefinitionData d;
    d.coordinate = QStringLiteral("J11");
    d.elementCount = 2;
    d.defaults = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("7")};
    QVERIFY(store.define(d));
    auto parameter = object(store, "J11");
    QCOMPARE(parameter->defaultValueText(eLivingSpaceCurrent, 1, false), QStringLiteral("2"));
    parameter->setValueText(eLivingSpaceCurrent, 0, QStringLiteral("9"));

    QSignalSpy changes(info(store, "J11").data(), &ParameterInformation::valueChanged);
    parameter->setElementCount(5);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(parameter->elementCount(), 5);
    const QStringList expected = {QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("7"),
                                  QStringLiteral("7"), QStringLiteral("7")};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(parameter->valueText(eLivingSpaceCurrent, quint16(i), false), expected.at(i));

    parameter->setElementCount(5);
    QCOMPARE(changes.count(), 1);
    parameter->setElementCount(1);
    QCOMPARE(parameter->valueText(eLivingSpaceCurrent, 0, false), QStringLiteral("9"));
    QCOMPARE(parameter->valueText(eLivingSpaceCurrent, 1, false), QString());
    parameter->setElementCount(0);
    QCOMPARE(info(store, "J11")->elementCount(), 0);
    parameter->setValueText(eLivingSpaceCurrent, 0, QStringLiteral("1"));
    QCOMPARE(parameter->valueText(eLivingSpaceCurrent, 0, false), QString());
}

void TestParameterStore::selectionDisplayText()
{
    ParameterStore store;
    seed(store, {{QStringLiteral("K08"), QStringLiteral("1"), 1, ParameterDataType::Int32,
                  {{1, QStringLiteral("Fahrsatz")}, {2, QStringLiteral("Kommando")}}}});
    auto information = info(store, "K08");
    QCOMPARE(information->displayText(eLivingSpaceCurrent, 0, false), QStringLiteral("Fahrsatz"));
    QCOMPARE(information->valueText(eLivingSpaceCurrent, 0, false), QStringLiteral("1"));
    QVERIFY(information->hasProperty(0, ParameterPropertyId::SelectionTexts));
    QCOMPARE(information->selectionTexts(eLivingSpaceCurrent, 0).value(2), QStringLiteral("Kommando"));
    // A value outside the selection shows as the number.
    store.setValue(QStringLiteral("K08"), QStringLiteral("9"));
    QCOMPARE(information->displayText(eLivingSpaceCurrent, 0, false), QStringLiteral("9"));
}

void TestParameterStore::livingSpaces()
{
    ParameterStore store;
    seed(store, {{QStringLiteral("J40"), QStringLiteral("0")}});
    ParameterDefinitionData global;
    global.coordinate = QStringLiteral("A900");
    global.global = true;
    QVERIFY(store.define(global));

    // Living space 0 is the current axis (1 by default); axis 2 keeps its own values.
    store.setValue(QStringLiteral("J40"), 0, 0, QStringLiteral("11"));
    QCOMPARE(store.value(QStringLiteral("J40"), 1), QStringLiteral("11"));
    QCOMPARE(store.value(QStringLiteral("J40"), 2), QStringLiteral("0"));
    store.setValue(QStringLiteral("A900"), 2, 0, QStringLiteral("5"));
    QCOMPARE(store.value(QStringLiteral("A900"), 1), QStringLiteral("5"));
    QVERIFY(info(store, "A900")->isGlobal());
    QVERIFY(info(store, "J40")->isInLivingSpace(eLivingSpace(2)));
    QVERIFY(!info(store, "J40")->isInLivingSpace(eLivingSpace(-1)));
}

void TestParameterStore::cyclicRecord()
{
    ParameterStore store;
    seed(store, {{QStringLiteral("E48")}, {QStringLiteral("I210"), QStringLiteral("0"), 4}});
    info(store, "E48")->setCyclicUpdate(eLivingSpaceCurrent, 0, true);
    info(store, "I210")->setCyclicUpdate(eLivingSpace(1), 3, true);
    QCOMPARE(store.cyclicUpdates(), (QStringList{QStringLiteral("E48@1.0"), QStringLiteral("I210@1.3")}));
    QVERIFY(store.isCyclicUpdateOn(QStringLiteral("I210"), 0, 3));
    info(store, "E48")->setCyclicUpdate(eLivingSpace(1), 0, false);
    QCOMPARE(store.cyclicUpdates(), QStringList{QStringLiteral("I210@1.3")});
}

void TestParameterStore::missingParameter()
{
    ParameterStore store;
    QVERIFY(store.information(ParameterCoordinate(QStringLiteral("J99"))).isNull());
    QVERIFY(store.parameter(ParameterCoordinate(QStringLiteral("not a coordinate"))).isNull());
    QVERIFY(!store.setValue(QStringLiteral("J99"), QStringLiteral("1")));
    QCOMPARE(store.value(QStringLiteral("J99")), QString());
}

void TestParameterStore::redefineExpiresOldHandles()
{
    ParameterStore store;
    seed(store, {{QStringLiteral("J10")}});
    const QWeakPointer<ParameterInformation> old = store.information(ParameterCoordinate(QStringLiteral("J10")));
    seed(store, {{QStringLiteral("J10"), QStringLiteral("3")}});
    QVERIFY(old.toStrongRef().isNull());
    QCOMPARE(store.coordinates(), QStringList{QStringLiteral("J10")});
    QCOMPARE(store.value(QStringLiteral("J10")), QStringLiteral("3"));

    ParameterDefinitionData bad;
    bad.coordinate = QStringLiteral("J10");
    bad.dataType = ParameterDataType::Int8;
    bad.defaults = {QStringLiteral("500")};
    QString error;
    QVERIFY(!store.define(bad, &error));
    QVERIFY(error.contains(QStringLiteral("500")));
    QCOMPARE(store.value(QStringLiteral("J10")), QStringLiteral("3"));
}

void TestParameterStore::onlineAndReadOnlySignals()
{
    ParameterStore store;
    QSignalSpy online(&store, &ParameterProvider::onlineChanged);
    QSignalSpy readOnly(&store, &ParameterProvider::readOnlyChanged);
    store.setOnline(true);
    store.setOnline(true);
    store.setReadOnly(true);
    store.setReadOnly(false);
    QCOMPARE(online.count(), 1);
    QCOMPARE(readOnly.count(), 2);
    QVERIFY(store.isOnline());
    QVERIFY(!store.isReadOnly());
}

void TestParameterStore::loadJson()
{
    ParameterStore store;
    const QByteArray json = R"({"parameters": [
        {"coordinate": "J10", "name": {"de": "Position", "en": "Position"}, "type": "INT32",
         "elements": 4, "default": [1, 2], "min": -10, "max": 100, "value": [5]},
        {"coordinate": "K08", "type": "INT16", "selection": {"1": {"de": "Fahrsatz", "en": "Motion block"}, "2": "Kommando"},
         "default": 1, "global": true},
        {"coordinate": "E57", "type": "STRING", "default": "QX4A", "newDefinition": false, "hidden": true}
    ]})";
    QString error;
    QVERIFY2(store.loadJson(json, QStringLiteral("drive.json"), &error), qPrintable(error));
    QCOMPARE(store.coordinates(), (QStringList{QStringLiteral("J10"), QStringLiteral("K08"), QStringLiteral("E57")}));
    QCOMPARE(store.value(QStringLiteral("J10"), 0, 0), QStringLiteral("5"));
    QCOMPARE(store.value(QStringLiteral("J10"), 0, 3), QStringLiteral("2"));
    QCOMPARE(object(store, "J10")->property(0, ParameterPropertyId::UpperLimit).asInt32(), 100);
    QCOMPARE(info(store, "J10")->name().text(Text::English), QStringLiteral("Position"));
    Text::setCurrentLanguage(Text::English);
    QCOMPARE(info(store, "K08")->displayText(eLivingSpaceCurrent, 0, false), QStringLiteral("Motion block"));
    Text::setCurrentLanguage(Text::German);
    QVERIFY(info(store, "K08")->isGlobal());
    QVERIFY(!info(store, "E57")->isNewDefinition());
    QVERIFY(info(store, "E57")->isHidden(eLivingSpaceCurrent, 0));
}

void TestParameterStore::loadJsonErrors_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("expected");

    QTest::newRow("syntax") << QByteArray("{\"parameters\": [\n  {\"coordinate\": \"J10\",,}\n]}")
                            << "drive.json:2:";
    QTest::newRow("truncated") << QByteArray("{\"parameters\": [") << "drive.json:1:";
    QTest::newRow("no list") << QByteArray("{\"params\": []}") << "field \"parameters\"";
    QTest::newRow("not an object") << QByteArray("[1,2]") << "field \"parameters\"";
    QTest::newRow("entry not an object") << QByteArray("{\"parameters\": [3]}") << "parameters[0]";
    QTest::newRow("bad coordinate") << QByteArray(R"({"parameters": [{"coordinate": "40J", "type": "INT32"}]})")
                                    << "parameters[0] (40J): field \"coordinate\"";
    QTest::newRow("bad type") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT33"}]})")
                              << "parameters[0] (J01): field \"type\"";
    QTest::newRow("bad elements") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT8", "elements": 70000}]})")
                                  << "field \"elements\"";
    QTest::newRow("fractional elements") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT8", "elements": 1.5}]})")
                                         << "field \"elements\"";
    QTest::newRow("default out of type") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT8", "default": 300}]})")
                                         << "parameters[0] (J01): field \"default\"";
    QTest::newRow("value out of limits") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32", "max": 3, "value": 4}]})")
                                         << "field \"value\"";
    QTest::newRow("too many values") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32", "value": [1, 2]}]})")
                                     << "field \"value\"";
    QTest::newRow("bad selection key") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32", "selection": {"x": "a"}}]})")
                                       << "field \"selection\"";
    QTest::newRow("bad flag") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32", "hidden": "yes"}]})")
                              << "field \"hidden\"";
    QTest::newRow("unknown field") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32", "colour": 1}]})")
                                   << "field \"colour\"";
    QTest::newRow("more elements than a drive holds")
        << QByteArray(R"({"parameters": [{"coordinate": "J10", "type": "STRING", "elements": 16381}]})")
        << "parameters[0] (J10): field \"elements\""
        ;
    QTest::newRow("integer default beyond 64 bits")
        << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32", "default": 1e30}]})")
        << "parameters[0] (J01): field \"default\"";
    QTest::newRow("integer default beyond 32 bits")
        << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "UINT32", "default": 4294967296}]})")
        << "field \"default\"";
    QTest::newRow("integer value beyond 64 bits")
        << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT8", "value": -1e300}]})")
        << "field \"value\"";
    QTest::newRow("limit outside the type")
        << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT16", "max": 40000}]})")
        << "parameters[0] (J01): field \"max\"";
    QTest::newRow("limit beyond 64 bits")
        << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "UINT32", "min": -1e30}]})")
        << "field \"min\"";
    QTest::newRow("real limit beyond float")
        << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "REAL32", "max": 1e39}]})")
        << "field \"max\"";
    QTest::newRow("twice") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32"}, {"coordinate": "J01", "type": "INT8"}]})")
                           << "parameters[1] (J01): field \"coordinate\": defined twice";
    QTest::newRow("second entry") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32"}, {"coordinate": "J2"}]})")
                                  << "parameters[1] (J02): field \"type\"";
}

void TestParameterStore::loadJsonErrors()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, expected);

    ParameterStore store;
    seed(store, {{QStringLiteral("K08"), QStringLiteral("2")}});
    QString error;
    QVERIFY(!store.loadJson(json, QStringLiteral("drive.json"), &error));
    QVERIFY2(error.startsWith(QStringLiteral("drive.json:")), qPrintable(error));
    QVERIFY2(error.contains(expected), qPrintable(error));
    // Nothing of the bad file arrived; the store is as it was.
    QCOMPARE(store.coordinates(), QStringList{QStringLiteral("K08")});
    QCOMPARE(store.value(QStringLiteral("K08")), QStringLiteral("2"));
}

void TestParameterStore::loadMissingFile()
{
    ParameterStore store;
    QString error;
    QVERIFY(!store.loadFile(QStringLiteral("/nonexistent/drive.json"), &error));
    QVERIFY(error.contains(QStringLiteral("/nonexistent/drive.json")));
}

void TestParameterStore::hugeRealsAndElementBound()
{
    ParameterStore store;
    const QByteArray json = R"({"parameters": [
        {"coordinate": "J13", "type": "REAL32", "elements": 16380, "default": 1e30},
        {"coordinate": "J14", "type": "REAL32", "min": -1e30, "max": 1e30}
    ]})";
    QString error;
    QVERIFY2(store.loadJson(json, QStringLiteral("drive.json"), &error), qPrintable(error));
    QCOMPARE(store.value(QStringLiteral("J13"), 0, 16379).toDouble(), double(1e30f));
    QCOMPARE(object(store, "J14")->property(0, ParameterPropertyId::UpperLimit).asDouble(), 1e30);
    // Without an explicit maximum a REAL32 limit is the float range, as an int32 the largest one.
    QCOMPARE(object(store, "J13")->property(0, ParameterPropertyId::UpperLimit).asInt32(),
             std::numeric_limits<qint32>::max());
    QCOMPARE(object(store, "J13")->property(0, ParameterPropertyId::LowerLimit).asInt32(),
             std::numeric_limits<qint32>::min());

    // Resizing beyond what a drive holds is refused and keeps the count.
    object(store, "J13")->setElementCount(16381);
    QCOMPARE(info(store, "J13")->elementCount(), ushort(16380));
    QVERIFY(store.lastWriteError().contains(QLatin1String("16381")));
    ParameterDefinitionData tooLarge;
    tooLarge.coordinate = QStringLiteral("J15");
    tooLarge.elementCount = 65535;
    QVERIFY(!store.define(tooLarge, &error));
    QVERIFY(!store.contains(QStringLiteral("J15")));
}

void TestParameterStore::propertyAsInt32_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("expected");
    const int max = std::numeric_limits<qint32>::max();
    const int min = std::numeric_limits<qint32>::min();
    QTest::newRow("whole") << QVariant(14.0) << 14;
    QTest::newRow("fraction cut") << QVariant(2.9) << 2;
    QTest::newRow("negative fraction cut") << QVariant(-2.9) << -2;
    QTest::newRow("REAL32 maximum") << QVariant(double(std::numeric_limits<float>::max())) << max;
    QTest::newRow("REAL32 minimum") << QVariant(-double(std::numeric_limits<float>::max())) << min;
    QTest::newRow("64-bit") << QVariant(qlonglong(5000000000)) << max;
    QTest::newRow("UINT32 maximum") << QVariant(4294967295.0) << max;
    QTest::newRow("infinite") << QVariant(std::numeric_limits<double>::infinity()) << max;
    QTest::newRow("nan") << QVariant(std::numeric_limits<double>::quiet_NaN()) << 0;
    QTest::newRow("text") << QVariant(QStringLiteral("123")) << 123;
    QTest::newRow("text beyond 64 bits") << QVariant(QStringLiteral("99999999999999999999")) << max;
    QTest::newRow("text no number") << QVariant(QStringLiteral("abc")) << 0;
    QTest::newRow("no value") << QVariant() << 0;
}

void TestParameterStore::propertyAsInt32()
{
    QFETCH(QVariant, value);
    QFETCH(int, expected);
    QCOMPARE(ParameterProperty(value).asInt32(), expected);
}

QTEST_GUILESS_MAIN(TestParameterStore)
#include "tst_parameterstore.moc"
