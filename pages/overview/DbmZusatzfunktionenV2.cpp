#include "DbmZusatzfunktionenV2.h"

#include "ui_DbmZusatzfunktionenV2.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

namespace {

const struct
{
    const char *coordinate;
    unsigned short element;
    const char *name;
    const char *clickSlot;
} switches[DbmZusatzfunktionenV2::SwitchCount] = {
    {"A76", 0, "CheckBoxA76", SLOT(onCheckBoxA76Clicked())},
    {"G303", 0, "CheckBoxG303_0", SLOT(onCheckBoxG303_0Clicked())},
    {"G303", 1, "CheckBoxG303_1", SLOT(onCheckBoxG303_1Clicked())},
    {"G806", 0, "CheckBoxG806_0", SLOT(onCheckBoxG806_0Clicked())},
    {"G806", 1, "CheckBoxG806_1", SLOT(onCheckBoxG806_1Clicked())},
    {"G806", 2, "CheckBoxG806_2", SLOT(onCheckBoxG806_2Clicked())},
    {"G806", 3, "CheckBoxG806_3", SLOT(onCheckBoxG806_3Clicked())},
    {"G806", 4, "CheckBoxG806_4", SLOT(onCheckBoxG806_4Clicked())},
    {"G805", 0, "CheckBoxG805", SLOT(onCheckBoxG805Clicked())},
    {"G807", 0, "CheckBoxG807", SLOT(onCheckBoxG807Clicked())},
    {"G891", 0, "CheckBoxG891", SLOT(onCheckBoxG891Clicked())},
    {"G892", 0, "CheckBoxG892", SLOT(onCheckBoxG892Clicked())},
    {"G893", 0, "CheckBoxG893", SLOT(onCheckBoxG893Clicked())},
    {"G894", 0, "CheckBoxG894", SLOT(onCheckBoxG894Clicked())},
};

constexpr int noSwitch = -1;

// One function of the page, in the order of the rows. The anchors of the link texts are only
// display: each link leads to its fixed target.
struct FunctionRow
{
    const char *presence[2];
    const char *shownPresence; // must also not be hidden
    const char *heading;
    const char *links[4];
    const char *targets[4];
    int switchId;
};

const FunctionRow functionRows[] = {
    {{"A68"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"Aktionsansteuerung\">Aktionsansteuerung</a>")},
     {"SrcAktionsansteuerung"}, DbmZusatzfunktionenV2::A76},
    {{"G303", "F40"}, "F40", nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2",
                        "<a href=\"AnalogOutput1\">Feldbusgesteuerter analoger Ausgang 1</a>")},
     {"AnalogOutput1"}, DbmZusatzfunktionenV2::G303_0},
    {{"G303", "F50"}, "F50", nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2",
                        "<a href=\"AnalogOutput2\">Feldbusgesteuerter analoger Ausgang 2</a>")},
     {"AnalogOutput2"}, DbmZusatzfunktionenV2::G303_1},
    {{"C77", "C64"}, nullptr, QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "Komparatoren"),
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"KomparatorenReal\">Komparatoren REAL32</a>"),
      QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"KomparatorenInt\">Komparatoren INT32</a>"),
      QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"KomparatorenInt16\">Komparatoren INT16</a>"),
      QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"KomparatorenInt8\">Komparatoren INT8</a>")},
     {"DbmKompReal32", "DbmKompInt32", "DbmKompInt16", "DbmKompInt8"}, DbmZusatzfunktionenV2::G806_1},
    {{"G206"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2",
                        "<a href=\"MasterDruckmarkenauswertun\">Master: Druckmarkenauswertung</a>")},
     {"MasterDruckmarkenauswertung"}, DbmZusatzfunktionenV2::G892},
    {{"G510"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"MasterNockenschaltwerk\">Master: Nockenschaltwerk</a>")},
     {"MasterNocken"}, noSwitch},
    {{"G610"}, nullptr, QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "Master Positionsmessung"),
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"MasterPositionsmessung\">Master: Positionsmessung</a>")},
     {"MasterPosMessung"}, DbmZusatzfunktionenV2::G891},
    {{"G361"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"Motorpotentiometer\">Motorpotentiometer</a>")},
     {"Motorpoti"}, DbmZusatzfunktionenV2::G807},
    {{"I60"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"Nockenschaltwerk\">Nockenschaltwerk</a>")},
     {"DbmNocken"}, DbmZusatzfunktionenV2::G806_4},
    {{"N00"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2",
                        "<a href=\"ErweitertesNockenschaltwerk\">Erweitertes Nockenschaltwerk</a>")},
     {"Nocken"}, DbmZusatzfunktionenV2::G893},
    {{"G215"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"PhasingStartseite\">Phasing</a>")},
     {"PhasingStartseite"}, noSwitch},
    {{"G00"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"PIDRegler\">PID-Regler</a>")},
     {"PidRegler"}, DbmZusatzfunktionenV2::G806_0},
    {{"J110"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"Positionsmessung\">Positionsmessung</a>")},
     {"Positionsmessung"}, DbmZusatzfunktionenV2::G806_3},
    {{"G380"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"Positionsumrechnung\">Positionsumrechnung</a>")},
     {"Positionsumrechnung"}, DbmZusatzfunktionenV2::G805},
    {{"A594"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"Touchprobe\">Touch probe</a>")},
     {"TouchProbe"}, noSwitch},
    {{"G483"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"VirtuellerMaster\">Virtueller Master</a>")},
     {"VirtuellerMaster"}, DbmZusatzfunktionenV2::G806_2},
    {{"N40"}, nullptr, nullptr,
     {QT_TRANSLATE_NOOP("DbmZusatzfunktionenV2", "<a href=\"Counter\">Zähler</a>")},
     {"Counter"}, DbmZusatzfunktionenV2::G894},
};

