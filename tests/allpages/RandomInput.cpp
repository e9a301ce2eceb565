#include "RandomInput.h"

#include "PageHarness.h"
#include "PageProbe.h"
#include "WizardPage.h"
#include "HostVariants.h"
#include "WorkbenchHost.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace {

using PageProbe::reachable;

// Types the text as key presses; unlike QTest::keyClicks this takes any character.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

RandomInput::RandomInput(PluginSession *session, quint64 seed) : m_session(session), m_random(seed)
{
    m_allCoordinates = session->store()->coordinates();
    for (const QString &coordinate : std::as_const(m_allCoordinates)) {
        if (const ParameterDefinitionData *definition = session->store()->definition(coordinate))
            m_originals.insert(coordinate, *definition);
    }
}

QString RandomInput::step(WizardPage *page)
{
    // Weights: mostly writes and widget use, now and then a change of the host's state.
    using Action = QString (RandomInput::*)(WizardPage *);
    static const QList<QPair<Action, int>> weights = {
        {&RandomInput::writeValue, 18}, {&RandomInput::corruptValue, 4}, {&RandomInput::changeElementCount, 3},
        {&RandomInput::removeParameter, 2}, {&RandomInput::restoreParameter, 4}, {&RandomInput::click, 20},
        {&RandomInput::activateLink, 5}, {&RandomInput::chooseInCombo, 10}, {&RandomInput::typeIntoField, 12},
        {&RandomInput::useItemView, 4}, {&RandomInput::switchHostState, 7}, {&RandomInput::handOverMotionBlock, 2},
        {&RandomInput::changeTree, 2},
    };
    int total = 0;
    for (const auto &weight : weights)
        total += weight.second;
    auto chosen = weights.cbegin();
    for (int roll = below(total); roll >= chosen->second; ++chosen)
        roll -= chosen->second;
    // A host may delete the page from inside a call the page makes while it reacts to the drive
    // or to a click, not while Qt is inside one of the page's own event handlers (typing, keys,
    // showing, a language switch), which no widget survives.
    static const QList<Action> deletable = {&RandomInput::writeValue,       &RandomInput::corruptValue,
                                            &RandomInput::changeElementCount, &RandomInput::removeParameter,
                                            &RandomInput::restoreParameter, &RandomInput::click,
                                            &RandomInput::activateLink};
    VariantHost *host = m_session->variantHost();
    const bool acting = deletable.contains(chosen->first);
    host->setUserActing(acting);
    m_recent << (this->*chosen->first)(page);
    host->setUserActing(false);
    if (m_recent.size() > 15)
        m_recent.removeFirst();
    return m_recent.last();
}

// ---- the drive

QString RandomInput::pickCoordinate()
{
    // Mostly what the page looked up, sometimes any parameter of the drive.
    const QStringList read = m_session->variantHost()->coordinatesRead();
    if (!read.isEmpty() && below(4) != 0)
        return pick(read);
    return pick(m_allCoordinates);
}

QString RandomInput::oddText()
{
    static const QStringList texts = {
        QString(), QStringLiteral(" "), QStringLiteral("abc"), QStringLiteral("12abc"), QStringLiteral(" 7 "),
        QStringLiteral("0x1F"), QStringLiteral("1e3"), QStringLiteral("3.75"), QStringLiteral("-0"),
        QStringLiteral("+5"), QStringLiteral("--1"), QStringLiteral("NaN"), QStringLiteral("inf"),
        QStringLiteral("9223372036854775807"), QStringLiteral("-9223372036854775808"),
        QStringLiteral("9223372036854775808"), QStringLiteral("18446744073709551616"),
        QStringLiteral("99999999999999999999999"), QStringLiteral("2147483648"), QStringLiteral("-2147483649"),
        QStringLiteral("65536"), QStringLiteral("Ärger € ½"), QStringLiteral("日本語"), QStringLiteral("\t\n"),
        QStringLiteral("1:J40.3"), QStringLiteral("0:Z999.65535"), QStringLiteral(":."), QStringLiteral("%1 %n"),
        QStringLiteral("<b>x</b>"), QString(300, QLatin1Char('9')), QString(2000, QChar(0x00C4)),
    };
    return pick(texts);
}

QString RandomInput::randomValue(const QString &coordinate)
{
    const auto original = m_originals.constFind(coordinate);
    const ParameterDefinitionData *definition = m_session->store()->definition(coordinate);
    switch (below(6)) {
    case 0: return oddText();
    case 1: return QString::number(-1 - below(100000));
    case 2:
        if (definition && !definition->selection.isEmpty()) {
            const QList<qint64> keys = definition->selection.keys();
            return QString::number(pick(keys));
        }
        [[fallthrough]];
    case 3:
        if (definition && definition->upperLimit.isValid())
            return QString::number(definition->upperLimit.toLongLong() + below(3));
        [[fallthrough]];
    default:
        if (original != m_originals.constEnd() && below(3) == 0)
            return original->defaults.value(0);
        return QString::number(below(below(2) ? 20 : 70000));
    }
}

