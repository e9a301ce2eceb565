// Rules that hold for every page the plug-in creates, because users and hosts do these things
// to any page: switch the language while it is shown, read buttons side by side,
// turn the project read-only under it, turn the wheel over it, delete it from inside one of its
// boxes, and give it a drive of 16380 motion blocks.
//
// Some rules also run under other host behaviours (HostVariants.h), where a behaviour can
// change what the rule checks: a page shows the same under every behaviour that only changes
// how the drive reaches it (sameUnderHost); value changes from inside the host's calls or
// delivered twice must not write while read-only (readOnlyWhileShown) nor touch a page deleted
// from its box (deletedFromItsBoxes). Texts, layout and the wheel do not depend on the host's
// behaviour and run against the stand-in only.

#include "PageHarness.h"
#include "PageInput.h"
#include "PageProbe.h"
#include "WizardPage.h"
#include "WorkbenchHost.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

#define VERIFY_NONE(faults) QVERIFY2((faults).isEmpty(), qPrintable((faults).join(QLatin1Char('\n'))))

namespace {

QByteArray languageName(int language)
{
    return language == Text::German ? "de" : language == Text::English ? "en" : "fr";
}

QByteArray deviceName(eDeviceType device)
{
    return PageVariant{device}.name().section(QLatin1Char('-'), 0, 0).toLatin1();
}

// What a control shows of its state: check and radio buttons on or off, choice and spin boxes their text.
QString state(const QWidget *widget)
{
    if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget))
        return static_cast<const QAbstractButton *>(widget)->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
        return spin->text();
    return QString();
}

QStringList states(const QWidget *page)
{
    QStringList states;
    for (const QWidget *widget : page->findChildren<QWidget *>()) {
        if (const QString shown = state(widget); !shown.isEmpty() && widget->isVisibleTo(page))
            states << PageProbe::key(widget, page) + QLatin1Char(' ') + shown;
    }
    return states;
}

// Every text a user reads and every widget shown.
QStringList textsAndWidgets(const QWidget *page)
{
    QStringList seen = PageProbe::visibleTexts(page);
    for (const QWidget *widget : page->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(page))
            seen << QLatin1String("shown ") + PageProbe::key(widget, page);
    }
    return seen;
}

// Whether a user can see both widgets at once: not when they lie on different pages of one
// stacked widget.
bool seenTogether(const QWidget *first, const QWidget *second, const QWidget *page)
{
    for (const QWidget *a = first; a && a != page; a = a->parentWidget()) {
        const auto *stack = qobject_cast<const QStackedWidget *>(a->parentWidget());
        for (const QWidget *b = second; stack && b && b != page; b = b->parentWidget()) {
            if (b->parentWidget() == stack && b != a)
                return false;
        }
    }
    return true;
}

// A tool button that shows only its icon or arrow keeps its text ("..." from Designer) to itself.
bool showsText(const QAbstractButton *button)
{
    const auto *tool = qobject_cast<const QToolButton *>(button);
    return !tool || tool->toolButtonStyle() != Qt::ToolButtonIconOnly
        || (tool->icon().isNull() && tool->arrowType() == Qt::NoArrow);
}

// Every per-block array of the default drive grows to the number of blocks; 0 keeps the drive.
bool growBlocks(ParameterStore *store, int blocks)
{
    const int count = store->definition(QStringLiteral("J10"))->elementCount;
    for (const QString &coordinate : store->coordinates()) {
        ParameterDefinitionData definition = *store->definition(coordinate);
        if (blocks == 0 || definition.elementCount != count || !coordinate.startsWith(QLatin1Char('J')))
            continue;
        definition.elementCount = static_cast<unsigned short>(blocks);
        if (!store->define(definition))
            return false;
    }
    return true;
}

QStringList difference(const QStringList &before, const QStringList &after)
{
    QStringList changed;
    for (const QString &text : after) {
        if (!before.contains(text))
            changed << QLatin1String("now ") + text;
    }
    for (const QString &text : before) {
        if (!after.contains(text))
            changed << QLatin1String("was ") + text;
    }
    return changed;
}

// Every box answered as a user who goes ahead would: the first of the buttons that it has, else dismissed.
std::function<void(QWidget *)> goAhead(const QList<QMessageBox::StandardButton> &buttons)
{
    return [buttons](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        for (const QMessageBox::StandardButton button : buttons) {
            if (QAbstractButton *accept = box ? box->button(button) : nullptr)
                return accept->click();
        }
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    };
}