const QString linkFrameStyle = QStringLiteral("QFrame:hover {background-color: rgba(255,255,0, 30%)}");

} // namespace

DbmZusatzfunktionenV2::DbmZusatzfunktionenV2(QWidget *parent)
    : FunctionSwitchPage(parent), ui(new Ui::DbmZusatzfunktionenV2)
{
    setupForm(*ui);
    // All fourteen boxes exist from the start; only the rows the drive offers show theirs.
    for (int id = 0; id < SwitchCount; ++id) {
        auto *box = new QCheckBox(this);
        box->setObjectName(QString::fromLatin1(switches[id].name));
        box->hide();
        m_boxes[id] = box;
        addSwitch(box, QString::fromLatin1(switches[id].coordinate), switches[id].element);
    }
}

DbmZusatzfunktionenV2::~DbmZusatzfunktionenV2() = default;

QString DbmZusatzfunktionenV2::identifier() const
{
    return QString::fromLatin1("DbmZusatzfunktionenV2");
}

void DbmZusatzfunktionenV2::initialUpdate()
{
    connectParameterControls();
    if (!m_rowsBuilt) {
        setupDeviceDepending();
        m_rowsBuilt = true;
    }
}

void DbmZusatzfunktionenV2::connectParameterControls()
{
    const struct
    {
        const char *coordinate;
        const char *slot;
    } observed[] = {
        {"A76", SLOT(onA76Changed())},       {"G805", SLOT(onG805Changed())},
        {"G806", SLOT(onG806Changed())},     {"G807", SLOT(onG807Changed())},
        {"G891", SLOT(onG891Changed())},     {"G892", SLOT(onG892Changed())},
        {"G893", SLOT(onG893Changed())},     {"G894", SLOT(onG894Changed())},
        {"G303", SLOT(onG303_0_Changed())},  {"G303", SLOT(onG303_1_Changed())},
    };
    const eLivingSpace space = livingSpace();
    for (const auto &entry : observed) {
        const auto information = parameterInformation(QString::fromLatin1(entry.coordinate));
        if (information && information->isInLivingSpace(space))
            connect(information.data(), SIGNAL(valueChanged(ParameterAddress)), this, entry.slot,
                    Qt::UniqueConnection);
    }
}

bool DbmZusatzfunktionenV2::isOffered(const QString &coordinate) const
{
    const auto information = parameterInformation(coordinate);
    return information && (information->isInLivingSpace(livingSpace()) || information->isGlobal());
}

void DbmZusatzfunktionenV2::setupDeviceDepending()
{
    const bool g90 = isOffered(QStringLiteral("G90"));
    for (QWidget *widget : {static_cast<QWidget *>(ui->ParaCoordG90), static_cast<QWidget *>(ui->ParaNameG90),
                            static_cast<QWidget *>(ui->ParComboG90)})
        widget->setVisible(g90);

    QGridLayout *grid = ui->gridLayoutFunctions;
    int row = 1;
    for (const FunctionRow &function : functionRows) {
        bool offered = true;
        for (const char *presence : function.presence)
            offered = offered && (!presence || isOffered(QString::fromLatin1(presence)));
        if (function.shownPresence) {
            const auto information = parameterInformation(QString::fromLatin1(function.shownPresence));
            offered = offered && information && !information->isHidden(livingSpace(), 0);
        }
        if (!offered)
            continue;

        if (function.switchId != noSwitch) {
            QCheckBox *box = m_boxes[function.switchId];
            grid->addWidget(box, row, 0);
            box->show();
            box->setEnabled(!isReadOnly());
            connect(box, SIGNAL(clicked()), this, switches[function.switchId].clickSlot, Qt::UniqueConnection);
        }
        if (function.heading) {
            auto *heading = new QLabel(tr(function.heading), this);
            m_texts.append({heading, function.heading});
            grid->addWidget(heading, row++, 1, 1, 2);
        }
        for (int link = 0; link < 4 && function.links[link]; ++link)
            grid->addWidget(linkFrame(function.links[link], QString::fromLatin1(function.targets[link])), row++, 1, 1, 2);
    }
}

