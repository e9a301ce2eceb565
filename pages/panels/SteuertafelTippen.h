#pragma once

#include "ControlPanelPage.h"

#include <memory>

namespace Ui {
class SteuertafelTippen;
}

// Jog control panel: jog the axis continuously or in steps and set the reference position.
class SteuertafelTippen : public ControlPanelPage
{
    Q_OBJECT
public:
    explicit SteuertafelTippen(QWidget *parent = nullptr);
    ~SteuertafelTippen() override;

    QString identifier() const override { return QString::fromLatin1("SteuertafelTippen"); }
    void initialUpdate() override;

public slots:
    // The jog parameters' coordinates follow the device control profile (E75).
    void setupDeviceControlDependingParameters();

protected:
    void applyPanelState(PanelState state, bool motionAllowed) override;
    void finishPanelState() override;

private:
    std::unique_ptr<Ui::SteuertafelTippen> ui;
};
