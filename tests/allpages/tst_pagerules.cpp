// Rules that hold for every page the plug-in creates, because users and hosts do these things
// to any page: switch the language while it is shown, read buttons side by side, turn the
// project read-only under it, turn the wheel over it, delete it from inside one of its boxes,
// and give it a drive of 16380 motion blocks.

#include "ClickableLabel.h"
#include "ModalWatcher.h"
#include "PageHarness.h"
#include "PageProbe.h"
#include "ParameterStore.h"
#include "WizardPage.h"
#include "WorkbenchHost.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

namespace {

const char *languageName(int language)
{
    switch (language) {
    case Text::German: return "de";
    case Text::English: return "en";
    default: return "fr";
    }
}

// The page of a stacked widget the widget lies on, for every stacked widget above it.
QList<QPair<const QStackedWidget *, int>> stackPages(const QWidget *widget, const QWidget *page)
{
    QList<QPair<const QStackedWidget *, int>> pages;
    for (const QWidget *at = widget; at && at != page; at = at->parentWidget()) {
        if (const auto *stack = qobject_cast<const QStackedWidget *>(at->parentWidget()))
            pages.append({stack, stack->indexOf(const_cast<QWidget *>(at))});
    }
    return pages;
}

// Whether a user can ever see both buttons at once: not when they lie on different pages of
// one stacked widget.
bool seenTogether(const QWidget *first, const QWidget *second, const QWidget *page)
{
    const auto firstPages = stackPages(first, page);
    const auto secondPages = stackPages(second, page);
    for (const auto &place : firstPages) {
        for (const auto &other : secondPages) {
            if (place.first == other.first && place.second != other.second)
                return false;
        }
    }
    return true;
}

// The state a user sees in the controls that show one: check boxes, radio buttons, choices.
QStringList shownStates(const QWidget *page)
{
    QStringList states;
    const auto widgets = page->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!widget->isVisibleTo(page))
            continue;
        if (const auto *box = qobject_cast<const QCheckBox *>(widget))
            states << PageProbe::key(widget, page) + (box->isChecked() ? QLatin1String(" on") : QLatin1String(" off"));
        else if (const auto *radio = qobject_cast<const QRadioButton *>(widget))
            states << PageProbe::key(widget, page) + (radio->isChecked() ? QLatin1String(" on") : QLatin1String(" off"));
        else if (const auto *combo = qobject_cast<const QComboBox *>(widget))
            states << PageProbe::key(widget, page) + QLatin1Char(' ') + combo->currentText();
        else if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
            states << PageProbe::key(widget, page) + QLatin1Char(' ') + spin->text();
    }
    return states;
}

// Every per-block array of the default drive grows to the number of blocks; 0 keeps the drive.
bool growBlocks(ParameterStore *store, int blocks)
{
    if (blocks == 0)
        return true;
    const int count = store->definition(QStringLiteral("J10"))->elementCount;
    for (const QString &coordinate : store->coordinates()) {
        ParameterDefinitionData definition = *store->definition(coordinate);
        if (definition.elementCount != count || !coordinate.startsWith(QLatin1Char('J')))
            continue;
        definition.elementCount = static_cast<unsigned short>(blocks);
        if (!store->define(definition))
            return false;
    }
    return true;
}

// A tool button that shows only its icon or arrow keeps its text ("..." from Designer) to itself.
bool showsText(const QAbstractButton *button)
{
    const auto *tool = qobject_cast<const QToolButton *>(button);
    if (!tool || tool->toolButtonStyle() != Qt::ToolButtonIconOnly)
        return true;
    return tool->icon().isNull() && tool->arrowType() == Qt::NoArrow;
}

QStringList writes(const ParameterStore *store)
{
    QStringList list;
    for (const ParameterStore::WrittenValue &written : store->writtenValues())
        list << QStringLiteral("%1.%2=%3").arg(written.coordinate).arg(written.element).arg(written.text);
    return list;
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

} // namespace

class TestPageRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void retranslation_data();
    void retranslation();
    void deviceSwitch_data();
    void deviceSwitch();
    void distinctButtons_data();
    void distinctButtons();
    void readOnlyWhileShown_data();
    void readOnlyWhileShown();
    void wheelWithoutFocus_data();
    void wheelWithoutFocus();
    void deletedFromItsBoxes_data();
    void deletedFromItsBoxes();
    void elementBounds_data();
    void elementBounds();
    void captionsFit_data();
    void captionsFit();
    void cleanup();
    void cleanupTestCase();

private:
    // One row per page; with the large drive also one with 16380 motion blocks.
    void pageRows(bool withLargeDrive = false);
    // A page of the default drive, created in the current language and shown as the host shows it.
    std::unique_ptr<WizardPage> open(const QString &identifier);

    PluginSession m_session;
    std::unique_ptr<WarningCollector> m_warnings;
    ModalWatcher m_watcher;
    QStringList m_identifiers;
};

void TestPageRules::initTestCase()
{
    m_warnings = std::make_unique<WarningCollector>();
    QString error;
    QVERIFY2(m_session.start(QStringLiteral(BREVANE_PLUGIN_PATH), &error), qPrintable(error));
    for (const QString &identifier : m_session.identifiers()) {
        if (WizardPage *probe = m_session.plugin().createPage(identifier)) {
            m_identifiers << identifier;
            delete probe;
        }
    }
    flushDeletes();
    QVERIFY(!m_identifiers.isEmpty());
}

void TestPageRules::cleanup()
{
    m_watcher.answerAllWith(nullptr);
    m_watcher.clearPending();
    m_watcher.clear();
    flushDeletes();
    const QStringList warnings = m_warnings->take();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

void TestPageRules::cleanupTestCase()
{
    m_session.shutdown();
    m_warnings.reset();
}

void TestPageRules::pageRows(bool withLargeDrive)
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("blocks");
    for (const QString &identifier : std::as_const(m_identifiers)) {
        QTest::newRow(qPrintable(identifier)) << identifier << 0;
        if (withLargeDrive)
            QTest::addRow("%s, 16380 blocks", qPrintable(identifier)) << identifier << 16380;
    }
}

std::unique_ptr<WizardPage> TestPageRules::open(const QString &identifier)
{
    std::unique_ptr<WizardPage> page(m_session.createPage(identifier));
    if (page) {
        page->resize(1000, 750);
        page->show();
    }
    return page;
}

void TestPageRules::retranslation_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const QList<QPair<int, int>> switches = {
        {Text::German, Text::English}, {Text::English, Text::French}, {Text::French, Text::German}};
    for (const QString &identifier : std::as_const(m_identifiers)) {
        for (const auto &change : switches) {
            QTest::addRow("%s %s->%s", qPrintable(identifier), languageName(change.first), languageName(change.second))
                << identifier << change.first << change.second;
        }
    }
}

// A page that lived through a language switch shows exactly what the same page shows when it
// is created in the new language.
void TestPageRules::retranslation()
{
    QFETCH(QString, identifier);
    QFETCH(int, from);
    QFETCH(int, to);
    QString error;
    QVERIFY2(m_session.reset(PageVariant(), &error), qPrintable(error));
    m_session.setLanguage(from);
    auto lived = open(identifier);
    QVERIFY(lived);
    m_session.setLanguage(to);
    QCoreApplication::processEvents();
    auto fresh = open(identifier);
    QVERIFY(fresh);
    const QStringList changed = difference(PageProbe::visibleTexts(fresh.get()), PageProbe::visibleTexts(lived.get()));
    m_session.setLanguage(Text::German);
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("after the switch, against a fresh page:\n  ")
                                           + changed.join(QStringLiteral("\n  "))));
}

