#include "PanelTestSupport.h"

#include "LedWidget.h"
#include "SvgWidget.h"

#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTranslator>

namespace {

// What the common widgets show, in one line: switch-on checked/enabled, Freigabe
// checked/enabled/frame shown, Halt frame, Quittierung frame, the first motion button (h hidden,
// E enabled, d disabled), label names switching off next, diagram enabled, and the switch-on
// button's tool tip where it has one.
QString panelLook(const QWidget *page, const PanelKind &kind)
{
    auto shown = [page](const char *name) { return !child(page, QLatin1String(name))->isHidden(); };
    auto *switchOn = child<QAbstractButton>(page, "ToolButtonSteuertafelEin");
    auto *freigabe = child<QAbstractButton>(page, "ToolButtonFreigabe");
    auto *motion = child<QAbstractButton>(page, QLatin1String(kind.motionButton));
    const QString motionState = !shown(kind.motionFrame) ? "h" : (motion->isEnabled() ? "E" : "d");
    const bool labelOff = child<QLabel>(page, "labelControlPanelOnOff")->text() == QLatin1String("Steuertafel aus");
    const bool diagram = !child<SvgWidget>(page, "svgWidget")->fileName().contains(QLatin1String("disabled"));
    const QString toolTip = switchOn->toolTip();
    return QStringLiteral("S%1%2 F%3%4%5 H%6 Q%7 M%8 L%9 D%10")
               .arg(int(switchOn->isChecked()))
               .arg(int(switchOn->isEnabled()))
               .arg(int(freigabe->isChecked()))
               .arg(int(freigabe->isEnabled()))
               .arg(int(shown("FrameFreigabe")))
               .arg(int(shown(kind.haltFrame)))
               .arg(int(shown("FrameQuittierung")))
               .arg(motionState)
               .arg(int(labelOff))
               .arg(int(diagram))
           + (toolTip.isEmpty() ? QString() : QStringLiteral(" \"") + toolTip + QLatin1Char('"'));
}

const QString lookOff = QStringLiteral("S01 F000 H0 Q0 Mh L0 D0");
const QString lookUnavailable = QStringLiteral("S00 F000 H0 Q0 Mh L0 D0");
const QString lookOffered = QStringLiteral("S11 F011 H0 Q1 Mh L1 D0");
const QString lookBlocked = QStringLiteral("S11 F001 H0 Q1 Mh L1 D0");
const QString lookEnabled = QStringLiteral("S11 F111 H1 Q1 ME L1 D1");
const QString lookEnabledHalted = QStringLiteral("S11 F111 H1 Q1 Md L1 D1");

// Why the switch-on button cannot take the axis, as its tool tip says.
QString because(const QString &look, const char *reason)
{
    return look + QStringLiteral(" \"") + QString::fromUtf8(reason) + QLatin1Char('"');
}

// The bits each panel clears before it gives the axis back after a fault.
QString faultRelease(const QString &identifier)
{
    if (identifier == QLatin1String("SteuertafelPLCopen"))
        return QStringLiteral("flag0 b31=0 stop");
    if (identifier == QLatin1String("SteuertafelTippen"))
        return QStringLiteral("b0=0 b5=0 b31=0 flag0 stop");
    return QStringLiteral("b0=0 b31=0 flag0 stop");
}

} // namespace

class TestControlPanels : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void stateMachine_data();
    void stateMachine();
    void deletedWhileWarning_data();
    void deletedWhileWarning();
    void safetyInvariant_data();
    void safetyInvariant();
    void deletedWhileActive_data();
    void deletedWhileActive();
    void momentaryAndLatching_data();
    void momentaryAndLatching();
    void statusLeds_data();
    void statusLeds();
    void direction_data();
    void direction();
    void safetyNotes_data();
    void safetyNotes();

