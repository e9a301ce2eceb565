#include "PageScript.h"

#include "ActionWidget.h"
#include "ModalWatcher.h"
#include "PageInput.h"
#include "ParameterControl.h"
#include "RecordingHost.h"
#include "SvgWidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>

QStringList expandBraces(const QString &pattern)
{
    const qsizetype open = pattern.indexOf(QLatin1Char('{')), close = pattern.indexOf(QLatin1Char('}'), open);
    if (open < 0 || close < 0)
        return {pattern};
    QStringList expanded;
    for (const QString &choice : pattern.mid(open + 1, close - open - 1).split(QLatin1Char(',')))
        expanded << expandBraces(pattern.left(open) + choice + pattern.mid(close + 1));
    return expanded;
}

PageScript::PageScript(RecordingHost &host, ModalWatcher &watcher) : m_host(host), m_watcher(watcher) {}

void PageScript::setPage(QWidget *page)
{
    m_page = page;
    m_host.store().setRecordingWrites(true);
    m_host.store().clearWrittenValues();
}

QWidget *PageScript::widget(const QString &name) const
{
    return child(m_page.data(), name);
}

void PageScript::run(const QString &script)
{
    for (const QString &each : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!step(each))
            QTest::qFail(qPrintable(QStringLiteral("unknown step ") + each), __FILE__, __LINE__);
    }
}

