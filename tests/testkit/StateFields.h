#pragma once

#include <QStringList>
#include <QTest>

#include <algorithm>

// The fields in which a state read back differs from the one expected, in words, so that a
// failing row need not be decoded by hand: "Freigabe checked: expected on, got off; ...".
inline QString fieldDifferences(const QStringList &names, const QStringList &expected, const QStringList &actual)
{
    QStringList differences;
    for (qsizetype field = 0; field < std::max(expected.size(), actual.size()); ++field) {
        const QString wanted = expected.value(field, QStringLiteral("nothing"));
        const QString got = actual.value(field, QStringLiteral("nothing"));
        if (wanted != got)
            differences << QStringLiteral("%1: expected %2, got %3").arg(names.value(field, QString::number(field)), wanted, got);
    }
    return differences.join(QLatin1String("; "));
}

#define COMPARE_FIELDS(names, actual, expected)                                                                        \
    do {                                                                                                               \
        const QString differences_ = fieldDifferences(names, expected, actual);                                      \
        QVERIFY2(differences_.isEmpty(), qPrintable(differences_));                                                    \
    } while (false)
