// The workbench's simulated drive and host: the built-in description and page tree, the host's
// tree, jumps and control-panel word as the pages see them through WizardPageHost, the
// parameter inspector that lets a person play the drive's part, and the axis behind it (how it
// answers the control-panel word, its faults and its motion).

#include "DriveModel.h"
#include "PageTree.h"
#include "ParameterModel.h"
#include "ParameterStore.h"
#include "SimulatedDrive.h"
#include "StateFields.h"
#include "WorkbenchHost.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

struct Rig
{
    SimulatedDrive drive;
    std::unique_ptr<WorkbenchHost> host;
    std::unique_ptr<DriveModel> model;
    double mark = 0;
    int handle = 0;  // of the last start
    QStringList log;

    Rig()
    {
        QString error;
        if (!drive.loadDefault(&error))
            qFatal("%s", qPrintable(error));
        host = std::make_unique<WorkbenchHost>(drive.store());
        model = std::make_unique<DriveModel>(drive.store(), host.get());
        QObject::connect(host.get(), &WorkbenchHost::logged, [this](const QString &line) { log << line; });
    }

    QString value(const QString &coordinate, int element = 0) const
    {
        return drive.store()->value(coordinate, 1, static_cast<unsigned short>(element));
    }
};

// A tiny script, commands separated by ";": "start K913", "bit 31", "clear 31", "pulse 30",
// "step 5", "stop", "set J281.2 -1", "fault NAME", "unfault NAME", "mark" (notes the
// position).
void play(Rig &rig, const QString &script)
{
    for (const QString &command : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = command.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const QString verb = words.value(0);
        const QString argument = words.value(1);
        DriveModel::Fault fault{};
        bool numeric = false;
        argument.toInt(&numeric);
        const bool counted = verb == QLatin1String("bit") || verb == QLatin1String("clear")
                             || verb == QLatin1String("pulse") || verb == QLatin1String("step");
        if (counted && !numeric)
            QFAIL(qPrintable(QStringLiteral("bad number in \"%1\"").arg(command)));
        if (verb == QLatin1String("start"))
            rig.handle = rig.host->startControlPanel(argument);
        else if (verb == QLatin1String("bit") || verb == QLatin1String("clear"))
            rig.host->setControlPanelBit(argument.toInt(), verb == QLatin1String("bit"));
        else if (verb == QLatin1String("pulse")) {
            rig.host->setControlPanelBit(argument.toInt(), true);
            rig.host->setControlPanelBit(argument.toInt(), false);
        } else if (verb == QLatin1String("step"))
            rig.model->step(argument.toInt());
        else if (verb == QLatin1String("stop"))
            rig.host->stopControlPanel();
        else if (verb == QLatin1String("mark"))
            rig.mark = rig.model->position();
        else if (verb == QLatin1String("set"))
            QVERIFY2(rig.drive.store()->setValue(argument.section('.', 0, 0), 1, argument.section('.', 1).toUShort(),
                                                 words.value(2)),
                     qPrintable(rig.drive.store()->lastWriteError()));
        else if ((verb == QLatin1String("fault") || verb == QLatin1String("unfault"))
                 && DriveModel::faultFromName(argument, &fault))
            rig.model->setFault(fault, verb == QLatin1String("fault"));
        else
            QFAIL(qPrintable(QStringLiteral("bad script command \"%1\"").arg(command)));
    }
}

const char *const treeJson = R"({ "tree": [
  { "page": "Start" },
  { "folder": { "de": "Gruppe", "en": "Group" }, "children": [
      { "page": "A" }, { "page": "B", "hidden": true } ] },
  { "folder": { "de": "Bus" }, "children": [
      { "page": "CatPage", "fieldbus": ["ethercat"] },
      { "page": "PnPage", "fieldbus": ["profinet", "ethernetip"] } ] } ] })";

// Display texts of the rows a user sees at the top of the tree.
QStringList visibleTopRows(QAbstractItemModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, 0).data().toString();
    return rows;
}

// Takes the axis with a panel and enables it (the power stage switches on within 100 ms).
QString on(const char *panel)
{
    return QStringLiteral("start %1; bit 0; bit 31; step 10; ").arg(QLatin1String(panel));
}

} // namespace

