#pragma once

#include "DeviceTypes.h"
#include "Text.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the command line asks for.
struct WorkbenchOptions
{
    QString pluginPath;        // empty: the plug-in next to the executable
    QString drivePath;         // empty: the built-in drive description
    QString screenshotDir;     // non-empty: render every page there and quit
    QString windowScreenshot;  // non-empty: save a picture of the window after start-up and quit
    QString scenario;          // non-empty: play this scenario headless and quit
    QStringList faults;        // drive faults injected at start-up, by name
    eDeviceType deviceType = eDeviceTypeKM2;
    eFieldbusType fieldbusType = eFieldbusEtherCAT;
    int language = Text::German;
    bool offline = false;
    bool readOnly = false;
    bool requireAll = false;   // with --screenshots: a page the plug-in does not create is an error
    bool allVariants = false;  // with --screenshots: every device type, fieldbus and language

    bool isHeadless() const { return !screenshotDir.isEmpty() || !windowScreenshot.isEmpty() || !scenario.isEmpty(); }
};

// Names the command line and the toolbar use for device types, fieldbuses and languages.
namespace WorkbenchNames {
struct Device { const char *name; eDeviceType type; };
struct Fieldbus { const char *option; const char *label; eFieldbusType type; };
struct Language { const char *option; const char *label; int language; };
const QList<Device> &devices();
const QList<Fieldbus> &fieldbuses();
const QList<Language> &languages();
QString deviceName(eDeviceType type);
QString fieldbusLabel(eFieldbusType type);
} // namespace WorkbenchNames

// Exit codes of the workbench.
namespace WorkbenchExit {
enum Code : int {
    Ok = 0,
    Failed = 1,       // the run went through but something in it failed (a page, a picture, a scenario step)
    CannotStart = 2,  // wrong arguments, no plug-in, an unusable drive description or scenario
};
}

enum class OptionsResult { Run, Done, Error };

// Reads the arguments (the first one is the program). Done: help or version was printed
// into message. Error: message says what is wrong.
OptionsResult parseWorkbenchOptions(const QStringList &arguments, WorkbenchOptions *options, QString *message);
