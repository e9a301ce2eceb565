#include "ParameterStore.h"

#include "DriveDescription.h"

#include <QFile>
#include <QLocale>
#include <cmath>
#include <limits>

namespace {

// The shortest decimal text that reads back as the same REAL32 value.
QString shortestText(float value)
{
    for (int decimals = 0; decimals <= 12; ++decimals) {
        const QString text = QString::number(double(value), 'f', decimals);
        if (text.toFloat() == value)
            return text;
    }
    return QString::number(double(value), 'g', 9);
}

QString typeDefault(unsigned short type)
{
    return ParameterDataType::isNumeric(type) ? QStringLiteral("0") : QString();
}

} // namespace

ParameterStore::Range ParameterStore::typeRange(unsigned short type)
{
    switch (type) {
    case ParameterDataType::Int8: return {-128, 127};
    case ParameterDataType::Int16: return {-32768, 32767};
    case ParameterDataType::Int32: return {-2147483648.0, 2147483647.0};
    case ParameterDataType::UInt8: return {0, 255};
    case ParameterDataType::UInt16: return {0, 65535};
    case ParameterDataType::UInt32: return {0, 4294967295.0};
    case ParameterDataType::Real32:
        return {-double(std::numeric_limits<float>::max()), double(std::numeric_limits<float>::max())};
    default: return {0, 0};
    }
}

// One parameter of the store: both the observing and the reading/writing side.
class StoredParameter : public ParameterInformation, public ParameterObject
{
public:
    StoredParameter(ParameterStore *store, const ParameterDefinitionData &definition)
        : m_store(store), m_definition(definition),
          m_coordinate(definition.coordinate)
    {
    }

    const ParameterDefinitionData &definition() const { return m_definition; }

    // Checks a value text against data type and limits and gives its canonical form.
    bool normalize(const QString &text, QString *normalized, QString *error) const
    {
        const unsigned short type = m_definition.dataType;
        if (ParameterDataType::isNumeric(type)) {
            const QString trimmed = text.trimmed();
            bool ok = false;
            double number = 0;
            if (ParameterDataType::isInteger(type)) {
                const qlonglong integer = trimmed.toLongLong(&ok, 10);
                number = double(integer);
                if (ok)
                    *normalized = QString::number(integer);
            } else {
                const float real = QLocale::c().toFloat(trimmed, &ok);
                ok = ok && std::isfinite(real);
                number = double(real);
                if (ok)
                    *normalized = shortestText(real);
            }
            if (!ok) {
                *error = ParameterStore::tr("%1: \"%2\" is no %3 number")
                             .arg(m_definition.coordinate, text, ParameterDataType::name(type));
                return false;
            }
            if (number < lowerLimit() || number > upperLimit()) {
                *error = ParameterStore::tr("%1: %2 is outside %3 .. %4")
                             .arg(m_definition.coordinate, text, QString::number(lowerLimit(), 'g', 12),
                                  QString::number(upperLimit(), 'g', 12));
                return false;
            }
            return true;
        }
        if (type == ParameterDataType::Address && !text.isEmpty()
            && !ParameterAddress(text, true).isValid()) {
            *error = ParameterStore::tr("%1: \"%2\" is no parameter address").arg(m_definition.coordinate, text);
            return false;
        }
        *normalized = text;
        return true;
    }

    double lowerLimit() const
    {
        const ParameterStore::Range range = ParameterStore::typeRange(m_definition.dataType);
        return m_definition.lowerLimit.isValid() ? qMax(range.lower, m_definition.lowerLimit.toDouble())
                                                 : range.lower;
    }

    double upperLimit() const
    {
        const ParameterStore::Range range = ParameterStore::typeRange(m_definition.dataType);
        return m_definition.upperLimit.isValid() ? qMin(range.upper, m_definition.upperLimit.toDouble())
                                                 : range.upper;
    }

    QString defaultFor(unsigned short element) const
    {
        const QStringList &defaults = m_definition.defaults;
        if (defaults.isEmpty())
            return typeDefault(m_definition.dataType);
        return defaults.value(element, defaults.last());
    }

