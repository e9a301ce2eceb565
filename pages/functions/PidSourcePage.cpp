#include "PidSourcePage.h"

#include "ActionWidget.h"
#include "ParameterControl.h"
#include "WizardGlobal.h"

#include <QStackedWidget>

namespace {

const char *const layoutNames[] = {"KM2_a", "KM2_b", "KN2KP2_a", "KN2KP2_b", "KQ2_a", "KQ2_b"};

// Jump areas of every layout, by the slot they lead to.
const struct
{
    const char *area;
    const char *slot;
} jumpAreas[] = {
    {"ActionWidgetAE1_", SLOT(JumpToSkalAE1())},
    {"ActionWidgetAE2_", SLOT(JumpToSkalAE2())},
    {"ActionWidgetAE3_", SLOT(JumpToSkalAE3())},
    {"ActionWidgetPidRegler_", SLOT(JumpToPidRegler())},
};

constexpr int deviceKM2 = 3;
constexpr int deviceKQ2 = 8;

} // namespace

PidSourcePage::PidSourcePage(const QString &addressCoordinate, const QString &optionalCoordinate, QWidget *parent)
    : BrevanePage(parent), m_address(addressCoordinate), m_optional(optionalCoordinate)
{
}

void PidSourcePage::setupSource(QStackedWidget *stack)
{
    m_stack = stack;
    for (const char *name : layoutNames) {
        const QString layout = QLatin1String(name);
        for (const auto &jump : jumpAreas) {
            if (auto *area = findChild<ActionWidget *>(QLatin1String(jump.area) + layout))
                connect(area, SIGNAL(clicked()), this, jump.slot);
        }
        m_pairs << IndirectPair(m_address, control(QStringLiteral("ParaLabel%1Indirekt_%2").arg(m_address, layout)),
            control(QStringLiteral("ParaTextEdit%1Indirekt_%2").arg(m_address, layout)));
    }
    WizardGlobal().AddHoverHighlights(this);
}

ParameterControl *PidSourcePage::control(const QString &name) const
{
    return dynamic_cast<ParameterControl *>(findChild<QWidget *>(name));
}

PidSourcePage::Layout PidSourcePage::layoutFor(int deviceType, const QString &terminalModule, bool hasOptional)
{
    Layout family = KN2KP2_a;
    if ((deviceType == deviceKM2 && terminalModule == QLatin1String("QX4A"))
        || (deviceType == deviceKQ2 && terminalModule == QLatin1String("QZ4A")))
        family = KM2_a;
    else if (deviceType == deviceKQ2)
        family = KQ2_a;
    return Layout(family + (hasOptional ? 1 : 0));
}

void PidSourcePage::initialUpdate()
{
    observe(m_address, QByteArray("1onPara" + m_address.toLatin1() + "Changed()").constData());
    onAddressChanged();
}

void PidSourcePage::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    onAddressChanged();
}

void PidSourcePage::onAddressChanged()
{
    for (const IndirectPair &pair : std::as_const(m_pairs))
        pair.hide();
    const Layout layout
        = layoutFor(deviceType(), readDisplayText(QStringLiteral("E57")), hasParameter(m_optional));
    setStackPage(m_stack, layout);
    m_pairs.value(layout).update(provider(), livingSpace(), 0);
}
