// Every picture the pages refer to is compiled in and renders at its nominal size, and the
// catalogues are there, complete and current: the same entries in all three languages, every
// English and French entry translated, and nothing in the code or forms that lupdate would
// add.

#include "PageRegistry.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
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

// Context and source text to the translation; empty while it is unfinished.
using Catalogue = QMap<QPair<QString, QString>, QString>;

// The catalogue at the path; empty, with the reason as a warning, where it cannot be read.
Catalogue readCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s: %s", qPrintable(path), qPrintable(file.errorString()));
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString translation = xml.readElementText();
            catalogue.insert({context, source}, unfinished ? QString() : translation);
        }
    }
    if (xml.hasError()) {
        qWarning("%s:%lld: %s", qPrintable(path), xml.lineNumber(), qPrintable(xml.errorString()));
        return Catalogue();
    }
    return catalogue;
}

const char *const languages[] = {"de", "en", "fr"};

Catalogue catalogue(const char *language)
{
    return readCatalogue(QStringLiteral(BREVANE_TS_DIR "/Brevane_%1.ts").arg(QLatin1String(language)));
}

const QRegularExpression pictureReference(
    QStringLiteral(R"re(:/(?:Brevane|Animation)/Resources/[^<"]+?\.(?:svg|png|gif)|"([^"/:]+\.(?:svg|png))")re"));

} // namespace

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    // What the pages' forms and code refer to (a bare picture name lies under ":/Brevane/Resources/"),
    // what is compiled in besides, and the catalogues.
    void compiledIn_data()
    {
        QTest::addColumn<QString>("path");
        QStringList paths{":/Translation/Brevane_de.qm", ":/Translation/Brevane_en.qm", ":/Translation/Brevane_fr.qm"};
        QDirIterator sources(QStringLiteral(BREVANE_SOURCE_DIR "/pages"), {"*.ui", "*.cpp", "*.h"}, QDir::Files,
                             QDirIterator::Subdirectories);
        while (sources.hasNext()) {
            QFile file(sources.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (auto it = pictureReference.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
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
    // but no words, an icon has its size.
    void compiledIn()
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
        }
    }

    // The same entries in all three languages, each translated.
    void complete()
    {
        const Catalogue german = catalogue("de");
        QVERIFY(!german.isEmpty());
        for (const char *language : languages) {
            const Catalogue texts = catalogue(language);
            QCOMPARE(texts.keys(), german.keys());
            QStringList open;
            for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
                if (it.value().isEmpty())
                    open << it.key().first + QStringLiteral(": ") + it.key().second;
            }
            QVERIFY2(open.isEmpty(), qPrintable(QStringLiteral("untranslated in %1:\n").arg(QLatin1String(language))
                                                + open.join(QLatin1Char('\n'))));
        }
    }

    void cataloguesCurrent()
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(BREVANE_LUPDATE),
                      {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui"), QStringLiteral(BREVANE_SOURCE_DIR "/pages"),
                       QStringLiteral(BREVANE_SOURCE_DIR "/plugin"), QStringLiteral("-ts"), fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        const Catalogue expected = readCatalogue(fresh);
        const Catalogue present = catalogue("en");
        QVERIFY(!expected.isEmpty() && !present.isEmpty());
        const auto keys = [](const Catalogue &catalogue) {
            QSet<QString> keys;
            for (const auto &key : catalogue.keys())
                keys << key.first + QStringLiteral(": ") + key.second;
            return keys;
        };
        const QStringList missing = (keys(expected) - keys(present)).values();
        const QStringList stale = (keys(present) - keys(expected)).values();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalogues (run the update_translations target):\n")
                                               + missing.join(QLatin1Char('\n'))));
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("no longer in the code:\n") + stale.join(QLatin1Char('\n'))));
    }

    void staysGerman_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        for (const char *source : {"Fehler!", "Ungültige Fahrsatzanzahl", "Fahrsätze Reset",
                                   "Alle Fahrsätze auf Defaultwerte zurücksetzen?"})
            QTest::newRow(source) << "Fahrsatzbetrieb" << QString::fromUtf8(source);
    }

    // The messages of the block count change and reset read the same in every language.
    void staysGerman()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        for (const char *language : languages)
            QCOMPARE(catalogue(language).value({context, source}), source);
    }

    void oneTerm_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("contexts");
        QTest::addColumn<QString>("page"); // the page the text names, whose registry name it uses
        QTest::addColumn<QString>("shortIn"); // a language whose caption must be shorter to fit
        QTest::newRow("application control panel")
            << "Steuertafel: Fahrsatz" << QStringList{"MotionBlockSelect", "MotionBlockBinSignals", "SrcDirectMbStart"}
            << "SteuertafelApplikation" << "fr";
        QTest::newRow("follow-up link") << "<a href=\"Folgefahrsatz\">Folgefahrsatz</a>"
                                        << QStringList{"SrcCtrlFollowMotionBlock"} << "Folgefahrsatz" << "";
        QTest::newRow("torque limit") << "Begrenzung Drehmoment/Kraft" << QStringList{"Fahrsatz", "MotionBlockTrqForce"}
                                      << "" << "";
        QTest::newRow("all sources to parameter")
            << "Alle Quellen auf Parameter setzen"
            << QStringList{"DbmSrcBinSignals", "MotionBlockBinSignals", "SrcCommandBinSignals", "SrcCtrlFollowMotionBlock"}
            << "" << "";
    }

    // A thing has one name per language on every page, and a text naming a page uses the
    // page's name from the registry.
    void oneTerm()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, contexts);
        QFETCH(QString, page);
        QFETCH(QString, shortIn);
        for (const char *language : {"en", "fr"}) {
            const Catalogue texts = catalogue(language);
            QSet<QString> terms;
            for (const QString &context : contexts) {
                QVERIFY2(texts.contains({context, source}), qPrintable(context));
                terms << QTextDocumentFragment::fromHtml(texts.value({context, source})).toPlainText();
            }
            QCOMPARE(terms.size(), 1);
            if (!page.isEmpty() && shortIn != QLatin1String(language)) {
                const int code = QLatin1String(language) == QLatin1String("en") ? Text::English : Text::French;
                QCOMPARE(*terms.cbegin(), PageRegistry::pageName(page).text(code));
            }
        }
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
