#pragma once

#include "BrevanePage.h"

#include <QMap>
#include <QList>
#include <QSet>
#include <QStringList>

class LedWidget;
class QAbstractButton;
class QLabel;
class QMovie;
class QStackedWidget;
class SvgWidget;

// The machinery every control panel shares. A panel takes the axis from its controller
// through the host, after the user has once accepted a safety warning, and sets single bits
// of the host's control-panel word; hiding or deleting the page always hands the axis back.
//
// A panel page supplies data: its control word coordinate, the object names of its buttons
// and frames per panel state, its live values, and hooks for the few rules no table holds.
// The common widgets are found by object name: ToolButtonSteuertafelEin, ToolButtonFreigabe,
// ToolButtonHalt, ToolButtonQuittierung, labelControlPanelOnOff, svgWidget, FrameFreigabe,
// FrameQuittierung, the Halt frame, stackedWidgetMovie with LblGrafikVor, LblGrafikRueck and
// LblGrafikStillstand, and the status LEDs LedWidget<coordinate>.
class ControlPanelPage : public BrevanePage
{
    Q_OBJECT
    // Readable by name also where the page comes from the loaded plug-in (test harnesses).
    Q_PROPERTY(int controlPanelHandle READ controlPanelHandle)
public:
    ~ControlPanelPage() override;

    void initialUpdate() override;

    // The translated safety note for a key; an unknown key gives an empty text.
    static QString safetyNoteText(const QString &key);

    int controlPanelHandle() const { return m_handle; }

    // The states adjustVisibility() distinguishes; a panel describes itself by them.
    enum class PanelState {
        Unavailable,     // offline, A918 not 0, A900 taken by another, or no control word parameter
        SwitchedOff,     // switch-on button released
        Refused,         // the activation warning was declined
        On,              // the panel holds the axis
        NotEnabled,      // on, Freigabe not checked or a fault reported
        FreigabeOffered, // not enabled, Freigabe may be switched on
        FreigabeBlocked, // not enabled, Freigabe is not possible now
        FaultOff,        // switched off by a fault
        Enabled          // on and enabled
    };

    // Object names of the widgets a state sets, besides what every panel does in that state.
    struct WidgetSets
    {
        QStringList enable;
        QStringList disable;
        QStringList show;
        QStringList hide;
    };

    struct MomentaryButton
    {
        const char *objectName;
        int bit;
    };

    struct PanelRules
    {
        QString controlWord;
        QString haltFrame = QStringLiteral("FrameHalt");
        QList<MomentaryButton> momentaryButtons;
        // Enabled in the enabled state exactly when Halt is not checked and E48 is not 1.
        QStringList motionButtons;
        QMap<PanelState, WidgetSets> states;
        // Bits cleared before the axis is handed back on a fault switch-off, and whether the
        // flag is cleared first there.
        QList<int> faultReleaseBits;
        bool faultReleaseFlagFirst = false;
        // Whether E81/E82 are looked at while the page is hidden.
        bool faultFlagWhileHidden = true;
        // Parameters whose change re-evaluates the panel, besides the common ones.
        QStringList extraInputs;
        // Live values while the page is shown (E180 elements 0 and 1 come after them).
        QStringList liveValues;
    };

public slots:
    // Recomputes the whole panel state; takes the axis over or hands it back where due.
    void adjustVisibility();
    void onSteuertafelEinClicked();
    void onFreigabeClicked();
    void onHaltClicked();
    void onQuittierungPressed();
    void onQuittierungReleased();
    // E81/E82: a fault that switches the panel off at the next not-enabled evaluation.
    void onE81Changed();
    void onOnlineChanged(bool online);
    void onI199_I197Changed();
    // Every status LED of the panel.
    void refreshStatusLeds();

protected:
    ControlPanelPage(const PanelRules &rules, QWidget *parent);

    // Call once from the constructor, after the form is built.
    void setupPanel();

    // Hooks for the rules of a panel that no widget set holds.
    virtual bool freigabeAllowed() const { return true; }
    virtual void applyPanelState(PanelState state, bool motionAllowed);
    virtual void finishPanelState() {}
    // Halt was switched by the user (after its bit was written).
    virtual void haltSwitched(bool checked) { Q_UNUSED(checked); }
    // Refreshes what the panel shows beyond the common status, when shown.
    virtual void refreshPanel() {}

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    void applyWidgetSets(const WidgetSets &sets);
    void setWidgetsVisible(const QStringList &names, bool visible);
    void setWidgetsEnabled(const QStringList &names, bool enabled);
    QWidget *widget(const QString &name) const;
    bool isShownOnPage(const QString &name) const;
    bool isPageShown() const { return m_pageShown; }
    QAbstractButton *haltButton() const { return m_halt; }

