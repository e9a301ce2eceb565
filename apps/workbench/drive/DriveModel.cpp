#include "DriveModel.h"

#include "ParameterStore.h"
#include "WorkbenchHost.h"

#include <QLocale>
#include <QScopedValueRollback>

#include <algorithm>
#include <cmath>
#include <tuple>

// How the simulated drive reads the control-panel word. The pages fix which button writes
// which bit; what the drive does with a bit is the drive's own, chosen here:
//
// bit  K913 motion blocks       K911 jog                 K912 command          K914 velocity
//  0   panel active (all panels: the word drives the axis only while the host holds a panel)
//  1   Start: run block J311    Tip+: jog while held     Start: run K399/K402  Start: run at D300
//  2   Stop: brake, abort       Tip-: jog while held     -                     Stop: brake to 0
//  3   Reset: clear J302        TipStep+: one step I14   -                     -
//  4   Continue: resume         TipStep-: one step I14   -                     -
//  5   Halt (all panels): brake and hold while set; the motion goes on when it is cleared
//  6   -                        Referenz setzen: I80 = I34, referenced
// 30   Quittierung (all panels): a rising edge clears a device fault
// 31   Freigabe (all panels): a rising edge switches on after EnableDelayMs; clearing disables
//
// Start, Stop, Reset, Continue, the steps, Referenz setzen and Quittierung act on the rising
// edge, also when the button was pressed and released between two steps. Without a panel
// (handed back, offline, A918 not 0) the word reads 0: the controller, which is not
// simulated, keeps the axis disabled. So it does while another master has the axis (A900 not
// 0), also from a panel that still holds the word: the panel needs a new enable edge after it.
//
// J302, the motion-block status byte:
//  0 motion active   a block moves the axis (not while halted)
//  1 started         Start ran a block chain; cleared by Reset
//  2 aborted         Stop, disabling or a fault ended a running block
//  3 ended           the last block of the chain reached its end
//  4 reset           while Reset is held
//  5 error           a fault ended a running block
//  6 continue        Continue can resume the aborted block
//  7 continue error  Continue was given with nothing to resume
// Start clears bits 2 to 7, Reset clears all.
//
// Blocks: J11 command, J13 position, J14 velocity, J15 acceleration, J16 deceleration.
// 1 absolute, 2 relative to the actual position, 3 relative to the last target, 6 homing (to 0,
// then referenced) are positioning moves; 4 and 8 run at J14 until stopped; 5 and 11 brake
// to standstill; every other command ends at once. At its end a block chains to the first of
// J281 to J285 that names a block (the end-of-block column of the block table), else to J286.
// The simulation has no trigger signals: an end-of-block follow-up counts as triggered.

namespace {

enum Bit : int {
    BitStart = 1,
    BitStop = 2,
    BitReset = 3,
    BitContinue = 4,
    BitHalt = 5,
    BitReference = 6,
    BitAcknowledge = 30,
    BitEnable = 31,
};

constexpr quint32 bit(int number)
{
    return quint32(1) << number;
}

enum StatusBit : quint32 {
    MotionActive = 1u << 0,
    Started = 1u << 1,
    Aborted = 1u << 2,
    Ended = 1u << 3,
    ResetHeld = 1u << 4,
    Error = 1u << 5,
    ContinuePossible = 1u << 6,
    ContinueError = 1u << 7,
};

const QString BlockPanel = QStringLiteral("K913");
const QString JogPanel = QStringLiteral("K911");
const QString CommandPanel = QStringLiteral("K912");
const QString VelocityPanel = QStringLiteral("K914");

constexpr double Standstill = 1e-6;

// The distance a move covers from this step on when it brakes at the deceleration from now:
// v, v - delta, v - 2 delta, ... as long as it is positive, each for one step.
double stoppingDistance(double speed, double delta, double dt)
{
    if (speed <= 0)
        return 0;
    const double steps = std::ceil(speed / delta) - 1;
    return dt * ((steps + 1) * speed - delta * steps * (steps + 1) / 2);
}

const struct
{
    DriveModel::Fault fault;
    const char *name;
} faultNames[] = {
    {DriveModel::Fault::Device, "device-fault"},   {DriveModel::Fault::FaultPair, "fault-pair"},
    {DriveModel::Fault::OtherMaster, "other-master"}, {DriveModel::Fault::PanelLocked, "panel-locked"},
    {DriveModel::Fault::Offline, "offline"},
};

} // namespace

