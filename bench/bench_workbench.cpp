// The workbench window at rest, as a person leaves it open all day: every dock shown, the
// simulated axis stepped in real time and standing still. Prints the share of one core the
// process uses over the idle seconds, with every dock shown and with the Axis dock hidden,
// against the target (under 1 %). Run it from a Release or RelWithDebInfo build:
//
//   QT_QPA_PLATFORM=offscreen build/release/bin/bench_workbench [idle-seconds]

#include "BenchClock.h"
#include "DriveModel.h"
#include "MainWindow.h"
#include "Workbench.h"

#include <QApplication>
#include <QDockWidget>

#include <cstdio>

namespace {

// The share of one core used while the event loop runs for the given time.
double idleShare(int seconds)
{
    const double before = processCpuSeconds();
    runEventLoop(seconds * 1000);
    return (processCpuSeconds() - before) / seconds * 100.0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;

    Workbench workbench{WorkbenchOptions()};
    QString error;
    if (!workbench.start(&error)) {
        std::fprintf(stderr, "bench_workbench: %s\n", qPrintable(error));
        return 2;
    }
    {
        MainWindow window(&workbench);
        window.show();
        // Each dock in a window of its own, so that none hides behind another's tab.
        const QList<QDockWidget *> docks = window.findChildren<QDockWidget *>();
        for (QDockWidget *dock : docks) {
            dock->setFloating(true);
            dock->show();
        }
        workbench.driveModel()->start();
        // Start-up work (first paints, the tree, the first page's timers) is not idle.
        runEventLoop(1500);

        const double shown = idleShare(seconds);
        QDockWidget *axis = window.findChild<QDockWidget *>(QStringLiteral("axisDock"));
        if (axis)
            axis->hide();
        runEventLoop(500);
        const double axisHidden = idleShare(seconds);

        std::printf("bench_workbench: %d s idle each, platform %s, %lld docks\n", seconds,
                    qPrintable(QGuiApplication::platformName()), static_cast<long long>(docks.size()));
        std::printf("  idle CPU, every dock shown:   %6.2f %% of a core   (under 1 %%)   %s\n", shown,
                    shown < 1 ? "met" : "MISSED");
        std::printf("  idle CPU, Axis dock hidden:   %6.2f %% of a core\n", axisHidden);
        workbench.shutdown();
    }
    return 0;
}
