#include "ScreenshotRunner.h"

#include "PageArea.h"
#include "ScenarioRunner.h"
#include "WizardPage.h"
#include "Workbench.h"
#include "WorkbenchHost.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

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
