#pragma once

#include "ParameterDefinition.h"
#include "Text.h"

#include <QAbstractItemModel>
#include <QSet>
#include <QTimer>
#include <QHash>
#include <QMap>
#include <QPointer>
#include <QStringList>

class ParameterStore;

// Every parameter of the drive as a tree: one row per parameter, one child row per element
// of an array. Values are read afresh for every paint and written through the store, so a
// refused write leaves the value as it was and reports why.
class ParameterModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { CoordinateColumn, ElementColumn, NameColumn, ValueColumn, ColumnCount };

    ParameterModel(ParameterStore *store, eLivingSpace livingSpace, QObject *parent = nullptr);

    // A coordinate as the drive's documents write it, with at least two digits ("C03", "J01").
    static QString displayCoordinate(const QString &coordinate);

    // Keeps the parameters whose coordinate or name (in any language) contains the text.
    void setFilter(const QString &text);
    QString filter() const { return m_filter; }
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }
    // Names and units follow the current language; call after it changed.
    void refreshNames();

    int parameterCount() const { return int(m_visible.size()); }
    QString coordinateAt(const QModelIndex &index) const;
    int elementAt(const QModelIndex &index) const;
    QModelIndex indexOf(const QString &coordinate, int element = -1, int column = ValueColumn) const;
    // Every parameter of the drive, one line per element, whatever the filter: coordinate, name
    // in the current language, element, value and unit, with a heading line.
    QString csv() const;
    // Why a value text for the index would not be stored as typed; empty when it would be tried.
    QString refusal(const QModelIndex &index, const QString &text) const;

    // The selection texts of the parameter behind an index (empty when it has none).
    QMap<qint64, Text> selectionAt(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void writeRefused(const QString &error);

private:
    void rebuild();
    void connectParameters();
    void onValueChanged(const ParameterAddress &address);
    void repaintChanged();
    bool isArray(const QString &coordinate) const;
    QString valueText(const QString &coordinate, int element) const;
    QString summary(const QString &coordinate) const;

    QPointer<ParameterStore> m_store;
    eLivingSpace m_livingSpace;
    QString m_filter;
    bool m_editable = true;
    QStringList m_visible;              // coordinates of the top rows
    QHash<QString, int> m_rows;         // coordinate -> top row
    QHash<QString, int> m_counts;       // element counts as the rows show them
    // Values that changed since the last repaint: a reset of thousands of motion blocks
    // becomes one update per parameter.
    QSet<QString> m_changed;
    QTimer m_repaintTimer;
};
