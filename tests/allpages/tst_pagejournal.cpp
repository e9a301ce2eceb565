// Every page's behaviour held in its journal (journal/<page>.txt): the page opens on the default
// drive; every button, link, choice and field is used, every link also with its target hidden;
// each parameter the page reads takes a few telling values, each array shrinks to one element and
// grows back; the page opens on drives that each lack one of them, and on one where all differ,
// where each parameter takes its values again; the host goes read-only and offline, through the
// device types, fieldbuses and languages, and hands a motion block over; a control panel goes
// through its course; then a seeded random run plays on for 700 steps (combinations no sweep
// reaches), under a host that marks every text read with the flag set. After each step the journal
// holds what changed and what the page asked, showed, wrote and read past an array's end.
// When a page is meant to behave differently, BREVANE_JOURNAL_WRITE=1 writes the journals anew
// from the run; the diff of journal/ is then the change in behaviour, to be read in review.

#include "ActionWidget.h"
#include "ClickableLabel.h"
#include "PageHarness.h"
#include "PageInput.h"
#include "PageJournal.h"
#include "PageProbe.h"
#include "RandomInput.h"
#include "WizardPage.h"
#include "WorkbenchHost.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>

#include <functional>

namespace {

constexpr quint64 journalSeed = 20261208;
constexpr int randomActions = 700;

// A control panel's course, as a user and the drive go through it: the axis taken and enabled,
// every other button used, halted, stopped and faulted by the drive, switched off by a fault and
// taken again, lost to a lock, another master, the connection and the page's hiding, on a drive
// that starts without lock, master or fault; then every parameter the panel reads is swept with
// the axis held and enabled, and the axis is given back. Every warning is accepted. "buttons" uses
// each other button the panel offers then: it holds and lets go of a momentary one and clicks one
// that stays down.
const char *const panelCourse =
    "A900=0 A918=0 E48=0 E49=0 E81=0 E82=0 on freigabe buttons halt buttons halt E48=1 E48=0 E48=5 E48=0 freigabe E49=256 E49=0 "
    "freigabe E81=3 E82=88 E49=2 E81=0 E82=0 E49=0 on E49=2 E49=0 freigabe buttons hide show on freigabe "
    "A918=1 A918=0 on A900=1 A900=0 offline online on freigabe I197=1 I199=1 I199=0";

// The values a parameter takes in the sweep: its choices, every value of a short range, or small
// numbers, its upper limit, -1 and 0; an address points at a parameter, at an element of an array
// and one past its end, and nowhere.
QStringList tellingValues(const ParameterDefinitionData &definition)
{
    if (definition.dataType == ParameterDataType::Address)
        return {QStringLiteral("I441"), QStringLiteral("N44.3"), QStringLiteral("N44.4"), QString()};
    QStringList values;
    for (auto it = definition.selection.cbegin(); it != definition.selection.cend() && values.size() < 16; ++it)
        values << QString::number(it.key());
    // A number of a short range is most likely a mode or a command: each of its values counts.
    const bool shortRange = definition.lowerLimit.isValid() && definition.upperLimit.isValid()
                            && definition.upperLimit.toLongLong() - definition.lowerLimit.toLongLong() <= 32;
    if (values.isEmpty() && shortRange) {
        for (qint64 value = definition.lowerLimit.toLongLong(); value <= definition.upperLimit.toLongLong(); ++value)
            values << QString::number(value);
        if (!values.contains(QStringLiteral("0")))
            values << QStringLiteral("0");
    }
    if (values.isEmpty()) {
        values << QStringLiteral("1") << QStringLiteral("2") << QStringLiteral("3");
        if (definition.upperLimit.isValid())
            values << definition.upperLimit.toString();
        values << QStringLiteral("-1") << QStringLiteral("0");
    }
    return values;
}

} // namespace

class TestPageJournal : public PageSuite
{
    Q_OBJECT
private slots:
    void journal_data() { addPageRows(); }
    void journal();

private:
    void useFields(PageJournal &journal, WizardPage *page);
    void followLinks(PageJournal &journal, WizardPage *page);
    // Each parameter the page read takes its telling values and its own again; beforeEach runs
    // before each parameter.
    void sweepParameters(PageJournal &journal, WizardPage *page, const std::function<void()> &beforeEach = {});
    void switchHost(PageJournal &journal, WizardPage *page);
    void drivePanel(PageJournal &journal, WizardPage *page);

