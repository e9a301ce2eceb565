#include "DbmKompInt32.h"
#include "PageTable.h"

#include <QTest>
#include <QToolButton>

namespace {

// A comparator bank: its page, parameters and widgets, the coordinates its variable rows take
// and a parameter of its data type to watch (eight elements each).
struct Bank {
    const char *page;
    QString enable, operation, address, number, further;
    QStringList variables; // integer banks: limit, upper, lower, hysteresis
    QString watched, type, prompt;
};

const QList<Bank> banks = {
    {"DbmKompInt32", "C76", "C77", "C78", "lineEditCompI32Number", "C83", {"C79", "C80", "C81", "C82"}, "N44",
        "INT32", "Bitte geben Sie einen INT32-Parameter ein"},
    {"DbmKompInt16", "C134", "C135", "C136", "lineEditCompI16Number", "C141",
        {"C137", "C138", "C139", "C140"}, "D20", "INT16", "Bitte geben Sie einen INT16-Parameter ein"},
    {"DbmKompInt8", "C142", "C143", "C144", "lineEditCompI8Number", "C149", {"C145", "C146", "C147", "C148"},
        "E72", "INT8", "Bitte geben Sie einen INT8-Parameter ein"},
    {"DbmKompReal32", "C61", "C64", "C65", "lineEditCompR32Number", "",
        {"C70", "C71", "C72", "C73", "C74", "C84"}, "I80", "REAL32",
        "Bitte geben Sie einen Real32-Parameter ein"},
};

// Four comparators, all on with operation 3 and watching a parameter of the bank's type.
QStringList bankDrive(const Bank &bank)
{
    QStringList drive = {bank.enable + "=1,1,1,1", bank.operation + "=3,3,3,3",
        bank.address + ":ADDRESS=" + QString(4, 'x').replace("x", bank.watched + ",").chopped(1),
        "N44:INT32=0,0,0,0,0,0,0,0", "D20:INT16=0,0,0,0,0,0,0,0", "E72:INT8=0,0,0,0,0,0,0,0",
        "I80:REAL32=0,0,0,0,0,0,0,0"};
    const QStringList realRows = {"C66", "C67", "C68", "C69", "C75"};
    for (const QString &row : bank.variables + (bank.type == "REAL32" ? realRows : QStringList{bank.further}))
        drive << row + ":" + bank.type + "=0,0,0,0";
    return drive;
}

// The LEDs of a 16-bit word.
QString bits(const QString &prefix, quint64 value)
{
    QStringList leds;
    for (int bit = 0; bit < 16; ++bit)
        leds << QStringLiteral("%1%2=%3").arg(prefix).arg(bit).arg((value >> bit) & 1);
    return leds.join(' ');
}

} // namespace

// Comparators, counter, motor potentiometer, position measurement and PID controller.
class TestFunctions : public PageTable {
    Q_OBJECT
private slots:
    void decodeParaAddress_data();
    void decodeParaAddress();

private:
    void stateRows() override;
};