void DbmZusatzfunktionenV2::retranslatePage()
{
    for (const BuiltText &text : std::as_const(m_texts))
        text.label->setText(tr(text.source));
}

QFrame *DbmZusatzfunktionenV2::linkFrame(const char *source, const QString &target)
{
    const QString text = tr(source);
    auto *frame = new QFrame(this);
    frame->setStyleSheet(linkFrameStyle);
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 3, 6, 3);
    auto *label = new QLabel(text, frame);
    label->setOpenExternalLinks(false);
    m_texts.append({label, source});
    layout->addWidget(label);
    connect(label, &QLabel::linkActivated, this, [this, target] { jumpToWizardPage(target); });
    return frame;
}

void DbmZusatzfunktionenV2::showEvent(QShowEvent *event)
{
    FunctionSwitchPage::showEvent(event);
    onA76Changed();
    onG805Changed();
    onG806Changed();
    onG807Changed();
    onG891Changed();
    onG892Changed();
    onG893Changed();
    onG894Changed();
    onG303_0_Changed();
    onG303_1_Changed();
    actualizeCheckboxesEnableDisable();
}

void DbmZusatzfunktionenV2::actualizeCheckboxesEnableDisable()
{
    enableUnlessReadOnly(switchBoxes());
}

void DbmZusatzfunktionenV2::onA76Changed()
{
    showSwitches(QStringLiteral("A76"));
}

void DbmZusatzfunktionenV2::onG303_0_Changed()
{
    showSwitches(QStringLiteral("G303"), 0);
}

void DbmZusatzfunktionenV2::onG303_1_Changed()
{
    showSwitches(QStringLiteral("G303"), 1);
}

void DbmZusatzfunktionenV2::onG805Changed()
{
    showSwitches(QStringLiteral("G805"));
}

void DbmZusatzfunktionenV2::onG806Changed()
{
    showSwitches(QStringLiteral("G806"));
}

void DbmZusatzfunktionenV2::onG807Changed()
{
    showSwitches(QStringLiteral("G807"));
}

void DbmZusatzfunktionenV2::onG891Changed()
{
    showSwitches(QStringLiteral("G891"));
}

void DbmZusatzfunktionenV2::onG892Changed()
{
    showSwitches(QStringLiteral("G892"));
}

void DbmZusatzfunktionenV2::onG893Changed()
{
    showSwitches(QStringLiteral("G893"));
}

void DbmZusatzfunktionenV2::onG894Changed()
{
    showSwitches(QStringLiteral("G894"));
}

void DbmZusatzfunktionenV2::onCheckBoxA76Clicked()
{
    writeSwitch(m_boxes[A76]);
}

void DbmZusatzfunktionenV2::onCheckBoxG303_0Clicked()
{
    writeSwitch(m_boxes[G303_0]);
}

void DbmZusatzfunktionenV2::onCheckBoxG303_1Clicked()
{
    writeSwitch(m_boxes[G303_1]);
}

void DbmZusatzfunktionenV2::onCheckBoxG805Clicked()
{
    writeSwitch(m_boxes[G805]);
}

void DbmZusatzfunktionenV2::onCheckBoxG806_0Clicked()
{
    writeSwitch(m_boxes[G806_0]);
}

void DbmZusatzfunktionenV2::onCheckBoxG806_1Clicked()
{
    writeSwitch(m_boxes[G806_1]);
}

void DbmZusatzfunktionenV2::onCheckBoxG806_2Clicked()
{
    writeSwitch(m_boxes[G806_2]);
}

void DbmZusatzfunktionenV2::onCheckBoxG806_3Clicked()
{
    writeSwitch(m_boxes[G806_3]);
}

void DbmZusatzfunktionenV2::onCheckBoxG806_4Clicked()
{
    writeSwitch(m_boxes[G806_4]);
}

void DbmZusatzfunktionenV2::onCheckBoxG807Clicked()
{
    writeSwitch(m_boxes[G807]);
}

void DbmZusatzfunktionenV2::onCheckBoxG891Clicked()
{
    writeSwitch(m_boxes[G891]);
}

void DbmZusatzfunktionenV2::onCheckBoxG892Clicked()
{
    writeSwitch(m_boxes[G892]);
}

void DbmZusatzfunktionenV2::onCheckBoxG893Clicked()
{
    writeSwitch(m_boxes[G893]);
}

void DbmZusatzfunktionenV2::onCheckBoxG894Clicked()
{
    writeSwitch(m_boxes[G894]);
}
