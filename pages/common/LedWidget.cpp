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
    connect(this, &QStackedWidget::currentChanged, this, [this] {
        showPicture(m_off, m_offPicture, m_offLoaded);
        showPicture(m_on, m_onPicture, m_onLoaded);
    });
}

void LedWidget::setOnPicture(const QString &name)
{
    m_onPicture = name;
    showPicture(m_on, name, m_onLoaded);
}

void LedWidget::setOffPicture(const QString &name)
{
    m_offPicture = name;
    showPicture(m_off, name, m_offLoaded);
}

// Reading a picture is most of what an LED costs a page, and many LEDs never turn while a page
// is open: the picture not shown is read when the LED first turns to it.
void LedWidget::showPicture(SvgWidget *widget, const QString &name, QString &loaded)
{
    if ((widget == currentWidget() || !loaded.isEmpty()) && loaded != name) {
        BrevanePage::setDiagram(widget, name);
        loaded = name;
    }
}

void LedWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QStackedWidget::mouseReleaseEvent(event);
}
