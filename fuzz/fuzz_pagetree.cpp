// The page-tree definition: parsed, then built into the host's tree as the workbench does.
#include "FuzzSupport.h"

#include "PageTree.h"
#include "ParameterStore.h"
#include "WorkbenchHost.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PageTreeDefinition tree;
    QString error;
    if (!tree.parse(bytes(data, size), QStringLiteral("tree.json"), &error)) {
        FUZZ_ASSERT(!error.isEmpty() && tree.nodes().isEmpty());
        return 0;
    }
    const QStringList pages = tree.pageIdentifiers();
    FUZZ_ASSERT(QSet<QString>(pages.cbegin(), pages.cend()).size() == pages.size());
    FUZZ_ASSERT(!pages.contains(QString()));

    ParameterStore store;
    WorkbenchHost host(&store);
    host.setTree(tree);
    FUZZ_ASSERT(host.treePages() == pages);
    for (eFieldbusType bus : {eFieldbusEtherCAT, eFieldbusNone}) {
        host.setFieldbusType(bus);
        const QString first = host.firstVisiblePage();
        FUZZ_ASSERT(first.isEmpty() || (pages.contains(first) && host.selectPage(first)));
    }
    return 0;
}
