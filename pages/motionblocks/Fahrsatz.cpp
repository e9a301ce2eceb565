#include "Fahrsatz.h"

#include "ClickConnections.h"
#include "ui_Fahrsatz.h"

#include "ClickableLabel.h"
#include "DiagFahrsatzUebernehmen.h"
#include "FormCoordinate.h"
#include "ParameterControl.h"
#include "ParameterLabel.h"
#include "WizardGlobal.h"

namespace {

// Layout per command code: without and with "J21" (the layouts 10 to 13 add it).
struct LayoutChoice
{
    int command;
    int layout;
    int layoutWithJ21;
};
constexpr LayoutChoice layoutChoices[] = {
    {1, 1, 10}, {2, 1, 10}, {3, 1, 10}, {4, 3, 12}, {5, 4, 4},   {6, 5, 5},
    {8, 3, 12}, {9, 6, 13}, {11, 4, 4}, {12, 7, 7}, {13, 8, 8}, {14, 9, 9},
};
constexpr int layoutCount = 14;

// Parameters that hold one value for all blocks: their controls stay on element 0.
const QStringList globalCoordinates = {QStringLiteral("I30"), QStringLiteral("J32")};

// Everything that makes up a block, in the order it is copied.
const char *const copiedCoordinates[] = {
    "J10",  "J11",  "J13",  "J14",  "J15",  "J16",  "J17",  "J18",  "J20",  "J21",  "J24",  "J25",
    "J26",  "J27",  "J28",  "J30",  "J31",  "J33",  "J57",  "J58",  "J59",  "J60",  "J62",  "J63",
    "J64",  "J65",  "J67",  "J68",  "J69",  "J70",  "J72",  "J73",  "J74",  "J75",  "J251", "J252",
    "J253", "J254", "J255", "J261", "J262", "J263", "J264", "J265", "J271", "J272", "J273", "J274",
    "J275", "J281", "J282", "J283", "J284", "J285", "J440", "J441", "J442", "J443", "J444", "J452",
};

// Link labels are named "ClickLabel" + key + "_" + layout suffix; the key picks the slot.
struct LinkSlot
{
    const char *key;
    void (Fahrsatz::*slot)();
};
const LinkSlot links[] = {
    {"Folgefahrsatz", &Fahrsatz::JumpToFollowBlock},
    {"BegrenzungDrehmomentKraft", &Fahrsatz::JumpToBegrenzungDrehmomentKraft},
    {"OverrideGeschwindigkeit", &Fahrsatz::JumpToOverrideGeschwindigkeit},
    {"Haltebremse", &Fahrsatz::JumpToHaltebremse},
    {"DbmSrcDirection", &Fahrsatz::JumpToDbmSrcDirection},
    {"ExtGeschw", &Fahrsatz::JumpToExtGeschw},
    {"Referenzierung", &Fahrsatz::JumpToReferenzierung},
    {"GeschwKlammerung", &Fahrsatz::JumpToGeschwKlammerung},
};

} // namespace

Fahrsatz::Fahrsatz(QWidget *parent) : MotionBlockPage(parent), ui(std::make_unique<Ui::Fahrsatz>())
{
    setupForm(*ui);
    setupBlockNumber(ui->lineEditFahrsatznummer, ui->toolButtonLeft, ui->toolButtonRight);

    for (int index = 0; index < ui->stackedWidget->count(); ++index) {
        Layout layout;
        const auto widgets = ui->stackedWidget->widget(index)->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            auto *control = dynamic_cast<ParameterControl *>(widget);
            if (!control)
                continue;
            layout.controls << control;
            auto &pairs = qobject_cast<ParameterLabel *>(widget) ? layout.labels : layout.editors;
            pairs.insert(formCoordinate(control), control);
        }
        m_layouts << layout;
    }
    Q_ASSERT(m_layouts.size() == layoutCount);

    connectLinkLabels();
    connect(ui->ActionWidgetSynchronbetrieb, SIGNAL(clicked()), this, SLOT(JumpToSynchronbetrieb()));
    connect(ui->toolButtonCopyFrom, SIGNAL(clicked()), this, SLOT(copyFromFahrsatz()));
    addLiveValue(QStringLiteral("I00"));
    addLiveValue(QStringLiteral("C243"));
    WizardGlobal().AddHoverHighlights(this);
}

Fahrsatz::~Fahrsatz() = default;

void Fahrsatz::connectLinkLabels()
{
    const auto labels = findChildren<ClickableLabel *>();
    for (ClickableLabel *label : labels) {
        const QString key = label->objectName().section(QLatin1Char('_'), 0, 0).mid(int(qstrlen("ClickLabel")));
        for (const LinkSlot &link : links) {
            if (key == QLatin1String(link.key))
                connectClick(label, this, link.slot);
        }
    }
}

