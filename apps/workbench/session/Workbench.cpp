#include "Workbench.h"

#include "DriveModel.h"
#include "PageArea.h"
#include "PageTree.h"
#include "SimulatedDrive.h"
#include "WizardPage.h"
#include "WorkbenchHost.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

Workbench::Workbench(const WorkbenchOptions &options, QObject *parent)
    : QObject(parent), m_options(options)
{
}

Workbench::~Workbench()
{
    shutdown();
}

bool Workbench::start(QString *error)
{
    const QString pluginPath = m_options.pluginPath.isEmpty() ? PluginLibrary::defaultPath() : m_options.pluginPath;
    if (!m_plugin.load(pluginPath, error))
        return false;

    // Before the drive: what is wrong with its file is said in the user's language.
    installCatalogues(m_options.language);
    m_drive = new SimulatedDrive(this);
    const bool loaded = m_options.drivePath.isEmpty() ? m_drive->loadDefault(error)
                                                      : m_drive->loadFile(m_options.drivePath, error);
    if (!loaded) {
        m_plugin.unload();
        return false;
    }

    PageTreeDefinition tree;
    if (!tree.loadFile(PageTreeDefinition::builtInPath(), error)) {
        m_plugin.unload();
        return false;
    }

    m_host = new WorkbenchHost(m_drive->store(), this);
    m_host->setTree(tree);
    m_host->setStaticPages(m_plugin.staticContent());
    m_host->setOnline(!m_options.offline);
    m_host->setReadOnly(m_options.readOnly);
    m_host->setDeviceType(m_options.deviceType);
    m_host->setFieldbusType(m_options.fieldbusType);
    m_model = new DriveModel(m_drive->store(), m_host, this);
    watchDrive();
    setLanguage(m_options.language);
    return true;
}

QString Workbench::driveFile() const
{
    const QString source = m_drive ? m_drive->source() : QString();
    return source.startsWith(QLatin1Char(':')) ? QString() : source;
}

void Workbench::watchDrive()
{
    const ParameterStore *store = m_drive->store();
    for (const QString &coordinate : store->coordinates()) {
        const auto information = store->information(ParameterCoordinate(coordinate)).toStrongRef();
        if (!information)
            continue;
        connect(information.data(), &ParameterInformation::valueChanged, this, [this, coordinate] {
            if (!m_model->isWriting() && coordinate != m_host->controlPanelCoordinate())
                setDriveModified(true);
        });
    }
}

void Workbench::setDriveModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit driveModifiedChanged(modified);
}

