#include "WorkbenchSettings.h"

#include "WorkbenchOptions.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString &settingsFile()
{
    static QString path;
    return path;
}

constexpr int MaximumRecentDrives = 8;

} // namespace

namespace WorkbenchSettings {

void setFile(const QString &path)
{
    settingsFile() = path;
}

std::unique_ptr<QSettings> open()
{
    if (!settingsFile().isEmpty())
        return std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brevane"),
                                       QStringLiteral("workbench"));
}

void forget()
{
    open()->clear();
}

void applyTo(WorkbenchOptions *options)
{
    using namespace WorkbenchNames;
    const std::unique_ptr<QSettings> settings = open();
    const QStringList &given = options->givenOptions;
    if (!given.contains(QLatin1String("device"))) {
        const QString kept = settings->value(QStringLiteral("device")).toString();
        for (const Device &device : devices()) {
            if (kept == QLatin1String(device.name))
                options->deviceType = device.type;
        }
    }
    if (!given.contains(QLatin1String("fieldbus"))) {
        const QString kept = settings->value(QStringLiteral("fieldbus")).toString();
        for (const Fieldbus &bus : fieldbuses()) {
            if (kept == QLatin1String(bus.option))
                options->fieldbusType = bus.type;
        }
    }
    if (!given.contains(QLatin1String("language"))) {
        const QString kept = settings->value(QStringLiteral("language")).toString();
        for (const Language &language : languages()) {
            if (kept == QLatin1String(language.option))
                options->language = language.language;
        }
    }
    if (!given.contains(QLatin1String("offline")))
        options->offline = !settings->value(QStringLiteral("online"), !options->offline).toBool();
    if (!given.contains(QLatin1String("read-only")))
        options->readOnly = settings->value(QStringLiteral("readOnly"), options->readOnly).toBool();
}

void keepDrive(eDeviceType device, eFieldbusType fieldbus, int language, bool online, bool readOnly)
{
    using namespace WorkbenchNames;
    const std::unique_ptr<QSettings> settings = open();
    settings->setValue(QStringLiteral("device"), deviceName(device));
    for (const Fieldbus &bus : fieldbuses()) {
        if (bus.type == fieldbus)
            settings->setValue(QStringLiteral("fieldbus"), QLatin1String(bus.option));
    }
    for (const Language &entry : languages()) {
        if (entry.language == language)
            settings->setValue(QStringLiteral("language"), QLatin1String(entry.option));
    }
    settings->setValue(QStringLiteral("online"), online);
    settings->setValue(QStringLiteral("readOnly"), readOnly);
}

QStringList recentDrives()
{
    return open()->value(QStringLiteral("recentDrives")).toStringList();
}

void addRecentDrive(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = recentDrives();
    list.removeAll(absolute);
    list.prepend(absolute);
    open()->setValue(QStringLiteral("recentDrives"), list.mid(0, MaximumRecentDrives));
}

void removeRecentDrive(const QString &path)
{
    QStringList list = recentDrives();
    list.removeAll(path);
    open()->setValue(QStringLiteral("recentDrives"), list);
}

QString lastFolder()
{
    return open()->value(QStringLiteral("lastFolder")).toString();
}

void keepFolderOf(const QString &path)
{
    open()->setValue(QStringLiteral("lastFolder"), QFileInfo(path).absolutePath());
}

} // namespace WorkbenchSettings
