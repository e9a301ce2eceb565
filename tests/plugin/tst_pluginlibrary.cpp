// Loads the built plug-in the way the host does and talks to it through its entry points.

#include "EntryPoints.h"
#include "WizardPage.h"

#include <QFile>
#include <QLibrary>
#include <QTest>
#include <QTranslator>

#include <memory>

class TestPluginLibrary : public QObject
{
    Q_OBJECT
private slots:
    void entryPointsResolveByName();
    void resourcesFollowTheLibrary();
};

void TestPluginLibrary::entryPointsResolveByName()
{
    QLibrary library(QStringLiteral(BREVANE_PLUGIN_PATH));
    QVERIFY2(library.load(), qPrintable(library.errorString()));

    auto containerName = reinterpret_cast<BrevaneEntryPoints::ContainerName>(library.resolve("containerNameFunction"));
    auto content = reinterpret_cast<BrevaneEntryPoints::Content>(library.resolve("contentFunction"));
    auto staticContent = reinterpret_cast<BrevaneEntryPoints::StaticContent>(library.resolve("staticContentFunction"));
    auto create = reinterpret_cast<BrevaneEntryPoints::CreateWizardPage>(library.resolve("createWizardPageFunction"));
    auto name = reinterpret_cast<BrevaneEntryPoints::WizardPageName>(library.resolve("wizardPageNameFunction"));
    auto translator = reinterpret_cast<BrevaneEntryPoints::Translator>(library.resolve("translator"));
    QVERIFY(containerName && content && staticContent && create && name && translator);
    QVERIFY(!library.resolve("_ZN12PageRegistry11identifiersEv"));

    QCOMPARE(containerName(), QStringLiteral("Brevane"));
    QCOMPARE(content().size(), 63);
    QCOMPARE(staticContent(), QStringList{QStringLiteral("DbmVisibility")});
    QVERIFY(create(QStringLiteral("dbmkommando")) == nullptr);
    QCOMPARE(name(QStringLiteral("MotionBlocks")).text(Text::English), QStringLiteral("Motion blocks"));
    QVERIFY(name(QStringLiteral("Nothing")).isEmpty());
    QVERIFY(translator(0) == nullptr);
    // Every page the plug-in creates answers with its own identifier.
    QStringList kept{containerName()};
    const QStringList identifiers = content();
    for (const QString &identifier : identifiers) {
        const std::unique_ptr<WizardPage> page(create(identifier));
        kept << (page ? page->identifier() : QString());
    }
    const Text keptName = name(QStringLiteral("Fahrsatzbetrieb"));
    // The host deletes what it got from the library before unloading it, but may keep the
    // strings: their characters must not live in the library's read-only data.
    QVERIFY(library.unload());
    QCOMPARE(kept, QStringList{"Brevane"} + identifiers);
    QCOMPARE(keptName.text(Text::German), QStringLiteral("Betriebsart Fahrsatz"));
}

void TestPluginLibrary::resourcesFollowTheLibrary()
{
    const QString catalogue = QStringLiteral(":/Translation/Brevane_en.qm");
    const QString led = QStringLiteral(":/Brevane/Resources/ledgreyCross.svg");
    QVERIFY(!QFile::exists(catalogue));
    QLibrary library(QStringLiteral(BREVANE_PLUGIN_PATH));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    QVERIFY(QFile::exists(catalogue));
    QVERIFY(QFile::exists(led));
    QVERIFY(library.unload());
    QVERIFY(!QFile::exists(catalogue));
    QVERIFY(!QFile::exists(led));
}

QTEST_MAIN(TestPluginLibrary)
#include "tst_pluginlibrary.moc"