// A row per page and setting: two numbers the test reads as it needs (languages, devices),
// and the number of motion blocks of the drive (0: the drive's own).
struct Setting
{
    QByteArray name;
    int first = 0;
    int second = 0;
    int blocks = 0;
};
const QList<Setting> withLargeDrive = {{""}, {", 16380 blocks", 0, 0, 16380}};

} // namespace

class TestPageRules : public PageSuite
{
    Q_OBJECT
private slots:
    void retranslation_data()
    {
        rows({{" de->en", Text::German, Text::English}, {" en->fr", Text::English, Text::French},
              {" fr->de", Text::French, Text::German}});
    }
    void retranslation();
    void distinctButtons_data() { rows({{" de", Text::German}, {" en", Text::English}, {" fr", Text::French}}); }
    void distinctButtons();
    void noGermanWords_data() { rows({{" en", Text::English}, {" fr", Text::French}}); }
    void noGermanWords();
    void readOnlyWhileShown_data()
    {
        rows(withLargeDrive);
        rows({{""}}, {HostBehaviour::ReportsInCalls, HostBehaviour::DeliversTwice}, false);
    }
    void readOnlyWhileShown();
    void wheelWithoutFocus_data() { rows({{""}}); }
    void wheelWithoutFocus();
    void deletedFromItsBoxes_data()
    {
        rows(withLargeDrive);
        rows({{""}}, {HostBehaviour::ReportsInCalls}, false);
    }
    void deletedFromItsBoxes();
    void captionsFit_data();
    void captionsFit();
    void sameUnderHost_data();
    void sameUnderHost();
    void keyboardReach_data() { rows({{""}}); }
    void keyboardReach();

private:
    // Adds the columns unless addColumns is false (a second table of rows for the same test).
    void rows(const QList<Setting> &settings, const QList<HostBehaviour> &behaviours = {HostBehaviour::StandIn},
              bool addColumns = true);
    bool prepare(int device, int language, int blocks, HostBehaviour behaviour = HostBehaviour::StandIn);
    // The page, shown on a fresh drive and host with the device, language and motion blocks given.
    std::unique_ptr<WizardPage> open(const QString &identifier, int device = eDeviceTypeKM2,
                                     int language = Text::German, int blocks = 0,
                                     HostBehaviour behaviour = HostBehaviour::StandIn);
};

void TestPageRules::rows(const QList<Setting> &settings, const QList<HostBehaviour> &behaviours, bool addColumns)
{
    if (addColumns) {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<HostBehaviour>("behaviour");
    }
    for (HostBehaviour behaviour : behaviours) {
        const QByteArray suffix = behaviour == HostBehaviour::StandIn ? QByteArray() : " " + HostBehaviours::name(behaviour);
        for (const QString &identifier : pagesFor(behaviour)) {
            for (const Setting &setting : settings)
                QTest::newRow((identifier.toLatin1() + setting.name + suffix).constData())
                    << identifier << setting.first << setting.second << setting.blocks << behaviour;
        }
    }
}

bool TestPageRules::prepare(int device, int language, int blocks, HostBehaviour behaviour)
{
    PageVariant variant;
    variant.device = eDeviceType(device);
    variant.behaviour = behaviour;
    if (!reset(variant) || !growBlocks(m_session.store(), blocks))
        return false;
    m_session.setLanguage(language);
    return true;
}

std::unique_ptr<WizardPage> TestPageRules::open(const QString &identifier, int device, int language, int blocks,
                                                HostBehaviour behaviour)
{
    return std::unique_ptr<WizardPage>(prepare(device, language, blocks, behaviour) ? showPage(identifier) : nullptr);
}

// A page that lived through a language switch shows exactly what the same page shows when it
// is created in the new language.
void TestPageRules::retranslation()
{
    QFETCH(QString, identifier);
    QFETCH(int, first);
    QFETCH(int, second);
    const auto lived = open(identifier, eDeviceTypeKM2, first);
    QVERIFY(lived);
    m_session.setLanguage(second);
    QCoreApplication::processEvents();
    const std::unique_ptr<WizardPage> fresh(showPage(identifier));
    QVERIFY(fresh);
    QCoreApplication::processEvents();
    const QStringList changed = difference(PageProbe::visibleTexts(fresh.get()), PageProbe::visibleTexts(lived.get()));
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("after the switch, against a fresh page:\n  ")
                                           + changed.join(QStringLiteral("\n  "))));
}

