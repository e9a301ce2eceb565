// Scenarios as the workbench reads them before it plays one: checked against a started
// workbench with the built-in drive and tree and a plug-in of plain pages.
#include "FuzzSupport.h"

#include "PageArea.h"
#include "ScenarioRunner.h"
#include "Workbench.h"

namespace {
ScenarioRunner *runner = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startApplication(argc, argv);
    // Kept for the whole run, like the application.
    auto *workbench = new Workbench(WorkbenchOptions{});
    QString error;
    if (!workbench->start(&error))
        qFatal("the workbench does not start: %s", qPrintable(error));
    workbench->createPages(new PageArea);
    runner = new ScenarioRunner(workbench, workbench->driveModel());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const bool loaded = runner->loadJson(bytes(data, size), QStringLiteral("scenario.json"), &error);
    FUZZ_ASSERT(loaded ? runner->stepCount() >= 0 : !error.isEmpty() && runner->stepCount() == 0);
    return 0;
}
