#include "SteuertafelPLCopen.h"

#include "ClickConnections.h"
#include "ui_SteuertafelPLCopen.h"

#include "ClickableLabel.h"
#include "ParameterControl.h"

namespace {

ControlPanelPage::PanelRules commandRules()
{
    using State = ControlPanelPage::PanelState;
    const ControlPanelPage::WidgetSets off{
        {},
        {"ToolButtonStart", "ToolButtonHalt", "ToolButtonFreigabe"},
        {},
        {"FrameStart", "FrameHalt", "FrameFreigabe", "FrameQuittierung", "FrameSteuerInterface"}};

    ControlPanelPage::PanelRules rules;
    rules.controlWord = QStringLiteral("K912");
    rules.momentaryButtons = {{"ToolButtonStart", 1}};
    rules.motionButtons = {"ToolButtonStart"};
    rules.states = {
        {State::Unavailable, off},
        {State::SwitchedOff, off},
        {State::Refused,
         {{},
          {"ToolButtonHalt", "ToolButtonStart", "ToolButtonQuittierung"},
          {},
          {"FrameStart", "FrameHalt", "FrameFreigabe", "FrameQuittierung"}}},
        {State::On, {{}, {}, {"FrameSteuerInterface"}, {}}},
        {State::NotEnabled, {{}, {}, {}, {"FrameHalt", "FrameStart"}}},
        {State::Enabled, {{}, {}, {"FrameHalt", "FrameStart"}, {}}},
    };
    rules.faultReleaseFlagFirst = true;
    rules.faultFlagWhileHidden = false;
    rules.extraInputs = {"I188"};
    rules.liveValues = {"A900", "A918", "E48",  "E49",  "E182", "E183", "I85",  "I86",  "I91",  "I180", "I182", "I183",
                        "I184", "I185", "I187", "I188", "I197", "I199", "I805", "I806", "K301", "K08",  "K400", "K912"};
    return rules;
}

} // namespace

SteuertafelPLCopen::SteuertafelPLCopen(QWidget *parent)
    : ControlPanelPage(commandRules(), parent), ui(std::make_unique<Ui::SteuertafelPLCopen>())
{
    setupForm(*ui);
    setupPanel();
    connectClick(ui->ClickLblReferenzierung, this, &SteuertafelPLCopen::Jump_to_Referenzierung);
    connectClick(ui->ClickLblReferenzierung_2, this, &SteuertafelPLCopen::Jump_to_Referenzierung);
    connectClick(ui->ClickLblExtGeschw, this, &SteuertafelPLCopen::Jump_to_ExtGeschw);
    connectClick(ui->ClickLblGeschwOverride, this, &SteuertafelPLCopen::Jump_to_GeschwOverride);
    connectClick(ui->ClickLblQuelleDrehzahlklammerung, this, &SteuertafelPLCopen::Jump_to_QuelleDrehzahlklammerung);
    for (QFrame *frame : {ui->FrameLinkReferenzierung, ui->FrameLinkReferenzierung_2, ui->FrameLinkExtGeschw,
                          ui->FrameLinkGeschwOverride, ui->FrameLinkQuelleDrehzahlklammerung})
        setLinkFrameActive(frame, true);
}

SteuertafelPLCopen::~SteuertafelPLCopen() = default;

void SteuertafelPLCopen::initialUpdate()
{
    ControlPanelPage::initialUpdate();
    observe(QStringLiteral("K412"), SLOT(onK412Changed()));
    observe(QStringLiteral("K413"), SLOT(onK413Changed()));
    observe(QStringLiteral("K414"), SLOT(onK414Changed()));
    observe(QStringLiteral("K399"), SLOT(changeVisibilityOfCommandDependingLinks()));
    observe(QStringLiteral("K402"), SLOT(changeVisibilityOfCommandDependingLinks()));
    setUpApplicationDependingStackedWidget();
    setUpParameterCoordinateForCommandCombobox();
    changeVisibilityOfCommandDependingLinks();
}

