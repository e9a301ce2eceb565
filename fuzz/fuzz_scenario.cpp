// Scenarios as the workbench reads them before it plays one: checked against a started
// workbench with the built-in drive and tree and a plug-in of plain pages.
#include "FuzzSupport.h"

#include "PageArea.h"
#include "ScenarioRunner.h"
#include "Workbench.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Made at the first input and kept for the whole run, like the application.
ScenarioRunner *startRunner()
{
    auto *workbench = new Workbench(WorkbenchOptions{});
    QString error;
    if (!workbench->start(&error))
        qFatal("the workbench does not start: %s", qPrintable(error));
    workbench->createPages(new PageArea);
    return new ScenarioRunner(workbench, workbench->driveModel());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ScenarioRunner *const runner = startRunner();
    QString error;
    const bool loaded = runner->loadJson(bytes(data, size), QStringLiteral("scenario.json"), &error);
    if (!loaded) {
        FUZZ_ASSERT(!error.isEmpty() && runner->stepCount() == 0);
        return 0;
    }
    // Every step is kept, none is dropped or added on the way.
    const QJsonValue steps = QJsonDocument::fromJson(bytes(data, size)).object().value(QStringLiteral("steps"));
    FUZZ_ASSERT(runner->stepCount() == steps.toArray().size());
    return 0;
}
