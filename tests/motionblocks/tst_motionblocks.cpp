#include "motionblocks/AnzahlFahrsaetzeAendern.h"
#include "motionblocks/MotionBlockTable.h"
#include "PageInput.h"
#include "PageTable.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <functional>

namespace {

// Notes the table's buttons as they are drawn: the text, then u(nderlined), b(lue) and f(ocus
// frame) as they apply.
class DrawnButtons : public QProxyStyle
{
public:
    mutable QList<std::pair<QRect, QString>> drawn;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (const auto *tool = qstyleoption_cast<const QStyleOptionToolButton *>(option); tool && control == CC_ToolButton) {
            QString flags;
            flags += tool->font.underline() ? QStringLiteral("u") : QString();
            flags += tool->palette.color(QPalette::ButtonText) == QColor(0, 0, 255) ? QStringLiteral("b") : QString();
            flags += tool->state & State_Enabled ? QString() : QStringLiteral("d");
            drawn.append({tool->rect, tool->text + (flags.isEmpty() ? QString() : QLatin1Char(':') + flags)});
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect && !drawn.isEmpty() && drawn.last().first.contains(option->rect)
            && !drawn.last().second.endsWith(QLatin1Char('f')))
            drawn.last().second += QLatin1Char('f');
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

// Every per-block parameter of the editor, in the order a copy writes them.
const QStringList copied = QStringLiteral(
    "J10 J11 J13 J14 J15 J16 J17 J18 J20 J21 J24 J25 J26 J27 J28 J30 J31 J33 J57 J58 J59 J60 J62 J63 J64 J65 "
    "J67 J68 J69 J70 J72 J73 J74 J75 J251 J252 J253 J254 J255 J261 J262 J263 J264 J265 J271 J272 J273 J274 "
    "J275 J281 J282 J283 J284 J285 J440 J441 J442 J443 J444 J452").split(QLatin1Char(' '));

// A drive with the blocks "Satz 0" ... of the editor and follow-up pages; every other
// per-block parameter holds "value" in each block (the follow-up numbers -1), "J11" the commands.
QString blocks(int count, const QString &commands = {}, const QString &value = QStringLiteral("0"))
{
    QStringList names;
    for (int block = 0; block < count; ++block)
        names << QStringLiteral("Satz~%1").arg(block);
    QString drive = QStringLiteral("G809=1 C243=1 I00=1 J08=2 I30=0 J32=0 J10=") + names.join(',')
                    + (count ? QString() : QStringLiteral("*0"));
    for (const QString &coordinate : copied.mid(1) + QStringList{"J286"}) {
        const bool followUp = coordinate.startsWith(QLatin1String("J27")) || coordinate.startsWith(QLatin1String("J28"));
        drive += QStringLiteral(" %1=%2*%3").arg(coordinate, followUp && coordinate.size() == 4 ? "-1" : value).arg(count);
    }
    return commands.isEmpty() ? drive : drive + QStringLiteral(" J11=") + commands;
}

// The layouts of the editor by their index, as the suffixes of their controls' names.
const QStringList layouts = {"a", "b_a", "b_b", "c_a", "d", "e", "f_a", "g", "h", "i", "j", "k", "c_b", "f_b"};

using Row = std::array<QString, 5>;
using Model = MotionBlockTableModel;

// Four blocks; every setpoint source holds a value that tells it apart.
const QString table = QStringLiteral("J10=Satz*4 J11=1*4 J13=1000*4 J14=1400*4 J16=1600*4 J26=2600*4 J30=0*4 J32=0 "
                                     "I30=300 J300=0 J271=-1*4 J272=-1*4 J273=-1*4 J274=-1*4 J275=-1*4 J281=-1*4 "
                                     "J282=-1*4 J283=-1*4 J284=-1*4 J285=-1*4 J286=-1*4");

// Set back by a reset, block by block in this order.
const QStringList resetCoordinates = QStringLiteral(
    "J10 J11 J13 J14 J15 J16 J17 J18 J19 J20 J24 J25 J26 J27 J28 J30 J57 J58 J59 J60 J62 J63 J64 J65 J67 J68 "
    "J69 J70 J72 J73 J74 J75 J251 J252 J253 J254 J255 J261 J262 J263 J264 J265 J271 J272 J273 J274 J275 J281 "
    "J282 J283 J284 J285 J440 J441 J442 J443 J444").split(QLatin1Char(' '));
// Resized by a count change besides those, which all are.
const QStringList resizedOnly = {"J21", "J22", "J31", "J33", "J55", "J286", "J452"};

} // namespace

// The editor of one block, its follow-up page, the table of all blocks, and the pages around
// them: block selection and start sources, follow-up triggers and the block-end switching elements.
class TestMotionBlocks : public PageFixture
{
    Q_OBJECT
private slots:
    void init();
    void states_data();
    void states();
    void refillOnceAfterABurst();
    void tableInput_data();
    void tableInput();
    void tableDrawing_data();
    void tableDrawing();
    void countDialog_data();
    void countDialog();

private:
    // Opens the table page offline as the host does, shown, on the table's drive after the
    // script's drive changes.
    void openTable(const QString &script = {});
    MotionBlockTableView *view() const { return child<MotionBlockTableView>(m_page.get(), "tWFahrsaetze"); }
};

void TestMotionBlocks::init()
{
    fresh();
    m_host->addPages({"AntriebBeobBewegung", "Fahrsatz", "Folgefahrsatz", "Fahrsatzbetrieb", "DbmMotionBlockTrqForce",
                      "DbmQuelleGeschwOverride", "SeiteAllgemein", "DbmSrcDirection", "DbmQuelleExterneGeschwindigkeit", "Referenzfahrt",
                      "DbmQuelleDrehmKraftGeschwKlammerung", "SynchronBetrieb", "DbmSrcCtrlFollowMotionBlock",
                      "SteuertafelApplikation", "SteuerStatusFahrsatz", "SrcDirectMbStart", "DbmMotionBlockSelect",
                      "EinAusgaenge", "DbmSrcTrqForce", "DbmSrcIndirectTriggerFollowMbV2", "DbmSrcIndirectTriggerFollowMb"});
}

static void editorRows(QList<Row> &rows)
{
    const QString editor = QStringLiteral("Fahrsatz");
    // The layout by the command of the block and what the drive has; every control of it is
    // bound to the block.
    const std::tuple<int, const char *, int> choices[] = { // command, drive, layout
        {-1, "", 0},           {0, "", 0},           {7, "", 0},          {10, "", 0},          {15, "", 0},
        {1, "-J33 -J21", 1},   {1, "-J21 I00=0", 1}, {1, "-J21", 2},      {2, "-J21", 1},       {3, "-J21", 1},
        {1, "-J33", 10},       {1, "", 11},          {2, "", 10},         {3, "-J33 I00=0", 10}, {4, "-J21", 3},
        {4, "", 12},           {8, "-J21", 3},       {8, "", 12},         {5, "-J21", 4},       {11, "", 4},
        {6, "-J21", 5},        {6, "", 5},           {9, "-J21", 6},      {9, "", 13},          {12, "-J21", 7},
        {13, "", 8},           {14, "-J33", 9},          {5, "", 4},          {11, "-J21", 4},      {12, "", 7},
        {13, "-J21", 8},       {14, "", 9},
    };
    for (const auto &[command, drive, layout] : choices) {
        const QString suffix = layouts.at(layout);
        // J08 1: one J25 for all blocks, read-only in every layout that has it.
        rows.append({QStringLiteral("layout, command %1 %2").arg(command).arg(drive), editor,
                     blocks(3, QStringLiteral("0,%1,0").arg(command)), QStringLiteral("%1 J08=1 hand:1 show").arg(drive),
                     QStringLiteral("stackedWidget@%1 paraTextEdit_J10_%2#1 paraCombo_J11_%2#1 FrameGrafikSynchronbetrieb:%3")
                             .arg(layout).arg(suffix, command >= 12 && command <= 14 ? "E" : "h")
                         + (layout > 0 ? QStringLiteral(" paraTextEdit_J25_%1:r").arg(suffix) : QString())});
    }
    // The block's parameters follow the block; global ones stay on element 0.
    const QList<Row> more = {
        {"layout, command changed, back to command 0", editor, blocks(3, "0,4,0"),
         "hand:1 show J11.1=14 see{stackedWidget@9,paraTextEdit_J13_i#1,FrameGrafikSynchronbetrieb:E} click:toolButtonLeft",
         "stackedWidget@0 lineEditFahrsatznummer=0 paraTextEdit_J10_a#0"},
        {"global I30 stays on element 0", editor, blocks(3, "0,6,6"), "hand:2 show", "paraCombo_I30_e#0 paraTextEdit_J25_e#2"},
        {"J452 without G809, then with", editor, blocks(2, "4,0"),
         "-J21 G809=0 show see{paraLbl_J452_c_a:h,paraTextEdit_J452_c_a:h} G809=1", "paraLbl_J452_c_a:E paraTextEdit_J452_c_a:E"},
        // The read-only rules follow J08 and the block's own J30 while the page is shown.
        {"J25 when J08 changes", editor, blocks(3, "0,0,12"), "hand:2 show J08=0", "paraTextEdit_J25_g:r"},
        {"J14 when another block's J30 changes, then the block's", editor, blocks(3, "0,4,0"),
         "hand:1 show J30.0=1 see{paraTextEdit_J14_c_b:E} J30.1=1", "paraTextEdit_J14_c_b:r"},
        // Stepping stays within the blocks.
        {"step up at the last block", editor, blocks(10, "0,0,0,0,0,0,0,0,0,4"), "hand:9 show click:toolButtonRight",
         "lineEditFahrsatznummer=9 stackedWidget@12 paraTextEdit_J10_c_b#9"},
        {"no blocks", editor, blocks(0), "show click:toolButtonRight click:toolButtonLeft click:toolButtonCopyFrom",
         "lineEditFahrsatznummer= lineEditFahrsatznummer:d toolButtonLeft:d toolButtonCopyFrom:d stackedWidget:d jumps="},
        {"blocks appear", editor, blocks(0), "show resize:J10=3 hide show",
         "lineEditFahrsatznummer=0 stackedWidget:E toolButtonCopyFrom:E"},
        // The block another page hands over, taken once.
        {"handed over, shown again from the tree", editor, blocks(10),
         "hand:4 show see{lineEditFahrsatznummer=4,paraCombo_J11_a#4,block=-1} hide show", "lineEditFahrsatznummer=4"},
        {"handed over beyond the count", editor, blocks(10), "hand:25 show", "lineEditFahrsatznummer=9 live=C243@1.0,I00@1.0"},
        // A layout that comes into view edits the block shown, whatever it showed before.
        {"I00 changes the layout", editor, blocks(10, "0,0,0,0,0,0,0,0,1,0"),
         "hand:8 show see{stackedWidget@11} I00=0 type:paraTextEdit_J13_j=777",
         "stackedWidget@10 $J13.8=777 $J13.0=0 paraTextEdit_J10_j%Satz~8 paraTextEdit_J10_j#8 paraCombo_J11_j#8"},
        {"I00 brings back a layout bound to another block", editor, blocks(10, "0,0,1,0,0,0,0,0,1,0"),
         "I00=0 hand:2 show I00=1 type:lineEditFahrsatznummer=8 see{stackedWidget@11} I00=0 type:paraTextEdit_J13_j=777",
         "$J13.8=777 $J13.2=0 paraTextEdit_J13_j#8 paraLbl_J452_j#8"},
        {"copy cancelled, closed", editor, blocks(6, {}, "7"),
         "hand:5 show dialog{click:pushButtonFahrsatzUebernehmenCancel} click:toolButtonCopyFrom see{writes=} "
         "dialog{reject} click:toolButtonCopyFrom", "writes="},
    };
    rows << more;
    // A copy of block 2 into block 5 writes every parameter of the block.
    QStringList copy;
    for (const QString &coordinate : copied)
        copy << coordinate + (coordinate == "J10" ? ".5=Satz~2" : coordinate == "J11" ? ".5=9" : ".5=2");
    QString drive = blocks(6, "0,0,9,0,0,0");
    for (const QString &coordinate : copied.mid(2))
        drive += QStringLiteral(" %1=0,1,2,3,4,5").arg(coordinate);
    rows.append({"copy from block 2", editor, drive,
                 "hand:5 show dialog{pick:comboFahrsaetze=2,click:pushButtonFahrsatzUebernehmenOK} click:toolButtonCopyFrom",
                 "writes=" + copy.join(',') + " stackedWidget@13 paraTextEdit_J10_f_b#5"});
}

static void followUpRows(QList<Row> &rows)
{
    const QString page = QStringLiteral("Folgefahrsatz");
    rows << QList<Row>{
        // Every list offers "-1: inaktiv" and the blocks with their names, and selects the block's number.
        {"lists", page, blocks(3), "hand:1 J271.1=2 J286.1=0 J282.0=1 show",
         "comboBox_J271*4 comboBox_J271@3 comboBox_J271=2:~Satz~2 comboBox_J286@1 comboBox_J282@0 comboBox_J285=-1:~inaktiv writes="},
        {"lists of another block", page, blocks(3), "hand:1 J282.0=1 show J10.0=Anfang click:toolButtonLeft",
         "comboBox_J271@0 comboBox_J282@2 comboBox_J282=1:~Satz~1 comboBox_J285*4 writes="},
        // A block renamed on this page or by the drive is listed under its new name at once.
        {"renamed here", page, blocks(3), "hand:1 J271.1=1 show type:ParaJ10=Neu", "comboBox_J271=1:~Neu comboBox_J271*4 writes=J10.1=Neu"},
        {"renamed by the drive", page, blocks(3), "hand:1 J282.1=2 show J10.2=Ende", "comboBox_J282=2:~Ende comboBox_J271@0"},
        {"chosen: block 2", page, blocks(3), "hand:1 show J271.1=1 pick:comboBox_J271=3", "writes=J271.1=2 $J271.0=-1"},
        {"chosen beyond the drive's limit", page, blocks(3) + " J271=-1*3[-1:1]", "hand:1 show pick:comboBox_J271=3", "comboBox_J271@0 $J271.1=-1"},
        {"chosen: inactive", page, blocks(3), "hand:1 show J285.1=1 pick:comboBox_J285=0", "writes=J285.1=-1"},
        {"chosen: buffered block 0", page, blocks(3), "hand:1 show pick:comboBox_J286=1", "writes=J286.1=0"},
        {"drive changes the block's", page, blocks(3), "hand:1 show J272.1=0 J272.2=2", "comboBox_J272@1"},
        {"drive names no block", page, blocks(3), "hand:1 show J272.1=7", "comboBox_J272@-1 $J272.1=7 writes="},
        {"array resized", page, blocks(4), "hand:3 show J272.3=1 J251.3=4 resize:J272=2 resize:J272=4 resize:J251=2 resize:J251=4",
         "comboBox_J272@0 FrameClicklabelTriggersignal1:h $J272.3=-1"},
        // The tool button opens the editor on the follow-up block.
        {"no blocks", page, blocks(0), "hand:2 show pick:comboBox_J271=0",
         "lineEditFahrsatznummer= widgetFolgefahrsaetze:d lineEditFahrsatznummer:d comboBox_J271*1 writes="},
    };
}

static void sourceRows(QList<Row> &rows)
{
    const QString counted = "J10=a,b,c J11=0*3 J27=0*3 J251=0*3 J285=-1*3 J440=0*3 J452=0*3";
    const QString count = "$J10*%1 $J11*%1 $J251*%1 $J440*%1 $J452*%1";
    const QString bin = "DbmMotionBlockBinSignals", plain = "MotionBlocks";
    const QString sources = "I100=1 J06=1 J07=1 J917=1";
    rows << QList<Row>{
        {"missing sources skipped", bin, "J06=1 J917=1", "show click:PushButtonQuellenAufParameter", "writes=J06.0=2,J917.0=2"},
        // The plain block editor edits the block chosen, and changes the number of blocks offline.
        {"block 5 edited", plain, "J10=a,b,c,d,e,f J11=0*6 J13=0*6 J251=0*6",
         "offline show type:SpinBoxMotionBlockToEdit=5 type:paraTextEdit_J13=77",
         "$J13.5=77 $J13.0=0 paraTextEdit_J13#5 paraCombo_J11#5 paraLbl_J251#5 SpinBoxMotionBlockToEdit*5"},
        {"block beyond a shorter array, then inside", plain, "J10=a,b,c,d,e,f J11=0*6 J13=0*6 J251=0*2",
         "offline show type:SpinBoxMotionBlockToEdit=5 see{paraCombo_J251:h} type:SpinBoxMotionBlockToEdit=1",
         "paraCombo_J251:E paraCombo_J251#J251.1@1"},
        {"count 5", plain, counted, "offline show type:SpinBoxNumberOfMotionBlocks=5",
         count.arg(5) + " SpinBoxNumberOfMotionBlocks=5 SpinBoxMotionBlockToEdit*4"},
        {"count 16380", plain, counted, "offline show type:SpinBoxNumberOfMotionBlocks=16380", count.arg(16380)},
        {"count 0 refused", plain, counted, "offline show type:SpinBoxNumberOfMotionBlocks=0",
         count.arg(3) + " SpinBoxNumberOfMotionBlocks=3"},
        {"count text refused", plain, counted, "offline show type:SpinBoxNumberOfMotionBlocks=abc", count.arg(3)},
        {"shrink confirmed", plain, counted, "offline show yes type:SpinBoxNumberOfMotionBlocks=1",
         count.arg(1) + " box=Fahrsätze~1~bis~2~löschen? SpinBoxMotionBlockToEdit*0"},
        {"shrink declined", plain, counted, "offline show no type:SpinBoxNumberOfMotionBlocks=1",
         count.arg(3) + " SpinBoxNumberOfMotionBlocks=3"},
        {"no blocks", plain, "J10=*0 J11=0*0", "offline show type:SpinBoxNumberOfMotionBlocks=2",
         "$J10*2 $J11*2 SpinBoxMotionBlockToEdit*1"},
        {"no blocks shown", plain, "J10=*0 J11=0*0", "offline show", "paraTextEdit_J10:h SpinBoxNumberOfMotionBlocks=0"},
        // "16" passes through "1" while typed: no block is cut meanwhile, and only 16 is asked for.
        {"count typed", plain, QString(counted).replace("*3", "*20").replace("a,b,c", "a*20"),
         "offline show type:SpinBoxMotionBlockToEdit=12 yes type:SpinBoxNumberOfMotionBlocks=16",
         count.arg(16) + " SpinBoxMotionBlockToEdit=12 box=Fahrsätze~16~bis~19~löschen?"},
    };
}

static void triggerRows(QList<Row> &rows)
{
    const QString source = "DbmSrcCtrlFollowMotionBlock", perBlock = "DbmSrcIndirectTriggerFollowMb";
    const QString common = "DbmSrcIndirectTriggerFollowMbV2", switching = "DbmFahrsatzSchaltwerk";
    const QString addresses = "J437=1*5 J439=*5 J440=*4 J441=*4 J442=*4 J443=*4 J444=*4 J40=7*4 I441=3";
    const QString noFlags = "J439=*5 J440=*4 J441=*4 J442=*4 J443=*4 J444=*4";
    rows << QList<Row>{
        {"trigger buttons without J450", source, "", "show click:PushButtonQuellenAufParameter", "writes="},
        {"indirect, per block only", source, "", "nopage:" + common + " show click:labelIndirectTrigger", "jumps=" + perBlock},
        {"indirect, common only", source, "", "nopage:" + perBlock + " show click:labelIndirectTrigger", "jumps=" + common},
        {"indirect, common hidden", source, "", "page:-" + common + " show click:labelIndirectTrigger", "jumps=" + perBlock},
        {"indirect, common only, hidden", source, "", "nopage:" + perBlock + " page:-" + common + " show ok click:labelIndirectTrigger",
         "jumps= box=Assistentenseite~ist~aktuell~ausgeblendet."},
        {"indirect, neither", source, "", "nopage:" + common + " nopage:" + perBlock + " show ok click:labelIndirectTrigger",
         "jumps= box=Assistentenseite~fehlt~in~der~Baum-Definition."},
        // Trigger 2 taken indirectly or not: the flag is written and the address follows.
        {"per block, unchecked, checked again", perBlock, addresses,
         "show click:checkBox_J437_2 see{writes=J437.2=0,checkBox_J437_2?0,paraTextEdit_J442:d,paraTextEdit_J441:E} "
         "click:checkBox_J437_2", "writes=J437.2=0,J437.2=1 checkBox_J437_2?1 paraTextEdit_J442:E"},
        {"per block, without J437", perBlock, noFlags, "show click:checkBox_J437_2", "writes= checkBox_J437_2?0 paraTextEdit_J442:d"},
        {"common, unchecked", common, addresses, "show click:checkBox_J437_2", "writes=J437.2=0 paraTextEdit_J439_2:d"},
        {"common, without J437", common, noFlags, "show click:checkBox_J437_2", "writes= checkBox_J437_2?0 paraTextEdit_J439_2:d"},
        {"per block, drive clears the flag", perBlock, addresses, "show J437.4=0", "checkBox_J437_4?0 paraLbl_J444:d writes="},
        // The address editors and the indirect pairs of the per-block page follow the block shown.
        {"address of block 2 edited", perBlock, addresses, "hand:2 show type:paraTextEdit_J443=J40.1",
         "$J443.2=J40.1 $J443.0= paraTextEdit_J443#2 paraLbl_J440#2"},
        {"address of the next block edited", perBlock, addresses, "hand:2 show click:toolButtonRight type:paraTextEdit_J440=I441",
         "$J440.3=I441 lineEditFahrsatznummer=3 paraTextEdit_J444#3"},
        {"G809 set, cleared", common, "G809=0 J437=0*5",
         "show see{CheckboxG809:E,checkBox_J437_0:E} click:CheckboxG809 see{writes=G809.0=1,CheckboxG809?1} click:CheckboxG809",
         "writes=G809.0=1,G809.0=0 CheckboxG809?0"},
        {"G809 kept by the drive", common, "G809=0[0:0] J437=0*5", "show click:CheckboxG809", "CheckboxG809?0 $G809=0"},
        // Block-end switching: a click writes the switch and frees or locks its value.
        {"switch unchecked, checked", switching, "J455=0*5 J456=0,1,0,0,0 J457=0*5",
         "show click:checkBoxJ456_1 see{writes=J456.1=0,checkBoxJ456_1?0,ParaLineEdit_J455_1:d} click:checkBoxJ456_1",
         "writes=J456.1=0,J456.1=1 checkBoxJ456_1?1 ParaLineEdit_J455_1:E"},
    };
    // The source of a trigger shown from the address its parameter holds (element 1 on both
    // pages: block 1 on the per-block one, trigger 1 on the other).
    // The address and the "coordinate#element" shown, empty: hidden.
    const std::pair<const char *, const char *> pairs[] = {{"I441", "I441#0"}, {"J40.3", "J40#3"}, {"1:J40.2", "J40#2"}, {"J4x0", ""},
                 {"J40.9", ""},      {"Z999", ""},       {"~", ""}};
    for (const auto &[address, bound] : pairs) {
        for (const QString &page : {perBlock, common}) {
            const QString name = page == perBlock ? "J441" : "J439_1", change = name.left(4) + ".1=";
            // A control already bound elsewhere moves with a new address.
            const QString shown = QString(bound).isEmpty()
                                      ? QStringLiteral("paraTextEdit_%1_Indirekt:h paraLbl_%1_Indirekt:h").arg(name)
                                      : QStringLiteral("paraTextEdit_%1_Indirekt=%2 paraTextEdit_%1_Indirekt#%3 paraLbl_%1_Indirekt:E")
                                            .arg(name, QString(bound).section('#', 0, 0), QString(bound).section('#', 1));
            rows.append({QStringLiteral("%1, address %2").arg(page, address), page, addresses,
                         "hand:1 show " + change + "J40.1 " + change + address, shown});
        }
    }
    rows.append({"per block, no address parameter", perBlock, "J437=1*5 J440=*4 J40=7*4", "hand:1 show",
                 "paraTextEdit_J441_Indirekt:h paraTextEdit_J440_Indirekt:h"});
}

// The table page's count change and reset of all blocks, offline (the journal holds the buttons
// online and going off- and online); a parameter the drive lacks (J55) is skipped.
static void tableRows(QList<Row> &rows)
{
    const QString page = QStringLiteral("Fahrsatzbetrieb");
    QString drive = table + QStringLiteral(" J10=Satz*3");
    for (const QString &coordinate : resetCoordinates.mid(1) + resizedOnly)
        drive += QStringLiteral(" %1=5*3").arg(coordinate);
    const QString open = QStringLiteral("offline -J55 J13.1=9 J444.2=9 show ");
    QStringList reset;
    for (int block = 0; block < 3; ++block) {
        for (const QString &coordinate : resetCoordinates)
            reset << QStringLiteral("%1.%2=%3").arg(coordinate).arg(block).arg(coordinate == "J10" ? "Satz" : "5");
    }
    const QString counted = "$J10*%1 $J19*%1 $J286*%1 $J452*%1 $J444*%1 $J55*none LblValueAnzahlFahrsaetze=%1";
    const QString change = QStringLiteral("dialog{%1} click:pushButtonAnzahlAendern");
    const QList<std::array<QString, 3>> own = {
        {"offline, read-only", "readonly", "pushButtonAnzahlAendern:d pushButtonResetFahrsaetze:d"},
        {"editable again", "readonly editable", "pushButtonAnzahlAendern:E pushButtonResetFahrsaetze:E"},
        // Without J10 the dialog would offer 1 and cut every block parameter down to it.
        {"no J10", "-J10 online offline", "pushButtonAnzahlAendern:d"},
        {"count 16380", change.arg("type:lineEditAnzahlFahrsaetze=16380"), counted.arg(16380)},
        {"count 16381", "ok " + change.arg("type:lineEditAnzahlFahrsaetze=16381"), counted.arg(3) + " box=Ungültige~Fahrsatzanzahl"},
        {"count -5", "ok " + change.arg("type:lineEditAnzahlFahrsaetze=-5"), counted.arg(3) + " box=Ungültige~Fahrsatzanzahl"},
        {"count 0", change.arg("type:lineEditAnzahlFahrsaetze=0"), counted.arg(3)},
        // Fewer blocks only after a yes to the question that names those that go.
        {"count 1 declined", "no " + change.arg("type:lineEditAnzahlFahrsaetze=1"),
         counted.arg(3) + " box=Fahrsätze~1~bis~2~löschen? $J13.1=9"},
        {"count 2 confirmed", "yes " + change.arg("keys:lineEditAnzahlFahrsaetze=2,click:pushButtonOk"),
         counted.arg(2) + " box=Fahrsätze~2~bis~2~löschen? $J13.1=9"},
        {"count unchanged", change.arg("type:lineEditAnzahlFahrsaetze=3"), counted.arg(3)},
        {"count cancelled", change.arg("keys:lineEditAnzahlFahrsaetze=20,click:pushButtonCancel"), counted.arg(3)},
        {"count closed", change.arg("keys:lineEditAnzahlFahrsaetze=20,reject"), counted.arg(3)},
        {"count confirmed", change.arg("keys:lineEditAnzahlFahrsaetze=12,click:pushButtonOk"), counted.arg(12)},
        {"count no number", change.arg("keys:lineEditAnzahlFahrsaetze=zwoelf,click:pushButtonOk"), counted.arg(3)},
        {"reset", "yes click:pushButtonResetFahrsaetze",
         "writes=" + reset.join(',') + " box=Alle~Fahrsätze~auf~Defaultwerte~zurücksetzen?"},
        {"reset declined", "no click:pushButtonResetFahrsaetze", "writes= $J13.1=9"},
        {"reset without J10: one block", "-J10 yes click:pushButtonResetFahrsaetze",
         "writes=" + reset.filter(QRegularExpression("^(?!J10)\\w+\\.0=")).join(',')},
        {"reset without J19", "-J19 yes click:pushButtonResetFahrsaetze",
         "writes=" + reset.filter(QRegularExpression("^(?!J19\\.)")).join(',')},
    };
    for (const auto &[name, script, expected] : own)
        rows.append({name, page, drive, open + script, expected});
}

// Rows of page, drive (see seedTokens()), script (see PageScript; see{a,b}: the page shows
// the states a and b at this point) and expected states.
void TestMotionBlocks::states_data()
{
    addColumns<QString>("page", "drive", "script", "expected");
    QList<Row> rows;
    for (const auto add : {editorRows, followUpRows, sourceRows, triggerRows, tableRows})
        add(rows);
    for (const Row &row : std::as_const(rows))
        QTest::addRow("%s: %s", qPrintable(row[1]), qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
}

void TestMotionBlocks::states()
{
    const auto [page, drive, script, expected] = fetchColumns<QString>("page", "drive", "script", "expected");
    open(page, {drive}, false)->resize(1000, 700);
    m_script->run(script);
    QCOMPARE(m_script->states(expected), expected);
    QCOMPARE(m_watcher->unexpectedCount(), 0);
    QCOMPARE(m_watcher->pendingAnswers(), 0);
}

void TestMotionBlocks::openTable(const QString &script)
{
    open("Fahrsatzbetrieb", {"@offline", table, "@" + script}, false)->resize(1000, 700);
    m_page->show();
}

// A burst of changes refills the table once, when the drive has been quiet for a second: the
// collection starts again with every change of a watched parameter, and a fill leaves nothing
// pending.
void TestMotionBlocks::refillOnceAfterABurst()
{
    openTable();
    QSignalSpy fills(view()->model(), &QAbstractItemModel::modelReset);
    auto *collection = m_page->findChild<QTimer *>();
    QVERIFY(collection && collection->isSingleShot());
    m_script->run("J11=12 J13=5 J271.3=1 J286=2 I30=7");
    QVERIFY(collection->isActive());
    QCOMPARE(fills.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(fills.count(), 1, 10000);
    QVERIFY(!collection->isActive());
    QCOMPARE(view()->model()->index(0, Model::SetpointColumn).data(Model::LinkRole).toInt(), int(Model::Link::G80));
    QCOMPARE(view()->model()->index(3, Model::InterruptColumn).data(Model::ButtonTextsRole).toStringList().first(), "1");
    // A parameter the table ignores starts nothing.
    m_script->run("J300=7");
    QVERIFY(!collection->isActive());
}

void TestMotionBlocks::tableInput_data()
{
    // script: drive changes before the page opens
    // input: click:b (the cell's button b), click:b+n (n pixels right of it), else keys
    // jumps: page:block of each jump
    addColumns<QString, int, int, QString, QString>("script", "row", "column", "input", "jumps");
    const QString links = "J273.1=3 J11=12,9,4,13 J30.2=1 J32=1", keys = "J11=1,4,1,1 J30.1=1";
    // The columns are sized without measuring every row; a late row's wider numbers still fit.
    const QString late = "resize:J10=2000 resize:J11=2000 resize:J275=2000 J275.1999=1999";
    const std::tuple<const char *, QString, int, int, const char *, const char *> rows[] = {
        {"number", links, 2, Model::NumberColumn, "click:0", "Fahrsatz:2"},
        {"beside the number", links, 2, Model::NumberColumn, "click:0+4", ""},
        {"between two entries", links, 1, Model::InterruptColumn, "click:0+2", ""},
        {"interrupt, none", links, 1, Model::InterruptColumn, "click:0", "Folgefahrsatz:1"},
        {"interrupt naming block 3", links, 1, Model::InterruptColumn, "click:2", "Folgefahrsatz:1"},
        {"block end", links, 3, Model::BlockEndColumn, "click:4", "Folgefahrsatz:3"},
        {"buffered", links, 0, Model::BufferedColumn, "click:0", "Folgefahrsatz:0"},
        {"G462", links, 2, Model::SetpointColumn, "click:0", "DbmQuelleExterneGeschwindigkeit:-1"},
        {"G471", links, 1, Model::SetpointColumn, "click:0", "DbmQuelleDrehmKraftGeschwKlammerung:-1"},
        {"G80", links, 0, Model::SetpointColumn, "click:0", "SynchronBetrieb:-1"},
        {"I88", links, 3, Model::SetpointColumn, "click:0", "AntriebBeobBewegung:-1"},
        {"late number", late, 1999, Model::NumberColumn, "click:0", "Fahrsatz:1999"},
        {"late interrupt", late, 1999, Model::InterruptColumn, "click:4", "Folgefahrsatz:1999"},
        // The numbers, entries and links are reached and pressed with the keyboard as well.
        {"space on the block number", keys, 2, Model::NumberColumn, "Space", "Fahrsatz:2"},
        {"return on a follow-up entry", keys, 2, Model::InterruptColumn, "Return", "Folgefahrsatz:2"},
        {"enter on the keypad", keys, 0, Model::BufferedColumn, "Enter", "Folgefahrsatz:0"},
        {"right past the last button", keys, 2, Model::InterruptColumn, "Right Right Right Right Right Space", "Folgefahrsatz:2"},
        {"up and down between numbers", keys, 1, Model::NumberColumn, "Down Space Up Up Space", "Fahrsatz:2 Fahrsatz:0"},
        {"setpoint link", keys, 1, Model::SetpointColumn, "Space", "DbmQuelleExterneGeschwindigkeit:-1"},
        {"text cells have nothing to press", keys, 1, Model::NameColumn, "Space Return", ""},
        {"setpoint without link", keys, 2, Model::SetpointColumn, "Return", ""},
        // Tab leaves the table and keeps its cell.
        {"tab leaves the table", keys, 2, Model::NumberColumn, "Tab Space", "Fahrsatz:2"},
    };
    for (const auto &[name, script, row, column, input, jumps] : rows)
        QTest::newRow(name) << script << row << column << QString::fromLatin1(input) << QString::fromLatin1(jumps);
}

// Clicks and keys on the table where the user sees the numbers, entries and links.
void TestMotionBlocks::tableInput()
{
    const auto [script, row, column, input, jumps]
        = fetchColumns<QString, int, int, QString, QString>("script", "row", "column", "input", "jumps");
    openTable(script);
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    const QModelIndex index = view()->model()->index(row, column);
    view()->scrollTo(index);
    QStringList seen;
    const auto press = [&](const std::function<void()> &action) {
        m_host->clearCalls();
        m_host->setProperty("FahrsatzNummer", -1);
        action();
        for (const QString &call : m_host->calls({"jumpToPage"}))
            seen << call.mid(11).chopped(1) + QLatin1Char(':') + QString::number(m_host->fahrsatzNummer());
    };
    if (input.startsWith(QLatin1String("click:"))) {
        const QRect target = view()->targetRect(index, input.section(':', 1).section('+', 0, 0).toInt());
        QVERIFY(!target.isEmpty() && view()->visualRect(index).contains(target));
        const int beside = input.section('+', 1).toInt();
        press([&] {
            QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                              beside ? QPoint(target.right() + beside, target.center().y()) : target.center());
        });
    } else {
        view()->setCurrentIndex(index);
        for (const QString &key : input.split(QLatin1Char(' ')))
            press([&] {
                QTest::keyClick(view(), QKeySequence::fromString(key)[0].key(),
                                key == QLatin1String("Enter") ? Qt::KeypadModifier : Qt::NoModifier);
            });
    }
    QCOMPARE(seen.join(' '), jumps);
}

void TestMotionBlocks::tableDrawing_data()
{
    // column: of block 2; keys: pressed on the table
    addColumns<int, QString, QString>("column", "keys", "drawn");
    const std::tuple<const char *, int, const char *, const char *> rows[] = {
        // The block number is a link; the keyboard's focus is on the cell's first button.
        {"number", Model::NumberColumn, "", "2:ubf"},
        {"entries", Model::InterruptColumn, "", "-f - - - -"},
        {"focus moved on", Model::InterruptColumn, "Right Right", "- - -f - -"},
        // Left from the next cell comes back to the last entry, as Shift+Tab along buttons would.
        {"entered with Left", Model::InterruptColumn, "Right Right Right Right Right Left", "- - - - -f"},
    };
    for (const auto &[name, column, keys, drawn] : rows)
        QTest::newRow(name) << column << QString::fromLatin1(keys) << QString::fromLatin1(drawn);
}

// What a user sees of the table's buttons while moving along them with the keyboard.
void TestMotionBlocks::tableDrawing()
{
    const auto [column, keys, drawn] = fetchColumns<int, QString, QString>("column", "keys", "drawn");
    openTable("J11=1,4,1,1");
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    DrawnButtons style;
    view()->setStyle(&style);
    const QModelIndex index = view()->model()->index(2, column);
    view()->setFocus();
    view()->setCurrentIndex(index);
    for (const QString &key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QTest::keyClick(view(), QKeySequence::fromString(key)[0].key());
    style.drawn.clear();
    view()->viewport()->grab();
    QStringList seen;
    for (const auto &[rect, button] : std::as_const(style.drawn)) {
        if (view()->visualRect(index).contains(rect))
            seen << button;
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), drawn);
    view()->setStyle(nullptr);
}

void TestMotionBlocks::countDialog_data()
{
    // text: typed over the 7 the dialog opens with
    // action: an arrow (Inc, Dec), or how the dialog ends
    // outcome: the field after an arrow, the dialog's result after an end
    addColumns<QString>("text", "action", "outcome");
    for (const QString &row : QStringLiteral("5>Dec>4|1>Dec>1|>Dec>1|abc>Dec>1|>Inc>2|abc>Inc>1|16379>Inc>16380|16380>Inc>16380|"
                                             "2147483647>Inc>16380|-2147483648>Dec>1").split('|')) {
        const QString text = row.section('>', 0, 0), button = row.section('>', 1, 1);
        QTest::addRow("%s from %s", button == "Inc" ? "up" : "down", text.isEmpty() ? "empty" : qPrintable(text))
            << text << button << row.section('>', 2);
    }
    // The typed number counts only when it was confirmed, also by leaving the field; closed,
    // cancelled, confirmed and typed with Return it is a row of the table page's states.
    QTest::newRow("Escape") << "20" << "escape" << "-1";
    QTest::newRow("field left") << "20" << "leave" << "20";
}

// The dialog's arrows step the number within 1 to 16380.
void TestMotionBlocks::countDialog()
{
    const auto [text, action, outcome] = fetchColumns<QString>("text", "action", "outcome");
    AnzahlFahrsaetzeAendern dialog(7);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *field = child<QLineEdit>(&dialog, "lineEditAnzahlFahrsaetze");
    QCOMPARE(field->text(), QStringLiteral("7"));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    if (action == "Inc" || action == "Dec") {
        child<QToolButton>(&dialog, "toolButton" + action)->click();
        QCOMPARE(field->text(), outcome);
        return;
    }
    if (action == "escape")
        QTest::keyClick(field, Qt::Key_Escape);
    else
        child<QToolButton>(&dialog, "toolButtonInc")->setFocus(Qt::TabFocusReason);
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialog.result(), outcome.toInt());
}

QTEST_MAIN(TestMotionBlocks)
#include "tst_motionblocks.moc"
