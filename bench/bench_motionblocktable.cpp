// Times the motion block table page at 16, 1000 and 16380 blocks against a plain
// QTableView over a QStandardItemModel holding the same texts.
//
//   bench_motionblocktable [blocks ...]      (each from 1 to 16380; default 16 1000 16380)
//
// Build it in Release; it runs headless (offscreen) unless QT_QPA_PLATFORM says otherwise.

#include "ModalWatcher.h"
#include "RecordingHost.h"
#include "StoreSeed.h"
#include "motionblocks/Fahrsatzbetrieb.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <memory>

namespace {

// Every per-block parameter the page reads, resizes or resets.
const QStringList blockCoordinates = {
    "J10",  "J11",  "J13",  "J14",  "J15",  "J16",  "J17",  "J18",  "J19",  "J20",  "J21",  "J24",  "J25",
    "J26",  "J27",  "J28",  "J30",  "J33",  "J55",  "J57",  "J58",  "J59",  "J60",  "J62",  "J63",  "J64",
    "J65",  "J67",  "J68",  "J69",  "J70",  "J72",  "J73",  "J74",  "J75",  "J251", "J252", "J253", "J254",
    "J255", "J261", "J262", "J263", "J264", "J265", "J271", "J272", "J273", "J274", "J275", "J281", "J282",
    "J283", "J284", "J285", "J286", "J440", "J441", "J442", "J443", "J444", "J452"};
const int resetCoordinateCount = 57;

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// A line of /proc/self/status in kB ("VmRSS", "VmHWM").
qint64 statusKb(const char *key)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// The resident size to measure growth from. Freed heap goes back to the system first, so that
// reused memory does not hide growth, and VmHWM starts again from here.
qint64 memoryBaseline()
{
    QCoreApplication::processEvents();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
    return statusKb("VmRSS");
}

double growthMb(qint64 baselineKb)
{
    return double(statusKb("VmHWM") - baselineKb) / 1024.0;
}

// Deletes a top-level widget straight away, with whatever is still posted for it, and
// delivers what the deletion posts.
double destructionTime(QWidget *widget)
{
    QElapsedTimer timer;
    timer.start();
    delete widget;
    QCoreApplication::sendPostedEvents();
    return seconds(timer);
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until the widget has painted once.
void waitForPaint(QWidget *widget)
{
    PaintCounter counter;
    widget->installEventFilter(&counter);
    QElapsedTimer timeout;
    timeout.start();
    while (counter.paints == 0 && timeout.elapsed() < 30000)
        QCoreApplication::processEvents();
    widget->removeEventFilter(&counter);
}

// A drive with the given number of blocks whose values all differ from their defaults,
// with commands that cover every kind of setpoint cell.
void seedDrive(RecordingHost &host, int blocks)
{
    ParameterStore &store = host.store();
    const auto count = static_cast<unsigned short>(blocks);
    QMap<qint64, QString> commands;
    for (int code = 0; code <= 14; ++code)
        commands.insert(code, QStringLiteral("Kommando %1").arg(code));
    QList<SeedParameter> parameters;
    for (const QString &coordinate : blockCoordinates) {
        if (coordinate == QLatin1String("J10"))
            parameters.append({coordinate, QStringLiteral("Fahrsatz"), count, ParameterDataType::String});
        else if (coordinate == QLatin1String("J11"))
            parameters.append({coordinate, QStringLiteral("0"), count, ParameterDataType::Int32, commands});
        else
            parameters.append({coordinate, QStringLiteral("-1"), count});
    }
    parameters.append({QStringLiteral("J32"), QStringLiteral("0")});
    parameters.append({QStringLiteral("I30"), QStringLiteral("300")});
    parameters.append({QStringLiteral("J300"), QStringLiteral("0")});
    seed(store, parameters);

    for (int block = 0; block < blocks; ++block) {
        const auto element = static_cast<unsigned short>(block);
        for (const QString &coordinate : blockCoordinates) {
            QString value;
            if (coordinate == QLatin1String("J10"))
                value = QStringLiteral("Fahrsatz %1").arg(block);
            else if (coordinate == QLatin1String("J11"))
                value = QString::number(block % 16);
            else if (coordinate == QLatin1String("J30"))
                value = QString::number(block % 2);
            else
                value = QString::number((block + 1) % blocks);
            store.setValue(coordinate, 1, element, value);
        }
    }
}

QAbstractItemView *tableOf(QWidget *page)
{
    return page->findChild<QAbstractItemView *>(QStringLiteral("tWFahrsaetze"));
}

struct Figures
{
    double fillShow = 0;
    double refill = 0;
    double destroy = 0;
    double peakMb = 0;
    double reset = 0;
    int countTarget = 0;     // the other count a change goes to and comes back from
    double countChange = 0;
    double countBack = 0;
    double plainFillShow = 0;
    double plainDestroy = 0;
    double plainPeakMb = 0;
};

// The same texts in a plain table: what any table of this size costs at least.
void runPlainTable(const QList<QStringList> &rows, const QStringList &headers, Figures *figures)
{
    const qint64 baseKb = memoryBaseline();
    QElapsedTimer timer;
    timer.start();
    auto *view = new QTableView;
    auto *model = new QStandardItemModel(int(rows.size()), int(headers.size()), view);
    model->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < headers.size(); ++column)
            model->setItem(row, column, new QStandardItem(rows.at(row).at(column)));
    }
    view->setModel(model);
    view->verticalHeader()->hide();
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->resizeColumnsToContents();
    view->resize(1200, 800);
    view->show();
    waitForPaint(view->viewport());
    figures->plainFillShow = seconds(timer);
    figures->plainPeakMb = growthMb(baseKb);
    figures->plainDestroy = destructionTime(view);
}

