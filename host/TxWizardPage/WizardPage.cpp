#include "WizardPage.h"

#include "ParameterControl.h"

WizardPage::WizardPage(QWidget *parent) : QWidget(parent) {}

WizardPage::~WizardPage() = default;

void WizardPage::initialUpdate() {}

void WizardPage::setElementFocus(const QString &elementName)
{
    if (QWidget *element = findChild<QWidget *>(elementName))
        element->setFocus();
}

void WizardPage::showParameterHelp(QString coordinate)
{
    if (m_host)
        m_host->showParameterHelp(coordinate);
}

void WizardPage::initializeParameterControls()
{
    if (!m_host)
        return;
    const auto widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (auto *control = dynamic_cast<ParameterControl *>(widget))
            control->initialize(m_host->parameterProvider(), m_host->livingSpace());
    }
}
