#pragma once

#include "ParameterControl.h"

#include <QComboBox>

// Chooses the value of a selection parameter from its selection texts.
class ParameterChoiceComboBox : public QComboBox, public ParameterControl
{
    Q_OBJECT
    // stand-in extra {
    Q_PROPERTY(QString coordinate READ coordinate WRITE setCoordinate)
    Q_PROPERTY(unsigned int index READ index WRITE setIndex)
    // } stand-in extra
public:
    explicit ParameterChoiceComboBox(QWidget *parent = nullptr);

protected:
    // stand-in extra {
    void showValue() override;
    void applyEditable(bool editable) override;
    // } stand-in extra
    // The selection texts come in the host's language: a switch shows them again.
    void changeEvent(QEvent *event) override;

private:
    void choose(int row);
    bool m_disabledByControl = false;
};
