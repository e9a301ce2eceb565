// The simulated axis: how it answers the control-panel word, its faults and its motion.

#include "DriveModel.h"
#include "SimulatedDrive.h"
#include "WorkbenchHost.h"

#include <QTest>

#include <cmath>
#include <memory>

namespace {

struct Rig
{
    SimulatedDrive drive;
    std::unique_ptr<WorkbenchHost> host;
    std::unique_ptr<DriveModel> model;

    Rig()
    {
        QString error;
        if (!drive.loadDefault(&error))
            qFatal("%s", qPrintable(error));
        host = std::make_unique<WorkbenchHost>(drive.store());
        model = std::make_unique<DriveModel>(drive.store(), host.get());
    }

    QString value(const QString &coordinate, int element = 0) const
    {
        return drive.store()->value(coordinate, 1, static_cast<unsigned short>(element));
    }
    double number(const QString &coordinate) const { return value(coordinate).toDouble(); }
    void set(const QString &coordinate, const QString &text, int element = 0)
    {
        QVERIFY2(drive.store()->setValue(coordinate, 1, static_cast<unsigned short>(element), text),
                 qPrintable(drive.store()->lastWriteError()));
    }
    void pulse(int bit)
    {
        host->setControlPanelBit(bit, true);
        host->setControlPanelBit(bit, false);
    }
    // Takes the axis with a panel and enables it.
    void enable(const QString &panel)
    {
        host->startControlPanel(panel);
        host->setControlPanelBit(0, true);
        host->setControlPanelBit(31, true);
        model->advance(DriveModel::EnableDelayMs);
    }
    // Steps until the motion-block status has one of the bits, at most for the given time.
    bool runUntilStatus(quint32 bits, int milliseconds)
    {
        for (int t = 0; t < milliseconds; t += DriveModel::StepMs) {
            if (value(QStringLiteral("J302")).toUInt() & bits)
                return true;
            model->step();
        }
        return false;
    }
};

// A tiny script: "start K913", "bit 31", "clear 31", "pulse 30", "step 5", "fault NAME",
// "unfault NAME", "stop", separated by ";".
void play(Rig &rig, const QString &script)
{
    for (const QString &command : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = command.simplified().split(QLatin1Char(' '));
        const QString verb = words.value(0);
        const QString argument = words.value(1);
        DriveModel::Fault fault{};
        if (verb == QLatin1String("start"))
            rig.host->startControlPanel(argument);
        else if (verb == QLatin1String("bit"))
            rig.host->setControlPanelBit(argument.toInt(), true);
        else if (verb == QLatin1String("clear"))
            rig.host->setControlPanelBit(argument.toInt(), false);
        else if (verb == QLatin1String("pulse"))
            rig.pulse(argument.toInt());
        else if (verb == QLatin1String("step"))
            rig.model->step(argument.toInt());
        else if (verb == QLatin1String("stop"))
            rig.host->stopControlPanel();
        else if (verb == QLatin1String("set"))
            rig.set(argument, words.value(2));
        else if ((verb == QLatin1String("fault") || verb == QLatin1String("unfault"))
                 && DriveModel::faultFromName(argument, &fault))
            rig.model->setFault(fault, verb == QLatin1String("fault"));
        else
            QFAIL(qPrintable(QStringLiteral("bad script command \"%1\"").arg(command)));
    }
}

const QString enabled = QStringLiteral("start K913; bit 0; bit 31; step 10;");

} // namespace

class TestDriveModel : public QObject
{
    Q_OBJECT
private slots:
    void stateTable_data();
    void stateTable();
    void inertUntilStepped();
    void positionBlockStaysWithinItsLimits_data();
    void positionBlockStaysWithinItsLimits();
    void followUpBlocksChain_data();
    void followUpBlocksChain();
    void stopAndContinue();
    void haltHoldsAndResumes();
    void jogging();
    void commandAndVelocityPanels();
};

