// Drive descriptions as the workbench opens them. A description that loads is saved and
// loaded again: what the workbench writes it must read back, with the same values.
#include "FuzzSupport.h"

#include "SimulatedDrive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SimulatedDrive drive;
    QString error;
    if (!drive.load(bytes(data, size), QStringLiteral("drive.json"), &error)) {
        FUZZ_ASSERT(!error.isEmpty() && drive.store()->coordinates().isEmpty());
        return 0;
    }
    drive.motionBlockCount();
    const QByteArray saved = drive.description();
    SimulatedDrive again;
    if (!again.load(saved, QStringLiteral("saved.json"), &error))
        qFatal("a saved drive does not load again: %s\n%s", qPrintable(error), saved.constData());
    FUZZ_ASSERT(again.description() == saved);
    return 0;
}
