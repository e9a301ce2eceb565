#include "ControlPanelPage.h"

#include "LedWidget.h"
#include "SvgWidget.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QMovie>
#include <QStackedWidget>

#include <algorithm>
#include <utility>

namespace {

const char *const safetyContext = "SteuertafelSicherheitshinweis";

struct SafetyNote
{
    const char *key;
    const char *text;
};

const SafetyNote safetyNotes[] = {
    {"titleSafetyNote", QT_TRANSLATE_NOOP("SteuertafelSicherheitshinweis", "Sicherheitshinweis")},
    {"messageSafetyNoteActivateControlPanel",
     QT_TRANSLATE_NOOP("SteuertafelSicherheitshinweis",
                       "<h3>WARNUNG!<br>Personen- und Sachschaden durch Achsbewegung!</h3>Beachten Sie, dass mit der "
                       "Aktivierung dieser Funktion der Antrieb – statt über eine Steuerung – über die Steuertafel der "
                       "Tellurix kontrolliert wird.<ul><li>Stellen Sie sicher, dass sich keine Personen oder Gegenstände "
                       "im Fahrbereich befinden.</li></ul>")},
    {"messageSafetyNoteDeactivateControlPanel",
     QT_TRANSLATE_NOOP("SteuertafelSicherheitshinweis",
                       "<h3>WARNUNG!<br>Personen- und Sachschaden durch Achsbewegung!</h3>Beachten Sie, dass mit der "
                       "Deaktivierung dieser Funktion der Antrieb – statt über die Steuertafel der Tellurix – wieder über "
                       "eine Steuerung kontrolliert wird.<ul><li>Stellen Sie sicher, dass sich keine Personen oder "
                       "Gegenstände im Fahrbereich befinden.</li></ul>")},
};

const char *const labelOn = QT_TRANSLATE_NOOP("ControlPanelPage", "Steuertafel ein");
const char *const labelOff = QT_TRANSLATE_NOOP("ControlPanelPage", "Steuertafel aus");

const QString diagramEnabled = QStringLiteral("Trassierband_400_340.svg");
const QString diagramDisabled = QStringLiteral("Trassierband_disabled_400_340.svg");

constexpr int bitActive = 0;
constexpr int bitHalt = 5;
constexpr int bitAcknowledge = 30;
constexpr int bitEnable = 31;

// Evaluations asked for while others ran, run again at most this often in a row.
constexpr int maxSettleRounds = 4;

// Status LEDs: which parameter element lights which LED, and when.
enum class LedRule { IsOne, Fault, Warning };
struct StatusLed
{
    const char *coordinate;
    unsigned short element;
    LedRule rule;
    const char *widget;
};
const StatusLed statusLeds[] = {
    {"E48", 0, LedRule::Fault, "LedWidgetE48"},     {"E49", 0, LedRule::Warning, "LedWidgetE49"},
    {"I85", 0, LedRule::IsOne, "LedWidgetI85"},     {"I91", 0, LedRule::IsOne, "LedWidgetI91"},
    {"I187", 0, LedRule::IsOne, "LedWidgetI187"},   {"I182", 0, LedRule::IsOne, "LedWidgetI182"},
    {"I183", 0, LedRule::IsOne, "LedWidgetI183"},   {"I180", 0, LedRule::IsOne, "LedWidgetI180"},
    {"I86", 0, LedRule::IsOne, "LedWidgetI86"},     {"I188", 0, LedRule::IsOne, "LedWidgetI188"},
    {"I184", 0, LedRule::IsOne, "LedWidgetI184"},   {"I185", 0, LedRule::IsOne, "LedWidgetI185"},
    {"E180", 0, LedRule::IsOne, "LedWidgetE180_0"}, {"E180", 1, LedRule::IsOne, "LedWidgetE180_1"},
    {"I805", 0, LedRule::IsOne, "LedWidgetI805"},   {"I806", 0, LedRule::IsOne, "LedWidgetI806"},
    {"E182", 0, LedRule::IsOne, "LedWidgetE182"},   {"E183", 0, LedRule::IsOne, "LedWidgetE183"},
};

// Parameters whose change re-evaluates every panel: a fault or the loss of the axis must
// reach the panel state whichever panel is shown.
const char *const commonInputs[] = {"A900", "A918", "E48", "E49"};

} // namespace