void TestDriveModel::stateTable_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    QTest::newRow("enable waits for the delay") << "start K913; bit 0; bit 31; step 9" << "E48=3 I91=0";
    QTest::newRow("enabled after the delay") << enabled << "E48=4 I91=1 I85=1 I89=1";
    QTest::newRow("no panel, no enable") << "bit 31; step 20" << "E48=2 I91=0 I89=0";
    QTest::newRow("enable off disables at once") << enabled + "clear 31; step 1" << "E48=2 I91=0";
    QTest::newRow("halt holds") << enabled + "bit 5; step 1" << "E48=4 I805=1";
    QTest::newRow("device fault") << enabled + "fault device-fault" << "E48=5 I91=0 I85=0 E49=2 I89=6";
    QTest::newRow("fault set by hand") << enabled + "set E48 5; step 1" << "E48=5 I91=0";
    QTest::newRow("acknowledge clears the fault")
        << enabled + "fault device-fault; clear 31; pulse 30; step 1" << "E48=2 E49=0 I85=1";
    QTest::newRow("acknowledge does not enable again")
        << enabled + "fault device-fault; pulse 30; step 20" << "E48=2 I91=0";
    QTest::newRow("enable edge after acknowledge")
        << enabled + "fault device-fault; clear 31; pulse 30; bit 31; step 10" << "E48=4";
    QTest::newRow("fault pair") << enabled + "fault fault-pair" << "E81=3 E82=88 E48=5";
    QTest::newRow("fault pair acknowledged") << enabled + "fault fault-pair; pulse 30; step 1" << "E81=0 E82=0 E48=2";
    QTest::newRow("fault pair cleared by hand") << enabled + "fault fault-pair; unfault fault-pair" << "E81=0 E48=2";
    QTest::newRow("hand-back disables") << enabled + "stop; step 1" << "E48=2 I91=0";
    QTest::newRow("word after hand-back is ignored") << enabled + "stop; bit 31; step 20" << "E48=2";
    QTest::newRow("locked panel drives nothing") << enabled + "fault panel-locked; step 1" << "A918=1 E48=2";
    QTest::newRow("another master") << "fault other-master" << "A900=1";
    QTest::newRow("jog panel reports jogging") << "start K911; step 1" << "I188=1";
}

void TestDriveModel::stateTable()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);

    Rig rig;
    play(rig, script);
    for (const QString &pair : expected.split(QLatin1Char(' '))) {
        const QString coordinate = pair.section(QLatin1Char('='), 0, 0);
        QCOMPARE(coordinate + QLatin1Char('=') + rig.value(coordinate), pair);
    }
}

void TestDriveModel::inertUntilStepped()
{
    // The every-page sweeps load the same drive: a model that nobody steps writes nothing.
    Rig rig;
    rig.drive.store()->setRecordingWrites(true);
    rig.host->startControlPanel(QStringLiteral("K913"));
    rig.drive.store()->clearWrittenValues();
    rig.host->setControlPanelBit(31, true);
    for (const ParameterStore::WrittenValue &written : rig.drive.store()->writtenValues())
        QCOMPARE(written.coordinate, QStringLiteral("K913"));
    QCOMPARE(rig.value(QStringLiteral("I80")), QStringLiteral("125.5"));
    QCOMPARE(rig.model->position(), 125.5);
}

void TestDriveModel::positionBlockStaysWithinItsLimits_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("acceleration");
    QTest::addColumn<double>("deceleration");
    QTest::addColumn<double>("target");

    // The axis starts at 125.5.
    QTest::newRow("absolute, reaches its speed") << 1 << 400.0 << 200.0 << 1000.0 << 500.0 << 400.0;
    QTest::newRow("absolute, too short for its speed") << 1 << 130.0 << 500.0 << 800.0 << 800.0 << 130.0;
    QTest::newRow("absolute, backwards") << 1 << -20.0 << 150.0 << 300.0 << 2000.0 << -20.0;
    QTest::newRow("relative") << 2 << 33.3 << 50.0 << 1000.0 << 1000.0 << 158.8;
    QTest::newRow("odd rates") << 1 << 7.0 << 123.4 << 77.7 << 333.3 << 7.0;
}

