#include "LedWidget.h"

#include "BrevanePage.h"
#include "SvgWidget.h"

#include <QMouseEvent>

LedWidget::LedWidget(QWidget *parent)
    : QStackedWidget(parent), m_off(new SvgWidget(this)), m_on(new SvgWidget(this))
{
    addWidget(m_off);
    addWidget(m_on);
    setOffPicture(QStringLiteral("ledgreyCross.svg"));
    setOnPicture(QStringLiteral("LED_GREEN_ON.svg"));
    setCurrentIndex(0);
}

void LedWidget::setOnPicture(const QString &name)
{
    m_onPicture = name;
    BrevanePage::setDiagram(m_on, name);
}

void LedWidget::setOffPicture(const QString &name)
{
    m_offPicture = name;
    BrevanePage::setDiagram(m_off, name);
}

void LedWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QStackedWidget::mouseReleaseEvent(event);
}
