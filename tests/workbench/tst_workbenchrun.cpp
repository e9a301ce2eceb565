// The workbench executable as a person or a script runs it: start-up failures, the headless
// rendering of every page, and the picture of the window.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString output;
};

Run runWorkbench(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
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

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestWorkbenchRun : public QObject
{
    Q_OBJECT
private slots:
    void cannotStart_data();
    void cannotStart();
    void screenshotsOfEveryPage();
    void requireAllMatchesWhatIsAvailable();
    void otherDeviceBusAndLanguage();
    void windowScreenshot();
    void scenario_data();
    void scenario();
};

void TestWorkbenchRun::cannotStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("driveFile");
    QTest::addColumn<QStringList>("mentions");

    const QByteArray brokenDrive = R"({ "parameters": [
  { "coordinate": "K08", "type": "UINT8" },
  { "coordinate": "J10", "type": "STRING", "elements": "sixteen" } ] })";
    QTest::newRow("malformed drive description")
        << QStringList{"--drive", "@drive"} << brokenDrive
        << QStringList{"broken.json", "parameters[1]", "J10", "field \"elements\""};
    QTest::newRow("missing drive description")
        << QStringList{"--drive", "/nonexistent/drive.json"} << QByteArray() << QStringList{"/nonexistent/drive.json"};
    QTest::newRow("missing plug-in") << QStringList{"--plugin", "/nonexistent/libBrevane.so"} << QByteArray()
                                     << QStringList{"Cannot load the plug-in", "/nonexistent/libBrevane.so"};
    QTest::newRow("library without entry points")
        << QStringList{"--plugin", BREVANE_NOT_A_PLUGIN_PATH} << QByteArray()
        << QStringList{"is no Brevane plug-in", "\"containerNameFunction\""};
    QTest::newRow("unknown device") << QStringList{"--device", "KX9"} << QByteArray()
                                    << QStringList{"Unknown device type \"KX9\""};
    QTest::newRow("unknown fault") << QStringList{"--fault", "fire"} << QByteArray()
                                   << QStringList{"Unknown fault \"fire\"", "device-fault"};
    QTest::newRow("unknown option") << QStringList{"--colour", "red"} << QByteArray() << QStringList{"colour"};
}

void TestWorkbenchRun::cannotStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, driveFile);
    QFETCH(QStringList, mentions);

    QTemporaryDir directory;
    const QString drivePath = directory.filePath(QStringLiteral("broken.json"));
    if (!driveFile.isEmpty()) {
        QFile file(drivePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(driveFile);
    }
    arguments.replaceInStrings(QStringLiteral("@drive"), drivePath);
    const QString pictures = directory.filePath(QStringLiteral("pictures"));
    const Run run = runWorkbench(arguments + QStringList{"--screenshots", pictures});

    QCOMPARE(run.exitCode, 2);
    for (const QString &mention : std::as_const(mentions))
        QVERIFY2(run.output.contains(mention), qPrintable(run.output));
    QVERIFY(!QFile::exists(QDir(pictures).filePath(QStringLiteral("index.html"))));
}

void TestWorkbenchRun::screenshotsOfEveryPage()
{
    QTemporaryDir directory;
    const Run run = runWorkbench({QStringLiteral("--screenshots"), directory.path()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));

    const QString index = readFile(directory.filePath(QStringLiteral("index.html")));
    QVERIFY(!index.isEmpty());
    // One entry per page of the plug-in in the tree, each with its picture or marked missing.
    static const QRegularExpression figure(QStringLiteral("<figure id=\"([^\"]+)\">(.*?)</figure>"));
    int entries = 0;
    for (auto it = figure.globalMatch(index); it.hasNext(); ++entries) {
        const QRegularExpressionMatch match = it.next();
        const QString identifier = match.captured(1);
        if (match.captured(2).contains(QLatin1String("not available")))
            continue;
        const QImage picture(directory.filePath(identifier + QStringLiteral(".png")));
        QVERIFY2(!picture.isNull(), qPrintable(identifier));
        // The page fills the page area at least (less a scroll bar where it is longer).
        QVERIFY2(picture.width() >= 900 && picture.height() >= 600, qPrintable(identifier));
    }
    QCOMPARE(entries, 62);
    QVERIFY(!index.contains(QLatin1String("id=\"DbmVisibility\"")));
    QVERIFY(!index.contains(QLatin1String("id=\"EinAusgaenge\"")));
}

void TestWorkbenchRun::requireAllMatchesWhatIsAvailable()
{
    QTemporaryDir directory;
    const Run run = runWorkbench({QStringLiteral("--screenshots"), directory.path(), QStringLiteral("--require-all")});
    const QString index = readFile(directory.filePath(QStringLiteral("index.html")));
    QVERIFY(!index.isEmpty());
    // The summary counts the placeholders: "… 0 not available yet." when every page exists.
    const bool complete = index.contains(QLatin1String(", 0 not available yet."));
    QVERIFY2(run.exitCode == (complete ? 0 : 1), qPrintable(run.output));
}

void TestWorkbenchRun::otherDeviceBusAndLanguage()
{
    QTemporaryDir directory;
    const Run run = runWorkbench({QStringLiteral("--screenshots"), directory.path(), QStringLiteral("--device"),
                                  QStringLiteral("KQ2"), QStringLiteral("--fieldbus"), QStringLiteral("profinet"),
                                  QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("--offline"),
                                  QStringLiteral("--read-only")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    const QString index = readFile(directory.filePath(QStringLiteral("index.html")));
    QVERIFY(index.contains(QLatin1String("Device KQ2, fieldbus PROFINET")));
    QVERIFY(index.contains(QLatin1String("offline, read-only")));
    // The names come from the plug-in in the chosen language.
    QVERIFY(index.contains(QLatin1String("<b>Motion blocks</b> (MotionBlocks)")));
}

void TestWorkbenchRun::windowScreenshot()
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("window.png"));
    const Run run = runWorkbench({QStringLiteral("--window-screenshot"), path});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    const QImage picture(path);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() >= 800 && picture.height() >= 600);
}

void TestWorkbenchRun::scenario_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("mention");

    QTest::newRow("passes") << QByteArray(R"({"steps": [{"step": "show", "page": "SteuertafelTippen"},
        {"step": "fault", "fault": "device-fault"}, {"step": "expect", "parameter": "E48", "value": 5}]})")
                            << 0 << QString();
    QTest::newRow("a step fails") << QByteArray(R"({"steps": [{"step": "wait", "ms": 20},
        {"step": "expect", "parameter": "E48", "value": 4}]})")
                                  << 1 << "scenario.json: step 2 (expect): E48 is \"2\", expected \"4\"";
    QTest::newRow("malformed") << QByteArray("{\"steps\": [\n{\"step\": }]}") << 2 << "scenario.json:2:";
    QTest::newRow("unknown object") << QByteArray(R"({"steps": [{"step": "show", "page": "SteuertafelTippen"},
        {"step": "press", "object": "ToolButtonTipSideways"}]})")
                                    << 2 << "no object \"ToolButtonTipSideways\"";
}

void TestWorkbenchRun::scenario()
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
    const Run run = runWorkbench({QStringLiteral("--scenario"), path, QStringLiteral("--window-screenshot"), picture});
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.output));
    QVERIFY2(run.output.contains(mention), qPrintable(run.output));
    QCOMPARE(!QImage(picture).isNull(), exitCode != 2);
}

QTEST_MAIN(TestWorkbenchRun)
#include "tst_workbenchrun.moc"
