// A rehearsal recorded through input events on the window, on a drive opened from a file,
// plays back in a fresh workbench to the same drive values and the same page, whichever drive
// that workbench started with.

#include "DriveModel.h"
#include "MainWindow.h"
#include "PageArea.h"
#include "PageTree.h"
#include "ParameterModel.h"
#include "ParameterStore.h"
#include "ScenarioRunner.h"
#include "SimulatedDrive.h"
#include "Workbench.h"
#include "WorkbenchHost.h"

#include <QtTest>
#include <QtWidgets>

// Everything a scenario can tell apart: the drive's values and the shown page's widgets.
static QStringList state(Workbench &workbench)
{
    QCoreApplication::sendPostedEvents();  // what the window shows once it has caught up
    ParameterStore *store = workbench.drive()->store();
    QStringList lines{workbench.host()->currentPage()};
    for (const QString &coordinate : store->coordinates())
        for (unsigned short e = 0; e < store->definition(coordinate)->elementCount; ++e)
            lines << coordinate + QLatin1Char(' ') + store->value(coordinate, 1, e);
    QWidget *page = workbench.pageArea()->page(workbench.host()->currentPage());
    for (QWidget *w : page->findChildren<QWidget *>())
        lines << QStringLiteral("%1 %2%3%4 %5").arg(w->objectName()).arg(w->isEnabled()).arg(w->isVisibleTo(page))
                     .arg(w->property("checked").toBool()).arg(w->property(qobject_cast<QComboBox *>(w) ? "currentText" : "text").toString());
    return lines;
}

static void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

static void typeInto(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

class TestScenarioRecorder : public QObject
{
    Q_OBJECT
private slots:
    void recordedSessionPlaysBack();
};

void TestScenarioRecorder::recordedSessionPlaysBack()
{
    WorkbenchOptions options;
    options.pluginPath = QStringLiteral(BREVANE_PLUGIN_PATH);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rehearsal.json"));
    const QString drivePath = dir.filePath(QStringLiteral("mydrive.json"));
    QStringList recorded;
    {
        Workbench workbench(options);
        QString error;
        QVERIFY2(workbench.start(&error), qPrintable(error));
        MainWindow window(&workbench);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        DriveModel *model = workbench.driveModel();

        // A drive saved with the axis elsewhere: fractions are written as numbers, and opening
        // the file puts the axis where it says.
        workbench.drive()->store()->setValue(QStringLiteral("I80"), QStringLiteral("40.25"));
        QVERIFY2(workbench.saveDrive(drivePath, &error), qPrintable(error));
        QFile saved(drivePath);
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains(R"("type":"REAL32","value":40.25})"));
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
        QString error;
        QVERIFY2(workbench.start(&error), qPrintable(error));
        MainWindow window(&workbench);
        window.show();
        workbench.driveModel()->advance(100);  // the axis of this workbench has a past of its own
        ScenarioRunner runner(&workbench, workbench.driveModel());
        QVERIFY2(runner.load(path, &error), qPrintable(error));
        QVERIFY2(runner.run(&error), qPrintable(error + QLatin1Char('\n') + QString::fromUtf8(json)));
        const QStringList played = state(workbench);
        workbench.shutdown();
        QCOMPARE(played, recorded);
    }
}

QTEST_MAIN(TestScenarioRecorder)
#include "tst_scenariorecorder.moc"
