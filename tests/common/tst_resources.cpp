// Every picture the pages refer to is compiled in, renders at its nominal size, and the
// catalogues are there.

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMovie>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const char *const diagrams[] = {
    "AuswahlFestwerte_a_350_120.svg",
    "AuswahlFestwerte_b_430_220.svg",
    "BegrGeschwBetrGeschwDrehmKraft_750_220.svg",
    "Brevane.DbmQuelleDrehmKraftGeschwKlammerung AI1AI2 h360w900.svg",
    "Brevane.DbmQuelleDrehmKraftGeschwKlammerung AI1AI2AI3 h380w900.svg",
    "Brevane.DbmQuelleDrehmKraftGeschwKlammerung AI3 h330w900.svg",
    "Brevane.DbmQuelleDrehmKraftGeschwKlammerung NoAI h330w900.svg",
    "Brevane.SrcExtAuxVel AI1AI2 270h650w.svg",
    "Brevane.SrcExtAuxVel AI1AI2AI3 300h650w.svg",
    "Brevane.SrcExtAuxVel AI3 240h650w.svg",
    "Brevane.SrcExtAuxVel NoAI 210h500w.svg",
    "Brevane.SrcExtVelocity AI1AI2 270h650w.svg",
    "Brevane.SrcExtVelocity AI1AI2AI3 300h650w.svg",
    "Brevane.SrcExtVelocity AI3 240h650w.svg",
    "Brevane.SrcExtVelocity NoAI 210h500w.svg",
    "Brevane.SrcVelOverride AI1AI2 amount 270h800w.svg",
    "Brevane.SrcVelOverride AI1AI2 limit 270h800w.svg",
    "Brevane.SrcVelOverride AI1AI2AI3 amount 300h800w.svg",
    "Brevane.SrcVelOverride AI1AI2AI3 limit 300h800w.svg",
    "Brevane.SrcVelOverride AI3 amount 240h800w.svg",
    "Brevane.SrcVelOverride AI3 limit 240h800w.svg",
    "Brevane.SrcVelOverride NoAI amount 210h600w.svg",
    "Brevane.SrcVelOverride NoAI limit 210h600w.svg",
    "Counter_320_150.svg",
    "DBM Quelle Fahrsatz Binaersignale_740_220.svg",
    "DBM Quelle Kommando Binaersignale_540_220.svg",
    "DBM_Kommando_640_240.svg",
    "DBM_SyncKommando_400_100.svg",
    "DBM_Winding_leer_400_100.svg",
    "DbmApplikationKM2_800_440.svg",
    "DbmApplikationKN2_KP2_800_440.svg",
    "DbmGeschwDrehmKraft_b_800_240.svg",
    "DbmGeschwDrehmKraft_c_800_300.svg",
    "DbmGeschwDrehmKraft_d_800_240.svg",
    "DbmHauptsollwert_1_640_160.svg",
    "DbmHauptsollwert_2_640_340.svg",
    "DbmQuelleDrehrichtung_a_600_160.svg",
    "DbmQuelleDrehrichtung_b_600_160.svg",
    "DbmQuelleFahrsatzDrehmomentKraft_500_160.svg",
    "DbmQuelleTriggerFolgefahrsatz_660_220.svg",
    "DbmQuellenBinaersignale_600_280.svg",
    "DbmTipbetrieb_KM2_650_180.svg",
    "DbmTipbetrieb_KN2KP2_650_180.svg",
    "DbmZusatzsollwert_1_640_160.svg",
    "DbmZusatzsollwert_2_640_340.svg",
    "DrehmomentKraftBegrenzung_KM2_800_240.svg",
    "DrehmomentKraftBegrenzung_KN2_KT2_800_240.svg",
    "DrehmomentKraftBegrenzung_KQ2_800_240.svg",
    "Fahrsatzauswahl_a_540_180.svg",
    "Fahrsatzauswahl_b_640_250.svg",
    "Festwerte_360_430.svg",
    "Fieldbus_AnalogAusgang1_CAN_700_180.svg",
    "Fieldbus_AnalogAusgang1_EtherCAT_700_180.svg",
    "Fieldbus_AnalogAusgang1_PROFINET_700_180.svg",
    "Fieldbus_AnalogAusgang2_CAN_700_180.svg",
    "Fieldbus_AnalogAusgang2_EtherCAT_700_180.svg",
    "Fieldbus_AnalogAusgang2_PROFINET_700_180.svg",
    "KompInt16_a_500_240.svg",
    "KompInt16_b_500_240.svg",
    "KompInt16_c_500_240.svg",
    "KompInt16_d_500_240.svg",
    "KompInt16_e_500_240.svg",
    "KompInt32_a_500_240.svg",
    "KompInt32_b_500_240.svg",
    "KompInt32_c_500_240.svg",
    "KompInt32_d_500_240.svg",
    "KompInt32_e_500_240.svg",
    "KompInt8_a_500_240.svg",
    "KompInt8_b_500_240.svg",
    "KompInt8_c_500_240.svg",
    "KompInt8_d_500_240.svg",
    "KompInt8_e_500_240.svg",
    "KompReal32_a_700_180.svg",
    "KompReal32_b1_700_180.svg",
    "KompReal32_b2_780_180.svg",
    "KompReal32_c1_700_180.svg",
    "KompReal32_c2_780_180.svg",
    "KompReal32_d1_700_180.svg",
    "KompReal32_d2_780_180.svg",
    "KompReal32_e1_700_180.svg",
    "KompReal32_e2_780_180.svg",
    "KompReal32_f1_700_180.svg",
    "KompReal32_f2_780_180.svg",
    "LED_GREEN_ON.svg",
    "LED_red_on.svg",
    "LED_yellow_on.svg",
    "Motorpoti_800_220.svg",
    "Nocken_400_150.svg",
    "PidIstwert_KM2_a_640_280.svg",
    "PidIstwert_KM2_b_640_280.svg",
    "PidIstwert_KN2KP2_a_640_280.svg",
    "PidIstwert_KN2KP2_b_640_280.svg",
    "PidIstwert_KQ2_a_640_280.svg",
    "PidIstwert_KQ2_b_640_280.svg",
    "PidRegler_1_800_380.svg",
    "PidRegler_2_950_400.svg",
    "PidSollwert_KM2_a_640_280.svg",
    "PidSollwert_KM2_b_640_280.svg",
    "PidSollwert_KN2KP2_a_640_280.svg",
    "PidSollwert_KN2KP2_b_640_280.svg",
    "PidSollwert_KQ2_a_640_280.svg",
    "PidSollwert_KQ2_b_640_280.svg",
    "QuelleDirekterFahrsatzstart_860_240.svg",
    "QuelleIndirekterTriggerFolgefahrsatz_a_600_50.svg",
    "QuelleIndirekterTriggerFolgefahrsatz_b_600_50.svg",
    "QuelleIndirekterTriggerFolgefahrsatz_c_600_100.svg",
    "SrcDisablePidRegler_1_720_400.svg",
    "SrcDisablePidRegler_2_720_400.svg",
    "Trassierband_400_340.svg",
    "Trassierband_disabled_400_340.svg",
    "ledgrey.svg",
    "ledgreyCross.svg",
    "CBMUebersicht_600_260.svg",
};

