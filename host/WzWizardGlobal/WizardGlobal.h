#pragma once

#include "DeviceTypes.h"

class WizardPage;
class WizardPageHost;

// Stateless helpers of the host; pages construct one on the stack for each call.
class WizardGlobal
{
public:
    // stand-in extra {
    // Pixel size of the font of labels that lie on a diagram.
    static constexpr int DiagramLabelPixelSize = 11;
    // } stand-in extra

    eDeviceType getDeviceType(WizardPageHost *host) const;
    eFieldbusType getFieldbusType(WizardPageHost *host) const;
    // Lights up the page's clickable diagram areas under the mouse.
    void AddHoverHighlights(WizardPage *page) const;
    // Gives every label that lies on a diagram the diagram font size.
    void SetAllLabelsOnSvgWidgetPixelSize(WizardPage *page) const;
};
