#pragma once

#include "IndexedPage.h"

#include <QList>

class ParameterControl;
class QCheckBox;

// An indexed page whose element (a comparator, a counter) is switched on by a flag
// parameter with a check box beside the number. Every showing starts at element 0.
class SwitchableElementPage : public IndexedPage
{
    Q_OBJECT
public:
    explicit SwitchableElementPage(QWidget *parent = nullptr);

protected:
    // Wires the number field, its buttons and the check box; call once after the form is built.
    void setupSwitch(QLineEdit *numberEdit, QAbstractButton *decButton, QAbstractButton *incButton,
        QCheckBox *switchBox, const QString &switchCoordinate, const QString &referenceCoordinate);
    QString switchCoordinate() const { return m_switch; }
    QCheckBox *switchBox() const { return m_switchBox; }

    // The element shown, as the element of a parameter.
    unsigned short element() const;
    bool isSwitchedOn() const;
    // Writes the check box's state to the flag (not when the drive lacks it) and shows the page again.
    void writeSwitch();

    void showEvent(QShowEvent *event) override;

    // Shows or hides parameter controls through their forced-hidden state, so that a
    // parameter the drive hides stays hidden.
    static void setControlsHidden(const QList<ParameterControl *> &controls, bool hidden);
    // The label and editor of a row named after its coordinate in the form
    // ("ParaLbl_C78" with "ParaLineEdit_C78" or "ParaCombo_C78").
    QList<ParameterControl *> rowControls(const QString &name) const;
    // A slot given by name, for string-based connections to slots named after coordinates.
    static QByteArray slotSignature(const QString &name);

private:
    QCheckBox *m_switchBox = nullptr;
    QString m_switch;
};
