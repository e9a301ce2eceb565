#pragma once

#include "FixedValueTablePage.h"

#include <memory>

namespace Ui {
class DbmFixedJerk;
}

// The sixteen fixed jerk values.
class DbmFixedJerk : public FixedValueTablePage
{
    Q_OBJECT
public:
    explicit DbmFixedJerk(QWidget *parent = nullptr);
    ~DbmFixedJerk() override;

    QString identifier() const override;

public slots:
    void jumpToFestwAuswJerk();

private:
    std::unique_ptr<Ui::DbmFixedJerk> ui;
};