// No two buttons a user can see together carry the same text, also buttons that only show
// while a panel is active.
void TestPageRules::distinctButtons()
{
    QFETCH(QString, identifier);
    QFETCH(int, first);
    const auto page = open(identifier, eDeviceTypeKM2, first);
    QVERIFY(page);
    QList<QAbstractButton *> buttons = page->findChildren<QAbstractButton *>();
    buttons.removeIf([](const QAbstractButton *button) { return button->text().trimmed().isEmpty() || !showsText(button); });
    QStringList clashes;
    for (int i = 0; i < buttons.size(); ++i) {
        for (int j = i + 1; j < buttons.size(); ++j) {
            const QAbstractButton *a = buttons.at(i);
            const QAbstractButton *b = buttons.at(j);
            if (a->text() == b->text() && seenTogether(a, b, page.get()))
                clashes << QStringLiteral("\"%1\": %2, %3").arg(a->text(), PageProbe::key(a, page.get()),
                                                                 PageProbe::key(b, page.get()));
        }
    }
    VERIFY_NONE(clashes);
}

// In English and French a page shows none of the words it shows in German, in its own texts, in
// the drive's parameter names or in selection texts; the values a user stores (edit boxes) stay
// as stored. Words written the same in these languages are listed.
void TestPageRules::noGermanWords()
{
    QFETCH(QString, identifier);
    QFETCH(int, first);
    // Loanwords and words German shares with English or French; acronyms and names in capitals
    // (DI, STO, CiA, EtherCAT) are left out by their spelling.
    static const QStringList shared = QStringLiteral(
        "adresse based bit byte continue drive execute externe filter handshake hardware high homing index info "
        "init integrator interrupt low master mode modulo motion motor ms name nr offset ok operation override "
        "parameter phasing position preset probe profil rampe reset signal software start status step stop touch "
        "trigger version").split(QLatin1Char(' '));
    const auto words = [this](const WizardPage *page) {
        // Texts the user stored (block names) show as stored, in whichever language they were written.
        QStringList stored;
        const ParameterStore *store = m_session.store();
        for (const QString &coordinate : store->coordinates()) {
            const ParameterDefinitionData *definition = store->definition(coordinate);
            for (unsigned short element = 0; definition->dataType == ParameterDataType::String
                                             && element < definition->elementCount; ++element)
                stored << store->value(coordinate, m_session.host()->livingSpace(), element);
        }
        stored.removeAll(QString());
        static const QRegularExpression markup(QStringLiteral("<[^>]*>|&[a-z]+;"));
        static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
        QSet<QString> found;
        const auto add = [&found, &stored](QString text) {
            text.remove(markup);
            for (const QString &value : std::as_const(stored))
                text.remove(value);
            for (const QRegularExpressionMatch &match : word.globalMatch(text)) {
                const QString shown = match.captured();
                if (std::count_if(shown.cbegin(), shown.cend(), [](QChar c) { return c.isUpper(); }) < 2)
                    found.insert(shown.toLower());
            }
        };
        for (const QString &text : PageProbe::visibleTexts(page, PageProbe::Texts::Worded))
            add(text.section(QLatin1String(": "), 1));
        return found;
    };
    const auto german = open(identifier, eDeviceTypeKM2, Text::German);
    QVERIFY(german);
    const QSet<QString> germanWords = words(german.get());
    const auto page = open(identifier, eDeviceTypeKM2, first);
    QVERIFY(page);
    static const QRegularExpression umlaut(QStringLiteral("[äöüß]"));
    QStringList found;
    for (const QString &shown : words(page.get())) {
        if ((germanWords.contains(shown) && !shared.contains(shown)) || shown.contains(umlaut))
            found << shown;
    }
    found.sort();
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char(' '))));
}