QList<DriveModel::Fault> DriveModel::faults()
{
    QList<Fault> list;
    for (const auto &entry : faultNames)
        list << entry.fault;
    return list;
}

QString DriveModel::faultName(Fault fault)
{
    for (const auto &entry : faultNames) {
        if (entry.fault == fault)
            return QLatin1String(entry.name);
    }
    return QString();
}

bool DriveModel::faultFromName(const QString &name, Fault *fault)
{
    for (const auto &entry : faultNames) {
        if (name == QLatin1String(entry.name)) {
            *fault = entry.fault;
            return true;
        }
    }
    return false;
}

DriveModel::DriveModel(ParameterStore *store, WorkbenchHost *host, QObject *parent)
    : QObject(parent), m_store(store), m_host(host)
{
    m_timer.setInterval(StepMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        step(m_timer.interval() / StepMs);
        const int interval = m_atRest ? RestIntervalMs : StepMs;
        if (m_timer.interval() != interval)
            m_timer.setInterval(interval);
    });
    connect(m_host, &WorkbenchHost::controlPanelChanged, this, &DriveModel::onPanelChanged);
    connect(m_host, &WorkbenchHost::onlineChanged, this, [this] {
        wake();
        publish();
        emit faultsChanged();
    });
    onPanelChanged();
    restart(openingState());
}

DriveModel::AxisState DriveModel::axisState() const
{
    AxisState state;
    state.position = m_position;
    state.lastTarget = m_lastTarget;
    state.targetReached = m_targetReached;
    state.currentBlock = m_currentBlock;
    state.startedBlock = m_startedBlock;
    state.blockStatus = m_blockStatus;
    state.faults = m_faults;
    return state;
}

DriveModel::AxisState DriveModel::openingState() const
{
    AxisState state;
    state.position = number(QStringLiteral("I80"));
    state.lastTarget = state.position;
    if (number(QStringLiteral("A900")) != 0)
        state.faults << Fault::OtherMaster;
    if (number(QStringLiteral("A918")) != 0)
        state.faults << Fault::PanelLocked;
    if (faultPairShown())
        state.faults << Fault::FaultPair;
    return state;
}

void DriveModel::restart(const AxisState &state)
{
    m_position = state.position;
    m_lastTarget = state.lastTarget;
    m_targetReached = state.targetReached;
    m_currentBlock = state.currentBlock;
    m_startedBlock = state.startedBlock;
    m_blockStatus = state.blockStatus;
    m_velocity = 0;
    m_power = Power::Disabled;
    m_enablingMs = 0;
    m_halted = false;
    m_motion = Motion();
    m_interrupted = Motion();
    m_pendingChain = -1;
    m_pendingRising = 0;
    m_faults.clear();
    for (Fault fault : state.faults) {
        if (fault != Fault::Offline && !m_faults.contains(fault))
            m_faults << fault;
    }
    // Only values that disagree are written: a drive that is opened stays as its file says.
    if ((number(QStringLiteral("A900")) != 0) != hasFault(Fault::OtherMaster))
        write(QStringLiteral("A900"), QString::number(hasFault(Fault::OtherMaster) ? 1 : 0));
    if ((number(QStringLiteral("A918")) != 0) != hasFault(Fault::PanelLocked))
        write(QStringLiteral("A918"), QString::number(hasFault(Fault::PanelLocked) ? 1 : 0));
    if (faultPairShown() != hasFault(Fault::FaultPair)) {
        write(QStringLiteral("E81"), QString::number(hasFault(Fault::FaultPair) ? 3 : 0));
        write(QStringLiteral("E82"), QString::number(hasFault(Fault::FaultPair) ? 88 : 0));
    }
    applyFaults();
    writeNumber(QStringLiteral("I80"), m_position);
    wake();
    emit faultsChanged();
}