private:
    // Runs a script of user actions and drive changes, separated by spaces:
    // show, hide, on / off (click the switch-on button; "!" answers the warning with OK,
    // "?" with Cancel; "on{a,b}!" runs the steps a and b while the warning is open, then
    // answers it), freigabe, halt, offline, online, readonly, refuse (the host hands out no handle),
    // start{a,b} (the host runs the steps from inside its next startControlPanel call),
    // -X (the drive loses X), X=v (the drive sets X).
    void run(const QString &script);

    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<ControlPanelPage> m_page;
    std::unique_ptr<ModalWatcher> m_watcher;
    QString m_controlWord;
};

void TestControlPanels::run(const QString &script)
{
    const QStringList steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &step : steps) {
        if (step == QLatin1String("show")) {
            m_page->show();
        } else if (step == QLatin1String("hide")) {
            m_page->hide();
        } else if (const auto click = QRegularExpression(QStringLiteral("^(on|off)(\\{(.*)\\})?([!?]?)$")).match(step);
                   click.hasMatch()) {
            const auto button = click.captured(4) == QLatin1String("!") ? QMessageBox::Ok : QMessageBox::Cancel;
            if (click.hasCaptured(2)) {
                const QString during = click.captured(3).replace(QLatin1Char(','), QLatin1Char(' '));
                m_watcher->actOnNext([this, during, button] {
                    run(during);
                    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                        box->button(button)->click();
                });
            } else if (!click.captured(4).isEmpty()) {
                m_watcher->answer(button);
            }
            child<QAbstractButton>(m_page.get(), "ToolButtonSteuertafelEin")->click();
        } else if (step.startsWith(QLatin1String("start{")) && step.endsWith(QLatin1Char('}'))) {
            const QString during = step.mid(6).chopped(1).replace(QLatin1Char(','), QLatin1Char(' '));
            m_host->setCallObserver([this, during](const QString &call) {
                if (!call.startsWith(QLatin1String("startControlPanel")))
                    return;
                // Once only; the observer goes away here, so only locals are used after.
                TestControlPanels *self = this;
                const QString steps = during;
                self->m_host->setCallObserver({});
                self->run(steps);
            });
        } else if (step == QLatin1String("freigabe")) {
            child<QAbstractButton>(m_page.get(), "ToolButtonFreigabe")->click();
        } else if (step == QLatin1String("halt")) {
            child<QAbstractButton>(m_page.get(), "ToolButtonHalt")->click();
        } else if (step == QLatin1String("offline") || step == QLatin1String("online")) {
            m_host->setOnline(step == QLatin1String("online"));
        } else if (step == QLatin1String("readonly")) {
            m_host->setReadOnly(true);
        } else if (step == QLatin1String("refuse")) {
            m_host->setControlPanelHandle(0);
        } else if (step.startsWith(QLatin1Char('-'))) {
            m_host->store().remove(step.mid(1) == QLatin1String("word") ? m_controlWord : step.mid(1));
        } else {
            const QStringList assignment = step.split(QLatin1Char('='));
            QVERIFY2(assignment.size() == 2, qPrintable(step));
            QVERIFY(m_host->store().setValue(assignment.at(0), assignment.at(1)));
        }
    }
}

void TestControlPanels::cleanup()
{
    // A watcher left over would answer the next test's boxes.
    m_page.reset();
    m_watcher.reset();
    m_host.reset();
}

