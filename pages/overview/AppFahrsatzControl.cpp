#include "AppFahrsatzControl.h"

#include "ui_AppFahrsatzControl.h"

AppFahrsatzControl::AppFahrsatzControl(QWidget *parent) : BrevanePage(parent), ui(new Ui::AppFahrsatzControl)
{
    setupForm(*ui);
}

AppFahrsatzControl::~AppFahrsatzControl() = default;

QString AppFahrsatzControl::identifier() const
{
    return QString::fromLatin1("AppFahrsatzControl");
}
