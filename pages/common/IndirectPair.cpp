#include "IndirectPair.h"

#include "BrevanePage.h"
#include "ParameterControl.h"
#include "ParameterProvider.h"

#include <QWidget>

namespace {

// Marks the pair's controls, so that a page re-binding its controls to another element
// leaves them to the pair: they show the element the address names, not the page's.
const char *const pairProperty = "indirectPairControl";

// Whether the provider knows the parameter and the element lies inside its array.
bool exists(ParameterProvider *provider, const QString &coordinate, unsigned short element)
{
    const auto information = provider->information(ParameterCoordinate(BrevanePage::ownedText(coordinate))).toStrongRef();
    return information && BrevanePage::holdsElement(information->elementCount(), element);
}

} // namespace

std::optional<ParameterTarget> decodeParameterAddress(const QString &text)
{
    const ParameterAddress address(text, true);
    if (!address.isValid())
        return std::nullopt;
    // An address that carries an axis starts with its digit; the drive's own axis
    // numbering starts at 0 while living spaces of axes start at 1.
    const bool hasAxis = text.size() > 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
    ParameterTarget target;
    target.coordinate = address.coordinate().toText();
    target.element = address.element();
    target.livingSpace = eLivingSpace(hasAxis ? int(address.axis()) + 1 : 0);
    return target;
}

IndirectPair::IndirectPair(
    const QString &addressCoordinate, ParameterControl *label, ParameterControl *editor)
    : m_address(addressCoordinate)
{
    for (ParameterControl *control : {label, editor}) {
        if (!control)
            continue;
        m_controls << control;
        if (auto *widget = dynamic_cast<QWidget *>(control))
            widget->setProperty(pairProperty, true);
    }
}

bool IndirectPair::isPairControl(const QWidget *widget)
{
    return widget && widget->property(pairProperty).toBool();
}

std::optional<ParameterTarget> IndirectPair::target(
    ParameterProvider *provider, eLivingSpace livingSpace, unsigned short element) const
{
    if (!provider || !exists(provider, m_address, element))
        return std::nullopt;
    const auto information = provider->information(ParameterCoordinate(BrevanePage::ownedText(m_address))).toStrongRef();
    return decodeParameterAddress(information->displayText(livingSpace, element, false));
}

void IndirectPair::show(ParameterProvider *provider, const ParameterTarget &target) const
{
    for (ParameterControl *control : m_controls) {
        control->setHiddenForced(false);
        BrevanePage::bindControl(control, provider, target.livingSpace, target.element, target.coordinate);
    }
}

void IndirectPair::hide() const
{
    for (ParameterControl *control : m_controls)
        control->setHiddenForced(true);
}

bool IndirectPair::update(ParameterProvider *provider, eLivingSpace livingSpace, unsigned short element) const
{
    const auto decoded = target(provider, livingSpace, element);
    // An address the drive cannot serve (an unknown parameter, an element beyond its array)
    // shows nothing rather than an empty pair or a read beyond the end.
    if (!decoded || !exists(provider, decoded->coordinate, decoded->element)) {
        hide();
        return false;
    }
    show(provider, *decoded);
    return true;
}
