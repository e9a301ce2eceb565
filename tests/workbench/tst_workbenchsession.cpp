// A workbench run in the test process with the real plug-in: loading, page creation in tree
// order, languages, drive files, kept settings, every page
// on a small screen, scenario files and a rehearsal recorded through the window, and taking
// everything down again.

#include "DriveModel.h"
#include "MainWindow.h"
#include "ParameterBrowser.h"
#include "PageArea.h"
#include "PageTree.h"
#include "ParameterModel.h"
#include "ScenarioRunner.h"
#include "SimulatedDrive.h"
#include "WizardPage.h"
#include "Workbench.h"
#include "WorkbenchHost.h"
#include "WorkbenchOptions.h"
#include "WorkbenchSettings.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

WorkbenchOptions pluginOptions()
{
    WorkbenchOptions options;
    options.pluginPath = QStringLiteral(BREVANE_PLUGIN_PATH);
    return options;
}

bool started(Workbench &workbench)
{
    QString error;
    const bool ok = workbench.start(&error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}

// Everything the store holds of the current axis, read through its own interface.
QStringList contents(const ParameterStore &store)
{
    QStringList lines;
    for (const QString &coordinate : store.coordinates()) {
        const ParameterDefinitionData *d = store.definition(coordinate);
        QStringList line{coordinate, QString::number(d->dataType), d->name.text(Text::German), d->name.text(Text::English),
                         d->name.text(Text::French), d->defaults.join(QLatin1Char(',')), d->lowerLimit.toString(),
                         d->upperLimit.toString(), QString::number(d->hidden + 2 * d->global + 4 * d->newDefinition),
                         d->unit.text(Text::German), d->unit.text(Text::French)};
        for (auto it = d->selection.cbegin(); it != d->selection.cend(); ++it)
            line << QStringLiteral("%1=%2/%3").arg(it.key()).arg(it.value().text(Text::German), it.value().text(Text::English));
        for (unsigned short element = 0; element < d->elementCount; ++element)
            line << store.value(coordinate, 1, element);
        lines << line.join(QLatin1Char('|'));
    }
    return lines;
}

// Presses a button of the next message box.
void answerNextBox(QMessageBox::StandardButton button)
{
    QTimer::singleShot(50, [button] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(button)->click();
    });
}

// A scenario of the given steps.
QByteArray steps(const QByteArray &list)
{
    return "{ \"steps\": [\n" + list + "\n] }";
}

const QByteArray showPanel = R"({"step": "show", "page": "SteuertafelApplikation"})";

// Everything a scenario can tell apart: the drive's values and the shown page's widgets.
QStringList state(Workbench &workbench)
{
    QCoreApplication::sendPostedEvents();  // what the window shows once it has caught up
        QStringList lines = QStringList{workbench.host()->currentPage()} + contents(*workbench.drive()->store());
    QWidget *page = workbench.pageArea()->page(workbench.host()->currentPage());
    for (QWidget *w : page->findChildren<QWidget *>())
        lines << QStringLiteral("%1 %2%3%4 %5").arg(w->objectName()).arg(w->isEnabled()).arg(w->isVisibleTo(page))
                     .arg(w->property("checked").toBool()).arg(w->property(qobject_cast<QComboBox *>(w) ? "currentText" : "text").toString());
    return lines;
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void typeInto(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// Every text of the window a user reads, in a fixed order: title, menus and their entries, docks,
// labels, the views' headers and top rows, and the standard buttons a box of the window shows.
QStringList windowTexts(QMainWindow *window)
{
    QCoreApplication::processEvents(); // the language change is posted to the window
    QStringList texts{window->windowTitle()};
    for (const QAction *action : window->findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        bool onPage = false; // the pages' own texts have rules of their own
        for (const QObject *parent = widget; parent && !onPage; parent = parent->parent())
            onPage = parent->inherits("WizardPage");
        if (onPage)
            continue;
        if (const auto *menu = qobject_cast<const QMenu *>(widget))
            texts << menu->title();
        else if (const auto *dock = qobject_cast<const QDockWidget *>(widget))
            texts << dock->windowTitle();
        else if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        else if (const auto *view = qobject_cast<const QTreeView *>(widget); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int column = 0; column < model->columnCount(); ++column)
                texts << model->headerData(column, Qt::Horizontal).toString();
            for (int row = 0; row < qMin(5, model->rowCount()); ++row)
                texts << model->index(row, model->columnCount() > 2 ? 2 : 0).data().toString();
        }
    }
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    for (const QAbstractButton *button : box.buttons())
        texts << button->text();
    return texts;
}

} // namespace

class TestWorkbenchSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Never the user's own settings.
        WorkbenchSettings::setFile(m_directory.filePath(QStringLiteral("settings.ini")));
    }

    // A rehearsal recorded through input events on the window, on a drive opened from a file,
    // plays back in a fresh workbench to the same drive values and the same page, whichever drive
    // that workbench started with.
    void recordedSessionPlaysBack()
    {
        WorkbenchOptions options = pluginOptions();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rehearsal.json"));
        const QString drivePath = dir.filePath(QStringLiteral("mydrive.json"));
        QStringList recorded;
        {
            Workbench workbench(options);
            QVERIFY(started(workbench));
            MainWindow window(&workbench);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QString error;
            DriveModel *model = workbench.driveModel();

            // A drive saved with the axis elsewhere: fractions are written as numbers, and opening
            // the file puts the axis where it says.
            workbench.drive()->store()->setValue(QStringLiteral("I80"), QStringLiteral("40.25"));
            QVERIFY2(workbench.saveDrive(drivePath, &error), qPrintable(error));
            QFile saved(drivePath);
            QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains(R"("value":40.25})"));
            model->advance(100);
            QVERIFY2(workbench.openDrive(drivePath, &error), qPrintable(error));
            QCOMPARE(model->position(), 40.25);
            auto page = [&](const char *name) { return workbench.pageArea()->page(workbench.host()->currentPage())->findChild<QWidget *>(name); };

            QTimer::singleShot(0, [&] {  // the file dialog, from within its own event loop
                qobject_cast<QFileDialog *>(QApplication::activeModalWidget())->selectFile(path);
                QMetaObject::invokeMethod(QApplication::activeModalWidget(), "accept");
            });
            window.findChild<QAction *>(QStringLiteral("actionRecordScenario"))->trigger();
            QLabel *indicator = window.statusBar()->findChild<QLabel *>(QStringLiteral("recordingIndicator"));
            QVERIFY(indicator && indicator->isVisible());

            auto *tree = window.findChild<QTreeView *>(QStringLiteral("pageTree"));
            const QModelIndex item = tree->model()->match(tree->model()->index(0, 0), PageTreeRole::Identifier,
                QStringLiteral("SteuertafelApplikation"), 1, Qt::MatchRecursive | Qt::MatchExactly).value(0);
            tree->scrollTo(item);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(item).center());
            QCOMPARE(workbench.host()->currentPage(), QStringLiteral("SteuertafelApplikation"));

            QTimer::singleShot(0, [] {  // the panel's warning
                QTest::mouseClick(qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::Ok), Qt::LeftButton);
            });
            click(page("ToolButtonSteuertafelEin"));
            click(page("ToolButtonFreigabe"));
            model->advance(150);
            QTest::keyClick(page("ComboBoxJ311"), Qt::Key_Down);
            typeInto(page("parameterTextEdit_I10"), QStringLiteral("120"));
            click(page("ToolButtonStart"));
            model->advance(700);

            auto *filter = window.findChild<QLineEdit *>(QStringLiteral("filterEdit"));
            auto *view = window.findChild<QTreeView *>(QStringLiteral("parameterView"));
            auto *parameters = qobject_cast<ParameterModel *>(view->model());
            typeInto(filter, QStringLiteral("I12"));
            const QModelIndex cell = parameters->indexOf(QStringLiteral("I12"));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
            QTest::keyClick(view, Qt::Key_F2);
            typeInto(view->indexWidget(cell), QStringLiteral("75"));
            QTRY_VERIFY(!view->indexWidget(cell));  // the view commits from its event loop

            for (QAction *action : window.findChildren<QAction *>())
                if (action->isCheckable() && action->data() == QVariant(int(DriveModel::Fault::Device)))
                    action->trigger();
            model->advance(40);
            QTest::mousePress(page("ToolButtonQuittierung"), Qt::LeftButton);
            model->advance(30);
            QTest::mouseRelease(page("ToolButtonQuittierung"), Qt::LeftButton);
            model->advance(20);
            QComboBox *language = window.findChild<QToolBar *>(QStringLiteral("mainToolBar"))->findChildren<QComboBox *>().at(2);
            QTest::keyClick(language, Qt::Key_Down);  // English

            typeInto(filter, QStringLiteral("E48"));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(parameters->indexOf(QStringLiteral("E48"))).center());
            click(window.findChild<QToolButton *>(QStringLiteral("actionExpectValueButton")));

            // A widget without a name cannot be played back: said, not written.
            auto *unnamed = new QPushButton(page("ToolButtonStart")->parentWidget());
            unnamed->show();
            click(unnamed);
            QVERIFY(window.statusBar()->currentMessage().contains(QLatin1String("no object name")));
            delete unnamed;
            model->advance(100);
            window.findChild<QAction *>(QStringLiteral("actionStopRecording"))->trigger();
            QVERIFY(!indicator->isVisible());
            recorded = state(workbench);
            workbench.shutdown();
        }

        QFile file(path);
        const QByteArray json = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        for (const char *kind : {"show", "answer", "click", "press", "release", "wait", "choose", "enter", "set", "expect", "fault", "switch"})
            QVERIFY2(json.contains("\"step\": \"" + QByteArray(kind) + '"'), json.constData());
        QVERIFY2(json.contains(R"({"step": "drive", "file": "mydrive.json", "position": 40.25)"), json.constData());

        for (const QString &startDrive : {QString(), drivePath}) {
            options.drivePath = startDrive;
            Workbench workbench(options);
            QVERIFY(started(workbench));
            MainWindow window(&workbench);
            window.show();
            QString error;
            workbench.driveModel()->advance(100);  // the axis of this workbench has a past of its own
            ScenarioRunner runner(&workbench, workbench.driveModel());
            QVERIFY2(runner.load(path, &error), qPrintable(error));
            QVERIFY2(runner.run(&error), qPrintable(error + QLatin1Char('\n') + QString::fromUtf8(json)));
            const QStringList played = state(workbench);
            workbench.shutdown();
            QCOMPARE(played, recorded);
        }
    }

    void driveFileRoundTrip()
    {
        const QString path = m_directory.filePath(QStringLiteral("drive.json"));
        Workbench workbench(pluginOptions());
        QVERIFY(started(workbench));
        MainWindow window(&workbench);
        window.show();
        ParameterStore *store = workbench.drive()->store();
        // Everything of the drive comes back, units too: one text for all languages or one per language.
        const QStringList original = contents(*store);
        QString error;
        QVERIFY2(workbench.saveDrive(path, &error) && workbench.openDrive(path, &error), qPrintable(error));
        QCOMPARE(contents(*store), original);
        QVERIFY(window.windowTitle().contains(path) && !window.isWindowModified());

        // The axis writing its own values changes nothing of the file.
        workbench.driveModel()->setFault(DriveModel::Fault::Device, true);
        QVERIFY(!window.isWindowModified());
        // What a user changes: a value in the inspector, and the number of motion blocks.
        auto *inspector = window.findChild<ParameterBrowser *>()->model();
        QVERIFY(inspector->setData(inspector->indexOf(QStringLiteral("K08")), QStringLiteral("3")));
        store->parameter(ParameterCoordinate(QStringLiteral("J13"))).toStrongRef()->setElementCount(20);
        QVERIFY(store->setValue(QStringLiteral("J13"), 1, 19, QStringLiteral("-77")));
        QVERIFY(window.isWindowModified());
        QCOMPARE(inspector->rowCount(inspector->indexOf(QStringLiteral("J13"), -1, 0)), 20);
        const QStringList edited = contents(*store);

        // Closing asks first: staying keeps everything, saving writes the file.
        answerNextBox(QMessageBox::Cancel);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible() && window.isWindowModified());
        answerNextBox(QMessageBox::Save);
        QVERIFY(window.close());
        QVERIFY(!window.isWindowModified());

        // Opened again, the drive is the same, and the new pages and inspector follow it.
        QVERIFY2(workbench.openDrive(path, &error), qPrintable(error));
        QCOMPARE(contents(*store), edited);
        inspector = window.findChild<ParameterBrowser *>()->model();
        QCOMPARE(inspector->rowCount(inspector->indexOf(QStringLiteral("J13"), -1, 0)), 20);
        QVERIFY(workbench.host()->isPageVisible(QStringLiteral("DbmKommando")));
        QVERIFY(inspector->setData(inspector->indexOf(QStringLiteral("K08")), QStringLiteral("1")));
        QVERIFY(!workbench.host()->isPageVisible(QStringLiteral("DbmKommando")));

        // A file that cannot be read or written changes nothing.
        QFile broken(m_directory.filePath(QStringLiteral("broken.json")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("{ \"parameters\": [ {} ] }") > 0);
        broken.close();
        const QStringList reopened = contents(*store);
        QVERIFY(!workbench.openDrive(broken.fileName(), &error));
        QVERIFY2(!workbench.saveDrive(path + QStringLiteral("/drive.json"), &error), qPrintable(error));
        QVERIFY2(error.contains(path) && error.contains(QLatin1String("directory")), qPrintable(error));
        QCOMPARE(contents(*store), reopened);
        QCOMPARE(workbench.driveFile(), path);

        // Taken down: the pages are gone before the plug-in, and a second time does nothing.
        workbench.shutdown();
        QVERIFY(!workbench.plugin().isLoaded());
        for (const Workbench::Page &page : workbench.pages())
            QVERIFY(!page.page);
        workbench.shutdown();
    }

    // What the command line says wins over what the last start kept; with nothing kept, a start
    // speaks the first of the user's languages that the workbench has.
    void commandLineWinsOverKeptSettings()
    {
        WorkbenchSettings::keepDrive(eDeviceTypeKQ2, eFieldbusPROFINET, Text::English, true, true);
        WorkbenchOptions options;
        QString message;
        QCOMPARE(parseWorkbenchOptions({QStringLiteral("brevane-workbench"), QStringLiteral("--fieldbus"), QStringLiteral("canopen")},
                                       &options, &message), OptionsResult::Run);
        WorkbenchSettings::applyTo(&options);
        WorkbenchSettings::forget();
        QCOMPARE(options.deviceType, eDeviceTypeKQ2);
        QCOMPARE(options.fieldbusType, eFieldbusCANopen);
        QCOMPARE(options.language, int(Text::English));
        QVERIFY(options.readOnly && !options.offline);
        const QList<QPair<QStringList, QString>> firstStarts = {
            {{"ja-JP", "fr-CA", "en-US"}, "fr"}, {{"en_GB"}, "en"}, {{"ja-JP"}, "de"}, {{"C"}, "de"}};
        for (const auto &[uiLanguages, option] : firstStarts)
            QCOMPARE(WorkbenchNames::languageOfUser(uiLanguages), option);
    }

    void everyPageOnASmallScreen_data()
    {
        QVERIFY(openWindow());
        // The pages of the tree in its order, created as the host creates them; pages of other
        // plug-ins stand in as placeholders, the static page stays out.
        const QStringList content = m_workbench->plugin().content();
        const QStringList tree = m_workbench->host()->treePages();
        QCOMPARE(m_workbench->pages().size(), tree.size());
        QVERIFY(!tree.contains(QStringLiteral("DbmVisibility")));
        QTest::addColumn<QString>("identifier");
        for (qsizetype i = 0; i < tree.size(); ++i) {
            const Workbench::Page &page = m_workbench->pages().at(i);
            QCOMPARE(page.identifier, tree.at(i));
            QCOMPARE(page.kind == Workbench::PageKind::Foreign, !content.contains(page.identifier));
            if (page.kind != Workbench::PageKind::Plugin)
                continue;
            QVERIFY(page.page && page.page->identifier() == page.identifier);
            QCOMPARE(page.page->pageHost(), static_cast<WizardPageHost *>(m_workbench->host()));
            QTest::newRow(qPrintable(page.identifier)) << page.identifier;
        }
    }

    void everyPageOnASmallScreen()
    {
        QFETCH(QString, identifier);
        PageArea *area = m_window->pageArea();
        area->showPage(identifier);
        auto *slot = area->findChild<QScrollArea *>(QStringLiteral("slot_") + identifier);
        QWidget *page = slot->widget();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();

        // A screen reader (and the end-to-end test) finds every control by its name.
        static const QList<QAccessible::Role> controls = {QAccessible::Button, QAccessible::CheckBox, QAccessible::RadioButton,
                                                          QAccessible::ComboBox, QAccessible::EditableText, QAccessible::SpinBox,
                                                          QAccessible::Link};
        // Whatever a person reads or clicks: every widget without visible widgets of its own,
        // apart from what scrolls inside a list or table.
        QStringList faults;
        const auto shown = [page](const QWidget *widget) { return widget->isVisibleTo(page) && !widget->rect().isEmpty(); };
        for (QWidget *widget : page->findChildren<QWidget *>()) {
            QWidget *parent = widget->parentWidget();
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            if (widget->isVisibleTo(page) && !qobject_cast<QComboBox *>(parent) && !qobject_cast<QAbstractSpinBox *>(parent)
                && (controls.contains(accessible->role()) || widget->inherits("ActionWidget") || widget->inherits("LedWidget"))
                && widget->accessibleName().isEmpty() && accessible->text(QAccessible::Name).trimmed().isEmpty())
                faults << QStringLiteral("%1 %2 has no name").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
            const QList<QWidget *> inner = widget->findChildren<QWidget *>();
            bool skip = !shown(widget) || (std::any_of(inner.begin(), inner.end(), shown) && !qobject_cast<QAbstractScrollArea *>(widget));
            for (QWidget *above = widget->parentWidget(); above != page; above = above->parentWidget())
                skip = skip || qobject_cast<QAbstractScrollArea *>(above);
            if (skip)
                continue;
            // The whole widget (ensureWidgetVisible would settle for a line edit's cursor).
            const QRect place(widget->mapTo(page, QPoint()), widget->size());
            slot->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + 1, place.height() / 2 + 1);
            // Whole inside every widget that holds it and inside the page area, and where a layout
            // sizes it, at its own size.
            const QSize wanted = widget->parentWidget()->layout() ? widget->sizeHint().boundedTo(widget->maximumSize()) : QSize();
            bool whole = widget->width() >= wanted.width() && widget->height() >= wanted.height();
            for (QWidget *above = widget->parentWidget(); whole && above != slot; above = above->parentWidget())
                whole = above->rect().contains(QRect(widget->mapTo(above, QPoint()), widget->size()));
            if (!whole)
                faults << QStringLiteral("%1 %2 %3").arg(QLatin1String(widget->metaObject()->className()), widget->objectName())
                           .arg(QStringLiteral("%1,%2 %3x%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // Tab from the tree, F6 and Shift+F6 between the panes, F1 on the focused control.
    void keyboardReachesEveryPane()
    {
        QVERIFY(openWindow());
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const auto focusIn = [](const QWidget *pane) {
            return pane == QApplication::focusWidget() || pane->isAncestorOf(QApplication::focusWidget());
        };
        const auto press = [](QKeyCombination key) { QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers()); };
        QVERIFY(m_workbench->host()->selectPage(QStringLiteral("Fahrsatz")));
        auto *tree = m_window->findChild<QTreeView *>(QStringLiteral("pageTree"));
        QWidget *page = m_window->pageArea()->page(QStringLiteral("Fahrsatz"));
        QWidget *parameters = m_window->findChild<QDockWidget *>(QStringLiteral("inspectorDock"));
        tree->setFocus();
        // The second F6 skips the docks behind the parameters.
        const QList<QPair<QKeyCombination, QWidget *>> walk{
            {Qt::Key_Tab, page}, {Qt::Key_F6, parameters}, {Qt::Key_F6, tree},
            {Qt::SHIFT | Qt::Key_F6, parameters}, {Qt::CTRL | Qt::SHIFT | Qt::Key_P, page}};
        for (qsizetype step = 0; step < walk.size(); ++step) {
            press(walk.at(step).first);
            QVERIFY2(focusIn(walk.at(step).second), qPrintable(QStringLiteral("key %1").arg(step + 1)));
        }

        page->findChild<QWidget *>(QStringLiteral("lineEditFahrsatznummer"))->setFocus();
        press(Qt::Key_F1);
        const QWidgetList popups = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(popups.begin(), popups.end(),
                            [](const QWidget *w) { return w->inherits("QWhatsThat") && w->isVisible(); }));
        QWhatsThis::hideText();
    }

    // Switching the language while the window shows leaves no text in the language before: what
    // German changed of the English texts French changes again, and English brings back the first.
    void windowFollowsTheLanguage()
    {
        QVERIFY(openWindow());
        QList<QStringList> texts;
        for (int language : {Text::English, Text::German, Text::French, Text::English}) {
            m_workbench->setLanguage(language);
            texts << windowTexts(m_window.get());
        }
        const QStringList &english = texts.at(0), &german = texts.at(1), &french = texts.at(2);
        QCOMPARE(texts.at(3), english);
        QCOMPARE(german.size(), english.size());
        QCOMPARE(french.size(), english.size());
        // Written the same in English and German: these words, names in capitals (EtherCAT), markup.
        static const QRegularExpression sameInBoth(
            QStringLiteral("^(<[^>]*>|\\W|\\d|\\b(Online|Element|Name|Brevane|Workbench|\\w*[A-Z]\\w*[A-Z]\\w*)\\b)*$"));
        QStringList stale;
        for (qsizetype i = 0; i < english.size(); ++i) {
            if (german.at(i) == english.at(i) && !sameInBoth.match(english.at(i)).hasMatch())
                stale << QStringLiteral("German: ") + english.at(i);
            if (french.at(i) == german.at(i) && german.at(i) != english.at(i))
                stale << QStringLiteral("French: ") + french.at(i);
        }
        m_workbench->setLanguage(Text::German);
        QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QLatin1Char('\n'))));
    }

    void scenarioFails_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("failure");  // refused: mentioned in the message; else how it starts
        QTest::addColumn<bool>("refused");  // before running

        QTest::newRow("no steps") << QByteArray(R"({ "step": [] })") << "\"steps\" array" << true;
        QTest::newRow("step is no object") << steps("42") << "step 1 (): a step is an object" << true;
        QTest::newRow("no kind") << steps(R"({"page": "Fahrsatz"})") << "step 1 (): no \"step\" field" << true;
        QTest::newRow("unknown field") << steps(R"({"step": "wait", "ms": 5, "msec": 6})") << "unknown field \"msec\"" << true;
        QTest::newRow("missing field") << steps(R"({"step": "set", "parameter": "J311"})") << "field \"value\" is missing" << true;
        QTest::newRow("wrong type") << steps(R"({"step": "wait", "ms": "5"})") << "field \"ms\" must be a number" << true;
        QTest::newRow("negative wait") << steps(R"({"step": "wait", "ms": -1})") << "\"ms\" must lie between" << true;
        QTest::newRow("unknown page") << steps(R"({"step": "show", "page": "Fahrplan"})") << "unknown page \"Fahrplan\"" << true;
        QTest::newRow("page of another plug-in") << steps(R"({"step": "show", "page": "Referenzfahrt"})")
                                                 << "unknown page \"Referenzfahrt\"" << true;
        QTest::newRow("object before any page") << steps(R"({"step": "click", "object": "ToolButtonStart"})") << "no page" << true;
        QTest::newRow("unknown object") << steps(showPanel + R"(, {"step": "click", "object": "ToolButtonStrat"})")
                                        << "step 2 (click): page SteuertafelApplikation has no object \"ToolButtonStrat\"" << true;
        QTest::newRow("object on the page named in the step")
            << steps(showPanel + R"(, {"step": "click", "page": "SteuertafelTippen", "object": "ToolButtonStart"})")
            << "page SteuertafelTippen has no object" << true;
        QTest::newRow("clicking no button") << steps(showPanel + R"(, {"step": "click", "object": "labelControlPanelOnOff"})")
                                            << "is no button" << true;
        QTest::newRow("element out of range") << steps(R"({"step": "set", "parameter": "J13", "element": 16, "value": 1})")
                                              << "J13 has no element 16" << true;
        QTest::newRow("unknown fault") << steps(R"({"step": "fault", "fault": "fire"})") << "unknown fault \"fire\"; known are" << true;
        QTest::newRow("drive file missing") << steps(R"({"step": "drive", "file": "no-such-drive.json"})")
                                            << "no-such-drive.json: cannot be read" << true;
        QTest::newRow("unknown answer") << steps(R"({"step": "answer", "button": "maybe"})") << "answered with ok, cancel" << true;
        QTest::newRow("expect nothing") << steps(R"({"step": "expect", "parameter": "E48"})") << "nothing to expect" << true;

        // The rows share the pages: the panel warns until the first row that accepts the warning.
        QTest::newRow("box nobody answered") << steps(showPanel + R"(, {"step": "click", "object": "ToolButtonSteuertafelEin"})")
                                             << "step 2 (click): a message box nobody answered came up: \"WARNING! Injury to persons" << false;
        QTest::newRow("passes") << steps(showPanel + R"(, {"step": "answer", "button": "ok"},
            {"step": "click", "object": "ToolButtonSteuertafelEin"}, {"step": "expect", "parameter": "K913", "value": 1})")
                                << QString() << false;
        const QByteArray activate = showPanel + R"(, {"step": "click", "object": "ToolButtonSteuertafelEin"})";
        QTest::newRow("parameter below its minimum") << steps(R"({"step": "expect", "parameter": "I80", "min": 200})")
                                                     << "step 1 (expect): I80 is \"125.5\", expected at least 200" << false;
        QTest::newRow("disabled button") << steps(showPanel + R"(, {"step": "click", "object": "ToolButtonFreigabe"})")
                                         << "step 2 (click): ToolButtonFreigabe is not visible" << false;
        QTest::newRow("answer without a box") << steps(showPanel + R"(, {"step": "answer", "button": "ok"}, {"step": "wait", "ms": 10})")
                                              << "step 3 (wait): no message box came up to answer with ok" << false;
        QTest::newRow("widget state") << steps(activate + R"(, {"step": "expectWidget", "object": "ToolButtonStart", "visible": true})")
                                      << "step 3 (expectWidget): ToolButtonStart is not visible" << false;
        QTest::newRow("value never reached")
            << steps(R"({"step": "waitFor", "parameter": "E48", "value": 4, "within": 500})")
            << "step 1 (waitFor): E48 is \"2\" after 500 ms, expected \"4\"" << false;
        QTest::newRow("refused write") << steps(R"({"step": "set", "parameter": "J311", "value": 99999})")
                                       << "step 1 (set): J311: 99999 is outside" << false;
    }

    void scenarioFails()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, failure);
        QFETCH(bool, refused);
        QVERIFY(openWindow());
        // The messages follow the language; the table is written in English.
        m_workbench->setLanguage(Text::English);
        const auto german = qScopeGuard([this] { m_workbench->setLanguage(Text::German); });

        ScenarioRunner runner(m_workbench.get(), m_workbench->driveModel());
        QString error;
        if (refused) {
            QVERIFY(!runner.loadJson(json, QStringLiteral("scenario"), &error));
            QVERIFY2(error.startsWith(QLatin1String("scenario")) && error.contains(failure), qPrintable(error));
            QCOMPARE(runner.stepCount(), 0);
            return;
        }
        QVERIFY2(runner.loadJson(json, QStringLiteral("scenario"), &error), qPrintable(error));
        QString why;
        const bool passed = runner.run(&why);
        QCOMPARE(passed, failure.isEmpty());
        QVERIFY2(why.startsWith(failure), qPrintable(why));

        // The next row starts from a panel that is off and a drive without faults.
        m_workbench->host()->selectPage(QStringLiteral("Fahrsatzbetrieb"));
        m_workbench->driveModel()->clearFaults();
    }

    void cleanupTestCase()
    {
        if (m_workbench)
            m_workbench->shutdown();
        m_window.reset();
        m_workbench.reset();
    }

private:
    // One window with every page, shared by the every-page rows.
    bool openWindow()
    {
        if (m_window)
            return true;
        m_workbench = std::make_unique<Workbench>(pluginOptions());
        if (!started(*m_workbench))
            return false;
        m_window = std::make_unique<MainWindow>(m_workbench.get());
        m_window->resize(1366, 768);
        m_window->show();
        return true;
    }

    QTemporaryDir m_directory;
    // One window for every page of the small-screen rows and the scenario rows.
    std::unique_ptr<Workbench> m_workbench;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestWorkbenchSession)
#include "tst_workbenchsession.moc"
