#pragma once

#include "BrevanePage.h"

#include <memory>

class QRadioButton;

namespace Ui {
class AppSatDriveBased;
}

// The entry page of the application: a diagram whose blocks lead to the pages that configure
// them, and the choice of the operating mode (K08).
class AppSatDriveBased : public BrevanePage
{
    Q_OBJECT
public:
    explicit AppSatDriveBased(QWidget *parent = nullptr);
    ~AppSatDriveBased() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void JumpToFahrsaetze();
    void JumpToKommandobetrieb();
    void JumpToGeschwBetrieb();
    void JumpToTipbetrieb();
    void JumpToSteuertafelApplikation();
    void JumpToSteuertafelPlcopen();
    void JumpToSteuertafelTippen();
    void JumpToSteuertafelGeschwindigkeitsbetrieb();
    void JumpToQuellen();
    void JumpToSkalierung();
    void JumpToMotionKern();
    void JumpToZusatzfunktionen();
    void JumpToFeldbus();
    void RadioButtonBetriebsartToggled();
    void onK08Changed();

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void onCommandButtonClicked();

private:
    struct OperatingMode
    {
        int k08;
        QRadioButton *button;
    };
    QList<OperatingMode> operatingModes() const;

    std::unique_ptr<Ui::AppSatDriveBased> ui;
};