// The project turns read-only while the page is shown. Whatever a user then clicks or
// chooses writes no parameter, and the control used shows what it showed before, as the
// drive still holds it. The control-panel word the host writes for a panel is the host's.
// Meanwhile, also with the largest number of motion blocks, nothing is read beyond an array.
void TestPageRules::readOnlyWhileShown()
{
    QFETCH(QString, identifier);
    QFETCH(int, blocks);
    QFETCH(HostBehaviour, behaviour);
    const auto page = open(identifier, eDeviceTypeKM2, Text::German, blocks, behaviour);
    QVERIFY(page);
    WorkbenchHost *host = m_session.host();
    ParameterStore *store = m_session.store();
    host->setReadOnly(true);
    QCoreApplication::processEvents();
    // Boxes are accepted, so that whatever would write after one does.
    answerBoxesWith(goAhead({QMessageBox::Yes, QMessageBox::Ok}));
    QStringList panelWords;
    // Gone before the list: the page hands the axis back when it is deleted after both.
    const QObject listening;
    connect(host, &WorkbenchHost::controlPanelChanged, &listening, [host, &panelWords] {
        if (!host->controlPanelCoordinate().isEmpty())
            panelWords << host->controlPanelCoordinate() + QLatin1Char('.');
    });
    store->setRecordingWrites(true);
    const QPointer<WizardPage> guard(page.get());
    QStringList faults;
    const auto use = [&](const QString &what, QWidget *widget, auto act) {
        const QPointer<QWidget> used(widget);
        const QString before = widget ? state(widget) : QString();
        if (!act() || !guard)
            return;
        QStringList written = writtenTexts(*store);
        written.removeIf([&panelWords](const QString &write) {
            return std::any_of(panelWords.cbegin(), panelWords.cend(), [&write](const QString &word) { return write.startsWith(word); });
        });
        if (!written.isEmpty())
            faults << what + QLatin1String(" wrote ") + written.join(QLatin1Char(' '));
        if (const QString after = used ? state(used) : before; after != before)
            faults << QStringLiteral("%1 shows \"%2\", was \"%3\"").arg(what, after, before);
        store->clearWrittenValues();
    };
    for (const PageProbe::Action &action : PageProbe::actions(page.get())) {
        if (guard)
            use(action.describe(), PageProbe::find(page.get(), action.key), [&] { return PageProbe::perform(page.get(), action); });
    }
    for (QComboBox *combo : PageProbe::reachable<QComboBox>(page.get())) {
        for (int index = 0; guard && index < combo->count(); ++index) {
            use(QStringLiteral("%1 choice %2").arg(PageProbe::key(combo, page.get())).arg(index), combo, [&] {
                combo->setCurrentIndex(index);
                emit combo->activated(index);
                return true;
            });
        }
    }
    QVERIFY2(guard, "the page was deleted");
    VERIFY_NONE(faults);
    QVERIFY2(store->elementOverruns().isEmpty(), qPrintable(store->elementOverruns().join(QLatin1Char(' '))));
}

