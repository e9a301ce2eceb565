#pragma once

#include "ParameterStore.h"

#include <QList>
#include <QMap>

// Defines parameters of a test's store in a few lines:
//   seed(store, {{"J10", "3", .elements = 16}, {"K08", "1"}});
struct SeedParameter
{
    QString coordinate;
    QString value = QStringLiteral("0");   // every element starts with it
    unsigned short elements = 1;
    unsigned short type = ParameterDataType::Int32;
    QMap<qint64, QString> selection = {};
    bool hidden = false;
    bool newDefinition = true;
    QString name = {};
};

// Defines the parameters (replacing ones with the same coordinate). Fails the test on a bad seed.
void seed(ParameterStore &store, const QList<SeedParameter> &parameters);

// The same from tokens separated by spaces: "J10=a,b,c" one element per value, "J271=-1*5"
// five elements of -1, "C76" one element of 0, "F40!" hidden, "G468^=100" of an older
// definition, "D20:INT16=5" of a named type, "J311=1[0:10]" with limits; "~" is a space, and
// a value that is no number makes a text parameter.
void seedTokens(ParameterStore &store, const QString &tokens);
