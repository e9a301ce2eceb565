#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class PluginSession;
class QWidget;

// The journal of a page's run: what a user sees of every widget when the page opens, then, after
// every action, the widgets that changed, what the page asked of the host, the boxes it showed
// and the values it wrote. Kept as text beside the test, it holds a page's behaviour as it was
// when someone last read and approved it; a run that differs fails at its first differing step.
class PageJournal
{
public:
    explicit PageJournal(PluginSession *session);
    ~PageJournal();
    PageJournal(const PageJournal &) = delete;
    PageJournal &operator=(const PageJournal &) = delete;

    // One line per widget a user could see (hidden widgets say so once, for their whole
    // subtree), keyed by its place on the page.
    static QMap<QString, QString> state(const QWidget *page);

    // Lets pending work of the page end (posted events, its single-shot timers) and notes the
    // step: what was done and what changed since the last one.
    void record(const QString &action, QWidget *page);
    // A box the page showed, before it is answered.
    void noteBox(const QWidget *box);
    // Something else the step did, for its record.
    void note(const QString &line) { m_pending << QStringLiteral("  ") + line; }

    QStringList lines() const { return m_lines; }

    // Empty when the lines are the expected ones; otherwise the first step that differs, in
    // words: what the journal has and what the run did instead.
    static QString compare(const QStringList &expected, const QStringList &actual);

private:
    PluginSession *m_session;
    QMap<QString, QString> m_shown;
    QStringList m_pending; // host calls and boxes since the last step
    QStringList m_lines;
};
