// The host stand-in's parameters: addresses and coordinates written as text, and the store's
// writes, element counts, live values, definitions and drive files.

#include "ParameterDefinition.h"
#include "ParameterStore.h"
#include "StoreSeed.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

QSharedPointer<ParameterObject> object(ParameterStore &store, const QString &coordinate)
{
    return store.parameter(ParameterCoordinate(coordinate)).toStrongRef();
}

QSharedPointer<ParameterInformation> info(ParameterStore &store, const QString &coordinate)
{
    return store.information(ParameterCoordinate(coordinate)).toStrongRef();
}

// Elements 0 .. count-1 as the parameter reads them, joined by commas.
QString elements(ParameterStore &store, const QString &coordinate, int count)
{
    QStringList texts;
    for (int element = 0; element < count; ++element)
        texts << object(store, coordinate)->valueText(eLivingSpaceCurrent, quint16(element), false);
    return texts.join(QLatin1Char(','));
}

// A drive file of one parameter entry J1 with the given fields.
QByteArray one(const char *fields)
{
    return QByteArray(R"({"parameters": [{"coordinate": "J1", )") + fields + "}]}";
}

// What an address holds, "-" for no axis: "1 J40 3".
QString parts(const ParameterAddress &address)
{
    return QStringLiteral("%1 %2 %3")
        .arg(address.hasAxis() ? QString::number(address.axis()) : QStringLiteral("-"), address.coordinate().toText())
        .arg(address.element());
}

} // namespace

class TestParameterStore : public QObject
{
    Q_OBJECT
private slots:
    void writes_data()
    {
        QTest::addColumn<QString>("definition"); // of J40, as seedTokens reads it
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // "-": refused, the default stays

        QTest::newRow("int32 blanks") << "INT32=5" << " -7 " << "-7";
        QTest::newRow("int32 text") << "INT32=5" << "abc" << "-";
        QTest::newRow("int32 empty") << "INT32=5" << "" << "-";
        QTest::newRow("int32 hex") << "INT32=5" << "0x10" << "-";
        QTest::newRow("int32 overflow") << "INT32=5" << "2147483648" << "-";
        QTest::newRow("int8 range") << "INT8=5" << "128" << "-";
        QTest::newRow("int8 lowest") << "INT8=5" << "-128" << "-128";
        QTest::newRow("uint16 negative") << "UINT16=5" << "-1" << "-";
        QTest::newRow("below lower limit") << "INT32=5[0:14]" << "-1" << "-";
        QTest::newRow("above upper limit") << "INT32=5[0:14]" << "15" << "-";
        QTest::newRow("at upper limit") << "INT32=5[0:14]" << "14" << "14";
        QTest::newRow("real shortest") << "REAL32=5" << "0.1" << "0.1";
        QTest::newRow("real comma") << "REAL32=5" << "1,5" << "-";
        QTest::newRow("real nan") << "REAL32=5" << "nan" << "-";
        QTest::newRow("real huge") << "REAL32=5" << "1e39" << "-";
        QTest::newRow("address") << "ADDRESS=J5" << "1:J40.3" << "1:J40.3";
        QTest::newRow("address empty") << "ADDRESS=J5" << "" << "";
        QTest::newRow("address malformed") << "ADDRESS=J5" << "J40.x" << "-";
    }

    void writes()
    {
        QFETCH(QString, definition);
        QFETCH(QString, text);
        QFETCH(QString, stored);

        ParameterStore store;
        seedTokens(store, QStringLiteral("J40:") + definition);
        const QString before = store.value("J40");

        QSignalSpy changes(info(store, "J40").data(), &ParameterInformation::valueChanged);
        object(store, "J40")->setValueText(eLivingSpaceCurrent, 0, text);
        const bool accepted = stored != QLatin1String("-");
        QCOMPARE(store.value("J40"), accepted ? stored : before);
        QCOMPARE(changes.count(), accepted && stored != before ? 1 : 0);
        QCOMPARE(store.lastWriteError().isEmpty(), accepted);
    }

