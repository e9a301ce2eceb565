#include "DbmQuellen.h"

#include "ClickConnections.h"
#include "ui_DbmQuellen.h"

DbmQuellen::DbmQuellen(QWidget *parent) : OperatingModeLinksPage(parent), ui(new Ui::DbmQuellen)
{
    setupForm(*ui);

    connectClicks(this, {
        {ui->ClickLabelBinaersignaleApplikation, SLOT(JumpToQuellenBinaersignaleApplikation())},
        {ui->ClickLabelBewegungsrichtung, SLOT(JumpToQuellenBewegungsrichtung())},
        {ui->ClickLabelBinaersignaleGerSteuArdenic, SLOT(JumpToQuellenBinaersignaleGerSteuArdenic())},
        {ui->ClickLabelBegrenzungDrehmKraftApplikation, SLOT(JumpToQuellenBegrenzungDrehmKraftApplikation())},
        {ui->ClickLabelExterneGeschwindigkeit, SLOT(JumpToQuellenExterneGeschwindigkeit())},
        {ui->ClickLabelExtZusatzgeschwindigkeit, SLOT(JumpToQuellenExtZusatzgeschwindigkeit())},
        {ui->ClickLabelGeschwOverride, SLOT(JumpToQuellenGeschwOverride())},
        {ui->ClickLabelSollDrehmKraftGeschwKlammerung, SLOT(JumpToQuellenSollDrehmKraftGeschwKlammerung())},
        {ui->ClickLabelBinaersignaleFahrsatz, SLOT(JumpToQuellenBinaersignaleFahrsatz())},
        {ui->ClickLabelBegrenzungDrehmKraftFahrsatz, SLOT(JumpToQuellenBegrenzungDrehmKraftFahrsatz())},
        {ui->ClickLabelFahrsatzauswahl, SLOT(JumpToQuellenFahrsatzauswahl())},
        {ui->ClickLabelSoftwareeingaenge, SLOT(JumpToQuellenSoftwareeingaenge())},
    });
}

DbmQuellen::~DbmQuellen() = default;

QString DbmQuellen::identifier() const
{
    return QString::fromLatin1("DbmQuellen");
}

void DbmQuellen::showEvent(QShowEvent *event)
{
    OperatingModeLinksPage::showEvent(event);
    // The device-control binary signals exist only on drives with A180.
    const bool ardenic = !parameterInformation(QStringLiteral("A180")).isNull();
    ui->ClickLabelBinaersignaleGerSteuArdenic->setVisible(ardenic);
    setLinkFrameActive(ui->FrameLinkBinaersignaleGerSteuArdenic, ardenic);
    onK08Changed();
}

void DbmQuellen::onK08Changed()
{
    const bool motionBlockMode = isMotionBlockMode();
    for (QWidget *widget : {static_cast<QWidget *>(ui->ClickLabelBinaersignaleFahrsatz),
                            static_cast<QWidget *>(ui->ClickLabelBegrenzungDrehmKraftFahrsatz),
                            static_cast<QWidget *>(ui->ClickLabelFahrsatzauswahl),
                            static_cast<QWidget *>(ui->ClickLabelSoftwareeingaenge)})
        widget->setVisible(motionBlockMode);
    showInMotionBlockMode({ui->ParaLabel_C232, ui->ParaTextEdit_C232, ui->ParaLabel_C233, ui->ParaTextEdit_C233,
                           ui->ParaLabel_J05, ui->ParaTextEdit_J05},
                          motionBlockMode);
    for (QFrame *frame : {ui->FrameLinkBinaersignaleFahrsatz, ui->FrameLinkBegrenzungDrehmKraftFahrsatz,
                          ui->FrameLinkFahrsatzauswahl, ui->FrameLinkSoftwareeingaenge})
        setLinkFrameActive(frame, motionBlockMode);
}

// Drives of this application have their own binary-signal page; other trees only the
// device's general one.
void DbmQuellen::JumpToQuellenBinaersignaleApplikation()
{
    jumpToFirstInTree({QStringLiteral("DbmSrcBinSignals"), QStringLiteral("SignalquellenBinaer")});
}

void DbmQuellen::JumpToQuellenBewegungsrichtung()
{
    jumpTo(QStringLiteral("DbmSrcDirection"));
}

void DbmQuellen::JumpToQuellenBinaersignaleGerSteuArdenic()
{
    jumpTo(QStringLiteral("QuelleBinSigArdenic"));
}

void DbmQuellen::JumpToQuellenBegrenzungDrehmKraftApplikation()
{
    jumpTo(QStringLiteral("DbmSrcTrqForce"));
}

void DbmQuellen::JumpToQuellenExterneGeschwindigkeit()
{
    jumpTo(QStringLiteral("DbmQuelleExterneGeschwindigkeit"));
}

void DbmQuellen::JumpToQuellenExtZusatzgeschwindigkeit()
{
    jumpTo(QStringLiteral("DbmQuelleExtZusatzGeschwindigkeit"));
}

void DbmQuellen::JumpToQuellenGeschwOverride()
{
    jumpTo(QStringLiteral("DbmQuelleGeschwOverride"));
}

void DbmQuellen::JumpToQuellenSollDrehmKraftGeschwKlammerung()
{
    jumpTo(QStringLiteral("DbmQuelleDrehmKraftGeschwKlammerung"));
}

void DbmQuellen::JumpToQuellenBinaersignaleFahrsatz()
{
    jumpTo(QStringLiteral("DbmMotionBlockBinSignals"));
}

void DbmQuellen::JumpToQuellenBegrenzungDrehmKraftFahrsatz()
{
    jumpTo(QStringLiteral("DbmMotionBlockTrqForce"));
}

void DbmQuellen::JumpToQuellenFahrsatzauswahl()
{
    jumpTo(QStringLiteral("DbmMotionBlockSelect"));
}

void DbmQuellen::JumpToQuellenSoftwareeingaenge()
{
    jumpTo(QStringLiteral("DbmSrcCtrlFollowMotionBlock"));
}
