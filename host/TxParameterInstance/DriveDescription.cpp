#include "DriveDescription.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace {

// Line and column (1-based) of a byte offset, for syntax error messages.
QString lineAndColumn(const QByteArray &json, int offset)
{
    offset = qBound(0, offset, int(json.size()));
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset; ++i) {
        if (json.at(i) == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("%1:%2").arg(line).arg(column);
}

// A scalar of the description as the value text of a parameter of the type, or the reason it
// does not fit: numbers for numeric types (texts too, as older files wrote fractions), true and
// false for integers only (switches), texts for texts.
QString scalarText(const QJsonValue &value, unsigned short type, QString *text)
{
    const bool numeric = ParameterDataType::isNumeric(type);
    if (value.isString()) {
        *text = value.toString();
        return QString();
    }
    if (value.isBool() && ParameterDataType::isInteger(type)) {
        *text = value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        return QString();
    }
    if (value.isDouble() && numeric) {
        // Whole numbers inside the 64-bit range are written as integers; anything else
        // (fractions, 1e30) in exponent form, which an integer parameter then refuses.
        const double number = value.toDouble();
        const bool whole = std::trunc(number) == number && std::abs(number) < 9.2e18;
        *text = whole ? QString::number(qint64(number)) : QString::number(number, 'g', 9);
        return QString();
    }
    return (numeric ? DriveDescription::tr("a number is required for a %1 parameter")
                    : DriveDescription::tr("a text is required for a %1 parameter"))
        .arg(ParameterDataType::name(type));
}

class EntryReader
{
    Q_DECLARE_TR_FUNCTIONS(DriveDescription)

public:
    EntryReader(const QJsonObject &object, QString *field, QString *problem)
        : m_object(object), m_field(field), m_problem(problem)
    {
    }

    bool fail(const char *field, const QString &problem)
    {
        *m_field = QLatin1String(field);
        *m_problem = problem;
        return false;
    }

    bool read(DriveDescription::Entry *entry)
    {
        static const QSet<QString> known = {
            QStringLiteral("coordinate"), QStringLiteral("name"),     QStringLiteral("type"),
            QStringLiteral("elements"),   QStringLiteral("default"),  QStringLiteral("min"),
            QStringLiteral("max"),        QStringLiteral("selection"), QStringLiteral("hidden"),
            QStringLiteral("global"),     QStringLiteral("newDefinition"), QStringLiteral("value"),
            QStringLiteral("unit")};
        for (auto it = m_object.begin(); it != m_object.end(); ++it) {
            if (!known.contains(it.key())) {
                *m_field = it.key();
                *m_problem = tr("unknown field");
                return false;
            }
        }

        ParameterDefinitionData &d = entry->definition;
        const QJsonValue coordinate = m_object.value(QLatin1String("coordinate"));
        if (!coordinate.isString() || !ParameterCoordinate(coordinate.toString()).isValid())
            return fail("coordinate", tr("a coordinate such as \"J40\" is required"));
        d.coordinate = coordinate.toString();

        if (!readText("name", &d.name) || !readText("unit", &d.unit))
            return false;

        const QJsonValue type = m_object.value(QLatin1String("type"));
        d.dataType = ParameterDataType::fromName(type.toString());
        if (d.dataType == ParameterDataType::Unknown)
            return fail("type", tr("unknown data type \"%1\"").arg(type.toVariant().toString()));

        const QJsonValue elements = m_object.value(QLatin1String("elements"));
        if (!elements.isUndefined()) {
            const double count = elements.toDouble(-1);
            if (!elements.isDouble() || count < 0 || count > ParameterStore::MaximumElementCount
                || std::trunc(count) != count)
                return fail("elements", tr("a whole number from 0 to %1 is required")
                                            .arg(ParameterStore::MaximumElementCount));
            d.elementCount = static_cast<unsigned short>(count);
        }

        if (!readTexts("default", d.dataType, &d.defaults))
            return false;
        if (!readTexts("value", d.dataType, &entry->values))
            return false;
        if (entry->values.size() > d.elementCount)
            return fail("value", tr("%1 values for %2 elements").arg(entry->values.size()).arg(d.elementCount));

        for (const char *limit : {"min", "max"}) {
            const QJsonValue value = m_object.value(QLatin1String(limit));
            if (value.isUndefined())
                continue;
            if (!value.isDouble())
                return fail(limit, tr("a number is required"));
            const ParameterStore::Range range = ParameterStore::typeRange(d.dataType);
            if (ParameterDataType::isNumeric(d.dataType)
                && (value.toDouble() < range.lower || value.toDouble() > range.upper))
                return fail(limit, tr("%1 is outside the %2 range %3 .. %4")
                                       .arg(QString::number(value.toDouble(), 'g', 9), ParameterDataType::name(d.dataType),
                                            QString::number(range.lower, 'g', 12), QString::number(range.upper, 'g', 12)));
            (limit[1] == 'i' ? d.lowerLimit : d.upperLimit) = value.toDouble();
        }

        const QJsonValue selection = m_object.value(QLatin1String("selection"));
        if (!selection.isUndefined()) {
            if (!selection.isObject())
                return fail("selection", tr("an object from value to text is required"));
            const QJsonObject texts = selection.toObject();
            for (auto it = texts.begin(); it != texts.end(); ++it) {
                bool ok = false;
                const qint64 key = it.key().toLongLong(&ok, 10);
                Text text;
                if (!ok || !Text::fromJson(it.value(), &text))
                    return fail("selection", tr("entry \"%1\" needs a numeric key and a text").arg(it.key()));
                d.selection.insert(key, text);
            }
        }

        return readFlag("hidden", &d.hidden) && readFlag("global", &d.global)
            && readFlag("newDefinition", &d.newDefinition);
    }

private:
    // A name or unit: one text, or an object of "de", "en" and "fr" texts.
    bool readText(const char *field, Text *text)
    {
        const QJsonValue value = m_object.value(QLatin1String(field));
        if (!value.isUndefined() && !Text::fromJson(value, text))
            return fail(field, tr("a text or an object with \"de\", \"en\", \"fr\" texts is required"));
        return true;
    }

    bool readTexts(const char *field, unsigned short type, QStringList *texts)
    {
        const QJsonValue value = m_object.value(QLatin1String(field));
        if (value.isUndefined())
            return true;
        const QJsonArray items = value.isArray() ? value.toArray() : QJsonArray{value};
        for (const QJsonValue &item : items) {
            QString text;
            const QString problem = scalarText(item, type, &text);
            if (!problem.isEmpty())
                return fail(field, problem);
            texts->append(text);
        }
        return true;
    }

    bool readFlag(const char *field, bool *flag)
    {
        const QJsonValue value = m_object.value(QLatin1String(field));
        if (value.isUndefined())
            return true;
        if (!value.isBool())
            return fail(field, tr("true or false is required"));
        *flag = value.toBool();
        return true;
    }

    const QJsonObject m_object;
    QString *m_field;
    QString *m_problem;
};

} // namespace

