#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class ControlPanelPage;
class RecordingHost;
class WizardPage;

// The rules a page keeps about the drive's axis whatever the host does inside its calls,
// checked while a test drives the page through a RecordingHost:
// - the axis is taken (startControlPanel) only while the user switches the panel on (inside
//   the click on its switch-on button, which includes the answer to its warning), online,
//   with A918 = 0 and with the control word present; a page that is no panel never takes it;
// - no control-panel call is entered from inside another one, and a step makes a bounded
//   number of them (an evaluation without end shows as a runaway);
// - no box opens from inside a control-panel call, and at most one box is open at a time;
// - bit 31 of the word is set only while a panel is active and its Freigabe is checked (as
//   the page leaves the word: at the next call and after each step);
// - between steps: the switch-on button is checked exactly while the page holds a handle, and
//   the host holds a panel exactly then; a hidden or deleted page holds none; nothing was
//   written while the project was read-only.
class PanelInvariants : public QObject
{
    Q_OBJECT
public:
    // More control-panel calls than this in one step count as an evaluation without end.
    static constexpr int maxCallsPerStep = 300;

    explicit PanelInvariants(RecordingHost &host, QObject *parent = nullptr);
    ~PanelInvariants() override;

    // Starts watching the page, after RecordingHost::attach().
    void watch(WizardPage *page);
    // Brackets each step of a test; the rules between steps are checked at its end.
    void beginStep(const QString &name);
    void endStep();

    // "step: what", in order.
    QStringList violations() const { return m_violations; }
    // A step made more than maxCallsPerStep calls; host variants stop acting from inside
    // calls then, so that a page that recurses through them comes back.
    bool runaway() const { return m_runaway; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onPanelCall(const QString &call, bool entering);
    void checkEnableBit(const QString &when);
    void violation(const QString &what);

    RecordingHost &m_host;
    QPointer<WizardPage> m_page;
    QPointer<ControlPanelPage> m_panel;
    QString m_step;
    int m_callsInStep = 0;
    qsizetype m_writes = 0;
    bool m_readOnly = false;
    bool m_switchingOn = false;
    bool m_runaway = false;
    QStringList m_violations;
};
