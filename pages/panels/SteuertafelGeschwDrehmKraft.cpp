#include "SteuertafelGeschwDrehmKraft.h"

#include "ClickConnections.h"
#include "ui_SteuertafelGeschwDrehmKraft.h"

#include "ClickableLabel.h"

namespace {

// One row per element of the source selection D299: the frames of its source parameter and
// the link to the page where that source is set up (the last row has none).
struct SourceRow
{
    const char *source;
    const char *link;
    const char *target;
};
const SourceRow sourceRows[] = {
    {"D42", "ClickLblGeschwindigkeit", "DbmGeschwDrehmKraft"},
    {"D21", "ClickLblFestwBeschl", "SrcSelFixedAccel"},
    {"D22", "ClickLblFestwVerz", "SrcSelFixedDecel"},
    {"D23", "ClickLblFestwRuck", "SrcSelFixedJerk"},
    {"G468", "ClickLblVoverride", "DbmQuelleGeschwOverride"},
    {"D232", "ClickLblDrehmKraftBegr", "DbmGeschwDrehmKraft"},
    {"D233", "ClickLblDrehmKraftBegr2", "DbmGeschwDrehmKraft"},
    {"G471", "ClickLblSollDrehmKraft", "DbmQuelleDrehmKraftGeschwKlammerung"},
    {"I100", nullptr, nullptr},
};

ControlPanelPage::PanelRules velocityRules()
{
    using State = ControlPanelPage::PanelState;
    const QStringList runButtons = {"ToolButtonStop", "ToolButtonStart"};
    const ControlPanelPage::WidgetSets off{
        {},
        runButtons + QStringList{"ToolButtonHalt", "ToolButtonFreigabe"},
        {},
        {"FrameSteuerInterface", "FrameStop", "FrameStart", "FrameHalt", "FrameFreigabe", "FrameQuittierung"}};

    ControlPanelPage::PanelRules rules;
    rules.controlWord = QStringLiteral("K914");
    rules.momentaryButtons = {{"ToolButtonStart", 1}, {"ToolButtonStop", 2}};
    rules.motionButtons = runButtons;
    rules.states = {
        {State::Unavailable, off},
        {State::SwitchedOff, off},
        {State::Refused,
         {{},
          runButtons + QStringList{"ToolButtonHalt", "ToolButtonQuittierung"},
          {},
          {"FrameHalt", "FrameStop", "FrameStart", "FrameFreigabe", "FrameQuittierung"}}},
        {State::On, {{}, {}, {"FrameSteuerInterface"}, {}}},
        {State::NotEnabled, {{}, {"ToolButtonHalt"}, {}, {"FrameHalt", "FrameStop", "FrameStart"}}},
        {State::Enabled, {{}, {}, {"FrameHalt", "FrameStop", "FrameStart"}, {}}},
    };
    rules.faultReleaseBits = {0};
    rules.extraInputs = {"D01"};
    rules.liveValues = {"A900", "A918", "D01",  "D03",  "E48",  "E49",  "E81",  "E82",  "I85",  "E182",
                        "E183", "I86",  "I91",  "I180", "I182", "I183", "I184", "I185", "I187", "I188",
                        "I197", "I199", "I805", "I806", "K301", "K08",  "K400", "K914"};
    return rules;
}

} // namespace

SteuertafelGeschwDrehmKraft::SteuertafelGeschwDrehmKraft(QWidget *parent)
    : ControlPanelPage(velocityRules(), parent), ui(std::make_unique<Ui::SteuertafelGeschwDrehmKraft>())
{
    setupForm(*ui);
    setupPanel();
    for (const SourceRow &row : sourceRows) {
        if (!row.link)
            continue;
        auto *link = findChild<ClickableLabel *>(QLatin1String(row.link));
        Q_ASSERT(link);
        const QString target = QLatin1String(row.target);
        connectClick(link, this, [this, target] { jumpTo(target); });
        setLinkFrameActive(findChild<QFrame *>(QStringLiteral("Frame") + QLatin1String(row.link)), true);
    }
}

SteuertafelGeschwDrehmKraft::~SteuertafelGeschwDrehmKraft() = default;

void SteuertafelGeschwDrehmKraft::initialUpdate()
{
    ControlPanelPage::initialUpdate();
    observe(QStringLiteral("D299"), SLOT(onD299Changed()));
    onD299Changed();
}

bool SteuertafelGeschwDrehmKraft::freigabeAllowed() const
{
    return readInt(QStringLiteral("D01")) != 0;
}

void SteuertafelGeschwDrehmKraft::haltSwitched(bool checked)
{
    // Halt takes over from a latched Stop.
    if (checked)
        ui->ToolButtonStop->setChecked(false);
}

void SteuertafelGeschwDrehmKraft::onD299Changed()
{
    const auto selection = parameterInformation(QStringLiteral("D299"));
    const int rows = int(std::size(sourceRows));
    QStringList elements;
    for (int row = 0; row < rows; ++row) {
        const bool present = selection && row < selection->elementCount();
        elements << (present ? selection->rawValueText(livingSpace(), static_cast<unsigned short>(row), false)
                             : QString());
    }
    // Every source at its fixed value: the page of fixed setpoints.
    const bool allFixed = !selection || elements.count(QStringLiteral("1")) == rows;
    setStackPage(ui->stackedWidget, allFixed ? 1 : 0);
    if (allFixed)
        return;
    for (int row = 0; row < rows; ++row) {
        const bool shown = elements.at(row) == QLatin1String("0");
        const QString source = QLatin1String(sourceRows[row].source);
        setWidgetsVisible({QStringLiteral("FrameParaLbl") + source, QStringLiteral("FrameParaTxt") + source}, shown);
        if (sourceRows[row].link)
            setWidgetsVisible({QStringLiteral("Frame") + QLatin1String(sourceRows[row].link)}, shown);
    }
}

void SteuertafelGeschwDrehmKraft::refreshPanel()
{
    onD299Changed();
}