// A wheel notch over a choice or spin box the user has not focused scrolls the page and
// changes nothing.
void TestPageRules::wheelWithoutFocus()
{
    QFETCH(QString, identifier);
    const auto page = open(identifier);
    QVERIFY(page);
    ParameterStore *store = m_session.store();
    store->setRecordingWrites(true);
    QStringList faults;
    for (QWidget *box : PageProbe::reachable<QWidget>(page.get())) {
        if (!qobject_cast<QComboBox *>(box) && !qobject_cast<QAbstractSpinBox *>(box))
            continue;
        box->clearFocus();
        const QStringList before = states(page.get());
        const QPointF centre = QRectF(box->rect()).center();
        for (int notch : {120, -120, -120}) {
            QWheelEvent wheel(centre, box->mapToGlobal(centre), QPoint(), QPoint(0, notch), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
            if (wheel.isAccepted()) // taken by the box, so the page under it does not scroll
                faults << PageProbe::key(box, page.get()) + QLatin1String(" kept the wheel");
        }
        const QStringList changed = writtenTexts(*store) + difference(before, states(page.get()));
        if (!changed.isEmpty())
            faults << PageProbe::key(box, page.get()) + QLatin1String(": ") + changed.join(QLatin1Char(' '));
        store->clearWrittenValues();
    }
    VERIFY_NONE(faults);
}

// Every jump leads to a hidden or missing page, so every link and button that can open a box
// opens one; the host deletes the page from inside each box. Nothing of the page may be touched
// after that (the sanitizer build sees it), and no box outlives it.
void TestPageRules::deletedFromItsBoxes()
{
    QFETCH(QString, identifier);
    QFETCH(int, blocks);
    QFETCH(HostBehaviour, behaviour);
    QVERIFY(prepare(eDeviceTypeKM2, Text::German, blocks, behaviour));
    for (const QString &other : m_session.identifiers()) {
        if (other != identifier)
            m_session.host()->hidePage(other);
    }
    std::unique_ptr<WizardPage> page(showPage(identifier));
    QVERIFY(page);
    const QList<PageProbe::Action> actions = PageProbe::actions(page.get());
    for (const PageProbe::Action &action : actions) {
        if (!page)
            page.reset(showPage(identifier));
        QVERIFY(page);
        m_watcher.actOnNext([this, &page] {
            m_session.variantHost()->boxOpened(QApplication::activeModalWidget());
            page.reset();
        });
        PageProbe::perform(page.get(), action);
        QCoreApplication::processEvents();
        if (m_watcher.pendingAnswers() > 0) {
            // Nothing opened a box; the deletion waits for the next action.
            m_watcher.clearPending();
            continue;
        }
        QVERIFY2(m_watcher.unexpectedCount() == 0,
                 qPrintable(QStringLiteral("a box outlived the page after ") + action.describe()));
        flushDeletes();
    }
}

void TestPageRules::captionsFit_data()
{
    if (qEnvironmentVariableIsSet("BREVANE_LAYOUT_RULES_ELSEWHERE"))
        QSKIP("layout only: the plain build checks it at every display scale");
    QList<Setting> settings;
    const QList<eDeviceType> devices = PageVariants::deviceTypes();
    for (eDeviceType device : devices.mid(0, devices.size() - 1)) { // not the unknown one
        for (int language : {Text::German, Text::English, Text::French})
            settings.append({" " + deviceName(device) + " " + languageName(language), device, language});
    }
    rows(settings);
}

// The captions over a diagram lie inside it, clear of each other, each with room for its whole
// text: the captions a diagram holds (shown or on another page of a stacked widget), and the
// shown captions a form lays over a shown diagram as its siblings.
void TestPageRules::captionsFit()
{
    QFETCH(QString, identifier);
    QFETCH(int, first);
    QFETCH(int, second);
    const auto page = open(identifier, first, second);
    QVERIFY(page);
    QCoreApplication::processEvents();  // the layouts of the texts the page set
    const auto onPage = [&page](const QWidget *widget) { return QRect(widget->mapTo(page.get(), QPoint()), widget->size()); };
    const auto describe = [&](const QWidget *widget) {
        const QRect r = onPage(widget);
        return QStringLiteral("%1 (%2,%3 %4x%5)").arg(PageProbe::key(widget, page.get())).arg(r.x()).arg(r.y())
            .arg(r.width()).arg(r.height());
    };
    const auto isArea = [](const QWidget *widget) { return widget->inherits("ActionWidget"); };
    QStringList faults;
    QList<const QWidget *> texts;
    const auto check = [&texts](const QWidget *widget) {
        if (!texts.contains(widget))
            texts << widget;
    };
    for (QWidget *diagram : page->findChildren<QWidget *>()) {
        if (!diagram->inherits("SvgWidget"))
            continue;
        QList<QLabel *> captions = diagram->findChildren<QLabel *>();
        QList<QWidget *> overlays;
        for (QWidget *child : diagram->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QLabel *>(child) || isArea(child))
                overlays << child;
        }
        if (diagram->isVisibleTo(page.get()) && diagram->parentWidget()) {
            for (QWidget *sibling : diagram->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                auto *label = qobject_cast<QLabel *>(sibling);
                if (label && label->isVisibleTo(page.get()) && !label->text().isEmpty()
                    && onPage(label).intersects(onPage(diagram))) {
                    overlays << label;
                    captions << label;
                }
            }
        }
        for (int i = 0; i < overlays.size(); ++i) {
            const QWidget *overlay = overlays.at(i);
            if (!onPage(diagram).contains(onPage(overlay)))
                faults << describe(overlay) + QLatin1String(" lies outside ") + describe(diagram);
            // A caption may lie over a clickable area (its name); two captions or two areas may not overlap.
            for (const QWidget *other : overlays.mid(i + 1)) {
                if (isArea(overlay) == isArea(other) && onPage(overlay).intersects(onPage(other)))
                    faults << describe(overlay) + QLatin1String(" overlaps ") + describe(other);
            }
        }
        for (const QLabel *label : std::as_const(captions))
            check(label);
    }
    // Beyond the diagrams: every text a user sees, links and buttons among them.
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        if ((qobject_cast<QLabel *>(widget) || (button && showsText(button))) && widget->isVisibleTo(page.get()))
            check(widget);
    }
    for (const QWidget *widget : std::as_const(texts)) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        const QString text = label ? label->text() : static_cast<const QAbstractButton *>(widget)->text();
        if (text.isEmpty() || (label && (!label->pixmap().isNull() || label->movie())))
            continue;
        const QWidget *area = widget->parentWidget();
        const QSize room = label && area && isArea(area) && area->layout()
            ? area->size().shrunkBy(area->layout()->contentsMargins()) : widget->size();
        const QSize needed = label && label->wordWrap() ? QSize(room.width(), label->heightForWidth(room.width()))
                                                        : widget->sizeHint();
        if (needed.width() > room.width() || needed.height() > room.height())
            faults << QStringLiteral("%1 needs %2x%3 for \"%4\", has %5x%6").arg(describe(widget)).arg(needed.width())
                          .arg(needed.height()).arg(text).arg(room.width()).arg(room.height());
        if (!widget->isVisibleTo(page.get()))
            continue;
        // Cut by a parent that is smaller; a scroll area's viewport only hides what scrolling shows.
        QRect seen = onPage(widget);
        for (const QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
            if (qobject_cast<const QAbstractScrollArea *>(parent->parentWidget()))
                break;
            seen &= onPage(parent);
            if (parent == page.get())
                break;
        }
        if (seen != onPage(widget))
            faults << describe(widget) + QStringLiteral(" is cut to %1x%2").arg(seen.width()).arg(seen.height());
    }
    VERIFY_NONE(faults);
}

