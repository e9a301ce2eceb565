#pragma once

#include "FixedValueTablePage.h"

#include <memory>

namespace Ui {
class DbmFixedAccel;
}

// The sixteen fixed acceleration values.
class DbmFixedAccel : public FixedValueTablePage
{
    Q_OBJECT
public:
    explicit DbmFixedAccel(QWidget *parent = nullptr);
    ~DbmFixedAccel() override;

    QString identifier() const override;

public slots:
    void jumpToFestwAuswAccel();

private:
    std::unique_ptr<Ui::DbmFixedAccel> ui;
};
