#pragma once

#include "FixedValueTablePage.h"

#include <memory>

namespace Ui {
class DbmFixedVelocity;
}

// The sixteen fixed velocity set values.
class DbmFixedVelocity : public FixedValueTablePage
{
    Q_OBJECT
public:
    explicit DbmFixedVelocity(QWidget *parent = nullptr);
    ~DbmFixedVelocity() override;

    QString identifier() const override;

public slots:
    void jumpToFestSwAuswGeschw();

private:
    std::unique_ptr<Ui::DbmFixedVelocity> ui;
};
