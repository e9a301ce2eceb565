#include "ParameterModel.h"

#include "ParameterStore.h"

#include <QLocale>

#include <cmath>
#include <utility>

namespace {

// Top rows carry 0 as internal id, element rows their parameter's row + 1.
constexpr quintptr TopLevel = 0;
constexpr int SummaryElements = 4;

QString shownCoordinate(const QString &coordinate)
{
    return ParameterModel::displayCoordinate(coordinate);
}

// The limits a value must keep: the description's, within the data type's range.
ParameterStore::Range limitsOf(const ParameterDefinitionData &definition)
{
    ParameterStore::Range range = ParameterStore::typeRange(definition.dataType);
    if (definition.lowerLimit.isValid())
        range.lower = qMax(range.lower, definition.lowerLimit.toDouble());
    if (definition.upperLimit.isValid())
        range.upper = qMin(range.upper, definition.upperLimit.toDouble());
    return range;
}

// A value as the dock shows it: with the parameter's unit behind it, when it has one.
QString withUnit(const QString &value, const ParameterDefinitionData &definition)
{
    const QString unit = definition.unit.text();
    return unit.isEmpty() || value.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

QString ParameterModel::displayCoordinate(const QString &coordinate)
{
    return ParameterCoordinate(coordinate).toText();
}

ParameterModel::ParameterModel(ParameterStore *store, eLivingSpace livingSpace, QObject *parent)
    : QAbstractItemModel(parent), m_store(store), m_livingSpace(livingSpace)
{
    m_repaintTimer.setSingleShot(true);
    m_repaintTimer.setInterval(50);
    connect(&m_repaintTimer, &QTimer::timeout, this, &ParameterModel::repaintChanged);
    connectParameters();
    rebuild();
}

void ParameterModel::connectParameters()
{
    for (const QString &coordinate : m_store->coordinates()) {
        const auto information = m_store->information(ParameterCoordinate(coordinate)).toStrongRef();
        if (information)
            connect(information.data(), &ParameterInformation::valueChanged, this, &ParameterModel::onValueChanged);
    }
}

void ParameterModel::rebuild()
{
    beginResetModel();
    m_visible.clear();
    m_rows.clear();
    m_counts.clear();
    m_changed.clear();
    const QString filter = m_filter.trimmed();
    for (const QString &coordinate : m_store->coordinates()) {
        const ParameterDefinitionData *definition = m_store->definition(coordinate);
        if (!definition)
            continue;
        if (!filter.isEmpty() && !coordinate.contains(filter, Qt::CaseInsensitive)
            && !shownCoordinate(coordinate).contains(filter, Qt::CaseInsensitive)) {
            bool named = false;
            for (int language : {Text::German, Text::English, Text::French})
                named = named || definition->name.text(language).contains(filter, Qt::CaseInsensitive);
            if (!named)
                continue;
        }
        m_rows.insert(coordinate, int(m_visible.size()));
        m_visible << coordinate;
        m_counts.insert(coordinate, definition->elementCount);
    }
    endResetModel();
}

void ParameterModel::setFilter(const QString &text)
{
    if (text == m_filter)
        return;
    m_filter = text;
    rebuild();
}

void ParameterModel::setEditable(bool editable)
{
    if (editable == m_editable)
        return;
    // Flags are asked again when the view repaints; a reset also closes open editors.
    beginResetModel();
    m_editable = editable;
    endResetModel();
}

void ParameterModel::refreshNames()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!m_visible.isEmpty())
        emit dataChanged(index(0, NameColumn), index(int(m_visible.size()) - 1, ValueColumn));
}

bool ParameterModel::isArray(const QString &coordinate) const
{
    return m_counts.value(coordinate, 1) != 1;
}

QString ParameterModel::coordinateAt(const QModelIndex &index) const
{
    if (!index.isValid())
        return QString();
    const int row = index.internalId() == TopLevel ? index.row() : int(index.internalId()) - 1;
    return m_visible.value(row);
}

int ParameterModel::elementAt(const QModelIndex &index) const
{
    if (!index.isValid())
        return -1;
    if (index.internalId() != TopLevel)
        return index.row();
    return isArray(coordinateAt(index)) ? -1 : 0;
}

QModelIndex ParameterModel::indexOf(const QString &coordinate, int element, int column) const
{
    const int row = m_rows.value(ParameterCoordinate(coordinate).toText(), -1);
    if (row < 0)
        return QModelIndex();
    const QModelIndex top = index(row, column);
    if (element < 0 || !isArray(m_visible.at(row)))
        return top;
    return index(element, column, index(row, 0));
}

