#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

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
    int count = 0;
    for (const Seen &seen : m_seen)
        count += seen.expected ? 0 : 1;
    return count;
}

void ModalWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    m_handled.removeIf([](const QPointer<QWidget> &handled) { return handled.isNull(); });
    for (const QPointer<QWidget> &handled : std::as_const(m_handled)) {
        if (handled == modal)
            return;
    }
    m_handled.append(modal);

    auto *messageBox = qobject_cast<QMessageBox *>(modal);
    if (!m_actions.isEmpty()) {
        m_seen.append({messageBox ? kindOf(messageBox) : QString::fromLatin1(modal->metaObject()->className()),
                       modal->windowTitle(), messageBox ? messageBox->text() : QString(), true});
        const QPointer<QWidget> box(modal);
        m_actions.dequeue()();
        if (box && box->isVisible()) {
            m_seen.last().expected = false;
            if (auto *dialog = qobject_cast<QDialog *>(box.data()))
                dialog->reject();
            else
                box->close();
        }
        return;
    }
    if (m_fallback && m_answers.isEmpty() && m_handlers.isEmpty()) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        m_seen.append({box ? kindOf(box) : QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(),
                       box ? box->text() : QString(), true});
        m_fallback(modal);
        return;
    }
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        const bool expected = !m_answers.isEmpty();
        m_seen.append({kindOf(box), box->windowTitle(), box->text(), expected});
        QAbstractButton *button = expected ? box->button(m_answers.dequeue()) : nullptr;
        if (button)
            button->click();
        else
            box->done(QMessageBox::Cancel);
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        const bool expected = !m_handlers.isEmpty();
        m_seen.append({QString::fromLatin1(dialog->metaObject()->className()), dialog->windowTitle(), QString(), expected});
        if (expected)
            m_handlers.dequeue()(dialog);
        else
            dialog->reject();
        return;
    }
    m_seen.append({QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(), QString(), false});
    modal->close();
}
