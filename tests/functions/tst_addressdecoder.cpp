#include "DbmKompInt32.h"
#include "IndirectPair.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

// An independent reading of the address grammar, to judge the decoder's every answer.
std::optional<ParameterTarget> referenceDecode(const QString &text)
{
    static const QRegularExpression grammar(QRegularExpression::anchoredPattern(
        QStringLiteral("(?:([0-9]{1,3}):)?([A-Z])([0-9]{1,5})(?:\\.([0-9]{1,5}))?")));
    const QRegularExpressionMatch match = grammar.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int axis = match.hasCaptured(1) ? match.captured(1).toInt() : -1;
    const int line = match.captured(3).toInt();
    const int element = match.hasCaptured(4) ? match.captured(4).toInt() : 0;
    if (axis > 255 || line > 65535 || element > 65535)
        return std::nullopt;
    return ParameterTarget {match.captured(2) + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0')),
        static_cast<unsigned short>(element), eLivingSpace(axis + 1)};
}

// Texts near the grammar: pieces of addresses, separators, digits of other scripts, blanks,
// control characters and lone surrogates.
const QStringList pieces = {"0", "1", "9", "12", "255", "256", "65535", "65536", "99999", "4294967296", "J",
    "C", "Z", "@", "[", "j", ":", ".", "-", "+", " ", "\n", "\t", "x", "0x", "1e3", "٣", "４", "Ä", "ß"};
const QStringList seeds
    = {"J40", "1:J40.3", "12:K911.4", "255:C78.65535", "N45", "0:A0", "I65535.65535", "E72.7"};

QString randomText(QRandomGenerator &random)
{
    QString text;
    const int count = random.bounded(0, 7);
    for (int i = 0; i < count; ++i) {
        if (random.bounded(8) == 0)
            text += QChar(static_cast<char16_t>(random.bounded(0, 0xFFFF)));
        else
            text += pieces.at(random.bounded(int(pieces.size())));
    }
    return text;
}

QString mutated(QRandomGenerator &random)
{
    QString text = seeds.at(random.bounded(int(seeds.size())));
    const int edits = random.bounded(1, 4);
    for (int i = 0; i < edits; ++i) {
        const int at = random.bounded(int(text.size()) + 1);
        switch (random.bounded(4)) {
        case 0:
            text.insert(at, pieces.at(random.bounded(int(pieces.size()))));
            break;
        case 1:
            if (!text.isEmpty())
                text.remove(qMin(at, int(text.size()) - 1), 1);
            break;
        case 2:
            if (at < text.size())
                text[at] = QChar(static_cast<char16_t>(random.bounded(0x20, 0x7F)));
            break;
        default:
            text += text.left(at);
            break;
        }
    }
    return text;
}

} // namespace

class TestAddressDecoder : public QObject
{
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void fuzz();
};

void TestAddressDecoder::decode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("livingSpace");

    QTest::newRow("coordinate only") << "N44" << true << "N44" << 0 << 0;
    QTest::newRow("element") << "C78.5" << true << "C78" << 5 << 0;
    QTest::newRow("short line") << "K8" << true << "K08" << 0 << 0;
    QTest::newRow("axis 0") << "0:J40" << true << "J40" << 0 << 1;
    QTest::newRow("axis 1 and element") << "1:J40.3" << true << "J40" << 3 << 2;
    QTest::newRow("two-digit axis") << "12:K911.4" << true << "K911" << 4 << 13;
    QTest::newRow("largest parts") << "255:I65535.65535" << true << "I65535" << 65535 << 256;

    QTest::newRow("empty") << "" << false << "" << 0 << 0;
    QTest::newRow("lone axis prefix") << "1:" << false << "" << 0 << 0;
    QTest::newRow("lone digit") << "1" << false << "" << 0 << 0;
    QTest::newRow("axis beyond 255") << "256:J40" << false << "" << 0 << 0;
    QTest::newRow("line wraps past 16 bits") << "J65576" << false << "" << 0 << 0;
    QTest::newRow("element wraps past 32 bits") << "J40.4294967299" << false << "" << 0 << 0;
    QTest::newRow("trailing line break") << "1:J40\n" << false << "" << 0 << 0;
    QTest::newRow("trailing junk") << "J40.3abc" << false << "" << 0 << 0;
    QTest::newRow("lower case") << "1:j40" << false << "" << 0 << 0;
    QTest::newRow("arabic-indic axis") << QString::fromUtf8("٣:J40") << false << "" << 0 << 0;
    QTest::newRow("full-width line") << QString::fromUtf8("J４０") << false << "" << 0 << 0;
    QTest::newRow("display text with name") << "J40 Position" << false << "" << 0 << 0;
}

void TestAddressDecoder::decode()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, coordinate);
    QFETCH(int, element);
    QFETCH(int, livingSpace);

    // The pages' entry point: outputs are written only for an address.
    QString decodedCoordinate = QStringLiteral("untouched");
    unsigned short decodedElement = 4711;
    eLivingSpace decodedLivingSpace = eLivingSpace(99);
    QCOMPARE(DbmKompInt32::DecodeParaAddress(text, decodedCoordinate, decodedElement, decodedLivingSpace), valid);
    if (!valid) {
        QCOMPARE(decodedCoordinate, QStringLiteral("untouched"));
        QCOMPARE(decodedElement, 4711);
        QCOMPARE(int(decodedLivingSpace), 99);
        return;
    }
    QCOMPARE(decodedCoordinate, coordinate);
    QCOMPARE(int(decodedElement), element);
    QCOMPARE(int(decodedLivingSpace), livingSpace);
}

void TestAddressDecoder::fuzz()
{
    QRandomGenerator random(20261206);
    int accepted = 0;
    constexpr int inputs = 60000;
    for (int i = 0; i < inputs; ++i) {
        const QString text = (i % 2) ? randomText(random) : mutated(random);
        const auto target = decodeParameterAddress(text);
        const auto expected = referenceDecode(text);
        QVERIFY2(target.has_value() == expected.has_value(), qPrintable(QStringLiteral("text %1").arg(text)));
        if (!target)
            continue;
        ++accepted;
        QCOMPARE(target->coordinate, expected->coordinate);
        QCOMPARE(target->element, expected->element);
        // Without an axis the reference yields 0 as well (axis -1 + 1).
        QCOMPARE(target->livingSpace, expected->livingSpace);
        // The address's own text form reads back as the same address.
        const ParameterAddress address(text, true);
        const QString canonical = address.toText();
        QCOMPARE(ParameterAddress(canonical, true), address);
        const auto again = decodeParameterAddress(canonical);
        QVERIFY(again.has_value());
        QCOMPARE(again->coordinate, target->coordinate);
        QCOMPARE(again->element, target->element);
        QCOMPARE(again->livingSpace, target->livingSpace);
    }
    // Enough of both kinds, or the generator tests nothing.
    QVERIFY2(accepted > inputs / 20, qPrintable(QString::number(accepted)));
    QVERIFY2(accepted < inputs / 2, qPrintable(QString::number(accepted)));
}

QTEST_APPLESS_MAIN(TestAddressDecoder)
#include "tst_addressdecoder.moc"
