#include "BrevaneVersion.h"
#include "WorkbenchApplication.h"
#include "WorkbenchOptions.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("brevane-workbench"));
    QApplication::setApplicationVersion(QStringLiteral(BREVANE_VERSION));
    const QStringList arguments = takeWorkbenchArguments(argc, argv);
    WorkbenchOptions options;
    if (const std::optional<int> code = readCommandLine(arguments, &options))
        return *code;
    if (!choosePlatform(options))
        return WorkbenchExit::CannotStart;
    QApplication application(argc, argv);
    return runWorkbench(options);
}
