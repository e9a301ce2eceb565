#include "PageChecks.h"

#include "ActionWidget.h"
#include "ClickableLabel.h"
#include "ModalWatcher.h"
#include "PageRegistry.h"
#include "ParameterControl.h"
#include "StoreSeed.h"
#include "SvgWidget.h"
#include "WizardPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTest>

namespace {

QString anchorOf(const QLabel *label)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    return href.match(label->text()).captured(1);
}

bool isLink(const QWidget *widget)
{
    if (qobject_cast<const ActionWidget *>(widget) || qobject_cast<const ClickableLabel *>(widget))
        return true;
    const auto *label = qobject_cast<const QLabel *>(widget);
    return label && !anchorOf(label).isEmpty();
}

QString nameOf(const QWidget *link)
{
    const auto *label = qobject_cast<const QLabel *>(link);
    return link->objectName().isEmpty() && label ? QLatin1Char('#') + anchorOf(label) : link->objectName();
}

QStringList expandBraces(const QString &pattern)
{
    const qsizetype open = pattern.indexOf(QLatin1Char('{'));
    const qsizetype close = pattern.indexOf(QLatin1Char('}'), open);
    if (open < 0 || close < 0)
        return {pattern};
    QStringList expanded;
    for (const QString &choice : pattern.mid(open + 1, close - open - 1).split(QLatin1Char(',')))
        expanded << expandBraces(pattern.left(open) + choice + pattern.mid(close + 1));
    return expanded;
}

} // namespace

void seedDrive(ParameterStore &store, const QStringList &parameters)
{
    for (const QString &parameter : parameters) {
        QString coordinate = parameter.section(QLatin1Char('='), 0, 0);
        const QString type = coordinate.section(QLatin1Char(':'), 1);
        coordinate = coordinate.section(QLatin1Char(':'), 0, 0);
        const bool hidden = coordinate.endsWith(QLatin1Char('!'));
        const bool older = coordinate.endsWith(QLatin1Char('^'));
        if (hidden || older)
            coordinate.chop(1);
        const QStringList values = parameter.contains(QLatin1Char('='))
            ? parameter.section(QLatin1Char('='), 1).split(QLatin1Char(','))
            : QStringList{QStringLiteral("0")};
        bool numbers = true;
        for (const QString &value : values) {
            bool number = false;
            value.toLongLong(&number);
            numbers = numbers && number;
        }
        SeedParameter definition{coordinate, values.first(), static_cast<unsigned short>(values.size()),
            !type.isEmpty() ? ParameterDataType::fromName(type)
                : numbers   ? ParameterDataType::Int32
                            : ParameterDataType::String};
        definition.hidden = hidden;
        definition.newDefinition = !older;
        seed(store, {definition});
        for (int element = 1; element < values.size(); ++element)
            QVERIFY2(store.setValue(coordinate, 0, static_cast<unsigned short>(element), values.at(element)),
                qPrintable(parameter));
    }
}

void prepare(RecordingHost &host, const QStringList &setup)
{
    for (const QString &entry : setup) {
        if (entry.startsWith(QLatin1Char('@')))
            applyChanges(host, {entry});
        else
            seedDrive(host.store(), {entry});
    }
}