void TestDriveModel::positionBlockStaysWithinItsLimits()
{
    QFETCH(int, command);
    QFETCH(double, position);
    QFETCH(double, speed);
    QFETCH(double, acceleration);
    QFETCH(double, deceleration);
    QFETCH(double, target);

    Rig rig;
    const int block = 4;
    rig.set(QStringLiteral("J11"), QString::number(command), block);
    rig.set(QStringLiteral("J13"), QString::number(position), block);
    rig.set(QStringLiteral("J14"), QString::number(speed), block);
    rig.set(QStringLiteral("J15"), QString::number(acceleration), block);
    rig.set(QStringLiteral("J16"), QString::number(deceleration), block);
    rig.set(QStringLiteral("J311"), QString::number(block));
    rig.enable(QStringLiteral("K913"));
    rig.pulse(1);

    const double start = rig.model->position();
    const double direction = target >= start ? 1 : -1;
    const double dt = DriveModel::StepMs / 1000.0;
    // Float parameters: the rates are what the drive stores, not the decimal literals.
    const double tolerance = 1e-3;
    double previous = 0;
    int steps = 0;
    double peak = 0;
    while (!(rig.value(QStringLiteral("J302")).toUInt() & 0x08) && steps < 10000) {
        rig.model->step();
        ++steps;
        const double velocity = rig.model->velocity();
        const double travelled = (rig.model->position() - start) * direction;
        QVERIFY2(std::abs(velocity) <= speed + tolerance, qPrintable(QStringLiteral("step %1: %2").arg(steps).arg(velocity)));
        QVERIFY2(std::abs(velocity - previous) <= std::max(acceleration, deceleration) * dt + tolerance,
                 qPrintable(QStringLiteral("step %1: %2 after %3").arg(steps).arg(velocity).arg(previous)));
        QVERIFY2(velocity * direction >= 0, qPrintable(QStringLiteral("step %1 moves backwards").arg(steps)));
        QVERIFY2(travelled <= std::abs(target - start) + 1e-9, qPrintable(QStringLiteral("step %1 overshoots").arg(steps)));
        peak = std::max(peak, std::abs(velocity));
        previous = velocity;
    }
    QVERIFY2(steps < 10000, "the block never ended");
    QCOMPARE(rig.model->position(), target);
    QCOMPARE(rig.model->velocity(), 0.0);
    QCOMPARE(rig.number(QStringLiteral("I80")), target);
    QCOMPARE(rig.value(QStringLiteral("I182")), QStringLiteral("1"));
    QCOMPARE(rig.value(QStringLiteral("I199")), QStringLiteral("1"));
    QCOMPARE(rig.value(QStringLiteral("J300")), QString::number(block));
    QCOMPARE(rig.value(QStringLiteral("J302")), QStringLiteral("10"));  // started and ended
    // Not crawling either: a move that can reach its speed does.
    const double distance = std::abs(target - start);
    if (distance > speed * speed / acceleration + speed * speed / deceleration)
        QVERIFY(peak > speed - tolerance);
}

void TestDriveModel::followUpBlocksChain_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QList<int>>("visited");
    QTest::addColumn<double>("end");

    // Default chain 1 -> 2 -> 3 (absolute 10, absolute 250, relative +50).
    QTest::newRow("end-of-block chain") << QString() << QList<int>{1, 2, 3} << 300.0;
    QTest::newRow("no follow-up") << "J281.1=-1" << QList<int>{1} << 10.0;
    QTest::newRow("later trigger slot") << "J281.1=-1 J283.1=3" << QList<int>{1, 3} << 60.0;
    QTest::newRow("buffered when no end-of-block block") << "J281.1=-1 J286.1=3" << QList<int>{1, 3} << 60.0;
    QTest::newRow("buffered follow-up") << "J281.2=-1 J286.2=1" << QList<int>{1, 2, 1, 2, 1} << -1.0;
}