    // Index into m_values for a living space; -1 where the parameter does not live there.
    int slot(eLivingSpace livingSpace) const
    {
        if (m_definition.global)
            return 0;
        const int resolved = m_store->resolveLivingSpace(livingSpace);
        return resolved >= 1 ? resolved : -1;
    }

    QVector<QString> &valuesOf(int slotIndex)
    {
        auto it = m_values.find(slotIndex);
        if (it == m_values.end()) {
            QVector<QString> values(m_definition.elementCount);
            for (int i = 0; i < values.size(); ++i)
                values[i] = defaultFor(static_cast<unsigned short>(i));
            it = m_values.insert(slotIndex, values);
        }
        return it.value();
    }

    QString stored(eLivingSpace livingSpace, unsigned short element) const
    {
        const int slotIndex = slot(livingSpace);
        // Element 0 of a parameter the provider has is always asked for, also of an emptied
        // array: only the elements beyond it are overruns.
        if (element > 0 && element >= m_definition.elementCount)
            m_store->noteOverrun(m_definition.coordinate, element);
        if (slotIndex < 0 || element >= m_definition.elementCount)
            return QString();
        const auto it = m_values.constFind(slotIndex);
        if (it == m_values.constEnd())
            return defaultFor(element);
        return it.value().at(element);
    }

    bool write(eLivingSpace livingSpace, unsigned short element, const QString &text)
    {
        const int slotIndex = slot(livingSpace);
        if (slotIndex < 0) {
            m_store->noteWriteError(ParameterStore::tr("%1 does not exist in living space %2")
                                        .arg(m_definition.coordinate).arg(int(livingSpace)));
            return false;
        }
        if (element >= m_definition.elementCount) {
            if (element > 0)
                m_store->noteOverrun(m_definition.coordinate, element);
            m_store->noteWriteError(ParameterStore::tr("%1 has no element %2")
                                        .arg(m_definition.coordinate).arg(element));
            return false;
        }
        QString normalized;
        QString error;
        if (!normalize(text, &normalized, &error)) {
            m_store->noteWriteError(error);
            return false;
        }
        m_store->noteWriteError(QString());
        m_store->noteWrite(m_definition.coordinate, livingSpace, element, normalized);
        QString &value = valuesOf(slotIndex)[element];
        if (value == normalized)
            return true;
        value = normalized;
        emit valueChanged(addressOf(slotIndex, element));
        return true;
    }

    ParameterAddress addressOf(int slotIndex, unsigned short element) const
    {
        const unsigned char axis = static_cast<unsigned char>(slotIndex >= 1 ? slotIndex - 1 : 0);
        return ParameterAddress(axis, m_coordinate.group(), m_coordinate.line(), element);
    }

    // ParameterInformation
    bool isGlobal() const override { return m_definition.global; }
    bool isNewDefinition() const override { return m_definition.newDefinition; }
    unsigned short elementCount() const override { return m_definition.elementCount; }
    bool hasProperty(unsigned short element, int propertyId) const override
    {
        if (element >= m_definition.elementCount)
            return false;
        switch (propertyId) {
        case ParameterPropertyId::LowerLimit:
        case ParameterPropertyId::UpperLimit:
            return ParameterDataType::isNumeric(m_definition.dataType);
        case ParameterPropertyId::SelectionTexts:
            return !m_definition.selection.isEmpty();
        default:
            return false;
        }
    }
    bool isInLivingSpace(eLivingSpace livingSpace) const override { return slot(livingSpace) >= 0; }
    QString displayText(eLivingSpace livingSpace, unsigned short element, bool) const override
    {
        const QString value = stored(livingSpace, element);
        if (!m_definition.selection.isEmpty()) {
            bool ok = false;
            const qint64 key = value.toLongLong(&ok, 10);
            const auto it = m_definition.selection.constFind(key);
            if (ok && it != m_definition.selection.constEnd())
                return it.value().text();
        }
        return value;
    }
    QString rawValueText(eLivingSpace livingSpace, unsigned short element, bool) const override
    {
        return stored(livingSpace, element);
    }
    QString valueText(eLivingSpace livingSpace, unsigned short element, bool) const override
    {
        return stored(livingSpace, element);
    }
    bool isHidden(eLivingSpace, unsigned short) const override { return m_definition.hidden; }
    bool isVisible(eLivingSpace livingSpace, unsigned short element) const override
    {
        return !m_definition.hidden && isInLivingSpace(livingSpace) && element < m_definition.elementCount;
    }
    unsigned short dataType(unsigned short) const override { return m_definition.dataType; }
    QHash<qint64, QString> selectionTexts(eLivingSpace, unsigned short) const override
    {
        QHash<qint64, QString> texts;
        for (auto it = m_definition.selection.cbegin(); it != m_definition.selection.cend(); ++it)
            texts.insert(it.key(), it.value().text());
        return texts;
    }
    void setCyclicUpdate(eLivingSpace livingSpace, unsigned short element, bool on) override
    {
        m_store->noteCyclicUpdate(QStringLiteral("%1@%2.%3")
                                      .arg(m_definition.coordinate)
                                      .arg(m_store->resolveLivingSpace(livingSpace))
                                      .arg(element),
                                  on);
    }
    Text name() const override { return m_definition.name; }
    ParameterCoordinate coordinate() const override { return m_coordinate; }

