#include "SteuertafelApplikation.h"

#include "ClickConnections.h"
#include "ui_SteuertafelApplikation.h"

#include "ClickableLabel.h"
#include "HostCodes.h"
#include "LedWidget.h"
#include "ParameterControl.h"

#include <QSignalBlocker>

namespace {

ControlPanelPage::PanelRules applicationRules()
{
    using State = ControlPanelPage::PanelState;
    const QStringList motionFrames = {"FrameStart", "FrameStop", "FrameReset", "FrameContinue", "FrameFahrsatz", "FrameJ302"};
    const QStringList motionButtons = {"ToolButtonStart", "ToolButtonStop", "ToolButtonReset", "ToolButtonContinue"};
    const ControlPanelPage::WidgetSets off{{}, motionButtons, {}, motionFrames};

    ControlPanelPage::PanelRules rules;
    rules.controlWord = QStringLiteral("K913");
    rules.momentaryButtons = {{"ToolButtonStart", 1}, {"ToolButtonStop", 2}, {"ToolButtonReset", 3}, {"ToolButtonContinue", 4}};
    rules.states = {
        {State::Unavailable, off},
        {State::SwitchedOff, off},
        {State::Refused,
         {{"ToolButtonQuittierung"},
          {"ToolButtonHalt", "ToolButtonStart"},
          {},
          {"FrameHalt", "FrameStart", "FrameFreigabe", "FrameQuittierung", "FrameFahrsatz", "FrameJ302"}}},
        {State::NotEnabled, {{}, {"ToolButtonHalt"}, {}, motionFrames + QStringList{"FrameHalt"}}},
        {State::Enabled, {{}, {}, {"FrameStart", "FrameStop", "FrameReset", "FrameContinue"}, {}}},
    };
    rules.faultReleaseBits = {0};
    rules.extraInputs = {"I89", "I188"};
    rules.liveValues = {"A900", "A918", "D01",  "D03",  "E48",  "E49",  "E81",  "E82",  "I85",  "E182", "E183",
                        "I86",  "I91",  "I180", "I182", "I183", "I184", "I185", "I187", "I188", "I197", "I199",
                        "I440", "I805", "I806", "J302", "J311", "J312", "J313", "J314", "J315", "K913",
                        // E47 is refreshed with E49; it goes off with the others when the page hides.
                        "E47"};
    return rules;
}

} // namespace

SteuertafelApplikation::SteuertafelApplikation(QWidget *parent)
    : ControlPanelPage(applicationRules(), parent), ui(std::make_unique<Ui::SteuertafelApplikation>())
{
    setupForm(*ui);
    setupPanel();
    connect(ui->ComboBoxJ311, &QComboBox::currentIndexChanged, this, &SteuertafelApplikation::comboJ311Changed);
    connectClick(ui->ClickLblFahrsatzbetrieb, this, &SteuertafelApplikation::onFahrsatzbetriebClicked);
    setLinkFrameActive(ui->FrameClickLblFahrsatzbetrieb, true);
}

SteuertafelApplikation::~SteuertafelApplikation() = default;

void SteuertafelApplikation::initialUpdate()
{
    ControlPanelPage::initialUpdate();
    observe(QStringLiteral("J311"), SLOT(onJ311Changed()));
    observe(QStringLiteral("J302"), SLOT(onJ302Changed()));
    // A changed number of blocks would leave entries for blocks that no longer exist.
    observe(QStringLiteral("J10"), SLOT(FillComboFahrsaetze()));
    FillComboFahrsaetze();
}

void SteuertafelApplikation::FillComboFahrsaetze()
{
    QStringList entries{tr("-1: Inaktiv")};
    const int count = elementCount(QStringLiteral("J10"));
    for (int block = 0; block < count; ++block) {
        entries << QString::number(block) + QStringLiteral(": ")
                       + readDisplayText(QStringLiteral("J10"), static_cast<unsigned short>(block));
    }
    {
        // Filling moves the selection; that is no choice of the user to write.
        const QSignalBlocker blocker(ui->ComboBoxJ311);
        ui->ComboBoxJ311->clear();
        ui->ComboBoxJ311->addItems(entries);
    }
    onJ311Changed();
}