void TestPageRules::deviceSwitch_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    // Fewer analog inputs, none, a model without a diagram of its own, and back.
    const QList<QPair<eDeviceType, eDeviceType>> switches = {{eDeviceTypeKM2, eDeviceTypeKQ2},
        {eDeviceTypeKQ2, eDeviceTypeKN2}, {eDeviceTypeKN2, eDeviceTypeKT2}, {eDeviceTypeKT2, eDeviceTypeKM2}};
    const auto name = [](eDeviceType device) { return PageVariant{device}.name().section('-', 0, 0); };
    for (const QString &identifier : std::as_const(m_identifiers)) {
        for (const auto &change : switches) {
            QTest::addRow("%s %s->%s", qPrintable(identifier), qPrintable(name(change.first)), qPrintable(name(change.second)))
                << identifier << int(change.first) << int(change.second);
        }
    }
}

// The host changes the device type and shows the page again; the page then shows the same
// widgets and texts as the same page created for the new device.
void TestPageRules::deviceSwitch()
{
    QFETCH(QString, identifier);
    QFETCH(int, from);
    QFETCH(int, to);
    PageVariant variant;
    variant.device = eDeviceType(from);
    QString error;
    QVERIFY2(m_session.reset(variant, &error), qPrintable(error));
    auto lived = open(identifier);
    QVERIFY(lived);
    m_session.host()->setDeviceType(eDeviceType(to));
    lived->hide();
    lived->show();
    QCoreApplication::processEvents();
    auto fresh = open(identifier);
    QVERIFY(fresh);
    QCoreApplication::processEvents();
    const auto seen = [](const QWidget *page) {
        QStringList seen = PageProbe::visibleTexts(page);
        for (const QWidget *widget : page->findChildren<QWidget *>()) {
            if (widget->isVisibleTo(page))
                seen << QLatin1String("shown ") + PageProbe::key(widget, page);
        }
        return seen;
    };
    const QStringList changed = difference(seen(fresh.get()), seen(lived.get()));
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("after the switch, against a fresh page:\n  ")
                                           + changed.join(QStringLiteral("\n  "))));
}

void TestPageRules::distinctButtons_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("language");
    for (const QString &identifier : std::as_const(m_identifiers)) {
        for (int language : {Text::German, Text::English, Text::French})
            QTest::addRow("%s %s", qPrintable(identifier), languageName(language)) << identifier << language;
    }
}

// No two buttons a user can see together carry the same text, also buttons that only show
// while a panel is active.
void TestPageRules::distinctButtons()
{
    QFETCH(QString, identifier);
    QFETCH(int, language);
    QString error;
    QVERIFY2(m_session.reset(PageVariant(), &error), qPrintable(error));
    m_session.setLanguage(language);
    auto page = open(identifier);
    QVERIFY(page);
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        if (!button->text().trimmed().isEmpty() && showsText(button))
            buttons << button;
    }
    QStringList clashes;
    for (int first = 0; first < buttons.size(); ++first) {
        for (int second = first + 1; second < buttons.size(); ++second) {
            const QAbstractButton *a = buttons.at(first);
            const QAbstractButton *b = buttons.at(second);
            if (a->text() == b->text() && seenTogether(a, b, page.get()))
                clashes << QStringLiteral("\"%1\": %2, %3").arg(a->text(), PageProbe::key(a, page.get()),
                                                                 PageProbe::key(b, page.get()));
        }
    }
    m_session.setLanguage(Text::German);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("\n"))));
}

void TestPageRules::readOnlyWhileShown_data()
{
    pageRows(true);
}