    bool m_acceptBoxes = false;
};

void TestPageJournal::useFields(PageJournal &journal, WizardPage *page)
{
    // Each choice a user can reach takes its last entry and then its first; each field a user
    // can type into takes a number of two digits, confirmed with Return.
    for (QComboBox *combo : PageProbe::reachable<QComboBox>(page)) {
        const QString key = PageProbe::key(combo, page);
        for (const int index : {combo->count() - 1, 0}) {
            if (!combo->isVisibleTo(page) || !combo->isEnabled() || index < 0)
                continue;
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            journal.record(QStringLiteral("choose %1 in %2").arg(index).arg(key), page);
        }
    }
    for (QLineEdit *field : PageProbe::reachable<QLineEdit>(page)) {
        if (field->isReadOnly() || !field->isVisibleTo(page) || !field->isEnabled())
            continue;
        // Two digits: a field that acts on every key shows it after the first.
        typeInto(field, QStringLiteral("12"), Qt::Key_Return);
        journal.record(QStringLiteral("type 12 into ") + PageProbe::key(field, page), page);
    }
}

void TestPageJournal::followLinks(PageJournal &journal, WizardPage *page)
{
    // Every link of the page, also those of the other device types' diagrams, with the pages it
    // leads to in the tree and then hidden.
    QList<QWidget *> links;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        if (qobject_cast<ActionWidget *>(widget) || qobject_cast<ClickableLabel *>(widget) || (label && !anchorOf(label).isEmpty()))
            links << widget;
    }
    WorkbenchHost *host = m_session.host();
    const QStringList tree = host->treePages();
    for (const bool hidden : {false, true}) {
        for (const QString &other : tree) {
            if (other != page->identifier())
                hidden ? host->hidePage(other) : host->showPage(other);
        }
        for (QWidget *link : std::as_const(links)) {
            // Where a link leads also when the tree lacks its target: the pages it asked for.
            m_session.variantHost()->takePagesAsked();
            activateLink(link);
            journal.note(QStringLiteral("asked for ") + m_session.variantHost()->takePagesAsked().join(QLatin1String(", ")));
            journal.record(QStringLiteral("link %1%2").arg(PageProbe::key(link, page), QLatin1String(hidden ? ", the other pages hidden" : "")), page);
        }
    }
    for (const QString &other : tree)
        host->showPage(other);
    journal.record(QStringLiteral("every page shown again"), page);
}

void TestPageJournal::sweepParameters(PageJournal &journal, WizardPage *page, const std::function<void()> &beforeEach)
{
    ParameterStore *store = m_session.store();
    const int livingSpace = m_session.host()->livingSpace();
    for (const QString &coordinate : m_session.variantHost()->coordinatesRead()) {
        const ParameterDefinitionData *definition = store->definition(coordinate);
        if (!definition)
            continue;
        if (beforeEach)
            beforeEach();
        // The first elements alike: a page of blocks may show any of them.
        const auto elements = static_cast<unsigned short>(qMin<int>(definition->elementCount, 4));
        QStringList originals;
        for (unsigned short element = 0; element < definition->elementCount; ++element)
            originals << store->value(coordinate, livingSpace, element);
        for (const QString &value : tellingValues(*definition)) {
            bool accepted = true;
            for (unsigned short element = 0; element < elements; ++element)
                accepted = store->setValue(coordinate, livingSpace, element, value) && accepted;
            journal.record(QStringLiteral("drive %1 = %2%3").arg(coordinate, value, accepted ? QString() : QStringLiteral(" (refused)")), page);
        }
        // An array shrinks to one element and grows back (to its defaults).
        const auto parameter = store->parameter(ParameterCoordinate(coordinate)).toStrongRef();
        if (parameter && definition->elementCount > 1) {
            for (const unsigned short count : {static_cast<unsigned short>(1), definition->elementCount}) {
                parameter->setElementCount(count);
                journal.record(QStringLiteral("drive %1 has %2 elements").arg(coordinate).arg(count), page);
            }
        }
        // Every element gets its value back: the parameters after it meet the same drive.
        for (unsigned short element = 0; element < originals.size(); ++element)
            store->setValue(coordinate, livingSpace, element, originals.at(element));
        journal.record(QStringLiteral("drive %1 back to %2").arg(coordinate, originals.value(0)), page);
    }
}