ControlPanelPage::ControlPanelPage(const PanelRules &rules, QWidget *parent) : BrevanePage(parent), m_rules(rules)
{
    for (const QString &coordinate : std::as_const(m_rules.liveValues))
        addLiveValue(coordinate);
    addLiveValue(QStringLiteral("E180"), 0);
    addLiveValue(QStringLiteral("E180"), 1);
}

ControlPanelPage::~ControlPanelPage()
{
    m_pageShown = false;
    // A host that closes or unloads may delete the page without hiding it first; the axis
    // must not stay under the control of a panel nobody watches. Deleted inside a host call,
    // the call hands it back once it returns.
    if (m_handle != 0 && pageHost() && m_hostDepth == 0 && !m_handingBack)
        (void)handBack();
}

void ControlPanelPage::setupPanel()
{
    m_switchOn = findChild<QAbstractButton *>(QStringLiteral("ToolButtonSteuertafelEin"));
    m_freigabe = findChild<QAbstractButton *>(QStringLiteral("ToolButtonFreigabe"));
    m_halt = findChild<QAbstractButton *>(QStringLiteral("ToolButtonHalt"));
    m_quittierung = findChild<QAbstractButton *>(QStringLiteral("ToolButtonQuittierung"));
    m_onOffLabel = findChild<QLabel *>(QStringLiteral("labelControlPanelOnOff"));
    m_diagram = findChild<SvgWidget *>(QStringLiteral("svgWidget"));
    m_movieStack = findChild<QStackedWidget *>(QStringLiteral("stackedWidgetMovie"));
    Q_ASSERT(m_switchOn && m_freigabe && m_halt && m_quittierung && m_onOffLabel && m_diagram);

    connect(m_switchOn, &QAbstractButton::clicked, this, &ControlPanelPage::onSteuertafelEinClicked);
    connect(m_freigabe, &QAbstractButton::clicked, this, &ControlPanelPage::onFreigabeClicked);
    connect(m_halt, &QAbstractButton::clicked, this, &ControlPanelPage::onHaltClicked);
    connect(m_quittierung, &QAbstractButton::pressed, this, &ControlPanelPage::onQuittierungPressed);
    connect(m_quittierung, &QAbstractButton::released, this, &ControlPanelPage::onQuittierungReleased);
    for (const MomentaryButton &momentary : std::as_const(m_rules.momentaryButtons)) {
        auto *button = findChild<QAbstractButton *>(QLatin1String(momentary.objectName));
        Q_ASSERT(button);
        const int bit = momentary.bit;
        connect(button, &QAbstractButton::pressed, this, [this, bit] { (void)setBit(bit, true); });
        connect(button, &QAbstractButton::released, this, [this, bit] { (void)setBit(bit, false); });
    }

    const struct
    {
        const char *label;
        const char *file;
    } animations[] = {{"LblGrafikVor", ":/Animation/Resources/RechtsRum.gif"},
                      {"LblGrafikRueck", ":/Animation/Resources/LinksRum.gif"}};
    for (const auto &animation : animations) {
        if (auto *label = findChild<QLabel *>(QLatin1String(animation.label))) {
            auto *movie = new QMovie(QLatin1String(animation.file), QByteArray(), this);
            label->setMovie(movie);
            m_movies << movie;
        }
    }
    if (auto *standstill = findChild<QLabel *>(QStringLiteral("LblGrafikStillstand"))) {
        // Through an icon, which takes the twice-size picture on a screen of twice the density.
        const QIcon picture(QStringLiteral(":/Animation/Resources/Stillstand.png"));
        standstill->setPixmap(picture.pixmap(picture.actualSize(QSize(256, 256)), standstill->devicePixelRatioF()));
    }
}

void ControlPanelPage::initialUpdate()
{
    QStringList inputs;
    for (const char *coordinate : commonInputs)
        inputs << QLatin1String(coordinate);
    inputs << m_rules.extraInputs;
    for (const QString &coordinate : std::as_const(inputs))
        observe(coordinate, SLOT(adjustVisibility()));
    observe(QStringLiteral("E81"), SLOT(onE81Changed()));
    observe(QStringLiteral("E82"), SLOT(onE81Changed()));
    for (const StatusLed &led : statusLeds)
        observe(QLatin1String(led.coordinate), SLOT(refreshStatusLeds()));
    observe(QStringLiteral("I199"), SLOT(onI199_I197Changed()));
    observe(QStringLiteral("I197"), SLOT(onI199_I197Changed()));
    if (ParameterProvider *parameters = provider())
        connect(parameters, &ParameterProvider::onlineChanged, this, &ControlPanelPage::onOnlineChanged,
                Qt::UniqueConnection);
}