void applyChanges(RecordingHost &host, const QStringList &changes, QWidget *page)
{
    static const QRegularExpression value(QStringLiteral("^(\\w+)(?:@(\\d+))?(?:\\.(\\d+))?=(.*)$"));
    for (const QString &change : changes) {
        const QString setting = change.section(QLatin1Char('='), 0, 0);
        const int number = change.section(QLatin1Char('='), 1).toInt();
        if (change == QLatin1String("@online") || change == QLatin1String("@offline"))
            host.setOnline(change == QLatin1String("@online"));
        else if (change == QLatin1String("@readonly") || change == QLatin1String("@editable"))
            host.setReadOnly(change == QLatin1String("@readonly"));
        else if (setting == QLatin1String("@device"))
            host.setDeviceType(eDeviceType(number));
        else if (setting == QLatin1String("@fieldbus"))
            host.setFieldbusType(eFieldbusType(number));
        else if (setting == QLatin1String("@tree"))
            host.addPage(QString(change.section(QLatin1Char('='), 1)).remove(QLatin1Char('!')),
                !change.endsWith(QLatin1Char('!')));
        else if (setting == QLatin1String("@livingspace"))
            host.setLivingSpace(eLivingSpace(number));
        else if (change.startsWith(QLatin1Char('-')))
            host.store().remove(change.mid(1));
        else if (change == QLatin1String("@reshow") && page) {
            page->hide();
            page->show();
        } else if (change.startsWith(QLatin1Char('!')) && page) {
            QWidget *widget = page->findChild<QWidget *>(change.mid(1).section(QLatin1Char('~'), 0, 0));
            QVERIFY2(widget, qPrintable(QLatin1String("no widget for ") + change));
            if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && change.contains(QLatin1Char('~'))) {
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, change.section(QLatin1Char('~'), 1));
                QTest::keyClick(edit, Qt::Key_Return);
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                // A box without text takes clicks on its indicator only: clicked as by the space key.
                QVERIFY2(button->isVisible(), qPrintable(change + QLatin1String(": not shown")));
                button->click();
            } else {
                QTest::mouseClick(widget, Qt::LeftButton);
            }
            QCoreApplication::processEvents();
        } else if (const auto match = value.match(change); match.hasMatch())
            QVERIFY2(host.store().setValue(match.captured(1), match.captured(2).toInt(),
                         static_cast<unsigned short>(match.captured(3).toInt()), match.captured(4)),
                qPrintable(change + QLatin1String(": ") + host.store().lastWriteError()));
        else
            QTest::qFail(qPrintable(QLatin1String("no change ") + change), __FILE__, __LINE__);
    }
}

QStringList stateDifferences(QWidget *page, const QString &expected)
{
    static const QRegularExpression token(QStringLiteral("^(\\w+)([=:~@#])(.*)$"));
    QStringList differences;
    for (const QString &item : expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (const QString &each : expandBraces(item)) {
            const QRegularExpressionMatch match = token.match(each);
            QWidget *widget = match.hasMatch() ? page->findChild<QWidget *>(match.captured(1)) : nullptr;
            const QString kind = match.captured(2), wanted = match.captured(3);
            QString shown = QStringLiteral("(no such widget)");
            if (!widget) {
            } else if (kind == QLatin1String("=")) {
                if (auto *stack = qobject_cast<QStackedWidget *>(widget))
                    shown = QString::number(stack->currentIndex());
            } else if (kind == QLatin1String(":")) {
                const auto *button = qobject_cast<QAbstractButton *>(widget);
                if (wanted == QLatin1String("shown") || wanted == QLatin1String("hidden"))
                    shown = widget->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden");
                else if (wanted == QLatin1String("enabled") || wanted == QLatin1String("disabled"))
                    shown = widget->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
                else if (wanted == QLatin1String("linked") || wanted == QLatin1String("plain"))
                    shown = widget->styleSheet().contains(QLatin1String("hover")) ? QStringLiteral("linked")
                                                                                  : QStringLiteral("plain");
                else if (button)
                    shown = button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
            } else if (kind == QLatin1String("~")) {
                if (auto *edit = qobject_cast<QLineEdit *>(widget))
                    shown = edit->text();
                else if (auto *box = qobject_cast<QComboBox *>(widget))
                    shown = box->currentText();
                else if (auto *label = qobject_cast<QLabel *>(widget))
                    shown = label->text();
                else if (auto *svg = qobject_cast<SvgWidget *>(widget))
                    shown = svg->fileName().section(QLatin1Char('/'), -1);
            } else if (kind == QLatin1String("@")) {
                const QImage picture = QPixmap(QStringLiteral(":/Brevane/Resources/") + wanted).toImage();
                if (auto *label = qobject_cast<QLabel *>(widget))
                    shown = !picture.isNull() && label->pixmap().toImage() == picture
                        ? wanted
                        : QStringLiteral("another");
            } else if (const auto *control = dynamic_cast<ParameterControl *>(widget)) {
                shown = QStringLiteral("%1.%2@%3")
                            .arg(control->coordinate())
                            .arg(control->index())
                            .arg(int(control->livingSpace()));
            }
            if (shown != wanted)
                differences << each + QStringLiteral(" (shows ") + shown + QLatin1Char(')');
        }
    }
    return differences;
}

