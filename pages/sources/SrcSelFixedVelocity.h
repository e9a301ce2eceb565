#pragma once

#include "FixedValueSelectionPage.h"

#include <memory>

namespace Ui {
class SrcSelFixedVelocity;
}

// How the active fixed velocity set value is chosen.
class SrcSelFixedVelocity : public FixedValueSelectionPage
{
    Q_OBJECT
public:
    explicit SrcSelFixedVelocity(QWidget *parent = nullptr);
    ~SrcSelFixedVelocity() override;

    QString identifier() const override;

public slots:
    void jumpToFestsollwerteGeschwindigkeit();
    void jumpToHauptsollwert();
    void jumpToZusatzsollwert();
    void onD05Changed();

private:
    std::unique_ptr<Ui::SrcSelFixedVelocity> ui;
};