QString ControlPanelPage::safetyNoteText(const QString &key)
{
    for (const SafetyNote &note : safetyNotes) {
        if (key == QLatin1String(note.key))
            return QCoreApplication::translate(safetyContext, note.text);
    }
    return QString();
}

QWidget *ControlPanelPage::widget(const QString &name) const
{
    return findChild<QWidget *>(name);
}

bool ControlPanelPage::isShownOnPage(const QString &name) const
{
    const QWidget *found = widget(name);
    return found && !found->isHidden();
}

void ControlPanelPage::setWidgetsVisible(const QStringList &names, bool visible)
{
    for (const QString &name : names) {
        if (QWidget *found = widget(name))
            found->setVisible(visible);
    }
}

void ControlPanelPage::setWidgetsEnabled(const QStringList &names, bool enabled)
{
    for (const QString &name : names) {
        if (QWidget *found = widget(name))
            found->setEnabled(enabled);
    }
}

void ControlPanelPage::applyWidgetSets(const WidgetSets &sets)
{
    setWidgetsEnabled(sets.enable, true);
    setWidgetsEnabled(sets.disable, false);
    setWidgetsVisible(sets.show, true);
    setWidgetsVisible(sets.hide, false);
}

void ControlPanelPage::applyPanelState(PanelState, bool) {}

void ControlPanelPage::setLabel(bool panelOn)
{
    m_labelOn = panelOn;
    m_onOffLabel->setText(QCoreApplication::translate("ControlPanelPage", panelOn ? labelOff : labelOn));
}

void ControlPanelPage::retranslatePage()
{
    setLabel(m_labelOn);
    showReason(m_shownReason);
}

ControlPanelPage::Reason ControlPanelPage::unavailableReason() const
{
    if (!isOnline())
        return Reason::Offline;
    if (readInt(QStringLiteral("A918")) != 0)
        return Reason::Locked;
    if (!hasParameter(m_rules.controlWord))
        return Reason::NoControlWord;
    if (readInt(QStringLiteral("A900")) != 0 && m_handle == 0)
        return Reason::OtherMaster;
    return Reason::None;
}

QString ControlPanelPage::reasonText(Reason reason) const
{
    switch (reason) {
    case Reason::None: break;
    case Reason::Offline: return tr("Keine Verbindung zum Antriebsregler: die Steuertafel ist nur online verfügbar.");
    case Reason::Locked: return tr("Die Steuertafeln sind im Antriebsregler gesperrt (A918).");
    case Reason::OtherMaster: return tr("Ein anderer Master steuert die Achse (A900).");
    case Reason::NoControlWord:
        return tr("Der Antriebsregler hat kein Steuerwort %1 für diese Steuertafel.").arg(m_rules.controlWord);
    case Reason::Refused: return tr("Die Übernahme der Achse wurde abgelehnt.");
    case Reason::DeviceFault: return tr("Der Antriebsregler meldet eine Störung (E48).");
    case Reason::FaultSwitchOff: return tr("Wegen einer Störung ausgeschaltet (E81 = 3, E82 = 88).");
    }
    return QString();
}

void ControlPanelPage::showReason(Reason reason)
{
    m_shownReason = reason;
    m_switchOn->setToolTip(reasonText(reason));
}

void ControlPanelPage::setDiagramEnabled(bool enabled)
{
    setDiagram(m_diagram, enabled ? diagramEnabled : diagramDisabled);
}

