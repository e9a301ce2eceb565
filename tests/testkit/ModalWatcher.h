#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <functional>

class QDialog;

// Answers modal message boxes and dialogs while a test runs code that opens them.
// Queue an answer per expected box; a box that comes without a queued answer, or that is
// still open seconds after its answer, is recorded as unexpected and closed, so the test
// fails instead of hanging.
class ModalWatcher : public QObject
{
    Q_OBJECT
public:
    struct Seen
    {
        QString kind;   // "information", "warning", "question", "critical", or the dialog's class
        QString title;
        QString text;
        bool expected;
    };

    explicit ModalWatcher(QObject *parent = nullptr);

    // The button to press on the next message box.
    void answer(QMessageBox::StandardButton button);
    // What to do with the next dialog that is no message box (for example set a field and accept).
    void handleDialog(std::function<void(QDialog *)> handler);
    // Runs the action on the next box or dialog instead of answering it, from inside the box's
    // own event loop, as a host's event would arrive there (deleting the page, for example).
    // A box that is still open afterwards is recorded as unexpected and closed.
    void actOnNext(std::function<void()> action);
    // Answers every box and dialog that comes without a queued answer (a random run has no
    // expectations); such boxes count as expected. An empty function restores the default.
    void answerAllWith(std::function<void(QWidget *)> handler) { m_fallback = std::move(handler); }

    QList<Seen> seen() const { return m_seen; }
    QStringList texts() const;
    QStringList titles() const;
    int unexpectedCount() const;
    int pendingAnswers() const { return int(m_answers.size() + m_handlers.size() + m_actions.size()); }
    void clear() { m_seen.clear(); }
    // Forgets the answers and actions no box has taken.
    void clearPending();

private:
    void poll();
    void handle(QWidget *modal);

    QTimer m_timer;
    QQueue<QMessageBox::StandardButton> m_answers;
    QQueue<std::function<void(QDialog *)>> m_handlers;
    QQueue<std::function<void()>> m_actions;
    std::function<void(QWidget *)> m_fallback;
    struct Handled
    {
        QPointer<QWidget> modal;
        QElapsedTimer since;
    };
    QList<Handled> m_handled;
    QList<Seen> m_seen;
};
