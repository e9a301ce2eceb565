#include "DbmUebersicht.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"
#include "ui_DbmUebersicht.h"

DbmUebersicht::DbmUebersicht(QWidget *parent) : BrevanePage(parent), ui(new Ui::DbmUebersicht)
{
    setupForm(*ui);
    WizardGlobal().AddHoverHighlights(this);
}

DbmUebersicht::~DbmUebersicht() = default;

QString DbmUebersicht::identifier() const
{
    return QString::fromLatin1("DbmUebersicht");
}

void DbmUebersicht::initialUpdate()
{
    connectClicks(this, {
        {ui->ActionWidgetToSteuerwort, SLOT(onJumpToSteuerStatusCiA402())},
        {ui->ActionWidgetToStatuswort, SLOT(onJumpToSteuerStatusCiA402())},
        {ui->ActionWidgetToSollwerte, SLOT(onJumpToCBMSollUndIstwerte())},
        {ui->ActionWidgetToIstwerte, SLOT(onJumpToCBMSollUndIstwerte())},
        {ui->ActionWidgetToSignalquellenBinaer, SLOT(onJumpToSignalquellenBinaer())},
        {ui->ActionWidgetToCiAObjekte1, SLOT(onJumpToCiA402Objekte1())},
        {ui->ActionWidgetToCiAObjekte2, SLOT(onJumpToCiA402Objekte2())},
        {ui->ActionWidgetToStatuswort2, SLOT(onJumpToStatuswort2())},
        {ui->ActionWidgetToStatuswortUser, SLOT(onJumpToUserStatuswort())},
    });
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void DbmUebersicht::onJumpToSteuerStatusCiA402()
{
    jumpTo(QStringLiteral("SteuerStatusCiA402"));
}

void DbmUebersicht::onJumpToCBMSollUndIstwerte()
{
    jumpTo(QStringLiteral("CBMSollUndIstwerte"));
}

void DbmUebersicht::onJumpToSignalquellenBinaer()
{
    jumpTo(QStringLiteral("SignalquellenBinaer"));
}

void DbmUebersicht::onJumpToCiA402Objekte1()
{
    jumpTo(QStringLiteral("CiA402Objekte"));
}

void DbmUebersicht::onJumpToCiA402Objekte2()
{
    jumpTo(QStringLiteral("CiA402Objekte2"));
}

void DbmUebersicht::onJumpToStatuswort2()
{
    jumpTo(QStringLiteral("Statuswort2"));
}

void DbmUebersicht::onJumpToUserStatuswort()
{
    jumpTo(QStringLiteral("UserStatuswort"));
}