bool DriveModel::faultPairShown() const
{
    return number(QStringLiteral("E81")) == 3 && number(QStringLiteral("E82")) == 88;
}

void DriveModel::start()
{
    m_timer.start(StepMs);
}

void DriveModel::stop()
{
    m_timer.stop();
}

void DriveModel::wake()
{
    if (m_timer.isActive() && m_timer.interval() != StepMs)
        m_timer.start(StepMs);
}

auto DriveModel::state() const
{
    auto motion = [](const Motion &m) {
        return std::make_tuple(int(m.source), m.positioning, m.homing, m.target, m.speed, m.acceleration,
                               m.deceleration, m.block);
    };
    return std::make_tuple(m_faults, m_position, m_velocity, int(m_power), m_enablingMs, m_halted, motion(m_motion),
                           motion(m_interrupted), m_lastDeceleration, m_lastTarget, m_targetReached, m_pendingChain,
                           m_pendingRising, m_currentBlock, m_startedBlock, m_blockStatus);
}

void DriveModel::step(int count)
{
    for (int i = 0; i < count; ++i) {
        const auto before = state();
        m_writes = 0;
        tick();
        m_atRest = m_writes == 0 && state() == before;
        // A step that changed nothing and wrote nothing saw the same state and values as the
        // steps after it will: they would repeat it, so only the time goes on.
        for (; m_atRest && i + 1 < count; ++i) {
            m_timeMs += StepMs;
            recordSample();
        }
    }
    if (count > 0)
        emit stepped();
}

void DriveModel::advance(int milliseconds)
{
    step((qMax(0, milliseconds) + StepMs - 1) / StepMs);
}

void DriveModel::onPanelChanged()
{
    const QString panel = m_host->controlPanelHandle() != 0 ? m_host->controlPanelCoordinate() : QString();
    const quint32 word = panel.isEmpty() ? 0 : m_host->controlPanelWord();
    if (panel != m_panel) {
        // Edges of a panel that has gone must not reach the next one.
        m_panel = panel;
        m_pendingRising = 0;
        m_lastWord = 0;
    }
    m_pendingRising |= word & ~m_lastWord;
    m_lastWord = word;
    wake();
}

// ---- faults

bool DriveModel::hasFault(Fault fault) const
{
    // The connection is the host's; the toolbar switches it too.
    return fault == Fault::Offline ? !m_host->isOnline() : m_faults.contains(fault);
}

void DriveModel::setFault(Fault fault, bool on)
{
    if (hasFault(fault) == on)
        return;
    if (fault == Fault::Offline) {
        m_host->setOnline(!on);  // faultsChanged follows from the host's signal
        return;
    }
    if (on)
        m_faults << fault;
    else
        m_faults.removeAll(fault);
    wake();
    writeFaultValues();
    emit faultsChanged();
}

void DriveModel::clearFaults()
{
    for (Fault fault : faults())
        setFault(fault, false);
}

void DriveModel::writeFaultValues()
{
    // Written when a fault comes or goes, not every step, so that a person can still set these
    // values by hand in the parameter inspector.
    const bool pair = hasFault(Fault::FaultPair);
    write(QStringLiteral("E81"), QString::number(pair ? 3 : 0));
    write(QStringLiteral("E82"), QString::number(pair ? 88 : 0));
    write(QStringLiteral("A900"), QString::number(hasFault(Fault::OtherMaster) ? 1 : 0));
    write(QStringLiteral("A918"), QString::number(hasFault(Fault::PanelLocked) ? 1 : 0));
    applyFaults();
    publish();
}

