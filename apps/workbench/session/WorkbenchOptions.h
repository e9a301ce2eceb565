#pragma once

#include "DeviceTypes.h"
#include "Text.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QImage;

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
    bool resetSettings = false;  // forget what the window kept from earlier starts
    QStringList givenOptions;  // the options the command line set, by name: they win over kept settings
    bool allVariants = false;  // with --screenshots: every device type, fieldbus and language
    QStringList qtOptions;     // Qt's own options given, by name; QApplication reads their values

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
// The option of the first of the user's interface languages the workbench speaks; German, the
// drive's own, where it speaks none of them.
QString languageOfUser(const QStringList &uiLanguages);
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

// Reads the arguments (the first one is the program) without an application object, so that
// help, version and refused arguments need no window system. Done: message holds the help or
// the version. Error: message says what is wrong; a file it names comes with the system's reason.
OptionsResult parseWorkbenchOptions(const QStringList &arguments, WorkbenchOptions *options, QString *message);

// Files named on the command line, and why one cannot be used, in the system's words.
namespace WorkbenchFiles {
// Empty when the file can be opened for reading, else the reason ("No such file or directory").
QString readProblem(const QString &path);
// The image format the file name's extension asks for; empty, with why set, for none Qt writes.
QByteArray pictureFormat(const QString &path, QString *why);
// Writes the picture whole or not at all (a failed write leaves any earlier file as it was).
bool writePicture(const QImage &picture, const QString &path, QString *why);
} // namespace WorkbenchFiles
