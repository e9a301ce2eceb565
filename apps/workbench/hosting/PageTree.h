#pragma once

#include "DeviceTypes.h"
#include "Text.h"

#include <QList>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>

// One entry of the page tree: a folder (no identifier) or a page.
struct PageTreeNode
{
    QString identifier;                // empty for a folder
    Text name;                         // folders, other plug-ins' pages; beats the plug-in's names per language
    QList<eFieldbusType> fieldbuses;   // the page is part of the tree only with one of these; empty: always
    bool hidden = false;               // the page starts hidden
    QList<PageTreeNode> children;

    bool isFolder() const { return identifier.isEmpty(); }
};

// The tree definition of the host: which pages the tree holds and how they are grouped.
// A JSON document of this shape:
//
// { "tree": [
//     { "page": "AppSatDriveBased" },
//     { "folder": { "de": "Betriebsarten", "en": "Operating modes" }, "children": [ ... ] },
//     { "page": "EtherCatStartseite", "name": { "de": "EtherCAT" }, "fieldbus": ["ethercat"],
//       "hidden": false } ] }
//
// Fieldbus names: "ethercat", "canopen", "profinet", "ethernetip", "none".
class PageTreeDefinition
{
public:
    // The tree the workbench is built with.
    static QString builtInPath();

    // Errors name the file, the entry ("tree[2].children[0]") and the field.
    bool parse(const QByteArray &json, const QString &fileName, QString *error);
    bool loadFile(const QString &path, QString *error);

    const QList<PageTreeNode> &nodes() const { return m_nodes; }
    // Every page identifier, depth first in tree order.
    QStringList pageIdentifiers() const;

    static bool fieldbusFromName(const QString &name, eFieldbusType *type);

private:
    QList<PageTreeNode> m_nodes;
};

// Item data of the host's tree model.
namespace PageTreeRole {
enum Role : int {
    Identifier = Qt::UserRole + 1,  // QString; empty for folders
    Hidden,                         // bool: hidden by hidePage or the definition; a folder: no page of it is visible
    Present,                        // bool: part of the tree for the current fieldbus
    Available,                      // bool: the page exists (the plug-in made it, or a placeholder stands in)
    NameGerman,                     // QString: the name per language; the display text follows the language
    NameEnglish,
    NameFrench,
};
}

// Shows what a user sees of the tree: present pages that are not hidden, and the folders
// that hold at least one of them.
class VisiblePagesFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit VisiblePagesFilter(QObject *parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};