void TestDriveModel::followUpBlocksChain()
{
    QFETCH(QString, setup);
    QFETCH(QList<int>, visited);
    QFETCH(double, end);

    Rig rig;
    for (const QString &assignment : setup.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString target = assignment.section(QLatin1Char('='), 0, 0);
        rig.set(target.section(QLatin1Char('.'), 0, 0), assignment.section(QLatin1Char('='), 1),
                target.section(QLatin1Char('.'), 1).toInt());
    }
    rig.set(QStringLiteral("J311"), QStringLiteral("1"));
    rig.enable(QStringLiteral("K913"));
    rig.pulse(1);

    QList<int> seen;
    for (int step = 0; step < 6000 && !(rig.value(QStringLiteral("J302")).toUInt() & 0x08); ++step) {
        rig.model->step();
        const int current = rig.value(QStringLiteral("J300")).toInt();
        if (seen.isEmpty() || seen.last() != current)
            seen << current;
        if (seen.size() >= visited.size() && end < 0)
            break;  // an endless chain: enough seen
    }
    QCOMPARE(seen.mid(0, visited.size()), visited);
    if (end >= 0) {
        QCOMPARE(rig.model->position(), end);
        QCOMPARE(rig.value(QStringLiteral("J302")), QStringLiteral("10"));
    } else {
        QVERIFY(rig.value(QStringLiteral("J302")).toUInt() & 0x01);
    }
}

void TestDriveModel::stopAndContinue()
{
    Rig rig;
    rig.set(QStringLiteral("J281"), QStringLiteral("-1"), 2);
    rig.set(QStringLiteral("J311"), QStringLiteral("2"));  // absolute 250 at 200
    rig.enable(QStringLiteral("K913"));
    rig.pulse(1);
    rig.model->advance(300);
    rig.pulse(2);
    rig.model->advance(2000);
    QCOMPARE(rig.value(QStringLiteral("J302")), QString::number(0x02 | 0x04 | 0x40));
    QCOMPARE(rig.value(QStringLiteral("I806")), QStringLiteral("1"));
    QCOMPARE(rig.value(QStringLiteral("I199")), QStringLiteral("1"));
    const double stopped = rig.model->position();
    QVERIFY(stopped > 125.5 && stopped < 250);

    rig.pulse(4);
    QVERIFY(rig.runUntilStatus(0x08, 5000));
    QCOMPARE(rig.model->position(), 250.0);
    QCOMPARE(rig.value(QStringLiteral("I806")), QStringLiteral("0"));

    // Nothing left to continue; Reset clears the status and the block.
    rig.pulse(4);
    rig.model->step();
    QVERIFY(rig.value(QStringLiteral("J302")).toUInt() & 0x80);
    rig.host->setControlPanelBit(3, true);
    rig.model->step();
    QCOMPARE(rig.value(QStringLiteral("J302")), QStringLiteral("16"));
    QCOMPARE(rig.value(QStringLiteral("J300")), QStringLiteral("-1"));
    rig.host->setControlPanelBit(3, false);
    rig.model->step();
    QCOMPARE(rig.value(QStringLiteral("J302")), QStringLiteral("0"));
}

void TestDriveModel::haltHoldsAndResumes()
{
    Rig rig;
    rig.set(QStringLiteral("J281"), QStringLiteral("-1"), 2);
    rig.set(QStringLiteral("J311"), QStringLiteral("2"));
    rig.enable(QStringLiteral("K913"));
    rig.pulse(1);
    rig.model->advance(300);
    rig.host->setControlPanelBit(5, true);
    rig.model->advance(1000);
    QCOMPARE(rig.model->velocity(), 0.0);
    const double held = rig.model->position();
    rig.model->advance(1000);
    QCOMPARE(rig.model->position(), held);
    QCOMPARE(rig.value(QStringLiteral("J302")), QStringLiteral("2"));  // started, not moving, not aborted
    // Start is refused while halted.
    rig.set(QStringLiteral("J311"), QStringLiteral("1"));
    rig.pulse(1);
    rig.model->step();
    QCOMPARE(rig.model->currentBlock(), 2);

    rig.host->setControlPanelBit(5, false);
    QVERIFY(rig.runUntilStatus(0x08, 5000));
    QCOMPARE(rig.model->position(), 250.0);
}