void Fahrsatz::initialUpdate()
{
    connectParameterControls();
    UpdatePage();
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void Fahrsatz::connectParameterControls()
{
    observe(QStringLiteral("J11"), SLOT(onJ11Changed()));
    observe(QStringLiteral("J30"), SLOT(onJ30Changed()));
    observe(QStringLiteral("J32"), SLOT(onJ32Changed()));
    observe(QStringLiteral("J08"), SLOT(onJ08Changed()));
    observe(QStringLiteral("G809"), SLOT(onG809Changed()));
    observe(QStringLiteral("I00"), SLOT(onI00Changed()));
    observe(QStringLiteral("C243"), SLOT(onC243Changed()));
}

int Fahrsatz::layoutForCommand(qint64 command, bool j33, bool i00, bool j21)
{
    for (const LayoutChoice &choice : layoutChoices) {
        if (choice.command != command)
            continue;
        const int layout = j21 ? choice.layoutWithJ21 : choice.layout;
        // Positioning with a direction of motion: the layout after it adds "J33".
        return command == 1 && j33 && i00 ? layout + 1 : layout;
    }
    return 0;
}

int Fahrsatz::layoutForBlock(int block) const
{
    if (!hasParameter(QStringLiteral("J11")))
        return -1;
    return layoutForCommand(readInt(QStringLiteral("J11"), static_cast<unsigned short>(block)),
                            hasParameter(QStringLiteral("J33")), readText(QStringLiteral("I00")) == QLatin1String("1"),
                            hasParameter(QStringLiteral("J21")));
}

void Fahrsatz::showBlock(int block)
{
    const bool blocks = block >= 0;
    ui->stackedWidget->setEnabled(blocks);
    ui->FrameGrafikSynchronbetrieb->setEnabled(blocks);
    ui->toolButtonCopyFrom->setEnabled(blocks && !isReadOnly());
    if (!blocks) {
        showLayout(0);
        ui->FrameGrafikSynchronbetrieb->hide();
        return;
    }
    setParaIndices(block);
}

void Fahrsatz::updateReadOnly()
{
    MotionBlockPage::updateReadOnly();
    ui->toolButtonCopyFrom->setEnabled(shownBlock() >= 0 && !isReadOnly());
}

void Fahrsatz::onJ11Changed()
{
    // A hidden page catches up when it is shown; rebinding it for each element of a reset
    // of thousands of blocks would only cost time.
    if (isVisible())
        UpdatePage();
}

void Fahrsatz::onI00Changed()
{
    choosePageDesign();
}

void Fahrsatz::onC243Changed()
{
    choosePageDesign();
}

void Fahrsatz::onG809Changed()
{
    choosePageDesign();
}

void Fahrsatz::choosePageDesign()
{
    const int block = shownBlock();
    if (block >= 0)
        applyLayout(block);
}

void Fahrsatz::applyLayout(int block)
{
    int layout = layoutForBlock(block);
    if (layout >= 0)
        showLayout(layout);
    else
        layout = ui->stackedWidget->currentIndex();
    // Whatever comes into view edits the block in the number field: I00, C243 and G809 choose
    // another layout without a change of block, and a layout's controls may last have shown
    // another block or none at all.
    if (pageHost()) {
        for (ParameterControl *control : std::as_const(m_layouts.at(layout).controls)) {
            const bool global = globalCoordinates.contains(formCoordinate(control));
            bindControl(control, global ? 0u : static_cast<unsigned int>(block));
        }
    }
    onJ08Changed();
    onJ30Changed();
    onJ32Changed();
    if (!hasParameter(QStringLiteral("J11")))
        return;

    const bool showJ452 = readText(QStringLiteral("G809")) == QLatin1String("1");
    const QString j452 = QStringLiteral("J452");
    for (const Layout &each : std::as_const(m_layouts)) {
        for (ParameterControl *control : {each.labels.value(j452), each.editors.value(j452)}) {
            if (control)
                control->setHiddenForced(!showJ452);
        }
    }

    const qint64 command = readInt(QStringLiteral("J11"), static_cast<unsigned short>(block));
    if (command >= 1 && command <= 3)
        forceReadOnly(QStringLiteral("J33"), {2, 11}, readText(QStringLiteral("C243")) != QLatin1String("1"));
    ui->FrameGrafikSynchronbetrieb->setVisible(command >= 12 && command <= 14);
}

void Fahrsatz::showLayout(int layout)
{
    setStackPage(ui->stackedWidget, layout);
    // The stack takes the size of its largest page; leaving the hidden layouts out keeps the
    // graphic below close to the parameters shown.
    for (int index = 0; index < ui->stackedWidget->count(); ++index) {
        const auto policy = index == layout ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        ui->stackedWidget->widget(index)->setSizePolicy(policy, policy);
    }
}

void Fahrsatz::setParaIndices(int block)
{
    if (!pageHost() || block < 0)
        return;
    applyLayout(block);
}

void Fahrsatz::forceReadOnly(const QString &coordinate, std::initializer_list<int> layouts, bool readOnly)
{
    for (int layout : layouts) {
        if (ParameterControl *editor = m_layouts.value(layout).editors.value(coordinate))
            editor->setReadonlyForced(readOnly);
    }
}

void Fahrsatz::onJ08Changed()
{
    // "J25" can be set per block only while "J08" is 2.
    forceReadOnly(QStringLiteral("J25"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
                  readText(QStringLiteral("J08")) != QLatin1String("2"));
}

void Fahrsatz::onJ30Changed()
{
    // "J30" = 1: the velocity comes from an external source, not from "J14".
    const int layout = hasParameter(QStringLiteral("J21")) ? 12 : 3;
    const ParameterControl *label = m_layouts.value(layout).labels.value(QStringLiteral("J14"));
    const auto element = static_cast<unsigned short>(label ? label->index() : 0);
    forceReadOnly(QStringLiteral("J14"), {3, 12}, readText(QStringLiteral("J30"), element) == QLatin1String("1"));
}

void Fahrsatz::onJ32Changed()
{
    // "J32" other than 0: the set torque comes from an external source, not from "J26".
    const bool external = hasParameter(QStringLiteral("J32")) && readText(QStringLiteral("J32")) != QLatin1String("0");
    forceReadOnly(QStringLiteral("J26"), {6, 13}, external);
}

void Fahrsatz::copyFromFahrsatz()
{
    const int target = shownBlock();
    if (target < 0 || isReadOnly())
        return;
    const int count = blockCount();
    QStringList entries;
    entries.reserve(count);
    for (int block = 0; block < count; ++block) {
        entries << QString::number(block) + QStringLiteral(": ")
                + readDisplayText(QStringLiteral("J10"), static_cast<unsigned short>(block));
    }
    // The dialog answers the chosen entry + 1; anything below 1 is a cancel.
    const auto answer = runDialog(new DiagFahrsatzUebernehmen(entries, this));
    if (!answer)
        return;
    const int source = *answer - 1;
    if (source < 0 || source >= count)
        return;
    copyFahrsatz(source, target);
    setParaIndices(target);
}

void Fahrsatz::copyFahrsatz(int source, int target)
{
    if (source < 0 || target < 0)
        return;
    const eLivingSpace space = livingSpace();
    for (const char *coordinate : copiedCoordinates) {
        const auto parameter = parameterObject(QLatin1String(coordinate));
        // A parameter too short for either block is left alone rather than half copied.
        if (!parameter || source >= parameter->elementCount() || target >= parameter->elementCount())
            continue;
        const auto from = static_cast<unsigned short>(source);
        writeText(QLatin1String(coordinate), static_cast<unsigned short>(target), parameter->valueText(space, from, false));
    }
}

void Fahrsatz::JumpToFollowBlock()
{
    const int block = shownBlock();
    if (block >= 0)
        handOverMotionBlock(block, QStringLiteral("Folgefahrsatz"));
}

void Fahrsatz::JumpToBegrenzungDrehmomentKraft()
{
    jumpTo(QStringLiteral("DbmMotionBlockTrqForce"));
}

void Fahrsatz::JumpToOverrideGeschwindigkeit()
{
    jumpTo(QStringLiteral("DbmQuelleGeschwOverride"));
}

void Fahrsatz::JumpToHaltebremse()
{
    jumpTo(QStringLiteral("SeiteAllgemein"));
}

void Fahrsatz::JumpToDbmSrcDirection()
{
    jumpTo(QStringLiteral("DbmSrcDirection"));
}

void Fahrsatz::JumpToExtGeschw()
{
    jumpTo(QStringLiteral("DbmQuelleExterneGeschwindigkeit"));
}

void Fahrsatz::JumpToReferenzierung()
{
    jumpTo(QStringLiteral("Referenzfahrt"));
}

void Fahrsatz::JumpToGeschwKlammerung()
{
    jumpTo(QStringLiteral("DbmQuelleDrehmKraftGeschwKlammerung"));
}

void Fahrsatz::JumpToSynchronbetrieb()
{
    jumpTo(QStringLiteral("SynchronBetrieb"));
}