void SteuertafelApplikation::comboJ311Changed(int index)
{
    const auto parameter = parameterObject(QStringLiteral("J311"));
    if (!parameter || index < 0)
        return;
    qint64 value = index - 1;
    // A limit the parameter does not have bounds nothing.
    const auto information = parameterInformation(QStringLiteral("J311"));
    const auto hasLimit = [&](int property) { return information && information->hasProperty(0, property); };
    if (hasLimit(HostCode::PropertyLowerLimit))
        value = qMax<qint64>(value, parameter->property(0, HostCode::PropertyLowerLimit).asInt32());
    if (hasLimit(HostCode::PropertyUpperLimit))
        value = qMin<qint64>(value, parameter->property(0, HostCode::PropertyUpperLimit).asInt32());
    writeText(QStringLiteral("J311"), 0, QString::number(value));
}

void SteuertafelApplikation::onJ311Changed()
{
    const qint64 block = readInt(QStringLiteral("J311"));
    {
        const QSignalBlocker blocker(ui->ComboBoxJ311);
        ui->ComboBoxJ311->setCurrentIndex(block + 1 >= 0 && block + 1 < ui->ComboBoxJ311->count() ? int(block + 1) : -1);
    }
    // -1 (or anything outside the blocks) selects no block: nothing to show for it.
    if (block < 0 || block >= elementCount(QStringLiteral("J11"))) {
        ui->LblVarKommando->clear();
        ui->LblVarSollwert->clear();
        ui->FrameJ16J17->hide();
        return;
    }
    const auto element = static_cast<unsigned short>(block);
    const auto commands = parameterInformation(QStringLiteral("J11"));
    ui->LblVarKommando->setText(commands->displayText(livingSpace(), element, true));
    const qint64 command = readInt(QStringLiteral("J11"), element);
    QString setpoint;
    const QString source = command >= 1 && command <= 3 ? QStringLiteral("J13")
                           : command == 4               ? QStringLiteral("J14")
                                                        : QString();
    if (!source.isEmpty() && element < elementCount(source)) {
        if (const auto information = parameterInformation(source))
            setpoint = information->displayText(livingSpace(), element, true);
    }
    ui->LblVarSollwert->setText(setpoint);
    const bool haltValues = command == 6 || command == 9;
    if (haltValues) {
        for (ParameterControl *control : std::initializer_list<ParameterControl *>{
                 ui->ParaLbl_J16, ui->ParaTextEdit_J16, ui->ParaLbl_J17, ui->ParaTextEdit_J17})
            bindControl(control, element);
    }
    ui->FrameJ16J17->setVisible(haltValues);
}

void SteuertafelApplikation::onJ302Changed()
{
    showStatusWord();
    adjustVisibility();
}

void SteuertafelApplikation::showStatusWord()
{
    const qint64 word = isOnline() ? readInt(QStringLiteral("J302")) : 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (auto *led = findChild<LedWidget *>(QStringLiteral("LedWidgetJ302_%1").arg(bit)))
            led->setOn((word >> bit) & 1);
    }
}

void SteuertafelApplikation::onFahrsatzbetriebClicked()
{
    jumpTo(QStringLiteral("Fahrsatzbetrieb"), HiddenReason::NoAnalogInputs);
}

void SteuertafelApplikation::applyPanelState(PanelState state, bool motionAllowed)
{
    if (state != PanelState::Enabled)
        return;
    const QStringList blockFrames = {QStringLiteral("FrameFahrsatz"), QStringLiteral("FrameJ302")};
    if (!motionAllowed) {
        setWidgetsEnabled({"ToolButtonStart", "ToolButtonStop", "ToolButtonReset", "ToolButtonContinue"}, false);
        setWidgetsVisible(blockFrames, false);
        return;
    }
    // A canceled block can be continued or reset, not started anew.
    const bool canceled = (readInt(QStringLiteral("J302")) >> 2) & 1;
    ui->ToolButtonStart->setEnabled(!canceled);
    ui->ToolButtonContinue->setEnabled(canceled);
    ui->ToolButtonReset->setEnabled(canceled);
    ui->ToolButtonStop->setEnabled(readInt(QStringLiteral("I89")) != 8);
    setWidgetsVisible(blockFrames, true);
}

void SteuertafelApplikation::retranslatePage()
{
    ControlPanelPage::retranslatePage();
    // The block list and the selected block's texts are set from code.
    FillComboFahrsaetze();
}

void SteuertafelApplikation::refreshPanel()
{
    onJ311Changed();
    // The panel state was evaluated a moment ago on showing; only the LEDs are new.
    showStatusWord();
    // The selection writes J311 by itself, so it is offered only where the project may change.
    enableUnlessReadOnly({ui->ComboBoxJ311});
}
