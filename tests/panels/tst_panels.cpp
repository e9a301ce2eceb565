#include "ControlPanelPage.h"
#include "HostVariants.h"
#include "PageInput.h"
#include "PageRegistry.h"
#include "PageTable.h"
#include "StateFields.h"
#include "StoreSeed.h"
#include "SvgWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMovie>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace {

// The four panels: the control word each hands to the host, the widgets the common look is
// read from, what it clears before it gives the axis back after a fault, the drive changes
// that re-evaluate it besides the common ones and its momentary buttons ("pre:Button=bit", pre a
// drive change that offers the button).
struct PanelKind
{
    const char *identifier, *controlWord, *motionButton, *motionFrame, *haltFrame, *faultRelease, *inputs, *buttons;
};

const PanelKind panelKinds[] = {
    {"SteuertafelApplikation", "K913", "ToolButtonStart", "FrameStart", "FrameHalt", "b0=0 b31=0 flag0 stop",
     "I89=8 I188=1 J302=4", "Start=1 Stop=2 J302=4:Reset=3 J302=4:Continue=4"},
    {"SteuertafelTippen", "K911", "ToolButtonTipRight", "FrameTipPlus", "FrameTipHalt", "b0=0 b5=0 b31=0 flag0 stop",
     "I26=0 K908=1 B20=32", "TipRight=1 TipLeft=2 TipUp=3 TipDown=4 RefSetzen=6"},
    {"SteuertafelPLCopen", "K912", "ToolButtonStart", "FrameStart", "FrameHalt", "flag0 b31=0 stop", "I188=1", "Start=1"},
    {"SteuertafelGeschwDrehmKraft", "K914", "ToolButtonStart", "FrameStart", "FrameHalt", "b0=0 b31=0 flag0 stop",
     "D01=2", "Start=1 Stop=2"},
};

const PanelKind *kindOf(const QString &identifier)
{
    const auto *kind = std::find_if(std::begin(panelKinds), std::end(panelKinds),
                                    [&](const PanelKind &each) { return identifier == QLatin1String(each.identifier); });
    return kind == std::end(panelKinds) ? nullptr : kind;
}

// A drive on which every panel can be switched on: online, nothing refused, no fault.
const QString panelDrive = QStringLiteral(
    "A900=0 A918=0 B20=0 D01=1 D03=0 E47=0 E48=0 E49=0 E81=0 E82=0 E180=0,0 E182=0 E183=0 I26=1 I85=0 I86=0 I89=0 "
    "I91=0 I180=0 I182=0 I183=0 I184=0 I185=0 I187=0 I188=0 I197=0 I199=0 I440=0 I805=0 I806=0 J302=0 J311=0 J312=0 "
    "J313=0 J314=0 J315=0 K08=0 K301=0 K400=0 K412=0 K413=0 K414=0 K908=0 K911=0 K912=0 K913=0 K914=0");

// Host calls that touch the control panel, shortened: "start(K913)", "stop", "flag0", "b31=0".
QString panelCalls(const RecordingHost &host)
{
    QString calls = host.calls({"startControlPanel", "stopControlPanel", "setControlPanel"}).join(QLatin1Char(' '));
    calls.replace(QLatin1String("true"), QLatin1String("1")).replace(QLatin1String("false"), QLatin1String("0"));
    calls.replace(QLatin1String("stopControlPanel()"), QLatin1String("stop"));
    calls.replace(QRegularExpression(QStringLiteral("startControlPanel\\((\\w+)\\)")), QStringLiteral("start(\\1)"));
    calls.replace(QRegularExpression(QStringLiteral("setControlPanelFlag\\((\\d)\\)")), QStringLiteral("flag\\1"));
    return calls.replace(QRegularExpression(QStringLiteral("setControlPanelBit\\((\\d+),(\\d)\\)")), QStringLiteral("b\\1=\\2"));
}

// What the common widgets show, in one line: switch-on checked/enabled, Freigabe
// checked/enabled/frame shown, Halt frame, Quittierung frame, the first motion button (h hidden,
// E enabled, d disabled), label names switching off next, diagram enabled, and the switch-on
// button's tool tip where it has one.
QString panelLook(const QWidget *page, const PanelKind &kind)
{
    const auto bit = [](bool value) { return value ? QLatin1Char('1') : QLatin1Char('0'); };
    const auto shown = [page](const QString &name) { return !child(page, name)->isHidden(); };
    auto *switchOn = child<QAbstractButton>(page, "ToolButtonSteuertafelEin");
    auto *freigabe = child<QAbstractButton>(page, "ToolButtonFreigabe");
    QString look = QStringLiteral("S") + bit(switchOn->isChecked()) + bit(switchOn->isEnabled()) + " F"
                   + bit(freigabe->isChecked()) + bit(freigabe->isEnabled()) + bit(shown("FrameFreigabe")) + " H"
                   + bit(shown(kind.haltFrame)) + " Q" + bit(shown("FrameQuittierung")) + " M"
                   + (!shown(kind.motionFrame) ? 'h' : child(page, kind.motionButton)->isEnabled() ? 'E' : 'd') + " L"
                   + bit(child<QLabel>(page, "labelControlPanelOnOff")->text() == QLatin1String("Steuertafel aus")) + " D"
                   + bit(!child<SvgWidget>(page, "svgWidget")->fileName().contains(QLatin1String("disabled")));
    return switchOn->toolTip().isEmpty() ? look : look + " \"" + switchOn->toolTip() + '"';
}

