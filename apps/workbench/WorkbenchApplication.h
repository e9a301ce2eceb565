#pragma once

#include <QStringList>

// The command line before QApplication sees it. Qt reads "-plugin" (also written "--plugin")
// as its own option, so the workbench's --plugin and its value are taken out of argc/argv;
// the returned list keeps every argument for the workbench.
QStringList takeWorkbenchArguments(int &argc, char **argv);

// The headless modes need no screen: without a platform chosen they run offscreen.
void chooseHeadlessPlatform(const QStringList &arguments);

// Runs the workbench in the running QApplication with the given command line (the first
// argument is the program) and returns the exit code.
int runWorkbench(const QStringList &arguments);
