#include "FixedValueTablePage.h"

#include "WizardGlobal.h"

void FixedValueTablePage::connectSelectionLink(const char *slot)
{
    if (QWidget *area = findChild<QWidget *>(QStringLiteral("ActionWidgetFestwertAuswahl")))
        connect(area, SIGNAL(clicked()), this, slot, Qt::UniqueConnection);
    WizardGlobal().AddHoverHighlights(this);
}

void FixedValueTablePage::initialUpdate()
{
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}