    // ParameterObject
    ParameterProperty property(unsigned short element, int propertyId) const override
    {
        if (!hasProperty(element, propertyId))
            return ParameterProperty();
        switch (propertyId) {
        case ParameterPropertyId::LowerLimit: return ParameterProperty(lowerLimit());
        case ParameterPropertyId::UpperLimit: return ParameterProperty(upperLimit());
        default: {
            QVariantMap texts;
            for (auto it = m_definition.selection.cbegin(); it != m_definition.selection.cend(); ++it)
                texts.insert(QString::number(it.key()), it.value().text());
            return ParameterProperty(texts);
        }
        }
    }
    QString defaultValueText(eLivingSpace livingSpace, unsigned short element, bool) const override
    {
        if (slot(livingSpace) < 0 || element >= m_definition.elementCount)
            return QString();
        return defaultFor(element);
    }
    void setElementCount(unsigned short count) override
    {
        if (count == m_definition.elementCount)
            return;
        if (count > ParameterStore::MaximumElementCount) {
            m_store->noteWriteError(ParameterStore::tr("%1: %2 elements are more than %3")
                                        .arg(m_definition.coordinate).arg(count).arg(ParameterStore::MaximumElementCount));
            return;
        }
        const unsigned short old = m_definition.elementCount;
        const qsizetype total = m_store->m_elementTotal - old + count;
        if (total > ParameterStore::MaximumElementTotal) {
            m_store->noteWriteError(ParameterStore::tr("%1: %2 elements would make the drive hold more than %3")
                                        .arg(m_definition.coordinate).arg(count).arg(ParameterStore::MaximumElementTotal));
            return;
        }
        m_store->m_elementTotal = total;
        m_definition.elementCount = count;
        for (auto it = m_values.begin(); it != m_values.end(); ++it) {
            QVector<QString> &values = it.value();
            values.resize(count);
            for (unsigned short i = old; i < count; ++i)
                values[i] = defaultFor(i);
        }
        // Observers learn of the new shape through element 0 of the current axis.
        emit valueChanged(addressOf(slot(eLivingSpaceCurrent), 0));
    }
    void setValue(eLivingSpace livingSpace, unsigned short element, const QString &text) override
    {
        write(livingSpace, element, text);
    }
    void setValueText(eLivingSpace livingSpace, unsigned short element, const QString &text) override
    {
        write(livingSpace, element, text);
    }
    void setElementValue(eLivingSpace livingSpace, unsigned short element, const QString &text) override
    {
        write(livingSpace, element, text);
    }

private:
    ParameterStore *m_store;
    ParameterDefinitionData m_definition;
    ParameterCoordinate m_coordinate;
    QHash<int, QVector<QString>> m_values;
};