QMap<qint64, Text> ParameterModel::selectionAt(const QModelIndex &index) const
{
    const ParameterDefinitionData *definition = m_store ? m_store->definition(coordinateAt(index)) : nullptr;
    return definition ? definition->selection : QMap<qint64, Text>();
}

QModelIndex ParameterModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column < 0 || column >= ColumnCount)
        return QModelIndex();
    if (!parent.isValid())
        return row < m_visible.size() ? createIndex(row, column, TopLevel) : QModelIndex();
    if (parent.internalId() != TopLevel)
        return QModelIndex();
    const QString coordinate = m_visible.value(parent.row());
    if (!isArray(coordinate) || row >= m_counts.value(coordinate))
        return QModelIndex();
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex ParameterModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == TopLevel)
        return QModelIndex();
    return createIndex(int(child.internalId()) - 1, 0, TopLevel);
}

int ParameterModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_visible.size());
    if (parent.internalId() != TopLevel || parent.column() != 0)
        return 0;
    const QString coordinate = m_visible.value(parent.row());
    return isArray(coordinate) ? m_counts.value(coordinate) : 0;
}

int ParameterModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QString ParameterModel::valueText(const QString &coordinate, int element) const
{
    const auto information = m_store->information(ParameterCoordinate(coordinate)).toStrongRef();
    if (!information)
        return QString();
    const auto unsignedElement = static_cast<unsigned short>(element);
    const QString value = information->valueText(m_livingSpace, unsignedElement, false);
    const QString shown = information->displayText(m_livingSpace, unsignedElement, false);
    return shown == value ? value : QStringLiteral("%1 – %2").arg(value, shown);
}

QString ParameterModel::summary(const QString &coordinate) const
{
    const int count = m_counts.value(coordinate);
    const auto information = m_store->information(ParameterCoordinate(coordinate)).toStrongRef();
    if (!information || count == 0)
        return QString();
    QStringList values;
    for (int element = 0; element < qMin(count, SummaryElements); ++element)
        values << information->valueText(m_livingSpace, static_cast<unsigned short>(element), false);
    if (count > SummaryElements)
        values << QStringLiteral("…");
    return values.join(QStringLiteral(", "));
}

QVariant ParameterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_store)
        return QVariant();
    const QString coordinate = coordinateAt(index);
    const ParameterDefinitionData *definition = m_store->definition(coordinate);
    if (!definition)
        return QVariant();
    const bool top = index.internalId() == TopLevel;
    const int element = elementAt(index);

    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case CoordinateColumn: return top ? shownCoordinate(coordinate) : QString();
        case ElementColumn:
            if (!top)
                return element;
            return isArray(coordinate) ? QStringLiteral("[%1]").arg(m_counts.value(coordinate)) : QString();
        case NameColumn: return top ? definition->name.text() : QString();
        case ValueColumn: return withUnit(element < 0 ? summary(coordinate) : valueText(coordinate, element), *definition);
        default: return QVariant();
        }
    }
    if (role == Qt::EditRole && index.column() == ValueColumn && element >= 0) {
        const auto information = m_store->information(ParameterCoordinate(coordinate)).toStrongRef();
        return information ? information->valueText(m_livingSpace, static_cast<unsigned short>(element), false) : QString();
    }
    if (role == Qt::ToolTipRole && top) {
        QString tip = QStringLiteral("%1: %2 (%3)").arg(shownCoordinate(coordinate), definition->name.text(),
                                                      ParameterDataType::name(definition->dataType));
        if (ParameterDataType::isNumeric(definition->dataType)) {
            const ParameterStore::Range limits = limitsOf(*definition);
            tip += QLatin1Char('\n') + tr("Limits: %1 .. %2").arg(QString::number(limits.lower, 'g', 12),
                                                                  QString::number(limits.upper, 'g', 12));
        }
        if (!definition->unit.isEmpty())
            tip += QLatin1Char('\n') + tr("Unit: %1").arg(definition->unit.text());
        const QStringList defaults = definition->defaults;
        tip += QLatin1Char('\n') + tr("Default: %1").arg(defaults.isEmpty() && ParameterDataType::isNumeric(definition->dataType)
                                                                ? QStringLiteral("0")
                                                                : defaults.join(QStringLiteral(", ")));
        for (auto it = definition->selection.cbegin(); it != definition->selection.cend(); ++it)
            tip += QStringLiteral("\n%1 – %2").arg(it.key()).arg(it.value().text());
        return tip;
    }
    return QVariant();
}

