#pragma once

#include "ParameterStore.h"

#include <QCoreApplication>

// Reads a drive description, a JSON document of this shape:
//
// { "parameters": [
//     { "coordinate": "J11", "name": { "de": "Kommando", "en": "Command" },
//       "type": "INT32", "elements": 16, "default": 1, "min": 0, "max": 14,
//       "selection": { "0": { "de": "Aus", "en": "Off" }, "1": "Absolut" },
//       "hidden": false, "global": false, "newDefinition": true,
//       "value": [1, 2, 3] } ] }
//
// Only "coordinate" and "type" are required. "default" and "value" take a scalar or an
// array with one entry per element; a scalar default applies to every element. Numeric
// parameters take numbers (or their texts), integer ones true and false too, texts take texts.
// "unit" is one text for every language ("mm/s") or one per language like a name
// ({ "de": "U/min", "en": "rpm" }).
class DriveDescription
{
    // Messages are for the person who wrote the file: they follow the installed catalogues.
    Q_DECLARE_TR_FUNCTIONS(DriveDescription)

public:
    struct Entry
    {
        ParameterDefinitionData definition;
        QStringList values;     // initial values of the current axis, from element 0
        QString position;       // where the entry stands, for messages: parameters[3] (J11)
    };

    // Errors name the file, the position (line:column for syntax, the entry otherwise) and the field.
    bool parse(const QByteArray &json, const QString &fileName, QString *error);
    // The message of a refused field, as parse() and the store that loads the entries word it.
    static QString fieldError(const QString &fileName, const QString &position, const QString &field,
                              const QString &problem);
    const QList<Entry> &entries() const { return m_entries; }

private:
    QList<Entry> m_entries;
};