void TestControlPanels::stateMachine_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<QString>("look");

    // START stands for the panel's start call, FAULT for its release before a fault stop.
    const QString on = QStringLiteral("START b31=0 b0=1");
    const QString handBack = QStringLiteral("b31=0 flag0 stop");
    const char *const offline = "Keine Verbindung zum Antriebsregler: die Steuertafel ist nur online verfügbar.";
    const char *const locked = "Die Steuertafeln sind im Antriebsregler gesperrt (A918).";
    const char *const otherMaster = "Ein anderer Master steuert die Achse (A900).";
    const char *const noWord = "Der Antriebsregler hat kein Steuerwort WORD für diese Steuertafel.";
    const char *const refused = "Die Übernahme der Achse wurde abgelehnt.";
    const char *const deviceFault = "Der Antriebsregler meldet eine Störung (E48).";
    const char *const faultOff = "Wegen einer Störung ausgeschaltet (E81 = 3, E82 = 88).";
    const struct
    {
        const char *name;
        const char *script;
        QString calls;
        QString look;
    } rows[] = {
        {"shown, off", "show", "b31=0", lookOff},
        {"shown offline", "offline show", "", because(lookUnavailable, offline)},
        {"shown with A918", "A918=1 show", "", because(lookUnavailable, locked)},
        {"shown while another holds the axis", "A900=1 show on", "", because(lookUnavailable, otherMaster)},
        {"no control word", "-word show on", "", because(lookUnavailable, noWord)},
        {"activation accepted", "show on!", "b31=0 " + on, lookOffered},
        {"activation declined, then warned again", "show on? on!", "b31=0 b31=0 " + on, lookOffered},
        {"host hands out no handle", "refuse show on!", "b31=0 START b31=0", because(lookOff, refused)},
        {"E49 bit 8 only offers Freigabe", "E49=256 show on!", "b31=0 " + on, lookOffered},
        {"switched on with an E49 warning", "E49=2 show on!", "b31=0 " + on, lookBlocked},
        {"enabled", "show on! freigabe", "b31=0 " + on + " b31=1", lookEnabled},
        {"halted", "show on! freigabe halt", "b31=0 " + on + " b31=1 b5=1", lookEnabledHalted},
        {"E48 1 stops motion", "show on! freigabe E48=1", "b31=0 " + on + " b31=1", lookEnabledHalted},
        {"fault clears Freigabe", "show on! freigabe E48=5", "b31=0 " + on + " b31=1 b31=0", lookBlocked},
        {"fault switch-off", "show on! E49=2 E81=3 E82=88", "b31=0 " + on + " FAULT b31=0", because(lookOff, faultOff)},
        {"fault flag alone keeps Freigabe offered", "show on! E81=3 E82=88", "b31=0 " + on, lookOffered},
        {"fault pair gone before switching on", "show E81=3 E82=88 E82=0 on! E49=2",
         "b31=0 b31=0 b31=0 b31=0 " + on, lookBlocked},
        {"offline hands back", "show on! freigabe offline", "b31=0 " + on + " b31=1 " + handBack,
         because(lookUnavailable, offline)},
        {"A918 hands back", "show on! A918=1", "b31=0 " + on + " " + handBack, because(lookUnavailable, locked)},
        // The project's read-only state is about its parameters; the panel keeps the axis.
        {"read-only keeps the axis", "show on! freigabe readonly", "b31=0 " + on + " b31=1", lookEnabled},
        {"own A900 reported during the start call", "show start{A900=1} on!", "b31=0 " + on, lookOffered},
        {"change during the start call, no second start", "show start{E49=2} on!", "b31=0 " + on, lookBlocked},
        {"lock during the start call hands back", "show start{A918=1} on!", "b31=0 START " + handBack,
         because(lookUnavailable, locked)},
        {"control word lost", "show on! -word E82=1", "b31=0 " + on + " " + handBack, because(lookUnavailable, noWord)},
        {"switch-off accepted", "show on! off!", "b31=0 " + on + " " + handBack + " b31=0", lookOff},
        {"switch-off declined, then warned again", "show on! off? off!", "b31=0 " + on + " " + handBack + " b31=0", lookOff},
        {"fault while the switch-off warning is open", "show on! freigabe off{E48=5}?",
         "b31=0 " + on + " b31=1 " + handBack + " b31=0 b31=0", because(lookOff, deviceFault)},
        {"offline and online while the switch-off warning is open", "show on! freigabe off{offline,online}?",
         "b31=0 " + on + " b31=1 " + handBack + " b31=0 b31=0", lookOff},
        {"lock while the activation warning is open", "show on{A918=1,A918=0}!", "b31=0 b31=0 b31=0", lookOff},
        {"each warning once", "show on! off! on off",
         "b31=0 " + on + " " + handBack + " b31=0 " + on + " " + handBack + " b31=0", lookOff},
        {"hide and show again", "show on! freigabe hide show",
         "b31=0 " + on + " b31=1 " + handBack + " b31=0", lookOff},
        {"activation warning not repeated after hiding", "show on! hide show on",
         "b31=0 " + on + " " + handBack + " b31=0 " + on, lookOffered},
    };
    for (const PanelKind &kind : panelKinds) {
        for (const auto &row : rows) {
            QString calls = row.calls;
            calls.replace(QLatin1String("START"), QStringLiteral("start(%1)").arg(QLatin1String(kind.controlWord)));
            calls.replace(QLatin1String("FAULT"), faultRelease(QLatin1String(kind.identifier)));
            QString look = row.look;
            look.replace(QLatin1String("WORD"), QLatin1String(kind.controlWord));
            QTest::addRow("%s: %s", kind.identifier, row.name)
                << QString::fromLatin1(kind.identifier) << QString::fromLatin1(row.script) << calls << look;
        }
    }
}

