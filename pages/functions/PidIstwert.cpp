#include "PidIstwert.h"
#include "ui_PidIstwert.h"

PidIstwert::PidIstwert(QWidget *parent)
    : PidSourcePage(QStringLiteral("G816"), QStringLiteral("G457"), parent), ui(std::make_unique<Ui::PidIstwert>())
{
    setupForm(*ui);
    setupSource(ui->stackedWidget);
}

PidIstwert::~PidIstwert() = default;