void TestFunctions::stateRows()
{
    const QStringList second = {"click:toolButtonRight", "click:toolButtonRight"};
    for (const Bank &bank : banks) {
        const QString page = bank.page;
        const QString address = "ParaLineEdit_" + bank.address,
                      watched = "Para{Lbl,LineEdit}_" + bank.address + "_indirect";
        // A row whose parameter has fewer elements than the bank shows nothing for the others.
        const QString shorter = bank.further.isEmpty() ? "C66" : bank.further;
        addState(page + " shorter row", page, bankDrive(bank) + QStringList{shorter + ":" + bank.type + "=0,0"},
            second, "Para{Lbl,LineEdit}_" + shorter + ":hidden " + address + ":shown");
        // The watched parameter must have the bank's data type; the drive changes the address.
        const QString other = bank.type == "INT32" ? "I80" : "N44";
        const auto watch = [&](const char *name, const QString &text, const QString &bound, bool warning) {
            addState(page + " watching " + name, page, bankDrive(bank), {bank.address + "=" + text},
                watched + (bound.isEmpty() ? ":hidden" : "#" + bound)
                    + " toolButton:" + (warning ? "shown" : "hidden") + " " + address + ":shown");
        };
        watch("its type", bank.watched, bank.watched + ".0@0", false);
        watch("axis 0", "0:" + bank.watched + ".2", bank.watched + ".2@1", false);
        watch("another type", other, "", true);
        watch("an unknown parameter", "Z999", "", true);
        // The warning beside an address of another data type asks the host for a parameter of the bank's.
        addState(page + " warning clicked", page, bankDrive(bank), {bank.address + "=Z999", "click:toolButton"},
            "prompts=" + QString(bank.prompt).replace(' ', '~'));
        // An operation that watches nothing takes the parameter and the warning away.
        addState(page + " stops watching", page, bankDrive(bank),
            {bank.address + "=" + other, bank.operation + "=1"}, watched + ":hidden toolButton:hidden");
    }
    // The real bank's diagram for operations 3 to 11 with C84, then without (the pages 2 to 10).
    QStringList diagrams;
    for (const int page : {3, 5, 7, 9, 11, -1, 2, 4, 6, 8, 10})
        diagrams << (page < 0 ? QStringList{"-C84"} : QString("C64=%1 see{stackedWidget@%2}").arg(page | 1).arg(page).split(' '));
    addState("DbmKompReal32 diagrams", "DbmKompReal32", bankDrive(banks[3]), diagrams, "");
    // The number steps within the bank, whose parameters have more elements.
    addState("number: not beyond the bank", "DbmKompInt16", bankDrive(banks[1]), second + second + second,
        "lineEditCompI16Number%3 ParaCombo_C135#C135.3@1 ParaLineEdit_C136#C136.3@1");

    // Counters: the input and reset addresses, bound where they point.
    const QStringList counters = {"N40:UINT8=1,1,1,1", "N41=0,0,0,0", "N42=0,0,0,0", "N43=0,0,0,0",
        "N44=0,0,0,0", "N45:ADDRESS=I440,I440,I440,I440", "N46=0,0,0,0", "N47:ADDRESS=,,,", "I440",
        "E19=0,0,0,0,0,0,0,0"};
    addState("counter input and reset", "Counter", counters, {"N45.1=1:E19.2", "N47.1=E19.7", "click:toolButtonRight"},
        "Para{Lbl,LineEdit}_N45_indirect#E19.2@2 Para{Lbl,LineEdit}_N47_indirect#E19.7@0");
    // Motor potentiometer: the two lowest bits of G374; without it bit 1 keeps what it showed.
    addState("potentiometer without G374", "Motorpoti", {"G374:UINT8=3"}, {"-G374", "hide show"},
        "stackedWidgetG374_0=0 stackedWidgetG374_1=1");

    // Position measurement: the control word's bits, toggled by clicking their LEDs.
    const QString measurement = "Positionsmessung";
    const auto words = [](const char *control, const char *status) {
        return QStringList{
            QStringLiteral("J110:UINT32=%1").arg(control), QStringLiteral("J115:UINT16=%1").arg(status)};
    };
    addState("measurement bits above 15", measurement, words("65536", "0"), {}, bits("LedWidgetJ110_", 0));
    // The LED answers the click at once; without J110 nothing else does.
    addState("measurement without J110", measurement, {}, {"click:ActionWidgetJ110_2_LedOff"}, "LedWidgetJ110_2=1");
    addState("measurement without J110, back", measurement, {},
        {"click:ActionWidgetJ110_2_LedOff", "click:ActionWidgetJ110_2_LedOn"}, "LedWidgetJ110_2=0");

    // PID controller: offline, the status LED shows only in a locked project.
    addState("PID offline read-only", "PidRegler", {"@offline", "@readonly", "G17=1"}, {}, "LedWidgetG17{,_2}=1");
    addState("PID offline turns read-only", "PidRegler", {"@offline", "G17:UINT8=1"}, {"readonly"},
        "LedWidgetG17{,_2}=1");
    // Its sources: the layout by device, terminal module and firmware, with the parameter the
    // address names under the diagram.
    const QStringList inputs = {"G270", "G271", "G272", "E19=0,0,0,0,0,0,0,0"};
    const auto source = [&](const char *name, const char *page, const QStringList &setup, int layout,
                            const QStringList &changes, const QString &bound) {
        const QString address = page == QByteArray("PidSollwert") ? "G815" : "G816";
        const char *layouts[] = {"KM2_a", "KM2_b", "KN2KP2_a", "KN2KP2_b", "KQ2_a", "KQ2_b"};
        addState(name, page, inputs + setup + QStringList{address + ":ADDRESS=G270"},
            QStringList(changes).replaceInStrings("ADDRESS", address),
            QStringLiteral("stackedWidget=%1 Para{Label,TextEdit}%2Indirekt_%3")
                    .arg(layout)
                    .arg(address, layouts[layout])
                + (bound.isEmpty() ? ":hidden" : "#" + bound));
    };
    source("set value KM2 QX4A", "PidSollwert", {"E57=QX4A", "G456"}, 1, {}, "G270.0@0");
    source("set value KM2 QX4A, older", "PidSollwert", {"E57=QX4A"}, 0, {}, "G270.0@0");
    source("set value KM2 another module", "PidSollwert", {"E57=QX2", "G456"}, 3, {}, "G270.0@0");
    source("actual value KQ2 QZ4A", "PidIstwert", {"@device:8", "E57=QZ4A"}, 0, {}, "G270.0@0");
    source("actual value KQ2 no module", "PidIstwert", {"@device:8", "G457"}, 5, {}, "G270.0@0");
    source("set value KQ2 QX4A", "PidSollwert", {"@device:8", "E57=QX4A"}, 4, {}, "G270.0@0");
    source("actual value KN2", "PidIstwert", {"@device:5", "E57=QX4A", "G457"}, 3, {}, "G270.0@0");
    source("set value unknown device", "PidSollwert", {"@device:0", "E57=QZ4A"}, 2, {}, "G270.0@0");
    source("set value G271", "PidSollwert", {}, 2, {"ADDRESS=G271"}, "G271.0@0");
    source("actual value axis and element", "PidIstwert", {}, 2, {"ADDRESS=1:E19.3"}, "E19.3@2");
    source("actual value without address", "PidIstwert", {}, 2, {"-ADDRESS", "hide show"}, "");
    addState("set value no address", "PidSollwert", inputs + QStringList{"G815=not~an~address"}, {},
        "Para{Label,TextEdit}G815Indirekt_KN2KP2_a:hidden");
}

