#include "OperatingModeLinksPage.h"

#include "ParameterControl.h"

void OperatingModeLinksPage::initialUpdate()
{
    observe(QStringLiteral("K08"), SLOT(onK08Changed()));
    // Without this the motion-block entries would show in every mode until K08 first changes.
    onK08Changed();
}

bool OperatingModeLinksPage::isMotionBlockMode() const
{
    return readInt(QStringLiteral("K08")) == 1;
}

void OperatingModeLinksPage::showInMotionBlockMode(const QList<ParameterControl *> &controls, bool motionBlockMode)
{
    for (ParameterControl *control : controls)
        control->setHiddenForced(!motionBlockMode);
}