void DriveModel::applyFaults()
{
    const bool faulted = hasFault(Fault::Device) || hasFault(Fault::FaultPair);
    if (faulted && m_power != Power::Faulted) {
        // The fault reaction: the block ends with an error and the power stage is off.
        if (m_motion.source == Source::Block || m_pendingChain >= 0)
            m_blockStatus |= Error;
        abortMotion(false);
        m_velocity = 0;
        m_halted = false;
        m_power = Power::Faulted;
    } else if (!faulted && m_power == Power::Faulted) {
        m_power = Power::Disabled;
    }
}

// ---- stepping

void DriveModel::tick()
{
    m_timeMs += StepMs;
    // A device fault set by hand (E48 = 5) counts as an injected one.
    if (m_power != Power::Faulted && m_host->isOnline()
        && m_store->value(QStringLiteral("E48"), 1) == QLatin1String("5")) {
        m_faults << Fault::Device;
        writeFaultValues();
        emit faultsChanged();
    }

    const bool drivable = !m_panel.isEmpty() && number(QStringLiteral("A918")) == 0 && number(QStringLiteral("A900")) == 0;
    const quint32 word = drivable ? m_lastWord : 0;
    const quint32 rising = drivable ? m_pendingRising : 0;
    m_pendingRising = 0;

    if (m_power == Power::Faulted && (rising & bit(BitAcknowledge))) {
        m_faults.removeAll(Fault::Device);
        m_faults.removeAll(Fault::FaultPair);
        writeFaultValues();
        emit faultsChanged();
    }

    switch (m_power) {
    case Power::Faulted:
        break;
    case Power::Disabled:
        if ((rising & bit(BitEnable)) && (word & bit(BitEnable))) {
            // The step that sees the edge is the first of the delay.
            m_power = Power::Enabling;
            m_enablingMs = StepMs;
            if (m_enablingMs >= EnableDelayMs)
                m_power = Power::Enabled;
        }
        break;
    case Power::Enabling:
    case Power::Enabled:
        if (!(word & bit(BitEnable))) {
            // The power stage is off: the axis stops where it is.
            abortMotion(false);
            m_velocity = 0;
            m_power = Power::Disabled;
        } else if (m_power == Power::Enabling) {
            m_enablingMs += StepMs;
            if (m_enablingMs >= EnableDelayMs)
                m_power = Power::Enabled;
        }
        break;
    }

    if (m_power == Power::Enabled)
        followWord(word, rising);
    else
        m_halted = false;
    move();

    recordSample();
    publish();
}

void DriveModel::recordSample()
{
    m_history << Sample{m_timeMs, m_position, m_velocity};
    const qsizetype keep = HistoryMs / StepMs;
    if (m_history.size() > keep)
        m_history.remove(0, m_history.size() - keep);
}

