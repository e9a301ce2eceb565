#include "Folgefahrsatz.h"

#include "ClickConnections.h"
#include "ui_Folgefahrsatz.h"

#include "ClickableLabel.h"
#include "ParameterControl.h"
#include "ParameterDefinition.h"
#include "WizardGlobal.h"

#include <QSignalBlocker>
#include <QStringListModel>

#include <algorithm>
#include <vector>

namespace {

// The follow-up numbers in the order they are shown: interrupt and end of each trigger
// slot, then the buffered one.
const char *const followUpsInShownOrder[] = {"J271", "J281", "J272", "J282", "J273", "J283",
                                           "J274", "J284", "J275", "J285", "J286"};
constexpr int triggerSlots = 5;

unsigned short elementOf(const ParameterControl *control)
{
    return static_cast<unsigned short>(control->index());
}

} // namespace

Folgefahrsatz::Folgefahrsatz(QWidget *parent)
    : MotionBlockPage(parent), ui(std::make_unique<Ui::Folgefahrsatz>()), m_entries(new QStringListModel(this))
{
    setupForm(*ui);
    setupBlockNumber(ui->lineEditFahrsatznummer, ui->toolButtonLeft, ui->toolButtonRight);

    for (const char *name : followUpsInShownOrder) {
        const QString coordinate = QLatin1String(name);
        FollowUp followUp{coordinate, findChild<ParameterLabel *>(QStringLiteral("paraLbl_") + coordinate),
                          findChild<QComboBox *>(QStringLiteral("comboBox_") + coordinate),
                          findChild<QToolButton *>(QStringLiteral("toolButton_") + coordinate)};
        Q_ASSERT(followUp.label && followUp.combo && followUp.button);
        // All lists hold the same entries: one model serves them, filled once per block.
        followUp.combo->setModel(m_entries);
        m_followUps << followUp;
    }
    for (int index = 0; index < m_followUps.size(); ++index) {
        const FollowUp &followUp = m_followUps.at(index);
        connect(followUp.combo, &QComboBox::currentIndexChanged, this,
                [this, index](int entry) { writeFollowUp(m_followUps.at(index), entry); });
        connect(followUp.button, &QToolButton::clicked, this, [this, index] { jumpToFollowUp(m_followUps.at(index)); });
    }

    for (int slot = 1; slot <= triggerSlots; ++slot) {
        const QString number = QString::number(slot);
        Trigger trigger{QStringLiteral("J25") + number,
                        QStringLiteral("J26") + number,
                        findChild<ParameterLabel *>(QStringLiteral("paraLbl_J25") + number),
                        findChild<ParameterTextEdit *>(QStringLiteral("paraTextEdit_J26") + number),
                        findChild<QFrame *>(QStringLiteral("FrameClicklabelTriggersignal") + number),
                        findChild<QLabel *>(QStringLiteral("LblFenster") + number)};
        Q_ASSERT(trigger.sourceLabel && trigger.valueEditor && trigger.frame && trigger.range);
        setLinkFrameActive(trigger.frame, true);
        if (auto *link = findChild<ClickableLabel *>(QStringLiteral("ClickLabelTriggersignal") + number))
            connectClick(link, this, &Folgefahrsatz::JumpToFahrsatzTriggersignale);
        m_triggers << trigger;
    }
    WizardGlobal().AddHoverHighlights(this);
}

Folgefahrsatz::~Folgefahrsatz() = default;

void Folgefahrsatz::initialUpdate()
{
    connectParameterControls();
    UpdatePage();
}

void Folgefahrsatz::connectParameterControls()
{
    observe(QStringLiteral("J10"), SLOT(onBlockNameChanged(ParameterAddress)));
    for (const FollowUp &followUp : std::as_const(m_followUps))
        observe(followUp.coordinate, SLOT(onFollowUpValueChanged(ParameterAddress)));
    for (const Trigger &trigger : std::as_const(m_triggers)) {
        observe(trigger.source, SLOT(onTriggerChanged(ParameterAddress)));
        observe(trigger.value, SLOT(onTriggerChanged(ParameterAddress)));
    }
}

