#pragma once

#include "FunctionSwitchPage.h"

#include <memory>

namespace Ui {
class DbmZusatzfunktionen;
}

// Switches the additional functions on and off and leads to their pages (fixed rows).
class DbmZusatzfunktionen : public FunctionSwitchPage
{
    Q_OBJECT
public:
    explicit DbmZusatzfunktionen(QWidget *parent = nullptr);
    ~DbmZusatzfunktionen() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void CheckboxKomparatorenClicked();
    void CheckboxNockenClicked();
    void CheckboxPositionsmessungClicked();
    void CheckboxPidReglerClicked();
    void CheckboxMotorpotiClicked();
    void CheckboxVMClicked();
    void CheckboxMasterPositionsmessungClicked();
    void CheckboxErweiterteNockenClicked();
    void JumpToKomparatorenReal32();
    void JumpToKomparatorenInt32();
    void JumpToNocken();
    void JumpToPositionsmessung();
    void JumpToPidRegler();
    void JumpToMotorpoti();
    void JumpToVM();
    void JumpToMasterPosMessung();
    void JumpToErweiterteNocken();
    void onG806Changed();
    void onG807Changed();
    void onG891Changed();
    void onG893Changed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DbmZusatzfunktionen> ui;
};
