// The workbench executable as a person or a script runs it: its command line, a scenario, and
// the picture of the window.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString output;
};

Run runWorkbench(const QStringList &arguments, bool offscreen = true)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), offscreen ? QStringLiteral("offscreen") : QString());
    if (!offscreen) {
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(BREVANE_WORKBENCH_PATH), arguments);
    Run run;
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
        run.output = QStringLiteral("did not finish");
        return run;
    }
    run.output = QString::fromLocal8Bit(process.readAll());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    return run;
}

} // namespace

class TestWorkbenchRun : public QObject
{
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");  // written to @file
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("mentions");

        const QStringList pictures{"--screenshots", "@dir/pictures"};
        QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << QStringList{"Usage:", "--scenario <file>", "Exit codes", "--help-all"};
        // Qt's own options pass to QApplication: what follows them is still read.
        QTest::newRow("Qt's options") << QStringList{"-style", "fusion", "-reverse", "--stylesheet=a.qss", "-platform", "xcb", "--device", "KX9"}
                                      << QByteArray() << 2 << QStringList{"Unknown device type \"KX9\""};
        QTest::newRow("unknown fault") << QStringList{"--fault", "fire"} << QByteArray() << 2
                                       << QStringList{"Unknown fault \"fire\"", "device-fault"};
        for (const char *option : {"--screenshots", "--window-screenshot", "--scenario", "--drive"})
            QTest::addRow("empty %s", option) << QStringList{option, ""} << QByteArray() << 2
                                              << QStringList{QStringLiteral("%1 needs a <").arg(QLatin1String(option))};
        QTest::newRow("missing plug-in") << QStringList{"--plugin", "/nonexistent/libX.so"} + pictures << QByteArray() << 2
                                         << QStringList{"/nonexistent/libX.so: No such file or directory"};
        QTest::newRow("library without entry points") << QStringList{"--plugin", BREVANE_NOT_A_PLUGIN_PATH} + pictures
                                                      << QByteArray() << 2
                                                      << QStringList{"is no Brevane plug-in", "\"containerNameFunction\""};
        const QByteArray brokenDrive = R"({ "parameters": [
      { "coordinate": "K08", "type": "UINT8" },
      { "coordinate": "J10", "type": "STRING", "elements": "sixteen" } ] })";
        // The drive file's faults are told in the workbench's language, German unless chosen.
        QTest::newRow("malformed drive description") << QStringList{"--drive", "@file"} + pictures << brokenDrive << 2
                                                     << QStringList{"@file", "parameters[1]", "J10", "Feld \"elements\""};
        QTest::newRow("malformed drive description, French") << QStringList{"--language", "fr", "--drive", "@file"} + pictures
                                                             << brokenDrive << 2 << QStringList{"J10", "champ \"elements\" : un nombre entier"};
        QTest::newRow("missing drive description") << QStringList{"--drive", "/nonexistent/drive.json"} << QByteArray() << 2
                                                   << QStringList{"/nonexistent/drive.json: No such file or directory"};
        QTest::newRow("malformed scenario, French") << QStringList{"--language", "fr", "--scenario", "@file"}
                                                    << QByteArray(R"({"steps": [{"step": "jump"}]})") << 2
                                                    << QStringList{"étape 1 (jump) : étape inconnue"};
        QTest::newRow("scenario is a folder") << QStringList{"--scenario", "@dir"} << QByteArray() << 2 << QStringList{"@dir: ", "directory"};
        QTest::newRow("picture without extension") << QStringList{"--window-screenshot", "@dir/window"} << QByteArray() << 2
                                                   << QStringList{"@dir/window: the name has no image extension", ".png"};
        QTest::newRow("pictures below a file") << QStringList{"--screenshots", "@file/pictures"} << QByteArray("x") << 2
                                               << QStringList{"@file/pictures cannot be created: Not a directory"};
        QTest::newRow("window without a display") << QStringList{"--offline"} << QByteArray() << 2 << QStringList{"no display"};
    }

    // Everything here is settled before a window system is needed: run without a display.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QStringList, mentions);

        QTemporaryDir directory;
        const QString filePath = directory.filePath(QStringLiteral("file.json"));
        if (!file.isEmpty()) {
            QFile out(filePath);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        for (QStringList *list : {&arguments, &mentions}) {
            list->replaceInStrings(QStringLiteral("@file"), filePath);
            list->replaceInStrings(QStringLiteral("@dir"), directory.path());
        }
        const Run run = runWorkbench(arguments, false);

        QVERIFY2(run.exitCode == exitCode, qPrintable(run.output));
        for (const QString &mention : std::as_const(mentions))
            QVERIFY2(run.output.contains(mention), qPrintable(run.output));
    }

    void scenario_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("mention");

        QTest::newRow("no scenario, only the window") << QByteArray() << 0 << QString();
        QTest::newRow("a step fails") << QByteArray(R"({"steps": [{"step": "wait", "ms": 20},
            {"step": "expect", "parameter": "E48", "value": 4}]})")
                                      << 1 << "scenario.json: step 2 (expect): E48 is \"2\", expected \"4\"";
    }

    void scenario()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, exitCode);
        QFETCH(QString, mention);

        QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("scenario.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        file.close();
        // The window is saved after the scenario, also after a failed one.
        const QString picture = directory.filePath(QStringLiteral("window.png"));
        const QStringList scenario{QStringLiteral("--scenario"), path};
        const Run run = runWorkbench((json.isEmpty() ? QStringList() : scenario) + QStringList{"--window-screenshot", picture});
        QVERIFY2(run.exitCode == exitCode && run.output.contains(mention), qPrintable(run.output));
        const QImage window(picture);
        QCOMPARE(window.width() >= 800 && window.height() >= 600, exitCode != 2);
    }
};

QTEST_MAIN(TestWorkbenchRun)
#include "tst_workbenchrun.moc"
