#pragma once

#include "ControlPanelPage.h"

#include <memory>

namespace Ui {
class SteuertafelApplikation;
}

// Control panel of the motion block application: select a block, enable the drive, and
// start, stop, continue or reset the block from the host.
class SteuertafelApplikation : public ControlPanelPage
{
    Q_OBJECT
public:
    explicit SteuertafelApplikation(QWidget *parent = nullptr);
    ~SteuertafelApplikation() override;

    QString identifier() const override { return QString::fromLatin1("SteuertafelApplikation"); }
    void initialUpdate() override;

public slots:
    void FillComboFahrsaetze();
    void comboJ311Changed(int index);
    void onJ311Changed();
    void onJ302Changed();
    void onFahrsatzbetriebClicked();

protected:
    void applyPanelState(PanelState state, bool motionAllowed) override;
    void refreshPanel() override;
    void retranslatePage() override;

private:
    void showStatusWord();

    std::unique_ptr<Ui::SteuertafelApplikation> ui;
};
