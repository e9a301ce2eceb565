#pragma once

#include "FixedValueSelectionPage.h"

#include <memory>

namespace Ui {
class SrcSelFixedJerk;
}

// How the active fixed jerk is chosen.
class SrcSelFixedJerk : public FixedValueSelectionPage
{
    Q_OBJECT
public:
    explicit SrcSelFixedJerk(QWidget *parent = nullptr);
    ~SrcSelFixedJerk() override;

    QString identifier() const override;

public slots:
    void jumpToFestwerteJerk();
    void jumpToBetriebsart();

private:
    std::unique_ptr<Ui::SrcSelFixedJerk> ui;
};
