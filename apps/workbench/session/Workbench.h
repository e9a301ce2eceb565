#pragma once

#include "PageArea.h"
#include "PluginLibrary.h"
#include "WorkbenchOptions.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <memory>

class DriveModel;
class QTranslator;
class QWidget;
class SimulatedDrive;
class WizardPage;
class WorkbenchHost;

// One run of the workbench: the loaded plug-in, the simulated drive, the host and the pages,
// shared by the window and the headless modes. It creates the pages the way the host does and
// takes everything of the plug-in down again before the library is unloaded.
class Workbench : public QObject
{
    Q_OBJECT
public:
    enum class PageKind {
        Plugin,       // a page the plug-in created
        Unavailable,  // the plug-in's identifier, but it made no page
        Foreign,      // a page of another plug-in; the tree keeps its place
    };
    struct Page
    {
        QString identifier;
        PageKind kind;
        QPointer<WizardPage> page;
    };

    explicit Workbench(const WorkbenchOptions &options, QObject *parent = nullptr);
    ~Workbench() override;

    // Loads the plug-in and the drive description and builds the host; error says what failed.
    bool start(QString *error);
    // Creates the static pages and every page of the tree, puts the tree's pages into the area,
    // initialises them as the host does and shows the first visible page.
    void createPages(PageArea *area);
    // Installs the plug-in's translator for the language and shows names in it.
    void setLanguage(int language);
    int language() const { return m_language; }
    // Hides and deletes the pages, removes and deletes the translators, unloads the plug-in.
    // Runs once; the destructor calls it too.
    void shutdown();

    // The drive description the drive came from; empty for the built-in one.
    QString driveFile() const;
    // Replaces the drive by the description in the file, the pages are created anew on it
    // and the page shown stays when it can; the axis starts again as at the start with the
    // file (DriveModel::openingState). A refused file leaves everything as it was.
    bool openDrive(const QString &path, QString *error);
    // Saves the drive with its current values and element counts; the file is the drive's from then on.
    bool saveDrive(const QString &path, QString *error);
    // Changed since it was opened or saved: a value or an element count, other than what the
    // axis and the control-panel word write by themselves.
    bool isDriveModified() const { return m_modified; }

    const WorkbenchOptions &options() const { return m_options; }
    const PluginLibrary &plugin() const { return m_plugin; }
    SimulatedDrive *drive() const { return m_drive; }
    // The axis behind the drive; it moves only while somebody steps it.
    DriveModel *driveModel() const { return m_model; }
    WorkbenchHost *host() const { return m_host; }
    PageArea *pageArea() const { return m_area; }
    // The pages of the tree in tree order.
    const QList<Page> &pages() const { return m_pages; }
    QStringList staticPages() const;

signals:
    void languageChanged(int language);
    void driveModifiedChanged(bool modified);
    // After openDrive: the same store object holds other parameters.
    void driveReplaced();
    void driveFileChanged(const QString &path);

private:
    void createPluginPages();
    void deletePages();
    void watchDrive();
    void setDriveModified(bool modified);
    void attach(WizardPage *page);
    void note(const QString &line);
    void installCatalogues(int language);

    WorkbenchOptions m_options;
    PluginLibrary m_plugin;
    SimulatedDrive *m_drive = nullptr;
    DriveModel *m_model = nullptr;
    WorkbenchHost *m_host = nullptr;
    QPointer<PageArea> m_area;
    QList<Page> m_pages;
    // The static pages are never shown: they live in a widget that never is.
    std::unique_ptr<QWidget> m_staticHolder;
    QList<QPointer<WizardPage>> m_static;
    // Every translator the plug-in handed out, to be deleted before it is unloaded.
    QSet<QTranslator *> m_translators;
    QTranslator *m_installed = nullptr;
    // Qt's own texts ("Abbrechen", "Ja") in the chosen language, from the system's Qt catalogues.
    std::unique_ptr<QTranslator> m_qtCatalogue;
    // The workbench's own texts (menus, docks, file errors), compiled in.
    std::unique_ptr<QTranslator> m_ownCatalogue;
    int m_language = 0;
    bool m_modified = false;
};
