#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

#include <algorithm>

namespace {

QString kindOf(const QMessageBox *box)
{
    switch (box->icon()) {
    case QMessageBox::Information: return QStringLiteral("information");
    case QMessageBox::Warning: return QStringLiteral("warning");
    case QMessageBox::Question: return QStringLiteral("question");
    case QMessageBox::Critical: return QStringLiteral("critical");
    default: return QStringLiteral("message");
    }
}

} // namespace

ModalWatcher::ModalWatcher(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

void ModalWatcher::answer(QMessageBox::StandardButton button)
{
    m_answers.enqueue(button);
}

void ModalWatcher::handleDialog(std::function<void(QDialog *)> handler)
{
    m_handlers.enqueue(std::move(handler));
}

void ModalWatcher::actOnNext(std::function<void()> action)
{
    m_actions.enqueue(std::move(action));
}

void ModalWatcher::clearPending()
{
    m_answers.clear();
    m_handlers.clear();
    m_actions.clear();
}

QStringList ModalWatcher::texts() const
{
    QStringList list;
    for (const Seen &seen : m_seen)
        list << seen.text;
    return list;
}

QStringList ModalWatcher::titles() const
{
    QStringList list;
    for (const Seen &seen : m_seen)
        list << seen.title;
    return list;
}

int ModalWatcher::unexpectedCount() const
{
    return int(std::count_if(m_seen.cbegin(), m_seen.cend(), [](const Seen &seen) { return !seen.expected; }));
}

void ModalWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    m_handled.removeIf([](const Handled &handled) { return handled.modal.isNull(); });
    const auto handled = std::find_if(m_handled.begin(), m_handled.end(),
                                      [modal](const Handled &entry) { return entry.modal == modal; });
    if (handled != m_handled.end()) {
        // Answered, and open still: the code that should close it did not.
        if (handled->since.hasExpired(5000)) {
            m_seen.append({QStringLiteral("still open"), modal->windowTitle(), QString(), false});
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            modal->close();
        }
        return;
    }
    m_handled.append(Handled{modal, {}});
    m_handled.last().since.start();
    // Answered from a posted event, not from the timer: a timer does not fire again while its own
    // slot runs, so a box that the answer opens in turn would wait for an answer that never came.
    QMetaObject::invokeMethod(this, [this, shown = QPointer<QWidget>(modal)] {
        if (shown && shown->isVisible())
            handle(shown);
    }, Qt::QueuedConnection);
}

void ModalWatcher::handle(QWidget *modal)
{
    auto *box = qobject_cast<QMessageBox *>(modal);
    auto *dialog = qobject_cast<QDialog *>(modal);
    const bool acts = !m_actions.isEmpty(), falls = m_fallback && m_answers.isEmpty() && m_handlers.isEmpty();
    const bool expected = acts || falls || (box ? !m_answers.isEmpty() : dialog && !m_handlers.isEmpty());
    m_seen.append({box ? kindOf(box) : QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(),
                   box ? box->text() : QString(), expected});
    if (acts) {
        const QPointer<QWidget> shown(modal);
        m_actions.dequeue()();
        if (shown && shown->isVisible()) {
            m_seen.last().expected = false;
            if (auto *open = qobject_cast<QDialog *>(shown.data()))
                open->reject();
            else
                shown->close();
        }
    } else if (falls) {
        m_fallback(modal);
    } else if (box) {
        if (QAbstractButton *button = expected ? box->button(m_answers.dequeue()) : nullptr)
            button->click();
        else
            box->done(QMessageBox::Cancel);
    } else if (dialog && expected) {
        m_handlers.dequeue()(dialog);
    } else if (dialog) {
        dialog->reject();
    } else {
        modal->close();
    }
}