void TestPageRules::sameUnderHost_data()
{
    QList<HostBehaviour> behaviours = HostBehaviours::all();
    // A refused start or a deleted page changes what a user sees, on purpose; the others only
    // change how the same drive reaches the page.
    behaviours.removeIf([](HostBehaviour behaviour) {
        return behaviour == HostBehaviour::StandIn || behaviour == HostBehaviour::RefusesStart
            || behaviour == HostBehaviour::RefusesAtRandom || behaviour == HostBehaviour::DeletesPage;
    });
    rows({{""}}, behaviours);
}

// A host that reports value changes from inside its calls or twice, answers 0 elements for a
// plain parameter or hands out another living space serves the same drive: the page shows what
// it shows against the stand-in.
void TestPageRules::sameUnderHost()
{
    QFETCH(QString, identifier);
    QFETCH(HostBehaviour, behaviour);
    // A parameter label that shows the living space shows the one the host hands out.
    const QRegularExpression variantSpace(QStringLiteral(": %1:(?=[A-Z]\\d)").arg(int(HostBehaviours::otherLivingSpace)));
    const QString standInSpace = QStringLiteral(": %1:").arg(int(m_session.host()->livingSpace()));
    const auto seen = [&](const QWidget *page) {
        return (textsAndWidgets(page) + states(page)).replaceInStrings(variantSpace, standInSpace);
    };
    QStringList standIn;
    {
        const auto page = open(identifier);
        QVERIFY(page);
        QCoreApplication::processEvents();
        standIn = seen(page.get());
    }
    flushDeletes();
    const auto page = open(identifier, eDeviceTypeKM2, Text::German, 0, behaviour);
    QVERIFY(page);
    QCoreApplication::processEvents();
    const QStringList changed = difference(standIn, seen(page.get()));
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("against the stand-in:\n  ") + changed.join(QStringLiteral("\n  "))));
}

