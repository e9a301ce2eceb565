#pragma once

#include "BrevanePage.h"

#include <initializer_list>

// A page that shows how the active fixed value of a quantity is chosen. Where a mode
// parameter exists, it switches between the diagram for selection by parameter (mode 1)
// and the one for selection by binary signals; the links sit on both diagrams.
class FixedValueSelectionPage : public BrevanePage
{
    Q_OBJECT
public:
    void initialUpdate() override;

protected:
    // modeCoordinate and modeSlot are null on pages without a switch.
    FixedValueSelectionPage(QWidget *parent, const char *modeCoordinate, const char *modeSlot);

    // A link area, named stem plus "_a" on the first diagram and "_b" on the second, and
    // the page slot (given with SLOT()) it runs. Call after the form is built.
    struct Link
    {
        const char *stem;
        const char *slot;
    };
    void connectLinks(std::initializer_list<Link> links);

    // Selects the diagram for the current mode.
    void showModeDiagram();

private:
    const char *m_modeCoordinate;
    const char *m_modeSlot;
};