// The project turns read-only while the page is shown. Whatever a user then clicks or
// chooses writes no parameter, and the control used shows what it showed before, as the
// drive still holds it. The control-panel word the host writes for a panel is the host's.
void TestPageRules::readOnlyWhileShown()
{
    QFETCH(QString, identifier);
    QFETCH(int, blocks);
    QString error;
    QVERIFY2(m_session.reset(PageVariant(), &error), qPrintable(error));
    QVERIFY(growBlocks(m_session.store(), blocks));
    auto page = open(identifier);
    QVERIFY(page);
    m_session.host()->setReadOnly(true);
    QCoreApplication::processEvents();
    // Boxes are accepted, so that whatever would write after one does.
    m_watcher.answerAllWith([](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            for (auto button : {QMessageBox::Yes, QMessageBox::Ok}) {
                if (QAbstractButton *found = box->button(button)) {
                    found->click();
                    return;
                }
            }
        }
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    });
    WorkbenchHost *host = m_session.host();
    QStringList panelWords;
    // Gone before the list: the page hands the axis back when it is deleted after both.
    const QObject listening;
    connect(host, &WorkbenchHost::controlPanelChanged, &listening, [host, &panelWords] {
        if (!host->controlPanelCoordinate().isEmpty())
            panelWords << host->controlPanelCoordinate() + QLatin1Char('.');
    });
    ParameterStore *store = m_session.store();
    store->setRecordingWrites(true);
    QPointer<WizardPage> guard(page.get());
    QStringList faults;
    const auto check = [&](const QString &what, const QString &before, const QString &after) {
        QStringList written = writes(store);
        written.removeIf([&panelWords](const QString &write) {
            return std::any_of(panelWords.cbegin(), panelWords.cend(),
                               [&write](const QString &word) { return write.startsWith(word); });
        });
        if (!written.isEmpty())
            faults << what + QLatin1String(" wrote ") + written.join(QLatin1Char(' '));
        if (before != after)
            faults << QStringLiteral("%1 shows \"%2\", was \"%3\"").arg(what, after, before);
        store->clearWrittenValues();
    };
    const auto shown = [](const QWidget *widget) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget); button && button->isCheckable()
            && (qobject_cast<const QCheckBox *>(button) || qobject_cast<const QRadioButton *>(button)))
            return QString::number(int(button->isChecked()));
        return QString();
    };
    for (const PageProbe::Action &action : PageProbe::actions(page.get())) {
        if (!guard)
            break;
        QWidget *widget = PageProbe::find(page.get(), action.key);
        const QPointer<QWidget> used(widget);
        const QString before = widget ? shown(widget) : QString();
        if (PageProbe::perform(page.get(), action) && guard)
            check(action.describe(), before, used ? shown(used) : before);
    }
    for (QComboBox *combo : PageProbe::reachable<QComboBox>(page.get())) {
        const QString key = PageProbe::key(combo, page.get());
        for (int index = 0; guard && index < combo->count(); ++index) {
            const QString before = combo->currentText();
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            if (guard)
                check(QStringLiteral("%1 choice %2").arg(key).arg(index), before, combo->currentText());
        }
    }
    store->setRecordingWrites(false);
    QVERIFY2(guard, "the page was deleted");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestPageRules::wheelWithoutFocus_data()
{
    pageRows();
}

