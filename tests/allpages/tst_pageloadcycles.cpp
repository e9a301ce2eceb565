// The host loads and unloads the plug-in many times in one process (projects are opened and
// closed): every cycle creates and deletes every page and the translators, and the
// plug-in's resources must be gone after each unload. The growth of resident memory is
// printed (bench_allpages holds it against its target).
//
//   BREVANE_LOAD_CYCLES  number of cycles (default 100)

#include "PageHarness.h"

#include <QTest>

class TestPageLoadCycles : public QObject
{
    Q_OBJECT
private slots:
    void loadAndUnload();
};

void TestPageLoadCycles::loadAndUnload()
{
    bool ok = false;
    int cycles = qEnvironmentVariableIntValue("BREVANE_LOAD_CYCLES", &ok);
    if (!ok || cycles < 1)
        cycles = 100;
    WarningCollector warnings;
    const LoadCycles result = runLoadCycles(QStringLiteral(BREVANE_PLUGIN_PATH), cycles);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
    QCOMPARE(result.done, cycles);
    const QStringList messages = warnings.take();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    qInfo("resident memory after cycle 1: %lld KiB, after cycle %d: %lld KiB, growth %lld KiB",
          result.residentAfterFirstKiB, cycles, result.residentAfterLastKiB,
          result.residentAfterLastKiB - result.residentAfterFirstKiB);
}

QTEST_MAIN(TestPageLoadCycles)
#include "tst_pageloadcycles.moc"