bool PageScript::step(const QString &step)
{
    const QString argument = step.section(QLatin1Char(':'), 1);
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    const QString value = step.section(QLatin1Char('='), 1).replace(QLatin1Char('~'), QLatin1Char(' '));
    ParameterStore &store = m_host.store();
    static const QHash<QString, QMessageBox::StandardButton> answers = {
        {"ok", QMessageBox::Ok}, {"yes", QMessageBox::Yes}, {"no", QMessageBox::No}};
    if (step == QLatin1String("show") || step == QLatin1String("hide")) {
        m_page->setVisible(step == QLatin1String("show"));
    } else if (step.startsWith(QLatin1String("dialog{"))) {
        // The steps run on the next dialog the page opens, as if it were the page.
        const QString steps = step.mid(7).chopped(1).replace(QLatin1Char(','), QLatin1Char(' '));
        m_watcher.handleDialog([this, steps](QDialog *dialog) {
            const QPointer<QWidget> page = m_page;
            m_page = dialog;
            run(steps);
            m_page = page;
        });
    } else if (step.startsWith(QLatin1String("see{"))) {
        const QString seen = step.mid(4).chopped(1).replace(QLatin1Char(','), QLatin1Char(' '));
        if (const QString found = states(seen); found != seen)
            QTest::qFail(qPrintable(QStringLiteral("at %1: %2").arg(step, found)), __FILE__, __LINE__);
    } else if (step == QLatin1String("reject")) {
        qobject_cast<QDialog *>(m_page.data())->reject();
    } else if (step.startsWith(QLatin1String("click:"))) {
        QWidget *target = widget(argument);
        auto *label = qobject_cast<QLabel *>(target);
        if (auto *button = qobject_cast<QAbstractButton *>(target)) {
            // As the press of a mouse does, the button takes the focus first.
            if (button->focusPolicy() & Qt::ClickFocus)
                button->setFocus(Qt::MouseFocusReason);
            button->click();
        }
        else if (label && label->text().contains(QLatin1String("href")) && !clickLink(label))
            QTest::qFail(qPrintable(QStringLiteral("no link in ") + argument), __FILE__, __LINE__);
        else if (!label || !label->text().contains(QLatin1String("href")))
            QTest::mouseClick(target, Qt::LeftButton);
        QCoreApplication::processEvents(); // links jump queued
    } else if (step.startsWith(QLatin1String("link:"))) {
        activateLink(widget(argument));
    } else if (step.startsWith(QLatin1String("clickAt:"))) {
        QWidget *shown = child<QStackedWidget>(m_page.data(), "stackedWidget")->currentWidget();
        QWidget *area = shown->childAt(QPoint(argument.section(',', 0, 0).toInt(), argument.section(',', 1).toInt()));
        while (area && !qobject_cast<ActionWidget *>(area))
            area = area->parentWidget();
        if (area)
            QTest::mouseClick(area, Qt::LeftButton);
        else
            QTest::qFail(qPrintable(QStringLiteral("no area at ") + argument), __FILE__, __LINE__);
    } else if (step.startsWith(QLatin1String("pick:"))) {
        child<QComboBox>(m_page.data(), name)->setCurrentIndex(value.toInt());
    } else if (step.startsWith(QLatin1String("type:")) || step.startsWith(QLatin1String("keys:"))) {
        typeInto(widget(name), value, step.startsWith(QLatin1String("type:")) ? Qt::Key_Return : Qt::Key_unknown);
    } else if (answers.contains(step)) {
        m_watcher.clear();
        m_watcher.answer(answers.value(step));
    } else if (step == QLatin1String("offline") || step == QLatin1String("online")) {
        m_host.setOnline(step == QLatin1String("online"));
    } else if (step == QLatin1String("readonly") || step == QLatin1String("editable")) {
        m_host.setReadOnly(step == QLatin1String("readonly"));
    } else if (step.startsWith(QLatin1String("device:"))) {
        m_host.setDeviceType(eDeviceType(argument.toInt()));
    } else if (step.startsWith(QLatin1String("fieldbus:"))) {
        m_host.setFieldbusType(eFieldbusType(argument.toInt()));
    } else if (step.startsWith(QLatin1String("space:"))) {
        m_host.setLivingSpace(eLivingSpace(argument.toInt()));
    } else if (step.startsWith(QLatin1String("page:"))) {
        const bool hidden = argument.startsWith(QLatin1Char('-'));
        m_host.addPage(argument.mid(hidden ? 1 : 0), !hidden);
    } else if (step.startsWith(QLatin1String("nopage:"))) {
        m_host.removePage(argument);
    } else if (step.startsWith(QLatin1String("hand:"))) {
        m_host.setProperty("FahrsatzNummer", argument.toInt());
    } else if (step.startsWith(QLatin1Char('-'))) {
        store.remove(step.mid(1));
    } else if (step.startsWith(QLatin1String("resize:"))) {
        store.parameter(ParameterCoordinate(name)).toStrongRef()->setElementCount(value.toUShort());
    } else if (step.contains(QLatin1Char('='))) {
        // The drive's changes are not the page's writes.
        store.setRecordingWrites(false);
        const QString target = step.section(QLatin1Char('='), 0, 0), base = target.section(QLatin1Char('.'), 0, 0);
        const QStringList values = value.split(QLatin1Char(','));
        const auto first = static_cast<unsigned short>(target.section(QLatin1Char('.'), 1).toUInt());
        for (int index = 0; index < values.size(); ++index) {
            const auto element = static_cast<unsigned short>(first + index);
            const QString coordinate = base.section(QLatin1Char('@'), 0, 0);
            if (!store.setValue(coordinate, base.section(QLatin1Char('@'), 1).toInt(), element, values.at(index)))
                QTest::qFail(qPrintable(QStringLiteral("refused: ") + step + QLatin1Char(' ') + store.lastWriteError()),
                    __FILE__, __LINE__);
        }
        store.setRecordingWrites(true);
    } else {
        return false;
    }
    return true;
}

QString PageScript::states(const QString &expected) const
{
    QStringList actual;
    for (const QString &token : expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList wanted = expandBraces(token);
        QStringList found;
        for (const QString &each : wanted)
            found << state(each);
        actual << (found == wanted ? token : found.join(QLatin1Char(' ')));
    }
    return actual.join(QLatin1Char(' '));
}

