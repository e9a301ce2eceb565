#include "WorkbenchApplication.h"

#include "DriveModel.h"
#include "MainWindow.h"
#include "ScenarioRunner.h"
#include "ScreenshotRunner.h"
#include "Workbench.h"
#include "WorkbenchOptions.h"
#include "WorkbenchSettings.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

// Says why the workbench cannot go on: always on stderr, and in a box when a person is
// looking at a screen.
void reportFailure(const QString &message, bool interactive)
{
    std::fprintf(stderr, "brevane-workbench: %s\n", qPrintable(message));
    const QString platform = QGuiApplication::platformName();
    if (interactive && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, QStringLiteral("Brevane Workbench"), message);
}

void settle()
{
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

int runWindow(Workbench &workbench, const WorkbenchOptions &options)
{
    MainWindow window(&workbench);
    if (!options.isHeadless())
        window.restoreSettings();
    window.show();
    DriveModel *model = workbench.driveModel();
    for (const QString &name : options.faults) {
        DriveModel::Fault fault{};
        if (DriveModel::faultFromName(name, &fault))
            model->setFault(fault, true);
    }
    int code = WorkbenchExit::Ok;
    if (!options.scenario.isEmpty()) {
        settle();
        ScenarioRunner runner(&workbench, model);
        QString message;
        if (!runner.load(options.scenario, &message)) {
            reportFailure(message, false);
            workbench.shutdown();
            return WorkbenchExit::CannotStart;
        }
        if (!runner.run(&message)) {
            reportFailure(QStringLiteral("%1: %2").arg(options.scenario, message), false);
            code = WorkbenchExit::Failed;
        }
    } else if (options.windowScreenshot.isEmpty()) {
        // A person watches: the axis runs in real time.
        model->start();
        code = QApplication::exec();
    }
    if (!options.windowScreenshot.isEmpty()) {
        settle();
        QString why;
        if (!WorkbenchFiles::writePicture(window.grab().toImage(), options.windowScreenshot, &why)) {
            reportFailure(QStringLiteral("%1 cannot be written: %2").arg(options.windowScreenshot, why), false);
            code = WorkbenchExit::Failed;
        }
    }
    // Pages and translators go while the window still holds the page area.
    workbench.shutdown();
    return code;
}

} // namespace

QStringList takeWorkbenchArguments(int &argc, char **argv)
{
    QStringList arguments;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        arguments << QString::fromLocal8Bit(argument);
        const bool plugin = argument == "--plugin" || argument == "-plugin";
        if (plugin && i + 1 < argc) {
            arguments << QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        if (plugin || argument.startsWith("--plugin=") || argument.startsWith("-plugin="))
            continue;
        argv[kept++] = argv[i];
    }
    argc = kept;
    if (kept < int(arguments.size()))
        argv[kept] = nullptr;
    return arguments;
}

std::optional<int> readCommandLine(const QStringList &arguments, WorkbenchOptions *options)
{
    QString message;
    switch (parseWorkbenchOptions(arguments, options, &message)) {
    case OptionsResult::Done:
        std::fputs(qPrintable(message), stdout);
        return WorkbenchExit::Ok;
    case OptionsResult::Error:
        std::fprintf(stderr, "brevane-workbench: %s\n", qPrintable(message));
        return WorkbenchExit::CannotStart;
    case OptionsResult::Run:
        break;
    }
    // Kept settings are for the window a person uses; pictures and scenarios run the same everywhere.
    if (options->resetSettings)
        WorkbenchSettings::forget();
    if (!options->isHeadless())
        WorkbenchSettings::applyTo(options);
    return std::nullopt;
}

bool choosePlatform(const WorkbenchOptions &options)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || options.qtOptions.contains(QLatin1String("platform")))
        return true;
    if (options.isHeadless()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !options.qtOptions.contains(QLatin1String("display"))) {
        std::fputs("brevane-workbench: no display to show the window on (DISPLAY is not set); without one, "
                   "--screenshots, --window-screenshot and --scenario run offscreen\n", stderr);
        return false;
    }
    return true;
}

int runWorkbench(const WorkbenchOptions &options)
{
    Workbench workbench(options);
    QString error;
    if (!workbench.start(&error)) {
        reportFailure(error, !options.isHeadless());
        return WorkbenchExit::CannotStart;
    }
    if (!options.screenshotDir.isEmpty()) {
        ScreenshotRunner runner(&workbench, options.screenshotDir, options.requireAll);
        return options.allVariants ? runner.runAllVariants() : runner.run();
    }
    return runWindow(workbench, options);
}