    void elementWrites()
    {
        ParameterStore store;
        seed(store, {{"K08", "1", 4}});
        auto parameter = object(store, "K08");
        QSignalSpy changes(info(store, "K08").data(), &ParameterInformation::valueChanged);

        // One signal per real change, naming the element.
        parameter->setValue(eLivingSpaceCurrent, 2, QStringLiteral("3"));
        parameter->setValueText(eLivingSpaceCurrent, 2, QStringLiteral("3"));
        parameter->setElementValue(eLivingSpaceCurrent, 2, QStringLiteral("03"));
        QCOMPARE(changes.count(), 1);
        const auto address = changes.first().first().value<ParameterAddress>();
        QCOMPARE(address.coordinate().toText() + '.' + QString::number(address.element()), QStringLiteral("K08.2"));
        // Nothing beyond the elements is written or read.
        parameter->setValueText(eLivingSpaceCurrent, 4, QStringLiteral("9"));
        parameter->setValueText(eLivingSpaceCurrent, 65535, QStringLiteral("9"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(elements(store, "K08", 5), QStringLiteral("1,1,3,1,"));
        QCOMPARE(parameter->defaultValueText(eLivingSpaceCurrent, 4, false), QString());
        QVERIFY(!info(store, "K08")->hasProperty(4, ParameterPropertyId::LowerLimit));
    }

    void resizeKeepsValuesAndFillsDefaults()
    {
        ParameterStore store;
        seedTokens(store, "J11=1,2,7*2");
        auto parameter = object(store, "J11");
        QCOMPARE(parameter->defaultValueText(eLivingSpaceCurrent, 1, false), QStringLiteral("2"));
        parameter->setValueText(eLivingSpaceCurrent, 0, QStringLiteral("9"));

        QSignalSpy changes(info(store, "J11").data(), &ParameterInformation::valueChanged);
        parameter->setElementCount(5);
        parameter->setElementCount(5);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(parameter->elementCount(), 5);
        QCOMPARE(elements(store, "J11", 5), QStringLiteral("9,2,7,7,7"));
        parameter->setElementCount(0);
        QCOMPARE(info(store, "J11")->elementCount(), 0);
        parameter->setValueText(eLivingSpaceCurrent, 0, QStringLiteral("1"));
        QCOMPARE(elements(store, "J11", 1), QString());
    }

    void cyclicRecord()
    {
        ParameterStore store;
        // A removed parameter takes its live values with it, and only its own.
        seed(store, {{"I210", "0", 4}, {"I21"}});
        info(store, "I210")->setCyclicUpdate(eLivingSpace(1), 3, true);
        info(store, "I21")->setCyclicUpdate(eLivingSpace(1), 0, true);
        store.remove("I210");
        QCOMPARE(store.cyclicUpdates(), QStringList{"I21@1.0"});
    }

    void redefineExpiresOldHandles()
    {
        ParameterStore store;
        seed(store, {{"J10"}});
        const QWeakPointer<ParameterInformation> old = store.information(ParameterCoordinate(QStringLiteral("J10")));
        seed(store, {{"J10", "3"}});
        QVERIFY(old.toStrongRef().isNull());
        QCOMPARE(store.coordinates(), QStringList{"J10"});
        QCOMPARE(store.value("J10"), QStringLiteral("3"));

        ParameterDefinitionData bad;
        bad.coordinate = QStringLiteral("J10");
        bad.dataType = ParameterDataType::Int8;
        bad.defaults = {QStringLiteral("500")};
        QString error;
        QVERIFY(!store.define(bad, &error));
        QVERIFY(error.contains("500"));
        QCOMPARE(store.value("J10"), QStringLiteral("3"));
    }

    void loadJson()
    {
        ParameterStore store;
        const QByteArray json = R"({"parameters": [
            {"coordinate": "J10", "name": {"de": "Position", "en": "Position"}, "type": "INT32", "unit": "mm",
             "elements": 4, "default": [1, 2], "min": -10, "max": 100, "value": [5]},
            {"coordinate": "K08", "type": "INT16", "selection": {"1": {"de": "Fahrsatz", "en": "Motion block"}, "2": "Kommando"},
             "default": 1, "global": true},
            {"coordinate": "E57", "type": "STRING", "default": "QX4A", "newDefinition": false, "hidden": true},
            {"coordinate": "I14", "type": "REAL32", "value": "2.5", "unit": {"de": "U/min", "en": "rpm"}}
        ]})";
        QString error;
        QVERIFY2(store.loadJson(json, "drive.json", &error), qPrintable(error));
        QCOMPARE(store.coordinates(), (QStringList{"J10", "K08", "E57", "I14"}));
        QCOMPARE(store.value("I14"), QStringLiteral("2.5"));  // as files wrote fractions before
        QCOMPARE(elements(store, "J10", 4), QStringLiteral("5,2,2,2"));
        QVERIFY(info(store, "E57")->isHidden(eLivingSpaceCurrent, 0));