void DriveModel::followWord(quint32 word, quint32 rising)
{
    m_halted = word & bit(BitHalt);
    if (m_pendingChain >= 0) {
        const int next = m_pendingChain;
        m_pendingChain = -1;
        startBlock(next);
    }

    if (m_panel == BlockPanel) {
        m_blockStatus = (word & bit(BitReset)) ? (m_blockStatus | ResetHeld) : (m_blockStatus & ~ResetHeld);
        if (rising & bit(BitReset)) {
            abortMotion(false);
            m_blockStatus = ResetHeld;
            m_currentBlock = -1;
            m_startedBlock = -1;
            m_interrupted = Motion();
        }
        if ((rising & bit(BitStart)) && !m_halted) {
            m_blockStatus = Started;
            m_interrupted = Motion();
            const int block = int(number(QStringLiteral("J311")));
            m_startedBlock = block;
            startBlock(block);
        }
        if (rising & bit(BitStop))
            abortMotion(true);
        if (rising & bit(BitContinue)) {
            if (m_interrupted.source == Source::Block) {
                m_motion = m_interrupted;
                m_interrupted = Motion();
                m_blockStatus &= ~(Aborted | ContinuePossible | ContinueError);
            } else {
                m_blockStatus |= ContinueError;
            }
        }
    } else if (m_panel == JogPanel) {
        const bool plus = word & bit(BitStart);
        const bool minus = word & bit(BitStop);
        const double speed = number(QStringLiteral("I12"));
        if (plus != minus && m_motion.source != Source::JogStep) {
            m_motion = Motion();
            m_motion.source = Source::Jog;
            m_motion.speed = plus ? speed : -speed;
            m_motion.acceleration = rate(QStringLiteral("I13"));
            m_motion.deceleration = rate(QStringLiteral("I45"));
        } else if (m_motion.source == Source::Jog) {
            // Released: brake to standstill.
            m_motion.speed = 0;
        }
        const int stepDirection = (rising & bit(BitReset)) ? 1 : (rising & bit(BitContinue)) ? -1 : 0;
        if (stepDirection != 0 && m_motion.source != Source::Jog && speed > 0) {
            const double from = m_motion.source == Source::JogStep ? m_motion.target : m_position;
            m_motion = Motion();
            m_motion.source = Source::JogStep;
            m_motion.positioning = true;
            m_motion.target = from + stepDirection * number(QStringLiteral("I14"));
            m_motion.speed = speed;
            m_motion.acceleration = rate(QStringLiteral("I13"));
            m_motion.deceleration = rate(QStringLiteral("I45"));
            m_targetReached = false;
        }
        if ((rising & bit(BitReference)) && std::abs(m_velocity) < Standstill) {
            m_position = number(QStringLiteral("I34"));
            m_lastTarget = m_position;
            write(QStringLiteral("I187"), QStringLiteral("1"));
        }
    } else if (m_panel == CommandPanel) {
        if ((rising & bit(BitStart)) && !m_halted)
            startCommand();
    } else if (m_panel == VelocityPanel) {
        if ((rising & bit(BitStart)) && !m_halted) {
            m_motion = Motion();
            m_motion.source = Source::Velocity;
            m_motion.speed = number(QStringLiteral("D300"));
            m_motion.acceleration = rate(QStringLiteral("D301"));
            m_motion.deceleration = rate(QStringLiteral("D302"));
        }
        if ((rising & bit(BitStop)) && m_motion.source == Source::Velocity)
            m_motion.speed = 0;
    }
}

void DriveModel::move()
{
    const double dt = StepMs / 1000.0;
    if (m_power != Power::Enabled) {
        m_velocity = 0;
        return;
    }
    const bool braking = m_halted || m_motion.source == Source::None;
    if (m_motion.source != Source::None)
        m_lastDeceleration = m_motion.deceleration;

    if (!braking && m_motion.positioning) {
        positionStep(&m_position, &m_velocity, m_motion.target, m_motion.speed, m_motion.acceleration,
                     m_motion.deceleration, dt);
        if (m_position == m_motion.target && m_velocity == 0) {
            m_targetReached = true;
            m_lastTarget = m_motion.target;
            if (m_motion.homing)
                write(QStringLiteral("I187"), QStringLiteral("1"));
            endMotion();
        }
        return;
    }

    const double setpoint = braking ? 0.0 : m_motion.speed;
    const bool faster = std::abs(setpoint) > std::abs(m_velocity) && setpoint * m_velocity >= 0;
    const double limit = (faster ? (braking ? m_lastDeceleration : m_motion.acceleration)
                                 : (braking ? m_lastDeceleration : m_motion.deceleration)) * dt;
    m_velocity += std::clamp(setpoint - m_velocity, -limit, limit);
    m_position += m_velocity * dt;
    // A velocity move that was told to stop ends at standstill; so does a stop command.
    if (!braking && setpoint == 0 && std::abs(m_velocity) < Standstill) {
        m_velocity = 0;
        endMotion();
    }
}

