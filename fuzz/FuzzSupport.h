#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

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
