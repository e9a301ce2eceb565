#pragma once

#include "SetpointStagePage.h"

#include <memory>

namespace Ui {
class DbmHauptsollwert;
}

// Main set value of the velocity mode: its source, factor and ramp.
class DbmHauptsollwert : public SetpointStagePage
{
    Q_OBJECT
public:
    explicit DbmHauptsollwert(QWidget *parent = nullptr);
    ~DbmHauptsollwert() override;

    QString identifier() const override;

public slots:
    void onD20clicked();
    void onD40clicked();
    void onG462clicked();
    void onE19clicked();

private:
    std::unique_ptr<Ui::DbmHauptsollwert> ui;
};