void DriveModel::positionStep(double *position, double *velocity, double target, double maxSpeed, double acceleration,
                              double deceleration, double dt)
{
    const double delta = deceleration * dt;
    const double remaining = target - *position;
    if (std::abs(remaining) < 1e-9 && std::abs(*velocity) <= delta) {
        *position = target;
        *velocity = 0;
        return;
    }
    const double direction = remaining >= 0 ? 1.0 : -1.0;
    const double toward = *velocity * direction;
    double speed;
    if (toward < 0) {
        // Moving away from the target: brake first.
        speed = std::min(0.0, toward + delta);
    } else {
        const double distance = std::abs(remaining);
        const double lower = std::max(0.0, toward - delta);
        const double upper = std::max(lower, std::min(maxSpeed, toward + acceleration * dt));
        if (stoppingDistance(lower, delta, dt) >= distance) {
            // Cannot stop in time (the target moved): brake as hard as allowed.
            speed = std::min(lower, distance / dt);
        } else if (stoppingDistance(upper, delta, dt) <= distance) {
            speed = upper;
        } else {
            double low = lower;
            double high = upper;
            for (int i = 0; i < 60; ++i) {
                const double middle = (low + high) / 2;
                (stoppingDistance(middle, delta, dt) <= distance ? low : high) = middle;
            }
            speed = low;
        }
    }
    *velocity = speed * direction;
    *position += *velocity * dt;
    if (std::abs(target - *position) < 1e-7)
        *position = target;
}

void DriveModel::endMotion()
{
    const Motion ended = m_motion;
    m_motion = Motion();
    if (ended.source != Source::Block)
        return;
    const int next = followUpBlock(ended.block);
    if (next >= 0)
        m_pendingChain = next;  // the next step starts it, so that a chain of empty blocks cannot spin
    else
        m_blockStatus = (m_blockStatus & ~MotionActive) | Ended;
}

void DriveModel::abortMotion(bool resumable)
{
    m_pendingChain = -1;
    if (m_motion.source == Source::Block) {
        m_blockStatus |= Aborted;
        if (resumable) {
            m_interrupted = m_motion;
            m_blockStatus |= ContinuePossible;
        }
    }
    if (m_motion.source != Source::None)
        m_lastDeceleration = m_motion.deceleration;
    m_motion = Motion();
}

bool DriveModel::setUpCommand(Motion *motion, int command, double position) const
{
    switch (command) {
    case 1: motion->target = position; break;
    case 2: motion->target = m_position + position; break;
    case 3: motion->target = m_lastTarget + position; break;
    case 6: motion->homing = true; motion->target = 0; break;
    case 4:
    case 8: return true;
    case 5:
    case 11: motion->speed = 0; return true;
    default: return false;
    }
    motion->positioning = true;
    return true;
}

void DriveModel::startBlock(int block)
{
    const ParameterDefinitionData *names = m_store->definition(QStringLiteral("J10"));
    const int count = names ? int(names->elementCount) : 0;
    if (block < 0 || block >= count) {
        m_blockStatus |= Error;
        return;
    }
    m_currentBlock = block;
    m_blockStatus |= MotionActive;
    m_targetReached = false;

    Motion motion;
    motion.source = Source::Block;
    motion.block = block;
    const double speedLimit = number(QStringLiteral("I10"));
    const int command = int(number(QStringLiteral("J11"), block));
    // Velocity blocks may take their velocity from the external source G462.
    const bool external = (command == 4 || command == 8) && number(QStringLiteral("J30"), block) != 0;
    motion.speed = number(external ? QStringLiteral("G462") : QStringLiteral("J14"), external ? 0 : block);
    if (speedLimit > 0)
        motion.speed = std::min(motion.speed, speedLimit);
    motion.acceleration = rate(QStringLiteral("J15"), block);
    motion.deceleration = rate(QStringLiteral("J16"), block);
    if (!setUpCommand(&motion, command, number(QStringLiteral("J13"), block))) {
        // Commands without a motion in the simulation end at once.
        m_motion = motion;
        endMotion();
        return;
    }
    if (motion.positioning && motion.speed <= 0)
        motion.speed = std::max(speedLimit, 1.0);
    m_motion = motion;
}