const char *const icons[] = {
    "Error.png",
    "GreenDownButton.png",
    "GreenUpButton.png",
    "Halt-Funktion.png",
    "Handshake.png",
    "ICO_Applikation_Drehzahlbetrieb_300x300px_rgb.png",
    "ICO_Applikation_Drive Based_Kommandobetrieb_300x300px_rgb.png",
    "ICO_Applikation_Fahrsatzbetrieb_300x300px_rgb.png",
    "ICO_Applikation_Motion_300x300px_rgb.png",
    "ICO_Applikation_Synchronbetrieb_300x300px_rgb.png",
    "ICO_Applikation_Tippen_300x300px_rgb.png",
    "ICO_Applikation_Zentralwickler_300x300px_rgb.png",
    "Next.png",
    "Play.png",
    "Previous.png",
    "Redo.png",
    "RefSetzen.png",
    "Repeat.png",
    "Reset_Cancel.png",
    "Stop.png",
    "Turn off.png",
    "Turn on.png",
};

// The nominal size a picture's name gives: "_320_150", "_300x300px", " 270h650w" or " h330w900".
QSize nominalSize(const QString &name)
{
    static const QRegularExpression underscores(QStringLiteral("_(\\d+)_(\\d+)\\.svg$"));
    static const QRegularExpression heightFirst(QStringLiteral(" (\\d+)h(\\d+)w\\.svg$"));
    static const QRegularExpression letterFirst(QStringLiteral(" h(\\d+)w(\\d+)\\.svg$"));
    static const QRegularExpression icon(QStringLiteral("_(\\d+)x(\\d+)px"));
    QRegularExpressionMatch match = underscores.match(name);
    if (match.hasMatch())
        return QSize(match.captured(1).toInt(), match.captured(2).toInt());
    for (const QRegularExpression *pattern : {&heightFirst, &letterFirst}) {
        match = pattern->match(name);
        if (match.hasMatch())
            return QSize(match.captured(2).toInt(), match.captured(1).toInt());
    }
    match = icon.match(name);
    if (match.hasMatch())
        return QSize(match.captured(1).toInt(), match.captured(2).toInt());
    return QSize();
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void diagrams_data();
    void diagrams();
    void icons_data();
    void icons();
    void animations();
    void noWordsDrawn_data();
    void noWordsDrawn();
    void nothingElse();
    void catalogues();
};

