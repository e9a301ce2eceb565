#include "ParameterLabel.h"

#include <QEvent>

ParameterLabel::ParameterLabel(QWidget *parent) : QLabel(parent), ParameterControl(this) {}

void ParameterLabel::setShowCoordinate(bool show)
{
    m_showCoordinate = show;
    showValue();
}

void ParameterLabel::setShowIndex(bool show)
{
    m_showIndex = show;
    showValue();
}

void ParameterLabel::setShowLivingSpace(bool show)
{
    m_showLivingSpace = show;
    showValue();
}

void ParameterLabel::setShowName(bool show)
{
    m_showName = show;
    showValue();
}

void ParameterLabel::showValue()
{
    if (coordinate().isEmpty())
        return;
    QString address;
    if (m_showLivingSpace)
        address += QString::number(int(livingSpace())) + QLatin1Char(':');
    if (m_showCoordinate)
        address += coordinate();
    if (m_showIndex)
        address += QLatin1Char('.') + QString::number(index());
    QStringList parts;
    if (!address.isEmpty())
        parts << address;
    const auto info = information();
    if (m_showName && info)
        parts << info->name().text();
    setText(parts.join(QLatin1Char(' ')));
}

void ParameterLabel::applyEditable(bool)
{
    // A label shows the parameter whether or not it may be edited.
}

void ParameterLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        showValue();
    QLabel::changeEvent(event);
}
