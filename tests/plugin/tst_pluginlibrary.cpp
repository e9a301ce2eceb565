// Loads the built plug-in the way the host does and talks to it through its entry points.

#include "EntryPoints.h"
#include "ParameterStore.h"
#include "WizardPage.h"
#include "WizardPageHost.h"

#include <QFile>
#include <QLibrary>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {

// A host that keeps every string the plug-in hands it, as a navigation history or a set of
// hidden pages does.
class KeepingHost : public WizardPageHost
{
public:
    mutable QStringList kept;
    mutable ParameterStore store;

    bool isReadOnly() const override { return false; }
    bool isOnline() const override { return true; }
    eLivingSpace livingSpace() const override { return eLivingSpace(1); }
    ParameterProvider *parameterProvider() const override { return &store; }
    bool containsPage(const QString &identifier) const override { return keep(identifier); }
    void jumpToPage(const QString &identifier, const QString &) override { keep(identifier); }
    bool isPageVisible(const QString &identifier) const override { return keep(identifier); }
    void showPage(const QString &identifier) override { keep(identifier); }
    void hidePage(const QString &identifier) override { keep(identifier); }
    void requestParameterInput(const QString &prompt) override { keep(prompt); }
    int startControlPanel(const QString &coordinate) override
    {
        keep(coordinate);
        return 0;
    }
    void stopControlPanel() override {}
    void setControlPanelFlag(bool) override {}
    void setControlPanelBit(int, bool) override {}
    eDeviceType deviceType() const override { return eDeviceType(3); }
    eFieldbusType fieldbusType() const override { return eFieldbusType(1); }

private:
    bool keep(const QString &text) const
    {
        kept << text;
        return true;
    }
};

struct Library
{
    QLibrary library{QStringLiteral(BREVANE_PLUGIN_PATH)};
    BrevaneEntryPoints::CreateWizardPage create = nullptr;
    BrevaneEntryPoints::Translator translator = nullptr;

    bool load()
    {
        if (!library.load())
            return false;
        create = reinterpret_cast<BrevaneEntryPoints::CreateWizardPage>(library.resolve("createWizardPageFunction"));
        translator = reinterpret_cast<BrevaneEntryPoints::Translator>(library.resolve("translator"));
        return create && translator;
    }
};

} // namespace

class TestPluginLibrary : public QObject
{
    Q_OBJECT
private slots:
    void entryPointsResolveByName();
    void resourcesFollowTheLibrary();
    void keptStringsOutliveTheLibrary_data();
    void keptStringsOutliveTheLibrary();
    void deletedTranslatorIsNotHandedOut();
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
    for (const QString &identifier : content()) {
        const std::unique_ptr<WizardPage> page(create(identifier));
        QVERIFY2(page && page->identifier() == identifier, qPrintable(identifier));
    }
    QVERIFY(library.unload());
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

void TestPluginLibrary::keptStringsOutliveTheLibrary_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("action"); // a slot, "show", "toolButton" (clicked) or nothing
    QTest::newRow("jump") << "PidRegler" << "JumpToPidSollwert";
    QTest::newRow("page tree") << "DbmVisibility" << "";
    QTest::newRow("page visible") << "DbmFeldbus" << "show";
    QTest::newRow("parameter input") << "DbmKompInt32" << "toolButton";
}

// What the pages hand the host stays readable after the host unloaded the plug-in.
void TestPluginLibrary::keptStringsOutliveTheLibrary()
{
    QFETCH(QString, page);
    QFETCH(QString, action);
    KeepingHost host;
    Library plugin;
    QVERIFY2(plugin.load(), qPrintable(plugin.library.errorString()));
    {
        const std::unique_ptr<WizardPage> created(plugin.create(page));
        QVERIFY(created);
        created->setPageHost(&host);
        created->initializeParameterControls();
        created->initialUpdate();
        if (action == QLatin1String("show"))
            created->show();
        else if (action == QLatin1String("toolButton"))
            created->findChild<QToolButton *>(action)->click();
        else if (!action.isEmpty())
            QVERIFY(QMetaObject::invokeMethod(created.get(), qPrintable(action)));
    }
    QVERIFY(!host.kept.isEmpty());
    QStringList copies;
    for (const QString &text : std::as_const(host.kept))
        copies << QString(text.constData(), text.size());
    QVERIFY(plugin.library.unload());
    QCOMPARE(host.kept, copies);
}

// A translator the host deleted is not handed out again; the next one works.
void TestPluginLibrary::deletedTranslatorIsNotHandedOut()
{
    Library plugin;
    QVERIFY2(plugin.load(), qPrintable(plugin.library.errorString()));
    delete plugin.translator(3); // French
    // The freed memory goes to another object, as it may in a host.
    const auto other = std::make_unique<QTranslator>();
    QTranslator *french = plugin.translator(3);
    QVERIFY(french && french != other.get());
    QVERIFY(!french->isEmpty());
    QCOMPARE(plugin.translator(3), french);
    delete french;
    QVERIFY(plugin.library.unload());
}

QTEST_MAIN(TestPluginLibrary)
#include "tst_pluginlibrary.moc"