void TestControlPanels::stateMachine()
{
    QFETCH(QString, panel);
    QFETCH(QString, script);
    QFETCH(QString, calls);
    QFETCH(QString, look);

    m_host = std::make_unique<RecordingHost>();
    m_watcher = std::make_unique<ModalWatcher>();
    seed(m_host->store(), panelDrive());
    m_page = createPanel(panel);
    QVERIFY(m_page);
    const PanelKind *kind = nullptr;
    for (const PanelKind &candidate : panelKinds) {
        if (panel == QLatin1String(candidate.identifier))
            kind = &candidate;
    }
    m_controlWord = QLatin1String(kind->controlWord);
    m_host->attach(m_page.get());

    run(script);
    QCOMPARE(panelCalls(*m_host), calls);
    QCOMPARE(panelLook(m_page.get(), *kind), look);
    QCOMPARE(m_watcher->unexpectedCount(), 0);
    QCOMPARE(m_watcher->pendingAnswers(), 0);
    // Every box was one of the two safety warnings.
    const QStringList notes = {ControlPanelPage::safetyNoteText("messageSafetyNoteActivateControlPanel"),
                               ControlPanelPage::safetyNoteText("messageSafetyNoteDeactivateControlPanel")};
    for (const ModalWatcher::Seen &seen : m_watcher->seen()) {
        QCOMPARE(seen.kind, "warning");
        QCOMPARE(seen.title, "Sicherheitshinweis");
        QVERIFY2(notes.contains(seen.text), qPrintable(seen.text));
    }
}

void TestControlPanels::deletedWhileWarning_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("active"); // the deactivation warning instead of the activation one
    for (const PanelKind &kind : panelKinds) {
        QTest::addRow("%s, activation", kind.identifier) << QString::fromLatin1(kind.identifier) << false;
        QTest::addRow("%s, deactivation", kind.identifier) << QString::fromLatin1(kind.identifier) << true;
    }
}

// A host may delete a page while its safety warning waits for an answer (the warning's event
// loop runs the host's events): the page goes quietly and hands the axis back.
void TestControlPanels::deletedWhileWarning()
{
    QFETCH(QString, panel);
    QFETCH(bool, active);
    RecordingHost host;
    seed(host.store(), panelDrive());
    auto page = createPanel(panel);
    host.attach(page.get());
    page->show();
    auto *switchOn = child<QAbstractButton>(page.get(), "ToolButtonSteuertafelEin");
    ModalWatcher watcher;
    if (active) {
        watcher.answer(QMessageBox::Ok);
        switchOn->click();
        QVERIFY(host.controlPanelActive());
    }
    watcher.actOnNext([&page] { page.reset(); });
    switchOn->click();
    QVERIFY(!page);
    QCOMPARE(watcher.unexpectedCount(), 0);
    QVERIFY(!host.controlPanelActive());
    QCOMPARE(host.controlPanelWord() & (1u << 31), 0u);
}

