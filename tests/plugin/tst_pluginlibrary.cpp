// Loads the built plug-in the way the host does and talks to it through its entry points.

#include "EntryPoints.h"
#include "ParameterStore.h"
#include "WizardPage.h"
#include "WizardPageHost.h"

#include <QLibrary>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <iterator>
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

// The plug-in as the host loads it: by its path, the entry points resolved by name. Unloaded
// again when it goes, so that the next test loads it afresh.
struct Library
{
    QLibrary library{QStringLiteral(BREVANE_PLUGIN_PATH)};
    BrevaneEntryPoints::ContainerName containerName = nullptr;
    BrevaneEntryPoints::Content content = nullptr;
    BrevaneEntryPoints::StaticContent staticContent = nullptr;
    BrevaneEntryPoints::CreateWizardPage create = nullptr;
    BrevaneEntryPoints::WizardPageName name = nullptr;
    BrevaneEntryPoints::Translator translator = nullptr;

    ~Library() { library.unload(); }
    bool load()
    {
        if (!library.load())
            return false;
        containerName = reinterpret_cast<BrevaneEntryPoints::ContainerName>(library.resolve("containerNameFunction"));
        content = reinterpret_cast<BrevaneEntryPoints::Content>(library.resolve("contentFunction"));
        staticContent = reinterpret_cast<BrevaneEntryPoints::StaticContent>(library.resolve("staticContentFunction"));
        create = reinterpret_cast<BrevaneEntryPoints::CreateWizardPage>(library.resolve("createWizardPageFunction"));
        name = reinterpret_cast<BrevaneEntryPoints::WizardPageName>(library.resolve("wizardPageNameFunction"));
        translator = reinterpret_cast<BrevaneEntryPoints::Translator>(library.resolve("translator"));
        return containerName && content && staticContent && create && name && translator;
    }
};

// Rows of the page table as the host knows it, written down independently of the plug-in's own
// table: the static page, untranslated names, pages whose class has another name, pages sharing
// a name, the last page.
struct ExpectedRow
{
    const char *identifier;
    const char *className;
    bool isStatic;
    const char *german;
    const char *english;
    const char *french;
};

constexpr int pageCount = 63;

const ExpectedRow expectedRows[] = {
    {"DbmVisibility", "DbmVisibility", true, "DbmVisibility", "DbmVisibility", "DbmVisibility"},
    {"MotionBlocks", "MotionBlocks", false, "Fahrsätze", "Motion blocks", "Motion blocks"},
    {"AppFahrsatzControl", "AppFahrsatzControl", false, "AppFahrsatzControl", "AppFahrsatzControl", "AppFahrsatzControl"},
    {"DbmQuelleExtZusatzGeschwindigkeit", "SrcExtAuxVel", false, "Externe Zusatzgeschwindigkeit: Quelle", "External additional velocity: Data source", "Vitesse externe additionnelle : source"},
    {"DbmMotionBlockTrqForce", "MotionBlockTrqForce", false, "Begrenzung Drehmoment/Kraft: Quelle", "Torque/force limit: Data source", "Limitation couple/force : source"},
    {"DbmSrcTrqForce", "SrcTrqForce", false, "Begrenzung Drehmoment/Kraft: Quelle", "Torque/force limit: Data source", "Limitation couple/force : source"},
    {"DbmZusatzfunktionenV2", "DbmZusatzfunktionenV2", false, "Zusatzfunktionen", "Additional functions", "Fonctions additionnelles"},
    {"AnalogOutput2", "AnalogOutput2", false, "Feldbusgesteuerter analoger Ausgang 2", "Fieldbus-controlled analog output 2", "Sortie analogique 2 commandée par bus de terrain"},
};

} // namespace

