#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class Workbench;

// The headless mode: shows every page of the tree that the plug-in creates in a page area of
// a fixed size, saves a picture of each as <identifier>.png and writes an index.html of them.
class ScreenshotRunner
{
public:
    struct Entry
    {
        QString identifier;
        QString name;
        QString state;      // "rendered", "not available", "failed"
        QString picture;    // file name, empty when there is none
        bool hiddenInTree = false;
        QStringList messages; // message boxes the page opened while it was shown
    };

    ScreenshotRunner(Workbench *workbench, const QString &directory, bool requireAll);

    static QSize pageAreaSize() { return {1000, 700}; }

    // Renders the pages, writes the index and takes the workbench down; returns the exit code.
    int run();
    // The gallery: every page in every device type and language, and in every fieldbus where
    // the page depends on it, with an index.html of pages by variants; returns the exit code.
    int runAllVariants();
    const QList<Entry> &entries() const { return m_entries; }

private:
    bool writeIndex(QString *error) const;

    Workbench *m_workbench;
    QString m_directory;
    bool m_requireAll;
    QList<Entry> m_entries;
};