void Folgefahrsatz::showBlock(int block)
{
    const bool buffered = hasParameter(QStringLiteral("J286"));
    for (QWidget *widget : {static_cast<QWidget *>(ui->paraLbl_J286), static_cast<QWidget *>(ui->comboBox_J286),
                            static_cast<QWidget *>(ui->toolButton_J286)})
        widget->setVisible(buffered);
    ui->widgetFolgefahrsaetze->setEnabled(block >= 0);
    ui->ParaJ10->setEnabled(block >= 0);
    QList<QWidget *> combos;
    for (const FollowUp &followUp : std::as_const(m_followUps))
        combos << followUp.combo;
    enableUnlessReadOnly(combos);
    setParaIndices(block);
}

QStringList Folgefahrsatz::blockEntries() const
{
    const int count = blockCount();
    QStringList entries;
    entries.reserve(count + 1);
    entries << tr("-1: inaktiv");
    for (int block = 0; block < count; ++block)
        entries << blockEntry(block);
    return entries;
}

QString Folgefahrsatz::blockEntry(int block) const
{
    return QString::number(block) + QStringLiteral(": ")
        + readDisplayText(QStringLiteral("J10"), static_cast<unsigned short>(block));
}

void Folgefahrsatz::onBlockNameChanged(const ParameterAddress &address)
{
    // A new count rebuilds the lists through the block number; a hidden page rebuilds them
    // when shown. Only the renamed entry is set, so that a reset of thousands of names stays
    // linear and no list moves its selection.
    const int entry = address.element() + 1;
    if (!isVisible() || m_entries->rowCount() != blockCount() + 1 || entry >= m_entries->rowCount())
        return;
    m_entries->setData(m_entries->index(entry), blockEntry(address.element()));
}

void Folgefahrsatz::retranslatePage()
{
    // Only the "inaktiv" entry is a text of the language; the selections stay.
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(m_followUps.size());
    for (const FollowUp &followUp : std::as_const(m_followUps))
        blockers.emplace_back(followUp.combo);
    if (m_entries->rowCount() > 0)
        m_entries->setData(m_entries->index(0), tr("-1: inaktiv"));
}

void Folgefahrsatz::setParaIndices(int block)
{
    {
        // Filling the lists moves their selection; that is no choice of the user to write.
        std::vector<QSignalBlocker> blockers;
        blockers.reserve(m_followUps.size());
        for (const FollowUp &followUp : std::as_const(m_followUps))
            blockers.emplace_back(followUp.combo);
        m_entries->setStringList(blockEntries());
        if (block < 0) {
            for (const FollowUp &followUp : std::as_const(m_followUps))
                followUp.combo->setCurrentIndex(-1);
            return;
        }
    }
    bindControlsToIndex(block);
    for (const FollowUp &followUp : std::as_const(m_followUps))
        showFollowUp(followUp);
    for (const Trigger &trigger : std::as_const(m_triggers))
        showTrigger(trigger);
}

void Folgefahrsatz::showFollowUp(const FollowUp &followUp)
{
    bool ok = false;
    const int entry = readText(followUp.coordinate, elementOf(followUp.label)).toInt(&ok, 10) + 1;
    // A number that names no block (or no number at all) selects nothing rather than a
    // wrong entry.
    const QSignalBlocker blocker(followUp.combo);
    followUp.combo->setCurrentIndex(ok && entry >= 0 && entry < followUp.combo->count() ? entry : -1);
}

void Folgefahrsatz::writeFollowUp(const FollowUp &followUp, int entry)
{
    if (entry < 0 || shownBlock() < 0)
        return;
    writeInt(followUp.coordinate, elementOf(followUp.label), entry - 1);
    // Show what the drive took, also when it refused the value.
    showFollowUp(followUp);
}

