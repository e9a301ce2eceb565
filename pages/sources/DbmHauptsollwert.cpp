#include "DbmHauptsollwert.h"
#include "ui_DbmHauptsollwert.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

DbmHauptsollwert::DbmHauptsollwert(QWidget *parent) : SetpointStagePage(parent), ui(new Ui::DbmHauptsollwert)
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidget_D20_1, SLOT(onD20clicked())},
        {ui->ActionWidget_D20_2, SLOT(onD20clicked())},
        {ui->ActionWidget_D40_1, SLOT(onD40clicked())},
        {ui->ActionWidget_D40_2, SLOT(onD40clicked())},
        {ui->ActionWidget_G462_1, SLOT(onG462clicked())},
        {ui->ActionWidget_G462_2, SLOT(onG462clicked())},
        {ui->ActionWidget_E19_2, SLOT(onE19clicked())},
    });
    WizardGlobal().AddHoverHighlights(this);
}

DbmHauptsollwert::~DbmHauptsollwert() = default;

QString DbmHauptsollwert::identifier() const
{
    return QString::fromLatin1("DbmHauptsollwert");
}

void DbmHauptsollwert::onD20clicked()
{
    jumpTo(QStringLiteral("SrcSelFixedVelocity"));
}

void DbmHauptsollwert::onD40clicked()
{
    jumpTo(QStringLiteral("DbmGeschwDrehmKraft"));
}

void DbmHauptsollwert::onG462clicked()
{
    jumpTo(QStringLiteral("DbmQuelleExterneGeschwindigkeit"));
}

void DbmHauptsollwert::onE19clicked()
{
    jumpTo(QStringLiteral("EinAusgaenge"));
}