// A wheel notch over a choice or spin box the user has not focused scrolls the page and
// changes nothing.
void TestPageRules::wheelWithoutFocus()
{
    QFETCH(QString, identifier);
    QString error;
    QVERIFY2(m_session.reset(PageVariant(), &error), qPrintable(error));
    auto page = open(identifier);
    QVERIFY(page);
    ParameterStore *store = m_session.store();
    store->setRecordingWrites(true);
    QStringList faults;
    QList<QWidget *> boxes;
    for (QComboBox *box : PageProbe::reachable<QComboBox>(page.get()))
        boxes << box;
    for (QAbstractSpinBox *box : PageProbe::reachable<QAbstractSpinBox>(page.get()))
        boxes << box;
    for (QWidget *box : std::as_const(boxes)) {
        box->clearFocus();
        const QStringList before = shownStates(page.get());
        for (int notch : {120, -120, -120}) {
            const QPointF centre = QRectF(box->rect()).center();
            QWheelEvent wheel(centre, box->mapToGlobal(centre), QPoint(), QPoint(0, notch), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
        }
        const QStringList written = writes(store);
        const QStringList changed = difference(before, shownStates(page.get()));
        if (!written.isEmpty() || !changed.isEmpty())
            faults << PageProbe::key(box, page.get()) + QLatin1String(": ") + (written + changed).join(QLatin1Char(' '));
        store->clearWrittenValues();
    }
    store->setRecordingWrites(false);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestPageRules::deletedFromItsBoxes_data()
{
    pageRows(true);
}

// Every jump leads to a hidden or missing page, so every link and button that can open a box
// opens one; the host deletes the page from inside each box. Nothing of the page may be touched
// after that (the sanitizer build sees it), and no box outlives it.
void TestPageRules::deletedFromItsBoxes()
{
    QFETCH(QString, identifier);
    QFETCH(int, blocks);
    QString error;
    QVERIFY2(m_session.reset(PageVariant(), &error), qPrintable(error));
    QVERIFY(growBlocks(m_session.store(), blocks));
    for (const QString &other : m_session.identifiers()) {
        if (other != identifier)
            m_session.host()->hidePage(other);
    }
    auto page = open(identifier);
    QVERIFY(page);
    const QList<PageProbe::Action> actions = PageProbe::actions(page.get());
    int deleted = 0;
    QStringList silent; // clickable areas whose click led nowhere

    for (const PageProbe::Action &action : actions) {
        if (!page) {
            page = open(identifier);
            QVERIFY(page);
        }
        m_watcher.actOnNext([&page] { page.reset(); });
        QSignalSpy jumps(m_session.host(), &WorkbenchHost::currentPageChanged);
        PageProbe::perform(page.get(), action);
        QCoreApplication::processEvents();
        if (m_watcher.pendingAnswers() > 0) {
            // Nothing opened a box; the deletion waits for the next action.
            m_watcher.clearPending();
            const auto *label = qobject_cast<ClickableLabel *>(PageProbe::find(page.get(), action.key));
            if (action.link.isEmpty() && label && label->isVisibleTo(page.get()) && jumps.isEmpty())
                silent << action.key;
            continue;
        }
        ++deleted;
        QVERIFY2(m_watcher.unexpectedCount() == 0,
                 qPrintable(QStringLiteral("a box outlived the page after ") + action.describe()));
        flushDeletes();
    }
    qInfo("%s: %d boxes of %d actions", qPrintable(identifier), deleted, int(actions.size()));
    // Every target is hidden, so every clickable area of the diagram leads to a box.
    QVERIFY2(silent.isEmpty(), qPrintable(QStringLiteral("clicks that lead nowhere: ") + silent.join(QLatin1String(", "))));
}

void TestPageRules::elementBounds_data()
{
    pageRows(true);
}

// A page reads and writes no element beyond a parameter's element count, with the default
// drive and with the largest number of motion blocks.
void TestPageRules::elementBounds()
{
    QFETCH(QString, identifier);
    QFETCH(int, blocks);
    QString error;
    QVERIFY2(m_session.reset(PageVariant(), &error), qPrintable(error));
    ParameterStore *store = m_session.store();
    QVERIFY(growBlocks(store, blocks));
    store->clearElementOverruns();
    auto page = open(identifier);
    QVERIFY(page);
    for (int language : {Text::English, Text::French, Text::German})
        m_session.setLanguage(language);
    QCoreApplication::processEvents();
    page->hide();
    page->show();
    page.reset();
    flushDeletes();
    QVERIFY2(store->elementOverruns().isEmpty(), qPrintable(store->elementOverruns().join(QLatin1Char(' '))));
}

void TestPageRules::captionsFit_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("language");
    const QList<eDeviceType> devices = PageVariants::deviceTypes().mid(0, PageVariants::deviceTypes().size() - 1);
    for (const QString &identifier : std::as_const(m_identifiers)) {
        for (eDeviceType device : devices) {
            for (int language : {Text::German, Text::English, Text::French})
                QTest::addRow("%s %s %s", qPrintable(identifier), qPrintable(PageVariant{device}.name().section('-', 0, 0)),
                              languageName(language))
                    << identifier << int(device) << language;
        }
    }
}

// The captions over a diagram lie inside it, clear of each other, each with room for its whole
// text: the captions a diagram holds (shown or on another page of a stacked widget), and the
// shown captions a form lays over a shown diagram as its siblings.
void TestPageRules::captionsFit()
{
    QFETCH(QString, identifier);
    QFETCH(int, device);
    QFETCH(int, language);
    PageVariant variant;
    variant.device = eDeviceType(device);
    QString error;
    QVERIFY2(m_session.reset(variant, &error), qPrintable(error));
    m_session.setLanguage(language);
    auto page = open(identifier);
    QVERIFY(page);
    QStringList faults;
    const auto describe = [&page](const QWidget *widget) {
        const QRect r(widget->mapTo(page.get(), QPoint(0, 0)), widget->size());
        return QStringLiteral("%1 (%2,%3 %4x%5)").arg(PageProbe::key(widget, page.get())).arg(r.x()).arg(r.y())
            .arg(r.width()).arg(r.height());
    };
    const auto onPage = [&page](const QWidget *widget) { return QRect(widget->mapTo(page.get(), QPoint(0, 0)), widget->size()); };
    for (QWidget *diagram : page->findChildren<QWidget *>()) {
        if (!diagram->inherits("SvgWidget"))
            continue;
        QList<QWidget *> overlays;
        for (QWidget *child : diagram->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QLabel *>(child) || child->inherits("ActionWidget"))
                overlays << child;
        }
        if (diagram->isVisibleTo(page.get()) && diagram->parentWidget()) {
            for (QWidget *sibling : diagram->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (sibling != diagram && sibling->isVisibleTo(page.get()) && qobject_cast<QLabel *>(sibling)
                    && !qobject_cast<QLabel *>(sibling)->text().isEmpty() && onPage(sibling).intersects(onPage(diagram)))
                    overlays << sibling;
            }
        }
        for (int i = 0; i < overlays.size(); ++i) {
            const QWidget *overlay = overlays.at(i);
            if (!onPage(diagram).contains(onPage(overlay)))
                faults << describe(overlay) + QLatin1String(" lies outside ") + describe(diagram);
            // A caption may lie over a clickable area (its name); two captions or two areas may not overlap.
            for (int j = i + 1; j < overlays.size(); ++j) {
                const QWidget *other = overlays.at(j);
                if (overlay->inherits("ActionWidget") == other->inherits("ActionWidget")
                    && onPage(overlay).intersects(onPage(other)))
                    faults << describe(overlay) + QLatin1String(" overlaps ") + describe(other);
            }
        }
        QList<QLabel *> captions = diagram->findChildren<QLabel *>();
        for (QWidget *overlay : std::as_const(overlays)) {
            if (auto *label = qobject_cast<QLabel *>(overlay); label && !captions.contains(label))
                captions << label;
        }
        for (const QLabel *label : std::as_const(captions)) {
            if (label->text().isEmpty() || !label->pixmap().isNull() || label->movie())
                continue;
            const auto *area = label->parentWidget();
            const QSize room = area && area->inherits("ActionWidget") && area->layout()
                                   ? area->size().shrunkBy(area->layout()->contentsMargins())
                                   : label->size();
            const QSize needed = label->wordWrap() ? QSize(room.width(), label->heightForWidth(room.width()))
                                                   : label->sizeHint();
            if (needed.width() > room.width() || needed.height() > room.height())
                faults << QStringLiteral("%1 needs %2x%3 for \"%4\", has %5x%6")
                              .arg(describe(label)).arg(needed.width()).arg(needed.height()).arg(label->text())
                              .arg(room.width()).arg(room.height());
        }
    }
    m_session.setLanguage(Text::German);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestPageRules)
#include "tst_pagerules.moc"