void SteuertafelPLCopen::setUpApplicationDependingStackedWidget()
{
    const QString application = readText(QStringLiteral("E76"));
    const bool cia402 = application.contains(QLatin1String("CiA")) || application.contains(QLatin1String("402"));
    setStackPage(ui->stackedWidget, cia402 ? 1 : 0);
}

void SteuertafelPLCopen::setUpParameterCoordinateForCommandCombobox()
{
    const QString coordinate = hasParameter(QStringLiteral("K399")) ? QStringLiteral("K399") : QStringLiteral("K402");
    for (ParameterControl *control : std::initializer_list<ParameterControl *>{
             ui->ParCombo_Kommando, ui->ParLbl_Kommando, ui->ParCombo_Kommando_2, ui->ParLbl_Kommando_2}) {
        bindControl(control, control->index(), coordinate);
    }
}

void SteuertafelPLCopen::changeVisibilityOfCommandDependingLinks()
{
    const bool fromK399 = hasParameter(QStringLiteral("K399"));
    if (!fromK399 && !hasParameter(QStringLiteral("K402")))
        return;
    const qint64 command = readInt(fromK399 ? QStringLiteral("K399") : QStringLiteral("K402"));
    const bool referencing = command == 6;
    // Only the older command parameter has a command that clamps the velocity.
    const bool clamping = !fromK399 && command == 9;
    for (QWidget *widget : {static_cast<QWidget *>(ui->ClickLblReferenzierung), static_cast<QWidget *>(ui->FrameLinkReferenzierung),
                            static_cast<QWidget *>(ui->ClickLblReferenzierung_2),
                            static_cast<QWidget *>(ui->FrameLinkReferenzierung_2)})
        widget->setVisible(referencing);
    ui->ClickLblQuelleDrehzahlklammerung->setVisible(clamping);
}

void SteuertafelPLCopen::showSourceWidgets(const QString &selection, const QList<QWidget *> &widgets)
{
    if (!hasParameter(selection))
        return;
    const bool external = readInt(selection) == 2;
    for (QWidget *widget : widgets)
        widget->setVisible(external);
}

void SteuertafelPLCopen::onK412Changed()
{
    showSourceWidgets(QStringLiteral("K412"),
                      {ui->ClickLblExtGeschw, ui->FrameLinkExtGeschw, ui->FrameParaTxtG462, ui->FrameParaLblG462});
}

void SteuertafelPLCopen::onK413Changed()
{
    showSourceWidgets(QStringLiteral("K413"), {ui->ClickLblGeschwOverride, ui->FrameLinkGeschwOverride,
                                               ui->FrameParaTxtG468, ui->FrameParaLblG468});
}

void SteuertafelPLCopen::onK414Changed()
{
    showSourceWidgets(QStringLiteral("K414"), {ui->ClickLblQuelleDrehzahlklammerung, ui->FrameLinkQuelleDrehzahlklammerung,
                                               ui->FrameParaTxtG471, ui->FrameParaLblG471});
}

void SteuertafelPLCopen::refreshPanel()
{
    onK412Changed();
    onK413Changed();
    onK414Changed();
}

void SteuertafelPLCopen::Jump_to_Referenzierung()
{
    jumpToFirstInTree({QStringLiteral("Referenzfahrt"), QStringLiteral("ReferenzfahrtCBM")});
}

void SteuertafelPLCopen::Jump_to_ExtGeschw()
{
    jumpTo(QStringLiteral("DbmQuelleExterneGeschwindigkeit"));
}

void SteuertafelPLCopen::Jump_to_GeschwOverride()
{
    jumpTo(QStringLiteral("DbmQuelleGeschwOverride"));
}

void SteuertafelPLCopen::Jump_to_QuelleDrehzahlklammerung()
{
    jumpTo(QStringLiteral("DbmQuelleDrehmKraftGeschwKlammerung"));
}
