// Rules for the data behind the pages, played with seeded random input on the default drive:
// what a user edits on a page with an index field lands in the element the field shows, also
// after the drive changed what chooses the layout or the binding; and no user action drops
// elements or sets several blocks at once unless the user said yes to a question naming it.
//
//   BREVANE_INDEX_SEED  base seed (default 20261207); each page mixes in its identifier

#include "PageHarness.h"
#include "PageInput.h"
#include "PageProbe.h"
#include "ParameterControl.h"
#include "WizardPage.h"
#include "WorkbenchHost.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

const quint64 baseSeed = environmentNumber("BREVANE_INDEX_SEED", 20261207);

int elementCountOf(const ParameterStore *store, const QString &coordinate)
{
    const auto information = store->information(ParameterCoordinate(coordinate)).toStrongRef();
    return information ? information->elementCount() : -1;
}

QMap<QString, int> elementCounts(const ParameterStore *store)
{
    QMap<QString, int> counts;
    for (const QString &coordinate : store->coordinates())
        counts.insert(coordinate, elementCountOf(store, coordinate));
    return counts;
}

// The fields and choice boxes a user can type into or choose in, not those inside a box of
// another kind and not the index field.
QList<QWidget *> inputs(const QWidget *page, const QWidget *except = nullptr)
{
    QList<QWidget *> found;
    for (QWidget *widget : PageProbe::reachable<QWidget>(page)) {
        const QWidget *parent = widget->parentWidget();
        const bool inner = qobject_cast<const QComboBox *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent);
        auto *line = qobject_cast<QLineEdit *>(widget);
        const bool input = (line && !line->isReadOnly()) || qobject_cast<QComboBox *>(widget)
                           || qobject_cast<QAbstractSpinBox *>(widget);
        if (input && !inner && widget != except)
            found << widget;
    }
    return found;
}

} // namespace

class TestPageIndexRules : public PageSuite
{
    Q_OBJECT
private slots:
    void editsLandOnTheShownElement_data();
    void editsLandOnTheShownElement();
    void nothingGoesUnasked_data() { addPageRows(); }
    void nothingGoesUnasked();

private:
    QRandomGenerator generator(const QString &identifier) const
    {
        qInfo("%s: BREVANE_INDEX_SEED=%llu", qPrintable(identifier), static_cast<unsigned long long>(baseSeed));
        return QRandomGenerator(quint32(baseSeed ^ qHash(identifier)));
    }
    // A user's input into a field or choice box: a number near the element counts, or an entry.
    void useInput(QWidget *input, QRandomGenerator &random, QString *done);
};

void TestPageIndexRules::useInput(QWidget *input, QRandomGenerator &random, QString *done)
{
    if (auto *combo = qobject_cast<QComboBox *>(input)) {
        const int entry = combo->count() > 0 ? int(random.bounded(combo->count())) : -1;
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
        *done = QStringLiteral("chose %1 in %2").arg(entry).arg(input->objectName());
        return;
    }
    const QString text = QString::number(int(random.bounded(20)) - 1);
    const bool leave = random.bounded(2) == 0;
    typeInto(input, text, leave ? Qt::Key_Tab : Qt::Key_Return);
    *done = QStringLiteral("typed %1 into %2%3").arg(text, input->objectName(), leave ? QStringLiteral(", left") : QString());
}

// Every page that edits one element of its arrays through an index field, found by what it is.
void TestPageIndexRules::editsLandOnTheShownElement_data()
{
    QTest::addColumn<QString>("identifier");
    for (const QString &identifier : std::as_const(m_identifiers)) {
        const std::unique_ptr<WizardPage> probe(m_session.plugin().createPage(identifier));
        if (probe && probe->inherits("IndexedPage") && probe->property("indexField").value<QWidget *>())
            QTest::newRow(qPrintable(identifier)) << identifier;
    }
    flushDeletes();
}