bool ParameterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != ValueColumn || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString coordinate = coordinateAt(index);
    const int element = elementAt(index);
    const QString problem = refusal(index, value.toString());
    if (!problem.isEmpty()) {
        emit writeRefused(problem);
        return false;
    }
    if (!m_store->setValue(coordinate, m_livingSpace, static_cast<unsigned short>(element), value.toString())) {
        emit writeRefused(m_store->lastWriteError());
        return false;
    }
    // The store's change signal updates the row.
    return true;
}

QString ParameterModel::refusal(const QModelIndex &index, const QString &text) const
{
    const QString coordinate = coordinateAt(index);
    const ParameterDefinitionData *definition = m_store ? m_store->definition(coordinate) : nullptr;
    if (!definition || definition->dataType != ParameterDataType::Real32)
        return QString();  // the store checks type and limits and says why
    bool ok = false;
    const double typed = QLocale::c().toDouble(text.trimmed(), &ok);
    const auto real = float(typed);
    if (!ok || !std::isfinite(real))
        return QString();
    // A REAL32 keeps about seven digits: a value it would round is refused rather than
    // stored as another number than the one typed.
    for (int decimals = 0; decimals <= 12; ++decimals) {
        const QString stored = QString::number(double(real), 'f', decimals);
        if (stored.toFloat() != real)
            continue;
        if (stored.toDouble() == typed)
            return QString();
        return tr("%1: %2 cannot be kept exactly by a REAL32 (it would become %3)")
            .arg(shownCoordinate(coordinate), text.trimmed(), stored);
    }
    return QString();
}

QString ParameterModel::csv() const
{
    QStringList lines{QStringList{tr("Coordinate"), tr("Name"), tr("Element"), tr("Value"), tr("Unit")}.join(QLatin1Char(','))};
    for (const QString &coordinate : m_store->coordinates()) {
        const ParameterDefinitionData *definition = m_store->definition(coordinate);
        const auto information = m_store->information(ParameterCoordinate(coordinate)).toStrongRef();
        if (!definition || !information)
            continue;
        for (unsigned short element = 0; element < definition->elementCount; ++element) {
            lines << QStringList{shownCoordinate(coordinate), csvField(definition->name.text()), QString::number(element),
                                 csvField(information->valueText(m_livingSpace, element, false)),
                                 csvField(definition->unit.text())}
                         .join(QLatin1Char(','));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

Qt::ItemFlags ParameterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable && index.column() == ValueColumn && elementAt(index) >= 0)
        result |= Qt::ItemIsEditable;
    return result;
}

QVariant ParameterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case CoordinateColumn: return tr("Coordinate");
    case ElementColumn: return tr("Element");
    case NameColumn: return tr("Name");
    case ValueColumn: return tr("Value");
    default: return QVariant();
    }
}

void ParameterModel::onValueChanged(const ParameterAddress &address)
{
    const QString coordinate = address.coordinate().toText();
    const int row = m_rows.value(coordinate, -1);
    if (row < 0)
        return;
    const ParameterDefinitionData *definition = m_store->definition(coordinate);
    if (!definition)
        return;

    const int oldCount = m_counts.value(coordinate);
    const int newCount = definition->elementCount;
    if (oldCount != newCount) {
        if ((oldCount == 1) != (newCount == 1)) {
            // A plain parameter became an array or the other way round: the row changes shape.
            beginResetModel();
            m_counts.insert(coordinate, newCount);
            endResetModel();
            return;
        }
        const QModelIndex parent = index(row, 0);
        if (newCount > oldCount) {
            beginInsertRows(parent, oldCount, newCount - 1);
            m_counts.insert(coordinate, newCount);
            endInsertRows();
        } else {
            beginRemoveRows(parent, newCount, oldCount - 1);
            m_counts.insert(coordinate, newCount);
            endRemoveRows();
        }
    }

    m_changed.insert(coordinate);
    if (!m_repaintTimer.isActive())
        m_repaintTimer.start();
}

void ParameterModel::repaintChanged()
{
    const QSet<QString> changed = std::exchange(m_changed, {});
    for (const QString &coordinate : changed) {
        const int row = m_rows.value(coordinate, -1);
        if (row < 0)
            continue;
        emit dataChanged(index(row, ElementColumn), index(row, ValueColumn));
        const int count = isArray(coordinate) ? m_counts.value(coordinate) : 0;
        if (count > 0) {
            const QModelIndex parent = index(row, 0);
            emit dataChanged(index(0, ValueColumn, parent), index(count - 1, ValueColumn, parent));
        }
    }
}