void TestControlPanels::safetyInvariant_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("keepsWord");
    QTest::addColumn<quint32>("seed");
    for (const PanelKind &kind : panelKinds) {
        for (bool keeps : {false, true}) {
            for (quint32 seed : {1u, 2u, 3u}) {
                QTest::addRow("%s, %s, seed %u", kind.identifier, keeps ? "host keeps the word" : "host clears the word",
                              seed)
                    << QString::fromLatin1(kind.identifier) << keeps << seed;
            }
        }
    }
}

// Random user actions, drive changes and answers to the warnings, ending with the page hidden
// or deleted. At every host call: the axis is taken only online, with A918 = 0, with the control
// word present and after the warning was accepted; bit 31 is never set while Freigabe is not
// checked, nor while no panel is active. At the end no panel is active and bit 31 is 0.
void TestControlPanels::safetyInvariant()
{
    QFETCH(QString, panel);
    QFETCH(bool, keepsWord);
    QFETCH(quint32, seed);

    QRandomGenerator random(seed);
    for (int round = 0; round < 12; ++round) {
        RecordingHost host;
        host.setKeepsWordOnStop(keepsWord);
        ModalWatcher watcher;
        ::seed(host.store(), panelDrive());
        auto page = createPanel(panel);
        QVERIFY(page);
        QString controlWord;
        for (const PanelKind &kind : panelKinds) {
            if (panel == QLatin1String(kind.identifier))
                controlWord = QLatin1String(kind.controlWord);
        }
        host.attach(page.get());
        auto *freigabe = child<QAbstractButton>(page.get(), "ToolButtonFreigabe");
        const QString activationText = ControlPanelPage::safetyNoteText("messageSafetyNoteActivateControlPanel");
        QList<QMessageBox::StandardButton> answers;
        QStringList violations;
        ControlPanelPage *observed = page.get();

        host.setCallObserver([&](const QString &call) {
            const bool enable = host.controlPanelWord() & (quint32(1) << 31);
            if (enable && !host.controlPanelActive())
                violations << "bit 31 set without an active panel at " + call;
            if (enable && observed && !freigabe->isChecked())
                violations << "bit 31 set while Freigabe is off at " + call;
            if (!call.startsWith(QLatin1String("startControlPanel")))
                return;
            if (!host.isOnline() || host.store().value("A918") != QLatin1String("0") || !host.store().contains(controlWord))
                violations << "started although unavailable";
            bool accepted = false;
            const QList<ModalWatcher::Seen> seen = watcher.seen();
            for (int index = 0; index < seen.size() && index < answers.size(); ++index) {
                if (seen.at(index).text == activationText && answers.at(index) == QMessageBox::Ok)
                    accepted = true;
            }
            if (!accepted)
                violations << "started without an accepted warning";
        });

        page->show();
        const int actions = 25 + int(random.bounded(25));
        for (int action = 0; action < actions; ++action) {
            // Answers are queued at random; boxes take them in order.
            if (watcher.pendingAnswers() == 0) {
                const auto answer = random.bounded(2) ? QMessageBox::Ok : QMessageBox::Cancel;
                answers << answer;
                watcher.answer(answer);
            }
            const char *const values[] = {"0", "1", "2", "3", "5", "6", "88", "256"};
            const QString value = QLatin1String(values[random.bounded(int(std::size(values)))]);
            switch (random.bounded(12)) {
            case 0:
            case 1: child<QAbstractButton>(page.get(), "ToolButtonSteuertafelEin")->click(); break;
            case 2:
            case 3: freigabe->click(); break;
            case 4: child<QAbstractButton>(page.get(), "ToolButtonHalt")->click(); break;
            case 5: host.store().setValue("E48", random.bounded(3) ? QStringLiteral("0") : value); break;
            case 6: host.store().setValue("E49", random.bounded(3) ? QStringLiteral("0") : value); break;
            case 7: host.store().setValue(random.bounded(2) ? "E81" : "E82", value); break;
            case 8: host.store().setValue(random.bounded(2) ? "A900" : "A918", random.bounded(4) ? "0" : "1"); break;
            case 9: host.setOnline(random.bounded(4) != 0); break;
            case 10:
                if (random.bounded(2))
                    page->hide();
                else
                    page->show();
                break;
            case 11:
                if (!host.store().contains(controlWord))
                    ::seed(host.store(), {{controlWord}});
                else if (random.bounded(4) == 0)
                    host.store().remove(controlWord);
                host.store().setValue("E82", value);
                break;
            }
            // Each action's warnings are answered before the next one.
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
        if (random.bounded(2)) {
            page->hide();
        } else {
            observed = nullptr;
            page.reset();
        }
        host.setCallObserver({});
        QVERIFY2(violations.isEmpty(), qPrintable(violations.join("; ")));
        QVERIFY(!host.controlPanelActive());
        QCOMPARE(host.controlPanelWord() & (quint32(1) << 31), quint32(0));
        QCOMPARE(watcher.unexpectedCount(), 0);
    }
}

void TestControlPanels::deletedWhileActive_data()
{
    QTest::addColumn<QString>("panel");
    for (const PanelKind &kind : panelKinds)
        QTest::newRow(kind.identifier) << QString::fromLatin1(kind.identifier);
}

// A host that deletes a page without hiding it still gets the axis back.
void TestControlPanels::deletedWhileActive()
{
    QFETCH(QString, panel);
    RecordingHost host;
    host.setKeepsWordOnStop(true);
    ModalWatcher watcher;
    seed(host.store(), panelDrive());
    auto page = createPanel(panel);
    host.attach(page.get());
    page->show();
    watcher.answer(QMessageBox::Ok);
    child<QAbstractButton>(page.get(), "ToolButtonSteuertafelEin")->click();
    child<QAbstractButton>(page.get(), "ToolButtonFreigabe")->click();
    QVERIFY(host.controlPanelActive());
    host.clearCalls();
    page.reset();
    QCOMPARE(panelCalls(host), "b31=0 flag0 stop");
    QVERIFY(!host.controlPanelActive());

    // Deleted while off: the host hears nothing.
    auto idle = createPanel(panel);
    host.attach(idle.get());
    host.clearCalls();
    idle.reset();
    QCOMPARE(panelCalls(host), "");
}

void TestControlPanels::momentaryAndLatching_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("bit");
    const struct
    {
        const char *panel;
        const char *button;
        int bit;
    } rows[] = {
        {"SteuertafelApplikation", "ToolButtonStart", 1},      {"SteuertafelApplikation", "ToolButtonStop", 2},
        {"SteuertafelApplikation", "ToolButtonReset", 3},      {"SteuertafelApplikation", "ToolButtonContinue", 4},
        {"SteuertafelApplikation", "ToolButtonQuittierung", 30}, {"SteuertafelTippen", "ToolButtonTipRight", 1},
        {"SteuertafelTippen", "ToolButtonTipLeft", 2},         {"SteuertafelTippen", "ToolButtonTipUp", 3},
        {"SteuertafelTippen", "ToolButtonTipDown", 4},         {"SteuertafelTippen", "ToolButtonRefSetzen", 6},
        {"SteuertafelTippen", "ToolButtonQuittierung", 30},    {"SteuertafelPLCopen", "ToolButtonStart", 1},
        {"SteuertafelPLCopen", "ToolButtonQuittierung", 30},   {"SteuertafelGeschwDrehmKraft", "ToolButtonStart", 1},
        {"SteuertafelGeschwDrehmKraft", "ToolButtonStop", 2},  {"SteuertafelGeschwDrehmKraft", "ToolButtonQuittierung", 30},
        // Latching buttons (bit < 0: the button's bit, written from its checked state).
        {"SteuertafelApplikation", "ToolButtonHalt", -5},      {"SteuertafelTippen", "ToolButtonHalt", -5},
        {"SteuertafelPLCopen", "ToolButtonHalt", -5},          {"SteuertafelGeschwDrehmKraft", "ToolButtonHalt", -5},
        {"SteuertafelApplikation", "ToolButtonFreigabe", -31}, {"SteuertafelGeschwDrehmKraft", "ToolButtonFreigabe", -31},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s", row.panel, row.button) << row.panel << row.button << row.bit;
}

void TestControlPanels::momentaryAndLatching()
{
    QFETCH(QString, panel);
    QFETCH(QString, button);
    QFETCH(int, bit);
    RecordingHost host;
    ModalWatcher watcher;
    seed(host.store(), panelDrive());
    // Reset and Continue are offered for a canceled block.
    if (button == "ToolButtonReset" || button == "ToolButtonContinue")
        host.store().setValue("J302", "4");
    auto page = createPanel(panel);
    host.attach(page.get());
    page->show();
    watcher.answer(QMessageBox::Ok);
    child<QAbstractButton>(page.get(), "ToolButtonSteuertafelEin")->click();
    if (bit != -31)
        child<QAbstractButton>(page.get(), "ToolButtonFreigabe")->click();
    auto *target = child<QAbstractButton>(page.get(), button);
    QVERIFY(target->isEnabled());
    host.clearCalls();
    if (bit >= 0) {
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(panelCalls(host), QStringLiteral("b%1=1").arg(bit));
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(panelCalls(host), QStringLiteral("b%1=1 b%1=0").arg(bit));
    } else {
        target->click();
        QVERIFY(target->isChecked());
        QVERIFY(panelCalls(host).startsWith(QStringLiteral("b%1=1").arg(-bit)));
        host.clearCalls();
        target->click();
        QVERIFY(panelCalls(host).startsWith(QStringLiteral("b%1=0").arg(-bit)));
    }
}

void TestControlPanels::statusLeds_data()
{
    QTest::addColumn<QString>("coordinate");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("led");
    QTest::addColumn<bool>("on");
    QTest::newRow("E48 5") << "E48" << 0 << "5" << "LedWidgetE48" << true;
    QTest::newRow("E48 6") << "E48" << 0 << "6" << "LedWidgetE48" << true;
    QTest::newRow("E48 4") << "E48" << 0 << "4" << "LedWidgetE48" << false;
    QTest::newRow("E49 bit 1") << "E49" << 0 << "2" << "LedWidgetE49" << true;
    QTest::newRow("E49 bit 4") << "E49" << 0 << "16" << "LedWidgetE49" << true;
    QTest::newRow("E49 bit 0") << "E49" << 0 << "1" << "LedWidgetE49" << false;
    QTest::newRow("E49 bit 5") << "E49" << 0 << "32" << "LedWidgetE49" << false;
    QTest::newRow("E180 element 1") << "E180" << 1 << "1" << "LedWidgetE180_1" << true;
    QTest::newRow("E180 element 0 stays") << "E180" << 1 << "1" << "LedWidgetE180_0" << false;
    QTest::newRow("I85 on") << "I85" << 0 << "1" << "LedWidgetI85" << true;
    QTest::newRow("I85 2 is not on") << "I85" << 0 << "2" << "LedWidgetI85" << false;
    QTest::newRow("I806 on") << "I806" << 0 << "1" << "LedWidgetI806" << true;
    QTest::newRow("E183 on") << "E183" << 0 << "1" << "LedWidgetE183" << true;
}

void TestControlPanels::statusLeds()
{
    QFETCH(QString, coordinate);
    QFETCH(int, element);
    QFETCH(QString, value);
    QFETCH(QString, led);
    QFETCH(bool, on);
    RecordingHost host;
    seed(host.store(), panelDrive());
    auto page = createPanel("SteuertafelApplikation");
    host.attach(page.get());
    page->show();
    QVERIFY(host.store().setValue(coordinate, 0, static_cast<unsigned short>(element), value));
    QCOMPARE(child<LedWidget>(page.get(), led)->isOn(), on);
    // A drive without the parameter shows the LED off.
    host.store().remove(coordinate);
    page->hide();
    page->show();
    QVERIFY(!child<LedWidget>(page.get(), led)->isOn());
}

void TestControlPanels::direction_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("i199");
    QTest::addColumn<QString>("i197");
    QTest::addColumn<int>("page");
    QTest::newRow("forwards") << true << "0" << "1" << 0;
    QTest::newRow("backwards") << true << "0" << "0" << 1;
    QTest::newRow("standstill") << true << "1" << "1" << 2;
    QTest::newRow("offline") << false << "0" << "1" << 2;
}

