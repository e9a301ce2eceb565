#include "WorkbenchOptions.h"

#include "DriveModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLocale>
#include <QSaveFile>

namespace WorkbenchNames {

const QList<Device> &devices()
{
    static const QList<Device> list = {{"KM2", eDeviceTypeKM2}, {"KN2", eDeviceTypeKN2}, {"KP2", eDeviceTypeKP2},
                                       {"KT2", eDeviceTypeKT2}, {"KS2", eDeviceTypeKS2}, {"KQ2", eDeviceTypeKQ2}};
    return list;
}

const QList<Fieldbus> &fieldbuses()
{
    static const QList<Fieldbus> list = {{"ethercat", "EtherCAT", eFieldbusEtherCAT},
                                         {"canopen", "CANopen", eFieldbusCANopen},
                                         {"profinet", "PROFINET", eFieldbusPROFINET},
                                         {"ethernetip", "EtherNet/IP", eFieldbusEtherNetIP},
                                         {"none", QT_TRANSLATE_NOOP("WorkbenchNames", "none"), eFieldbusNone}};
    return list;
}

const QList<Language> &languages()
{
    static const QList<Language> list = {{"de", "Deutsch", Text::German},
                                         {"en", "English", Text::English},
                                         {"fr", "Français", Text::French}};
    return list;
}

QString languageOfUser(const QStringList &uiLanguages)
{
    for (const QString &uiLanguage : uiLanguages) {
        const QString code = uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        for (const Language &language : languages()) {
            if (code == QLatin1String(language.option))
                return code;
        }
    }
    return QStringLiteral("de");
}

QString deviceName(eDeviceType type)
{
    for (const Device &device : devices()) {
        if (device.type == type)
            return QLatin1String(device.name);
    }
    return QString::number(int(type));
}

QString fieldbusLabel(eFieldbusType type)
{
    for (const Fieldbus &bus : fieldbuses()) {
        if (bus.type == type)
            return QCoreApplication::translate("WorkbenchNames", bus.label);
    }
    return QString::number(int(type));
}

} // namespace WorkbenchNames

namespace {

template <typename Entry, typename Name>
QStringList namesOf(const QList<Entry> &entries, Name name)
{
    QStringList names;
    for (const Entry &entry : entries)
        names << QString::fromUtf8(name(entry));
    return names;
}

} // namespace

