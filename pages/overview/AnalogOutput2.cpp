#include "AnalogOutput2.h"

#include "ui_AnalogOutput2.h"

AnalogOutput2::AnalogOutput2(QWidget *parent) : FieldbusAnalogOutputPage(parent), ui(new Ui::AnalogOutput2)
{
    setupForm(*ui);
}

AnalogOutput2::~AnalogOutput2() = default;

QString AnalogOutput2::identifier() const
{
    return QString::fromLatin1("AnalogOutput2");
}

void AnalogOutput2::initialUpdate()
{
    showFieldbus(ui->parameterLabel_A, ui->parameterTextEdit_A, ui->stackedWidget_2);
}
