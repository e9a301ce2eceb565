#include "ExternalSourcePage.h"

#include "HostCodes.h"
#include "ParameterControl.h"
#include "WizardGlobal.h"

#include <QLabel>
#include <QStackedWidget>

namespace {

const char *const diagramNames[] = {"NoAI", "AI1AI2", "AI3", "AI1AI2AI3"};

// The diagram page for the device and its terminal module; -1 keeps the current page.
int diagramFor(int deviceType, const QString &module)
{
    switch (deviceType) {
    case HostCode::DeviceKQ2:
        return module.contains(QLatin1String("QZ4")) ? ExternalSourcePage::AI1AI2AI3 : ExternalSourcePage::AI3;
    case HostCode::DeviceKM2:
        if (module.contains(QLatin1String("QW4")) || module.contains(QLatin1String("QY4")))
            return ExternalSourcePage::AI1AI2;
        return module.contains(QLatin1String("QX4")) ? ExternalSourcePage::AI1AI2AI3 : ExternalSourcePage::NoAI;
    case 4:
    case 5:
    case 7:
        return ExternalSourcePage::NoAI;
    default:
        return -1;
    }
}

} // namespace

ExternalSourcePage::ExternalSourcePage(const QString &addressCoordinate, QWidget *parent)
    : BrevanePage(parent), m_address(addressCoordinate)
{ }

void ExternalSourcePage::setupFamily()
{
    m_diagrams = findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    for (const char *name : diagramNames) {
        const QString suffix = QStringLiteral("_indirect_") + QLatin1String(name);
        m_pairs << IndirectPair(m_address,
            dynamic_cast<ParameterControl *>(findChild<QWidget *>(QStringLiteral("ParaLabel_") + m_address + suffix)),
            dynamic_cast<ParameterControl *>(findChild<QWidget *>(QStringLiteral("ParaTextEdit_") + m_address + suffix)));
    }
    Q_ASSERT(m_diagrams && m_diagrams->count() == 4);
    m_formDiagram = m_diagrams->currentIndex();
    hideLabelsAndTextEditsIndirect();
    WizardGlobal().AddHoverHighlights(this);
}

void ExternalSourcePage::initialUpdate()
{
    connectLinkLabelsToHandler();
    connectParameterControls();
    setIndexStackedWidget();
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

// The host shows the page again after a device change.
void ExternalSourcePage::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    setIndexStackedWidget();
    actualizeLabelAndTextEditIndirectRead();
}

void ExternalSourcePage::connectParameterControls()
{
    observe(m_address, SLOT(actualizeLabelAndTextEditIndirectRead()));
}

void ExternalSourcePage::actualizeLabelAndTextEditIndirectRead()
{
    if (m_pairs.isEmpty())
        return;
    const auto target = m_pairs.first().target(provider(), livingSpace(), 0);
    // An element beyond the named parameter's array is no parameter either.
    if (!target || !hasElement(target->coordinate, target->element)) {
        hideLabelsAndTextEditsIndirect();
        return;
    }
    // The pair lives where the address points, decoded as the drive's other address users
    // decode it: no axis is the current living space, an axis prefix counts from 0 while
    // living spaces of axes count from 1, so "0:G271" is G271 of living space 1. Binding to
    // the page's own living space instead would show another axis's value for a prefixed address.
    for (const IndirectPair &pair : std::as_const(m_pairs))
        pair.show(provider(), *target);
}

void ExternalSourcePage::hideLabelsAndTextEditsIndirect()
{
    for (const IndirectPair &pair : std::as_const(m_pairs))
        pair.hide();
}

void ExternalSourcePage::setIndexStackedWidget()
{
    const int index = diagramFor(deviceType(), readText(QStringLiteral("E57")));
    if (index < 0) {
        // As a page created for this device: a diagram left from the previous one may draw inputs it lacks.
        setStackPage(m_diagrams, m_formDiagram);
        return;
    }
    setStackPage(m_diagrams, index);
    diagramChosen(index);
}

void ExternalSourcePage::diagramChosen(int) { }

QString ExternalSourcePage::getIdOfWizardPageApplication() const
{
    switch (readDisplayText(QStringLiteral("E76"), 1).trimmed().toLongLong()) {
    case 7300003:
        return QStringLiteral("AppSatDriveBased");
    case 7300006:
        return QStringLiteral("AppSynchron");
    case 7300011:
        return QStringLiteral("AppWinder");
    default:
        return QString();
    }
}

void ExternalSourcePage::jumpToApplication()
{
    jumpTo(getIdOfWizardPageApplication());
}

// The application link names no page: the page depends on the application on the drive.
void ExternalSourcePage::connectLinkLabelsToHandler()
{
    const QString application = QStringLiteral("Application");
    BrevanePage::connectLinkLabelsToHandler(application);
    const auto labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const QString text = label->text();
        if (text.contains(QLatin1String("href")) && text.contains(application)) {
            label->setOpenExternalLinks(false);
            connect(label, &QLabel::linkActivated, this, &ExternalSourcePage::jumpToApplication, Qt::UniqueConnection);
        }
    }
}