class TestPluginLibrary : public QObject
{
    Q_OBJECT
private slots:
    void wholeTable_data()
    {
        QTest::addColumn<int>("position");
        Library plugin;
        QVERIFY2(plugin.load(), qPrintable(plugin.library.errorString()));
        QCOMPARE(plugin.containerName(), QStringLiteral("Brevane"));
        QCOMPARE(plugin.content().size(), pageCount);
        QCOMPARE(plugin.staticContent(), QStringList{"DbmVisibility"});
        for (int position = 0; position < int(std::size(expectedRows)); ++position)
            QTest::newRow(expectedRows[position].identifier) << position;
    }

    void wholeTable()
    {
        QFETCH(int, position);
        const ExpectedRow &row = expectedRows[position];
        const QString identifier = QString::fromUtf8(row.identifier);
        Library plugin;
        QVERIFY2(plugin.load(), qPrintable(plugin.library.errorString()));
        QVERIFY(plugin.content().contains(identifier));
        QCOMPARE(plugin.staticContent().contains(identifier), row.isStatic);
        const Text name = plugin.name(identifier);
        QCOMPARE(name.text(Text::German) + '|' + name.text(Text::English) + '|' + name.text(Text::French),
                 QString::fromUtf8(row.german) + '|' + QString::fromUtf8(row.english) + '|' + QString::fromUtf8(row.french));

        // The page of the row, not of a neighbour.
        const std::unique_ptr<WizardPage> page(plugin.create(identifier));
        QVERIFY(page);
        QCOMPARE(page->metaObject()->className(), row.className);
        QCOMPARE(page->identifier(), identifier);
        QCOMPARE(page->name().text(Text::French), QString::fromUtf8(row.french));
        QVERIFY(!page->parent());
    }

    void unknownIdentifiers()
    {
        Library plugin;
        QVERIFY2(plugin.load(), qPrintable(plugin.library.errorString()));
        // Wrong case, a blank, a class name, empty, null, another plug-in's page.
        for (const QString &identifier :
             {QString("dbmkommando"), QString("DbmKommando "), QString("SrcExtVelocity"), QString(""), QString(),
              QString("EtherCatStartseite")}) {
            QVERIFY2(plugin.create(identifier) == nullptr, qPrintable(identifier));
            QVERIFY2(plugin.name(identifier).isEmpty(), qPrintable(identifier));
            QVERIFY(!plugin.name(identifier).hasLanguage(Text::German));
        }
    }

    // One catalogue per language, the same each time; none for other numbers. The translators are
    // the host's to delete, and one it deleted is not handed out again.
    void translators()
    {
        Library plugin;
        QVERIFY2(plugin.load(), qPrintable(plugin.library.errorString()));
        for (int language : {0, 4, -1, 1000})
            QVERIFY(plugin.translator(language) == nullptr);
        for (int language : {Text::German, Text::English, Text::French}) {
            QTranslator *first = plugin.translator(language);
            QVERIFY2(first && !first->isEmpty(), "the catalogue is compiled in");
            QCOMPARE(plugin.translator(language), first);
        }
        QVERIFY(plugin.translator(Text::German) != plugin.translator(Text::English));

        delete plugin.translator(Text::French);
        // The freed memory goes to another object, as it may in a host.
        const auto other = std::make_unique<QTranslator>();
        QTranslator *french = plugin.translator(Text::French);
        QVERIFY(french && french != other.get());
        QVERIFY(!french->isEmpty());
        QCOMPARE(plugin.translator(Text::French), french);
        // As a host does before it unloads the library.
        for (int language : {Text::German, Text::English, Text::French})
            delete plugin.translator(language);
    }

    void keptStringsOutliveTheLibrary_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("action"); // a slot, "show", "toolButton" (clicked) or nothing
        QTest::newRow("jump") << "PidRegler" << "JumpToPidSollwert";
        QTest::newRow("page tree") << "DbmVisibility" << "";
        QTest::newRow("page visible") << "DbmFeldbus" << "show";
        QTest::newRow("parameter input") << "DbmKompInt32" << "toolButton";
    }

    // What the pages hand the host stays readable after the host unloaded the plug-in.
    void keptStringsOutliveTheLibrary()
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
};

QTEST_MAIN(TestPluginLibrary)
#include "tst_pluginlibrary.moc"