ParameterStore::ParameterStore(QObject *parent) : ParameterProvider(parent)
{
    qRegisterMetaType<ParameterAddress>();
}

ParameterStore::~ParameterStore() = default;

QWeakPointer<ParameterInformation> ParameterStore::information(const ParameterCoordinate &coordinate) const
{
    return m_parameters.value(coordinate).toWeakRef();
}

QWeakPointer<ParameterObject> ParameterStore::parameter(const ParameterCoordinate &coordinate) const
{
    return m_parameters.value(coordinate).toWeakRef();
}

void ParameterStore::setOnline(bool online)
{
    if (m_online == online)
        return;
    m_online = online;
    emit onlineChanged(online);
}

void ParameterStore::setReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    emit readOnlyChanged(readOnly);
}

bool ParameterStore::define(const ParameterDefinitionData &definition, QString *error)
{
    const ParameterCoordinate coordinate(definition.coordinate);
    auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (!coordinate.isValid())
        return fail(QStringLiteral("\"%1\" is no coordinate").arg(definition.coordinate));
    if (ParameterDataType::name(definition.dataType).isEmpty())
        return fail(ParameterStore::tr("%1: unknown data type %2").arg(definition.coordinate).arg(definition.dataType));
    if (definition.elementCount > MaximumElementCount)
        return fail(ParameterStore::tr("%1: %2 elements are more than %3")
                        .arg(definition.coordinate).arg(definition.elementCount).arg(MaximumElementCount));

    const QSharedPointer<StoredParameter> replaced = m_parameters.value(coordinate);
    const qsizetype total = m_elementTotal - (replaced ? replaced->elementCount() : 0) + definition.elementCount;
    if (total > MaximumElementTotal)
        return fail(ParameterStore::tr("%1: %2 elements would make the drive hold more than %3")
                        .arg(definition.coordinate).arg(definition.elementCount).arg(MaximumElementTotal));

    ParameterDefinitionData canonical = definition;
    canonical.coordinate = coordinate.toText();
    auto parameter = QSharedPointer<StoredParameter>::create(this, canonical);
    QStringList defaults;
    for (const QString &text : definition.defaults) {
        QString normalized;
        QString message;
        if (!parameter->normalize(text, &normalized, &message))
            return fail(message);
        defaults << normalized;
    }
    if (defaults != definition.defaults) {
        canonical.defaults = defaults;
        parameter = QSharedPointer<StoredParameter>::create(this, canonical);
    }

    if (!m_parameters.contains(coordinate))
        m_order << canonical.coordinate;
    m_parameters.insert(coordinate, parameter);
    m_elementTotal = total;
    return true;
}

void ParameterStore::remove(const QString &coordinate)
{
    const QString canonical = ParameterCoordinate(coordinate).toText();
    const QSharedPointer<StoredParameter> removed = m_parameters.take(ParameterCoordinate(coordinate));
    if (!removed)
        return;
    m_elementTotal -= removed->elementCount();
    m_order.removeAll(canonical);
    // A parameter that is gone has no live values; nobody could switch them off any more.
    const QString prefix = canonical + QLatin1Char('@');
    m_cyclic.removeIf([&prefix](const QString &key) { return key.startsWith(prefix); });
}

void ParameterStore::clear()
{
    m_parameters.clear();
    m_elementTotal = 0;
    m_order.clear();
    m_cyclic.clear();
}

bool ParameterStore::contains(const QString &coordinate) const
{
    return m_parameters.contains(ParameterCoordinate(coordinate));
}

QStringList ParameterStore::coordinates() const
{
    return m_order;
}

const ParameterDefinitionData *ParameterStore::definition(const QString &coordinate) const
{
    const auto parameter = m_parameters.value(ParameterCoordinate(coordinate));
    return parameter ? &parameter->definition() : nullptr;
}

void ParameterStore::setCurrentLivingSpace(int livingSpace)
{
    if (livingSpace >= 1)
        m_currentLivingSpace = livingSpace;
}

int ParameterStore::resolveLivingSpace(int livingSpace) const
{
    return livingSpace == eLivingSpaceCurrent ? m_currentLivingSpace : livingSpace;
}

