#pragma once

#include "FixedValueSelectionPage.h"

#include <memory>

namespace Ui {
class SrcSelFixedAccel;
}

// How the active fixed acceleration is chosen.
class SrcSelFixedAccel : public FixedValueSelectionPage
{
    Q_OBJECT
public:
    explicit SrcSelFixedAccel(QWidget *parent = nullptr);
    ~SrcSelFixedAccel() override;

    QString identifier() const override;

public slots:
    void jumpToFestwerteAccel();
    void jumpToBetriebsart();
    void onD07Changed();

private:
    std::unique_ptr<Ui::SrcSelFixedAccel> ui;
};
