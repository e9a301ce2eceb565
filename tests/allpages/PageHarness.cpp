#include "PageHarness.h"

#include "PageTree.h"
#include "ParameterStore.h"
#include "SimulatedDrive.h"
#include "WizardPage.h"
#include "WorkbenchHost.h"
#include "WorkbenchOptions.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QRandomGenerator>
#include <QFile>
#include <QMessageBox>
#include <QPixmapCache>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <utility>

// ---- variants

QString PageVariant::name() const
{
    QString bus = QStringLiteral("bus%1").arg(int(fieldbus));
    for (const WorkbenchNames::Fieldbus &known : WorkbenchNames::fieldbuses()) {
        if (known.type == fieldbus)
            bus = QLatin1String(known.option);
    }
    QString name = QStringLiteral("%1-%2-%3-%4")
                       .arg(WorkbenchNames::deviceName(device), bus,
                            online ? QStringLiteral("online") : QStringLiteral("offline"),
                            readOnly ? QStringLiteral("readonly") : QStringLiteral("editable"));
    if (behaviour != HostBehaviour::StandIn)
        name += QLatin1Char(' ') + QLatin1String(HostBehaviours::name(behaviour));
    return name;
}

QList<eDeviceType> PageVariants::deviceTypes()
{
    // 42 is no device type the host knows; pages must fall back on something sound.
    return {eDeviceTypeKM2, eDeviceTypeKN2, eDeviceTypeKP2, eDeviceTypeKT2, eDeviceTypeKS2, eDeviceTypeKQ2,
            eDeviceType(42)};
}

QList<eFieldbusType> PageVariants::fieldbuses()
{
    return {eFieldbusEtherCAT, eFieldbusCANopen, eFieldbusPROFINET, eFieldbusEtherNetIP, eFieldbusNone};
}

int PageVariants::rounds()
{
    return int(std::max(deviceTypes().size(), fieldbuses().size()));
}

PageVariant PageVariants::variant(int round, int pageIndex)
{
    const auto devices = deviceTypes();
    const auto buses = fieldbuses();
    PageVariant variant;
    variant.device = devices.at(round % devices.size());
    variant.fieldbus = buses.at((round + pageIndex) % buses.size());
    // Over the rounds each page sees both states of both switches, in all four pairs.
    variant.online = (round + pageIndex) % 2 == 0;
    variant.readOnly = (round / 2 + pageIndex) % 2 == 1;
    return variant;
}

// ---- the session

PluginSession::PluginSession() = default;

PluginSession::~PluginSession()
{
    shutdown();
}

bool PluginSession::start(const QString &pluginPath, QString *error)
{
    if (!m_plugin.load(pluginPath, error))
        return false;
    m_identifiers = m_plugin.content();
    m_tree = std::make_unique<PageTreeDefinition>();
    if (!m_tree->loadFile(PageTreeDefinition::builtInPath(), error) || !reset(PageVariant(), error)) {
        shutdown();
        return false;
    }
    return true;
}

bool PluginSession::reset(const PageVariant &variant, QString *error)
{
    // Pages only hold the host through a guarded pointer; no page may outlive a reset.
    m_variantHost.reset();
    m_host.reset();
    m_drive = std::make_unique<SimulatedDrive>();
    if (!m_drive->loadDefault(error))
        return false;
    m_host = std::make_unique<WorkbenchHost>(m_drive->store());
    m_host->setTree(*m_tree);
    m_host->setStaticPages(m_plugin.staticContent());
    m_host->setDeviceType(variant.device);
    m_host->setFieldbusType(variant.fieldbus);
    m_host->setOnline(variant.online);
    m_host->setReadOnly(variant.readOnly);
    m_variantHost = std::make_unique<VariantHost>(m_host.get(), variant.behaviour, variant.hostSeed);
    setLanguage(Text::German);
    return true;
}

void PluginSession::shutdown()
{
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed);
    m_installed = nullptr;
    // The catalogues live in the plug-in's memory; the host deletes what it was handed.
    qDeleteAll(m_translators);
    m_translators.clear();
    flushDeletes();
    m_variantHost.reset();
    m_host.reset();
    m_drive.reset();
    m_tree.reset();
    m_identifiers.clear();
    m_plugin.unload();
}

ParameterStore *PluginSession::store() const
{
    return m_drive ? m_drive->store() : nullptr;
}

