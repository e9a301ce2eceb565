#pragma once

#include "ParameterDefinition.h"
// stand-in extra {
#include "Text.h"
// } stand-in extra

#include <QHash>
#include <QObject>
#include <QString>
#include <QWeakPointer>

// Observing side of one parameter. Virtual operations keep the host's slot order.
class ParameterInformation : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~ParameterInformation() override;

    virtual bool isGlobal() const = 0;
    virtual bool isNewDefinition() const = 0;
    virtual unsigned short elementCount() const = 0;
    virtual bool hasProperty(unsigned short element, int propertyId) const = 0;
    virtual bool isInLivingSpace(eLivingSpace livingSpace) const = 0;
    virtual QString displayText(eLivingSpace livingSpace, unsigned short element, bool flag) const = 0;
    virtual QString rawValueText(eLivingSpace livingSpace, unsigned short element, bool flag) const = 0;
    virtual QString valueText(eLivingSpace livingSpace, unsigned short element, bool flag) const = 0;
    virtual bool isHidden(eLivingSpace livingSpace, unsigned short element) const = 0;
    virtual bool isVisible(eLivingSpace livingSpace, unsigned short element) const = 0;
    virtual unsigned short dataType(unsigned short element) const = 0;
    virtual QHash<qint64, QString> selectionTexts(eLivingSpace livingSpace, unsigned short element) const = 0;
    virtual void setCyclicUpdate(eLivingSpace livingSpace, unsigned short element, bool on) = 0;

    // stand-in extra {
    // The parameter's name in the three languages.
    virtual Text name() const = 0;
    virtual ParameterCoordinate coordinate() const = 0;
    // } stand-in extra

signals:
    void valueChanged(ParameterAddress address);
    void visibilityChanged(ParameterAddress address);
};

// Reading and writing side of one parameter. Virtual operations keep the host's slot order.
class ParameterObject
{
public:
    virtual ~ParameterObject();

    virtual unsigned short elementCount() const = 0;
    virtual ParameterProperty property(unsigned short element, int propertyId) const = 0;
    virtual QString rawValueText(eLivingSpace livingSpace, unsigned short element, bool flag) const = 0;
    virtual QString valueText(eLivingSpace livingSpace, unsigned short element, bool flag) const = 0;
    virtual QString defaultValueText(eLivingSpace livingSpace, unsigned short element, bool flag) const = 0;
    virtual bool isHidden(eLivingSpace livingSpace, unsigned short element) const = 0;
    virtual void setElementCount(unsigned short count) = 0;
    virtual void setValue(eLivingSpace livingSpace, unsigned short element, const QString &text) = 0;
    virtual void setValueText(eLivingSpace livingSpace, unsigned short element, const QString &text) = 0;
    virtual void setElementValue(eLivingSpace livingSpace, unsigned short element, const QString &text) = 0;
};

// The host's access to the drive's parameters.
class ParameterProvider : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~ParameterProvider() override;

    virtual QWeakPointer<ParameterInformation> information(const ParameterCoordinate &coordinate) const = 0;
    virtual QWeakPointer<ParameterObject> parameter(const ParameterCoordinate &coordinate) const = 0;

    // stand-in extra {
    // Connection and edit state, as the signals below report them. A page asks the host.
    virtual bool isOnline() const = 0;
    virtual bool isReadOnly() const = 0;
    // } stand-in extra

signals:
    void onlineChanged(bool online);
    void readOnlyChanged(bool readOnly);
};
