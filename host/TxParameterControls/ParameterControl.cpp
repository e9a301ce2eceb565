#include "ParameterControl.h"

#include <QVariant>
#include <QWidget>

ParameterControl::ParameterControl(QWidget *widget) : m_widget(widget) {}

ParameterControl::~ParameterControl()
{
    QObject::disconnect(m_valueConnection);
    QObject::disconnect(m_visibilityConnection);
    QObject::disconnect(m_readOnlyConnection);
}

void ParameterControl::initialize(ParameterProvider *provider, eLivingSpace livingSpace)
{
    m_provider = provider;
    m_livingSpace = livingSpace;
    const QVariant hidden = m_widget->property("forceHidden");
    if (hidden.isValid())
        m_hiddenForced = hidden.toBool();
    const QVariant readonly = m_widget->property("forceReadonly");
    if (readonly.isValid())
        m_readonlyForced = readonly.toBool();
    const QVariant visible = m_widget->property("forceVisible");
    if (visible.isValid())
        m_visibleForced = visible.toBool();
    bind();
}

void ParameterControl::setCoordinate(const QString &coordinate)
{
    if (m_coordinate == coordinate)
        return;
    m_coordinate = coordinate;
    if (isInitialized())
        bind();
}

void ParameterControl::setIndex(unsigned int index)
{
    if (m_index == index)
        return;
    m_index = index;
    if (isInitialized())
        refresh();
}

void ParameterControl::setHiddenForced(bool forced)
{
    m_hiddenForced = forced;
    m_widget->setProperty("forceHidden", forced);
    applyVisibility();
}

void ParameterControl::setReadonlyForced(bool forced)
{
    m_readonlyForced = forced;
    m_widget->setProperty("forceReadonly", forced);
    applyEditable(isEditable());
}

void ParameterControl::setVisibleForced(bool forced)
{
    m_visibleForced = forced;
    m_widget->setProperty("forceVisible", forced);
    applyVisibility();
}

void ParameterControl::showParameterHelp(QString coordinate)
{
    if (coordinate.isEmpty())
        coordinate = m_coordinate;
    const auto info = information();
    QString help = coordinate;
    if (info && coordinate == m_coordinate)
        help += QLatin1Char(' ') + info->name().text();
    m_widget->setToolTip(help);
}

QSharedPointer<ParameterInformation> ParameterControl::information() const
{
    if (!m_provider || m_coordinate.isEmpty())
        return {};
    return m_provider->information(ParameterCoordinate(m_coordinate)).toStrongRef();
}

QSharedPointer<ParameterObject> ParameterControl::object() const
{
    if (!m_provider || m_coordinate.isEmpty())
        return {};
    return m_provider->parameter(ParameterCoordinate(m_coordinate)).toStrongRef();
}

bool ParameterControl::isEditable() const
{
    const auto info = information();
    return info && !m_readonlyForced && !m_provider->isReadOnly() && hasElement()
        && info->isInLivingSpace(m_livingSpace);
}

// Element 0 of every parameter the provider has: a host may answer no elements for a plain
// parameter.
bool ParameterControl::hasElement() const
{
    const auto info = information();
    return info && (m_index == 0 || m_index < info->elementCount());
}

unsigned short ParameterControl::element() const
{
    return static_cast<unsigned short>(qMin<unsigned int>(m_index, 0xFFFF));
}

void ParameterControl::refresh()
{
    const auto info = information();
    m_shownCount = info ? info->elementCount() : 0;
    showValue();
    applyEditable(isEditable());
    applyVisibility();
}

void ParameterControl::writeValue(const QString &text)
{
    const auto parameter = object();
    if (parameter && isEditable())
        parameter->setValueText(m_livingSpace, element(), text);
    // Whatever the provider made of it (or refused) is what the control shows.
    refresh();
}

void ParameterControl::bind()
{
    QObject::disconnect(m_valueConnection);
    QObject::disconnect(m_visibilityConnection);
    QObject::disconnect(m_readOnlyConnection);
    if (const auto info = information()) {
        // Only the control's own element matters, or a new element count (the element may
        // have appeared or gone); a table write to every element must not refresh them all.
        m_valueConnection = QObject::connect(info.data(), &ParameterInformation::valueChanged, m_widget,
                                             [this](const ParameterAddress &address) {
                                                 const auto current = information();
                                                 if (address.element() == element() || !current
                                                     || current->elementCount() != m_shownCount)
                                                     refresh();
                                             });
        m_visibilityConnection = QObject::connect(info.data(), &ParameterInformation::visibilityChanged,
                                                  m_widget, [this](const ParameterAddress &) { refresh(); });
    }
    if (m_provider) {
        m_readOnlyConnection = QObject::connect(m_provider.data(), &ParameterProvider::readOnlyChanged,
                                                m_widget, [this](bool) { applyEditable(isEditable()); });
    }
    refresh();
}

// The control hides itself only for its own reasons and shows itself again only where it
// hid itself, so that a page may hide or show it freely in between.
void ParameterControl::applyVisibility()
{
    const auto info = information();
    const bool parameterHidden = hasElement() && !info->isVisible(m_livingSpace, element());
    const bool hide = !m_visibleForced && (m_hiddenForced || parameterHidden);
    const bool hiddenExplicitly = m_widget->testAttribute(Qt::WA_WState_ExplicitShowHide)
        && m_widget->testAttribute(Qt::WA_WState_Hidden);
    if (hide && !hiddenExplicitly) {
        m_widget->hide();
        m_hiddenByControl = true;
    } else if (!hide && (m_hiddenByControl || (m_visibleForced && hiddenExplicitly))) {
        m_widget->show();
        m_hiddenByControl = false;
    }
}
