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

// The pictures the pages show, by name under ":/Brevane/Resources/": the diagrams, then the icons.
const char *const pictures =
    "AuswahlFestwerte_a_350_120.svg|AuswahlFestwerte_b_430_220.svg|"
    "BegrGeschwBetrGeschwDrehmKraft_750_220.svg|"
    "Brevane.DbmQuelleDrehmKraftGeschwKlammerung AI1AI2 h360w900.svg|"
    "Brevane.DbmQuelleDrehmKraftGeschwKlammerung AI1AI2AI3 h380w900.svg|"
    "Brevane.DbmQuelleDrehmKraftGeschwKlammerung AI3 h330w900.svg|"
    "Brevane.DbmQuelleDrehmKraftGeschwKlammerung NoAI h330w900.svg|"
    "Brevane.SrcExtAuxVel AI1AI2 270h650w.svg|Brevane.SrcExtAuxVel AI1AI2AI3 300h650w.svg|"
    "Brevane.SrcExtAuxVel AI3 240h650w.svg|Brevane.SrcExtAuxVel NoAI 210h500w.svg|"
    "Brevane.SrcExtVelocity AI1AI2 270h650w.svg|Brevane.SrcExtVelocity AI1AI2AI3 300h650w.svg|"
    "Brevane.SrcExtVelocity AI3 240h650w.svg|Brevane.SrcExtVelocity NoAI 210h500w.svg|"
    "Brevane.SrcVelOverride AI1AI2 amount 270h800w.svg|"
    "Brevane.SrcVelOverride AI1AI2 limit 270h800w.svg|"
    "Brevane.SrcVelOverride AI1AI2AI3 amount 300h800w.svg|"
    "Brevane.SrcVelOverride AI1AI2AI3 limit 300h800w.svg|"
    "Brevane.SrcVelOverride AI3 amount 240h800w.svg|Brevane.SrcVelOverride AI3 limit 240h800w.svg|"
    "Brevane.SrcVelOverride NoAI amount 210h600w.svg|Brevane.SrcVelOverride NoAI limit 210h600w.svg|"
    "Counter_320_150.svg|DBM Quelle Fahrsatz Binaersignale_740_220.svg|"
    "DBM Quelle Kommando Binaersignale_540_220.svg|DBM_Kommando_640_240.svg|"
    "DBM_SyncKommando_400_100.svg|DBM_Winding_leer_400_100.svg|DbmApplikationKM2_800_440.svg|"
    "DbmApplikationKN2_KP2_800_440.svg|DbmGeschwDrehmKraft_b_800_240.svg|"
    "DbmGeschwDrehmKraft_c_800_300.svg|DbmGeschwDrehmKraft_d_800_240.svg|"
    "DbmHauptsollwert_1_640_160.svg|DbmHauptsollwert_2_640_340.svg|"
    "DbmQuelleDrehrichtung_a_600_160.svg|DbmQuelleDrehrichtung_b_600_160.svg|"
    "DbmQuelleFahrsatzDrehmomentKraft_500_160.svg|DbmQuelleTriggerFolgefahrsatz_660_220.svg|"
    "DbmQuellenBinaersignale_600_280.svg|DbmTipbetrieb_KM2_650_180.svg|"
    "DbmTipbetrieb_KN2KP2_650_180.svg|DbmZusatzsollwert_1_640_160.svg|DbmZusatzsollwert_2_640_340.svg|"
    "DrehmomentKraftBegrenzung_KM2_800_240.svg|DrehmomentKraftBegrenzung_KN2_KT2_800_240.svg|"
    "DrehmomentKraftBegrenzung_KQ2_800_240.svg|Fahrsatzauswahl_a_540_180.svg|"
    "Fahrsatzauswahl_b_640_250.svg|Festwerte_360_430.svg|Fieldbus_AnalogAusgang1_CAN_700_180.svg|"
    "Fieldbus_AnalogAusgang1_EtherCAT_700_180.svg|Fieldbus_AnalogAusgang1_PROFINET_700_180.svg|"
    "Fieldbus_AnalogAusgang2_CAN_700_180.svg|Fieldbus_AnalogAusgang2_EtherCAT_700_180.svg|"
    "Fieldbus_AnalogAusgang2_PROFINET_700_180.svg|KompInt16_a_500_240.svg|KompInt16_b_500_240.svg|"
    "KompInt16_c_500_240.svg|KompInt16_d_500_240.svg|KompInt16_e_500_240.svg|KompInt32_a_500_240.svg|"
    "KompInt32_b_500_240.svg|KompInt32_c_500_240.svg|KompInt32_d_500_240.svg|KompInt32_e_500_240.svg|"
    "KompInt8_a_500_240.svg|KompInt8_b_500_240.svg|KompInt8_c_500_240.svg|KompInt8_d_500_240.svg|"
    "KompInt8_e_500_240.svg|KompReal32_a_700_180.svg|KompReal32_b1_700_180.svg|"
    "KompReal32_b2_780_180.svg|KompReal32_c1_700_180.svg|KompReal32_c2_780_180.svg|"
    "KompReal32_d1_700_180.svg|KompReal32_d2_780_180.svg|KompReal32_e1_700_180.svg|"
    "KompReal32_e2_780_180.svg|KompReal32_f1_700_180.svg|KompReal32_f2_780_180.svg|LED_GREEN_ON.svg|"
    "LED_red_on.svg|LED_yellow_on.svg|Motorpoti_800_220.svg|Nocken_400_150.svg|"
    "PidIstwert_KM2_a_640_280.svg|PidIstwert_KM2_b_640_280.svg|PidIstwert_KN2KP2_a_640_280.svg|"
    "PidIstwert_KN2KP2_b_640_280.svg|PidIstwert_KQ2_a_640_280.svg|PidIstwert_KQ2_b_640_280.svg|"
    "PidRegler_1_800_380.svg|PidRegler_2_950_400.svg|PidSollwert_KM2_a_640_280.svg|"
    "PidSollwert_KM2_b_640_280.svg|PidSollwert_KN2KP2_a_640_280.svg|PidSollwert_KN2KP2_b_640_280.svg|"
    "PidSollwert_KQ2_a_640_280.svg|PidSollwert_KQ2_b_640_280.svg|"
    "QuelleDirekterFahrsatzstart_860_240.svg|QuelleIndirekterTriggerFolgefahrsatz_a_600_50.svg|"
    "QuelleIndirekterTriggerFolgefahrsatz_b_600_50.svg|"
    "QuelleIndirekterTriggerFolgefahrsatz_c_600_100.svg|SrcDisablePidRegler_1_720_400.svg|"
    "SrcDisablePidRegler_2_720_400.svg|Trassierband_400_340.svg|Trassierband_disabled_400_340.svg|"
    "ledgrey.svg|ledgreyCross.svg|CBMUebersicht_600_260.svg|"
    "Error.png|GreenDownButton.png|GreenUpButton.png|Halt-Funktion.png|Handshake.png|"
    "ICO_Applikation_Drehzahlbetrieb_300x300px_rgb.png|"
    "ICO_Applikation_Drive Based_Kommandobetrieb_300x300px_rgb.png|"
    "ICO_Applikation_Fahrsatzbetrieb_300x300px_rgb.png|ICO_Applikation_Motion_300x300px_rgb.png|"
    "ICO_Applikation_Synchronbetrieb_300x300px_rgb.png|ICO_Applikation_Tippen_300x300px_rgb.png|"
    "ICO_Applikation_Zentralwickler_300x300px_rgb.png|Next.png|Play.png|Previous.png|Redo.png|"
    "RefSetzen.png|Repeat.png|Reset_Cancel.png|Stop.png|Turn off.png|Turn on.png";

