#pragma once

#include <QStringList>

#include <optional>

struct WorkbenchOptions;

// The command line before QApplication sees it. Qt reads "-plugin" (also written "--plugin")
// as its own option, so the workbench's --plugin and its value are taken out of argc/argv;
// the returned list keeps every argument for the workbench.
QStringList takeWorkbenchArguments(int &argc, char **argv);

// Reads the command line before any window system is asked for. Help, version and what is
// refused are printed here; then the exit code comes back, else nothing and the options.
std::optional<int> readCommandLine(const QStringList &arguments, WorkbenchOptions *options);

// The headless modes need no screen: without a platform chosen they run offscreen. The window
// needs one; without a display that says so instead of Qt's abort. False: it cannot start.
bool choosePlatform(const WorkbenchOptions &options);

// Runs the workbench in the running QApplication and returns the exit code.
int runWorkbench(const WorkbenchOptions &options);