void TestControlPanels::direction()
{
    QFETCH(bool, online);
    QFETCH(QString, i199);
    QFETCH(QString, i197);
    QFETCH(int, page);
    RecordingHost host;
    host.setOnline(online);
    seed(host.store(), panelDrive());
    host.store().setValue("I199", i199);
    host.store().setValue("I197", i197);
    auto panel = createPanel("SteuertafelPLCopen");
    host.attach(panel.get());
    panel->show();
    QCOMPARE(child<QStackedWidget>(panel.get(), "stackedWidgetMovie")->currentIndex(), page);
    QCOMPARE(child<LedWidget>(panel.get(), "LedWidgetI199")->isOn(), i199 == "1");
    QCOMPARE(child<LedWidget>(panel.get(), "LedWidgetI197")->isOn(), i197 == "1");
    // Without I197 both LEDs go off and the picture stays.
    host.store().remove("I197");
    host.store().setValue("I199", i199 == "1" ? "0" : "1");
    QVERIFY(!child<LedWidget>(panel.get(), "LedWidgetI199")->isOn());
    QVERIFY(!child<LedWidget>(panel.get(), "LedWidgetI197")->isOn());
    QCOMPARE(child<QStackedWidget>(panel.get(), "stackedWidgetMovie")->currentIndex(), page);
}