void TestPageJournal::switchHost(PageJournal &journal, WizardPage *page)
{
    WorkbenchHost *host = m_session.host();
    // The host changes, and the page is shown again; read-only and the connection change while it
    // is shown, too, and the page follows them at once.
    const auto change = [&journal, page](const QString &what, const std::function<void()> &make, bool whileShown = false) {
        make();
        if (whileShown)
            journal.record(what + QStringLiteral(", while shown"), page);
        page->hide();
        page->show();
        journal.record(what, page);
    };
    change(QStringLiteral("read-only"), [host] { host->setReadOnly(true); }, true);
    change(QStringLiteral("editable"), [host] { host->setReadOnly(false); }, true);
    change(QStringLiteral("offline"), [host] { host->setOnline(false); }, true);
    change(QStringLiteral("online"), [host] { host->setOnline(true); }, true);
    const eDeviceType device = host->deviceType();
    for (eDeviceType other : PageVariants::deviceTypes())
        change(QStringLiteral("device type %1").arg(int(other)), [host, other] { host->setDeviceType(other); });
    change(QStringLiteral("device type back"), [host, device] { host->setDeviceType(device); });
    const eFieldbusType fieldbus = host->fieldbusType();
    for (eFieldbusType other : PageVariants::fieldbuses())
        change(QStringLiteral("fieldbus %1").arg(int(other)), [host, other] { host->setFieldbusType(other); });
    change(QStringLiteral("fieldbus back"), [host, fieldbus] { host->setFieldbusType(fieldbus); });
    for (const int block : {3, 0, -1}) {
        change(QStringLiteral("motion block handed over, shown again: %1").arg(block),
               [host, block] { host->setProperty(WorkbenchHost::MotionBlockProperty, block); });
    }
    for (int language : {Text::English, Text::French, Text::German}) {
        m_session.setLanguage(language);
        journal.record(QStringLiteral("language %1").arg(language), page);
    }
}

void TestPageJournal::drivePanel(PageJournal &journal, WizardPage *page)
{
    const auto button = [page](const char *name) { return page->findChild<QAbstractButton *>(QLatin1String(name)); };
    QAbstractButton *switchOn = button("ToolButtonSteuertafelEin");
    QAbstractButton *freigabe = button("ToolButtonFreigabe");
    QAbstractButton *halt = button("ToolButtonHalt");
    if (!switchOn || !freigabe || !halt)
        return;
    m_acceptBoxes = true;
    const auto acceptBoxes = qScopeGuard([this] { m_acceptBoxes = false; });
    const int livingSpace = m_session.host()->livingSpace();
    const auto step = [&](const QString &what) {
        if (what == QLatin1String("buttons")) {
            for (QAbstractButton *other : page->findChildren<QAbstractButton *>()) {
                if (other == switchOn || other == freigabe || other == halt || !other->isVisibleTo(page) || !other->isEnabled())
                    continue;
                const QString key = PageProbe::key(other, page);
                if (other->isCheckable()) {
                    other->click();
                    journal.record(QStringLiteral("panel: click ") + key, page);
                    continue;
                }
                QTest::mousePress(other, Qt::LeftButton);
                journal.record(QStringLiteral("panel: hold ") + key, page);
                QTest::mouseRelease(other, Qt::LeftButton);
                journal.record(QStringLiteral("panel: let go of ") + key, page);
            }
            return;
        }
        if (what == QLatin1String("on") || what == QLatin1String("off")) {
            const HostBehaviours::UserSwitchesPanelOn switching;
            switchOn->click();
        } else if (what == QLatin1String("freigabe") || what == QLatin1String("halt")) {
            (what == QLatin1String("halt") ? halt : freigabe)->click();
        } else if (what == QLatin1String("hide") || what == QLatin1String("show")) {
            page->setVisible(what == QLatin1String("show"));
        } else if (what == QLatin1String("offline") || what == QLatin1String("online")) {
            m_session.host()->setOnline(what == QLatin1String("online"));
        } else {
            m_session.store()->setValue(what.section(QLatin1Char('='), 0, 0), livingSpace, 0, what.section(QLatin1Char('='), 1));
        }
        journal.record(QStringLiteral("panel: ") + what, page);
    };
    for (const QString &what : QString::fromLatin1(panelCourse).split(QLatin1Char(' ')))
        step(what);
    // Every parameter the panel reads once more, while it holds the axis and is enabled; where a
    // value took the axis away, the panel is switched on and enabled again before the next one.
    sweepParameters(journal, page, [&] {
        if (!switchOn->isChecked() && switchOn->isEnabled())
            step(QStringLiteral("on"));
        if (switchOn->isChecked() && !freigabe->isChecked() && freigabe->isEnabled())
            step(QStringLiteral("freigabe"));
    });
    if (switchOn->isChecked())
        step(QStringLiteral("off"));
}