QString RandomInput::writeValue(WizardPage *)
{
    ParameterStore *store = m_session->store();
    const QString coordinate = pickCoordinate();
    const QString value = randomValue(coordinate);
    const auto information = store->information(ParameterCoordinate(coordinate)).toStrongRef();
    const int count = information ? information->elementCount() : 1;
    // Only elements inside the array: the drive refuses any other, so the page could not see
    // the write, and the overrun the store counts for it would be the harness's own.
    if (count == 0)
        return QStringLiteral("write %1: no elements").arg(coordinate);
    const auto element = static_cast<unsigned short>(below(count));
    const bool accepted = store->setValue(coordinate, m_session->host()->livingSpace(), element, value);
    return QStringLiteral("write %1.%2 = \"%3\"%4")
        .arg(coordinate)
        .arg(element)
        .arg(value.left(40), accepted ? QString() : QStringLiteral(" (refused)"));
}

QString RandomInput::corruptValue(WizardPage *)
{
    // The drive hands over text that is no number where the page expects one.
    ParameterStore *store = m_session->store();
    const QString coordinate = pickCoordinate();
    const ParameterDefinitionData *current = store->definition(coordinate);
    ParameterDefinitionData definition = current ? *current : m_originals.value(coordinate);
    if (definition.coordinate.isEmpty())
        return QStringLiteral("corrupt %1: unknown").arg(coordinate);
    const QString text = oddText();
    definition.dataType = ParameterDataType::String;
    definition.defaults = QStringList{text};
    definition.lowerLimit = QVariant();
    definition.upperLimit = QVariant();
    const bool accepted = store->define(definition);
    return QStringLiteral("corrupt %1 = \"%2\"%3")
        .arg(coordinate, text.left(40), accepted ? QString() : QStringLiteral(" (refused)"));
}

QString RandomInput::changeElementCount(WizardPage *)
{
    const QString coordinate = pickCoordinate();
    const auto parameter = m_session->store()->parameter(ParameterCoordinate(coordinate)).toStrongRef();
    if (!parameter)
        return QStringLiteral("element count of %1: missing").arg(coordinate);
    static const QList<int> counts = {0, 1, 1, 2, 16, 16, 255, 16380};
    const int count = below(3) == 0 ? below(300) : pick(counts);
    parameter->setElementCount(static_cast<unsigned short>(count));
    return QStringLiteral("element count of %1 = %2").arg(coordinate).arg(count);
}

QString RandomInput::removeParameter(WizardPage *)
{
    const QString coordinate = pickCoordinate();
    m_session->store()->remove(coordinate);
    return QStringLiteral("remove %1").arg(coordinate);
}

QString RandomInput::restoreParameter(WizardPage *)
{
    // Brings back a parameter as the drive description has it, so that the run does not
    // end up with a drive that has nothing left.
    const QString coordinate = pickCoordinate();
    const auto original = m_originals.constFind(coordinate);
    if (original == m_originals.constEnd())
        return QStringLiteral("restore %1: not in the description").arg(coordinate);
    m_session->store()->define(*original);
    return QStringLiteral("restore %1").arg(coordinate);
}

// ---- the widgets

QString RandomInput::use(WizardPage *page, bool link)
{
    QList<PageProbe::Action> actions = PageProbe::actions(page);
    actions.removeIf([link](const PageProbe::Action &action) { return action.link.isEmpty() == link; });
    if (actions.isEmpty())
        return link ? QStringLiteral("link: no link") : QStringLiteral("click: nothing to click");
    const PageProbe::Action action = pick(actions);
    PageProbe::perform(page, action);
    return QLatin1String(link ? "link " : "click ") + action.describe();
}

QString RandomInput::chooseInCombo(WizardPage *page)
{
    const QList<QComboBox *> combos = reachable<QComboBox>(page);
    if (combos.isEmpty())
        return QStringLiteral("combo: none");
    QComboBox *combo = pick(combos);
    const QString what = PageProbe::key(combo, page);
    if (below(2) == 0) {
        static const QList<Qt::Key> keys = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
        const Qt::Key key = pick(keys);
        QTest::keyClick(combo, key);
        return QStringLiteral("combo %1: key %2").arg(what).arg(int(key));
    }
    const int index = below(combo->count() + 1) - (below(8) == 0 ? 1 : 0);
    combo->setCurrentIndex(index);
    if (index >= 0 && index < combo->count()) {
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
    }
    return QStringLiteral("combo %1: index %2").arg(what).arg(index);
}

QString RandomInput::typeIntoField(WizardPage *page)
{
    QList<QLineEdit *> fields;
    for (QLineEdit *field : reachable<QLineEdit>(page)) {
        if (!field->isReadOnly())
            fields << field;
    }
    if (fields.isEmpty())
        return QStringLiteral("type: no field");
    QLineEdit *field = pick(fields);
    const QString what = PageProbe::key(field, page);
    const QString text = below(2) == 0 ? oddText() : QString::number(below(3) == 0 ? -below(1000) : below(70000));
    field->selectAll();
    typeText(field, text.left(64));
    static const QList<QPair<Qt::Key, const char *>> ends = {
        {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Escape, "Escape"}, {Qt::Key_unknown, "leave"}};
    const auto &[key, how] = ends.at(below(4));
    if (key != Qt::Key_unknown) {
        QTest::keyClick(field, key);
    } else {
        // Leaving the field: the editing is finished without a key.
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &focusOut);
    }
    return QStringLiteral("type \"%1\" into %2, %3").arg(text.left(40), what, QLatin1String(how));
}

