#include "Motorpoti.h"
#include "ui_Motorpoti.h"

Motorpoti::Motorpoti(QWidget *parent) : BrevanePage(parent), ui(std::make_unique<Ui::Motorpoti>())
{
    setupForm(*ui);
    connectLinkLabelsToHandler();
}

Motorpoti::~Motorpoti() = default;

void Motorpoti::initialUpdate()
{
    connectParameterControls();
}

void Motorpoti::connectParameterControls()
{
    observe(QStringLiteral("G374"), SLOT(updateLeds()));
}

void Motorpoti::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    updateLeds();
}

void Motorpoti::updateLeds()
{
    // Without the status parameter the bit-1 LED keeps what it showed last.
    if (!parameterObject(QStringLiteral("G374"))) {
        setStackPage(ui->stackedWidgetG374_0, 0);
        return;
    }
    const qint64 status = readInt(QStringLiteral("G374"));
    setStackPage(ui->stackedWidgetG374_0, (status & 1) ? 1 : 0);
    setStackPage(ui->stackedWidgetG374_1, (status & 2) ? 1 : 0);
}