bool Workbench::openDrive(const QString &path, QString *error)
{
    if (!m_drive)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("%1: cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray json = file.readAll();
    // Checked aside first: a refused file must not cost the pages.
    ParameterStore check;
    if (!check.loadJson(json, path, error))
        return false;

    const QString shown = m_host->currentPage();
    // The shown page is hidden first, so that a control panel hands the axis back.
    deletePages();
    m_pages.clear();
    m_drive->load(json, path, error);
    // The same axis as when the drive is given at the start: where the file says, at rest.
    m_model->restart(m_model->openingState());
    watchDrive();
    emit driveReplaced();
    if (m_area) {
        createPluginPages();
        if (!m_host->selectPage(shown))
            m_host->selectPage(m_host->firstVisiblePage());
    }
    setDriveModified(false);
    emit driveFileChanged(path);
    return true;
}

bool Workbench::saveDrive(const QString &path, QString *error)
{
    if (!m_drive || !m_drive->saveFile(path, error))
        return false;
    setDriveModified(false);
    emit driveFileChanged(path);
    return true;
}

void Workbench::note(const QString &line)
{
    if (m_host)
        m_host->note(line);
}

void Workbench::attach(WizardPage *page)
{
    page->setPageHost(m_host);
    page->initializeParameterControls();
    page->initialUpdate();
}

void Workbench::createPages(PageArea *area)
{
    if (!m_plugin.isLoaded() || !m_host || m_area)
        return;
    m_area = area;
    createPluginPages();

    connect(m_host, &WorkbenchHost::currentPageChanged, area, [area](const QString &identifier, const QString &element) {
        if (identifier.isEmpty()) {
            area->clearCurrent();
            return;
        }
        area->showPage(identifier);
        if (auto *page = qobject_cast<WizardPage *>(area->page(identifier)); page && !element.isEmpty())
            page->setElementFocus(element);
    });
    // Pages read the device and the bus when they are shown. The connection and the project's
    // read-only state reach them as the provider's signals only, as on a real host: a page
    // must follow those itself, and a panel keeps the axis across them where it may.
    connect(m_host, &WorkbenchHost::deviceTypeChanged, area, &PageArea::reshowCurrent);
    connect(m_host, &WorkbenchHost::fieldbusTypeChanged, area, &PageArea::reshowCurrent);

    m_host->selectPage(m_host->firstVisiblePage());
    // What the pages set up while they were created is the drive as it was opened.
    setDriveModified(false);
}

void Workbench::createPluginPages()
{
    PageArea *area = m_area;
    // The static pages come first: they arrange the tree the other pages look at.
    m_staticHolder = std::make_unique<QWidget>();
    const QStringList staticIdentifiers = m_plugin.staticContent();
    for (const QString &identifier : staticIdentifiers) {
        WizardPage *page = m_plugin.createPage(identifier);
        if (!page) {
            note(QStringLiteral("static page %1 is not available").arg(identifier));
            continue;
        }
        page->setParent(m_staticHolder.get());
        m_static << page;
        attach(page);
    }

    const QStringList content = m_plugin.content();
    for (const QString &identifier : m_host->treePages()) {
        if (!content.contains(identifier)) {
            area->addPlaceholder(identifier, [this, identifier] { return m_host->pageName(identifier); }, [identifier] {
                return tr("\"%1\" is a page of another plug-in of the host. It stands in the tree so "
                          "that jumps to it can be tried.").arg(identifier);
            });
            m_pages << Page{identifier, PageKind::Foreign, nullptr};
            continue;
        }
        m_host->setPageName(identifier, m_plugin.pageName(identifier));
        WizardPage *page = m_plugin.createPage(identifier);
        if (!page) {
            area->addPlaceholder(identifier, [this, identifier] { return m_host->pageName(identifier); }, [identifier] {
                return tr("Not available yet: the plug-in does not create the page \"%1\".").arg(identifier);
            });
            m_host->setPageAvailable(identifier, false);
            m_pages << Page{identifier, PageKind::Unavailable, nullptr};
            continue;
        }
        if (page->identifier() != identifier)
            note(QStringLiteral("page %1 calls itself %2").arg(identifier, page->identifier()));
        area->addPage(identifier, page);
        m_pages << Page{identifier, PageKind::Plugin, page};
        attach(page);
    }

    for (const QString &identifier : content) {
        if (!staticIdentifiers.contains(identifier) && !m_host->treePages().contains(identifier))
            note(QStringLiteral("page %1 is not in the tree definition").arg(identifier));
    }
}

QStringList Workbench::staticPages() const
{
    QStringList identifiers;
    for (const QPointer<WizardPage> &page : m_static) {
        if (page)
            identifiers << page->identifier();
    }
    return identifiers;
}

void Workbench::setLanguage(int language)
{
    if (language < Text::German || language > Text::French)
        return;
    m_language = language;
    // Pages read the current language when the catalogue change makes them retranslate.
    Text::setCurrentLanguage(language);
    QTranslator *next = m_plugin.isLoaded() ? m_plugin.translator(language) : nullptr;
    if (m_installed && m_installed != next) {
        QCoreApplication::removeTranslator(m_installed);
        m_installed = nullptr;
    }
    if (next) {
        m_translators.insert(next);
        if (next->isEmpty())
            note(QStringLiteral("the plug-in has no catalogue for language %1").arg(language));
        else if (next != m_installed && QCoreApplication::installTranslator(next))
            m_installed = next;
    }
    installCatalogues(language);
    if (m_host)
        m_host->setLanguage(language);
    emit languageChanged(language);
}

// Texts Qt 6's file dialogs ask for under a context that Debian's Qt catalogues do not have yet;
// the workbench's own catalogues carry them, so that a file dialog speaks one language.
[[maybe_unused]] static const char *const qtTextsMissingFromQtCatalogues[] = {
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive"),    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Folder"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "File"),     QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "%1 File"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Shortcut"), QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Unknown")};

void Workbench::installCatalogues(int language)
{
    for (std::unique_ptr<QTranslator> *catalogue : {&m_qtCatalogue, &m_ownCatalogue}) {
        if (*catalogue)
            QCoreApplication::removeTranslator(catalogue->get());
        catalogue->reset();
    }
    // Qt's texts and the workbench's own are English in the source: English needs no catalogue.
    const QString suffix = language == Text::German ? QStringLiteral("_de") : language == Text::French ? QStringLiteral("_fr") : QString();
    if (suffix.isEmpty())
        return;
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/workbench/translations/Workbench") + suffix) && QCoreApplication::installTranslator(own.get()))
        m_ownCatalogue = std::move(own);
    auto qt = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase") + suffix;
    if (!qt->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        note(tr("Qt's own catalogue %1 is not installed; its buttons stay English").arg(name));
        return;
    }
    QCoreApplication::installTranslator(qt.get());
    m_qtCatalogue = std::move(qt);
}

void Workbench::deletePages()
{
    // The shown page gets its hide event first, so that a control panel hands the axis back.
    if (m_area)
        m_area->clearCurrent();
    for (const Page &page : std::as_const(m_pages)) {
        if (!page.page)
            continue;
        if (m_area)
            m_area->deletePage(page.identifier);
        else
            delete page.page.data();
    }
    m_staticHolder.reset();
    m_static.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Workbench::shutdown()
{
    if (!m_plugin.isLoaded())
        return;
    deletePages();

    // The catalogues live in the plug-in's memory, and it never deletes its translators.
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed);
    m_installed = nullptr;
    qDeleteAll(m_translators);
    m_translators.clear();

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_plugin.unload();
}
