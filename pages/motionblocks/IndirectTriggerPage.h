#pragma once

#include "IndexedPage.h"
#include "IndirectPair.h"

#include <QList>

class LedWidget;
class QCheckBox;

// The five triggers of the follow-up blocks taken indirectly: per trigger a check box
// ("J437" element k), the parameter that holds the address of the trigger's source, the
// source itself shown as an indirect pair, and a lamp with the trigger's state.
class IndirectTriggerPage : public IndexedPage
{
    Q_OBJECT
public:
    static constexpr int TriggerCount = 5;

    explicit IndirectTriggerPage(QWidget *parent = nullptr);

public slots:
    void CheckboxJ437_0_Clicked() { onCheckBoxClicked(0); }
    void CheckboxJ437_1_Clicked() { onCheckBoxClicked(1); }
    void CheckboxJ437_2_Clicked() { onCheckBoxClicked(2); }
    void CheckboxJ437_3_Clicked() { onCheckBoxClicked(3); }
    void CheckboxJ437_4_Clicked() { onCheckBoxClicked(4); }
    void onJ437Changed() { adjustCheckBoxes(); }
    void onJ445Changed() { showLamp(0); }
    void onJ446Changed() { showLamp(1); }
    void onJ447Changed() { showLamp(2); }
    void onJ448Changed() { showLamp(3); }
    void onJ449Changed() { showLamp(4); }
    void adjustCheckBoxes();
    void jumpToTriggerFolgefahrsatz();

protected:
    struct Trigger
    {
        QCheckBox *checkBox = nullptr;
        // The address parameter's label and editor.
        QList<QWidget *> address;
        IndirectPair source;
        LedWidget *lamp = nullptr;
        QString lampCoordinate;
    };

    // Resolves the widgets of trigger k from the form by their names; call once per trigger
    // from the constructor after the form is built.
    void setupTrigger(int trigger, const QString &addressName, const QString &addressCoordinate,
                      const QString &lampCoordinate);
    const Trigger &trigger(int index) const { return m_triggers.at(index); }

    // The element of the address parameter that holds trigger k's address; -1 for none.
    virtual int addressElement(int trigger) const = 0;
    // Shows trigger k's source from its address, or hides it when there is no address.
    void showSource(int trigger);
    void showSources();
    void showLamp(int trigger);
    void showLamps();
    // Connects the signals every indirect-trigger page watches.
    void observeTriggers();
    QList<QWidget *> checkBoxes() const;
    // Whether element 0 of a flag or state parameter reads other than "0"; false when missing.
    bool isFlagSet(const QString &coordinate) const;

private:
    void onCheckBoxClicked(int trigger);
    void setAddressEnabled(int trigger, bool enabled);

    QList<Trigger> m_triggers;
};
