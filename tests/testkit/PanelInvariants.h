#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QWidget;
class WizardPageHost;

// The rules a page keeps about the drive's axis whatever the host does inside its calls,
// checked while a test drives the page:
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
//   written while the project was read-only (when the provider is the ParameterStore).
// It needs nothing of the pages: a panel is a page with the "controlPanelHandle" property and
// the buttons ToolButtonSteuertafelEin and ToolButtonFreigabe, so a harness that loads the
// plug-in can use it as well as a test that links the pages.
class PanelInvariants : public QObject
{
    Q_OBJECT
public:
    // More control-panel calls than this in one step count as an evaluation without end.
    static constexpr int maxCallsPerStep = 300;

    // What the host says of its control panel besides the WizardPageHost operations.
    struct HostPanel
    {
        std::function<bool()> active; // a panel holds the axis (started, not stopped since)
        std::function<quint32()> word; // the control-panel word as the page's bits left it
    };

    PanelInvariants(WizardPageHost &host, HostPanel panel, QObject *parent = nullptr);
    ~PanelInvariants() override;

    // Starts watching the page, once the host has attached it.
    void watch(QWidget *page);
    // The host reports each of its control-panel calls, as "startControlPanel(K913)",
    // "stopControlPanel()", "setControlPanelFlag(false)", "setControlPanelBit(31,true)": on
    // entry, before it acts, and once it has acted.
    void callEntered(const QString &call);
    void callLeft(const QString &call);
    // Brackets each step of a test; the rules between steps are checked at its end.
    void beginStep(const QString &name);
    void endStep();

    // "step: what", each once, in order.
    QStringList violations() const { return m_violations; }
    // A step made more than maxCallsPerStep calls; host variants stop acting from inside
    // calls then, so that a page that recurses through them comes back.
    bool runaway() const { return m_runaway; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void checkEnableBit(const QString &when);
    QString value(const QString &coordinate) const;
    qsizetype writes() const;
    void violation(const QString &what);

    WizardPageHost &m_host;
    HostPanel m_panel;
    QPointer<QWidget> m_page;
    QString m_step;
    int m_depth = 0;
    int m_callsInStep = 0;
    qsizetype m_writes = 0;
    bool m_readOnly = false;
    bool m_switchingOn = false;
    bool m_runaway = false;
    QStringList m_violations;
};
