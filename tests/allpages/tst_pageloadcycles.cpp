// The host loads and unloads the plug-in many times in one process (projects are opened and
// closed): every cycle creates and deletes every page and the translators, and the
// plug-in's resources must be gone after each unload. The growth of resident memory is
// printed and held against a limit: 100 cycles grew it by about 0.4 MiB, so that a page or a
// translator left behind in every cycle breaks the limit. AddressSanitizer keeps freed memory
// to itself (100 cycles grow by about 1 GiB there); its leak check stands in for the limit.
//
//   BREVANE_LOAD_CYCLES  number of cycles (default 100)

#include "EntryPoints.h"
#include "PageHarness.h"
#include "WizardPage.h"

#include <QFileInfo>
#include <QLibrary>
#include <QTest>
#include <QScopeGuard>
#include <QTranslator>

#include <algorithm>
#include <csignal>

#include <link.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Range
{
    quintptr start;
    quintptr end;
};

// The memory the loaded library with this file name occupies.
QList<Range> segmentsOf(const QString &fileName)
{
    struct Search
    {
        QByteArray name;
        QList<Range> found;
    } search{QFileInfo(fileName).fileName().toLocal8Bit(), {}};
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            auto *search = static_cast<Search *>(data);
            if (!info->dlpi_name || !QByteArray(info->dlpi_name).endsWith(search->name))
                return 0;
            const quintptr page = quintptr(sysconf(_SC_PAGESIZE));
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr) &header = info->dlpi_phdr[i];
                if (header.p_type != PT_LOAD)
                    continue;
                const quintptr start = (info->dlpi_addr + header.p_vaddr) & ~(page - 1);
                const quintptr end = (info->dlpi_addr + header.p_vaddr + header.p_memsz + page - 1) & ~(page - 1);
                search->found.append({start, end});
            }
            return 0;
        },
        &search);
    return search.found;
}

bool inside(const QList<Range> &ranges, quintptr at)
{
    return std::any_of(ranges.cbegin(), ranges.cend(), [at](const Range &range) { return at >= range.start && at < range.end; });
}

} // namespace

class TestPageLoadCycles : public QObject
{
    Q_OBJECT
private slots:
    void loadAndUnload();
    void keptAcrossReload();
};

void TestPageLoadCycles::loadAndUnload()
{
    const int cycles = qMax(1, int(environmentNumber("BREVANE_LOAD_CYCLES", 100)));
    WarningCollector warnings;
    const LoadCycles result = runLoadCycles(QStringLiteral(BREVANE_PLUGIN_PATH), cycles);
    QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
    QCOMPARE(result.done, cycles);
    const QStringList messages = warnings.take();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    qInfo("resident memory after cycle 1: %lld KiB, after cycle %d: %lld KiB, growth %lld KiB",
          result.residentAfterFirstKiB, cycles, result.residentAfterLastKiB,
          result.residentAfterLastKiB - result.residentAfterFirstKiB);
#ifndef __SANITIZE_ADDRESS__
    const qint64 limitKiB = 2048 + 20 * qint64(cycles);
    QVERIFY2(result.residentAfterLastKiB - result.residentAfterFirstKiB <= limitKiB,
             qPrintable(QStringLiteral("resident memory grew by more than %1 KiB").arg(limitKiB)));
#endif
}