QString RandomInput::useItemView(WizardPage *page)
{
    QList<QAbstractItemView *> views;
    for (QAbstractItemView *view : reachable<QAbstractItemView>(page)) {
        if (view->model() && view->model()->rowCount() > 0 && view->model()->columnCount() > 0)
            views << view;
    }
    if (views.isEmpty())
        return QStringLiteral("view: none");
    QAbstractItemView *view = pick(views);
    const QString what = PageProbe::key(view, page);
    QAbstractItemModel *model = view->model();
    const QModelIndex index = model->index(below(model->rowCount()), below(model->columnCount()));
    view->scrollTo(index);
    const QPoint point = view->visualRect(index).center();
    switch (below(4)) {
    case 0:
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
        return QStringLiteral("click %1 at %2,%3").arg(what).arg(index.row()).arg(index.column());
    case 1:
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
        return QStringLiteral("double-click %1 at %2,%3").arg(what).arg(index.row()).arg(index.column());
    default: {
        view->setCurrentIndex(index);
        static const QList<Qt::Key> keys = {Qt::Key_Return, Qt::Key_Delete, Qt::Key_Space, Qt::Key_F2,
                                            Qt::Key_Down,   Qt::Key_End,    Qt::Key_PageUp, Qt::Key_5};
        const Qt::Key key = pick(keys);
        QTest::keyClick(view, key);
        return QStringLiteral("key %1 in %2 at %3,%4").arg(int(key)).arg(what).arg(index.row()).arg(index.column());
    }
    }
}

// ---- the host

void RandomInput::reshow(WizardPage *page)
{
    // What the host does when its state changes: the shown page is hidden and shown again.
    page->hide();
    page->show();
}

QString RandomInput::switchHostState(WizardPage *page)
{
    WorkbenchHost *host = m_session->host();
    QString action;
    switch (below(6)) {
    case 0:
        host->setOnline(!host->isOnline());
        action = QLatin1String(host->isOnline() ? "online" : "offline");
        break;
    case 1:
        host->setReadOnly(!host->isReadOnly());
        action = QLatin1String(host->isReadOnly() ? "read-only" : "editable");
        break;
    case 2:
        host->setDeviceType(pick(PageVariants::deviceTypes()));
        action = QStringLiteral("device type %1").arg(int(host->deviceType()));
        break;
    case 3:
        host->setFieldbusType(pick(PageVariants::fieldbuses()));
        action = QStringLiteral("fieldbus %1").arg(int(host->fieldbusType()));
        break;
    case 4: {
        const int language = 1 + below(3);
        m_session->setLanguage(language);
        return QStringLiteral("language %1").arg(language);
    }
    default:
        reshow(page);
        return QStringLiteral("hide and show");
    }
    if (below(2) == 0) {
        reshow(page);
        action += QStringLiteral(", hide and show");
    }
    return action;
}

QString RandomInput::handOverMotionBlock(WizardPage *)
{
    static const QList<QVariant> numbers = {-1, 0, 1, 15, 16379, 16380, 70000, -70000, QStringLiteral("x"), QVariant()};
    const QVariant number = pick(numbers);
    m_session->host()->setProperty(WorkbenchHost::MotionBlockProperty, number);
    return QStringLiteral("FahrsatzNummer = %1").arg(number.toString());
}

QString RandomInput::changeTree(WizardPage *)
{
    const QStringList pages = m_session->host()->treePages();
    if (pages.isEmpty())
        return QStringLiteral("tree: empty");
    const QString identifier = pick(pages);
    if (below(2) == 0) {
        m_session->host()->hidePage(identifier);
        return QStringLiteral("hidePage(%1)").arg(identifier);
    }
    m_session->host()->showPage(identifier);
    return QStringLiteral("showPage(%1)").arg(identifier);
}

// ---- modal boxes

void RandomInput::answerModal(QWidget *modal)
{
    if (below(3) == 0) {
        QTest::keyClick(modal, Qt::Key_Escape);
    } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        const QList<QAbstractButton *> buttons = box->buttons();
        if (buttons.isEmpty())
            box->done(QMessageBox::Cancel);
        else
            pick(buttons)->click();
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        for (QLineEdit *field : dialog->findChildren<QLineEdit *>()) {
            if (below(2) == 0)
                field->setText(below(2) == 0 ? oddText() : QString::number(below(20000) - 10));
        }
        if (below(2) == 0)
            dialog->accept();
        else
            dialog->reject();
    } else {
        modal->close();
    }
    m_recent << QStringLiteral("  answered %1 \"%2\"").arg(QLatin1String(modal->metaObject()->className()),
                                                          modal->windowTitle());
    // A modal that ignored Escape or was not closed must not hang the run.
    if (modal->isVisible()) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
}
