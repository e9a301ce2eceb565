#pragma once

#include "DeviceTypes.h"
#include "ParameterDefinition.h"

#include <QObject>
#include <QString>

class ParameterProvider;

// The host object that owns the page tree. The operations the pages use keep the host's
// slot order.
class WizardPageHost : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~WizardPageHost() override;

    virtual bool isReadOnly() const = 0;
    virtual bool isOnline() const = 0;
    virtual eLivingSpace livingSpace() const = 0;
    virtual ParameterProvider *parameterProvider() const = 0;
    virtual bool containsPage(const QString &identifier) const = 0;
    virtual void jumpToPage(const QString &identifier, const QString &elementName) = 0;
    virtual bool isPageVisible(const QString &identifier) const = 0;
    virtual void showPage(const QString &identifier) = 0;
    virtual void hidePage(const QString &identifier) = 0;
    virtual void requestParameterInput(const QString &prompt) = 0;
    virtual int startControlPanel(const QString &coordinate) = 0;
    virtual void stopControlPanel() = 0;
    virtual void setControlPanelFlag(bool on) = 0;
    virtual void setControlPanelBit(int bit, bool on) = 0;

    // stand-in extra {
    // What the stand-in adds, so that WizardGlobal and the parameter help have somewhere to ask.
    // Model and fieldbus of the drive the host is configuring (asked by WizardGlobal).
    virtual eDeviceType deviceType() const = 0;
    virtual eFieldbusType fieldbusType() const = 0;
    // Shows the host's help for a parameter; the stand-in's hosts may ignore it.
    virtual void showParameterHelp(const QString &coordinate);
    // } stand-in extra
};
