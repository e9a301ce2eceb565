// The one application of a fuzz run, for the targets that need widgets, headless. It lives
// until the process ends: taken down from exit(), after the fuzzer's main has gone, it crashes.
#include <QApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "qt.qpa.*=false", 0);
    new QApplication(*argc, *argv);
    return 0;
}