// The nominal size a picture's name gives: "_320_150", "_300x300px", " 270h650w" or " h330w900".
QSize nominalSize(const QString &name)
{
    static const QList<QPair<QRegularExpression, bool>> patterns = { // the pattern, whether width comes first
        {QRegularExpression(QStringLiteral("_(\\d+)_(\\d+)\\.svg$")), true},
        {QRegularExpression(QStringLiteral(" (\\d+)h(\\d+)w\\.svg$")), false},
        {QRegularExpression(QStringLiteral(" h(\\d+)w(\\d+)\\.svg$")), false},
        {QRegularExpression(QStringLiteral("_(\\d+)x(\\d+)px")), true}};
    for (const auto &[pattern, widthFirst] : patterns) {
        if (const QRegularExpressionMatch match = pattern.match(name); match.hasMatch()) {
            const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
            return widthFirst ? size : size.transposed();
        }
    }
    return QSize();
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void compiledIn_data();
    void compiledIn();
    void noWordsDrawn_data();
    void noWordsDrawn();
};

void TestResources::compiledIn_data()
{
    QTest::addColumn<QString>("path");
    const auto add = [](const char *folder, const char *names) {
        for (const QString &name : QString::fromUtf8(names).split(QLatin1Char('|')))
            QTest::newRow(qPrintable(name)) << QLatin1String(folder) + name;
    };
    add(":/Brevane/Resources/", pictures);
    add(":/Animation/Resources/", "LinksRum.gif|RechtsRum.gif|Stillstand.png");
    add(":/Translation/", "Brevane_de.qm|Brevane_en.qm|Brevane_fr.qm");
}

// Each is there and sound: a diagram renders at the size its name gives and draws something,
// an icon has its size, an animation moves.
void TestResources::compiledIn()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QSize nominal = nominalSize(path);
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        if (nominal.isValid())
            QCOMPARE(renderer.defaultSize(), nominal);
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QImage blank(image.size(), image.format());
        blank.fill(Qt::transparent);
        QVERIFY2(image != blank, "a blank picture");
    } else if (path.endsWith(QLatin1String(".png"))) {
        const QImage image(path);
        QVERIFY(!image.isNull());
        if (nominal.isValid())
            QCOMPARE(image.size(), nominal);
    } else if (path.endsWith(QLatin1String(".gif"))) {
        QMovie movie(path);
        QVERIFY(movie.isValid() && movie.frameCount() > 1);
    }
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

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
