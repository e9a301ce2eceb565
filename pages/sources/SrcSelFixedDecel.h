#pragma once

#include "FixedValueSelectionPage.h"

#include <memory>

namespace Ui {
class SrcSelFixedDecel;
}

// How the active fixed deceleration is chosen.
class SrcSelFixedDecel : public FixedValueSelectionPage
{
    Q_OBJECT
public:
    explicit SrcSelFixedDecel(QWidget *parent = nullptr);
    ~SrcSelFixedDecel() override;

    QString identifier() const override;

public slots:
    void jumpToFestwerteDecel();
    void jumpToBetriebsart();
    void onD09Changed();

private:
    std::unique_ptr<Ui::SrcSelFixedDecel> ui;
};
