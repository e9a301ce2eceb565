#include "DbmZusatzsollwert.h"
#include "ui_DbmZusatzsollwert.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

DbmZusatzsollwert::DbmZusatzsollwert(QWidget *parent) : SetpointStagePage(parent), ui(new Ui::DbmZusatzsollwert)
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidget_D20_1, SLOT(onD20Clicked())},
        {ui->ActionWidget_D20_2, SLOT(onD20Clicked())},
        {ui->ActionWidget_D41_1, SLOT(onD41Clicked())},
        {ui->ActionWidget_D41_2, SLOT(onD41Clicked())},
        {ui->ActionWidget_G465_1, SLOT(onG465Clicked())},
        {ui->ActionWidget_G465_2, SLOT(onG465Clicked())},
        {ui->ActionWidget_E19_2, SLOT(onE19Clicked())},
    });
    WizardGlobal().AddHoverHighlights(this);
}

DbmZusatzsollwert::~DbmZusatzsollwert() = default;

QString DbmZusatzsollwert::identifier() const
{
    return QString::fromLatin1("DbmZusatzsollwert");
}

void DbmZusatzsollwert::onD20Clicked()
{
    jumpTo(QStringLiteral("SrcSelFixedVelocity"));
}

void DbmZusatzsollwert::onD41Clicked()
{
    jumpTo(QStringLiteral("DbmGeschwDrehmKraft"));
}

void DbmZusatzsollwert::onG465Clicked()
{
    jumpTo(QStringLiteral("DbmQuelleExtZusatzGeschwindigkeit"));
}

void DbmZusatzsollwert::onE19Clicked()
{
    jumpTo(QStringLiteral("EinAusgaenge"));
}
