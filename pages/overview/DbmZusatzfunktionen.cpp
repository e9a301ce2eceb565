#include "DbmZusatzfunktionen.h"

#include "ClickConnections.h"
#include "ui_DbmZusatzfunktionen.h"

namespace {
const QString g806 = QStringLiteral("G806");
const QString g807 = QStringLiteral("G807");
const QString g891 = QStringLiteral("G891");
const QString g893 = QStringLiteral("G893");
} // namespace

DbmZusatzfunktionen::DbmZusatzfunktionen(QWidget *parent) : FunctionSwitchPage(parent), ui(new Ui::DbmZusatzfunktionen)
{
    setupForm(*ui);

    // G806 in element order: that is the order in which onG806Changed() shows them.
    addSwitch(ui->CheckBoxPidRegler, g806, 0);
    addSwitch(ui->CheckBoxKomparatoren, g806, 1);
    addSwitch(ui->CheckBoxVM, g806, 2);
    addSwitch(ui->CheckBoxPositionsmessung, g806, 3);
    addSwitch(ui->CheckBoxNocken, g806, 4);
    addSwitch(ui->CheckBoxMotorpoti, g807, 0);
    addSwitch(ui->CheckBoxMasterPositionsmessung, g891, 0);
    addSwitch(ui->CheckBoxErweiterteNocken, g893, 0);

    connectClicks(this, {
        {ui->CheckBoxKomparatoren, SLOT(CheckboxKomparatorenClicked())},
        {ui->CheckBoxNocken, SLOT(CheckboxNockenClicked())},
        {ui->CheckBoxPositionsmessung, SLOT(CheckboxPositionsmessungClicked())},
        {ui->CheckBoxPidRegler, SLOT(CheckboxPidReglerClicked())},
        {ui->CheckBoxMotorpoti, SLOT(CheckboxMotorpotiClicked())},
        {ui->CheckBoxVM, SLOT(CheckboxVMClicked())},
        {ui->CheckBoxMasterPositionsmessung, SLOT(CheckboxMasterPositionsmessungClicked())},
        {ui->CheckBoxErweiterteNocken, SLOT(CheckboxErweiterteNockenClicked())},
        {ui->ClickLabelKomparatorenReal32, SLOT(JumpToKomparatorenReal32())},
        {ui->ClickLabelKomparatorenInt32, SLOT(JumpToKomparatorenInt32())},
        {ui->ClickLabelNocken, SLOT(JumpToNocken())},
        {ui->ClickLabelPositionsmessung, SLOT(JumpToPositionsmessung())},
        {ui->ClickLabelPidRegler, SLOT(JumpToPidRegler())},
        {ui->ClickLabelMotorpoti, SLOT(JumpToMotorpoti())},
        {ui->ClickLabelVM, SLOT(JumpToVM())},
        {ui->ClickLabelMasterPositionsmessung, SLOT(JumpToMasterPosMessung())},
        {ui->ClickLabelErweiterteNocken, SLOT(JumpToErweiterteNocken())},
    });

    for (const QString &coordinate : {g806, g807, g891, g893})
        addLiveValue(coordinate);
}

DbmZusatzfunktionen::~DbmZusatzfunktionen() = default;

QString DbmZusatzfunktionen::identifier() const
{
    return QString::fromLatin1("DbmZusatzfunktionen");
}

void DbmZusatzfunktionen::initialUpdate()
{
    observe(g806, SLOT(onG806Changed()));
    observe(g807, SLOT(onG807Changed()));
    observe(g891, SLOT(onG891Changed()));
    observe(g893, SLOT(onG893Changed()));
}

void DbmZusatzfunktionen::showEvent(QShowEvent *event)
{
    FunctionSwitchPage::showEvent(event);

    // Rows of functions that only some drives have.
    const struct
    {
        QString coordinate;
        QFrame *link;
        QFrame *box;
    } optionalRows[] = {
        {g807, ui->FrameLinkMotorpoti, ui->FrameMotorpoti},
        {g891, ui->FrameLinkMasterPositionsmessung, ui->FrameCheckBoxMasterPosMessung},
        {g893, ui->FrameLinkErweiterteNocken, ui->FrameCheckBoxErweiterteNocken},
    };
    for (const auto &row : optionalRows) {
        const bool present = hasParameter(row.coordinate);
        row.link->setVisible(present);
        row.box->setVisible(present);
        if (present)
            showSwitches(row.coordinate);
    }
    const bool virtualMaster = hasParameter(QStringLiteral("G190"));
    ui->FrameLinkVM->setVisible(virtualMaster);
    ui->FrameVM->setVisible(virtualMaster);

    onG806Changed();
    enableUnlessReadOnly(switchBoxes());
}

void DbmZusatzfunktionen::onG806Changed()
{
    showSwitches(g806);
}

void DbmZusatzfunktionen::onG807Changed()
{
    showSwitches(g807);
}

void DbmZusatzfunktionen::onG891Changed()
{
    showSwitches(g891);
}

void DbmZusatzfunktionen::onG893Changed()
{
    showSwitches(g893);
}

void DbmZusatzfunktionen::CheckboxKomparatorenClicked()
{
    writeSwitch(ui->CheckBoxKomparatoren);
}

void DbmZusatzfunktionen::CheckboxNockenClicked()
{
    writeSwitch(ui->CheckBoxNocken);
}

void DbmZusatzfunktionen::CheckboxPositionsmessungClicked()
{
    writeSwitch(ui->CheckBoxPositionsmessung);
}

void DbmZusatzfunktionen::CheckboxPidReglerClicked()
{
    writeSwitch(ui->CheckBoxPidRegler);
}

void DbmZusatzfunktionen::CheckboxMotorpotiClicked()
{
    writeSwitch(ui->CheckBoxMotorpoti);
}

void DbmZusatzfunktionen::CheckboxVMClicked()
{
    writeSwitch(ui->CheckBoxVM);
}

void DbmZusatzfunktionen::CheckboxMasterPositionsmessungClicked()
{
    writeSwitch(ui->CheckBoxMasterPositionsmessung);
}

void DbmZusatzfunktionen::CheckboxErweiterteNockenClicked()
{
    writeSwitch(ui->CheckBoxErweiterteNocken);
}

void DbmZusatzfunktionen::JumpToKomparatorenReal32()
{
    jumpTo(QStringLiteral("DbmKompReal32"));
}

void DbmZusatzfunktionen::JumpToKomparatorenInt32()
{
    jumpTo(QStringLiteral("DbmKompInt32"));
}

void DbmZusatzfunktionen::JumpToNocken()
{
    jumpTo(QStringLiteral("DbmNocken"));
}

void DbmZusatzfunktionen::JumpToPositionsmessung()
{
    jumpTo(QStringLiteral("Positionsmessung"));
}

void DbmZusatzfunktionen::JumpToPidRegler()
{
    jumpTo(QStringLiteral("PidRegler"));
}

void DbmZusatzfunktionen::JumpToMotorpoti()
{
    jumpTo(QStringLiteral("Motorpoti"));
}

void DbmZusatzfunktionen::JumpToVM()
{
    jumpTo(QStringLiteral("VirtuellerMaster"));
}

void DbmZusatzfunktionen::JumpToMasterPosMessung()
{
    jumpTo(QStringLiteral("MasterPosMessung"));
}

void DbmZusatzfunktionen::JumpToErweiterteNocken()
{
    jumpTo(QStringLiteral("Nocken"));
}