void TestFunctions::decodeParaAddress_data()
{
    // decoded: valid coordinate.element@livingSpace
    addColumns<QString>("text", "decoded");
    QTest::newRow("coordinate") << "N44" << "1 N44.0@0";
    QTest::newRow("short line and element") << "C8.5" << "1 C08.5@0";
    QTest::newRow("axis") << "1:J40.3" << "1 J40.3@2";
    QTest::newRow("first axis digit") << "0:J40" << "1 J40.0@1";
    QTest::newRow("last axis digit") << "9:J40" << "1 J40.0@10";
    QTest::newRow("no address") << "J40 Position" << "0 untouched.7@9";
}

// The pages' shared decoder: an axis prefix lives in axis + 1; no address leaves the outputs alone.
void TestFunctions::decodeParaAddress()
{
    const auto [text, decoded] = fetchColumns<QString>("text", "decoded");
    QString coordinate = "untouched";
    unsigned short element = 7;
    eLivingSpace livingSpace = eLivingSpace(9);
    const bool valid = DbmKompInt32::DecodeParaAddress(text, coordinate, element, livingSpace);
    QCOMPARE(QStringLiteral("%1 %2.%3@%4").arg(int(valid)).arg(coordinate).arg(element).arg(int(livingSpace)), decoded);
}

QTEST_MAIN(TestFunctions)
#include "tst_functions.moc"