QString PageScript::state(const QString &token) const
{
    static const QRegularExpression sign(QStringLiteral("[:@?#*=%]"));
    const qsizetype at = token.indexOf(sign);
    if (at < 0)
        return token + QStringLiteral("?");
    const QString name = token.left(at), wanted = token.mid(at + 1);
    const QChar kind = token.at(at);
    static const QStringList words
        = {"hidden", "shown", "disabled", "enabled", "plain", "linked", "unchecked", "checked"};
    static const QHash<QString, QString> hostCalls = {{"jumps", "jumpToPage"}, {"prompts", "requestParameterInput"}};
    QString value;
    if (name.startsWith(QLatin1Char('$')) && kind == QLatin1Char('*')) {
        const auto information = m_host.store().information(ParameterCoordinate(name.mid(1))).toStrongRef();
        value = information ? QString::number(information->elementCount()) : QStringLiteral("none");
    } else if (name.startsWith(QLatin1Char('$'))) {
        value = m_host.store().value(name.mid(1).section(QLatin1Char('.'), 0, 0), 0,
                                     static_cast<unsigned short>(name.section(QLatin1Char('.'), 1).toUInt()));
    } else if (const QString call = hostCalls.value(name); !call.isEmpty()) {
        value = m_host.calls({call}).join(QLatin1Char(','));
        value.remove(call + QLatin1Char('(')).remove(QLatin1Char(')'));
    } else if (name == QLatin1String("block")) {
        value = QString::number(m_host.fahrsatzNummer());
    } else if (name == QLatin1String("box")) {
        // Dialogs have no text of their own.
        value = m_watcher.texts().filter(QRegularExpression(QStringLiteral("."))).join(QLatin1Char('|'));
    } else if (name == QLatin1String("live")) {
        value = m_host.store().cyclicUpdates().join(QLatin1Char(','));
    } else if (name == QLatin1String("writes")) {
        value = writtenTexts(m_host.store()).join(QLatin1Char(','));
    } else if (QWidget *shown = widget(name); kind == QLatin1Char(':') && words.contains(wanted)) {
        const int word = int(words.indexOf(wanted)) / 2;
        const auto *button = qobject_cast<QAbstractButton *>(shown);
        value = words.at(2 * word + int(word == 0   ? shown->isVisible()
                                      : word == 1 ? shown->isEnabled()
                                      : word == 2 ? shown->styleSheet().contains(QLatin1String("hover"))
                                                  : button && button->isChecked()));
    } else if (kind == QLatin1Char(':')) {
        auto *field = qobject_cast<QLineEdit *>(shown);
        value = shown->isHidden() ? QStringLiteral("h") : !shown->isEnabled() ? QStringLiteral("d")
                : field && field->isReadOnly()                                  ? QStringLiteral("r")
                                                                                : QStringLiteral("E");
    } else if (kind == QLatin1Char('?')) {
        value = QString::number(int(qobject_cast<QAbstractButton *>(shown)->isChecked()));
    } else if (auto *control = dynamic_cast<ParameterControl *>(shown); control && kind == '#' && wanted.contains('.')) {
        value = QStringLiteral("%1.%2@%3").arg(control->coordinate()).arg(control->index());
        value = value.arg(int(control->livingSpace()));
    } else if (control && (kind == '#' || kind == '=')) {
        value = kind == QLatin1Char('#') ? QString::number(control->index()) : control->coordinate();
    } else if (auto *svg = qobject_cast<SvgWidget *>(shown)) {
        value = svg->fileName().section(QLatin1Char('/'), -1);
    } else if (auto *stack = qobject_cast<QStackedWidget *>(shown)) {
        value = QString::number(stack->currentIndex());
    } else if (auto *combo = qobject_cast<QComboBox *>(shown)) {
        value = kind == '@' ? QString::number(combo->currentIndex()) : kind == '*' ? QString::number(combo->count())
                                                                                 : combo->currentText();
    } else if (auto *spin = qobject_cast<QSpinBox *>(shown)) {
        value = kind == QLatin1Char('*') ? QString::number(spin->maximum()) : spin->text();
    } else if (auto *field = qobject_cast<QLineEdit *>(shown)) {
        value = field->text();
    } else if (auto *label = qobject_cast<QLabel *>(shown)) {
        value = label->text();
    }
    return name + kind + value.replace(QLatin1Char(' '), QLatin1Char('~'));
}
