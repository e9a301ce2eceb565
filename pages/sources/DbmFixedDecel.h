#pragma once

#include "FixedValueTablePage.h"

#include <memory>

namespace Ui {
class DbmFixedDecel;
}

// The sixteen fixed deceleration values.
class DbmFixedDecel : public FixedValueTablePage
{
    Q_OBJECT
public:
    explicit DbmFixedDecel(QWidget *parent = nullptr);
    ~DbmFixedDecel() override;

    QString identifier() const override;

public slots:
    void jumpToFestwAuswDecel();

private:
    std::unique_ptr<Ui::DbmFixedDecel> ui;
};
