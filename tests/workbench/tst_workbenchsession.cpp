// A workbench run in the test process with the real plug-in: loading, page creation in tree
// order, languages, the page area following the host, and taking everything down again.

#include "PageArea.h"
#include "SimulatedDrive.h"
#include "WizardPage.h"
#include "Workbench.h"
#include "WorkbenchHost.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

namespace {

WorkbenchOptions pluginOptions()
{
    WorkbenchOptions options;
    options.pluginPath = QStringLiteral(BREVANE_PLUGIN_PATH);
    return options;
}

// Counts the show and hide events a widget receives.
class VisibilityCounter : public QObject
{
public:
    int shows = 0;
    int hides = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        shows += event->type() == QEvent::Show ? 1 : 0;
        hides += event->type() == QEvent::Hide ? 1 : 0;
        return false;
    }
};

} // namespace

class TestWorkbenchSession : public QObject
{
    Q_OBJECT
private slots:
    void startFailures_data();
    void startFailures();
    void pagesAreCreatedForTheTree();
    void languagesComeAndGo();
    void pageAreaFollowsTheHost();
    void shutdownUnloadsOnce();
    void everyControlIsNamed();
};

void TestWorkbenchSession::startFailures_data()
{
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("mention");

    QTest::newRow("no plug-in") << "/nonexistent/libBrevane.so" << QString() << "/nonexistent/libBrevane.so";
    QTest::newRow("no drive file") << QString(BREVANE_PLUGIN_PATH) << "/nonexistent/drive.json"
                                   << "/nonexistent/drive.json: cannot be read";
}

void TestWorkbenchSession::startFailures()
{
    QFETCH(QString, plugin);
    QFETCH(QString, drive);
    QFETCH(QString, mention);

    WorkbenchOptions options;
    options.pluginPath = plugin;
    options.drivePath = drive;
    Workbench workbench(options);
    QString error;
    QVERIFY(!workbench.start(&error));
    QVERIFY2(error.contains(mention), qPrintable(error));
    // Nothing of the plug-in stays loaded after a failed start.
    QVERIFY(!workbench.plugin().isLoaded());
}

void TestWorkbenchSession::pagesAreCreatedForTheTree()
{
    Workbench workbench(pluginOptions());
    QString error;
    QVERIFY2(workbench.start(&error), qPrintable(error));
    PageArea area;
    workbench.createPages(&area);

    const QStringList content = workbench.plugin().content();
    const QStringList tree = workbench.host()->treePages();
    QCOMPARE(workbench.pages().size(), tree.size());
    for (int i = 0; i < tree.size(); ++i) {
        const Workbench::Page &page = workbench.pages().at(i);
        QCOMPARE(page.identifier, tree.at(i));
        QVERIFY(area.contains(page.identifier));
        QCOMPARE(page.kind == Workbench::PageKind::Foreign, !content.contains(page.identifier));
        if (page.kind == Workbench::PageKind::Plugin) {
            QVERIFY(page.page);
            QCOMPARE(page.page->identifier(), page.identifier);
            QCOMPARE(page.page->pageHost(), static_cast<WizardPageHost *>(workbench.host()));
        }
    }
    // The tree shows the plug-in's names, the static page stays out of the tree.
    QCOMPARE(workbench.host()->pageName(QStringLiteral("MotionBlocks")), QString::fromUtf8("Fahrsätze"));
    QVERIFY(!workbench.host()->containsPage(QStringLiteral("DbmVisibility")));
    QVERIFY(!workbench.host()->currentPage().isEmpty());
    QCOMPARE(area.currentIdentifier(), workbench.host()->currentPage());
}