class TestWorkbenchDrive : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_store = new ParameterStore;
        m_host = new WorkbenchHost(m_store);
        PageTreeDefinition tree;
        QString error;
        QVERIFY2(tree.parse(treeJson, QStringLiteral("test-tree.json"), &error), qPrintable(error));
        m_host->setTree(tree);
        m_host->setStaticPages({QStringLiteral("DbmVisibility")});
        m_host->selectPage(QStringLiteral("Start"));
        m_log.clear();
        connect(m_host, &WorkbenchHost::logged, this, [this](const QString &line) { m_log << line; });
    }

    void cleanup()
    {
        delete m_host;
        delete m_store;
    }

    void malformedTree_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("mention");

        QTest::newRow("page twice") << QByteArray(R"({"tree":[{"page":"A"},{"folder":"F","children":[{"page":"A"}]}]})")
                                    << "page \"A\" stands twice";
        QTest::newRow("folder without name") << QByteArray(R"({"tree":[{"folder":{},"children":[]}]})")
                                             << "tree[0]: field \"folder\"";
        QTest::newRow("unknown field") << QByteArray(R"({"tree":[{"page":"A","colour":"red"}]})") << "field \"colour\"";
        QTest::newRow("unknown fieldbus") << QByteArray(R"({"tree":[{"folder":"F","children":[{"page":"A","fieldbus":["modbus"]}]}]})")
                                          << "tree[0].children[0]: field \"fieldbus\"";
        QTest::newRow("no JSON") << QByteArray("tree") << "offset";
    }

    void malformedTree()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, mention);

        PageTreeDefinition tree;
        QString error;
        QVERIFY(!tree.parse(json, QStringLiteral("tree.json"), &error));
        QVERIFY2(error.startsWith(QLatin1String("tree.json: ")) && error.contains(mention), qPrintable(error));
        QVERIFY(tree.nodes().isEmpty());
    }

    void inspector()
    {
        Rig rig;
        ParameterModel model(rig.drive.store(), eLivingSpace(1));
        QCOMPARE(model.indexOf("K08").data().toString(), QStringLiteral("1 – Fahrsatz"));

        // One element of an array; the parameter row of an array is a summary, not a value.
        const QModelIndex block3 = model.indexOf("J11", 3);
        QVERIFY(model.setData(block3, QStringLiteral("9")));
        QCOMPARE(rig.value("J11", 3), QStringLiteral("9"));
        QCOMPARE(block3.data().toString(), QStringLiteral("9 – 9: Drehmoment/Kraft"));
        QVERIFY(!(model.flags(model.indexOf("J11")) & Qt::ItemIsEditable));

        // Coordinates match as the documents write them and as the store does, in any part.
        model.setFilter("C03");
        QCOMPARE(model.parameterCount(), 1);
        QCOMPARE(model.index(0, ParameterModel::CoordinateColumn).data().toString(), QStringLiteral("C03"));
        model.setFilter("08");
        QVERIFY(model.indexOf("K08").isValid());
        model.setFilter("Betriebsart");
        QVERIFY(model.indexOf("K08").isValid() && !model.indexOf("J10").isValid());
        model.setFilter(QString());
        QCOMPARE(model.parameterCount(), rig.drive.store()->coordinates().size());

        QCOMPARE(model.indexOf("I80").data().toString(), QStringLiteral("125.5 mm"));
    }

    void inspectorRefuses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");  // empty: stored as typed

        // I14 is a REAL32 with 0 as its lowest value.
        QTest::newRow("fraction") << "12.5" << QString();
        QTest::newRow("rounded by a REAL32") << "99999999999" << "it would become 99999997952";
        QTest::newRow("below the limit") << "-5" << "outside 0 .. ";
        QTest::newRow("not a number") << "fast" << "is no REAL32 number";
    }

    // A value the drive would not keep as typed is refused with the reason, the old one stays.
    void inspectorRefuses()
    {
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        Rig rig;
        ParameterModel model(rig.drive.store(), eLivingSpace(1));
        QSignalSpy refused(&model, &ParameterModel::writeRefused);
        const QString before = rig.value("I14");
        QCOMPARE(model.setData(model.indexOf("I14"), typed), reason.isEmpty());
        QCOMPARE(rig.value("I14"), reason.isEmpty() ? typed : before);
        QVERIFY2(reason.isEmpty() ? refused.isEmpty() : refused.value(0).value(0).toString().contains(reason),
                 qPrintable(refused.value(0).value(0).toString()));
    }

    void axis_data()
    {
        QTest::addColumn<QString>("script");
        // "E48=4", "I80>150", "J302&8" (bits set); v: velocity, block: current block; the host's panel,
        // handle (held or free), word and whether the last start was taken
        QTest::addColumn<QString>("expected");

        const QString enabled = on("K913");
        QTest::newRow("no panel, no enable") << "bit 31; step 20" << "E48=2 I91=0 I89=0";
        QTest::newRow("enable off disables at once") << enabled + "clear 31; step 1" << "E48=2 I91=0";
        QTest::newRow("halt holds") << enabled + "bit 5; step 1" << "E48=4 I805=1";
        QTest::newRow("device fault") << enabled + "fault device-fault" << "E48=5 I91=0 I85=0 E49=2 I89=6";
        QTest::newRow("fault set by hand") << enabled + "set E48 5; step 1" << "E48=5 I91=0";
        QTest::newRow("acknowledge does not enable again") << enabled + "fault device-fault; pulse 30; step 20" << "E48=2 I91=0";
        QTest::newRow("enable edge after acknowledge") << enabled + "fault device-fault; clear 31; pulse 30; bit 31; step 10" << "E48=4";
        QTest::newRow("fault pair acknowledged") << enabled + "fault fault-pair; pulse 30; step 1" << "E81=0 E82=0 E48=2";
        QTest::newRow("word after hand-back is ignored") << enabled + "stop; bit 31; step 20" << "E48=2";
        QTest::newRow("locked panel drives nothing") << enabled + "fault panel-locked; step 1" << "A918=1 E48=2";
        QTest::newRow("another master takes the axis") << enabled + "fault other-master; clear 31; bit 31; step 20"
                                                       << "A900=1 E48=2 I91=0";
        QTest::newRow("offline shows no live values") << enabled + "fault offline; step 1" << "I91=0 I85=0 E48=2 I80=125.5";
        QTest::newRow("online again shows them") << enabled + "fault offline; step 1; unfault offline" << "I85=1 I199=1";

        // The default chain 1 -> 2 -> 3 (absolute 10, absolute 250, relative +50), changed.
        const QString chain = "set J311 1; " + enabled + "pulse 1; step 3000";
        QTest::newRow("later trigger slot") << "set J281.1 -1; set J283.1 3; " + chain << "I80=60 J302=10";
        QTest::newRow("buffered when no end-of-block block") << "set J281.1 -1; set J286.1 3; " + chain << "I80=60 J302=10";
        QTest::newRow("buffered follow-up back to 1") << "set J281.2 -1; set J286.2 1; " + chain << "J302&1 I80<250";

        // Block 2 moves to 250 at 200 and has no follow-up; the axis starts at 125.5.
        const QString block2 = "set J281.2 -1; set J311 2; " + enabled + "pulse 1; step 30; ";
        const QString stopped = block2 + "pulse 2; step 200; ";
        QTest::newRow("nothing left to continue") << stopped + "pulse 4; step 500; pulse 4; step 1" << "J302&128";
        QTest::newRow("reset clears the block") << stopped + "pulse 4; step 500; bit 3; step 1" << "J302=16 J300=-1";
        QTest::newRow("reset released") << stopped + "bit 3; step 1; clear 3; step 1" << "J302=0 J300=-1";
        const QString halted = block2 + "bit 5; step 100; ";
        QTest::newRow("halt holds the block") << halted + "mark; step 100" << "v=0 moved=0 J302=2";
        QTest::newRow("no start while halted") << halted + "set J311 1; pulse 1; step 1" << "block=2";
        QTest::newRow("released halt resumes") << halted + "clear 5; step 500" << "I80=250";

        // Jog at I12 = 50, steps of I14 = 10; the reference position I34 is 1000.
        const QString jog = "set I34 1000; " + on("K911");
        const QString jogged = jog + "bit 1; step 100; clear 1; step 100; mark; ";
        QTest::newRow("jog minus") << jogged + "bit 2; step 50" << "v<0 I197=0";
        // A step is exact, even when the button is released before the next simulated step.
        QTest::newRow("jog steps add up") << jog + "pulse 3; step 200; pulse 4; step 1; pulse 4; step 200" << "I80=115.5";

        QTest::newRow("command panel, relative") << "set K399 2; set K403 -25.5; " + on("K912") + "pulse 1; step 300"
                                                 << "I80=100 I182=1";
        const QString velocity = "set D300 80; set D301 400; " + on("K914") + "pulse 1; step 100; ";
        QTest::newRow("velocity panel") << velocity << "v=80 D03=80";
        QTest::newRow("velocity panel stopped") << velocity + "pulse 2; step 100" << "v=0 I199=1";

        // The word as the host keeps it for the pages, before the axis takes a step.
        QTest::newRow("bits outside the word") << "start K913; bit 32; bit -1"
                                               << "panel=K913 handle=held word=0x0 K913=0 K911=0 start=taken";
        QTest::newRow("no bits without a panel") << "bit 1" << "panel=none handle=free word=0x0 K913=0 K911=0 start=refused";
        QTest::newRow("offline refuses") << "fault offline; start K913; bit 0"
                                         << "panel=none handle=free word=0x0 K913=0 K911=0 start=refused";
        QTest::newRow("unknown control word") << "start K999; bit 0"
                                              << "panel=none handle=free word=0x0 K913=0 K911=0 start=refused";
        QTest::newRow("the same panel again keeps the word") << "start K913; bit 3; start K913"
                                                             << "panel=K913 handle=held word=0x8 K913=8 K911=0 start=taken";
        QTest::newRow("a second panel is refused") << "start K913; bit 1; start K911; bit 2"
                                                   << "panel=K913 handle=held word=0x6 K913=6 K911=0 start=refused";
    }

    void axis()
    {
        QFETCH(QString, script);
        QFETCH(QString, expected);

        Rig rig;
        play(rig, script);
        const QString panel = rig.host->controlPanelCoordinate();
        const QMap<QString, QString> host{{"panel", panel.isEmpty() ? QStringLiteral("none") : panel},
                                          {"handle", rig.host->controlPanelHandle() ? "held" : "free"},
                                          {"word", QStringLiteral("0x%1").arg(rig.host->controlPanelWord(), 0, 16)},
                                          {"start", rig.handle ? "taken" : "refused"}};
        QStringList seen;
        static const QRegularExpression form(QStringLiteral("^(\\w+)([=<>&])(.*)$"));
        for (const QString &token : expected.split(QLatin1Char(' '))) {
            const auto match = form.match(token);
            const QString key = match.captured(1), op = match.captured(2);
            // A mistyped expectation must not pass: the form, the key and the number are checked.
            const bool named = key == QLatin1String("v") || key == QLatin1String("moved") || key == QLatin1String("block")
                               || host.contains(key) || rig.drive.store()->contains(key);
            bool numeric = false;
            const double wantedNumber = match.captured(3).toDouble(&numeric);
            const bool understood = match.hasMatch() && named
                                    && (op == QLatin1String("=") || (numeric && (op != QLatin1String("&") || wantedNumber != 0)));
            QVERIFY2(understood, qPrintable(QStringLiteral("bad expectation \"%1\"").arg(token)));
            const double number = key == QLatin1String("v")       ? rig.model->velocity()
                                  : key == QLatin1String("moved") ? rig.model->position() - rig.mark
                                  : key == QLatin1String("block") ? rig.model->currentBlock()
                                                                  : rig.value(key).toDouble();
            const QString text = rig.drive.store()->contains(key) ? rig.value(key)
                                                                  : host.value(key, QString::number(number + 0.0));
            const QString wanted = match.captured(3);
            const bool holds = op == QLatin1String("=")   ? text == wanted
                               : op == QLatin1String("<") ? number < wantedNumber
                               : op == QLatin1String(">") ? number > wantedNumber
                                                          : (text.toUInt() & wanted.toUInt()) == wanted.toUInt();
            seen << (holds ? token : key + QLatin1Char('=') + text);
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), expected);
        // Every call the pages make is in the log.
        QCOMPARE(rig.log.filter(QStringLiteral("setControlPanelBit(")).size(),
                 script.count(QStringLiteral("bit ")) + script.count(QStringLiteral("clear "))
                     + 2 * script.count(QStringLiteral("pulse ")));
    }

    void positionBlockStaysWithinItsLimits_data()
    {
        for (const char *column : {"command", "position", "speed", "acceleration", "deceleration", "target"})
            QTest::addColumn<double>(column);

        // The axis starts at 125.5.
        QTest::newRow("absolute, too short for its speed") << 1.0 << 130.0 << 500.0 << 800.0 << 800.0 << 130.0;
        QTest::newRow("absolute, backwards") << 1.0 << -20.0 << 150.0 << 300.0 << 2000.0 << -20.0;
        QTest::newRow("relative") << 2.0 << 33.3 << 50.0 << 1000.0 << 1000.0 << 158.8;
        QTest::newRow("odd rates") << 1.0 << 7.0 << 123.4 << 77.7 << 333.3 << 7.0;
    }

    void positionBlockStaysWithinItsLimits()
    {
        QFETCH(double, command);
        QFETCH(double, position);
        QFETCH(double, speed);
        QFETCH(double, acceleration);
        QFETCH(double, deceleration);
        QFETCH(double, target);

        Rig rig;
        play(rig, QStringLiteral("set J11.4 %1; set J13.4 %2; set J14.4 %3; set J15.4 %4; set J16.4 %5; set J311 4; ")
                          .arg(command).arg(position).arg(speed).arg(acceleration).arg(deceleration)
                      + on("K913") + "pulse 1");

        const double start = rig.model->position();
        const double direction = target >= start ? 1 : -1;
        const double dt = DriveModel::StepMs / 1000.0;
        // Float parameters: the rates are what the drive stores, not the decimal literals.
        const double tolerance = 1e-3;
        double previous = 0;
        int steps = 0;
        double peak = 0;
        while (!(rig.value("J302").toUInt() & 0x08) && steps < 10000) {
            rig.model->step();
            ++steps;
            const double velocity = rig.model->velocity();
            const double travelled = (rig.model->position() - start) * direction;
            const QString at = QStringLiteral("step %1: %2 after %3").arg(steps).arg(velocity).arg(previous);
            QVERIFY2(std::abs(velocity) <= speed + tolerance, qPrintable(at));
            QVERIFY2(std::abs(velocity - previous) <= std::max(acceleration, deceleration) * dt + tolerance, qPrintable(at));
            QVERIFY2(velocity * direction >= 0, qPrintable(at + " moves backwards"));
            QVERIFY2(travelled <= std::abs(target - start) + 1e-9, qPrintable(at + " overshoots"));
            peak = std::max(peak, std::abs(velocity));
            previous = velocity;
        }
        QVERIFY2(steps < 10000, "the block never ended");
        QCOMPARE(rig.model->position(), target);
        QCOMPARE(rig.model->velocity(), 0.0);
        QCOMPARE(rig.value("I80").toDouble(), target);
        // In position, standing, block 4 started and ended.
        COMPARE_FIELDS((QStringList{"in position I182", "standing I199", "block J300", "block status J302"}),
                       (QStringList{rig.value("I182"), rig.value("I199"), rig.value("J300"), rig.value("J302")}),
                       (QStringList{"1", "1", "4", "10"}));
        // Not crawling either: a move that can reach its speed does.
        if (std::abs(target - start) > speed * speed / acceleration + speed * speed / deceleration)
            QVERIFY(peak > speed - tolerance);
    }

    void visibilityQueries_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<int>("fieldbus");
        QTest::addColumn<bool>("contains");
        QTest::addColumn<bool>("visible");

        QTest::newRow("page of two buses") << "PnPage" << int(eFieldbusEtherNetIP) << true << true;
        QTest::newRow("no bus") << "PnPage" << int(eFieldbusNone) << false << false;
        QTest::newRow("static page stays out of the tree") << "DbmVisibility" << int(eFieldbusEtherCAT) << false << false;
        QTest::newRow("a folder is no page") << "Gruppe" << int(eFieldbusEtherCAT) << false << false;
    }

    void visibilityQueries()
    {
        QFETCH(QString, identifier);
        QFETCH(int, fieldbus);
        QFETCH(bool, contains);
        QFETCH(bool, visible);

        m_host->setFieldbusType(eFieldbusType(fieldbus));
        QCOMPARE(m_host->containsPage(identifier), contains);
        QCOMPARE(m_host->isPageVisible(identifier), visible);
    }

    void showAndHideFollowTheTree()
    {
        VisiblePagesFilter filter;
        filter.setSourceModel(m_host->treeModel());
        QCOMPARE(visibleTopRows(filter), (QStringList{"Start", "Gruppe", "Bus"}));
        QSignalSpy changes(m_host, &WorkbenchHost::pageVisibilityChanged);

        // Hiding the folder's last visible page takes the folder out of the view.
        m_host->hidePage(QStringLiteral("A"));
        QVERIFY(m_host->containsPage(QStringLiteral("A")));
        QVERIFY(!m_host->isPageVisible(QStringLiteral("A")));
        QCOMPARE(visibleTopRows(filter), (QStringList{"Start", "Bus"}));

        m_host->showPage(QStringLiteral("B"));
        QVERIFY(m_host->isPageVisible(QStringLiteral("B")));
        QCOMPARE(visibleTopRows(filter), (QStringList{"Start", "Gruppe", "Bus"}));
        QCOMPARE(filter.rowCount(filter.index(1, 0)), 1);

        // Only real changes are reported, one per page.
        m_host->showPage(QStringLiteral("B"));
        QCOMPARE(changes.count(), 2);

        // An identifier outside the tree is noted; the host's own static page is not.
        m_host->hidePage(QStringLiteral("Nowhere"));
        m_host->hidePage(QStringLiteral("DbmVisibility"));
        QCOMPARE(m_log.filter(QStringLiteral("not in the tree")), QStringList{"hidePage(Nowhere): not in the tree"});
    }

    void jumps_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("logged");

        QTest::newRow("with an element") << "A" << "field" << "A" << "jumpToPage(A, field)";
        QTest::newRow("hidden page") << "B" << QString() << "Start" << "jumpToPage(B): the page is hidden";
        QTest::newRow("not in the tree") << "Nowhere" << QString() << "Start" << "jumpToPage(Nowhere): not in the tree";
    }

    void jumps()
    {
        QFETCH(QString, target);
        QFETCH(QString, element);
        QFETCH(QString, shown);
        QFETCH(QString, logged);

        QSignalSpy current(m_host, &WorkbenchHost::currentPageChanged);
        m_host->jumpToPage(target, element);
        QCOMPARE(m_host->currentPage(), shown);
        QCOMPARE(m_log, QStringList{logged});
        if (shown == target) {
            QCOMPARE(current.count(), 1);
            QCOMPARE(current.at(0).at(1).toString(), element);
        } else {
            QCOMPARE(current.count(), 0);
        }
    }

    void hidingTheShownPageMovesOn()
    {
        QVERIFY(m_host->selectPage(QStringLiteral("A")));

        // Hidden and shown again while the page reacts: the page stays.
        m_host->hidePage(QStringLiteral("A"));
        m_host->showPage(QStringLiteral("A"));
        // The host moves on from a hidden page through a posted call, not after a while.
        QCoreApplication::processEvents();
        QCOMPARE(m_host->currentPage(), QStringLiteral("A"));

        // Hidden for good: not in the middle of the caller's work, but right after it.
        m_host->hidePage(QStringLiteral("A"));
        QCOMPARE(m_host->currentPage(), QStringLiteral("A"));
        QTRY_COMPARE(m_host->currentPage(), QStringLiteral("Start"));

        // A page of the old bus leaves with the bus.
        QVERIFY(m_host->selectPage(QStringLiteral("CatPage")));
        m_host->setFieldbusType(eFieldbusCANopen);
        QTRY_COMPARE(m_host->currentPage(), QStringLiteral("Start"));

        // A hidden page cannot be selected at all.
        QVERIFY(!m_host->selectPage(QStringLiteral("B")));
    }

    void treeNamesFollowTheLanguage()
    {
        Text name;
        name.setText(Text::German, QStringLiteral("Seite A"));
        name.setText(Text::English, QStringLiteral("Page A"));
        m_host->setPageName(QStringLiteral("A"), name);
        // French falls back to German; a page without names of its own shows its identifier.
        QStringList seen;
        for (int language : {Text::German, Text::English, Text::French}) {
            m_host->setLanguage(language);
            const QModelIndex page = m_host->indexOf(QStringLiteral("A"));
            seen << QStringList({page.data().toString(), page.parent().data().toString(), m_host->pageName("A"),
                                 m_host->pageName("Start")})
                        .join('/');
        }
        QCOMPARE(seen, (QStringList{"Seite A/Gruppe/Seite A/Start", "Page A/Group/Page A/Start",
                                    "Seite A/Gruppe/Seite A/Start"}));
    }

private:
    // The host of a small tree of its own, with what it logs.
    ParameterStore *m_store = nullptr;
    WorkbenchHost *m_host = nullptr;
    QStringList m_log;
};

QTEST_MAIN(TestWorkbenchDrive)
#include "tst_workbenchdrive.moc"
