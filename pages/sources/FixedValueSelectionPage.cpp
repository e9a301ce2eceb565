#include "FixedValueSelectionPage.h"

#include "WizardGlobal.h"

#include <QStackedWidget>

namespace {

constexpr int byParameter = 1;

} // namespace

FixedValueSelectionPage::FixedValueSelectionPage(QWidget *parent, const char *modeCoordinate, const char *modeSlot)
    : BrevanePage(parent), m_modeCoordinate(modeCoordinate), m_modeSlot(modeSlot)
{
}

void FixedValueSelectionPage::connectLinks(std::initializer_list<Link> links)
{
    for (const Link &link : links) {
        for (const char *diagram : {"_a", "_b"}) {
            const QString name = QLatin1String(link.stem) + QLatin1String(diagram);
            if (QWidget *area = findChild<QWidget *>(name))
                connect(area, SIGNAL(clicked()), this, link.slot, Qt::UniqueConnection);
        }
    }
    WizardGlobal().AddHoverHighlights(this);
}

void FixedValueSelectionPage::initialUpdate()
{
    if (m_modeCoordinate) {
        observe(QLatin1String(m_modeCoordinate), m_modeSlot);
        showModeDiagram();
    }
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void FixedValueSelectionPage::showModeDiagram()
{
    if (!m_modeCoordinate)
        return;
    // A missing mode parameter reads as 0: selection by binary signals.
    const bool parameter = readInt(QLatin1String(m_modeCoordinate)) == byParameter;
    setStackPage(findChild<QStackedWidget *>(QStringLiteral("stackedWidget")), parameter ? 0 : 1);
}
