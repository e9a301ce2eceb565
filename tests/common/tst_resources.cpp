// Every picture the pages refer to is compiled in and renders at its nominal size, and the
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
};

// What the pages' forms and code refer to (a bare picture name lies under ":/Brevane/Resources/"),
// what is compiled in besides, and the catalogues.
void TestResources::compiledIn_data()
{
    QTest::addColumn<QString>("path");
    QStringList paths{":/Translation/Brevane_de.qm", ":/Translation/Brevane_en.qm", ":/Translation/Brevane_fr.qm"};
    static const QRegularExpression reference(
        QStringLiteral(R"re(:/(?:Brevane|Animation)/Resources/[^<"]+?\.(?:svg|png|gif)|"([^"/:]+\.(?:svg|png))")re"));
    QDirIterator sources(QStringLiteral(BREVANE_SOURCE_DIR "/pages"), {"*.ui", "*.cpp", "*.h"}, QDir::Files,
                         QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        QFile file(sources.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (auto it = reference.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            paths << (match.hasCaptured(1) ? QStringLiteral(":/Brevane/Resources/") + match.captured(1) : match.captured(0));
        }
    }
    for (const char *folder : {":/Brevane/Resources", ":/Animation/Resources"}) {
        for (QDirIterator it{QLatin1String(folder)}; it.hasNext();)
            paths << it.next();
    }
    paths.sort();
    paths.removeDuplicates();
    for (const QString &path : std::as_const(paths))
        QTest::newRow(qPrintable(path)) << path;
}

// Each is there and sound: a diagram renders at the size its name gives and draws something
// but no words, an icon has its size, an animation moves.
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

        // Words belong to the forms, which translate them: a picture draws only coordinates
        // ("J04.3"), numbers, units and symbols ("M", "PID", "Σ", "≥1").
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

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
