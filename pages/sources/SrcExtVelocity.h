#pragma once

#include "ExternalSourcePage.h"

#include <memory>

namespace Ui {
class SrcExtVelocity;
}

// Where the external velocity setpoint comes from.
class SrcExtVelocity : public ExternalSourcePage
{
    Q_OBJECT
public:
    explicit SrcExtVelocity(QWidget *parent = nullptr);
    ~SrcExtVelocity() override;

    QString identifier() const override;

private:
    std::unique_ptr<Ui::SrcExtVelocity> ui;
};
