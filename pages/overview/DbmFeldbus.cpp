#include "DbmFeldbus.h"

#include "ClickConnections.h"
#include "ui_DbmFeldbus.h"

DbmFeldbus::DbmFeldbus(QWidget *parent) : OperatingModeLinksPage(parent), ui(new Ui::DbmFeldbus)
{
    setupForm(*ui);

    connectClicks(this, {
        {ui->ClickLabelApplikation, SLOT(JumpToApplikation())},
        {ui->ClickLabelGeraetesteuerungArdenic, SLOT(JumpToGeraetesteuerungArdenic())},
        {ui->ClickLabelCiA402, SLOT(JumpToCiA402())},
        {ui->ClickLabelStatuswort2, SLOT(JumpToStatuswort2())},
        {ui->ClickLabelStatuswortAnwender, SLOT(JumpToStatuswortAnwender())},
        {ui->ClickLabelFahrsatz, SLOT(JumpToFahrsatz())},
    });
}

DbmFeldbus::~DbmFeldbus() = default;

QString DbmFeldbus::identifier() const
{
    return QString::fromLatin1("DbmFeldbus");
}

void DbmFeldbus::showEvent(QShowEvent *event)
{
    OperatingModeLinksPage::showEvent(event);
    // The CiA 402 words are worth a link only where the host shows their page.
    const bool cia402 = pageVisibleInTree(QStringLiteral("SteuerStatusCiA402"));
    ui->ClickLabelCiA402->setVisible(cia402);
    setLinkFrameActive(ui->FrameLinkClickLabelQuellen_CiA, cia402);
}

void DbmFeldbus::onK08Changed()
{
    const bool motionBlockMode = isMotionBlockMode();
    ui->FrameLinkClickLabelQuellen_Fahrsatz->setVisible(motionBlockMode);
    showInMotionBlockMode({ui->ParaLabel_J01, ui->ParaTextEdit_J01, ui->ParaLabel_J02, ui->ParaTextEdit_J02,
                           ui->ParaLabel_J300, ui->ParaTextEdit_J300, ui->ParaLabel_J302, ui->ParaTextEdit_J302},
                          motionBlockMode);
}

void DbmFeldbus::JumpToApplikation()
{
    jumpTo(QStringLiteral("DbmSteuerStatus"));
}

void DbmFeldbus::JumpToGeraetesteuerungArdenic()
{
    jumpTo(QStringLiteral("SteuerStatusArdenic"));
}

void DbmFeldbus::JumpToCiA402()
{
    jumpTo(QStringLiteral("SteuerStatusCiA402"));
}

void DbmFeldbus::JumpToStatuswort2()
{
    jumpTo(QStringLiteral("Statuswort2"));
}

void DbmFeldbus::JumpToStatuswortAnwender()
{
    jumpTo(QStringLiteral("UserStatuswort"));
}

void DbmFeldbus::JumpToFahrsatz()
{
    jumpTo(QStringLiteral("SteuerStatusFahrsatz"));
}