// The look's fields in words, for the failure message.
const QStringList lookNames = {"switch-on checked", "switch-on enabled", "Freigabe checked", "Freigabe enabled",
                               "Freigabe frame shown", "halt frame shown", "acknowledge frame shown", "motion button",
                               "label offers switching off", "diagram enabled", "tool tip"};
QStringList lookFields(const QString &look)
{
    static const QHash<QChar, QString> words = {{'1', "on"}, {'0', "off"}, {'h', "hidden"}, {'E', "enabled"}, {'d', "disabled"}};
    QStringList fields;
    for (const QString &group : look.section(QLatin1Char('"'), 0, 0).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (const QChar code : group.mid(1))
            fields << words.value(code, code);
    }
    return fields << look.section(QLatin1Char('"'), 1, 1);
}

const QString lookOff = QStringLiteral("S01 F000 H0 Q0 Mh L0 D0");
const QString lookUnavailable = QStringLiteral("S00 F000 H0 Q0 Mh L0 D0");
const QString lookOffered = QStringLiteral("S11 F011 H0 Q1 Mh L1 D0");
const QString lookBlocked = QStringLiteral("S11 F001 H0 Q1 Mh L1 D0");
const QString lookEnabled = QStringLiteral("S11 F111 H1 Q1 ME L1 D1");
const QString lookEnabledHalted = QStringLiteral("S11 F111 H1 Q1 Md L1 D1");

// What a user and the drive do, and how the panel ends on a host that hands the axis out; one
// script per way the axis is handed back (a deletion between steps is a row of stateMachine).
struct UserScript
{
    const char *name, *steps, *end;
};
const UserScript userScripts[] = {
    {"Escape on the activation warning", "show on?", "off"},
    {"switch-off accepted", "show on! freigabe off!", "off"},
    {"going offline", "show on! freigabe offline", "off"},
    {"hidden while enabled", "show on! freigabe hide", "off"},
    {"E48 5 while enabled", "show on! freigabe E48=5", "on"},
    {"fault pair came and went, then not enabled", "show on! E81=3 E82=88 E82=0 E81=0 E49=2", "off"},
    {"A900 and A918 change", "show on! freigabe A900=1 A918=1 A918=0 A900=0 on", "on"},
};

// Why the switch-on button cannot take the axis, as its tool tip says.
QString because(const QString &look, const char *reason)
{
    return look + QStringLiteral(" \"") + QString::fromUtf8(reason) + QLatin1Char('"');
}

} // namespace

// The control panels, the pages that show control and status words as LEDs, and the jog overview.
class TestPanels : public PageFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stateMachine_data();
    void stateMachine();
    void directionAnimations_data();
    void directionAnimations();
    void safetyInvariant_data();
    void safetyInvariant();
    void states_data();
    void states();
    void hostVariants_data();
    void hostVariants();
    void switchLabel_data();
    void switchLabel();

private:
    // One run of the script under what a closed host may do inside its control-panel calls, each
    // step checked; the deleting host deletes the page from inside control-panel call number
    // deleteAt. The state the panel ends in ("on", "off", "gone", or "mixed").
    QString runUnder(const QString &panel, HostBehaviour behaviour, const QString &script, int deleteAt);
    // One step of run(); the host's rules are checked after it.
    void watchedStep(const QString &step);
    // The host's rules broken so far, by step.
    QString breaches();
    // Seeds panelDrive and then the drive (see seedTokens()), opens the page as a host of the
    // behaviour does and runs the script. The host that deletes the page does so from inside a
    // call runUnder() picks, and reports the drive in every call.
    void open(const QString &identifier, const QString &drive, const QString &script,
              HostBehaviour behaviour = HostBehaviour::StandIn);
    // Runs the steps of PageScript and those of a panel: delete (the host deletes the page),
    // on / off (click the switch-on button; "!" answers the warning with OK, "?" with Cancel;
    // "on{a,b}!" runs the steps a and b while the warning is open, then answers it), freigabe,
    // halt, press:B and release:B (a button), refuse (the host hands out no handle), start{a,b}
    // (the host runs the steps from inside its next startControlPanel call; call{a,b} inside
    // its next control-panel call of any kind), -word and +word
    // (the drive loses the panel's control word silently, or has it again).
    void run(const QString &script);

    // The host the page sees: the recording host as a host variant has it, its rules checked.
    std::unique_ptr<VariantHost> m_variant;
    QStringList m_breaches;
    QString m_controlWord;
    int m_panelCalls = 0;
    // Qt touches a widget after its show and hide events: no host deletes a page inside them.
    bool m_inShowOrHide = false;
};

void TestPanels::init()
{
    // A watcher left over would answer the next test's boxes.
    cleanup();
    m_breaches.clear();
    fresh();
    m_host->addPages({"Fahrsatzbetrieb", "Referenzfahrt", "DbmQuelleExterneGeschwindigkeit", "DbmQuelleGeschwOverride",
                      "DbmQuelleDrehmKraftGeschwKlammerung", "DbmGeschwDrehmKraft", "SrcSelFixedAccel", "SrcSelFixedDecel",
                      "SrcSelFixedJerk", "DbmSrcBinSignals", "DbmMotionBlockBinSignals", "SrcCommandBinSignals",
                      "AntriebsreglerBedienteil", "SteuertafelTippen", "AntriebBeobPosiKern1"});
}

