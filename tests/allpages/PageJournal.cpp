#include "PageJournal.h"

#include "PageHarness.h"
#include "PageProbe.h"
#include "WorkbenchHost.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaProperty>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

namespace {

// A value on one line; a long one keeps its start and a digest of the whole, so that a change
// anywhere in it still shows.
QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1String("\\n")).replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

QString shown(QString text)
{
    text = oneLine(text);
    if (text.size() <= 120)
        return QLatin1Char('"') + text + QLatin1Char('"');
    const QByteArray digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex().left(8);
    return QLatin1Char('"') + text.left(100) + QStringLiteral("…\" (%1 characters, %2)").arg(text.size()).arg(QLatin1String(digest));
}

// The properties a class of the host or the plug-in adds to Qt's widgets, and the dynamic ones.
void addOwnProperties(const QWidget *widget, QStringList &fields)
{
    for (const QMetaObject *meta = widget->metaObject(); meta && meta->className()[0] != 'Q'; meta = meta->superClass()) {
        for (int index = meta->propertyOffset(); index < meta->propertyCount(); ++index) {
            const QMetaProperty property = meta->property(index);
            const QVariant value = property.read(widget);
            if (value.canConvert<QString>())
                fields << QLatin1String(property.name()) + QLatin1Char('=') + shown(value.toString());
        }
    }
    for (const QByteArray &name : widget->dynamicPropertyNames()) {
        const QVariant value = widget->property(name.constData());
        if (!name.startsWith("_q_") && value.canConvert<QString>())
            fields << QLatin1String(name) + QLatin1Char('=') + shown(value.toString());
    }
}

QStringList fieldsOf(const QWidget *widget)
{
    QStringList fields;
    if (!widget->isEnabled())
        fields << QStringLiteral("disabled");
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        fields << shown(label->text());
        if (const QPixmap picture = label->pixmap(); !picture.isNull()) {
            // An LED's states differ in colour: the mean, coarse enough for another machine's smoothing.
            const QColor mean = picture.toImage().scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
            const QRgb coarse = mean.rgba() & 0xc0c0c0c0;
            fields << QStringLiteral("picture %1x%2 %3").arg(picture.width()).arg(picture.height()).arg(coarse, 8, 16, QLatin1Char('0'));
        }
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        fields << shown(button->text());
        if (button->isCheckable())
            fields << QLatin1String(button->isChecked() ? "checked" : "unchecked");
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        fields << shown(edit->text());
        if (edit->isReadOnly())
            fields << QStringLiteral("read-only");
    } else if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(widget)) {
        fields << shown(spin->text());
    } else if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        QStringList items;
        for (int index = 0; index < combo->count(); ++index)
            items << combo->itemText(index);
        fields << QStringLiteral("item %1 of").arg(combo->currentIndex()) << shown(items.join(QLatin1Char('|')));
    } else if (const auto *stack = qobject_cast<const QStackedWidget *>(widget)) {
        fields << QStringLiteral("page %1").arg(stack->currentIndex());
    } else if (const auto *tabs = qobject_cast<const QTabWidget *>(widget)) {
        fields << QStringLiteral("tab %1").arg(tabs->currentIndex());
    } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
        fields << shown(group->title());
        if (group->isCheckable())
            fields << QLatin1String(group->isChecked() ? "checked" : "unchecked");
    }
    // A stack's pages: code that sizes the stack to its current page sets their policies.
    if (qobject_cast<const QStackedWidget *>(widget->parentWidget())) {
        const QSizePolicy policy = widget->sizePolicy();
        fields << QStringLiteral("policy %1,%2").arg(int(policy.horizontalPolicy())).arg(int(policy.verticalPolicy()));
    }
    if (!widget->toolTip().isEmpty())
        fields << QStringLiteral("tip ") + shown(widget->toolTip());
    if (!widget->styleSheet().isEmpty())
        fields << QStringLiteral("style ") + shown(widget->styleSheet());
    if (const QFont font = widget->font(); widget->testAttribute(Qt::WA_SetFont))
        fields << QStringLiteral("font %1px %2pt %3").arg(font.pixelSize()).arg(font.pointSizeF()).arg(font.weight());
    if (widget->testAttribute(Qt::WA_SetCursor))
        fields << QStringLiteral("cursor %1").arg(int(widget->cursor().shape()));
    addOwnProperties(widget, fields);
    return fields;
}

