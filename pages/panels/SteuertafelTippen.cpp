#include "SteuertafelTippen.h"
#include "ui_SteuertafelTippen.h"

#include "ParameterControl.h"

namespace {

const QStringList jogButtons = {"ToolButtonTipRight", "ToolButtonTipLeft", "ToolButtonTipUp", "ToolButtonTipDown"};
const QStringList stepFrames = {"FrameTipStepPlus", "FrameTipStepMinus"};
const QStringList settingFrames = {"FrameActiveJog", "FrameI10ff"};

ControlPanelPage::PanelRules jogRules()
{
    using State = ControlPanelPage::PanelState;
    const QStringList frames = {"FrameTipPlus", "FrameTipMinus",  "FrameTipStepPlus", "FrameTipStepMinus",
                                "FrameTipHalt", "FrameRefSetzen", "FrameActiveJog",   "FrameI10ff"};
    const ControlPanelPage::WidgetSets off{{}, jogButtons + QStringList{"ToolButtonHalt", "ToolButtonQuittierung"}, {}, frames};

    ControlPanelPage::PanelRules rules;
    rules.controlWord = QStringLiteral("K911");
    rules.haltFrame = QStringLiteral("FrameTipHalt");
    rules.momentaryButtons = {{"ToolButtonTipRight", 1}, {"ToolButtonTipLeft", 2}, {"ToolButtonTipUp", 3},
                              {"ToolButtonTipDown", 4},  {"ToolButtonRefSetzen", 6}};
    rules.motionButtons = jogButtons;
    rules.states = {
        {State::Unavailable, {{}, jogButtons, {}, frames}},
        {State::SwitchedOff, off},
        {State::Refused, off},
        {State::On, {{"ToolButtonSteuertafelEin", "ToolButtonHalt"}, {}, {}, {}}},
        {State::NotEnabled,
         {jogButtons, {}, {}, {"FrameTipPlus", "FrameTipMinus", "FrameTipStepPlus", "FrameTipStepMinus", "FrameTipHalt"}}},
        {State::Enabled, {{"ToolButtonRefSetzen"}, {}, {"FrameTipPlus", "FrameTipMinus", "FrameTipHalt"}, {}}},
    };
    rules.faultReleaseBits = {0, 5, 31};
    rules.extraInputs = {"I26", "K908", "B20"};
    rules.liveValues = {"A900", "A918", "E48",  "E49",  "E182", "E183", "I85",  "I86",  "I91",  "I180", "I182", "I183",
                        "I184", "I185", "I187", "I188", "I197", "I199", "I805", "I806", "K301", "K08",  "K400", "K911"};
    return rules;
}

} // namespace

SteuertafelTippen::SteuertafelTippen(QWidget *parent)
    : ControlPanelPage(jogRules(), parent), ui(std::make_unique<Ui::SteuertafelTippen>())
{
    setupForm(*ui);
    setupPanel();
}

SteuertafelTippen::~SteuertafelTippen() = default;

void SteuertafelTippen::initialUpdate()
{
    ControlPanelPage::initialUpdate();
    setupDeviceControlDependingParameters();
}

void SteuertafelTippen::setupDeviceControlDependingParameters()
{
    const QString profile = readDisplayText(QStringLiteral("E75"));
    const bool driveBased = profile == QLatin1String("ARDENIC") || profile == QLatin1String("Drive Based");
    const QStringList coordinates = driveBased ? QStringList{"I10", "I11", "I16", "I16"}
                                               : QStringList{"I10", "A604", "A605", "I16"};
    const QList<QPair<ParameterControl *, ParameterControl *>> rows = {
        {ui->ParaLblVelAccJerk01, ui->ParaTextEditVelAccJerk01},
        {ui->ParaLblVelAccJerk02, ui->ParaTextEditVelAccJerk02},
        {ui->ParaLblVelAccJerk03, ui->ParaTextEditVelAccJerk03},
        {ui->ParaLblVelAccJerk04, ui->ParaTextEditVelAccJerk04}};
    for (int row = 0; row < rows.size(); ++row) {
        for (ParameterControl *control : {rows.at(row).first, rows.at(row).second})
            bindControl(control, control->index(), coordinates.at(row));
    }
    // After initialising, which takes over the form's state.
    ui->ParaTextEditVelAccJerk04->setHiddenForced(driveBased);
}

void SteuertafelTippen::applyPanelState(PanelState state, bool motionAllowed)
{
    const bool referenceSettable = hasParameter(QStringLiteral("K908"));
    switch (state) {
    case PanelState::FreigabeOffered:
    case PanelState::FreigabeBlocked:
    case PanelState::FaultOff:
        if (state != PanelState::FaultOff)
            setWidgetsVisible({QStringLiteral("FrameRefSetzen")}, referenceSettable);
        setWidgetsVisible(settingFrames, true);
        ui->ToolButtonRefSetzen->setEnabled(readInt(QStringLiteral("B20")) != 32);
        break;
    case PanelState::Enabled: {
        // Step jogging is offered in its own mode; a drive without I26 has only that mode.
        const bool stepMode = !hasParameter(QStringLiteral("I26")) || readInt(QStringLiteral("I26")) == 1;
        setWidgetsVisible(stepFrames, stepMode);
        setWidgetsVisible({QStringLiteral("FrameRefSetzen")}, referenceSettable);
        setWidgetsVisible(settingFrames, motionAllowed);
        break;
    }
    default:
        break;
    }
}

void SteuertafelTippen::finishPanelState()
{
    ui->FrameRefPos->setVisible(isShownOnPage(QStringLiteral("FrameRefSetzen")));
}