// The page goes while the host variant it was given lives, the variant before the host it wraps.
void TestPanels::cleanup()
{
    m_page.reset();
    m_variant.reset();
}

void TestPanels::open(const QString &identifier, const QString &drive, const QString &script, HostBehaviour behaviour)
{
    seedTokens(m_host->store(), panelDrive + QLatin1Char(' ') + drive);
    m_page.reset(PageRegistry::createPage(identifier));
    QVERIFY(m_page);
    m_controlWord = kindOf(identifier) ? QLatin1String(kindOf(identifier)->controlWord) : QString();
    if (behaviour == HostBehaviour::DeletesPage)
        behaviour = HostBehaviour::ReportsInCalls;
    m_variant = std::make_unique<VariantHost>(m_host.get(), behaviour, qHash(QByteArray(QTest::currentDataTag())));
    m_variant->adopt(m_page.get());
    m_host->attach(m_page.get(), m_variant.get());
    m_script->setPage(m_page.get());
    run(script);
}

void TestPanels::run(const QString &script)
{
    static const QRegularExpression click(QStringLiteral("^(on|off)(\\{(.*)\\})?([!?]?)$"));
    for (const QString &step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString argument = step.section(QLatin1Char(':'), 1);
        const auto inside = [&step] {
            return step.section(QLatin1Char('{'), 1).chopped(1).replace(QLatin1Char(','), QLatin1Char(' '));
        };
        if (step == QLatin1String("delete")) {
            m_page.reset();
        } else if (const auto match = click.match(step); match.hasMatch()) {
            const auto button = match.captured(4) == QLatin1String("!") ? QMessageBox::Ok : QMessageBox::Cancel;
            if (match.hasCaptured(2)) {
                const QString during = match.captured(3).replace(QLatin1Char(','), QLatin1Char(' '));
                m_watcher->actOnNext([this, during, button] {
                    run(during);
                    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                        box->button(button)->click();
                });
            } else if (!match.captured(4).isEmpty()) {
                m_watcher->answer(button);
            }
            const HostBehaviours::UserSwitchesPanelOn switching;
            child<QAbstractButton>(m_page.get(), "ToolButtonSteuertafelEin")->click();
        } else if (step.startsWith(QLatin1String("start{")) || step.startsWith(QLatin1String("call{"))) {
            // Once only; the observer is gone (with what it holds) when the steps run.
            const bool anyCall = step.startsWith(QLatin1String("call{"));
            m_host->setCallObserver([this, during = inside(), anyCall](const QString &call) {
                if (anyCall || call.startsWith(QLatin1String("startControlPanel"))) {
                    TestPanels *self = this;
                    const QString steps = during;
                    self->m_host->setCallObserver({});
                    self->run(steps);
                }
            });
        } else if (step == QLatin1String("freigabe") || step == QLatin1String("halt")) {
            child<QAbstractButton>(m_page.get(), step == QLatin1String("halt") ? "ToolButtonHalt" : "ToolButtonFreigabe")->click();
        } else if (step.startsWith(QLatin1String("press:"))) {
            QTest::mousePress(child(m_page.get(), argument), Qt::LeftButton);
        } else if (step.startsWith(QLatin1String("release:"))) {
            QTest::mouseRelease(child(m_page.get(), argument), Qt::LeftButton);
        } else if (step == QLatin1String("refuse")) {
            m_host->setControlPanelHandle(0);
        } else if (step == QLatin1String("+word")) {
            if (!m_host->store().contains(m_controlWord))
                seedTokens(m_host->store(), m_controlWord + QStringLiteral("=0"));
        } else if (step == QLatin1String("-word")) {
            m_host->store().remove(m_controlWord);
        } else {
            QVERIFY2(m_script->step(step), qPrintable(step));
        }
    }
}