// The first rows of an item view, a line each: what a user reads and the colours and marks.
void addRows(const QAbstractItemView *view, const QString &key, QMap<QString, QString> &state)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    const QModelIndex current = view->currentIndex();
    state.insert(key + QStringLiteral(" model"), QStringLiteral("%1 rows, %2 columns, current %3,%4")
                                                      .arg(model->rowCount()).arg(model->columnCount())
                                                      .arg(current.row()).arg(current.column()));
    static const QList<int> roles = {Qt::DisplayRole, Qt::CheckStateRole, Qt::ToolTipRole, Qt::BackgroundRole,
                                     Qt::ForegroundRole, Qt::FontRole, Qt::TextAlignmentRole};
    for (int row = -1; row < qMin(model->rowCount(), 12); ++row) { // -1: the header
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            if (row < 0) {
                cells << model->headerData(column, Qt::Horizontal).toString();
                continue;
            }
            QStringList parts;
            const QModelIndex index = model->index(row, column);
            for (int role : roles) {
                const QVariant value = model->data(index, role);
                if (value.isValid())
                    parts << (value.canConvert<QString>() ? value.toString() : QString::fromLatin1(value.typeName()));
            }
            cells << parts.join(QLatin1Char('/'));
        }
        state.insert(key + QStringLiteral(" row %1").arg(row), shown(cells.join(QLatin1String(" | "))));
    }
}

// inStackPage: the widget is on a stack's page out of view, which a mode or layout brings up
// later; there, a widget never shown yet is hidden only if the code hid it.
void addState(const QWidget *widget, const QWidget *page, QMap<QString, QString> &state, bool inStackPage = false)
{
    // Whether a scroll area shows its bars follows from the sizes of its contents, that is, from
    // the fonts of the machine.
    if (widget->objectName().startsWith(QLatin1String("qt_scrollarea_")) && widget->objectName().endsWith(QLatin1String("container")))
        return;
    const QString key = PageProbe::key(widget, page);
    const bool stackPage = widget != page && widget->isHidden() && qobject_cast<const QStackedWidget *>(widget->parentWidget());
    if (widget != page && widget->isHidden() && !stackPage
        && (!inStackPage || widget->testAttribute(Qt::WA_WState_ExplicitShowHide))) {
        state.insert(key, QStringLiteral("hidden"));
        return;
    }
    inStackPage = inStackPage || stackPage;
    if (widget != page) {
        QStringList fields = fieldsOf(widget);
        if (stackPage)
            fields.prepend(QStringLiteral("hidden"));
        state.insert(key, fields.isEmpty() ? QStringLiteral("shown") : fields.join(QLatin1Char(' ')));
    }
    if (const auto *view = qobject_cast<const QAbstractItemView *>(widget); view && !qobject_cast<const QHeaderView *>(view))
        addRows(view, key, state);
    for (const QObject *child : widget->children()) {
        if (child->isWidgetType() && !static_cast<const QWidget *>(child)->isWindow())
            addState(static_cast<const QWidget *>(child), page, state, inStackPage);
    }
}

// Lets what the step started end: posted events, and timers the page set to fire once.
void settle(QWidget *page)
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents();
        bool waiting = false;
        for (QTimer *timer : page->findChildren<QTimer *>()) {
            if (timer->isActive() && timer->isSingleShot()) {
                timer->start(0);
                waiting = true;
            }
        }
        if (!waiting)
            break;
    }
    QCoreApplication::processEvents();
}

} // namespace

PageJournal::PageJournal(PluginSession *session) : m_session(session)
{
    QObject::connect(session->host(), &WorkbenchHost::logged, session->host(),
                     [this](const QString &line) { m_pending << QStringLiteral("  host: ") + line; });
    session->store()->setRecordingWrites(true);
    session->store()->clearWrittenValues();
    session->variantHost()->takeRefusedWrites();
}

PageJournal::~PageJournal()
{
    QObject::disconnect(m_session->host(), &WorkbenchHost::logged, m_session->host(), nullptr);
    m_session->store()->setRecordingWrites(false);
}

