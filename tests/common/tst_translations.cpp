// The catalogues are complete and current: the same entries in all three languages, every
// English and French entry translated, and nothing in the code or forms that lupdate would
// add.

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// Context and source text to the translation; empty while it is unfinished.
using Catalogue = QMap<QPair<QString, QString>, QString>;

bool readCatalogue(const QString &path, Catalogue *catalogue, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
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
            catalogue->insert({context, source}, unfinished ? QString() : translation);
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

QString catalogPath(const char *language)
{
    return QStringLiteral(BREVANE_TS_DIR "/Brevane_%1.ts").arg(QLatin1String(language));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void complete();
    void cataloguesCurrent();
};

// The same entries in all three languages, each translated.
void TestTranslations::complete()
{
    Catalogue german;
    QString error;
    QVERIFY2(readCatalogue(catalogPath("de"), &german, &error), qPrintable(error));
    QVERIFY(!german.isEmpty());
    for (const char *language : {"de", "en", "fr"}) {
        Catalogue catalogue;
        QVERIFY2(readCatalogue(catalogPath(language), &catalogue, &error), qPrintable(error));
        QCOMPARE(catalogue.keys(), german.keys());
        QStringList open;
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
            if (it.value().isEmpty())
                open << it.key().first + QStringLiteral(": ") + it.key().second;
        }
        QVERIFY2(open.isEmpty(), qPrintable(QStringLiteral("untranslated in %1:\n").arg(QLatin1String(language))
                                            + open.join(QLatin1Char('\n'))));
    }
}

void TestTranslations::cataloguesCurrent()
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

    Catalogue expected, present;
    QString error;
    QVERIFY2(readCatalogue(fresh, &expected, &error), qPrintable(error));
    QVERIFY2(readCatalogue(catalogPath("en"), &present, &error), qPrintable(error));
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

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
