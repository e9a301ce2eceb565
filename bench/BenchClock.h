#pragma once

#include <QEventLoop>
#include <QTimer>

#include <ctime>

// CPU time this process has used, in seconds: what the benchmarks charge to the code.
inline double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Lets the event loop run for a while, as a user who waits.
inline void runEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
