#pragma once

#include "ParameterControl.h"

#include <QLineEdit>

// Edits one parameter element as text; writes when editing finishes.
class ParameterTextEdit : public QLineEdit, public ParameterControl
{
    Q_OBJECT
    // stand-in extra {
    Q_PROPERTY(QString coordinate READ coordinate WRITE setCoordinate)
    Q_PROPERTY(unsigned int index READ index WRITE setIndex)
    // } stand-in extra
public:
    explicit ParameterTextEdit(QWidget *parent = nullptr);

protected:
    // stand-in extra {
    void showValue() override;
    void applyEditable(bool editable) override;
    // } stand-in extra
    void keyPressEvent(QKeyEvent *event) override;
    // A selection parameter shows its text in the host's language: a switch shows it again.
    void changeEvent(QEvent *event) override;

private:
    void commit();
    QString m_shown;
};
