// The catalogues are complete and current: the same entries in all three languages, every
// English and French entry translated, and nothing in the code or forms that lupdate would
// add.

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry
{
    QString translation;
    bool unfinished = false;
};

using Catalogue = QMap<QPair<QString, QString>, Entry>;

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
            Entry entry;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entry.unfinished = !type.isEmpty();
            entry.translation = xml.readElementText();
            catalogue->insert({context, source}, entry);
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
    void sameEntries();
    void translated_data();
    void translated();
    void germanRevisions_data();
    void germanRevisions();
    void cataloguesCurrent();
};

void TestTranslations::sameEntries()
{
    Catalogue german, english, french;
    QString error;
    QVERIFY2(readCatalogue(catalogPath("de"), &german, &error), qPrintable(error));
    QVERIFY2(readCatalogue(catalogPath("en"), &english, &error), qPrintable(error));
    QVERIFY2(readCatalogue(catalogPath("fr"), &french, &error), qPrintable(error));
    QVERIFY(!german.isEmpty());
    QCOMPARE(english.keys(), german.keys());
    QCOMPARE(french.keys(), german.keys());
}

void TestTranslations::translated_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("fr") << "fr";
    QTest::newRow("de") << "de";
}

void TestTranslations::translated()
{
    QFETCH(QString, language);
    Catalogue catalogue;
    QString error;
    QVERIFY2(readCatalogue(catalogPath(language.toLatin1().constData()), &catalogue, &error), qPrintable(error));
    QStringList open;
    for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
        if (it.value().unfinished || it.value().translation.isEmpty())
            open << it.key().first + QStringLiteral(": ") + it.key().second;
    }
    QVERIFY2(open.isEmpty(), qPrintable(QStringLiteral("untranslated:\n") + open.join(QLatin1Char('\n'))));
}

void TestTranslations::germanRevisions_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("revised");
    QTest::newRow("hidden") << "Assistentenseite ist aktuell ausgeblendet." << "Assistent ist ausgeblendet";
    QTest::newRow("missing") << "Assistentenseite fehlt in der Baum-Definition."
                             << QString::fromUtf8("Assistent ist nicht verfügbar");
    QTest::newRow("missing title") << "Seite nicht eingebunden." << QString::fromUtf8("Assistent ist nicht verfügbar");
}

void TestTranslations::germanRevisions()
{
    QFETCH(QString, source);
    QFETCH(QString, revised);
    Catalogue german;
    QString error;
    QVERIFY2(readCatalogue(catalogPath("de"), &german, &error), qPrintable(error));
    QCOMPARE(german.value({QStringLiteral("BrevanePage"), source}).translation, revised);
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
    QStringList missing;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!present.contains(it.key()))
            missing << it.key().first + QStringLiteral(": ") + it.key().second;
    }
    QStringList stale;
    for (auto it = present.cbegin(); it != present.cend(); ++it) {
        if (!expected.contains(it.key()))
            stale << it.key().first + QStringLiteral(": ") + it.key().second;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalogues (run the update_translations target):\n")
                                           + missing.join(QLatin1Char('\n'))));
    QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("no longer in the code:\n") + stale.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
