#include "SetpointStagePage.h"

#include "WizardGlobal.h"

#include <QStackedWidget>

void SetpointStagePage::initialUpdate()
{
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void SetpointStagePage::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    setStackPage(findChild<QStackedWidget *>(QStringLiteral("stackedWidget")), 1);
}
