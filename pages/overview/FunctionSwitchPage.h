#pragma once

#include "BrevanePage.h"

class QCheckBox;

// Pages whose check boxes switch additional functions on and off. A switch is one element of
// a switch parameter holding "1" (on) or "0" (off); the page visibility controller then shows
// or hides the function's pages.
class FunctionSwitchPage : public BrevanePage
{
    Q_OBJECT
public:
    using BrevanePage::BrevanePage;

protected:
    // Binds a check box to its switch; switches of one parameter are added in element order.
    void addSwitch(QCheckBox *box, const QString &coordinate, unsigned short element);
    // Writes the box's state into its switch; a missing parameter is not written. The box then
    // shows what the drive holds, also when the write was refused.
    void writeSwitch(QCheckBox *box);
    // Shows the switches of the parameter in their boxes (all elements, or only the given one);
    // a value other than 1, or a missing parameter, unchecks the box.
    void showSwitches(const QString &coordinate, int element = -1);
    QList<QWidget *> switchBoxes() const;

private:
    struct Switch
    {
        QCheckBox *box;
        QString coordinate;
        unsigned short element;
    };
    void showSwitch(const Switch &entry) const;

    QList<Switch> m_switches;
};
