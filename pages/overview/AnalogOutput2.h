#pragma once

#include "FieldbusAnalogOutputPage.h"

#include <memory>

namespace Ui {
class AnalogOutput2;
}

// Fieldbus-controlled analog output 2.
class AnalogOutput2 : public FieldbusAnalogOutputPage
{
    Q_OBJECT
public:
    explicit AnalogOutput2(QWidget *parent = nullptr);
    ~AnalogOutput2() override;

    QString identifier() const override;
    void initialUpdate() override;

private:
    std::unique_ptr<Ui::AnalogOutput2> ui;
};
