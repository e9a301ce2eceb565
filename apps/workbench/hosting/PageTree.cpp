#include "PageTree.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

class NodeReader
{
public:
    NodeReader(const QString &fileName, QString *error) : m_fileName(fileName), m_error(error) {}

    bool readList(const QJsonValue &value, const QString &position, QList<PageTreeNode> *nodes)
    {
        if (!value.isArray())
            return fail(position, QString(), QStringLiteral("a list of entries is required"));
        const QJsonArray entries = value.toArray();
        for (int i = 0; i < entries.size(); ++i) {
            PageTreeNode node;
            if (!readNode(entries.at(i), QStringLiteral("%1[%2]").arg(position).arg(i), &node))
                return false;
            nodes->append(node);
        }
        return true;
    }

private:
    bool fail(const QString &position, const QString &field, const QString &problem)
    {
        if (m_error) {
            *m_error = field.isEmpty()
                ? QStringLiteral("%1: %2: %3").arg(m_fileName, position, problem)
                : QStringLiteral("%1: %2: field \"%3\": %4").arg(m_fileName, position, field, problem);
        }
        return false;
    }

    bool readNode(const QJsonValue &value, const QString &position, PageTreeNode *node)
    {
        if (!value.isObject())
            return fail(position, QString(), QStringLiteral("an object is required"));
        const QJsonObject object = value.toObject();
        static const QSet<QString> known = {QStringLiteral("page"), QStringLiteral("folder"),
                                            QStringLiteral("name"), QStringLiteral("children"),
                                            QStringLiteral("fieldbus"), QStringLiteral("hidden")};
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!known.contains(it.key()))
                return fail(position, it.key(), QStringLiteral("unknown field"));
        }

        const bool isPage = object.contains(QLatin1String("page"));
        const bool isFolder = object.contains(QLatin1String("folder"));
        if (isPage == isFolder)
            return fail(position, QString(), QStringLiteral("exactly one of \"page\" and \"folder\" is required"));

        if (isFolder) {
            if (!Text::fromJson(object.value(QLatin1String("folder")), &node->name))
                return fail(position, QStringLiteral("folder"), QStringLiteral("a name is required"));
            for (const char *field : {"name", "fieldbus", "hidden"}) {
                if (object.contains(QLatin1String(field)))
                    return fail(position, QLatin1String(field), QStringLiteral("only pages take this field"));
            }
            return readList(object.value(QLatin1String("children")), position + QStringLiteral(".children"),
                            &node->children);
        }

        const QJsonValue page = object.value(QLatin1String("page"));
        if (!page.isString() || page.toString().isEmpty())
            return fail(position, QStringLiteral("page"), QStringLiteral("a page identifier is required"));
        node->identifier = page.toString();
        if (object.contains(QLatin1String("children")))
            return fail(position, QStringLiteral("children"), QStringLiteral("pages hold no children"));
        if (object.contains(QLatin1String("name")) && !Text::fromJson(object.value(QLatin1String("name")), &node->name))
            return fail(position, QStringLiteral("name"),
                        QStringLiteral("a text or an object with \"de\", \"en\", \"fr\" texts is required"));
        if (object.contains(QLatin1String("hidden"))) {
            if (!object.value(QLatin1String("hidden")).isBool())
                return fail(position, QStringLiteral("hidden"), QStringLiteral("true or false is required"));
            node->hidden = object.value(QLatin1String("hidden")).toBool();
        }
        if (object.contains(QLatin1String("fieldbus"))) {
            const QJsonValue buses = object.value(QLatin1String("fieldbus"));
            if (!buses.isArray() || buses.toArray().isEmpty())
                return fail(position, QStringLiteral("fieldbus"), QStringLiteral("a list of fieldbus names is required"));
            for (const QJsonValue &bus : buses.toArray()) {
                eFieldbusType type = eFieldbusNone;
                if (!PageTreeDefinition::fieldbusFromName(bus.toString(), &type))
                    return fail(position, QStringLiteral("fieldbus"),
                                QStringLiteral("unknown fieldbus \"%1\"").arg(bus.toVariant().toString()));
                node->fieldbuses << type;
            }
        }
        return true;
    }

    QString m_fileName;
    QString *m_error;
};

void collectPages(const QList<PageTreeNode> &nodes, QStringList *identifiers)
{
    for (const PageTreeNode &node : nodes) {
        if (node.isFolder())
            collectPages(node.children, identifiers);
        else
            identifiers->append(node.identifier);
    }
}

} // namespace

QString PageTreeDefinition::builtInPath()
{
    return QStringLiteral(":/workbench/page-tree.json");
}

bool PageTreeDefinition::parse(const QByteArray &json, const QString &fileName, QString *error)
{
    m_nodes.clear();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = QStringLiteral("%1: offset %2: %3").arg(fileName).arg(parseError.offset).arg(parseError.errorString());
        return false;
    }
    if (!document.isObject()) {
        if (error)
            *error = QStringLiteral("%1: field \"tree\": a list of entries is required").arg(fileName);
        return false;
    }

    QList<PageTreeNode> nodes;
    NodeReader reader(fileName, error);
    if (!reader.readList(document.object().value(QLatin1String("tree")), QStringLiteral("tree"), &nodes))
        return false;

    QStringList identifiers;
    collectPages(nodes, &identifiers);
    QSet<QString> seen;
    for (const QString &identifier : std::as_const(identifiers)) {
        if (seen.contains(identifier)) {
            if (error)
                *error = QStringLiteral("%1: page \"%2\" stands twice in the tree").arg(fileName, identifier);
            return false;
        }
        seen.insert(identifier);
    }
    m_nodes = nodes;
    return true;
}

bool PageTreeDefinition::loadFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    return parse(file.readAll(), path, error);
}

QStringList PageTreeDefinition::pageIdentifiers() const
{
    QStringList identifiers;
    collectPages(m_nodes, &identifiers);
    return identifiers;
}

bool PageTreeDefinition::fieldbusFromName(const QString &name, eFieldbusType *type)
{
    static const struct { const char *name; eFieldbusType type; } buses[] = {
        {"ethercat", eFieldbusEtherCAT}, {"canopen", eFieldbusCANopen}, {"profinet", eFieldbusPROFINET},
        {"ethernetip", eFieldbusEtherNetIP}, {"none", eFieldbusNone}};
    for (const auto &bus : buses) {
        if (name == QLatin1String(bus.name)) {
            *type = bus.type;
            return true;
        }
    }
    return false;
}

VisiblePagesFilter::VisiblePagesFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
}

bool VisiblePagesFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    // The host hides a folder itself when none of its pages is visible.
    if (index.data(PageTreeRole::Identifier).toString().isEmpty())
        return !index.data(PageTreeRole::Hidden).toBool();
    return index.data(PageTreeRole::Present).toBool() && !index.data(PageTreeRole::Hidden).toBool();
}