// A host may keep what the plug-in handed it (identifiers, page names, the installed
// translator), unload the plug-in, load it again and use what it kept. The memory the first
// load occupied is reserved inaccessible meanwhile, so that the second load lands elsewhere and
// anything kept that still points into the first shows.
void TestPageLoadCycles::keptAcrossReload()
{
    using namespace BrevaneEntryPoints;
    WarningCollector warnings;
    QLibrary first(QStringLiteral(BREVANE_PLUGIN_PATH));
    QVERIFY2(first.load(), qPrintable(first.errorString()));
    const auto content = reinterpret_cast<Content>(first.resolve("contentFunction"));
    const auto staticContent = reinterpret_cast<StaticContent>(first.resolve("staticContentFunction"));
    const auto containerName = reinterpret_cast<ContainerName>(first.resolve("containerNameFunction"));
    const auto pageName = reinterpret_cast<WizardPageName>(first.resolve("wizardPageNameFunction"));
    const auto createPage = reinterpret_cast<CreateWizardPage>(first.resolve("createWizardPageFunction"));
    const auto translator = reinterpret_cast<Translator>(first.resolve("translator"));
    QVERIFY(content && staticContent && containerName && pageName && createPage && translator);
    const QList<Range> segments = segmentsOf(first.fileName());
    QVERIFY2(inside(segments, reinterpret_cast<quintptr>(content)), "the plug-in's memory was not found");

    // What the host keeps, as it was handed, by where it came from, with a copy of its own.
    struct Kept
    {
        QString from;
        QString handed;
        QString copy;
    };
    QList<Kept> kept;
    const auto keep = [&kept](const QString &from, const QString &text) {
        kept.append({from, text, QString(text.constData(), text.size())});
    };
    keep(QStringLiteral("containerNameFunction()"), containerName());
    for (const QString &identifier : staticContent())
        keep(QStringLiteral("staticContentFunction()"), identifier);
    for (const QString &identifier : content()) {
        keep(QStringLiteral("contentFunction()"), identifier);
        for (int language : {Text::German, Text::English, Text::French})
            keep(QStringLiteral("wizardPageNameFunction(%1)").arg(identifier), pageName(identifier).text(language));
        if (WizardPage *page = createPage(identifier)) {
            keep(QStringLiteral("%1 identifier()").arg(identifier), page->identifier());
            keep(QStringLiteral("%1 name()").arg(identifier), page->name().text(Text::German));
            delete page;
        }
    }
    flushDeletes();
    QList<QTranslator *> translators;
    for (int language : {Text::German, Text::English, Text::French})
        translators << translator(language);
    QVERIFY(translators.last());
    QCoreApplication::installTranslator(translators.at(1)); // English
    const auto safetyNote = [] { return QCoreApplication::translate("SteuertafelSicherheitshinweis", "Sicherheitshinweis"); };
    QCOMPARE(safetyNote(), QStringLiteral("Safety note"));

    // Installed again in the child below: every translation the test process makes meanwhile
    // (Qt's own error texts too) would go through it.
    QCoreApplication::removeTranslator(translators.at(1));
    QVERIFY(first.unload());
    // Where the first load lay stays inaccessible until the kept things have been used.
    QList<Range> reserved;
    for (const Range &range : segments) {
        void *at = mmap(reinterpret_cast<void *>(range.start), range.end - range.start, PROT_NONE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
        if (at == MAP_FAILED)
            QSKIP("the plug-in stayed mapped after unloading; what the host kept cannot be told apart");
        reserved << range;
    }
    // The host deletes the translators it kept only then; deleting one reads nothing of the library.
    const auto release = qScopeGuard([&reserved, &translators] {
        for (const Range &range : std::as_const(reserved))
            munmap(reinterpret_cast<void *>(range.start), range.end - range.start);
        qDeleteAll(translators);
    });
    QLibrary second(QStringLiteral(BREVANE_PLUGIN_PATH));
    QVERIFY2(second.load(), qPrintable(second.errorString()));

    QStringList faults;
    for (const Kept &item : std::as_const(kept)) {
        if (inside(segments, quintptr(item.handed.constData())))
            faults << QStringLiteral("%1 \"%2\" lives in the unloaded plug-in").arg(item.from, item.copy);
        else if (item.handed != item.copy)
            faults << QStringLiteral("%1 \"%2\" changed after reloading").arg(item.from, item.copy);
    }
    // The translator is used in a child process: where it reads the unloaded plug-in, the child dies.
    const pid_t child = fork();
    if (child == 0) {
        alarm(30);
        // Dies as it is, without the test's crash report.
        for (int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
            std::signal(signal, SIG_DFL);
        QCoreApplication::installTranslator(translators.at(1));
        _exit(safetyNote() == QLatin1String("Safety note") ? 0 : 1);
    }
    int status = 0;
    QVERIFY(child > 0 && waitpid(child, &status, 0) == child);
    if (WIFSIGNALED(status))
        faults << QStringLiteral("translating with the kept translator after reloading ends in signal %1").arg(WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        faults << QStringLiteral("translating with the kept translator after reloading fails (exit status %1)").arg(WEXITSTATUS(status));
    second.unload();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    const QStringList messages = warnings.take();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestPageLoadCycles)
#include "tst_pageloadcycles.moc"
