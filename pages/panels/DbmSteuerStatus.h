#pragma once

#include "StatusWordPage.h"

#include <memory>

namespace Ui {
class DbmSteuerStatus;
}

// Device control word I210, status word I200 and word I212 of the motion block application.
class DbmSteuerStatus : public StatusWordPage
{
    Q_OBJECT
public:
    explicit DbmSteuerStatus(QWidget *parent = nullptr);
    ~DbmSteuerStatus() override;

    QString identifier() const override { return QString::fromLatin1("DbmSteuerStatus"); }

private:
    std::unique_ptr<Ui::DbmSteuerStatus> ui;
};
