#pragma once

#include "DeviceTypes.h"
#include "HostVariants.h"
#include "ModalWatcher.h"
#include "ParameterStore.h"
#include "PluginLibrary.h"

#include <QMutex>
#include <QSet>
#include <QStringList>

#include <memory>

class PageTreeDefinition;
class QTranslator;
class QWidget;
class SimulatedDrive;
class WizardPage;
class WorkbenchHost;

// Everything that goes over every page the plug-in creates (the sweep, the random run, the
// load cycles and the benchmark) runs through these: the plug-in loaded by its entry points,
// the workbench's simulated drive and host, and the plug-in's translators.

// The host's state a page is created in.
struct PageVariant
{
    eDeviceType device = eDeviceTypeKM2;
    eFieldbusType fieldbus = eFieldbusEtherCAT;
    bool online = true;
    bool readOnly = false;
    // How the host behaves where the contract leaves it open, and the seed of its chances.
    HostBehaviour behaviour = HostBehaviour::StandIn;
    quint64 hostSeed = 0;

    // "KM2-ethercat-online-editable", and the behaviour unless it is the stand-in's
    QString name() const;
};

namespace PageVariants {
// The six known device types and one the plug-in cannot know.
QList<eDeviceType> deviceTypes();
QList<eFieldbusType> fieldbuses();
// Rounds per page so that every value of every dimension meets every page.
int rounds();
// The variant of a round; the page's position shifts the combinations, so that over all
// pages the values of different dimensions also meet each other.
PageVariant variant(int round, int pageIndex);
} // namespace PageVariants

// The plug-in as the host has it, against the workbench's drive and host.
class PluginSession
{
public:
    PluginSession();
    ~PluginSession();
    PluginSession(const PluginSession &) = delete;
    PluginSession &operator=(const PluginSession &) = delete;

    // Loads the library and builds a drive and a host (see reset).
    bool start(const QString &pluginPath, QString *error);
    // Deletes the translators the plug-in handed out and unloads it. Pages must be gone.
    void shutdown();

    const PluginLibrary &plugin() const { return m_plugin; }
    WorkbenchHost *host() const { return m_host.get(); }
    // The host the pages get: the workbench's, wrapped in the variant's behaviour.
    VariantHost *variantHost() const { return m_variantHost.get(); }
    ParameterStore *store() const;

    // The pages the plug-in lists, in its order.
    QStringList identifiers() const { return m_identifiers; }

    // A fresh drive, as its description has it, and a fresh host in the variant's state,
    // with the whole tree visible, German, and no motion block handed over.
    bool reset(const PageVariant &variant, QString *error);

    // A new page set up as the host does (host, parameter controls, initialUpdate); null
    // when the plug-in does not create it. The caller owns it.
    WizardPage *createPage(const QString &identifier);

    // Swaps the installed translator and delivers the change to every widget.
    void setLanguage(int language);

private:
    PluginLibrary m_plugin;
    std::unique_ptr<SimulatedDrive> m_drive;
    std::unique_ptr<WorkbenchHost> m_host;
    std::unique_ptr<VariantHost> m_variantHost;
    std::unique_ptr<PageTreeDefinition> m_tree;
    QStringList m_identifiers;
    QSet<QTranslator *> m_translators;
    QTranslator *m_installed = nullptr;
};

// Collects every warning Qt prints while it exists and still passes it on, except the ones
// the offscreen platform prints by itself, which it drops.
class WarningCollector
{
public:
    WarningCollector();
    ~WarningCollector();
    WarningCollector(const WarningCollector &) = delete;
    WarningCollector &operator=(const WarningCollector &) = delete;

    QStringList take();
    static bool isPlatformNoise(const QString &message);

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QtMessageHandler m_previous;
    QMutex m_mutex;
    QStringList m_messages;
};

// Loads and unloads the plug-in, creating and deleting every page and the translators each
// time. Fails as soon as a library's resources outlive it.
struct LoadCycles
{
    int done = 0;
    qint64 residentAfterFirstKiB = 0;  // the process's own one-time allocations are made by then
    qint64 residentAfterLastKiB = 0;
    QString failure;
};
LoadCycles runLoadCycles(const QString &pluginPath, int cycles);

// Resident and peak resident memory of the process, in KiB.
qint64 residentKiB();
qint64 peakResidentKiB();

// Removes what deleteLater() left behind, so that a page is really gone.
void flushDeletes();

// The same number for an identifier in every run and on every platform (a page's own seed).
quint64 identifierHash(const QString &identifier);

// A number the environment sets (a seed, a count), or the fallback when it sets none.
quint64 environmentNumber(const char *name, quint64 fallback);

// The fixture of the every-page tests: the plug-in loaded once, Qt's warnings collected (a
// warning fails the test function), boxes watched, and the pages the plug-in creates.
class PageSuite : public QObject
{
    Q_OBJECT
protected:
    // A fresh drive and host in the variant's state; false, with the reason as a warning, if not.
    bool reset(const PageVariant &variant = {});
    // One row per page of the registry, its identifier in the column "identifier".
    void addPageRows() const;
    // The variant a page meets in a round, by its place in the registry.
    PageVariant variantOf(const QString &identifier, int round) const;
    // A new page set up as the host does and shown at the host's size; the caller owns it.
    WizardPage *showPage(const QString &identifier);
    // The pages a host behaviour other than the stand-in's meets: all of them, or, with
    // BREVANE_PAGE_SAMPLE=n, n pages drawn by BREVANE_PAGE_SEED and the behaviour.
    QStringList pagesFor(HostBehaviour behaviour) const;
    // Answers every box with the handler, telling the host about each box first; a warning box
    // answered counts as the user switching a panel on.
    void answerBoxesWith(std::function<void(QWidget *)> handler);
    // The host's breaches since the last call, one per line; empty when there are none.
    QString hostBreaches();

    PluginSession m_session;
    std::unique_ptr<WarningCollector> m_warnings;
    ModalWatcher m_watcher;
    QStringList m_identifiers;
    int m_pageSample = 0;   // 0: every page
    quint64 m_pageSeed = 0;

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
};
