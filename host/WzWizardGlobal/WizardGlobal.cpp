#include "WizardGlobal.h"

#include "ActionWidget.h"
#include "ClickableLabel.h"
#include "SvgWidget.h"
#include "WizardPage.h"

#include <QLabel>

eDeviceType WizardGlobal::getDeviceType(WizardPageHost *host) const
{
    return host ? host->deviceType() : eDeviceTypeUnknown;
}

eFieldbusType WizardGlobal::getFieldbusType(WizardPageHost *host) const
{
    return host ? host->fieldbusType() : eFieldbusNone;
}

void WizardGlobal::AddHoverHighlights(WizardPage *page) const
{
    if (!page)
        return;
    const auto areas = page->findChildren<ActionWidget *>();
    for (ActionWidget *area : areas)
        area->setHoverHighlight(true);
    const auto labels = page->findChildren<ClickableLabel *>();
    for (ClickableLabel *label : labels)
        label->setCursor(Qt::PointingHandCursor);
}

void WizardGlobal::SetAllLabelsOnSvgWidgetPixelSize(WizardPage *page) const
{
    if (!page)
        return;
    const auto diagrams = page->findChildren<SvgWidget *>();
    const auto labels = page->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        QWidget *parent = label->parentWidget();
        if (!parent)
            continue;
        bool onDiagram = false;
        for (SvgWidget *diagram : diagrams) {
            if (diagram == parent || diagram->isAncestorOf(label)) {
                onDiagram = true;
                break;
            }
            // A label laid over a diagram shares its parent and lies within its geometry.
            if (diagram->parentWidget() == parent && diagram->geometry().contains(label->geometry())) {
                onDiagram = true;
                break;
            }
        }
        if (onDiagram) {
            QFont font = label->font();
            font.setPixelSize(DiagramLabelPixelSize);
            label->setFont(font);
        }
    }
}
