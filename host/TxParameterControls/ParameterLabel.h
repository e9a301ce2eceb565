#pragma once

#include "ParameterControl.h"

#include <QLabel>

// Shows a parameter's coordinate and name ("J40 Position"), optionally with index and axis.
class ParameterLabel : public QLabel, public ParameterControl
{
    Q_OBJECT
    // stand-in extra {
    Q_PROPERTY(QString coordinate READ coordinate WRITE setCoordinate)
    Q_PROPERTY(unsigned int index READ index WRITE setIndex)
    Q_PROPERTY(bool showCoordinate READ showCoordinate WRITE setShowCoordinate)
    Q_PROPERTY(bool showIndex READ showIndex WRITE setShowIndex)
    Q_PROPERTY(bool showLivingSpace READ showLivingSpace WRITE setShowLivingSpace)
    Q_PROPERTY(bool showName READ showName WRITE setShowName)
    // } stand-in extra
public:
    explicit ParameterLabel(QWidget *parent = nullptr);

    void setShowCoordinate(bool show);
    void setShowIndex(bool show);
    void setShowLivingSpace(bool show);
    void setShowName(bool show);

    // stand-in extra {
    bool showCoordinate() const { return m_showCoordinate; }
    bool showIndex() const { return m_showIndex; }
    bool showLivingSpace() const { return m_showLivingSpace; }
    bool showName() const { return m_showName; }
    // } stand-in extra

protected:
    // stand-in extra {
    void showValue() override;
    void applyEditable(bool editable) override;
    // } stand-in extra
    void changeEvent(QEvent *event) override;

private:
    bool m_showCoordinate = true;
    bool m_showIndex = false;
    bool m_showLivingSpace = false;
    bool m_showName = true;
};