    // Names what the switch-on button does next.
    void setLabel(bool panelOn);
    void retranslatePage() override;

private:
    // Why the switch-on button cannot take the axis over, or why the last take-over ended.
    enum class Reason { None, Offline, Locked, OtherMaster, NoControlWord, Refused, DeviceFault, FaultSwitchOff };
    Reason unavailableReason() const;
    bool faultPairReported() const;
    QString reasonText(Reason reason) const;
    void showReason(Reason reason);

    // Every host control-panel operation goes through callHost(), which keeps them from
    // nesting: what the page asks for while a call is under way (an evaluation a report of the
    // host starts, a hand-back from hideEvent, a bit the user sets while the host runs an
    // event loop) waits until the outermost call has returned. Functions that reach the host
    // return false when the host deleted the page meanwhile: the caller touches nothing more.
    enum class HostCall { Start, Stop, Flag, Bit };
    [[nodiscard]] bool callHost(HostCall call, int bit = 0, bool on = false);
    [[nodiscard]] bool setBit(int bit, bool on);
    [[nodiscard]] bool flushQueuedBits();
    // Runs one evaluation now; false when the page is gone.
    [[nodiscard]] bool runEvaluation();
    // Runs, at the outermost level, the evaluations asked for meanwhile, a bounded number of
    // times: a host that answers every call with a report gets no evaluation without end.
    void settle();
    [[nodiscard]] bool evaluate();
    // The host call that takes the axis over, with the bits that follow it.
    [[nodiscard]] bool takeOver();
    // A safety warning is open: faults, locks and the loss of the connection act at once.
    [[nodiscard]] bool actWhileWarningOpen();
    void setDiagramEnabled(bool enabled);
    // Gives the axis back to its controller: the switch-on button released first, then the
    // enable bit off and the flag cleared before the stop, so that a host that keeps the word
    // across a stop never starts with it on.
    [[nodiscard]] bool handBack(const QList<int> &releaseBits = {}, bool flagFirst = false);
    // The host deleted the page inside a call while the axis was held: hands it back from
    // what the call kept, without the page.
    static void handBackOrphaned(WizardPageHost *host, const QSet<int> &heldBits);
    void showOffState(PanelState state);
    void applyState(PanelState state, bool motionAllowed = false);
    // Shows a safety warning. The host may delete the page while the warning waits for its
    // answer (its event loop runs); then nothing of the page may be touched any more.
    // Superseded: a fault, a lock or the loss of the connection ended the session while the
    // warning was open; its answer changes nothing.
    enum class Answer { Ok, Cancel, Superseded, PageGone };
    Answer confirm(const QString &messageKey);
    void startAnimations(bool on);

    PanelRules m_rules;
    QAbstractButton *m_switchOn = nullptr;
    QAbstractButton *m_freigabe = nullptr;
    QAbstractButton *m_halt = nullptr;
    QAbstractButton *m_quittierung = nullptr;
    QLabel *m_onOffLabel = nullptr;
    SvgWidget *m_diagram = nullptr;
    QStackedWidget *m_movieStack = nullptr;
    QList<QMovie *> m_movies;
    QSet<int> m_heldBits;

    int m_handle = 0;
    bool m_warnOnActivate = true;
    bool m_warnOnDeactivate = true;
    bool m_faultSwitchOffPending = false;
    bool m_pageShown = false;
    bool m_warningOpen = false;
    bool m_warningSuperseded = false;
    // Inside the user's click on the switch-on button (and the answer to its warning): the
    // only time the axis is taken.
    bool m_userSwitchingOn = false;
    int m_hostDepth = 0;   // host control-panel calls under way
    int m_evaluating = 0;  // evaluations under way (an open warning's event loop starts afresh)
    bool m_settling = false;
    bool m_evaluationPending = false;
    bool m_handBackPending = false;
    bool m_handingBack = false;
    QList<QPair<int, bool>> m_queuedBits;
    bool m_labelOn = false;
    Reason m_offReason = Reason::None;
    Reason m_shownReason = Reason::None;
};