// Between the user's edits the drive changes the parameters the page reads (the command of the
// block shown, the axis type, the switches that choose a layout) and the user moves the index.
void TestPageIndexRules::editsLandOnTheShownElement()
{
    QFETCH(QString, identifier);
    QRandomGenerator random = generator(identifier);
    QVERIFY(reset());
    ParameterStore *store = m_session.store();
    m_watcher.answerAllWith([](QWidget *modal) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    });
    const std::unique_ptr<WizardPage> page(showPage(identifier));
    QVERIFY(page);
    auto *field = qobject_cast<QLineEdit *>(page->property("indexField").value<QWidget *>());
    QVERIFY(field);
    const QString reference = page->property("indexReference").toString();
    const int count = elementCountOf(store, reference);
    QVERIFY2(count > 1, qPrintable(reference));
    // The choices among what the page reads: what picks a layout, a binding or a lock.
    QStringList drive = m_session.variantHost()->coordinatesRead();
    drive.removeIf([store](const QString &coordinate) {
        return !store->definition(coordinate) || store->definition(coordinate)->selection.isEmpty();
    });
    QStringList switches = drive;
    switches.removeIf([store](const QString &coordinate) { return elementCountOf(store, coordinate) != 1; });

    // Arrays as long as the reference are per index; shorter or longer ones hold other things.
    const auto perIndex = [&](const QString &coordinate) { return elementCountOf(store, coordinate) == count; };
    QStringList played, faults;
    for (int step = 0; step < 100 && faults.isEmpty(); ++step) {
        const int shown = field->text().toInt();
        QString done;
        const int kind = int(random.bounded(3));
        if (kind == 0 && !drive.isEmpty()) {
            // Half the time a switch for the whole page, else any choice, mostly of the element shown.
            const QStringList &pool = !switches.isEmpty() && random.bounded(2) ? switches : drive;
            const QString coordinate = pool.at(int(random.bounded(int(pool.size()))));
            const ParameterDefinitionData *definition = store->definition(coordinate);
            const int elements = elementCountOf(store, coordinate);
            const auto element = static_cast<unsigned short>(
                elements > shown && random.bounded(2) ? shown : int(random.bounded(qMax(elements, 1))));
            const QList<qint64> choices = definition->selection.keys();
            const QString value = QString::number(choices.at(int(random.bounded(int(choices.size())))));
            store->setRecordingWrites(false);
            store->setValue(coordinate, 0, element, value);
            done = QStringLiteral("drive: %1.%2=%3").arg(coordinate).arg(element).arg(value);
        } else if (kind == 1) {
            const QString text = QString::number(int(random.bounded(count + 2)) - 1);
            typeInto(field, text, Qt::Key_Return);
            done = QStringLiteral("index %1").arg(text);
        } else {
            QList<QWidget *> choices = inputs(page.get(), field);
            choices.removeIf([](const QWidget *widget) { return widget->property("indirectPairControl").toBool(); });
            if (choices.isEmpty())
                continue;
            QWidget *input = choices.at(int(random.bounded(int(choices.size()))));
            store->clearWrittenValues();
            store->setRecordingWrites(true);
            useInput(input, random, &done);
            for (const ParameterStore::WrittenValue &write : store->writtenValues()) {
                if (perIndex(write.coordinate) && write.element != shown)
                    faults << QStringLiteral("wrote %1.%2=%3").arg(write.coordinate).arg(write.element).arg(write.text);
            }
            store->setRecordingWrites(false);
        }
        QCoreApplication::processEvents();
        played << QStringLiteral("[%1] %2").arg(shown).arg(done);
        // Whatever the user can reach edits, or shows, the element in the field: now, and with
        // each value the drive may give a switch (each tried, then set back).
        const auto checkBindings = [&](const QString &when) {
            for (QWidget *widget : PageProbe::reachable<QWidget>(page.get())) {
                const auto *control = dynamic_cast<const ParameterControl *>(widget);
                if (control && !widget->property("indirectPairControl").toBool() && perIndex(control->coordinate())
                    && int(control->index()) != field->text().toInt())
                    faults << QStringLiteral("%1 is bound to element %2%3").arg(widget->objectName()).arg(control->index()).arg(when);
            }
        };
        checkBindings(QString());
        store->setRecordingWrites(false);
        for (const QString &coordinate : std::as_const(switches)) {
            const QString kept = store->value(coordinate);
            for (const qint64 choice : store->definition(coordinate)->selection.keys()) {
                if (store->setValue(coordinate, 0, 0, QString::number(choice)))
                    checkBindings(QStringLiteral(" with %1=%2").arg(coordinate).arg(choice));
            }
            store->setValue(coordinate, 0, 0, kept);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1\nwith %2 shown in the index field, after\n  %3")
                                              .arg(faults.join('\n'), field->text(), played.join(QStringLiteral("\n  ")))));
}

