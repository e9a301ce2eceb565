#pragma once

#include "ControlPanelPage.h"

#include <memory>

namespace Ui {
class SteuertafelGeschwDrehmKraft;
}

// Control panel of the velocity/torque/force mode: run the drive with Start and Stop while the
// page shows where each setpoint comes from.
class SteuertafelGeschwDrehmKraft : public ControlPanelPage
{
    Q_OBJECT
public:
    explicit SteuertafelGeschwDrehmKraft(QWidget *parent = nullptr);
    ~SteuertafelGeschwDrehmKraft() override;

    QString identifier() const override { return QString::fromLatin1("SteuertafelGeschwDrehmKraft"); }
    void initialUpdate() override;

public slots:
    void onD299Changed();

protected:
    bool freigabeAllowed() const override;
    void haltSwitched(bool checked) override;
    void refreshPanel() override;

private:
    std::unique_ptr<Ui::SteuertafelGeschwDrehmKraft> ui;
};