void Folgefahrsatz::jumpToFollowUp(const FollowUp &followUp)
{
    bool ok = false;
    const int block = readText(followUp.coordinate, elementOf(followUp.label)).toInt(&ok, 10);
    if (ok && block >= 0)
        handOverMotionBlock(block, QStringLiteral("Fahrsatz"));
}

void Folgefahrsatz::showTrigger(const Trigger &trigger)
{
    if (hasParameter(trigger.source))
        trigger.frame->setVisible(readInt(trigger.source, elementOf(trigger.sourceLabel)) != 0);
    if (hasParameter(trigger.value))
        trigger.range->setVisible(readInt(trigger.value, elementOf(trigger.valueEditor)) == 0);
}

// A host may report a change of the whole array through any element (on a resize, say),
// so any change of a row's parameter re-reads the row; coordinates compare in their
// canonical text, not as spelled.
void Folgefahrsatz::onFollowUpValueChanged(const ParameterAddress &address)
{
    const QString changed = address.coordinate().toText();
    for (const FollowUp &followUp : std::as_const(m_followUps)) {
        if (ParameterCoordinate(followUp.coordinate).toText() == changed)
            showFollowUp(followUp);
    }
}

void Folgefahrsatz::onTriggerChanged(const ParameterAddress &address)
{
    const QString changed = address.coordinate().toText();
    for (const Trigger &trigger : std::as_const(m_triggers)) {
        if (ParameterCoordinate(trigger.source).toText() == changed
            || ParameterCoordinate(trigger.value).toText() == changed)
            showTrigger(trigger);
    }
}

void Folgefahrsatz::JumpToFahrsatzTriggersignale()
{
    jumpTo(QStringLiteral("DbmSrcCtrlFollowMotionBlock"), HiddenReason::NoAnalogInputs);
}

const Folgefahrsatz::FollowUp &Folgefahrsatz::followUpOf(const char *coordinate) const
{
    const auto found = std::find_if(m_followUps.cbegin(), m_followUps.cend(), [coordinate](const FollowUp &followUp) {
        return followUp.coordinate == QLatin1String(coordinate);
    });
    Q_ASSERT(found != m_followUps.cend());
    return *found;
}

void Folgefahrsatz::showTriggerSlot(int slot)
{
    showTrigger(m_triggers.at(slot - 1));
}

// The slots by name, one line per row, each forwarding to the row's shared code.
// clang-format off
#define FOLLOW_UP_SLOTS(n)                                                                                  \
    void Folgefahrsatz::Combo_J##n##_Changed(int entry) { writeFollowUp(followUpOf("J" #n), entry); }       \
    void Folgefahrsatz::Value_J##n##_Changed() { showFollowUp(followUpOf("J" #n)); }                        \
    void Folgefahrsatz::JumpDependingOnJ##n() { jumpToFollowUp(followUpOf("J" #n)); }
FOLLOW_UP_SLOTS(271) FOLLOW_UP_SLOTS(272) FOLLOW_UP_SLOTS(273) FOLLOW_UP_SLOTS(274) FOLLOW_UP_SLOTS(275)
FOLLOW_UP_SLOTS(281) FOLLOW_UP_SLOTS(282) FOLLOW_UP_SLOTS(283) FOLLOW_UP_SLOTS(284) FOLLOW_UP_SLOTS(285)
FOLLOW_UP_SLOTS(286)
#undef FOLLOW_UP_SLOTS

#define TRIGGER_SLOTS(slot)                                                                                 \
    void Folgefahrsatz::ParaJ25##slot##_Changed() { showTriggerSlot(slot); }                                \
    void Folgefahrsatz::ParaJ26##slot##_Changed() { showTriggerSlot(slot); }
TRIGGER_SLOTS(1) TRIGGER_SLOTS(2) TRIGGER_SLOTS(3) TRIGGER_SLOTS(4) TRIGGER_SLOTS(5)
#undef TRIGGER_SLOTS
// clang-format on