QString ParameterStore::value(const QString &coordinate, int livingSpace, unsigned short element) const
{
    const auto parameter = m_parameters.value(ParameterCoordinate(coordinate));
    return parameter ? parameter->valueText(eLivingSpace(livingSpace), element, false) : QString();
}

bool ParameterStore::setValue(const QString &coordinate, int livingSpace, unsigned short element,
                              const QString &text)
{
    const auto parameter = m_parameters.value(ParameterCoordinate(coordinate));
    if (!parameter) {
        m_lastWriteError = ParameterStore::tr("%1 is not defined").arg(coordinate);
        return false;
    }
    return parameter->write(eLivingSpace(livingSpace), element, text);
}

bool ParameterStore::loadJson(const QByteArray &json, const QString &fileName, QString *error)
{
    DriveDescription description;
    if (!description.parse(json, fileName, error))
        return false;

    // Build the new contents aside, so a bad entry leaves the store untouched.
    ParameterStore staging;
    staging.setCurrentLivingSpace(m_currentLivingSpace);
    // Counted before anything is made: a file asking for too much takes no memory for it.
    qsizetype elements = 0;
    for (const DriveDescription::Entry &entry : description.entries()) {
        elements += entry.definition.elementCount;
        if (elements > MaximumElementTotal) {
            if (error)
                *error = DriveDescription::fieldError(fileName, entry.position, QStringLiteral("elements"),
                                                      tr("the drive would hold more than %1 elements").arg(MaximumElementTotal));
            return false;
        }
    }
    for (const DriveDescription::Entry &entry : description.entries()) {
        QString message;
        if (!staging.define(entry.definition, &message)) {
            if (error)
                *error = DriveDescription::fieldError(fileName, entry.position, QStringLiteral("default"), message);
            return false;
        }
        for (int element = 0; element < entry.values.size(); ++element) {
            if (!staging.setValue(entry.definition.coordinate, eLivingSpaceCurrent,
                                  static_cast<unsigned short>(element), entry.values.at(element))) {
                if (error)
                    *error = DriveDescription::fieldError(fileName, entry.position, QStringLiteral("value"),
                                                          staging.lastWriteError());
                return false;
            }
        }
    }

    clear();
    for (const QString &coordinate : staging.coordinates()) {
        const auto source = staging.m_parameters.value(ParameterCoordinate(coordinate));
        define(source->definition());
        const auto target = m_parameters.value(ParameterCoordinate(coordinate));
        for (unsigned short element = 0; element < source->elementCount(); ++element) {
            const QString text = source->valueText(eLivingSpaceCurrent, element, false);
            if (text != target->valueText(eLivingSpaceCurrent, element, false))
                target->write(eLivingSpaceCurrent, element, text);
        }
    }
    return true;
}

bool ParameterStore::loadFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = ParameterStore::tr("%1: cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    return loadJson(file.readAll(), path, error);
}

QStringList ParameterStore::cyclicUpdates() const
{
    QStringList list(m_cyclic.cbegin(), m_cyclic.cend());
    list.sort();
    return list;
}

QStringList ParameterStore::elementOverruns() const
{
    QStringList list(m_overruns.cbegin(), m_overruns.cend());
    list.sort();
    return list;
}

bool ParameterStore::isCyclicUpdateOn(const QString &coordinate, int livingSpace, unsigned short element) const
{
    return m_cyclic.contains(QStringLiteral("%1@%2.%3")
                                 .arg(ParameterCoordinate(coordinate).toText())
                                 .arg(resolveLivingSpace(livingSpace))
                                 .arg(element));
}

void ParameterStore::setRecordingWrites(bool on)
{
    m_recordWrites = on;
}

void ParameterStore::noteCyclicUpdate(const QString &key, bool on)
{
    if (on)
        m_cyclic.insert(key);
    else
        m_cyclic.remove(key);
}

void ParameterStore::noteWrite(const QString &coordinate, int livingSpace, unsigned short element,
                               const QString &text)
{
    if (m_recordWrites)
        m_written.append({coordinate, livingSpace, element, text});
}
