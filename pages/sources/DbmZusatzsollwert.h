#pragma once

#include "SetpointStagePage.h"

#include <memory>

namespace Ui {
class DbmZusatzsollwert;
}

// Additional set value of the velocity mode: its source, factor and ramp.
class DbmZusatzsollwert : public SetpointStagePage
{
    Q_OBJECT
public:
    explicit DbmZusatzsollwert(QWidget *parent = nullptr);
    ~DbmZusatzsollwert() override;

    QString identifier() const override;

public slots:
    void onD20Clicked();
    void onD41Clicked();
    void onG465Clicked();
    void onE19Clicked();

private:
    std::unique_ptr<Ui::DbmZusatzsollwert> ui;
};
