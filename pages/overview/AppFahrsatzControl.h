#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class AppFahrsatzControl;
}

// A fixed list of motion-block application parameters; the controls do all the work.
class AppFahrsatzControl : public BrevanePage
{
    Q_OBJECT
public:
    explicit AppFahrsatzControl(QWidget *parent = nullptr);
    ~AppFahrsatzControl() override;

    QString identifier() const override;

private:
    std::unique_ptr<Ui::AppFahrsatzControl> ui;
};