void TestWorkbenchSession::languagesComeAndGo()
{
    Workbench workbench(pluginOptions());
    QString error;
    QVERIFY2(workbench.start(&error), qPrintable(error));
    PageArea area;
    workbench.createPages(&area);
    QSignalSpy changes(&workbench, &Workbench::languageChanged);

    // The plug-in hands out the same translator again for a language it had before; the
    // workbench must not have deleted it in between.
    // Qt's own buttons follow too.
    const QList<QPair<int, QString>> cancels = {
        {Text::English, "Cancel"}, {Text::German, "Abbrechen"}, {Text::English, "Cancel"}, {Text::French, "Annuler"}};
    for (const auto &[language, cancel] : cancels) {
        workbench.setLanguage(language);
        QCOMPARE(Text::currentLanguage(), language);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }
    QCOMPARE(changes.count(), 4);
    QCOMPARE(workbench.host()->pageName(QStringLiteral("MotionBlocks")), QStringLiteral("Motion blocks"));
    workbench.setLanguage(Text::German);
    QCOMPARE(workbench.host()->pageName(QStringLiteral("PidRegler")), QStringLiteral("PID-Regler"));
    workbench.shutdown();
    QVERIFY(!workbench.plugin().isLoaded());
}

void TestWorkbenchSession::pageAreaFollowsTheHost()
{
    Workbench workbench(pluginOptions());
    QString error;
    QVERIFY2(workbench.start(&error), qPrintable(error));
    PageArea area;
    area.resize(800, 600);
    area.show();
    workbench.createPages(&area);
    WorkbenchHost *host = workbench.host();

    host->jumpToPage(QStringLiteral("EinAusgaenge"), QString());
    QCOMPARE(area.currentIdentifier(), QStringLiteral("EinAusgaenge"));

    // A change of device or bus shows the page again, so that it reads them anew; the
    // connection and the read-only state reach it as signals only.
    VisibilityCounter counter;
    area.page(QStringLiteral("EinAusgaenge"))->installEventFilter(&counter);
    host->setDeviceType(eDeviceTypeKQ2);
    host->setFieldbusType(eFieldbusCANopen);
    host->setReadOnly(true);
    host->setOnline(false);
    QCOMPARE(counter.hides, 2);
    QCOMPARE(counter.shows, 2);

    // The fieldbus start page of the old bus has left the tree.
    QVERIFY(!host->containsPage(QStringLiteral("EtherCatStartseite")));
    QVERIFY(host->containsPage(QStringLiteral("CanOpen")));
}

void TestWorkbenchSession::shutdownUnloadsOnce()
{
    Workbench workbench(pluginOptions());
    QString error;
    QVERIFY2(workbench.start(&error), qPrintable(error));
    {
        PageArea area;
        workbench.createPages(&area);
        workbench.shutdown();
        QVERIFY(!workbench.plugin().isLoaded());
        // The area keeps its placeholders; the plug-in's pages are gone.
        for (const Workbench::Page &page : workbench.pages())
            QVERIFY(!page.page);
    }
    workbench.shutdown();
}

// A screen reader (and the end-to-end test) finds every control of every page by its name.
void TestWorkbenchSession::everyControlIsNamed()
{
    Workbench workbench(pluginOptions());
    QString error;
    QVERIFY2(workbench.start(&error), qPrintable(error));
    PageArea area;
    area.show();
    workbench.createPages(&area);
    workbench.setLanguage(Text::English);
    const QList<QAccessible::Role> controls = {QAccessible::Button, QAccessible::CheckBox, QAccessible::RadioButton,
                                               QAccessible::ComboBox, QAccessible::EditableText, QAccessible::SpinBox,
                                               QAccessible::Link};
    QStringList unnamed;
    for (const Workbench::Page &page : workbench.pages()) {
        if (!page.page)
            continue;
        area.showPage(page.identifier);
        QCoreApplication::processEvents();
        for (QWidget *widget : page.page->findChildren<QWidget *>()) {
            QWidget *parent = widget->parentWidget();
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            if (!widget->isVisibleTo(page.page) || qobject_cast<QComboBox *>(parent) || qobject_cast<QAbstractSpinBox *>(parent)
                || !(controls.contains(accessible->role()) || widget->inherits("ActionWidget") || widget->inherits("LedWidget")))
                continue;
            if (widget->accessibleName().isEmpty() && accessible->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << page.identifier + QLatin1Char(' ') + widget->metaObject()->className() + QLatin1Char(' ') + widget->objectName();
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestWorkbenchSession)
#include "tst_workbenchsession.moc"
