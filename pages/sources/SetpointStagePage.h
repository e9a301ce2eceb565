#pragma once

#include "BrevanePage.h"

// A set value of the velocity mode. Its second diagram, with the enable signal, covers both
// ways of working and is the one shown.
class SetpointStagePage : public BrevanePage
{
    Q_OBJECT
public:
    void initialUpdate() override;

protected:
    using BrevanePage::BrevanePage;
    void showEvent(QShowEvent *event) override;
};