void DriveModel::startCommand()
{
    const QString coordinate = m_store->contains(QStringLiteral("K399")) ? QStringLiteral("K399") : QStringLiteral("K402");
    Motion motion;
    motion.source = Source::Command;
    motion.speed = number(QStringLiteral("K404"));
    motion.acceleration = rate(QStringLiteral("K405"));
    motion.deceleration = rate(QStringLiteral("K406"));
    if (!setUpCommand(&motion, int(number(coordinate)), number(QStringLiteral("K403")))
        || (motion.positioning && motion.speed <= 0))
        return;
    m_targetReached = false;
    m_motion = motion;
}

int DriveModel::followUpBlock(int block) const
{
    for (int trigger = 1; trigger <= 5; ++trigger) {
        const QString next = QStringLiteral("J%1").arg(280 + trigger);
        const int candidate = m_store->contains(next) ? int(number(next, block)) : -1;
        if (candidate >= 0)
            return candidate;
    }
    const int buffered = m_store->contains(QStringLiteral("J286")) ? int(number(QStringLiteral("J286"), block)) : -1;
    return buffered >= 0 ? buffered : -1;
}

// ---- values

QString DriveModel::stateText() const
{
    if (!m_host->isOnline())
        return tr("offline");
    switch (m_power) {
    case Power::Faulted: return tr("fault");
    case Power::Disabled: return tr("disabled");
    case Power::Enabling: return tr("switching on");
    case Power::Enabled: break;
    }
    if (m_halted)
        return tr("halted");
    switch (m_motion.source) {
    case Source::None: return std::abs(m_velocity) < Standstill ? tr("standstill") : tr("stopping");
    case Source::Block: return tr("block %1").arg(m_motion.block);
    case Source::Jog: return tr("jogging");
    case Source::JogStep: return tr("jog step");
    case Source::Command: return tr("command");
    case Source::Velocity: return tr("velocity");
    }
    return QString();
}