bool ControlPanelPage::callHost(HostCall call, int bit, bool on)
{
    const QPointer<WizardPageHost> host(pageHost());
    if (!host)
        return true;
    if (m_hostDepth > 0) {
        // A host that runs an event loop inside its call: a bit the user sets meanwhile is
        // written once the call has returned; nothing else is asked from inside a call.
        if (call == HostCall::Bit)
            m_queuedBits.append({bit, on});
        return true;
    }
    const QPointer<ControlPanelPage> page(this);
    const QSet<int> heldBits = m_heldBits;
    const int heldHandle = m_handle;
    const QString word = ownedText(m_rules.controlWord);
    int handle = heldHandle;
    ++m_hostDepth;
    switch (call) {
    case HostCall::Start: handle = host->startControlPanel(word); break;
    case HostCall::Stop: host->stopControlPanel(); handle = 0; break;
    case HostCall::Flag: host->setControlPanelFlag(on); break;
    case HostCall::Bit: host->setControlPanelBit(bit, on); break;
    }
    if (!page) {
        // Deleted by the host from inside its call: nobody watches the axis any more.
        if (handle != 0 && host)
            handBackOrphaned(host, call == HostCall::Start ? QSet<int>() : heldBits);
        return false;
    }
    --m_hostDepth;
    m_handle = handle;
    if (m_hostDepth > 0)
        return true;
    // What was asked for during the call, now that it has returned.
    if (std::exchange(m_handBackPending, false) && !m_handingBack && !handBack())
        return false;
    if (!flushQueuedBits())
        return false;
    if (m_evaluating == 0)
        settle();
    return page;
}

void ControlPanelPage::handBackOrphaned(WizardPageHost *host, const QSet<int> &heldBits)
{
    QList<int> held = heldBits.values();
    std::sort(held.begin(), held.end());
    const QPointer<WizardPageHost> alive(host);
    for (int bit : std::as_const(held)) {
        if (alive && bit != bitActive && bit != bitHalt)
            host->setControlPanelBit(bit, false);
    }
    if (alive)
        host->setControlPanelFlag(false);
    if (alive)
        host->stopControlPanel();
}

bool ControlPanelPage::setBit(int bit, bool on)
{
    if (!pageHost())
        return true;
    if (m_hostDepth == 0) {
        if (on)
            m_heldBits.insert(bit);
        else
            m_heldBits.remove(bit);
    }
    return callHost(HostCall::Bit, bit, on);
}

bool ControlPanelPage::flushQueuedBits()
{
    while (!m_queuedBits.isEmpty()) {
        const auto [bit, on] = m_queuedBits.takeFirst();
        // A panel that let go meanwhile sets nothing.
        if (on && (m_handle == 0 || m_handingBack))
            continue;
        if (!setBit(bit, on))
            return false;
    }
    return true;
}

bool ControlPanelPage::handBack(const QList<int> &releaseBits, bool flagFirst)
{
    if (!pageHost() || m_handingBack)
        return true;
    m_handingBack = true;
    m_handBackPending = false;
    // Whatever the host's calls start sees the panel off.
    m_switchOn->setChecked(false);
    if (flagFirst && !callHost(HostCall::Flag, 0, false))
        return false;
    for (int bit : releaseBits) {
        if (!setBit(bit, false))
            return false;
    }
    if (!releaseBits.contains(bitEnable) && !setBit(bitEnable, false))
        return false;
    m_freigabe->setChecked(false);
    // A momentary button still held down would otherwise stay set in the word.
    QList<int> held = m_heldBits.values();
    std::sort(held.begin(), held.end());
    for (int bit : std::as_const(held)) {
        if (bit != bitActive && bit != bitHalt && !setBit(bit, false))
            return false;
    }
    if (!flagFirst && !callHost(HostCall::Flag, 0, false))
        return false;
    if (!callHost(HostCall::Stop))
        return false;
    m_handingBack = false;
    return true;
}