        auto mode = info(store, "K08");
        QCOMPARE(mode->selectionTexts(eLivingSpaceCurrent, 0).value(2), QStringLiteral("Kommando"));

        // Living space 0 is the current axis (1 by default); axis 2 keeps its own values, but
        // shares the global ones.
        store.setValue("J10", 0, 0, "11");
        store.setValue("K08", 2, 0, "2");
        QCOMPARE(QStringList({store.value("J10", 1), store.value("J10", 2), store.value("K08", 1)}).join(' '),
                 QStringLiteral("11 1 2"));
        QVERIFY(mode->isGlobal());
        QVERIFY(info(store, "J10")->isInLivingSpace(eLivingSpace(2)));
        QVERIFY(!info(store, "J10")->isInLivingSpace(eLivingSpace(-1)));
    }

    void loadJsonErrors_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("expected");

        QTest::newRow("syntax") << QByteArray("{\"parameters\": [\n  {\"coordinate\": \"J10\",,}\n]}") << "drive.json:2:";
        QTest::newRow("no list") << QByteArray("{\"params\": []}") << "field \"parameters\"";
        QTest::newRow("entry not an object") << QByteArray("{\"parameters\": [3]}") << "parameters[0]";
        QTest::newRow("bad coordinate") << QByteArray(R"({"parameters": [{"coordinate": "40J", "type": "INT32"}]})")
                                        << "parameters[0] (40J): field \"coordinate\"";
        QTest::newRow("bad type") << one(R"("type": "INT33")") << "parameters[0] (J01): field \"type\"";
        QTest::newRow("more elements than a drive holds") << one(R"("type": "STRING", "elements": 16381)")
                                                          << "parameters[0] (J01): field \"elements\"";
        QByteArray tables("{\"parameters\": [");  // one full block table more than a drive may hold
        for (int table = 1; table <= 513; ++table)
            tables += QStringLiteral(R"(%1{"coordinate": "J%2", "type": "INT8", "elements": 16380})").arg(table > 1 ? "," : "").arg(table).toLatin1();
        QTest::newRow("more elements than all parameters may hold") << tables + "]}" << "parameters[512] (J513): field \"elements\"";
        QTest::newRow("default out of type") << one(R"("type": "INT8", "default": 300)") << "parameters[0] (J01): field \"default\"";
        QTest::newRow("value out of limits") << one(R"("type": "INT32", "max": 3, "value": 4)") << "field \"value\"";
        QTest::newRow("too many values") << one(R"("type": "INT32", "value": [1, 2])") << "field \"value\"";
        QTest::newRow("bad selection key") << one(R"("type": "INT32", "selection": {"x": "a"})") << "field \"selection\"";
        QTest::newRow("unknown field") << one(R"("type": "INT32", "colour": 1)") << "field \"colour\"";
        QTest::newRow("unit not a text") << one(R"("type": "REAL32", "unit": {"en": 5})") << "field \"unit\": a text or an object";
        QTest::newRow("integer default beyond 64 bits") << one(R"("type": "INT32", "default": 1e30)") << "field \"default\"";
        QTest::newRow("real limit beyond float") << one(R"("type": "REAL32", "max": 1e39)") << "field \"max\"";
        QTest::newRow("switch for a real") << one(R"("type": "REAL32", "value": true)")
                                           << "parameters[0] (J01): field \"value\": a number is required for a REAL32";
        QTest::newRow("twice") << QByteArray(R"({"parameters": [{"coordinate": "J1", "type": "INT32"}, {"coordinate": "J01", "type": "INT8"}]})")
                               << "parameters[1] (J01): field \"coordinate\": defined twice";
    }

    void loadJsonErrors()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, expected);

        ParameterStore store;
        seed(store, {{"K08", "2"}});
        QString error;
        QVERIFY(!store.loadJson(json, "drive.json", &error));
        QVERIFY2(error.startsWith("drive.json:") && error.contains(expected), qPrintable(error));
        // Nothing of the bad file arrived; the store is as it was.
        QCOMPARE(store.coordinates(), QStringList{"K08"});
        QCOMPARE(store.value("K08"), QStringLiteral("2"));
    }

    void hugeRealsAndElementBound()
    {
        ParameterStore store;
        const QByteArray json = R"({"parameters": [
            {"coordinate": "J13", "type": "REAL32", "elements": 16380, "default": 1e30},
            {"coordinate": "J14", "type": "REAL32", "min": -1e30, "max": 1e30}
        ]})";
        QString error;
        QVERIFY2(store.loadJson(json, "drive.json", &error), qPrintable(error));
        QCOMPARE(store.value("J13", 0, 16379).toDouble(), double(1e30f));
        QCOMPARE(object(store, "J14")->property(0, ParameterPropertyId::UpperLimit).asDouble(), 1e30);
        // Without an explicit maximum a REAL32 limit is the float range, as an int32 the largest one.
        QCOMPARE(object(store, "J13")->property(0, ParameterPropertyId::UpperLimit).asInt32(), std::numeric_limits<qint32>::max());
        QCOMPARE(object(store, "J13")->property(0, ParameterPropertyId::LowerLimit).asInt32(), std::numeric_limits<qint32>::min());

        // Resizing beyond what a drive holds is refused and keeps the count.
        object(store, "J13")->setElementCount(16381);
        QCOMPARE(info(store, "J13")->elementCount(), ushort(16380));
        QVERIFY(store.lastWriteError().contains("16381"));
    }

    void propertyAsInt32_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("expected");
        const int max = std::numeric_limits<qint32>::max();
        QTest::newRow("fraction cut") << QVariant(2.9) << 2;
        QTest::newRow("64-bit") << QVariant(qlonglong(5000000000)) << max;
        QTest::newRow("infinite") << QVariant(std::numeric_limits<double>::infinity()) << max;
        QTest::newRow("nan") << QVariant(std::numeric_limits<double>::quiet_NaN()) << 0;
        QTest::newRow("text beyond 64 bits") << QVariant(QStringLiteral("99999999999999999999")) << max;
        QTest::newRow("text no number") << QVariant(QStringLiteral("abc")) << 0;
        QTest::newRow("no value") << QVariant() << 0;
    }

    void propertyAsInt32()
    {
        QFETCH(QVariant, value);
        QFETCH(int, expected);
        QCOMPARE(ParameterProperty(value).asInt32(), expected);
    }

    void parseAddress_data()
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
            {"empty", ""}, {"lower-case group", "j40"}, {"line too big", "J65536"}, {"empty element", "J40."},
            {"axis too big", "256:J40"}, {"four-digit axis", "0001:J40"}, {"axis separator only", ":J40"},
            {"line overflows 32 bits", "J4294967336"}, {"element overflows 32 bits", "J40.4294967299"},
            {"six-digit line", "J000040"}, {"trailing line break", "J40\n"}, {"plus sign", "J+40"},
            {"non-ascii digit", QString::fromUtf8("J٤٠")}, {"embedded nul", QString("J40") + QChar(0)}};
        for (const auto &[name, text] : invalid)
            QTest::newRow(name) << text << QString();
    }

    void parseAddress()
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

    void coordinate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical"); // empty: invalid
        QTest::newRow("J40") << "J40" << "J40";
        QTest::newRow("A0") << "A0" << "A00";
        QTest::newRow("zeros") << "I0210" << "I210";
        // The text is read as an address's is; only what differs here.
        QTest::newRow("with element") << "J40.1" << "";
        QTest::newRow("lower case") << "k08" << "";
    }

    void coordinate()
    {
        QFETCH(QString, text);
        QFETCH(QString, canonical);
        const ParameterCoordinate coordinate(text);
        QCOMPARE(coordinate.isValid(), !canonical.isEmpty());
        // An invalid coordinate keeps the text it was given.
        QCOMPARE(coordinate.toText(), canonical.isEmpty() ? text : canonical);
        QCOMPARE(qHash(coordinate), qHash(ParameterCoordinate(coordinate.toText())));
    }
};

QTEST_GUILESS_MAIN(TestParameterStore)
#include "tst_parameterstore.moc"