void DriveModel::publish()
{
    // Without a connection the host shows no live values: the status the drive reports goes
    // back to its defaults, once; the live values follow when the connection is back. The
    // position stays as last reported, as it is kept with the drive when it is saved.
    const bool online = m_host->isOnline();
    if (!online && m_offlineShown)
        return;
    m_offlineShown = !online;
    const auto put = [this, online](const QString &coordinate, const QString &text) {
        write(coordinate, online ? text : defaultText(coordinate));
    };
    const auto putNumber = [this, online, &put](const QString &coordinate, double value) {
        if (online)
            writeNumber(coordinate, value);
        else
            put(coordinate, QString());
    };
    const bool moving = std::abs(m_velocity) >= Standstill;
    const bool enabled = m_power == Power::Enabled;
    int deviceState = 2;
    switch (m_power) {
    case Power::Disabled: deviceState = 2; break;
    case Power::Enabling: deviceState = 3; break;
    case Power::Enabled: deviceState = 4; break;
    case Power::Faulted: deviceState = 5; break;
    }
    int coreState = 1;
    if (m_power == Power::Faulted)
        coreState = 6;
    else if (!enabled)
        coreState = 0;
    else if (m_halted || (m_motion.source == Source::None && moving))
        coreState = 5;
    else if (m_motion.homing)
        coreState = 7;
    else if (m_motion.source != Source::None)
        coreState = m_motion.positioning ? 2 : 3;

    quint32 blockStatus = m_blockStatus;
    if (m_motion.source != Source::Block || m_halted)
        blockStatus &= ~MotionActive;
    if (m_pendingChain >= 0)
        blockStatus |= MotionActive;

    put(QStringLiteral("E48"), QString::number(deviceState));
    put(QStringLiteral("E49"), QString::number(m_power == Power::Faulted ? 0x02 : 0));
    put(QStringLiteral("I85"), m_power == Power::Faulted ? QStringLiteral("0") : QStringLiteral("1"));
    put(QStringLiteral("I91"), enabled ? QStringLiteral("1") : QStringLiteral("0"));
    put(QStringLiteral("I199"), moving ? QStringLiteral("0") : QStringLiteral("1"));
    put(QStringLiteral("I197"), m_velocity >= Standstill ? QStringLiteral("1") : QStringLiteral("0"));
    put(QStringLiteral("I182"), m_targetReached ? QStringLiteral("1") : QStringLiteral("0"));
    put(QStringLiteral("I188"), m_panel == JogPanel ? QStringLiteral("1") : QStringLiteral("0"));
    put(QStringLiteral("I805"), m_halted ? QStringLiteral("1") : QStringLiteral("0"));
    put(QStringLiteral("I806"), (m_blockStatus & Aborted) ? QStringLiteral("1") : QStringLiteral("0"));
    put(QStringLiteral("I89"), QString::number(coreState));
    put(QStringLiteral("J300"), QString::number(m_currentBlock));
    put(QStringLiteral("J302"), QString::number(blockStatus));
    put(QStringLiteral("J312"), QString::number(m_startedBlock));
    if (online)
        writeNumber(QStringLiteral("I80"), m_position);
    putNumber(QStringLiteral("I88"), m_velocity);
    putNumber(QStringLiteral("J314"), m_velocity);
    if (m_motion.positioning || !online) {
        putNumber(QStringLiteral("J313"), m_motion.target);
        putNumber(QStringLiteral("J315"), m_motion.target - m_position);
    } else {
        putNumber(QStringLiteral("J315"), 0);
    }
    if (m_panel == VelocityPanel || !online)
        putNumber(QStringLiteral("D03"), m_velocity);
}

double DriveModel::number(const QString &coordinate, int element) const
{
    if (element < 0 || element > 0xFFFF)
        return 0;
    return QLocale::c().toDouble(m_store->value(coordinate, 1, static_cast<unsigned short>(element)));
}

double DriveModel::rate(const QString &coordinate, int element) const
{
    // A missing or zero acceleration falls back to the drive's limit, so no move creeps forever.
    double value = number(coordinate, element);
    if (value <= 0)
        value = number(QStringLiteral("I11"));
    return value > 0 ? value : 1000.0;
}

QString DriveModel::defaultText(const QString &coordinate) const
{
    const auto object = m_store->parameter(ParameterCoordinate(coordinate)).toStrongRef();
    return object ? object->defaultValueText(eLivingSpaceCurrent, 0, false) : QString();
}

void DriveModel::write(const QString &coordinate, const QString &text, int element)
{
    if (!m_store->contains(coordinate))
        return;
    // Only changes are written, so pages do not repaint for nothing.
    if (m_store->value(coordinate, 1, static_cast<unsigned short>(element)) != text)
        store(coordinate, element, text);
}

void DriveModel::store(const QString &coordinate, int element, const QString &text)
{
    ++m_writes;
    const QScopedValueRollback<bool> writing(m_writing, true);
    m_store->setValue(coordinate, 1, static_cast<unsigned short>(element), text);
}

void DriveModel::writeNumber(const QString &coordinate, double value, int element)
{
    if (!m_store->contains(coordinate))
        return;
    const double rounded = std::round(value * 1000) / 1000;
    const QString current = m_store->value(coordinate, 1, static_cast<unsigned short>(element));
    bool ok = false;
    const float stored = QLocale::c().toFloat(current, &ok);
    if (ok && stored == float(rounded))
        return;
    store(coordinate, element, QString::number(rounded, 'f', 3));
}