void TestPanels::stateMachine_data()
{
    // look: "*": not compared
    addColumns<QString>("panel", "script", "calls", "look");

    // START stands for the panel's start call, FAULT for its release before a fault stop.
    const QString start = QStringLiteral("START b31=0 b0=1");
    const QString on = QStringLiteral("b31=0 ") + start;
    const QString enabled = on + QStringLiteral(" b31=1");
    const QString handBack = QStringLiteral("b31=0 flag0 stop");
    const char *const offline = "Keine Verbindung zum Antriebsregler: die Steuertafel ist nur online verfügbar.";
    const char *const locked = "Die Steuertafeln sind im Antriebsregler gesperrt (A918).";
    const char *const otherMaster = "Ein anderer Master steuert die Achse (A900).";
    const char *const noWord = "Der Antriebsregler hat kein Steuerwort WORD für diese Steuertafel.";
    const char *const refused = "Die Übernahme der Achse wurde abgelehnt.";
    const char *const deviceFault = "Der Antriebsregler meldet eine Störung (E48).";
    const char *const faultOff = "Wegen einer Störung ausgeschaltet (E81 = 3, E82 = 88).";
    using Row = std::array<QString, 4>;
    const QList<Row> rows = {
        {"shown, off", "show", "b31=0", lookOff},
        {"shown offline", "offline show", "", because(lookUnavailable, offline)},
        {"shown with A918", "A918=1 show", "", because(lookUnavailable, locked)},
        {"shown while another holds the axis", "A900=1 show on", "", because(lookUnavailable, otherMaster)},
        {"no control word", "-word show on", "", because(lookUnavailable, noWord)},
        {"activation accepted", "show on!", on, lookOffered},
        {"activation declined, then warned again", "show on? on!", "b31=0 " + on, lookOffered},
        {"host hands out no handle", "show refuse on!", "b31=0 START b31=0", because(lookOff, refused)},
        {"no handle, the drive at fault", "E48=5 show refuse on!", "b31=0 START b31=0", because(lookOff, deviceFault)},
        {"E49 bit 8 only offers Freigabe", "E49=256 show on!", on, lookOffered},
        {"E49 bit 7 blocks Freigabe", "E49=128 show on!", on, lookBlocked},
        {"switched on with an E49 warning", "E49=2 show on!", on, lookBlocked},
        {"Freigabe released", "show on! freigabe freigabe", enabled + " b31=0", lookOffered},
        {"halt released", "show on! freigabe halt halt", enabled + " b5=1 b5=0", lookEnabled},
        {"E48 1 stops motion", "show on! freigabe E48=1", enabled, lookEnabledHalted},
        {"fault clears Freigabe", "show on! freigabe E48=5", enabled + " b31=0", lookBlocked},
        {"fault switch-off", "show on! E49=2 E81=3 E82=88", on + " FAULT b31=0", because(lookOff, faultOff)},
        {"fault flag alone keeps Freigabe offered", "show on! E81=3 E82=88", on, lookOffered},
        // The pair is latched until a not-enabled evaluation, also when it went again.
        {"fault pair gone before switching on", "show E81=3 E82=88 E82=0 on! E49=2",
         "b31=0 b31=0 b31=0 " + on + " FAULT b31=0", because(lookOff, faultOff)},
        {"acknowledge", "show on! press:ToolButtonQuittierung release:ToolButtonQuittierung", on + " b30=1 b30=0", lookOffered},
        {"held button released on hand-back", "show on! freigabe press:MOTION offline", enabled + " b1=1 b31=0 b1=0 flag0 stop b1=0",
         because(lookUnavailable, offline)},
        {"offline hands back", "show on! freigabe offline", enabled + " " + handBack, because(lookUnavailable, offline)},
        {"A918 hands back", "show on! A918=1", on + " " + handBack, because(lookUnavailable, locked)},
        // The project's read-only state is about its parameters; the panel keeps the axis.
        {"read-only keeps the axis", "show on! freigabe readonly", enabled, lookEnabled},
        {"own A900 reported during the start call", "show start{A900=1} on!", on, lookOffered},
        {"change during the start call, no second start", "show start{E49=2} on!", on, lookBlocked},
        {"lock during the start call hands back", "show start{A918=1} on!", "b31=0 START " + handBack,
         because(lookUnavailable, locked)},
        {"offline during the start call hands back", "show start{offline} on!", "b31=0 START " + handBack,
         because(lookUnavailable, offline)},
        {"hidden during the start call hands back", "show start{hide} on!", "b31=0 START " + handBack, lookOff},
        {"control word lost", "show on! -word E82=1", on + " " + handBack, because(lookUnavailable, noWord)},
        {"switch-off declined, then warned again", "show on! off? off!", on + " " + handBack + " b31=0", lookOff},
        {"fault while the activation warning is open", "show on{E48=5}!", "b31=0 b31=0 b31=0", because(lookOff, deviceFault)},
        {"change while the activation warning is open", "show on{E49=2}!", on, lookBlocked},
        {"lock while the activation warning is open", "show on{A918=1,A918=0}!", "b31=0 b31=0 b31=0", lookOff},
        {"fault while the switch-off warning is open", "show on! freigabe off{E48=5}?",
         enabled + " " + handBack + " b31=0 b31=0", because(lookOff, deviceFault)},
        {"offline and online while the switch-off warning is open", "show on! freigabe off{offline,online}?",
         enabled + " " + handBack + " b31=0 b31=0", lookOff},
        {"each warning once", "show on! off! on off", on + " " + handBack + " b31=0 " + start + " " + handBack + " b31=0", lookOff},
        {"hide and show again", "show on! freigabe hide show", enabled + " " + handBack + " b31=0", lookOff},
        // A host may delete a panel from inside a warning's event loop, from inside the start
        // call, or without hiding it: the page goes quietly and the axis is handed back.
        {"deleted while on", "show on! freigabe delete", enabled + " " + handBack, "*"},
        {"deleted in the activation warning", "show on{delete}!", "b31=0", "*"},
        {"deleted in the switch-off warning", "show on! freigabe off{delete}!", enabled + " " + handBack, "*"},
        {"deleted in the start call", "show start{delete} on!", "b31=0 START flag0 stop", "*"},
        // A host that runs an event loop inside its call: what the user does there waits for it.
        {"button released inside a host call", "show on! freigabe press:MOTION call{release:MOTION} halt",
         enabled + " b1=1 b5=1 b1=0", "*"},
        {"button pressed again inside a host call", "show on! freigabe press:MOTION call{press:MOTION} release:MOTION",
         enabled + " b1=1 b1=0 b1=1", "*"},
        {"switch-off clicked inside a host call", "show on! freigabe call{off} halt", enabled + " b5=1",
         lookEnabledHalted},
        {"Freigabe released inside a host call", "show on! freigabe call{freigabe} halt",
         enabled + " b5=1 b31=0", lookOffered},
        {"activation warning not repeated after hiding", "show on! hide show on",
         on + " " + handBack + " b31=0 " + start, lookOffered},
    };
    for (const PanelKind &kind : panelKinds) {
        QList<Row> own = rows;
        // Each change the panel watches re-evaluates it: a control word lost silently meanwhile
        // is noticed at once.
        for (const QString &input : ("A900=1 E48=1 E49=2 E81=3 E82=1 " + QLatin1String(kind.inputs)).split(' '))
            own.append({input.section('=', 0, 0) + " re-evaluates", "show on! freigabe -word " + input,
                        enabled + " " + handBack, because(lookUnavailable, noWord)});
        for (const QString &button : QString::fromLatin1(kind.buttons).split(QLatin1Char(' '))) {
            const QString name = "ToolButton" + button.section(':', -1).section('=', 0, 0);
            own.append({name, button.section(':', 0, -2) + " show on! freigabe press:" + name + " release:" + name,
                        enabled + QStringLiteral(" b%1=1 b%1=0").arg(button.section('=', -1)), "*"});
        }
        for (const Row &row : std::as_const(own)) {
            QTest::addRow("%s: %s", kind.identifier, qPrintable(row[0]))
                << QString::fromLatin1(kind.identifier) << QString(row[1]).replace("MOTION", kind.motionButton)
                << QString(row[2]).replace("START", QStringLiteral("start(%1)").arg(kind.controlWord)).replace("FAULT", kind.faultRelease)
                << QString(row[3]).replace(QLatin1String("WORD"), QLatin1String(kind.controlWord));
        }
    }
}

