#include "BrevaneVersion.h"
#include "WorkbenchApplication.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const QStringList arguments = takeWorkbenchArguments(argc, argv);
    chooseHeadlessPlatform(arguments);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brevane-workbench"));
    QApplication::setApplicationVersion(QStringLiteral(BREVANE_VERSION));
    return runWorkbench(arguments);
}
