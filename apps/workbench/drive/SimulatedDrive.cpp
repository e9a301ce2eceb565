#include "SimulatedDrive.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>

#include <cmath>
#include <tuple>
#include <utility>

namespace {

QJsonValue textJson(const Text &text)
{
    // A German text alone is one for every language, written as a plain string.
    if (text.hasLanguage(Text::German) && !text.hasLanguage(Text::English) && !text.hasLanguage(Text::French))
        return text.text(Text::German);
    QJsonObject object;
    for (const auto &[key, language] : {std::pair{"de", Text::German}, {"en", Text::English}, {"fr", Text::French}}) {
        if (text.hasLanguage(language))
            object.insert(QLatin1String(key), text.text(language));
    }
    return object;
}

// A value as the drive descriptions write it: numbers of numeric parameters as JSON numbers,
// which read back as the same text; texts as they are.
QJsonValue valueJson(const QString &text, bool numeric)
{
    bool ok = false;
    const double number = numeric ? QLocale::c().toDouble(text, &ok) : 0;
    if (ok && std::isfinite(number))
        return number;
    return text;
}

// One value per element; a single element as a plain value.
QJsonValue valuesJson(const QStringList &texts, bool numeric, bool array)
{
    if (!array && texts.size() == 1)
        return valueJson(texts.constFirst(), numeric);
    QJsonArray values;
    for (const QString &text : texts)
        values.append(valueJson(text, numeric));
    return values;
}

} // namespace

SimulatedDrive::SimulatedDrive(QObject *parent) : QObject(parent) {}

QString SimulatedDrive::defaultDescriptionPath()
{
    return QStringLiteral(":/workbench/default-drive.json");
}

bool SimulatedDrive::loadDefault(QString *error)
{
    return loadFile(defaultDescriptionPath(), error);
}

bool SimulatedDrive::loadFile(const QString &path, QString *error)
{
    if (!m_store.loadFile(path, error))
        return false;
    m_source = path;
    return true;
}

bool SimulatedDrive::load(const QByteArray &json, const QString &path, QString *error)
{
    if (!m_store.loadJson(json, path, error))
        return false;
    m_source = path;
    return true;
}

QByteArray SimulatedDrive::description() const
{
    QByteArray json = "{ \"parameters\": [\n";
    const QStringList coordinates = m_store.coordinates();
    for (qsizetype i = 0; i < coordinates.size(); ++i) {
        const ParameterDefinitionData &d = *m_store.definition(coordinates.at(i));
        QJsonObject entry{{QStringLiteral("coordinate"), d.coordinate},
                          {QStringLiteral("type"), ParameterDataType::name(d.dataType)}};
        if (!d.name.isEmpty())
            entry.insert(QStringLiteral("name"), textJson(d.name));
        if (!d.unit.isEmpty())
            entry.insert(QStringLiteral("unit"), textJson(d.unit));
        const bool array = d.elementCount != 1;
        const bool numeric = ParameterDataType::isNumeric(d.dataType);
        if (array)
            entry.insert(QStringLiteral("elements"), d.elementCount);
        if (!d.defaults.isEmpty())
            entry.insert(QStringLiteral("default"), valuesJson(d.defaults, numeric, array));
        if (d.lowerLimit.isValid())
            entry.insert(QStringLiteral("min"), d.lowerLimit.toDouble());
        if (d.upperLimit.isValid())
            entry.insert(QStringLiteral("max"), d.upperLimit.toDouble());
        if (!d.selection.isEmpty()) {
            QJsonObject selection;
            for (auto it = d.selection.cbegin(); it != d.selection.cend(); ++it)
                selection.insert(QString::number(it.key()), textJson(it.value()));
            entry.insert(QStringLiteral("selection"), selection);
        }
        for (const auto &[key, flag, usual] : {std::tuple{"hidden", d.hidden, false}, {"global", d.global, false},
                                               {"newDefinition", d.newDefinition, true}}) {
            if (flag != usual)
                entry.insert(QLatin1String(key), flag);
        }
        // Values up to the last one that differs from its default; the rest are defaults.
        const auto object = m_store.parameter(ParameterCoordinate(d.coordinate)).toStrongRef();
        QStringList values;
        qsizetype differing = 0;
        for (unsigned short element = 0; object && element < d.elementCount; ++element) {
            values << object->valueText(eLivingSpaceCurrent, element, false);
            if (values.constLast() != object->defaultValueText(eLivingSpaceCurrent, element, false))
                differing = values.size();
        }
        if (differing > 0)
            entry.insert(QStringLiteral("value"), valuesJson(values.mid(0, differing), numeric, array));
        json += "  " + QJsonDocument(entry).toJson(QJsonDocument::Compact);
        json += i + 1 < coordinates.size() ? ",\n" : "\n";
    }
    return json + "] }\n";
}

bool SimulatedDrive::saveFile(const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(description()) < 0 || !file.commit()) {
        if (error)
            *error = tr("%1 cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    m_source = path;
    return true;
}

int SimulatedDrive::motionBlockCount() const
{
    const auto information = m_store.information(ParameterCoordinate(QStringLiteral("J10"))).toStrongRef();
    return information ? information->elementCount() : 0;
}