WizardPage *PluginSession::createPage(const QString &identifier)
{
    WizardPage *page = m_plugin.createPage(identifier);
    if (!page)
        return nullptr;
    page->setPageHost(m_variantHost.get());
    m_variantHost->adopt(page);
    page->initializeParameterControls();
    page->initialUpdate();
    return page;
}

void PluginSession::setLanguage(int language)
{
    Text::setCurrentLanguage(language);
    if (m_host)
        m_host->setLanguage(language);
    QTranslator *next = m_plugin.translator(language);
    if (next)
        m_translators.insert(next);
    if (next == m_installed)
        return;
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed);
    m_installed = nullptr;
    if (next && !next->isEmpty() && QCoreApplication::installTranslator(next))
        m_installed = next;
    // The application posts the change to every window; pages retranslate when it arrives.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// ---- warnings

namespace {
WarningCollector *g_collector = nullptr;
}

WarningCollector::WarningCollector()
{
    g_collector = this;
    m_previous = qInstallMessageHandler(&WarningCollector::handle);
}

WarningCollector::~WarningCollector()
{
    qInstallMessageHandler(m_previous);
    g_collector = nullptr;
}

QStringList WarningCollector::take()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_messages, {});
}

bool WarningCollector::isPlatformNoise(const QString &message)
{
    static const QStringList noise = {
        // The offscreen platform has no window manager to pass minimum and maximum sizes to;
        // every top-level widget with a size constraint makes it say so.
        QStringLiteral("This plugin does not support propagateSizeHints()"),
        // Offscreen windows cannot be raised or activated by a window manager either.
        QStringLiteral("This plugin does not support raise()"),
        QStringLiteral("This plugin does not support grabbing the keyboard"),
    };
    return noise.contains(message);
}

void WarningCollector::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    WarningCollector *collector = g_collector;
    if (collector && (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)) {
        if (isPlatformNoise(message))
            return;
        QMutexLocker lock(&collector->m_mutex);
        collector->m_messages << message;
    }
    if (collector && collector->m_previous)
        collector->m_previous(type, context, message);
}

// ---- load cycles

LoadCycles runLoadCycles(const QString &pluginPath, int cycles)
{
    // Every picture and catalogue lives below these folders of the plug-in's resources.
    const QStringList resourceFolders = {QStringLiteral(":/Brevane/Resources"), QStringLiteral(":/Translation")};
    const auto resourcesPresent = [&resourceFolders] {
        QStringList present = resourceFolders;
        present.removeIf([](const QString &folder) { return QDir(folder).isEmpty(); });
        return present;
    };
    LoadCycles result;
    const auto fail = [&result](int cycle, const QString &what) {
        result.failure = QStringLiteral("cycle %1: %2").arg(cycle + 1).arg(what);
        return result;
    };
    for (int cycle = 0; cycle < cycles; ++cycle) {
        {
            PluginSession session;
            QString error;
            if (!session.start(pluginPath, &error))
                return fail(cycle, error);
            if (resourcesPresent() != resourceFolders)
                return fail(cycle, QStringLiteral("the plug-in's resources are missing while it is loaded"));
            for (const QString &identifier : session.identifiers())
                delete session.createPage(identifier);
            flushDeletes();
            // Every catalogue is handed out once, so that the session has all of them to delete.
            for (int language : {Text::English, Text::French, Text::German})
                session.setLanguage(language);
        }
        // Qt's pixmap cache keeps the pictures of deleted pages until it is full (10 MiB): what
        // grows after emptying it is what the plug-in leaves behind.
        QPixmapCache::clear();
        if (const QStringList left = resourcesPresent(); !left.isEmpty())
            return fail(cycle, QStringLiteral("resources outlive the unloaded plug-in: ") + left.join(QStringLiteral(", ")));
        result.done = cycle + 1;
        if (cycle == 0)
            result.residentAfterFirstKiB = residentKiB();
        result.residentAfterLastKiB = residentKiB();
    }
    return result;
}

// ---- memory