QStringList writesOf(const ParameterStore &store)
{
    QStringList writes;
    for (const ParameterStore::WrittenValue &write : store.writtenValues())
        writes << QStringLiteral("%1.%2=%3").arg(write.coordinate).arg(write.element).arg(write.text);
    return writes;
}

QStringList pageWrites(const ParameterStore &store, const QStringList &changes)
{
    QStringList writes = writesOf(store);
    for (const QString &change : changes) {
        static const QRegularExpression livingSpace(QStringLiteral("@\\d+"));
        const QString setting = change.section(QLatin1Char('='), 0, 0).remove(livingSpace);
        const QString write = setting
            + (setting.contains(QLatin1Char('.')) ? QString() : QStringLiteral(".0")) + QLatin1Char('=')
            + change.section(QLatin1Char('='), 1);
        writes.removeOne(write);
    }
    return writes;
}

std::unique_ptr<WizardPage> openRegistered(RecordingHost &host, const QString &identifier, bool show)
{
    std::unique_ptr<WizardPage> page(PageRegistry::createPage(identifier));
    if (!page)
        QTest::qFail(qPrintable(QStringLiteral("no page ") + identifier), __FILE__, __LINE__);
    host.attach(page.get());
    if (show)
        page->show();
    return page;
}

QString activateLink(RecordingHost &host, QWidget *link)
{
    host.clearCalls();
    ModalWatcher watcher;
    if (qobject_cast<ActionWidget *>(link) || qobject_cast<ClickableLabel *>(link))
        QMetaObject::invokeMethod(link, "clicked");
    else if (auto *label = qobject_cast<QLabel *>(link))
        emit label->linkActivated(anchorOf(label));
    // Some links reach their page queued.
    QCoreApplication::processEvents();
    QStringList jumps = host.calls({QStringLiteral("jumpToPage(")});
    for (QString &jump : jumps)
        jump = jump.mid(11).chopped(1);
    return jumps.isEmpty() ? watcher.texts().join(QLatin1Char(' ')) : jumps.join(QLatin1Char(' '));
}

QStringList linkDifferences(RecordingHost &host, QWidget *page, const QStringList &table)
{
    QStringList expected;
    QSet<QString> targets;
    for (const QString &line : table) {
        const QString target = line.section(QLatin1Char('>'), 1);
        targets.insert(QString(target).remove(QLatin1Char('*')));
        for (const QString &name : expandBraces(line.section(QLatin1Char('>'), 0, 0)))
            expected << name + QLatin1Char('>') + target;
    }
    QStringList found;
    for (QWidget *link : page->findChildren<QWidget *>()) {
        if (!isLink(link))
            continue;
        host.addPages(targets.values(), true);
        QString outcome = nameOf(link) + QLatin1Char('>') + activateLink(host, link);
        host.addPages(targets.values(), false);
        const QString hidden = activateLink(host, link);
        if (hidden.contains(QStringLiteral("Analogeingänge")))
            outcome += QLatin1Char('*');
        else if (!hidden.startsWith(QStringLiteral("Assistentenseite ist aktuell ausgeblendet.")))
            outcome += QStringLiteral(" (hidden: ") + hidden + QLatin1Char(')');
        found << outcome;
    }
    QStringList differences;
    for (const QString &line : std::as_const(expected)) {
        if (!found.contains(line))
            differences << QStringLiteral("expected ") + line;
    }
    for (const QString &line : std::as_const(found)) {
        if (!expected.contains(line))
            differences << QStringLiteral("found ") + line;
    }
    return differences;
}