void TestResources::diagrams_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : ::diagrams)
        QTest::newRow(name) << QString::fromUtf8(name);
}

void TestResources::diagrams()
{
    QFETCH(QString, name);
    const QString path = QStringLiteral(":/Brevane/Resources/") + name;
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    const QSize nominal = nominalSize(name);
    if (nominal.isValid())
        QCOMPARE(renderer.defaultSize(), nominal);
    const QSize size = nominal.isValid() ? nominal : renderer.defaultSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    // Something was drawn: not a blank picture.
    int painted = 0;
    for (int y = 0; y < image.height(); y += 2) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); x += 2)
            painted += qAlpha(line[x]) > 0 ? 1 : 0;
    }
    QVERIFY2(painted > 10, qPrintable(name));
}

void TestResources::icons_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : ::icons)
        QTest::newRow(name) << QString::fromUtf8(name);
}

void TestResources::icons()
{
    QFETCH(QString, name);
    const QImage image(QStringLiteral(":/Brevane/Resources/") + name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    const QSize nominal = nominalSize(name);
    if (nominal.isValid())
        QCOMPARE(image.size(), nominal);
}

void TestResources::animations()
{
    for (const char *name : {"LinksRum.gif", "RechtsRum.gif"}) {
        QMovie movie(QStringLiteral(":/Animation/Resources/") + QLatin1String(name));
        QVERIFY2(movie.isValid(), name);
        QVERIFY(movie.frameCount() > 1);
    }
    QVERIFY(!QImage(QStringLiteral(":/Animation/Resources/Stillstand.png")).isNull());
}

void TestResources::noWordsDrawn_data()
{
    QTest::addColumn<QString>("path");
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(QLatin1String(":/qt-project.org")))
            QTest::newRow(qPrintable(path)) << path;
    }
}

// Words belong to the forms, which translate them: a picture draws only coordinates ("J04.3"),
// numbers, units and symbols ("M", "PID", "Σ", "≥1").
void TestResources::noWordsDrawn()
{
    QFETCH(QString, path);
    static const QRegularExpression allowed(QStringLiteral(
        "^(?:[A-Z]\\d+(?:\\.\\d+)?"    // coordinate
        "|[-+−]?\\d+(?:[.,]\\d+)?"      // number
        "|%|ms|s|mm|V|mA|Hz|rpm|Nm"      // unit
        "|PID|\\p{L}|[^\\p{L}\\d]+\\d*)$")); // symbol
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    QStringList words;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("text")) {
            const QString text = svg.readElementText(QXmlStreamReader::IncludeChildElements);
            for (const QString &token : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
                if (!allowed.match(token).hasMatch())
                    words << token;
            }
        }
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QVERIFY2(words.isEmpty(), qPrintable(words.join(QLatin1String(", "))));
}

void TestResources::nothingElse()
{
    // The picture folder holds exactly the listed pictures: a misspelt file name shows up here.
    QSet<QString> expected;
    for (const char *name : ::diagrams)
        expected << QString::fromUtf8(name);
    for (const char *name : ::icons)
        expected << QString::fromUtf8(name);
    QSet<QString> present;
    QDirIterator it(QStringLiteral(":/Brevane/Resources"));
    while (it.hasNext()) {
        it.next();
        present << it.fileName();
    }
    QCOMPARE(present - expected, QSet<QString>());
    QCOMPARE(expected - present, QSet<QString>());
}

void TestResources::catalogues()
{
    for (const char *language : {"de", "en", "fr"})
        QVERIFY(QFile::exists(QStringLiteral(":/Translation/Brevane_%1.qm").arg(QLatin1String(language))));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
