#include "PidSollwert.h"
#include "ui_PidSollwert.h"

PidSollwert::PidSollwert(QWidget *parent)
    : PidSourcePage(QStringLiteral("G815"), QStringLiteral("G456"), parent), ui(std::make_unique<Ui::PidSollwert>())
{
    setupForm(*ui);
    setupSource(ui->stackedWidget);
}

PidSollwert::~PidSollwert() = default;