void TestControlPanels::safetyNotes_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    // What a user must read in every language: sole control, no controller prevents collisions,
    // no other windows, visual contact, and on hand-back the unexpected axis movements.
    QTest::addColumn<QStringList>("instructions");
    QTest::newRow("de") << 1 << "Sicherheitshinweis"
                        << QStringList{"alleinige Kontrolle", "Kollisionen zu verhindern", "Wechseln Sie nicht in andere Fenster",
                                       "Sichtkontakt zur Achse", "unerwarteten Achsbewegungen"};
    QTest::newRow("en") << 2 << "Safety note"
                        << QStringList{"sole control", "prevent collisions", "Do not switch to other windows",
                                       "visual contact with the axis", "unexpected axis movements"};
    QTest::newRow("fr") << 3 << "Consigne de sécurité"
                        << QStringList{"contrôle exclusif", "éviter des collisions", "Ne passez pas à d'autres fenêtres",
                                       "contact visuel avec l'axe", "mouvements inattendus"};
}

void TestControlPanels::safetyNotes()
{
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QStringList, instructions);
    QVERIFY(ControlPanelPage::safetyNoteText("titleSafetyNot").isEmpty());
    QVERIFY(ControlPanelPage::safetyNoteText(QString()).isEmpty());

    QTranslator *translator = PageRegistry::translator(language);
    QVERIFY(translator);
    QCoreApplication::installTranslator(translator);
    const QString activate = ControlPanelPage::safetyNoteText("messageSafetyNoteActivateControlPanel");
    const QString deactivate = ControlPanelPage::safetyNoteText("messageSafetyNoteDeactivateControlPanel");
    QCOMPARE(ControlPanelPage::safetyNoteText("titleSafetyNote"), title);
    QCoreApplication::removeTranslator(translator);
    // The host deletes the translators it was given; nothing here asks for them again.
    delete translator;
    QVERIFY(activate.startsWith("<h3>"));
    QCOMPARE(activate.count("<li>"), 3);
    QCOMPARE(deactivate.count("<li>"), 1);
    for (const QString &instruction : instructions)
        QVERIFY2((activate + deactivate).contains(instruction), qPrintable(instruction));
    QVERIFY(deactivate.contains(instructions.last()));
}

QTEST_MAIN(TestControlPanels)
#include "tst_controlpanels.moc"
