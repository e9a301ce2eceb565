// The catalogues are complete and current: the same entries in all three languages, every
// English and French entry translated, and nothing in the code or forms that lupdate would
// add.

#include "PageRegistry.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTest>
#include <QXmlStreamReader>

namespace {

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

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
