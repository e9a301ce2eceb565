#include "PageRegistry.h"

#include <QTest>
#include <QTranslator>

class TestRegistry : public QObject
{
    Q_OBJECT
private slots:
    void identifiers();
    void unknownIdentifiers_data();
    void unknownIdentifiers();
    void names_data();
    void names();
    void sharedNames_data();
    void sharedNames();
    void everyRowNamedInThreeLanguages();
    void translatorsCached();
    void translatorsOutOfRange();
};

void TestRegistry::identifiers()
{
    const QStringList ids = PageRegistry::identifiers();
    QCOMPARE(ids.size(), 63);
    QCOMPARE(ids.first(), QStringLiteral("DbmVisibility"));
    QCOMPARE(ids.at(10), QStringLiteral("DbmQuelleExtZusatzGeschwindigkeit"));
    QCOMPARE(ids.at(24), QStringLiteral("DbmKommando"));
    QCOMPARE(ids.last(), QStringLiteral("AnalogOutput2"));
    QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), 63);
    QCOMPARE(PageRegistry::staticIdentifiers(), QStringList{QStringLiteral("DbmVisibility")});
}

void TestRegistry::unknownIdentifiers_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::newRow("wrong case") << "dbmkommando";
    QTest::newRow("blank") << "DbmKommando ";
    QTest::newRow("class name, not identifier") << "SrcExtVelocity";
    QTest::newRow("empty") << "";
    QTest::newRow("null") << QString();
    QTest::newRow("other plug-in") << "EtherCatStartseite";
}

void TestRegistry::unknownIdentifiers()
{
    QFETCH(QString, identifier);
    QVERIFY(PageRegistry::createPage(identifier) == nullptr);
    const Text name = PageRegistry::pageName(identifier);
    QVERIFY(name.isEmpty());
    QVERIFY(!name.hasLanguage(Text::German));
}

void TestRegistry::names_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("french");
    QTest::newRow("MotionBlocks") << "MotionBlocks" << QString::fromUtf8("Fahrsätze") << "Motion blocks" << "Motion blocks";
    QTest::newRow("identifier differs from class") << "DbmQuelleExterneGeschwindigkeit"
        << "Externe Geschwindigkeit: Quelle" << "External velocity: Data source" << "Vitesse externe : source";
    QTest::newRow("apostrophe") << "Fahrsatzbetrieb" << "Betriebsart Fahrsatz" << "Motion block operating mode"
        << "Mode d'exploitation bloc de déplacement";
    QTest::newRow("last") << "AnalogOutput2" << "Feldbusgesteuerter analoger Ausgang 2"
        << "Fieldbus-controlled analog output 2" << "Sortie analogique 2 commandée par bus de terrain";
}

void TestRegistry::names()
{
    QFETCH(QString, identifier);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QFETCH(QString, french);
    const Text name = PageRegistry::pageName(identifier);
    QCOMPARE(name.text(Text::German), german);
    QCOMPARE(name.text(Text::English), english);
    QCOMPARE(name.text(Text::French), french);
}

void TestRegistry::sharedNames_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("torque/force limit") << "DbmMotionBlockTrqForce" << "DbmSrcTrqForce";
    QTest::newRow("additional functions") << "DbmZusatzfunktionen" << "DbmZusatzfunktionenV2";
    QTest::newRow("indirect trigger") << "DbmSrcIndirectTriggerFollowMb" << "DbmSrcIndirectTriggerFollowMbV2";
    QTest::newRow("digital signals") << "DbmMotionBlockBinSignals" << "SrcCommandBinSignals";
}

void TestRegistry::sharedNames()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QVERIFY(!PageRegistry::pageName(first).isEmpty());
    QCOMPARE(PageRegistry::pageName(first), PageRegistry::pageName(second));
}

void TestRegistry::everyRowNamedInThreeLanguages()
{
    for (const QString &identifier : PageRegistry::identifiers()) {
        const Text name = PageRegistry::pageName(identifier);
        for (int language : {Text::German, Text::English, Text::French})
            QVERIFY2(!name.text(language).isEmpty(), qPrintable(identifier));
    }
}

void TestRegistry::translatorsCached()
{
    for (int language : {Text::German, Text::English, Text::French}) {
        QTranslator *first = PageRegistry::translator(language);
        QVERIFY(first);
        QVERIFY2(!first->isEmpty(), "the catalogue is compiled in");
        QCOMPARE(PageRegistry::translator(language), first);
    }
    QVERIFY(PageRegistry::translator(Text::German) != PageRegistry::translator(Text::English));
}

void TestRegistry::translatorsOutOfRange()
{
    for (int language : {0, 4, -1, 1000})
        QVERIFY(PageRegistry::translator(language) == nullptr);
}

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
