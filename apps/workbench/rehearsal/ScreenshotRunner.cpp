#include "ScreenshotRunner.h"

#include "PageArea.h"
#include "ScenarioRunner.h"
#include "WizardPage.h"
#include "Workbench.h"
#include "WorkbenchHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMessageBox>
#include <QStackedWidget>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <cstdio>
#include <filesystem>

namespace {

// Closes any modal box a page opens while it is shown, so that the run never waits for a
// person, and keeps what it said.
class ModalCloser
{
public:
    ModalCloser()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeModal(); });
        m_timer.start();
    }

    QStringList take()
    {
        QStringList seen;
        seen.swap(m_seen);
        return seen;
    }

private:
    void closeModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            m_seen << QStringLiteral("%1: %2").arg(box->windowTitle(), messageBoxText(*box));
        else
            m_seen << modal->windowTitle();
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }

    QTimer m_timer;
    QStringList m_seen;
};

void settle()
{
    // Layouts, posted updates and zero timers of the page that was just shown.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// Keeps a window from painting itself: the pictures are painted by grab() alone.
class NoScreenPainting : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::UpdateRequest || QObject::eventFilter(watched, event);
    }
};

// What a page shows apart from its texts: which widgets are visible, enabled, checked, which
// entry and which stacked page is current. Geometry is left out: longer texts move widgets.
QByteArray structureOf(QWidget *page)
{
    QByteArray structure;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(page))
            continue;
        structure += widget->metaObject()->className();
        structure += ' ' + widget->objectName().toUtf8() + (widget->isEnabled() ? " e" : " d");
        if (auto *button = qobject_cast<QAbstractButton *>(widget); button && button->isChecked())
            structure += " checked";
        if (auto *box = qobject_cast<QComboBox *>(widget))
            structure += ' ' + QByteArray::number(box->currentIndex()) + '/' + QByteArray::number(box->count());
        if (auto *stack = qobject_cast<QStackedWidget *>(widget))
            structure += ' ' + QByteArray::number(stack->currentIndex());
        structure += '\n';
    }
    return QCryptographicHash::hash(structure, QCryptographicHash::Sha1);
}

// A quarter-size picture to compare with: text is drawn a shade lighter or darker from one
// workbench to the next, a real difference is a line or more.
QImage coarse(const QImage &image)
{
    return image.scaled(image.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

bool nearlyEqual(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        const auto *left = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *right = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (qAbs(qRed(left[x]) - qRed(right[x])) > 12 || qAbs(qGreen(left[x]) - qGreen(right[x])) > 12
                || qAbs(qBlue(left[x]) - qBlue(right[x])) > 12)
                return false;
        }
    }
    return true;
}

struct Variant
{
    eDeviceType device;
    eFieldbusType fieldbus;
    int language;
    QString key;    // in file names: de-KM2-ethercat
    QString label;  // in the index
};

struct Shot
{
    QString file;
    QByteArray structure;
    bool inTree = true;
    QStringList boxes;  // message boxes the page opened when it was shown
};

} // namespace

ScreenshotRunner::ScreenshotRunner(Workbench *workbench, const QString &directory, bool requireAll)
    : m_workbench(workbench), m_directory(directory), m_requireAll(requireAll)
{
}

