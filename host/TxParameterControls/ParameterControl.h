#pragma once

#include "ParameterProvider.h"

#include <QMetaObject>
#include <QPointer>
#include <QSharedPointer>
#include <QString>

class QWidget;

// Base of the widgets that show and edit one element of one parameter by themselves.
// A control needs a coordinate, an index (0 unless set) and initialize() with the provider
// and living space; from then on it follows value changes and writes what the user enters.
// The dynamic properties "forceHidden", "forceReadonly" and "forceVisible" that a form sets
// are taken over by initialize().
class ParameterControl
{
public:
    virtual ~ParameterControl();
    ParameterControl(const ParameterControl &) = delete;
    ParameterControl &operator=(const ParameterControl &) = delete;

    void initialize(ParameterProvider *provider, eLivingSpace livingSpace);
    void setCoordinate(const QString &coordinate);
    unsigned int index() const { return m_index; }
    void setIndex(unsigned int index);

    void setHiddenForced(bool forced);
    void setReadonlyForced(bool forced);
    bool isReadonlyForced() const { return m_readonlyForced; }
    void setVisibleForced(bool forced);

    // Asks the host to show the help of a parameter (the control's own when empty).
    void showParameterHelp(QString coordinate);

    // stand-in extra {
    bool isInitialized() const { return !m_provider.isNull(); }
    QString coordinate() const { return m_coordinate; }
    bool isHiddenForced() const { return m_hiddenForced; }
    bool isVisibleForced() const { return m_visibleForced; }
    ParameterProvider *provider() const { return m_provider; }
    eLivingSpace livingSpace() const { return m_livingSpace; }
    // The parameter as the provider knows it now; null when it does not.
    QSharedPointer<ParameterInformation> information() const;
    QSharedPointer<ParameterObject> object() const;
    // Whether the control may write: the parameter exists and nothing forces or makes it read-only.
    bool isEditable() const;
    // Whether the parameter exists and has the control's element (an array may have shrunk).
    bool hasElement() const;
    // } stand-in extra

protected:
    explicit ParameterControl(QWidget *widget);

    // stand-in extra {
    // Shows the stored value and the parameter's state again.
    void refresh();
    // Writes what the user entered; a refused write shows the stored value again.
    void writeValue(const QString &text);
    eLivingSpace effectiveLivingSpace() const { return m_livingSpace; }
    unsigned short element() const;

    virtual void showValue() = 0;
    virtual void applyEditable(bool editable) = 0;
    // } stand-in extra

private:
    void bind();
    void applyVisibility();

    QWidget *m_widget;
    QPointer<ParameterProvider> m_provider;
    eLivingSpace m_livingSpace{};
    QString m_coordinate;
    unsigned int m_index = 0;
    bool m_hiddenForced = false;
    bool m_readonlyForced = false;
    bool m_visibleForced = false;
    bool m_hiddenByControl = false;
    unsigned short m_shownCount = 0;
    QMetaObject::Connection m_valueConnection;
    QMetaObject::Connection m_visibilityConnection;
    QMetaObject::Connection m_readOnlyConnection;
};
