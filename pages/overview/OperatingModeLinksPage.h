#pragma once

#include "BrevanePage.h"

class ParameterControl;

// Signpost pages whose motion-block links and parameters only apply in the motion-block
// operating mode (K08 = 1): they follow every change of K08.
class OperatingModeLinksPage : public BrevanePage
{
    Q_OBJECT
public:
    using BrevanePage::BrevanePage;

    void initialUpdate() override;

public slots:
    virtual void onK08Changed() = 0;

protected:
    // A missing K08 reads as 0, which is no motion-block mode.
    bool isMotionBlockMode() const;
    // Forces the motion-block parameter controls hidden outside that mode; inside it they
    // follow the drive's own hiding.
    static void showInMotionBlockMode(const QList<ParameterControl *> &controls, bool motionBlockMode);
};
