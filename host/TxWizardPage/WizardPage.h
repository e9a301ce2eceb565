#pragma once

#include "Text.h"
#include "WizardPageHost.h"

#include <QPointer>
#include <QWidget>

// Base of every wizard page.
class WizardPage : public QWidget
{
    Q_OBJECT
public:
    explicit WizardPage(QWidget *parent = nullptr);
    ~WizardPage() override;

    virtual QString identifier() const = 0;
    virtual Text name() const = 0;
    virtual void initialUpdate();
    virtual void setElementFocus(const QString &elementName);

    WizardPageHost *pageHost() const { return m_host; }
    void showParameterHelp(QString coordinate);

    // stand-in extra {
    // Host side: the host sets itself before it initializes the page.
    void setPageHost(WizardPageHost *host) { m_host = host; }
    // Host side: initializes every parameter control of the page with the host's provider
    // and living space, as the host does before initialUpdate().
    void initializeParameterControls();
    // } stand-in extra

private:
    QPointer<WizardPageHost> m_host;
};
