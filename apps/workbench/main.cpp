#include "WorkbenchApplication.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const QStringList arguments = takeWorkbenchArguments(argc, argv);
    chooseHeadlessPlatform(arguments);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brevane-workbench"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));
    return runWorkbench(arguments);
}
