#pragma once

#include "DeviceTypes.h"

#include <QStringList>

#include <memory>

class QSettings;
struct WorkbenchOptions;

// What the workbench keeps from one start to the next: the window and its docks, device,
// fieldbus, language, online and read-only, the last page and the recent drive files. Only
// the window a person uses reads and writes them; the headless modes never do.
namespace WorkbenchSettings {

// Tests point the settings at a file of their own; empty: the user's settings.
void setFile(const QString &path);
std::unique_ptr<QSettings> open();
// Forgets everything kept.
void forget();
// Takes the kept device, fieldbus, language, online and read-only state for what the
// command line did not set.
void applyTo(WorkbenchOptions *options);
void keepDrive(eDeviceType device, eFieldbusType fieldbus, int language, bool online, bool readOnly);

QStringList recentDrives();
void addRecentDrive(const QString &path);
void removeRecentDrive(const QString &path);

// The folder the last file dialog was left in; empty before the first one.
QString lastFolder();
void keepFolderOf(const QString &path);

} // namespace WorkbenchSettings