ControlPanelPage::Answer ControlPanelPage::confirm(const QString &messageKey)
{
    m_warningOpen = true;
    m_warningSuperseded = false;
    // The warning's event loop is an outermost level of its own: what happens while it waits
    // is evaluated at once.
    const int evaluating = std::exchange(m_evaluating, 0);
    const bool settling = std::exchange(m_settling, false);
    const auto button = showMessage(QMessageBox::Warning, safetyNoteText(QStringLiteral("titleSafetyNote")),
                                    safetyNoteText(messageKey), QMessageBox::Ok | QMessageBox::Cancel,
                                    QMessageBox::Cancel, Qt::RichText);
    if (!button)
        return Answer::PageGone;
    m_evaluating = evaluating;
    m_settling = settling;
    m_warningOpen = false;
    if (m_warningSuperseded) {
        m_warningSuperseded = false;
        return Answer::Superseded;
    }
    return *button == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

bool ControlPanelPage::actWhileWarningOpen()
{
    if (!m_warningSuperseded) {
        const bool fault = readInt(QStringLiteral("E48")) == 5;
        if (unavailableReason() == Reason::None && !fault)
            return true; // looked at once the warning is answered
        m_warningSuperseded = true;
        if (fault)
            m_offReason = Reason::DeviceFault;
        m_switchOn->setChecked(false);
    }
    // The switch-on button is released: this ends unavailable or switched off, handing the
    // axis back if the panel holds it, and never opens a warning or takes the axis.
    return evaluate();
}

void ControlPanelPage::onSteuertafelEinClicked()
{
    if (m_hostDepth > 0 || !m_pageShown) {
        // Clicked while the host runs an event loop inside its call (or on a hidden page): the
        // panel is switched only once no call is under way, so the button goes back to what
        // the panel holds.
        m_switchOn->setChecked(m_handle != 0);
        return;
    }
    const QPointer<ControlPanelPage> page(this);
    // A new attempt: the reason the last one ended no longer applies.
    m_offReason = Reason::None;
    if (!m_switchOn->isChecked() && m_warnOnDeactivate) {
        const Answer answer = confirm(QStringLiteral("messageSafetyNoteDeactivateControlPanel"));
        if (answer == Answer::PageGone)
            return;
        if (answer == Answer::Superseded) {
            adjustVisibility();
            return;
        }
        if (answer == Answer::Ok) {
            adjustVisibility();
            if (page)
                m_warnOnDeactivate = false;
            return;
        }
        // Declined: the panel stays on, unless it was handed back while the warning was open.
        if (m_pageShown && m_handle != 0)
            m_switchOn->setChecked(true);
    }
    m_userSwitchingOn = m_switchOn->isChecked();
    adjustVisibility();
    if (page)
        m_userSwitchingOn = false;
}

void ControlPanelPage::onFreigabeClicked()
{
    // The drive is enabled only through a panel that holds the axis.
    if (m_handle == 0)
        m_freigabe->setChecked(false);
    if (setBit(bitEnable, m_freigabe->isChecked()))
        adjustVisibility();
}

void ControlPanelPage::onHaltClicked()
{
    const bool checked = m_halt->isChecked();
    if (!setBit(bitHalt, checked))
        return;
    haltSwitched(checked);
    adjustVisibility();
}

void ControlPanelPage::onQuittierungPressed()
{
    (void)setBit(bitAcknowledge, true);
}

void ControlPanelPage::onQuittierungReleased()
{
    (void)setBit(bitAcknowledge, false);
}

void ControlPanelPage::onE81Changed()
{
    if (!m_rules.faultFlagWhileHidden && !m_pageShown)
        return;
    // Latched: the pair switches the panel off at the next evaluation that finds it not
    // enabled, also when the drive reported it only for a moment.
    if (faultPairReported())
        m_faultSwitchOffPending = true;
    adjustVisibility();
}

bool ControlPanelPage::faultPairReported() const
{
    return readInt(QStringLiteral("E81")) == 3 && readInt(QStringLiteral("E82")) == 88;
}

void ControlPanelPage::onOnlineChanged(bool)
{
    const QPointer<ControlPanelPage> page(this);
    adjustVisibility();
    if (page && m_pageShown)
        onI199_I197Changed();
}

void ControlPanelPage::showOffState(PanelState state)
{
    m_switchOn->setChecked(false);
    m_halt->setChecked(false);
    m_freigabe->setChecked(false);
    setLabel(false);
    m_switchOn->setEnabled(state != PanelState::Unavailable);
    m_freigabe->setEnabled(false);
    m_halt->setEnabled(false);
    setWidgetsVisible({QStringLiteral("FrameFreigabe"), m_rules.haltFrame, QStringLiteral("FrameQuittierung")}, false);
    setDiagramEnabled(false);
    applyState(state);
}

void ControlPanelPage::applyState(PanelState state, bool motionAllowed)
{
    applyWidgetSets(m_rules.states.value(state));
    applyPanelState(state, motionAllowed);
}

void ControlPanelPage::adjustVisibility()
{
    if (!m_pageShown)
        return;
    // Asked for from inside a host call or an evaluation (a report of the host, a change
    // delivered twice): looked at once the outermost one has returned.
    if (m_hostDepth > 0 || m_evaluating > 0) {
        m_evaluationPending = true;
        return;
    }
    (void)runEvaluation();
}

bool ControlPanelPage::runEvaluation()
{
    const QPointer<ControlPanelPage> page(this);
    ++m_evaluating;
    const bool alive = m_warningOpen ? actWhileWarningOpen() : evaluate();
    if (!alive || !page) // gone if the host deleted it inside a call or a warning
        return false;
    --m_evaluating;
    finishPanelState();
    if (pageHost()) {
        const Reason unavailable = unavailableReason();
        showReason(unavailable != Reason::None ? unavailable : m_offReason);
    }
    if (m_evaluating == 0 && m_hostDepth == 0)
        settle();
    return page;
}

void ControlPanelPage::settle()
{
    if (m_settling)
        return;
    const QPointer<ControlPanelPage> page(this);
    m_settling = true;
    for (int round = 0; round < maxSettleRounds && m_evaluationPending && m_pageShown; ++round) {
        m_evaluationPending = false;
        if (!runEvaluation())
            return;
    }
    m_evaluationPending = false;
    m_settling = false;
}

bool ControlPanelPage::takeOver()
{
    // One take-over per click, however the host answers.
    m_userSwitchingOn = false;
    if (!callHost(HostCall::Start))
        return false;
    if (!m_pageShown)
        return true; // hidden during the call: handed back right after it
    if (m_handle == 0) {
        // The host did not hand the axis over (another panel holds it, or the drive refused).
        m_offReason = readInt(QStringLiteral("E48")) == 5 ? Reason::DeviceFault : Reason::Refused;
        showOffState(PanelState::SwitchedOff);
        return setBit(bitEnable, false);
    }
    m_offReason = Reason::None;
    m_heldBits.clear();
    // The axis may no longer be held: the evaluation hands it back without setting bits first.
    if (unavailableReason() != Reason::None)
        return true;
    return setBit(bitEnable, false) && setBit(bitActive, true);
}

bool ControlPanelPage::evaluate()
{
    if (!pageHost())
        return true;

    const qint64 e48 = readInt(QStringLiteral("E48"));
    const qint64 e49 = readInt(QStringLiteral("E49"));

    // Unavailable: no connection, the drive refuses, or another one holds the word.
    if (unavailableReason() != Reason::None) {
        if (m_handle != 0 && !handBack())
            return false;
        showOffState(PanelState::Unavailable);
        return true;
    }

    // Only the user's switching on takes the axis; a panel found on without it shows off.
    if (m_switchOn->isChecked() && m_handle == 0 && !m_userSwitchingOn)
        m_switchOn->setChecked(false);

    if (!m_switchOn->isChecked()) {
        if (m_handle != 0 && !handBack())
            return false;
        showOffState(PanelState::SwitchedOff);
        return setBit(bitEnable, false);
    }

    if (m_handle == 0) {
        if (m_warnOnActivate) {
            const Answer answer = confirm(QStringLiteral("messageSafetyNoteActivateControlPanel"));
            if (answer == Answer::PageGone)
                return false;
            if (answer == Answer::Superseded) {
                m_userSwitchingOn = false;
                return evaluate();
            }
            if (answer == Answer::Cancel) {
                m_userSwitchingOn = false;
                if (!m_pageShown)
                    return true;
                showOffState(PanelState::Refused);
                return setBit(bitEnable, false);
            }
            m_warnOnActivate = false;
            // The world may have changed while the warning was open: evaluate it afresh.
            return evaluate();
        }
        if (!takeOver())
            return false;
        if (m_handle == 0 || !m_pageShown)
            return true;
        if (unavailableReason() != Reason::None)
            return evaluate(); // hands the axis back at once
    }

    if (!m_switchOn->isChecked())
        return true;
    // The panel holds the axis: the button switches it off next, whatever Freigabe may do.
    setLabel(true);
    m_quittierung->setEnabled(true);
    setWidgetsVisible({QStringLiteral("FrameQuittierung")}, true);
    applyState(PanelState::On);

    if (!m_freigabe->isChecked() || e48 == 5) {
        applyState(PanelState::NotEnabled);
        if ((e49 & 0x9E) == 0 && e48 != 5 && freigabeAllowed()) {
            m_freigabe->setEnabled(true);
            setWidgetsVisible({QStringLiteral("FrameFreigabe")}, true);
            applyState(PanelState::FreigabeOffered);
        } else if (!m_faultSwitchOffPending) {
            m_freigabe->setEnabled(false);
            setWidgetsVisible({QStringLiteral("FrameFreigabe")}, true);
            applyState(PanelState::FreigabeBlocked);
            if (e48 == 5) {
                m_freigabe->setChecked(false);
                if (!setBit(bitEnable, false))
                    return false;
            }
        } else {
            m_faultSwitchOffPending = false;
            m_offReason = Reason::FaultSwitchOff;
            if (m_handle != 0 && !handBack(m_rules.faultReleaseBits, m_rules.faultReleaseFlagFirst))
                return false;
            showOffState(PanelState::SwitchedOff);
            applyState(PanelState::FaultOff);
            return setBit(bitEnable, false);
        }
    } else {
        const bool motionAllowed = !m_halt->isChecked() && e48 != 1;
        m_switchOn->setEnabled(true);
        m_halt->setEnabled(true);
        setWidgetsEnabled(m_rules.motionButtons, motionAllowed);
        setWidgetsVisible({m_rules.haltFrame, QStringLiteral("FrameFreigabe")}, true);
        m_freigabe->setEnabled(true);
        applyState(PanelState::Enabled, motionAllowed);
    }
    setDiagramEnabled(m_freigabe->isChecked());
    return true;
}

void ControlPanelPage::refreshStatusLeds()
{
    for (const StatusLed &led : statusLeds) {
        auto *widget = findChild<LedWidget *>(QLatin1String(led.widget));
        if (!widget)
            continue;
        const QString text = readText(QLatin1String(led.coordinate), led.element);
        const qint64 value = text.toLongLong(nullptr, 10);
        bool on = false;
        switch (led.rule) {
        case LedRule::IsOne: on = text == QLatin1String("1"); break;
        case LedRule::Fault: on = value == 5 || value == 6; break;
        case LedRule::Warning: on = (value & 0x1E) != 0; break;
        }
        widget->setOn(on);
    }
}

void ControlPanelPage::onI199_I197Changed()
{
    auto *forward = findChild<LedWidget *>(QStringLiteral("LedWidgetI197"));
    auto *standstill = findChild<LedWidget *>(QStringLiteral("LedWidgetI199"));
    if (!hasParameter(QStringLiteral("I199")) || !hasParameter(QStringLiteral("I197"))) {
        for (LedWidget *led : {forward, standstill}) {
            if (led)
                led->setOn(false);
        }
        return;
    }
    const bool stopped = readText(QStringLiteral("I199")) == QLatin1String("1");
    const bool forwards = readText(QStringLiteral("I197")) == QLatin1String("1");
    setStackPage(m_movieStack, (stopped || !isOnline()) ? 2 : (forwards ? 0 : 1));
    if (standstill)
        standstill->setOn(stopped);
    if (forward)
        forward->setOn(forwards);
}

void ControlPanelPage::startAnimations(bool on)
{
    // Nothing visible changes while the page is hidden, so the movies rest then.
    for (QMovie *movie : std::as_const(m_movies)) {
        if (on)
            movie->start();
        else
            movie->stop();
    }
}

void ControlPanelPage::showEvent(QShowEvent *event)
{
    m_pageShown = true;
    BrevanePage::showEvent(event);
    const QPointer<ControlPanelPage> page(this);
    adjustVisibility();
    if (!page)
        return;
    refreshStatusLeds();
    onI199_I197Changed();
    refreshPanel();
    startAnimations(true);
}

void ControlPanelPage::hideEvent(QHideEvent *event)
{
    m_pageShown = false;
    // Leaving the page always gives the axis back, without asking; hidden from inside a host
    // call, right after that call has returned.
    if (m_hostDepth > 0)
        m_handBackPending = true;
    else if (!handBack())
        return;
    // The hidden page offers nothing but switching on again.
    showOffState(PanelState::SwitchedOff);
    startAnimations(false);
    BrevanePage::hideEvent(event);
}
