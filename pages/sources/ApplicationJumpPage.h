#pragma once

#include "BrevanePage.h"

// Source pages whose application link leads to whichever application overview the host's
// tree has.
class ApplicationJumpPage : public BrevanePage
{
    Q_OBJECT
protected:
    using BrevanePage::BrevanePage;

    // Jumps to the first candidate the tree contains; with none, reports the missing page.
    void jumpToApplication(const QStringList &candidates);
};