QString DriveDescription::fieldError(const QString &fileName, const QString &position, const QString &field,
                                     const QString &problem)
{
    return field.isEmpty() ? tr("%1:%2: %3").arg(fileName, position, problem)
                           : tr("%1:%2: field \"%3\": %4").arg(fileName, position, field, problem);
}

bool DriveDescription::parse(const QByteArray &json, const QString &fileName, QString *error)
{
    m_entries.clear();
    auto fail = [&](const QString &position, const QString &field, const QString &problem) {
        if (error)
            *error = fieldError(fileName, position, field, problem);
        m_entries.clear();
        return false;
    };

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(lineAndColumn(json, parseError.offset), QString(), parseError.errorString());
    if (!document.isObject() || !document.object().value(QLatin1String("parameters")).isArray())
        return fail(QStringLiteral("1:1"), QStringLiteral("parameters"), tr("a list of parameters is required"));

    const QJsonArray parameters = document.object().value(QLatin1String("parameters")).toArray();
    QSet<QString> seen;
    for (int i = 0; i < parameters.size(); ++i) {
        Entry entry;
        entry.position = QStringLiteral("parameters[%1]").arg(i);
        if (!parameters.at(i).isObject())
            return fail(entry.position, QString(), tr("an object is required"));
        QString field;
        QString problem;
        EntryReader reader(parameters.at(i).toObject(), &field, &problem);
        if (!reader.read(&entry)) {
            const QString coordinate = parameters.at(i).toObject().value(QLatin1String("coordinate")).toString();
            if (!coordinate.isEmpty())
                entry.position += QStringLiteral(" (%1)").arg(ParameterCoordinate(coordinate).toText());
            return fail(entry.position, field, problem);
        }
        const QString canonical = ParameterCoordinate(entry.definition.coordinate).toText();
        entry.position += QStringLiteral(" (%1)").arg(canonical);
        if (seen.contains(canonical))
            return fail(entry.position, QStringLiteral("coordinate"), tr("defined twice"));
        seen.insert(canonical);
        m_entries.append(entry);
    }
    return true;
}