QMap<QString, QString> PageJournal::state(const QWidget *page)
{
    QMap<QString, QString> state;
    addState(page, page, state);
    // The way Tab takes through what a user can reach.
    QStringList stops;
    for (const QWidget *at = page->nextInFocusChain(); at && at != page; at = at->nextInFocusChain()) {
        if ((at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(page) && at->isEnabled())
            stops << PageProbe::key(at, page);
    }
    state.insert(QStringLiteral("(tab order)"), stops.join(QLatin1String(", ")));
    return state;
}

void PageJournal::noteBox(const QWidget *box)
{
    QString text = box->windowTitle();
    if (const auto *message = qobject_cast<const QMessageBox *>(box)) {
        for (const QString &part : {message->text(), message->informativeText(), message->detailedText()}) {
            if (!part.isEmpty())
                text += QLatin1String(": ") + part;
        }
    }
    m_pending << QStringLiteral("  box %1 ").arg(QLatin1String(box->metaObject()->className())) + shown(text);
}

void PageJournal::record(const QString &action, QWidget *page)
{
    if (page)
        settle(page);
    m_lines << QStringLiteral("= ") + oneLine(action);
    m_lines << m_pending;
    m_pending.clear();
    ParameterStore *store = m_session->store();
    for (const ParameterStore::WrittenValue &written : store->writtenValues())
        m_lines << QStringLiteral("  write %1@%2.%3 = %4").arg(written.coordinate).arg(written.livingSpace)
                       .arg(written.element).arg(shown(written.text));
    store->clearWrittenValues();
    for (const QString &write : m_session->variantHost()->takeRefusedWrites())
        m_lines << QStringLiteral("  refused ") + write;
    if (!store->elementOverruns().isEmpty())
        m_lines << QStringLiteral("  read past an array's end: ") + store->elementOverruns().join(QLatin1String(", "));
    store->clearElementOverruns();
    QMap<QString, QString> now = page ? state(page) : QMap<QString, QString>();
    // The values the drive sends without being asked, while the page wants them.
    now.insert(QStringLiteral("(live values)"), store->cyclicUpdates().join(QLatin1String(", ")));
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_shown.value(it.key()) != it.value() || !m_shown.contains(it.key()))
            m_lines << QStringLiteral("  ") + it.key() + QLatin1String(": ") + it.value();
    }
    for (auto it = m_shown.cbegin(); it != m_shown.cend(); ++it) {
        if (!now.contains(it.key()))
            m_lines << QStringLiteral("  ") + it.key() + QLatin1String(": gone");
    }
    m_shown = now;
}

QString PageJournal::compare(const QStringList &expected, const QStringList &actual)
{
    qsizetype first = 0;
    while (first < expected.size() && first < actual.size() && expected.at(first) == actual.at(first))
        ++first;
    if (first == expected.size() && first == actual.size())
        return QString();
    // The step the difference is in, and its lines on both sides.
    qsizetype start = first;
    while (start > 0 && !expected.value(start).startsWith(QLatin1String("= ")))
        --start;
    int step = 0;
    for (qsizetype line = 0; line < start; ++line)
        step += expected.at(line).startsWith(QLatin1String("= ")) ? 1 : 0;
    const auto block = [start](const QStringList &lines) {
        QStringList found;
        for (qsizetype line = start + 1; line < lines.size() && !lines.at(line).startsWith(QLatin1String("= ")); ++line)
            found << lines.at(line);
        return found;
    };
    const QStringList was = block(expected), is = block(actual);
    QStringList report{QStringLiteral("step %1, %2:").arg(step).arg(expected.value(start, QStringLiteral("(the end)")))};
    if (expected.value(start) != actual.value(start))
        report << QStringLiteral("  the run did %1 instead").arg(actual.value(start, QStringLiteral("nothing more")));
    for (const QString &line : was) {
        if (is.count(line) < was.count(line))
            report << QStringLiteral("  journal:") + line;
    }
    for (const QString &line : is) {
        if (was.count(line) < is.count(line))
            report << QStringLiteral("  run:    ") + line;
    }
    if (was == is && expected.value(start) == actual.value(start))
        report << QStringLiteral("  the same lines in another order");
    return report.join(QLatin1Char('\n'));
}