namespace WorkbenchFiles {

QString readProblem(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

QByteArray pictureFormat(const QString &path, QString *why)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    const QList<QByteArray> formats = QImageWriter::supportedImageFormats();
    if (!suffix.isEmpty() && formats.contains(suffix))
        return suffix;
    const QString known = QString::fromLatin1(formats.join(", ."));
    *why = suffix.isEmpty() ? QStringLiteral("the name has no image extension (.%1)").arg(known)
                            : QStringLiteral("unknown image format \"%1\" (known are .%2)").arg(QString::fromLatin1(suffix), known);
    return QByteArray();
}

bool writePicture(const QImage &picture, const QString &path, QString *why)
{
    const QByteArray format = pictureFormat(path, why);
    if (format.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *why = file.errorString();
        return false;
    }
    QImageWriter writer(&file, format);
    if (!writer.write(picture)) {
        *why = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}

} // namespace WorkbenchFiles

namespace {

// The options QApplication takes from the command line itself. "-plugin" is missing: the
// workbench's own --plugin takes it.
QList<QCommandLineOption> qtOptions()
{
    const auto option = [](const char *name, const char *text, const char *value = nullptr) {
        return value ? QCommandLineOption(QLatin1String(name), QLatin1String(text), QLatin1String(value))
                     : QCommandLineOption(QLatin1String(name), QLatin1String(text));
    };
    return {option("platform", "QPA plugin (xcb, wayland, offscreen, ...).", "platformName[:options]"),
            option("platformpluginpath", "Path to the platform plugins.", "path"),
            option("platformtheme", "Platform theme.", "theme"),
            option("qwindowgeometry", "Window geometry for the main window, using the X11-syntax, like 100x100+50+50.",
                   "geometry"),
            option("qwindowicon", "Default window icon.", "icon"),
            option("qwindowtitle", "Title of the first window.", "title"),
            option("reverse", "Sets the application's layout direction to Qt::RightToLeft (debugging helper)."),
            option("session", "Restores the application from an earlier session.", "session"),
            option("style", "The widget style (Fusion, Windows, ...).", "style"),
            option("stylesheet", "A style sheet file for the whole application.", "file"),
            option("widgetcount", "Prints the number of widgets left at the end."),
            option("display", "Display name, overrides $DISPLAY (X11).", "display"),
            option("name", "Instance name (X11).", "name"),
            option("title", "Title of the first window (X11).", "title"),
            option("geometry", "Window geometry for the main window (X11).", "geometry"),
            option("qmljsdebugger", "Activates the QML/JS debugger.", "value"),
            option("nograb", "Never grabs the mouse or the keyboard."),
            option("dograb", "Grabs the mouse and the keyboard even in a debugger."),
            option("sync", "Runs X11 synchronously (for debugging).")};
}

} // namespace

OptionsResult parseWorkbenchOptions(const QStringList &arguments, WorkbenchOptions *options, QString *message)
{
    using namespace WorkbenchNames;
    const QStringList deviceNames = namesOf(devices(), [](const Device &d) { return d.name; });
    const QStringList busNames = namesOf(fieldbuses(), [](const Fieldbus &f) { return f.option; });
    const QStringList languageNames = namesOf(languages(), [](const Language &l) { return l.option; });

    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-style fusion"), as every Qt program takes them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QString description = QStringLiteral(
        "Runs the Brevane plug-in against a simulated drive.\n\n"
        "Exit codes: 0 done, 1 a page, picture or scenario step failed, 2 could not start "
        "(arguments, plug-in, drive description or scenario file).");
    parser.setApplicationDescription(description);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption plugin(QStringLiteral("plugin"), QStringLiteral("The plug-in library to load."), QStringLiteral("path"));
    const QCommandLineOption drive(QStringLiteral("drive"), QStringLiteral("A drive description (JSON) instead of the built-in one."),
                                   QStringLiteral("file"));
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Render every page of the tree into <dir> with an index.html, then quit."),
                                         QStringLiteral("dir"));
    const QCommandLineOption windowShot(QStringLiteral("window-screenshot"),
                                        QStringLiteral("Save a picture of the main window after start-up, then quit."),
                                        QStringLiteral("file"));
    QStringList faultNames;
    for (DriveModel::Fault fault : DriveModel::faults())
        faultNames << DriveModel::faultName(fault);
    const QCommandLineOption scenario(QStringLiteral("scenario"),
                                      QStringLiteral("Play a scenario (JSON) in simulated time without a screen, then quit; "
                                                     "with --window-screenshot the window is saved after it."),
                                      QStringLiteral("file"));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("Inject a drive fault at start-up (repeatable): %1.")
                                       .arg(faultNames.join(QStringLiteral(", "))),
                                   QStringLiteral("fault"));
    const QCommandLineOption device(QStringLiteral("device"),
                                    QStringLiteral("Device type: %1.").arg(deviceNames.join(QStringLiteral(", "))),
                                    QStringLiteral("type"), QStringLiteral("KM2"));
    const QCommandLineOption fieldbus(QStringLiteral("fieldbus"),
                                      QStringLiteral("Fieldbus: %1.").arg(busNames.join(QStringLiteral(", "))),
                                      QStringLiteral("bus"), QStringLiteral("ethercat"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Language: %1.").arg(languageNames.join(QStringLiteral(", "))),
                                      QStringLiteral("language"), languageOfUser(QLocale::system().uiLanguages()));
    const QCommandLineOption offline(QStringLiteral("offline"), QStringLiteral("Start offline."));
    const QCommandLineOption readOnly(QStringLiteral("read-only"), QStringLiteral("Start with a read-only project."));
    const QCommandLineOption requireAll(QStringLiteral("require-all"),
                                        QStringLiteral("With --screenshots: fail when the plug-in does not create a page."));
    const QCommandLineOption allVariants(QStringLiteral("all-variants"),
                                         QStringLiteral("With --screenshots: every page in every device type, language and, "
                                                        "where the page depends on it, fieldbus, side by side in one index.html."));
    const QCommandLineOption resetSettings(QStringLiteral("reset-settings"),
                                           QStringLiteral("Forget the window, docks, device, fieldbus, language, state and "
                                                          "page kept from earlier starts."));
    const QList<QCommandLineOption> own{plugin,  drive,   screenshots, windowShot, scenario,      fault,      device,
                                        fieldbus, language, offline,    readOnly,   requireAll, resetSettings, allVariants};
    parser.addOptions(own);
    // Left in argv for QApplication; listed by --help-all only, as Qt programs do.
    const QList<QCommandLineOption> qt = qtOptions();
    for (QCommandLineOption option : qt) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return OptionsResult::Error;
    }
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(help) || helpAll) {
        QCommandLineParser shown;  // the same options, Qt's shown for --help-all
        shown.setApplicationDescription(description);
        shown.addHelpOption();
        shown.addVersionOption();
        shown.addOptions(own);
        if (helpAll)
            shown.addOptions(qt);
        // Without an application object the parser does not know the program's name.
        *message = shown.helpText().replace(QLatin1String("<executable_name>"), arguments.value(0));
        return OptionsResult::Done;
    }
    if (parser.isSet(version)) {
        *message = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        return OptionsResult::Done;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message = QStringLiteral("Unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst());
        return OptionsResult::Error;
    }

    for (const QCommandLineOption &option : {plugin, drive, screenshots, windowShot, scenario, fault, device, fieldbus, language}) {
        if (parser.values(option).contains(QString())) {
            *message = QStringLiteral("--%1 needs a <%2>, not an empty value").arg(option.names().constFirst(), option.valueName());
            return OptionsResult::Error;
        }
    }
    // What cannot be read is refused before anything starts.
    for (const QCommandLineOption &option : {plugin, drive, scenario}) {
        const QString path = parser.value(option);
        const QString problem = path.isEmpty() ? QString() : WorkbenchFiles::readProblem(path);
        if (!problem.isEmpty()) {
            *message = QStringLiteral("--%1 %2: %3").arg(option.names().constFirst(), path, problem);
            return OptionsResult::Error;
        }
    }
    if (parser.isSet(windowShot)) {
        const QString path = parser.value(windowShot);
        QString why;
        QSaveFile probe(path);  // the picture's folder takes a file; nothing is left behind
        if (!WorkbenchFiles::pictureFormat(path, &why).isEmpty() && !probe.open(QIODevice::WriteOnly))
            why = probe.errorString();
        if (!why.isEmpty()) {
            *message = QStringLiteral("--window-screenshot %1: %2").arg(path, why);
            return OptionsResult::Error;
        }
    }

    WorkbenchOptions result;
    for (const QCommandLineOption &option : qt) {
        if (parser.isSet(option))
            result.qtOptions << option.names().constFirst();
    }
    result.pluginPath = parser.value(plugin);
    result.drivePath = parser.value(drive);
    result.screenshotDir = parser.value(screenshots);
    result.windowScreenshot = parser.value(windowShot);
    result.scenario = parser.value(scenario);
    result.faults = parser.values(fault);
    for (const QString &name : std::as_const(result.faults)) {
        if (!faultNames.contains(name)) {
            *message = QStringLiteral("Unknown fault \"%1\"; known are %2").arg(name, faultNames.join(QStringLiteral(", ")));
            return OptionsResult::Error;
        }
    }
    result.offline = parser.isSet(offline);
    result.readOnly = parser.isSet(readOnly);
    result.requireAll = parser.isSet(requireAll);
    result.resetSettings = parser.isSet(resetSettings);
    for (const QCommandLineOption *option : {&device, &fieldbus, &language, &offline, &readOnly}) {
        if (parser.isSet(*option))
            result.givenOptions << option->names().constFirst();
    }
    result.allVariants = parser.isSet(allVariants);

    const QString deviceValue = parser.value(device).toUpper();
    const int deviceIndex = deviceNames.indexOf(deviceValue);
    if (deviceIndex < 0) {
        *message = QStringLiteral("Unknown device type \"%1\"; known are %2")
                       .arg(parser.value(device), deviceNames.join(QStringLiteral(", ")));
        return OptionsResult::Error;
    }
    result.deviceType = devices().at(deviceIndex).type;

    const int busIndex = busNames.indexOf(parser.value(fieldbus).toLower());
    if (busIndex < 0) {
        *message = QStringLiteral("Unknown fieldbus \"%1\"; known are %2")
                       .arg(parser.value(fieldbus), busNames.join(QStringLiteral(", ")));
        return OptionsResult::Error;
    }
    result.fieldbusType = fieldbuses().at(busIndex).type;

    const int languageIndex = languageNames.indexOf(parser.value(language).toLower());
    if (languageIndex < 0) {
        *message = QStringLiteral("Unknown language \"%1\"; known are %2")
                       .arg(parser.value(language), languageNames.join(QStringLiteral(", ")));
        return OptionsResult::Error;
    }
    result.language = languages().at(languageIndex).language;

    if (!result.screenshotDir.isEmpty() && !result.windowScreenshot.isEmpty()) {
        *message = QStringLiteral("--screenshots and --window-screenshot exclude each other");
        return OptionsResult::Error;
    }
    if (!result.screenshotDir.isEmpty() && !result.scenario.isEmpty()) {
        *message = QStringLiteral("--screenshots and --scenario exclude each other");
        return OptionsResult::Error;
    }
    if (result.requireAll && result.screenshotDir.isEmpty()) {
        *message = QStringLiteral("--require-all needs --screenshots");
        return OptionsResult::Error;
    }
    if (result.allVariants && result.screenshotDir.isEmpty()) {
        *message = QStringLiteral("--all-variants needs --screenshots");
        return OptionsResult::Error;
    }
    *options = result;
    return OptionsResult::Run;
}
