// Goes over every page the plug-in creates, loaded as the host loads it, and prints per page
// the time to create and initialise it, to show it the first time (painted), to switch its
// language and to delete it; then the totals, the peak memory with all pages alive, the CPU
// used in idle with every page created and one shown, and the memory growth over load
// cycles, each against its target. Run it from a Release build:
//
//   QT_QPA_PLATFORM=offscreen build/release/bin/bench_allpages [idle-seconds] [load-cycles]
//
// Under callgrind, started with --collect-atstart=no, only each page's creation and first show
// are counted, each in a profile of its own named after the page:
//
//   valgrind --tool=callgrind --collect-atstart=no build/release/bin/bench_allpages 1 0

#include "BenchClock.h"
#include "PageArea.h"
#include "PageHarness.h"
#include "WizardPage.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define BENCH_COUNT_FROM_HERE() CALLGRIND_TOGGLE_COLLECT
#define BENCH_COUNT_UNTIL_HERE(name)                                                                          \
    do {                                                                                                      \
        CALLGRIND_TOGGLE_COLLECT;                                                                             \
        CALLGRIND_DUMP_STATS_AT(name);                                                                        \
    } while (false)
#else
#define BENCH_COUNT_FROM_HERE()
#define BENCH_COUNT_UNTIL_HERE(name)
#endif

namespace {

struct PageTimes
{
    QString identifier;
    double create = 0;
    double firstShow = 0;
    double language = 0;
    double destroy = 0;
};

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const int idleSeconds = arguments.size() > 1 ? arguments.at(1).toInt() : 5;
    const int loadCycles = arguments.size() > 2 ? arguments.at(2).toInt() : 100;

    // Drops what the offscreen platform says about itself; everything else is printed.
    WarningCollector warnings;
    const qint64 residentBefore = residentKiB();
    PluginSession session;
    QString error;
    if (!session.start(QStringLiteral(BREVANE_PLUGIN_PATH), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    // The pages sit in the workbench's page area, as in a host's window.
    PageArea area;
    area.resize(1000, 750);
    area.show();
    QCoreApplication::processEvents();

    const int registered = int(session.identifiers().size());
    QList<PageTimes> times;
    QList<WizardPage *> pages;
    QElapsedTimer timer;
    for (const QString &identifier : session.identifiers()) {
        PageTimes page{identifier};
        BENCH_COUNT_FROM_HERE();
        timer.start();
        WizardPage *created = session.createPage(identifier);
        if (created)
            area.addPage(identifier, created);
        page.create = milliseconds(timer);
        BENCH_COUNT_UNTIL_HERE(qPrintable(QStringLiteral("create ") + identifier));
        if (!created)
            continue;
        BENCH_COUNT_FROM_HERE();
        timer.start();
        area.showPage(identifier);
        area.repaint();
        page.firstShow = milliseconds(timer);
        BENCH_COUNT_UNTIL_HERE(qPrintable(QStringLiteral("show ") + identifier));
        times << page;
        pages << created;
    }
    area.clearCurrent();
    QCoreApplication::processEvents();
    const qint64 residentAllAlive = residentKiB();

    // One language switch over all pages: the translator swapped and the change delivered.
    timer.start();
    session.setLanguage(Text::English);
    const double switchAll = milliseconds(timer);
    // Each page's own share, with the English catalogue in place.
    for (int index = 0; index < pages.size(); ++index) {
        QEvent change(QEvent::LanguageChange);
        timer.start();
        QCoreApplication::sendEvent(pages.at(index), &change);
        times[index].language = milliseconds(timer);
    }

    // Idle: every page created, the first one shown; timers of hidden pages count.
    if (!times.isEmpty())
        area.showPage(times.first().identifier);
    QCoreApplication::processEvents();
    const double cpuBefore = processCpuSeconds();
    runEventLoop(idleSeconds * 1000);
    const double idleCpu = (processCpuSeconds() - cpuBefore) / idleSeconds * 100.0;
    area.clearCurrent();

    for (int index = 0; index < times.size(); ++index) {
        timer.start();
        area.deletePage(times.at(index).identifier);
        flushDeletes();
        times[index].destroy = milliseconds(timer);
    }
    pages.clear();
    const qint64 peakResident = peakResidentKiB();
    session.shutdown();

    std::printf("%-40s %10s %10s %10s %10s\n", "page", "create ms", "show ms", "lang ms", "delete ms");
    PageTimes total{QStringLiteral("total")};
    PageTimes slowestShow;
    for (const PageTimes &page : std::as_const(times)) {
        if (page.firstShow > slowestShow.firstShow)
            slowestShow = page;
        std::printf("%-40s %10.2f %10.2f %10.2f %10.2f\n", qPrintable(page.identifier), page.create, page.firstShow,
                    page.language, page.destroy);
        total.create += page.create;
        total.firstShow += page.firstShow;
        total.language += page.language;
        total.destroy += page.destroy;
    }
    std::printf("%-40s %10.2f %10.2f %10.2f %10.2f\n", "total", total.create, total.firstShow, total.language,
                total.destroy);
    std::printf("\n%d of %d registered pages created\n", int(times.size()), registered);
    std::printf("resident memory: %lld KiB before loading, %lld KiB with all pages alive, peak %lld KiB\n",
                residentBefore, residentAllAlive, peakResident);

    const LoadCycles cycles = runLoadCycles(QStringLiteral(BREVANE_PLUGIN_PATH), loadCycles);
    if (!cycles.failure.isEmpty())
        std::printf("load cycles failed: %s\n", qPrintable(cycles.failure));
    const double growthMB = double(cycles.residentAfterLastKiB - cycles.residentAfterFirstKiB) / 1024.0;

    const double createShow = total.create + total.firstShow;
    std::printf("\ntargets (Release, offscreen):\n");
    std::printf("  all pages created and initialised:             %8.1f ms   (at most 200 ms) %s\n", total.create,
                verdict(total.create <= 200));
    // Over one display frame, the first show stutters.
    std::printf("  slowest first show (%s):%*s%8.1f ms   (at most 16 ms)  %s\n", qPrintable(slowestShow.identifier),
                std::max(1, 26 - int(slowestShow.identifier.size())), "", slowestShow.firstShow,
                verdict(slowestShow.firstShow <= 16));
    std::printf("  all pages created, initialised and shown once: %8.1f ms   (under 1000 ms)  %s\n", createShow,
                verdict(createShow < 1000));
    std::printf("  one language switch across all pages:          %8.1f ms   (under 300 ms)   %s\n", switchAll,
                verdict(switchAll < 300));
    std::printf("  idle CPU, all pages created, one shown:        %8.2f %%    (under 2 %%)      %s\n", idleCpu,
                verdict(idleCpu < 2));
    std::printf("  %3d load/unload cycles, resident growth:       %8.2f MB   (under 10 MB)    %s\n", cycles.done,
                growthMB, verdict(cycles.failure.isEmpty() && growthMB < 10));
    return 0;
}