void TestPanels::stateMachine()
{
    const auto [panel, script, calls, look] = fetchColumns<QString>("panel", "script", "calls", "look");
    m_host->setKeepsWordOnStop(true);
    open(panel, {}, script);
    QVERIFY2(breaches().isEmpty(), qPrintable(breaches()));
    QCOMPARE(panelCalls(*m_host), calls);
    if (look != QLatin1String("*"))
        COMPARE_FIELDS(lookNames, lookFields(panelLook(m_page.get(), *kindOf(panel))), lookFields(look));
    if (!m_host->controlPanelActive())
        QCOMPARE(m_host->controlPanelWord() & (1u << 31), 0u);
    QCOMPARE(m_watcher->unexpectedCount(), 0);
    QCOMPARE(m_watcher->pendingAnswers(), 0);
    // Every box was one of the two safety warnings.
    const QStringList notes = {ControlPanelPage::safetyNoteText("messageSafetyNoteActivateControlPanel"),
                               ControlPanelPage::safetyNoteText("messageSafetyNoteDeactivateControlPanel")};
    for (const ModalWatcher::Seen &seen : m_watcher->seen())
        QVERIFY2(seen.kind == "warning" && seen.title == "Sicherheitshinweis" && notes.contains(seen.text), qPrintable(seen.text));
}

void TestPanels::directionAnimations_data()
{
    QTest::addColumn<QString>("panel");
    for (const PanelKind &kind : panelKinds)
        QTest::newRow(kind.identifier) << QString::fromLatin1(kind.identifier);
}

// The direction animations run while the page is shown, and rest while it is hidden.
void TestPanels::directionAnimations()
{
    QFETCH(QString, panel);
    open(panel, {}, "show");
    QMovie *forwards = child<QLabel>(m_page.get(), "LblGrafikVor")->movie();
    QCOMPARE(forwards->state(), QMovie::Running);
    m_page->hide();
    QCOMPARE(forwards->state(), QMovie::NotRunning);
}

void TestPanels::safetyInvariant_data()
{
    addColumns<QString, int>("panel", "variant");
    for (const PanelKind &kind : panelKinds) {
        for (const HostBehaviour behaviour : HostBehaviours::all()) {
            if (behaviour != HostBehaviour::DeletesPage)
                QTest::addRow("%s, %s", kind.identifier, HostBehaviours::name(behaviour).constData())
                    << QString::fromLatin1(kind.identifier) << int(behaviour);
        }
    }
}