Figures run(int blocks)
{
    Figures figures;
    RecordingHost host;
    host.setOnline(false);
    seedDrive(host, blocks);
    ModalWatcher watcher;

    const qint64 baseKb = memoryBaseline();

    // Fill and first show.
    QElapsedTimer timer;
    timer.start();
    auto *page = new Fahrsatzbetrieb;
    host.attach(page);
    page->resize(1200, 800);
    page->show();
    QAbstractItemView *table = tableOf(page);
    waitForPaint(table->viewport());
    figures.fillShow = seconds(timer);

    // One value change, then the fill its timer would run.
    host.store().setValue(QStringLiteral("J13"), 1, static_cast<unsigned short>(blocks / 2), QStringLiteral("4711"));
    timer.restart();
    page->onFahrsatzTableChanged();
    waitForPaint(table->viewport());
    figures.refill = seconds(timer);
    figures.peakMb = growthMb(baseKb);

    // The texts the plain table gets.
    QStringList headers;
    QList<QStringList> rows;
    const QAbstractItemModel *model = table->model();
    for (int column = 0; column < model->columnCount(); ++column)
        headers << model->headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model->columnCount(); ++column)
            texts << model->index(row, column).data().toString();
        rows << texts;
    }

    // Reset of every block, answered with Yes.
    watcher.answer(QMessageBox::Yes);
    timer.restart();
    page->ResetFahrsaetzeClicked();
    figures.reset = seconds(timer);

    // A real count change, typed into the dialog and confirmed: to the largest number (from
    // 16380 to 16) and back again.
    const auto changeCount = [&](int count) {
        watcher.handleDialog([count](QDialog *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEditAnzahlFahrsaetze"))->setText(QString::number(count));
            dialog->findChild<QPushButton *>(QStringLiteral("pushButtonOk"))->click();
        });
        QElapsedTimer change;
        change.start();
        page->AnzahlAendernClicked();
        waitForPaint(table->viewport());
        const double elapsed = seconds(change);
        if (watcher.unexpectedCount() > 0 || table->model()->rowCount() != count)
            std::fprintf(stderr, "warning: the count change did not end with %d rows\n", count);
        return elapsed;
    };
    figures.countTarget = blocks == 16380 ? 16 : 16380;
    figures.countChange = changeCount(figures.countTarget);
    figures.countBack = changeCount(blocks);

    figures.destroy = destructionTime(page);

    runPlainTable(rows, headers, &figures);
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    const char *usage = "usage: bench_motionblocktable [blocks ...]   (each a number of blocks from 1 to 16380)\n";
    QList<int> sizes;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help") {
            std::printf("%s", usage);
            return 0;
        }
        bool ok = false;
        const int blocks = argument.toInt(&ok, 10);
        if (!ok || blocks < 1 || blocks > 16380) {
            std::fprintf(stderr, "bench_motionblocktable: not a number of blocks: %s\n%s", argv[i], usage);
            return 2;
        }
        sizes << blocks;
    }
    if (sizes.isEmpty())
        sizes = {16, 1000, 16380};

    // Fonts, style and caches are loaded once before anything is timed.
    run(16);

    std::printf("%7s %10s %10s %6s %8s %8s %8s %8s %9s %13s %14s %10s %12s\n", "blocks", "fill+show", "plain", "ratio",
                "refill", "destroy", "peak MB", "plain MB", "reset", "reset writes", "count change", "back",
                "plain destroy");
    Figures largest;
    for (const int blocks : std::as_const(sizes)) {
        const Figures f = run(blocks);
        const QByteArray change = QStringLiteral("→%1 %2s").arg(f.countTarget).arg(f.countChange, 0, 'f', 3).toUtf8();
        std::printf("%7d %9.3fs %9.3fs %6.2f %7.3fs %7.3fs %8.1f %8.1f %8.3fs %13d %15s %9.3fs %12.3fs\n", blocks,
                    f.fillShow, f.plainFillShow, f.fillShow / f.plainFillShow, f.refill, f.destroy, f.peakMb,
                    f.plainPeakMb, f.reset, blocks * resetCoordinateCount, change.constData(), f.countBack,
                    f.plainDestroy);
        std::fflush(stdout);
        if (blocks == 16380)
            largest = f;
    }
    if (largest.fillShow > 0) {
        auto verdict = [](bool met) { return met ? "met" : "MISSED"; };
        std::printf("\ntargets at 16380 blocks:\n");
        std::printf("  fill and first show <= 2x plain: %.2fx  %s\n", largest.fillShow / largest.plainFillShow,
                    verdict(largest.fillShow <= 2 * largest.plainFillShow));
        std::printf("  destruction < 0.2 s: %.3f s  %s\n", largest.destroy, verdict(largest.destroy < 0.2));
        std::printf("  memory growth < 100 MB: %.1f MB  %s\n", largest.peakMb, verdict(largest.peakMb < 100));
        std::printf("  reset < 3 s: %.3f s  %s\n", largest.reset, verdict(largest.reset < 3));
    }
    return 0;
}