void TestDriveModel::jogging()
{
    Rig rig;
    rig.set(QStringLiteral("I34"), QStringLiteral("1000"));
    rig.enable(QStringLiteral("K911"));
    const double jogSpeed = rig.number(QStringLiteral("I12"));
    const double start = rig.model->position();

    rig.host->setControlPanelBit(1, true);  // Tip+
    rig.model->advance(1000);
    QCOMPARE(rig.model->velocity(), jogSpeed);
    QCOMPARE(rig.value(QStringLiteral("I197")), QStringLiteral("1"));
    rig.host->setControlPanelBit(1, false);
    rig.model->advance(1000);
    QCOMPARE(rig.model->velocity(), 0.0);
    const double afterPlus = rig.model->position();
    QVERIFY(afterPlus > start + jogSpeed * 0.5);

    rig.host->setControlPanelBit(2, true);  // Tip-
    rig.model->advance(500);
    QVERIFY(rig.model->velocity() < 0);
    QCOMPARE(rig.value(QStringLiteral("I197")), QStringLiteral("0"));
    rig.host->setControlPanelBit(2, false);
    rig.model->advance(1000);
    const double afterMinus = rig.model->position();
    QVERIFY(afterMinus < afterPlus);

    // A step is exact, even when the button is released before the next simulated step.
    rig.pulse(3);
    rig.model->advance(2000);
    QCOMPARE(rig.model->position(), afterMinus + rig.number(QStringLiteral("I14")));
    rig.pulse(4);
    rig.model->step();
    rig.pulse(4);  // a second step adds to the first
    rig.model->advance(2000);
    QCOMPARE(rig.model->position(), afterMinus - rig.number(QStringLiteral("I14")));

    QCOMPARE(rig.value(QStringLiteral("I187")), QStringLiteral("0"));
    rig.pulse(6);  // Referenz setzen
    rig.model->step();
    QCOMPARE(rig.model->position(), 1000.0);
    QCOMPARE(rig.value(QStringLiteral("I80")), QStringLiteral("1000"));
    QCOMPARE(rig.value(QStringLiteral("I187")), QStringLiteral("1"));
}

void TestDriveModel::commandAndVelocityPanels()
{
    {
        Rig rig;
        rig.set(QStringLiteral("K399"), QStringLiteral("2"));  // relative
        rig.set(QStringLiteral("K403"), QStringLiteral("-25.5"));
        rig.enable(QStringLiteral("K912"));
        rig.pulse(1);
        rig.model->advance(3000);
        QCOMPARE(rig.model->position(), 100.0);
        QCOMPARE(rig.value(QStringLiteral("I182")), QStringLiteral("1"));
    }
    {
        Rig rig;
        rig.set(QStringLiteral("D300"), QStringLiteral("80"));
        rig.set(QStringLiteral("D301"), QStringLiteral("400"));
        rig.enable(QStringLiteral("K914"));
        rig.pulse(1);
        rig.model->advance(1000);
        QCOMPARE(rig.model->velocity(), 80.0);
        QCOMPARE(rig.number(QStringLiteral("D03")), 80.0);
        rig.pulse(2);
        rig.model->advance(1000);
        QCOMPARE(rig.model->velocity(), 0.0);
        QCOMPARE(rig.value(QStringLiteral("I199")), QStringLiteral("1"));
    }
}

QTEST_GUILESS_MAIN(TestDriveModel)
#include "tst_drivemodel.moc"
