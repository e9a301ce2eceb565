#include "DbmKommando.h"
#include "ui_DbmKommando.h"

#include "ClickConnections.h"
#include "FormCoordinate.h"
#include "HostCodes.h"
#include "ParameterControl.h"
#include "WizardGlobal.h"

#include <QRegularExpression>
#include <QSignalBlocker>

#include <iterator>

namespace {

const QString commandCoordinate = QStringLiteral("J40");

// Editors whose lock the command decides, in the order the lock strings below list them.
const char *const lockedCoordinates[] = {"J42", "J43", "J44", "J45", "J46", "J47", "J48", "J56", "J36", "J53"};
constexpr int lockColumns = int(std::size(lockedCoordinates));

// Editors that always share the lock of another one.
struct Follower
{
    const char *leader;
    const char *coordinate;
};
const Follower followers[] = {{"J43", "J49"}, {"J43", "J52"}, {"J43", "J54"}, {"J56", "J51"}};

// What a command does to the page. Locks: 'R' read-only, 'W' editable, '-' left as it is.
constexpr int none = -1; // an unused command slot; the diagram page left as it is
struct CommandLayout
{
    int commands[3];
    const char *locks; // one letter per entry of lockedCoordinates
    bool referencingLink;
    bool torqueLink;
    bool diagram;
    int diagramPage;
};

// clang-format off
const CommandLayout commandLayouts[] = {
    {{0, none, none},    "RRWWWRRRRR", false, false, false, none},
    {{1, 2, 3},          "WWWWWWWWRW", false, false, true,     0},
    {{4, 8, none},       "RWWWWWWWRR", false, false, true,     0},
    {{5, 11, none},      "RRRWWWWRRW", false, false, false, none},
    {{6, none, none},    "RRRWWWWWRW", true,  false, false, none},
    {{7, 10, none},      "RRRRRWWRRR", false, false, false, none},
    {{9, none, none},    "RRRWWWWRRR", false, true,  false, none},
    {{12, none, none},   "RRWWWWWRRR", false, false, true,     1},
    {{13, none, none},   "RRWWWWWWRR", false, false, true,     1},
    {{14, none, none},   "WRWWWWWRWR", false, false, true,     1},
    {{30, none, none},   "RRWWWRRRRR", false, false, true,     2},
};
// Inactive (-1) and every command the page does not know.
const CommandLayout otherCommands = {{none, none, none}, "WWWWWWWWR-", false, false, false, none};
// clang-format on

const CommandLayout &layoutOf(qint64 command)
{
    for (const CommandLayout &layout : commandLayouts) {
        for (int listed : layout.commands) {
            if (listed != none && listed == command)
                return layout;
        }
    }
    return otherCommands;
}

// The command numbers an application offers, in ascending order.
QList<int> commandNumbersOf(const QString &application)
{
    QList<int> numbers;
    const int last = application == QLatin1String("7300006") ? 17
        : (application == QLatin1String("7300003") || application == QLatin1String("7300011")) ? 11
                                                                                                : 30;
    for (int number = 0; number <= last; ++number)
        numbers << number;
    // The winder application adds its own command after the common ones.
    if (application == QLatin1String("7300011"))
        numbers << 30;
    return numbers;
}

// The command number an entry of the list begins with, or "-1".
QString commandNumberOf(const QString &entry)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^[0-9][0-9]?:"));
    const QRegularExpressionMatch match = leadingNumber.match(entry);
    return match.hasMatch() ? match.captured().chopped(1) : QStringLiteral("-1");
}

} // namespace

DbmKommando::DbmKommando(QWidget *parent) : BrevanePage(parent), ui(new Ui::DbmKommando)
{
    setupForm(*ui);

    // Editors by coordinate; only those the command table names are ever locked.
    const auto widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QString name = widget->objectName();
        if (!name.startsWith(QLatin1String("ParaTextEdit_")) && !name.startsWith(QLatin1String("ParaCombo_")))
            continue;
        if (auto *control = dynamic_cast<ParameterControl *>(widget))
            m_controls.insert(formCoordinate(control), control);
    }

    connectClicks(this, {
        {ui->ClickLabelReferenzierung, SLOT(JumpToPageReferenzierung())},
        {ui->ClickLabelDrehmKraftGeschwKlammerung, SLOT(JumpToPageDrehmKraftGeschwKlammerung())},
        {ui->ClicklabelLinkHaltebremse, SLOT(JumpToPageHaltebremse())},
        {ui->ActionWidgetQuelleExterneGeschw, SLOT(JumpToPageQuelleExterneGeschwindigkeit())},
        {ui->ActionWidgetQuelleExterneZusatzGeschw, SLOT(JumpToPageQuelleExterneZusatzGeschwindigkeit())},
        {ui->ActionWidgetQuelleGeschwOverride, SLOT(JumpToPageQuelleGeschwOverride())},
        {ui->ActionWidgetLinkToPosiKern1, SLOT(JumpToPagePosiKern1())},
        {ui->ActionWidgetSynchronbetrieb, SLOT(JumpToSynchronbetrieb())},
        {ui->ActionWidgetWickler, SLOT(JumpToWinder())},
    });
    addLiveValue(commandCoordinate);
    WizardGlobal().AddHoverHighlights(this);
}

DbmKommando::~DbmKommando() = default;

QString DbmKommando::identifier() const
{
    return QString::fromLatin1("DbmKommando");
}

