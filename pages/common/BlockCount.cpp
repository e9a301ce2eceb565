#include "BlockCount.h"

#include "ParameterProvider.h"
#include "WizardPageHost.h"

#include <QCoreApplication>

namespace {

// Resized by a count change, in this order. J19, J22 and J31 are per-block arrays too (the
// editor copies J31, the block page shows J22, the reset sets J19): left out, a grown count
// would leave them shorter than the blocks.
const char *const resizedCoordinates[] = {
    "J10",  "J11",  "J13",  "J14",  "J15",  "J16",  "J17",  "J18",  "J19",  "J20",  "J21",  "J22",  "J24",
    "J25",  "J26",  "J27",  "J28",  "J30",  "J31",  "J33",  "J55",  "J57",  "J58",  "J59",  "J60",  "J62",  "J63",  "J64",  "J65",
    "J67",  "J68",  "J69",  "J70",  "J72",  "J73",  "J74",  "J75",  "J251", "J252", "J253", "J254", "J255",
    "J261", "J262", "J263", "J264", "J265", "J271", "J272", "J273", "J274", "J275", "J281", "J282", "J283",
    "J284", "J285", "J286", "J440", "J441", "J442", "J443", "J444", "J452"};

// The question was first asked on the block page; its catalogue entry serves every page.
const char *const context = "MotionBlocks";
const char *const title = QT_TRANSLATE_NOOP("MotionBlocks", "Anzahl Fahrsätze");
const char *const question = QT_TRANSLATE_NOOP("MotionBlocks", "Fahrsätze %1 bis %2 löschen?");

} // namespace

bool BlockCount::resize(WizardPageHost *host, int count)
{
    ParameterProvider *provider = host ? host->parameterProvider() : nullptr;
    if (!provider || host->isReadOnly() || !isValid(count))
        return false;
    for (const char *coordinate : resizedCoordinates) {
        if (const auto parameter = provider->parameter(ParameterCoordinate(QString::fromLatin1(coordinate))).toStrongRef())
            parameter->setElementCount(static_cast<unsigned short>(count));
    }
    return true;
}

QString BlockCount::shrinkTitle()
{
    return QCoreApplication::translate(context, title);
}

QString BlockCount::shrinkQuestion(int current, int wanted)
{
    return QCoreApplication::translate(context, question).arg(wanted).arg(current - 1);
}

BlockCount::Outcome BlockCount::change(WizardPageHost *host, int current, int wanted, const Ask &ask)
{
    if (!host || host->isReadOnly() || !isValid(wanted) || wanted == current)
        return Outcome::Unchanged;
    if (wanted < current) {
        const auto answer = ask(shrinkTitle(), shrinkQuestion(current, wanted));
        if (!answer)
            return Outcome::PageGone;
        // The project may have turned read-only while the question waited.
        if (*answer != QMessageBox::Yes || host->isReadOnly())
            return Outcome::Unchanged;
    }
    return resize(host, wanted) ? Outcome::Changed : Outcome::Unchanged;
}