void TestPageJournal::journal()
{
    QFETCH(QString, identifier);
    QVERIFY(reset({.behaviour = HostBehaviour::MarksFlags}));
    const quint64 seed = journalSeed ^ identifierHash(identifier);
    PageJournal journal(&m_session);
    RandomInput input(&m_session, seed);
    answerBoxesWith([this, &journal, &input](QWidget *box) {
        journal.noteBox(box);
        auto *message = qobject_cast<QMessageBox *>(box);
        if (m_acceptBoxes && message && message->button(QMessageBox::Ok))
            message->button(QMessageBox::Ok)->click();
        else
            input.answerModal(box);
    });

    QPointer<WizardPage> page = showPage(identifier);
    QVERIFY(page);
    const auto deletePage = qScopeGuard([&page] {
        delete page.data();
        flushDeletes();
    });
    journal.record(QStringLiteral("open"), page);
    for (const PageProbe::Action &action : PageProbe::actions(page)) {
        const bool done = PageProbe::perform(page, action);
        journal.record(QStringLiteral("use ") + action.describe() + (done ? QString() : QStringLiteral(" (not reachable)")), page);
    }
    useFields(journal, page);
    followLinks(journal, page);
    sweepParameters(journal, page);
    const int livingSpace = m_session.host()->livingSpace();
    // The page opens on drives that each lack one parameter it read; each comes back with its values.
    ParameterStore *store = m_session.store();
    const auto reopen = [&] { delete page.data(); flushDeletes(); page = showPage(identifier); return !page.isNull(); };
    for (const QString &coordinate : m_session.variantHost()->coordinatesRead()) {
        if (!store->contains(coordinate))
            continue;
        const ParameterDefinitionData saved = *store->definition(coordinate);
        QStringList values;
        for (unsigned short element = 0; element < saved.elementCount; ++element)
            values << store->value(coordinate, livingSpace, element);
        store->remove(coordinate);
        QVERIFY(reopen());
        journal.record(QStringLiteral("open on a drive without ") + coordinate, page);
        QVERIFY(store->define(saved));
        for (unsigned short element = 0; element < saved.elementCount; ++element)
            store->setValue(coordinate, livingSpace, element, values.at(element));
        store->clearWrittenValues();
    }
    // A page opened on a drive that differs from the default shows that drive at once.
    for (const QString &coordinate : m_session.variantHost()->coordinatesRead()) {
        if (const ParameterDefinitionData *definition = store->definition(coordinate)) {
            const QStringList values = tellingValues(*definition);
            store->setValue(coordinate, livingSpace, 0, values.value(1, values.constFirst()));
        }
    }
    QVERIFY(reopen());
    journal.record(QStringLiteral("open again on a drive where each parameter the page read has another value"), page);
    sweepParameters(journal, page);
    drivePanel(journal, page);
    switchHost(journal, page);
    for (int action = 1; action <= randomActions; ++action) {
        const QString done = input.step(page);
        QVERIFY2(page, qPrintable(done));
        journal.record(done, page);
    }
    m_warnings->take(); // the other every-page tests judge the warnings

    const QString path = QStringLiteral(BREVANE_JOURNAL_DIR "/%1.txt").arg(identifier);
    if (qEnvironmentVariableIntValue("BREVANE_JOURNAL_WRITE") == 1) {
        QDir().mkpath(QStringLiteral(BREVANE_JOURNAL_DIR));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
        file.write(journal.lines().join(QLatin1Char('\n')).toUtf8() + '\n');
        return;
    }
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(QStringLiteral("%1 has no journal (%2); BREVANE_JOURNAL_WRITE=1 writes it")
                                                            .arg(identifier, file.errorString())));
    const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString difference = PageJournal::compare(expected, journal.lines());
    QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("%1 behaves otherwise than its journal says at %2\n"
                                                              "(if that is meant, BREVANE_JOURNAL_WRITE=1 writes the journal anew)")
                                                  .arg(identifier, difference)));
}

QTEST_MAIN(TestPageJournal)
#include "tst_pagejournal.moc"
