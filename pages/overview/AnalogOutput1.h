#pragma once

#include "FieldbusAnalogOutputPage.h"

#include <memory>

namespace Ui {
class AnalogOutput1;
}

// Fieldbus-controlled analog output 1.
class AnalogOutput1 : public FieldbusAnalogOutputPage
{
    Q_OBJECT
public:
    explicit AnalogOutput1(QWidget *parent = nullptr);
    ~AnalogOutput1() override;

    QString identifier() const override;
    void initialUpdate() override;

private:
    std::unique_ptr<Ui::AnalogOutput1> ui;
};
