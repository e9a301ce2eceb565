#pragma once

#include <QApplication>
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

// The one application of a fuzz run, headless; pages and the workbench need widgets. It lives
// until the process ends: taken down from exit(), after the fuzzer's main has gone, it crashes.
inline void startApplication(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "qt.qpa.*=false", 0);
    static QApplication *application = nullptr;
    if (!application)
        application = new QApplication(*argc, *argv);
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Stops the run like a crash, with the input saved: a property of the code does not hold.
#define FUZZ_ASSERT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            qCritical("%s:%d: %s does not hold", __FILE__, __LINE__, #condition);                  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