// Every control a mouse can use is reached by Tab, round the page once from its first one. On
// a clickable area, LED or link label the keyboard's focus shows a mark of at least 2 px in the
// highlight colour, and Space and Return act as a click (a label with several links follows
// the one Tab chose), without any mouse event.
void TestPageRules::keyboardReach()
{
    QFETCH(QString, identifier);
    const auto page = open(identifier);
    QVERIFY(page);
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
    QWidget *const first = QApplication::focusWidget();
    QSet<const QWidget *> reached;
    for (QWidget *at = first, *before = nullptr; at && reached.size() < 3000; before = at, at = QApplication::focusWidget()) {
        if (at == first && before && before != first)
            break;
        reached.insert(at);
        QTest::keyClick(at, Qt::Key_Tab);
    }
    const auto linkLabel = [](const QWidget *widget) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        return label && (label->textInteractionFlags() & Qt::LinksAccessibleByMouse) && !PageProbe::linksOf(label).isEmpty();
    };
    const auto mouseUsable = [&](const QWidget *widget) {
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            return !edit->isReadOnly() && !qobject_cast<const QComboBox *>(widget->parentWidget())
                && !qobject_cast<const QAbstractSpinBox *>(widget->parentWidget());
        return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget)
            || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QAbstractItemView *>(widget)
            || linkLabel(widget) || PageProbe::clickIsHeard(widget);
    };
    // Tab stops once in a group of exclusive buttons, at the checked one; the arrows move within it.
    const auto groupReached = [&](const QWidget *widget) {
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        const auto siblings = button && button->autoExclusive() ? widget->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)
                                                                : QList<QAbstractButton *>();
        return std::any_of(siblings.cbegin(), siblings.cend(), [&](const QAbstractButton *sibling) {
            return sibling->autoExclusive() && reached.contains(sibling);
        });
    };
    QStringList faults;
    QList<QWidget *> pressable;
    for (QWidget *widget : PageProbe::reachable<QWidget>(page.get())) {
        if (!mouseUsable(widget) || qobject_cast<QHeaderView *>(widget))
            continue;
        if (!reached.contains(widget) && !groupReached(widget))
            faults << PageProbe::key(widget, page.get()) + QLatin1String(" is not reached by Tab");
        else if (!qobject_cast<QAbstractButton *>(widget) && (linkLabel(widget) || PageProbe::clickIsHeard(widget)))
            pressable << widget;
    }
    const auto markShown = [&](QWidget *widget, const char *when) {
        const QImage seen = widget->grab().toImage();
        const QColor mark = widget->palette().color(QPalette::Highlight);
        for (const QPoint at : {QPoint(0, seen.height() / 2), QPoint(1, seen.height() / 2), QPoint(seen.width() / 2, 1)}) {
            if (seen.pixelColor(at) != mark)
                faults << QStringLiteral("%1 has no focus mark at %2,%3 %4").arg(PageProbe::key(widget, page.get())).arg(at.x())
                              .arg(at.y()).arg(QLatin1String(when));
        }
    };
    for (QWidget *widget : std::as_const(pressable)) {
        widget->clearFocus();
        widget->setFocus(Qt::TabFocusReason);
        markShown(widget, "on focus");
    }
    answerBoxesWith(goAhead({QMessageBox::Ok}));
    const QPointer<WizardPage> guard(page.get());
    for (const QPointer<QWidget> widget : std::as_const(pressable)) {
        // A click before may have changed the page.
        if (!guard || !widget || !widget->isVisibleTo(page.get()) || !widget->isEnabled())
            continue;
        const auto *label = qobject_cast<QLabel *>(widget.data());
        const QStringList links = label && !PageProbe::clickIsHeard(label) ? PageProbe::linksOf(label) : QStringList();
        QSignalSpy clicks(widget.data(), links.isEmpty() ? SIGNAL(clicked()) : SIGNAL(linkActivated(QString)));
        QStringList expected, heard;
        widget->clearFocus();
        widget->setFocus(Qt::TabFocusReason);
        for (int press = 0; press < qMax(2, int(links.size())) && widget; ++press) {
            if (links.size() > 1)
                QTest::keyClick(widget, Qt::Key_Tab);
            expected << links.value(press % qMax(1, int(links.size())), QStringLiteral("click"));
            if (widget)
                QTest::keyClick(widget, press % 2 ? Qt::Key_Return : Qt::Key_Space);
            // Pages defer what a click starts; the box it opens takes the keyboard until it is
            // answered, as it does for a person, so the next key waits for it.
            QTest::qWait(1);
        }
        for (const QList<QVariant> &click : std::as_const(clicks))
            heard << (links.isEmpty() ? QStringLiteral("click") : click.value(0).toString());
        // An LED that turned keeps its mark.
        if (widget && widget->hasFocus())
            markShown(widget, "after the keys");
        if (heard != expected)
            faults << QStringLiteral("%1: Space and Return gave \"%2\", a click \"%3\"")
                          .arg(PageProbe::key(widget, page.get()), heard.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
    }
    VERIFY_NONE(faults);
}

QTEST_MAIN(TestPageRules)
#include "tst_pagerules.moc"