void DbmKommando::initialUpdate()
{
    connectParameterControls();
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void DbmKommando::connectParameterControls()
{
    observe(commandCoordinate, SLOT(onJ40Changed()));
    observe(QStringLiteral("J53"), SLOT(onJ53Changed()));
    connectCommandChoice();
    onJ40Changed();
    onJ53Changed();
}

void DbmKommando::connectCommandChoice()
{
    connect(ui->ComboBoxPseudoJ40, SIGNAL(currentIndexChanged(int)), this, SLOT(Combo_J40_changed(int)),
            Qt::UniqueConnection);
}

void DbmKommando::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    FillJ40Combo();
    onJ40Changed();
    enableUnlessReadOnly({ui->ComboBoxPseudoJ40});
}

void DbmKommando::retranslatePage()
{
    FillJ40Combo();
    onJ40Changed();
}

void DbmKommando::FillJ40Combo()
{
    const QString application = readText(QStringLiteral("E76"), 1);
    QStringList entries;
    const auto selection = parameterInformation(QStringLiteral("J50"));
    if (selection && selection->hasProperty(0, HostCode::PropertySelectionTexts)) {
        const QHash<qint64, QString> texts = selection->selectionTexts(livingSpace(), 0);
        for (int number : commandNumbersOf(application)) {
            const QString text = texts.value(number);
            if (!text.isEmpty())
                entries << text;
        }
    }

    // Refilling the list is no choice of the user: nothing may be written meanwhile.
    disconnect(ui->ComboBoxPseudoJ40, SIGNAL(currentIndexChanged(int)), this, SLOT(Combo_J40_changed(int)));
    ui->ComboBoxPseudoJ40->clear();
    ui->ComboBoxPseudoJ40->addItem(tr("-1: inaktiv"));
    ui->ComboBoxPseudoJ40->addItems(entries);
    connectCommandChoice();
}

void DbmKommando::Combo_J40_changed(int index)
{
    const QString number = commandNumberOf(ui->ComboBoxPseudoJ40->itemText(index));
    // "Inactive" is shown, never chosen: the drive leaves it on its own. Whatever was chosen,
    // the box then shows what J40 holds (a refused write or "inactive" leaves the old command).
    if (number != QLatin1String("-1"))
        writeText(commandCoordinate, 0, number);
    onJ40Changed();
}

void DbmKommando::onJ40Changed()
{
    if (!hasParameter(commandCoordinate))
        return;
    const QString command = readText(commandCoordinate);

    int shown = 0;
    for (int item = 0; item < ui->ComboBoxPseudoJ40->count(); ++item) {
        const QString number = commandNumberOf(ui->ComboBoxPseudoJ40->itemText(item));
        if (number != QLatin1String("-1") && number == command)
            shown = item;
    }
    {
        // Showing the stored command is no choice of the user: writing it back would reach the
        // drive on every refresh, even while the project is read-only.
        const QSignalBlocker blocker(ui->ComboBoxPseudoJ40);
        ui->ComboBoxPseudoJ40->setCurrentIndex(shown);
    }

    bool isNumber = false;
    const qint64 value = command.toLongLong(&isNumber, 10);
    applyCommand(isNumber ? value : 0);
}

void DbmKommando::applyCommand(qint64 command)
{
    const CommandLayout &layout = layoutOf(command);
    for (int column = 0; column < lockColumns; ++column) {
        const char lock = layout.locks[column];
        if (lock == '-')
            continue;
        const QString coordinate = QLatin1String(lockedCoordinates[column]);
        QStringList locked{coordinate};
        for (const Follower &follower : followers) {
            if (coordinate == QLatin1String(follower.leader))
                locked << QLatin1String(follower.coordinate);
        }
        for (const QString &each : std::as_const(locked)) {
            if (ParameterControl *control = m_controls.value(each))
                control->setReadonlyForced(lock == 'R');
        }
    }
    ui->FrameLinkReferenzierung->setVisible(layout.referencingLink);
    ui->FrameLinkDrehmKraftGeschwKlammerung->setVisible(layout.torqueLink);
    ui->FrameGrafikKommando->setVisible(layout.diagram);
    if (layout.diagramPage != none)
        setStackPage(ui->stackedWidget, layout.diagramPage);
}

void DbmKommando::onJ53Changed()
{
    ui->FrameLinkHaltebremse->setVisible(readInt(QStringLiteral("J53")) != 0);
}

void DbmKommando::JumpToPageReferenzierung()
{
    jumpTo(QStringLiteral("Referenzfahrt"));
}

void DbmKommando::JumpToPageDrehmKraftGeschwKlammerung()
{
    jumpTo(QStringLiteral("DbmQuelleDrehmKraftGeschwKlammerung"));
}

void DbmKommando::JumpToPageHaltebremse()
{
    jumpTo(QStringLiteral("SeiteAllgemein"));
}

void DbmKommando::JumpToPageQuelleExterneGeschwindigkeit()
{
    jumpTo(QStringLiteral("DbmQuelleExterneGeschwindigkeit"));
}

void DbmKommando::JumpToPageQuelleExterneZusatzGeschwindigkeit()
{
    jumpTo(QStringLiteral("DbmQuelleExtZusatzGeschwindigkeit"));
}

void DbmKommando::JumpToPageQuelleGeschwOverride()
{
    jumpTo(QStringLiteral("DbmQuelleGeschwOverride"));
}

void DbmKommando::JumpToPagePosiKern1()
{
    jumpTo(QStringLiteral("AntriebBeobPosiKern1"));
}

void DbmKommando::JumpToSynchronbetrieb()
{
    jumpTo(QStringLiteral("SynchronBetrieb"));
}

void DbmKommando::JumpToWinder()
{
    jumpTo(QStringLiteral("AppWinderCenter"));
}

void DbmKommando::JumpToPageQuelleMaster()
{
    jumpTo(QStringLiteral("MasterEncoder"));
}