int ScreenshotRunner::run()
{
    QDir directory(m_directory);
    std::error_code made;
    std::filesystem::create_directories(QFile::encodeName(m_directory).toStdString(), made);
    if (made || !directory.exists()) {
        std::fprintf(stderr, "%s cannot be created: %s\n", qPrintable(QDir::toNativeSeparators(m_directory)),
                     made ? made.message().c_str() : "it is no folder");
        return 2;
    }

    QWidget frame;
    frame.setWindowTitle(QStringLiteral("Brevane Workbench"));
    auto *layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *area = new PageArea(&frame);
    layout->addWidget(area);
    frame.setFixedSize(pageAreaSize());
    frame.show();

    ModalCloser closer;
    m_workbench->createPages(area);
    settle();
    const QStringList startMessages = closer.take();

    WorkbenchHost *host = m_workbench->host();
    int failures = 0;
    for (const Workbench::Page &page : m_workbench->pages()) {
        if (page.kind == Workbench::PageKind::Foreign)
            continue;
        Entry entry;
        entry.identifier = page.identifier;
        entry.name = host->pageName(page.identifier);
        entry.hiddenInTree = !host->isPageVisible(page.identifier);
        if (page.kind == Workbench::PageKind::Unavailable || !page.page) {
            entry.state = QStringLiteral("not available");
            if (m_requireAll) {
                std::fprintf(stderr, "%s: the plug-in creates no page\n", qPrintable(page.identifier));
                ++failures;
            }
            m_entries << entry;
            continue;
        }
        // Hidden pages are rendered too: the tree decides what a user can reach, not what exists.
        area->showPage(page.identifier);
        settle();
        entry.messages = closer.take();
        entry.picture = page.identifier + QStringLiteral(".png");
        QString why;
        if (WorkbenchFiles::writePicture(page.page->grab().toImage(), directory.filePath(entry.picture), &why)) {
            entry.state = QStringLiteral("rendered");
        } else {
            std::fprintf(stderr, "%s cannot be written: %s\n", qPrintable(directory.filePath(entry.picture)), qPrintable(why));
            entry.state = QStringLiteral("failed");
            entry.picture.clear();
            ++failures;
        }
        m_entries << entry;
    }
    if (!startMessages.isEmpty() && !m_entries.isEmpty())
        m_entries.first().messages = startMessages + m_entries.first().messages;

    QString error;
    if (!writeIndex(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        ++failures;
    }
    // The pages go while their area still exists, so the shown one gets its hide event.
    m_workbench->shutdown();
    return failures == 0 ? 0 : 1;
}

bool ScreenshotRunner::writeIndex(QString *error) const
{
    const WorkbenchHost *host = m_workbench->host();
    QString language = QString::number(m_workbench->language());
    for (const auto &entry : WorkbenchNames::languages()) {
        if (entry.language == m_workbench->language())
            language = QString::fromUtf8(entry.option);
    }
    int rendered = 0;
    int missing = 0;
    for (const Entry &entry : m_entries) {
        rendered += entry.state == QLatin1String("rendered") ? 1 : 0;
        missing += entry.state == QLatin1String("not available") ? 1 : 0;
    }

    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Brevane pages</title>\n"
                           "<style>body{font-family:sans-serif;margin:2em}figure{display:inline-block;margin:1em;"
                           "vertical-align:top}img{width:500px;border:1px solid #888}figcaption{max-width:500px}"
                           ".hidden{color:#a60}.missing{color:#a00}.note{color:#555;font-size:90%}</style>"
                           "</head><body>\n");
    html += QStringLiteral("<h1>%1</h1>\n").arg(m_workbench->plugin().containerName().toHtmlEscaped());
    html += QStringLiteral("<p>Device %1, fieldbus %2, language %3, %4, %5. %6 pages rendered, %7 not available yet.</p>\n")
                .arg(WorkbenchNames::deviceName(host->deviceType()), WorkbenchNames::fieldbusLabel(host->fieldbusType()))
                .arg(language)
                .arg(host->isOnline() ? QStringLiteral("online") : QStringLiteral("offline"),
                     host->isReadOnly() ? QStringLiteral("read-only") : QStringLiteral("editable"))
                .arg(rendered)
                .arg(missing);
    for (const Entry &entry : m_entries) {
        html += QStringLiteral("<figure id=\"%1\">").arg(entry.identifier.toHtmlEscaped());
        if (!entry.picture.isEmpty())
            html += QStringLiteral("<a href=\"%1\"><img src=\"%1\" alt=\"%2\"></a>")
                        .arg(entry.picture.toHtmlEscaped(), entry.identifier.toHtmlEscaped());
        html += QStringLiteral("<figcaption><b>%1</b> (%2)").arg(entry.name.toHtmlEscaped(), entry.identifier.toHtmlEscaped());
        if (entry.state != QLatin1String("rendered"))
            html += QStringLiteral(" <span class=\"missing\">%1</span>").arg(entry.state);
        if (entry.hiddenInTree)
            html += QStringLiteral(" <span class=\"hidden\">hidden in the tree</span>");
        for (const QString &message : entry.messages)
            html += QStringLiteral("<br><span class=\"note\">message: %1</span>").arg(message.toHtmlEscaped());
        html += QStringLiteral("</figcaption></figure>\n");
    }
    html += QStringLiteral("</body></html>\n");

    QFile file(QDir(m_directory).filePath(QStringLiteral("index.html")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(html.toUtf8()) < 0) {
        *error = QStringLiteral("%1 cannot be written: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

int ScreenshotRunner::runAllVariants()
{
    QElapsedTimer clock;
    clock.start();
    QDir directory(m_directory);
    if (!directory.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s cannot be created\n", qPrintable(QDir::toNativeSeparators(m_directory)));
        return 2;
    }
    const WorkbenchOptions options = m_workbench->options();
    const QString container = m_workbench->plugin().containerName();
    const eDeviceType baseDevice = options.deviceType;
    const eFieldbusType baseBus = options.fieldbusType;
    // The configurations a workbench starts in; the languages are switched within each.
    QList<QPair<eDeviceType, eFieldbusType>> configurations{{baseDevice, baseBus}};
    for (const auto &device : WorkbenchNames::devices()) {
        if (device.type != baseDevice)
            configurations.append({device.type, baseBus});
    }
    for (const auto &bus : WorkbenchNames::fieldbuses()) {
        if (bus.type != baseBus)
            configurations.append({baseDevice, bus.type});
    }
    auto keyOf = [](eDeviceType device, eFieldbusType bus, const WorkbenchNames::Language &language) {
        QString option;
        for (const auto &entry : WorkbenchNames::fieldbuses())
            option = entry.type == bus ? QLatin1String(entry.option) : option;
        return QStringLiteral("%1-%2-%3").arg(QLatin1String(language.option), WorkbenchNames::deviceName(device), option);
    };
    const WorkbenchNames::Language &german = WorkbenchNames::languages().constFirst();

    // Equal pictures are written once; the encoding runs beside the rendering.
    QHash<QByteArray, QString> files;
    QHash<QString, QHash<QString, Shot>> shots;  // variant key -> page -> picture
    QList<Variant> columns;
    QStringList pageOrder;
    QHash<QString, QString> pageNames;
    QSet<QString> busDependent;
    QHash<QString, QImage> baseCoarse;  // the base's German pictures, to find what a variant changes
    QThreadPool writers;
    std::atomic<int> failures{0};
    QString error;
    // Every variant from a fresh start, as --device, --fieldbus and --language give it: not
    // every page follows a switch while it exists. German first: it is the twin of the other
    // languages and tells which pages a device type or fieldbus changes at all.
    m_workbench->shutdown();
    for (const auto &[device, bus] : std::as_const(configurations)) {
        const bool base = device == baseDevice && bus == baseBus;
        QSet<QString> dependent;  // pages whose German picture differs from the base's
        for (const auto &language : WorkbenchNames::languages()) {
            const bool translation = language.language != german.language;
            if (!base && translation && dependent.isEmpty())
                continue;
            WorkbenchOptions next = options;
            next.deviceType = device;
            next.fieldbusType = bus;
            next.language = language.language;
            Workbench workbench(next);
            if (!workbench.start(&error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                ++failures;
                continue;
            }
            QWidget frame;
            auto *layout = new QVBoxLayout(&frame);
            layout->setContentsMargins(0, 0, 0, 0);
            auto *area = new PageArea(&frame);
            layout->addWidget(area);
            frame.setFixedSize(pageAreaSize());
            // Shown to the pages, never painted on a screen: grab() paints what the pictures need.
            NoScreenPainting noPainting;
            frame.installEventFilter(&noPainting);
            frame.setAttribute(Qt::WA_DontShowOnScreen);
            frame.show();
            ModalCloser closer;
            workbench.createPages(area);
            settle();
            closer.take();
            WorkbenchHost *host = workbench.host();
            const Variant variant{device, bus, language.language, keyOf(device, bus, language),
                                  QStringLiteral("%1 %2 %3").arg(QLatin1String(language.option), WorkbenchNames::deviceName(device),
                                                                 WorkbenchNames::fieldbusLabel(bus))};
            columns << variant;
            for (const Workbench::Page &page : workbench.pages()) {
                if (page.kind != Workbench::PageKind::Plugin || !page.page)
                    continue;
                if (base && !translation) {
                    pageOrder << page.identifier;
                    pageNames.insert(page.identifier, host->pageName(page.identifier));
                }
                if (!base && translation && !dependent.contains(page.identifier))
                    continue;
                area->showPage(page.identifier);
                settle();
                const QStringList boxes = closer.take();
                const QImage image = page.page->grab().toImage();
                // Two seeds make a collision between two different pictures out of the question.
                const auto *bits = image.constBits();
                const auto size = size_t(image.sizeInBytes());
                const QByteArray hash = QByteArray::number(quint64(qHashBits(bits, size, 1)), 36) + '.'
                    + QByteArray::number(quint64(qHashBits(bits, size, 2)), 36);
                auto file = files.constFind(hash);
                if (file == files.constEnd()) {
                    file = files.insert(hash, QStringLiteral("%1-%2.png").arg(page.identifier, variant.key));
                    writers.start([image, path = directory.filePath(*file), &failures] {
                        // A light compression: written in seconds, a little larger.
                        if (!image.save(path, "PNG", 80)) {
                            std::fprintf(stderr, "%s cannot be written\n", qPrintable(path));
                            ++failures;
                        }
                    });
                }
                const Shot shot{*file, structureOf(page.page), host->isPageVisible(page.identifier), boxes};
                shots[variant.key].insert(page.identifier, shot);
                if (base && !translation)
                    baseCoarse.insert(page.identifier, coarse(image));
                if (!base && !translation) {
                    const Shot reference = shots.value(keyOf(baseDevice, baseBus, german)).value(page.identifier);
                    if (reference.inTree != shot.inTree
                        || (reference.file != shot.file && !nearlyEqual(baseCoarse.value(page.identifier), coarse(image)))) {
                        dependent.insert(page.identifier);
                        if (bus != baseBus)
                            busDependent.insert(page.identifier);
                    }
                }
            }
            area->clearCurrent();
            workbench.shutdown();
        }
    }
    writers.waitForDone();
    std::printf("%d pictures of %d pages in %d variants in %.1f s: %s\n", int(files.size()), int(pageOrder.size()),
                int(columns.size()), clock.elapsed() / 1000.0, qPrintable(directory.filePath(QStringLiteral("index.html"))));

    // Columns by device or fieldbus, the languages of each side by side: a page's German
    // twin stands right before its translations.
    std::stable_sort(columns.begin(), columns.end(), [baseBus](const Variant &a, const Variant &b) {
        auto rank = [baseBus](const Variant &v) {
            const auto &devices = WorkbenchNames::devices();
            const auto &buses = WorkbenchNames::fieldbuses();
            if (v.fieldbus == baseBus)
                return int(std::find_if(devices.cbegin(), devices.cend(), [&](const auto &d) { return d.type == v.device; }) - devices.cbegin());
            return 100 + int(std::find_if(buses.cbegin(), buses.cend(), [&](const auto &b) { return b.type == v.fieldbus; }) - buses.cbegin());
        };
        return rank(a) < rank(b);
    });
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Brevane pages in every variant</title>\n"
        "<style>body{font-family:sans-serif;margin:1em}table{border-collapse:collapse}"
        "th,td{border:1px solid #ccc;padding:3px;vertical-align:top;font-size:80%}"
        "tbody th{position:sticky;left:0;background:#fff;text-align:left;max-width:12em}"
        "thead th{position:sticky;top:0;background:#eee}img{width:150px;display:block}"
        "td.same img{opacity:.45}td.texts img{outline:3px solid #2a2}td.differs img{outline:3px solid #d00}"
        ".only td.same img,.only td.texts img{display:none}.hidden{color:#a60}</style></head><body>\n");
    int textsOnly = 0;
    int differs = 0;
    QStringList differing;
    QString rows;
    for (const QString &identifier : std::as_const(pageOrder)) {
        QString row = QStringLiteral("<tr id=\"%1\"><th>%2<br><small>%1</small></th>")
                          .arg(identifier.toHtmlEscaped(), pageNames.value(identifier).toHtmlEscaped());
        bool pageDiffers = false;
        for (const Variant &v : std::as_const(columns)) {
            const QHash<QString, Shot> &variantShots = shots[v.key];
            const auto found = variantShots.constFind(identifier);
            if (found == variantShots.constEnd()) {
                row += QStringLiteral("<td class=\"none\">as %1 %2</td>")
                           .arg(WorkbenchNames::deviceName(baseDevice), WorkbenchNames::fieldbusLabel(baseBus));
                continue;
            }
            const Shot &shot = *found;
            QString mark;
            QString note;
            if (v.language != Text::German) {
                const Shot twin = shots.value(keyOf(v.device, v.fieldbus, german)).value(identifier);
                if (twin.file == shot.file) {
                    mark = QStringLiteral("same");
                    note = QStringLiteral("= de");
                } else if (twin.structure == shot.structure) {
                    mark = QStringLiteral("texts");
                    note = QStringLiteral("texts only");
                    ++textsOnly;
                } else {
                    mark = QStringLiteral("differs");
                    note = QStringLiteral("differs beyond texts");
                    ++differs;
                    pageDiffers = true;
                }
            }
            if (!shot.inTree)
                note += QStringLiteral(" <span class=\"hidden\">hidden in the tree</span>");
            for (const QString &box : shot.boxes)
                note += QStringLiteral("<br><span class=\"hidden\">message: %1</span>").arg(box.toHtmlEscaped());
            row += QStringLiteral("<td class=\"%1\"><a href=\"%2\"><img loading=\"lazy\" src=\"%2\" alt=\"%3\"></a>%4</td>")
                       .arg(mark, shot.file.toHtmlEscaped(), v.label.toHtmlEscaped(), note);
        }
        if (pageDiffers)
            differing << QStringLiteral("<a href=\"#%1\">%1</a>").arg(identifier.toHtmlEscaped());
        rows += row + QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("<h1>%1: every page in every variant</h1>\n").arg(container.toHtmlEscaped());
    html += QStringLiteral("<p>%1 pages in %2 variants, %4 different pictures, rendered in %5 s. Every page is shown in "
                           "German in every device type and fieldbus (%3 pages depend on the fieldbus); its English and "
                           "French pictures of a device type or fieldbus are made where its German one differs from %6 %7, "
                           "the other cells say \"as %6 %7\".</p>\n")
                .arg(pageOrder.size())
                .arg(columns.size())
                .arg(busDependent.size())
                .arg(files.size())
                .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
                .arg(WorkbenchNames::deviceName(baseDevice), WorkbenchNames::fieldbusLabel(baseBus));
    html += QStringLiteral("<p>Against its German twin a translated picture is <span style=\"color:#2a2\">green</span> when "
                           "it differs only by its texts (the same widgets visible, enabled, checked and chosen), "
                           "<span style=\"color:#d00\">red</span> when it differs beyond them (%1 pictures), pale when it "
                           "is the same picture. %2 pictures differ only by their texts.</p>\n")
                .arg(differs)
                .arg(textsOnly);
    if (!differing.isEmpty())
        html += QStringLiteral("<p>Beyond texts: %1</p>\n").arg(differing.join(QStringLiteral(", ")));
    html += QStringLiteral("<p><label><input type=\"checkbox\" onchange=\"document.body.classList.toggle('only',this.checked)\">"
                           " show only what differs beyond texts</label></p>\n<table><thead><tr><th>Page</th>");
    for (const Variant &v : std::as_const(columns))
        html += QStringLiteral("<th>%1</th>").arg(v.label.toHtmlEscaped());
    html += QStringLiteral("</tr></thead><tbody>\n") + rows + QStringLiteral("</tbody></table></body></html>\n");

    QFile index(directory.filePath(QStringLiteral("index.html")));
    if (!index.open(QIODevice::WriteOnly | QIODevice::Truncate) || index.write(html.toUtf8()) < 0) {
        std::fprintf(stderr, "%s cannot be written: %s\n", qPrintable(index.fileName()), qPrintable(index.errorString()));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
