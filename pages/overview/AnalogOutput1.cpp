#include "AnalogOutput1.h"

#include "ui_AnalogOutput1.h"

AnalogOutput1::AnalogOutput1(QWidget *parent) : FieldbusAnalogOutputPage(parent), ui(new Ui::AnalogOutput1)
{
    setupForm(*ui);
}

AnalogOutput1::~AnalogOutput1() = default;

QString AnalogOutput1::identifier() const
{
    return QString::fromLatin1("AnalogOutput1");
}

void AnalogOutput1::initialUpdate()
{
    showFieldbus(ui->parameterLabel_A, ui->parameterTextEdit_A, ui->stackedWidget_2);
}
