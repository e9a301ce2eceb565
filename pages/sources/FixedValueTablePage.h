#pragma once

#include "BrevanePage.h"

// A page with the sixteen fixed values of one quantity and a link back to the page that
// shows how one of them is chosen.
class FixedValueTablePage : public BrevanePage
{
    Q_OBJECT
public:
    void initialUpdate() override;

protected:
    using BrevanePage::BrevanePage;

    // Connects the selection area to the page slot (given with SLOT()); call after the form
    // is built.
    void connectSelectionLink(const char *slot);
};
