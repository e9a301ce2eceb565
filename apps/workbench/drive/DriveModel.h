#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

class ParameterStore;
class WorkbenchHost;

// The axis behind the simulated drive. It reads the control-panel word the host holds and the
// drive's own parameters, moves the axis in fixed steps of simulated time and writes back what
// the pages read: device state, status bits, motion-block status, position and velocity.
// It has no widgets; the workbench steps it from a timer, tests and scenarios by hand.
// Until it is stepped it writes nothing, so a drive nobody steps stays a plain parameter store.
class DriveModel : public QObject
{
    Q_OBJECT
public:
    static constexpr int StepMs = 10;
    // A power stage takes a moment to switch on after the enable bit.
    static constexpr int EnableDelayMs = 100;
    static constexpr int HistoryMs = 10000;
    // While nothing changes from step to step, the wall-clock timer steps this often (and as
    // many steps at once), so that a window left open at standstill costs next to nothing.
    static constexpr int RestIntervalMs = 100;

    enum class Fault {
        Device,       // E48 = 5
        FaultPair,    // E81 = 3, E82 = 88 with the device in fault
        OtherMaster,  // A900 = 1: another master controls the axis
        PanelLocked,  // A918 = 1: the drive refuses control panels
        Offline,      // the connection to the drive is lost
    };
    static QList<Fault> faults();
    static QString faultName(Fault fault);
    static bool faultFromName(const QString &name, Fault *fault);

    enum class Power { Disabled, Enabling, Enabled, Faulted };

    struct Sample
    {
        qint64 timeMs;
        double position;
        double velocity;
    };

    // What the axis keeps besides the drive's parameters; a recording starts from it.
    struct AxisState
    {
        double position = 0;
        double lastTarget = 0;      // where relative-to-target commands count from
        bool targetReached = false;
        int currentBlock = -1;
        int startedBlock = -1;
        quint32 blockStatus = 0;    // J302
        QList<Fault> faults;        // injected ones; the connection is the host's
    };

    // The axis starts as restart(openingState()) leaves it.
    DriveModel(ParameterStore *store, WorkbenchHost *host, QObject *parent = nullptr);

    AxisState axisState() const;
    // The state a drive opens in: at its actual position I80, no block run, and the faults
    // that its values show (A900, A918, E81 = 3 with E82 = 88).
    AxisState openingState() const;
    // Puts the axis at rest in the state: switched off, nothing running or pending, the
    // values of the faults written where the drive's values say otherwise.
    void restart(const AxisState &state);

    // The wall-clock timer of the interactive workbench.
    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    // True while the axis writes its own values into the drive.
    bool isWriting() const { return m_writing; }

    void step(int count = 1);
    // Steps for at least the given simulated time.
    void advance(int milliseconds);

    void setFault(Fault fault, bool on);
    bool hasFault(Fault fault) const;
    void clearFaults();

    qint64 timeMs() const { return m_timeMs; }
    double position() const { return m_position; }
    double velocity() const { return m_velocity; }
    Power power() const { return m_power; }
    bool isHalted() const { return m_halted; }
    // The block being run, or the last one; -1 when none has run since the last reset.
    int currentBlock() const { return m_currentBlock; }
    QString stateText() const;
    // Position and velocity of the last HistoryMs, oldest first.
    const QList<Sample> &history() const { return m_history; }

    // One step of a positioning move: the fastest speed toward the target from which the axis
    // still stops there with the deceleration, within the speed and acceleration limits.
    static void positionStep(double *position, double *velocity, double target, double maxSpeed, double acceleration,
                             double deceleration, double dt);

signals:
    void stepped();
    void faultsChanged();

private:
    enum class Source { None, Block, Jog, JogStep, Command, Velocity };
    struct Motion
    {
        Source source = Source::None;
        bool positioning = false;
        bool homing = false;
        double target = 0;
        double speed = 0;  // the speed limit of a positioning move; the signed setpoint otherwise
        double acceleration = 1000;
        double deceleration = 1000;
        int block = -1;
    };

    void onPanelChanged();
    // Back to stepping every StepMs when something from outside may set the axis going.
    void wake();
    auto state() const;
    void tick();
    void recordSample();
    void followWord(quint32 word, quint32 rising);
    void move();
    void applyFaults();
    void endMotion();
    void abortMotion(bool resumable);
    // A block's or the command panel's command: false for one that does not move the axis.
    bool setUpCommand(Motion *motion, int command, double position) const;
    void startBlock(int block);
    void startCommand();
    int followUpBlock(int block) const;
    void publish();

    double number(const QString &coordinate, int element = 0) const;
    double rate(const QString &coordinate, int element = 0) const;
    void write(const QString &coordinate, const QString &text, int element = 0);
    void writeNumber(const QString &coordinate, double value, int element = 0);
    void store(const QString &coordinate, int element, const QString &text);
    void writeFaultValues();
    QString defaultText(const QString &coordinate) const;
    bool faultPairShown() const;

    ParameterStore *m_store;
    WorkbenchHost *m_host;
    QTimer m_timer;
    QList<Fault> m_faults;

    qint64 m_timeMs = 0;
    double m_position = 0;
    double m_velocity = 0;
    Power m_power = Power::Disabled;
    int m_enablingMs = 0;
    bool m_halted = false;
    Motion m_motion;
    Motion m_interrupted;       // what Continue resumes
    double m_lastDeceleration = 1000;
    double m_lastTarget = 0;
    bool m_targetReached = false;
    int m_pendingChain = -1;

    QString m_panel;            // the control word the host drives the axis with
    quint32 m_lastWord = 0;
    quint32 m_pendingRising = 0;

    int m_currentBlock = -1;
    int m_startedBlock = -1;
    quint32 m_blockStatus = 0;  // J302
    QList<Sample> m_history;
    int m_writes = 0;           // values written since the count was last cleared
    bool m_atRest = false;      // the last step changed nothing and wrote nothing
    bool m_writing = false;
    bool m_offlineShown = false;  // the live values are back at their defaults
};