// Offline and editable, so that every button that changes the number of blocks works. Boxes are
// answered at random, dialogs get a number typed and end by Return, a button, the field left or
// a close.
void TestPageIndexRules::nothingGoesUnasked()
{
    QFETCH(QString, identifier);
    QRandomGenerator random = generator(identifier);
    PageVariant offline;
    offline.online = false;
    QVERIFY(reset(offline));
    ParameterStore *store = m_session.store();
    QStringList confirmed; // the questions answered with yes during an action
    m_watcher.answerAllWith([&random, &confirmed](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            const QList<QAbstractButton *> buttons = box->buttons();
            QAbstractButton *button = buttons.at(int(random.bounded(int(buttons.size()))));
            if (box->icon() == QMessageBox::Question && box->standardButton(button) == QMessageBox::Yes)
                confirmed << box->text();
            button->click();
            return;
        }
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        for (QComboBox *combo : dialog->findChildren<QComboBox *>())
            combo->setCurrentIndex(combo->count() > 0 ? int(random.bounded(combo->count())) : -1);
        const QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
        const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
        const int ending = int(random.bounded(4));
        if (!fields.isEmpty())
            typeInto(fields.first(), QString::number(random.bounded(1, 20)), ending == 1 ? Qt::Key_Tab : Qt::Key_Return);
        if (ending == 2 && dialog->isVisible() && !buttons.isEmpty())
            buttons.at(int(random.bounded(int(buttons.size()))))->click();
        if (dialog->isVisible())
            dialog->reject();
    });
    const std::unique_ptr<WizardPage> page(showPage(identifier));
    QVERIFY(page);
    const QPointer<WizardPage> guard(page.get());
    store->setRecordingWrites(true);

    QStringList played, faults;
    for (int step = 0; step < 25 && guard && faults.isEmpty(); ++step) {
        const QMap<QString, int> before = elementCounts(store);
        const int blocks = before.value(QStringLiteral("J10"));
        store->clearWrittenValues();
        confirmed.clear();
        QString done;
        const QList<PageProbe::Action> actions = PageProbe::actions(page.get());
        const QList<QWidget *> fields = inputs(page.get());
        if (random.bounded(2) && !actions.isEmpty()) {
            const PageProbe::Action &action = actions.at(int(random.bounded(int(actions.size()))));
            PageProbe::perform(page.get(), action);
            done = action.describe();
        } else if (!fields.isEmpty()) {
            useInput(fields.at(int(random.bounded(int(fields.size())))), random, &done);
        }
        QCoreApplication::processEvents();
        played << done;
        const QMap<QString, int> after = elementCounts(store);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const int now = after.value(it.key());
            const QString named = QStringLiteral("%1 bis %2").arg(now).arg(it.value() - 1);
            if (now >= 0 && now < it.value() && confirmed.filter(named).isEmpty())
                faults << QStringLiteral("%1 shrank from %2 to %3 without a yes to \"... %4 ...\"")
                              .arg(it.key()).arg(it.value()).arg(now).arg(named);
        }
        // Several blocks changed by one action is a reset of them; the blocks' arrays are of group J.
        QSet<int> blocksWritten;
        for (const ParameterStore::WrittenValue &write : store->writtenValues()) {
            if (blocks > 1 && write.coordinate.startsWith(QLatin1Char('J')) && before.value(write.coordinate) == blocks)
                blocksWritten.insert(write.element);
        }
        if (blocksWritten.size() > 1 && confirmed.isEmpty())
            faults << QStringLiteral("%1 blocks written without a yes to a question").arg(blocksWritten.size());
    }
    QVERIFY2(guard, "the page was deleted");
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1\nafter\n  %2").arg(faults.join('\n'),
                                                                                 played.join(QStringLiteral("\n  ")))));
}

QTEST_MAIN(TestPageIndexRules)
#include "tst_pageindexrules.moc"