namespace {

qint64 statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

qint64 residentKiB()
{
    return statusKiB("VmRSS");
}

qint64 peakResidentKiB()
{
    return statusKiB("VmHWM");
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

quint64 identifierHash(const QString &identifier)
{
    quint64 hash = 14695981039346656037ULL; // FNV-1a
    for (const QChar character : identifier) {
        hash ^= character.unicode();
        hash *= 1099511628211ULL;
    }
    return hash;
}

quint64 environmentNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// ---- the fixture

void PageSuite::initTestCase()
{
    m_warnings = std::make_unique<WarningCollector>();
    QString error;
    QVERIFY2(m_session.start(QStringLiteral(BREVANE_PLUGIN_PATH), &error), qPrintable(error));
    // Rows only for pages the plug-in creates today; the others join when they exist.
    for (const QString &identifier : m_session.identifiers()) {
        if (WizardPage *probe = m_session.plugin().createPage(identifier)) {
            m_identifiers << identifier;
            delete probe;
        }
    }
    flushDeletes();
    // BREVANE_PAGE_SHARD=k/n: the k-th of n parts of the pages, so that n processes share a long suite.
    const QStringList shard = qEnvironmentVariable("BREVANE_PAGE_SHARD").split(QLatin1Char('/'));
    const int part = shard.value(0).toInt(), parts = shard.size() == 2 ? shard.value(1).toInt() : 1;
    QVERIFY2(parts >= 1 && part >= 0 && part < parts, "BREVANE_PAGE_SHARD is k/n with 0 <= k < n");
    for (int i = int(m_identifiers.size()) - 1; i >= 0; --i) {
        if (i % parts != part)
            m_identifiers.removeAt(i);
    }
    QVERIFY(!m_identifiers.isEmpty());
    m_pageSample = qEnvironmentVariableIntValue("BREVANE_PAGE_SAMPLE");
    // A new sample every day.
    m_pageSeed = environmentNumber("BREVANE_PAGE_SEED", quint64(QDate::currentDate().toJulianDay()));
    if (m_pageSample > 0)
        qInfo("host behaviours meet %d pages each: BREVANE_PAGE_SAMPLE=%d BREVANE_PAGE_SEED=%llu", m_pageSample,
              m_pageSample, static_cast<unsigned long long>(m_pageSeed));
}

QStringList PageSuite::pagesFor(HostBehaviour behaviour) const
{
    if (behaviour == HostBehaviour::StandIn || m_pageSample <= 0 || m_pageSample >= m_identifiers.size())
        return m_identifiers;
    QRandomGenerator random(m_pageSeed * 31 + quint64(behaviour));
    QStringList pool = m_identifiers;
    QStringList sample;
    while (sample.size() < m_pageSample)
        sample << pool.takeAt(int(random.bounded(quint32(pool.size()))));
    return sample;
}

void PageSuite::answerBoxesWith(std::function<void(QWidget *)> handler)
{
    m_watcher.answerAllWith([this, handler](QWidget *box) {
        if (VariantHost *host = m_session.variantHost())
            host->boxOpened(box);
        const auto *message = qobject_cast<QMessageBox *>(box);
        const HostBehaviours::UserSwitchesPanelOn switching(message && message->icon() == QMessageBox::Warning);
        handler(box);
    });
}

QString PageSuite::hostBreaches()
{
    VariantHost *host = m_session.variantHost();
    return host ? host->takeBreaches().join(QLatin1Char('\n')) : QString();
}

void PageSuite::cleanup()
{
    m_watcher.answerAllWith(nullptr);
    m_watcher.clearPending();
    m_watcher.clear();
    flushDeletes();
    const QStringList warnings = m_warnings->take();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    const QString breaches = hostBreaches();
    QVERIFY2(breaches.isEmpty(), qPrintable(breaches));
}

void PageSuite::cleanupTestCase()
{
    m_session.shutdown();
    m_warnings.reset();
}

bool PageSuite::reset(const PageVariant &variant)
{
    QString error;
    if (m_session.reset(variant, &error))
        return true;
    qWarning("%s", qPrintable(error));
    return false;
}

void PageSuite::addPageRows() const
{
    QTest::addColumn<QString>("identifier");
    for (const QString &identifier : m_identifiers)
        QTest::newRow(qPrintable(identifier)) << identifier;
}

PageVariant PageSuite::variantOf(const QString &identifier, int round) const
{
    return PageVariants::variant(round, int(m_session.identifiers().indexOf(identifier)));
}

WizardPage *PageSuite::showPage(const QString &identifier)
{
    WizardPage *page = m_session.createPage(identifier);
    if (page) {
        page->resize(1000, 750);
        page->show();
    }
    return page;
}