// Random user actions, drive changes and answers to the warnings, ending with the page hidden
// or deleted, on hosts that keep or clear the control word on a stop, under the host variant:
// the host's rules hold at every step, the axis is taken only after the warning was
// accepted, and at the end no panel is active and bit 31 is 0.
void TestPanels::safetyInvariant()
{
    const auto [panel, variant] = fetchColumns<QString, int>("panel", "variant");
    QRandomGenerator random(1);
    const QString activation = ControlPanelPage::safetyNoteText("messageSafetyNoteActivateControlPanel");
    const QStringList steps = QStringLiteral(
        "on on on freigabe freigabe halt E48=0 E48=0 E48=1 E48=5 E49=0 E49=0 E49=2 E49=128 E49=256 E81=3 E81=0 E82=88 "
        "E82=1 A900=0 A900=0 A900=1 A918=0 A918=0 A918=1 offline online online hide show show -word +word").split(' ');
    for (int round = 0; round < (HostBehaviour(variant) == HostBehaviour::StandIn ? 48 : 16); ++round) {
        init();
        m_host->setKeepsWordOnStop(round % 2);
        open(panel, {}, {}, HostBehaviour(variant));
        QList<QMessageBox::StandardButton> answers;
        QStringList violations;
        m_host->setCallObserver([&](const QString &call) {
            if (!call.startsWith(QLatin1String("startControlPanel")))
                return;
            const QList<ModalWatcher::Seen> seen = m_watcher->seen();
            bool accepted = false;
            for (qsizetype index = 0; index < std::min(seen.size(), answers.size()); ++index)
                accepted = accepted || (seen.at(index).text == activation && answers.at(index) == QMessageBox::Ok);
            if (!accepted)
                violations << "started without an accepted warning";
        });
        watchedStep("show");
        for (int action = 25 + int(random.bounded(25)); action > 0; --action) {
            // Answers are queued at random; boxes take them in order.
            if (m_watcher->pendingAnswers() == 0) {
                answers << (random.bounded(2) ? QMessageBox::Ok : QMessageBox::Cancel);
                m_watcher->answer(answers.last());
            }
            watchedStep(steps.at(random.bounded(int(steps.size()))));
            // Each action's warnings are answered before the next one.
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
        watchedStep(random.bounded(2) ? "hide" : "delete");
        m_host->setCallObserver({});
        QVERIFY2(violations.isEmpty() && breaches().isEmpty(),
                 qPrintable(QString::number(round) + ": " + violations.join("; ") + breaches()));
        QVERIFY(!m_host->controlPanelActive());
        QCOMPARE(m_host->controlPanelWord() & (1u << 31), 0u);
        QCOMPARE(m_watcher->unexpectedCount(), 0);
    }
}

// Rows of page, drive before it opens (see seedTokens()), script (see run()) and the states
// expected (see PageScript).
void TestPanels::states_data()
{
    addColumns<QString>("page", "drive", "script", "expected");
    const QString app = "SteuertafelApplikation", jog = "SteuertafelTippen", plc = "SteuertafelPLCopen";
    const QString vel = "SteuertafelGeschwDrehmKraft", dbm = "DbmSteuerStatus", block = "SteuerStatusFahrsatz";
    const QString cmd = "SteuerStatusKommandobetrieb";
    const QString blocks = "J10=a,b,c J13=0,10,20 J14=0,100,200 J16=0*3 J17=0*3 J311=-1 J11=";
    const QString fixed = "D299=1*9";
    const QString velocityRows = "I10=0 I11=0 I16=0 A604=0 A605=0 E75=";
    const QString hidden = "box=Assistentenseite~ist~aktuell~ausgeblendet.";
    QList<std::array<QString, 5>> rows = {
        {"block 2, command 6", app, blocks + "6,6,6", "show on! freigabe J311=2",
         "LblVarSollwert= FrameJ16J17:E ParaTextEdit_J16#2 ParaLbl_J17#2 ComboBoxJ311@3"},
        {"block 1, command 4", app, blocks + "4,4,4", "show J311=1", "LblVarSollwert=100"},
        {"block beyond the list", app, blocks + "2,2,2", "show on! freigabe J311=7",
         "LblVarKommando= FrameJ16J17:h ComboBoxJ311@-1"},
        {"block picked: none, then 2", app, "J10=a,b,c,d J311=1[-1:10]",
         "show on! pick:ComboBoxJ311=0 see{$J311=-1,ComboBoxJ311=-1:~Inaktiv,ComboBoxJ311*5} pick:ComboBoxJ311=3",
         "$J311=2 ComboBoxJ311=2:~c"},
        {"block picked: none, refused by the limit", app, "J10=a,b,c,d J311=1[0:10]", "show on! pick:ComboBoxJ311=0", "$J311=0"},
        {"block picked above the limit", app, "J10=a,b,c,d J311=0[-1:1]", "show on! pick:ComboBoxJ311=3", "$J311=1"},
        {"LED of a parameter gone", app, "", "show I85=1 -I85 hide show", "LedWidgetI85@0"},
        {"jog, enabled without I26", jog, "", "-I26 show on! freigabe", "FrameTipStepPlus:E FrameTipStepMinus:E"},
        {"jog, enabled without K908", jog, "", "-K908 show on! freigabe", "FrameTipStepPlus:E FrameRefSetzen:h FrameRefPos:h"},
        {"jog, not enabled without K908", jog, "", "-K908 show on!",
         "FrameRefSetzen:h FrameRefPos:h FrameActiveJog:E FrameI10ff:E"},
        {"jog rows, Drive Based", jog, velocityRows + "Drive~Based", "show on! freigabe",
         "ParaTextEditVelAccJerk01=I10 ParaLblVelAccJerk02=I11 ParaTextEditVelAccJerk02=I11 "
         "ParaTextEditVelAccJerk03=I16 ParaTextEditVelAccJerk04=I16 ParaTextEditVelAccJerk04:h"},
        {"jog rows, ARDENIC", jog, velocityRows + "ARDENIC", "show on! freigabe",
         "ParaLblVelAccJerk03=I16 ParaTextEditVelAccJerk04:h"},
        {"jog rows, other profile", jog, velocityRows + "ardenic", "show on! freigabe",
         "ParaLblVelAccJerk02=A604 ParaTextEditVelAccJerk02=A604 ParaTextEditVelAccJerk03=A605 "
         "ParaLblVelAccJerk04=I16 ParaTextEditVelAccJerk04:E"},
        // The row follows the parameter's own visibility where the profile does not hide it.
        {"jog rows, other profile, I16 hidden", jog, velocityRows + "ardenic I16!", "show on! freigabe",
         "ParaLblVelAccJerk04:h ParaTextEditVelAccJerk04:h"},
        {"jog rows, no profile", jog, "I10=0 A604=0 A605=0 I16=0", "show on! freigabe",
         "ParaTextEditVelAccJerk02=A604 ParaTextEditVelAccJerk04:E"},
        {"CiA 402", plc, "E76=CiA~402 K399=0", "show on! K399=6",
         "stackedWidget@1 ParCombo_Kommando_2=K399 ParLbl_Kommando=K399 FrameSteuerInterface:E ClickLblReferenzierung_2:E"},
        {"402 alone, K402", plc, "E76=App~402 K402=0", "show on!",
         "stackedWidget@1 ParCombo_Kommando=K402 ParLbl_Kommando_2=K402"},
        {"lower-case cia", plc, "E76=cia K399=0", "show on!", "stackedWidget@0"},
        {"K402 command 9, 6, then 3", plc, "K402=0",
         "show on! K402=9 see{ClickLblReferenzierung:h,ClickLblQuelleDrehzahlklammerung:E} K402=6 K402=3",
         "ClickLblReferenzierung:h ClickLblReferenzierung_2:h"},
        {"direction offline", plc, "", "offline show I197=1", "stackedWidgetMovie@2 LedWidgetI197@1"},
        // Without I197 both LEDs go off and the picture stays.
        {"direction without I197", plc, "", "show I197=1 -I197 I199=1", "stackedWidgetMovie@0 LedWidgetI197@0 LedWidgetI199@0"},
        {"sources without D299", vel, "", "show on!", "stackedWidget@1"},
        {"sources mixed", vel, fixed, "show on! D299=0,2,0,1,1,1,1,0",
         "stackedWidget@0 FrameParaTxtD42:E FrameClickLblGeschwindigkeit:E FrameParaTxtD21:h FrameClickLblFestwBeschl:h "
         "FrameParaTxtD22:E FrameParaTxtD233:h FrameParaLblG471:E FrameClickLblSollDrehmKraft:E"},
        // A link to a hidden or missing page says so; referencing falls back to the CBM page.
        {"block table hidden", app, "", "page:-Fahrsatzbetrieb show on! freigabe ok click:ClickLblFahrsatzbetrieb",
         "jumps= " + hidden + "<br>Möglicherweise~sind~keine~Analogeingänge~projektiert."},
        {"referencing hidden", plc, "K399=6", "page:-Referenzfahrt page:ReferenzfahrtCBM show on! ok click:ClickLblReferenzierung",
         "jumps= " + hidden},
        {"referencing, CBM only", plc, "K399=6", "nopage:Referenzfahrt page:ReferenzfahrtCBM show on! click:ClickLblReferenzierung",
         "jumps=ReferenzfahrtCBM"},
        {"referencing, neither", plc, "K399=6", "nopage:Referenzfahrt show on! ok click:ClickLblReferenzierung",
         "jumps= box=Assistentenseite~fehlt~in~der~Baum-Definition."},
        {"Continue, hidden", block, "", "page:-DbmMotionBlockBinSignals show ok click:ClickLabelContinue", "jumps= " + hidden},
        // Where a user clicks on the jog overview's diagram, and the page that opens.
        {"jog overview KM2", "DbmTipbetrieb", "", "device:3 show clickAt:105,36 clickAt:105,90 clickAt:105,147 clickAt:568,105",
         "stackedWidget@0 jumps=DbmSrcBinSignals,AntriebsreglerBedienteil,SteuertafelTippen,AntriebBeobPosiKern1"},
        // I188 is shown even where the drive hides it.
        {"jog overview, I188 hidden", "DbmTipbetrieb", "I188!", "show", "parameterLabel_I188:E parameterTextEdit_I188:E"},
        {"jog overview KQ2", "DbmTipbetrieb", "", "device:8 show clickAt:105,90", "stackedWidget@0 jumps=AntriebsreglerBedienteil"},
        {"jog overview other", "DbmTipbetrieb", "", "device:5 show clickAt:105,36 clickAt:105,90 clickAt:565,63",
         "stackedWidget@1 jumps=DbmSrcBinSignals,SteuertafelTippen,AntriebBeobPosiKern1"},
        // A click on a control word LED sets or clears its bit in the project; the status
        // words are the drive's, their LEDs only show.
        {"clear drops bits above 15", dbm, "I210=65537", "show click:LedWidgetI210_0", "$I210=0 LedWidgetI210_0@0"},
        {"J37 not a number", cmd, "J37=x", "show J37=y", "LedWidgetJ37_0@0"},
    };
    // Some words are read only online, some also in a read-only project (a: always, r: online or
    // read-only, o: online only); the pages' journals hold them online and going off- and online.
    for (const QString word : {"DbmSteuerStatus:I210:a", "DbmSteuerStatus:I200:r", "DbmSteuerStatus:I212:r",
                               "SteuerStatusFahrsatz:J01:a", "SteuerStatusFahrsatz:J302:o",
                               "SteuerStatusKommandobetrieb:J37:a", "SteuerStatusKommandobetrieb:J39:a"}) {
        const QString coordinate = word.section(':', 1, 1), when = word.section(':', 2);
        const QString leds = QStringLiteral("LedWidget%1_0@%2 LedWidget%1_1@0 LedWidget%1_7@%2").arg(coordinate);
        for (const auto &[how, script, on] : {std::tuple{"offline", "offline show %1=129", when == "a"},
                                              {"offline read-only", "offline readonly show %1=129", when != "o"}})
            rows.append({coordinate + ", " + how, word.section(':', 0, 0), coordinate + "=0",
                         QString::fromLatin1(script).arg(coordinate), leds.arg(on ? 1 : 0)});
    }
    for (const auto &row : std::as_const(rows))
        QTest::addRow("%s: %s", qPrintable(row[1]), qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
}

void TestPanels::states()
{
    const auto [page, drive, script, expected] = fetchColumns<QString>("page", "drive", "script", "expected");
    open(page, drive, script);
    QCOMPARE(m_script->states(expected), expected);
    QCOMPARE(m_watcher->unexpectedCount(), 0);
}

void TestPanels::hostVariants_data()
{
    addColumns<QString, int, QString, QString>("panel", "variant", "script", "end");
    for (const PanelKind &kind : panelKinds) {
        for (const HostBehaviour behaviour : HostBehaviours::all()) {
            for (const UserScript &script : userScripts) {
                QTest::addRow("%s, %s: %s", kind.identifier, HostBehaviours::name(behaviour).constData(), script.name)
                    << QString::fromLatin1(kind.identifier) << int(behaviour) << QString::fromLatin1(script.steps)
                    << QString::fromLatin1(script.end);
            }
        }
    }
}

void TestPanels::hostVariants()
{
    auto [panel, variant, script, end]
        = fetchColumns<QString, int, QString, QString>("panel", "variant", "script", "end");
    const auto behaviour = HostBehaviour(variant);
    if (behaviour != HostBehaviour::DeletesPage) {
        const QString ended = runUnder(panel, behaviour, script, 0);
        QVERIFY2(breaches().isEmpty(), qPrintable(breaches()));
        if ((behaviour == HostBehaviour::RefusesStart || behaviour == HostBehaviour::LocksInStart) && end == QLatin1String("on"))
            end = QStringLiteral("off");
        if (behaviour != HostBehaviour::RefusesAtRandom)
            QCOMPARE(ended, end);
        return;
    }
    // From inside each control-panel call in turn, one per run, until a run makes fewer calls.
    for (int deleteAt = 1;; ++deleteAt) {
        runUnder(panel, behaviour, script, deleteAt);
        QVERIFY2(breaches().isEmpty(), qPrintable(QStringLiteral("deleted in call %1: ").arg(deleteAt) + breaches()));
        if (m_panelCalls < deleteAt)
            break;
    }
}

QString TestPanels::runUnder(const QString &panel, HostBehaviour behaviour, const QString &script, int deleteAt)
{
    init();
    open(panel, {}, {}, behaviour);
    m_panelCalls = 0;
    if (behaviour == HostBehaviour::DeletesPage) {
        m_host->setCallObserver([this, deleteAt](const QString &) {
            if (++m_panelCalls == deleteAt && !m_inShowOrHide)
                m_page.reset();
        });
    }
    // A warning nobody expected gets OK, as a user gives it who sees it once more.
    m_watcher->answerAllWith([](QWidget *widget) {
        if (auto *box = qobject_cast<QMessageBox *>(widget))
            box->button(box->button(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    });
    for (const QString &step : script.split(' ')) {
        if (!m_page)
            break;
        watchedStep(step);
    }
    m_watcher->clearPending();
    if (!m_page)
        return QStringLiteral("gone");
    auto *page = qobject_cast<ControlPanelPage *>(m_page.get());
    const bool checked = child<QAbstractButton>(page, "ToolButtonSteuertafelEin")->isChecked();
    const bool active = m_host->controlPanelActive();
    const QString ended = page->controlPanelHandle() != 0 && checked && active ? QStringLiteral("on")
                          : page->controlPanelHandle() == 0 && !checked && !active ? QStringLiteral("off")
                                                                                      : QStringLiteral("mixed");
    // Leaving the page always hands the axis back.
    watchedStep(QStringLiteral("hide"));
    return ended;
}

void TestPanels::watchedStep(const QString &step)
{
    m_inShowOrHide = step == QLatin1String("show") || step == QLatin1String("hide");
    run(step);
    m_inShowOrHide = false;
    m_variant->settled();
    for (const QString &breach : m_variant->takeBreaches())
        m_breaches << step + QStringLiteral(": ") + breach;
}

QString TestPanels::breaches()
{
    m_variant->settled();
    m_breaches << m_variant->takeBreaches();
    return m_breaches.join(QStringLiteral("; "));
}

void TestPanels::switchLabel_data()
{
    addColumns<QString, int, QString>("page", "language", "label");
    // The label a panel opens with is translated as all of its texts are; switched on, it
    // offers switching off.
    const std::tuple<int, const char *, const char *> wordings[]
        = {{Text::English, "en", "Control panel off"}, {Text::French, "fr", "Désactiver le panneau de commande"}};
    for (const PanelKind &kind : panelKinds) {
        for (const auto &[language, name, switchOff] : wordings)
            QTest::addRow("%s %s on", kind.identifier, name) << kind.identifier << language << QString::fromUtf8(switchOff);
    }
}

// The label beside the switch-on button names what the button does next, in every language.
void TestPanels::switchLabel()
{
    const auto [page, language, label] = fetchColumns<QString, int, QString>("page", "language", "label");
    QTranslator *translator = PageRegistry::translator(language);
    QVERIFY(translator && QCoreApplication::installTranslator(translator));
    open(page, "", "show on!");
    const QString shown = child<QLabel>(m_page.get(), "labelControlPanelOnOff")->text();
    m_page.reset();
    QCoreApplication::removeTranslator(translator);
    delete translator; // as a host does once it is done with the language
    QCOMPARE(shown, label);
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
