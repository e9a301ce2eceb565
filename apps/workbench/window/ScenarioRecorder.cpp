#include "ScenarioRecorder.h"

#include "DriveModel.h"
#include "PageArea.h"
#include "ParameterBrowser.h"
#include "ParameterModel.h"
#include "ParameterStore.h"
#include "ScenarioRunner.h"
#include "SimulatedDrive.h"
#include "Workbench.h"
#include "WorkbenchHost.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSaveFile>
#include <QStatusBar>
#include <QThread>
#include <QTreeView>

namespace {

// The runner's limit for one wait; a longer pause becomes several waits.
constexpr qint64 longestWaitMs = 600000;

const QLatin1String kStep("step");

bool isClickable(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || widget->metaObject()->indexOfSignal("clicked()") >= 0;
}

// A text field of a page; the line edit inside a spin or choice box belongs to its box.
QWidget *textField(QWidget *widget)
{
    if (qobject_cast<QAbstractSpinBox *>(widget))
        return widget;
    auto *edit = qobject_cast<QLineEdit *>(widget);
    if (!edit || qobject_cast<QAbstractSpinBox *>(edit->parentWidget()) || qobject_cast<QComboBox *>(edit->parentWidget()))
        return nullptr;
    return edit;
}

bool isUnder(const QWidget *widget, const QWidget *page)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w == page)
            return true;
        if (w->isWindow())
            return false;  // a box of the page is no part of it
    }
    return false;
}

QWidget *resolve(QWidget *page, const QStringList &path)
{
    QWidget *found = page;
    for (const QString &name : path)
        found = found ? found->findChild<QWidget *>(name) : nullptr;
    return found;
}

// The name the runner finds the widget by: its own, or "group/name" where the page repeats it.
QString objectPath(QWidget *widget, QWidget *page)
{
    if (widget->objectName().isEmpty() || widget->objectName().contains(QLatin1Char('/')))
        return QString();
    QStringList path{widget->objectName()};
    for (QWidget *parent = widget->parentWidget();; parent = parent->parentWidget()) {
        if (resolve(page, path) == widget)
            return path.join(QLatin1Char('/'));
        if (!parent || parent == page)
            return QString();
        if (!parent->objectName().isEmpty() && !parent->objectName().contains(QLatin1Char('/')))
            path.prepend(parent->objectName());
    }
}

// Numbers as numbers when the runner writes them back to the same text.
QJsonValue valueOf(const QString &text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text, &ok);
    if (ok && QLocale::c().toString(number, 'g', 12) == text)
        return number;
    return text;
}

QString answerName(QDialog *dialog, int result)
{
    auto *box = qobject_cast<QMessageBox *>(dialog);
    if (!box)
        return result == QDialog::Accepted ? QStringLiteral("ok") : QStringLiteral("cancel");
    switch (box->standardButton(box->clickedButton())) {
    case QMessageBox::Ok: return QStringLiteral("ok");
    case QMessageBox::Cancel: return QStringLiteral("cancel");
    case QMessageBox::Yes: return QStringLiteral("yes");
    case QMessageBox::No: return QStringLiteral("no");
    default: return QString();
    }
}

QString optionOf(eFieldbusType type)
{
    for (const auto &bus : WorkbenchNames::fieldbuses()) {
        if (bus.type == type)
            return QLatin1String(bus.option);
    }
    return QString();
}

QString optionOf(int language)
{
    for (const auto &entry : WorkbenchNames::languages()) {
        if (entry.language == language)
            return QLatin1String(entry.option);
    }
    return QString();
}

} // namespace

ScenarioRecorder::ScenarioRecorder(Workbench *workbench, QMainWindow *window, QMenu *driveMenu,
                                   ParameterBrowser *parameters)
    : QObject(window), m_workbench(workbench), m_window(window), m_parameters(parameters)
{
    // The fault entries are there already; a fault comes into the scenario when a person
    // picks it, not when the drive clears it by itself.
    DriveModel *model = workbench->driveModel();
    for (QAction *action : driveMenu->actions()) {
        if (action->objectName() == QLatin1String("actionClearFaults")) {
            connect(action, &QAction::triggered, this, [this] {
                if (m_recording)
                    record({{kStep, QStringLiteral("clearFaults")}});
            });
        } else if (action->isCheckable() && action->data().isValid()) {
            const auto fault = DriveModel::Fault(action->data().toInt());
            // Offline is the host's connection: it is recorded as the switch.
            if (fault == DriveModel::Fault::Offline)
                continue;
            connect(action, &QAction::triggered, this, [this, model, fault] {
                if (!m_recording)
                    return;
                QJsonObject step{{kStep, QStringLiteral("fault")}, {QStringLiteral("fault"), DriveModel::faultName(fault)}};
                if (!model->hasFault(fault))
                    step.insert(QStringLiteral("on"), false);
                record(step);
            });
        }
    }
    driveMenu->addSeparator();
    m_recordAction = driveMenu->addAction(QString());
    m_recordAction->setObjectName(QStringLiteral("actionRecordScenario"));
    m_stopAction = driveMenu->addAction(QString());
    m_stopAction->setObjectName(QStringLiteral("actionStopRecording"));
    m_expectAction = new QAction(this);
    m_expectAction->setObjectName(QStringLiteral("actionExpectValue"));
    retranslate();
    parameters->addTool(m_expectAction);
    // A lasting sign in the status bar: its messages come and go.
    m_indicator = new QLabel(tr("● Recording"), window);
    m_indicator->setObjectName(QStringLiteral("recordingIndicator"));
    m_indicator->setToolTip(tr("A scenario is being recorded; Drive > Stop recording writes it"));
    m_indicator->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    window->statusBar()->addPermanentWidget(m_indicator);
    updateActions();

    connect(m_recordAction, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getSaveFileName(m_window, tr("Record scenario"), QStringLiteral("scenario.json"),
                                                          tr("Scenarios (*.json)"));
        if (!path.isEmpty())
            start(path);
    });
    connect(m_stopAction, &QAction::triggered, this, [this] {
        QString error;
        if (!stop(&error))
            QMessageBox::warning(m_window, tr("Stop recording"), error);
    });
    connect(m_expectAction, &QAction::triggered, this, &ScenarioRecorder::expectSelected);

    WorkbenchHost *host = workbench->host();
    connect(host, &WorkbenchHost::currentPageChanged, this, [this](const QString &identifier) {
        // A page the action under way jumps to is the action's doing, not a step of its own.
        if (!m_recording || identifier.isEmpty() || m_openId >= 0)
            return;
        record({{kStep, QStringLiteral("show")}, {QStringLiteral("page"), identifier}});
        m_shownPage = identifier;
    });
    connect(host, &WorkbenchHost::deviceTypeChanged, this,
            [this](eDeviceType type) { recordSwitch(QStringLiteral("device"), WorkbenchNames::deviceName(type)); });
    connect(host, &WorkbenchHost::fieldbusTypeChanged, this,
            [this](eFieldbusType type) { recordSwitch(QStringLiteral("fieldbus"), optionOf(type)); });
    connect(host, &WorkbenchHost::onlineChanged, this, [this](bool on) { recordSwitch(QStringLiteral("online"), on); });
    connect(host, &WorkbenchHost::readOnlyChanged, this, [this](bool on) { recordSwitch(QStringLiteral("readOnly"), on); });
    connect(workbench, &Workbench::languageChanged, this,
            [this](int language) { recordSwitch(QStringLiteral("language"), optionOf(language)); });

    ParameterModel *parameterModel = parameters->model();
    connect(parameterModel, &ParameterModel::writeRefused, this, [this] { m_refused = true; });
    // Runs after the view has handed the editor's value to the model.
    connect(parameters->view()->itemDelegateForColumn(ParameterModel::ValueColumn), &QAbstractItemDelegate::commitData,
            this, &ScenarioRecorder::parameterCommitted);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        // Waiting at the action's own level: its delivery, boxes and all, is over.
        if (m_openId >= 0 && QThread::currentThread()->loopLevel() <= m_openLevel)
            finishAction();
    });
}

ScenarioRecorder::~ScenarioRecorder()
{
    qApp->removeEventFilter(this);
}

void ScenarioRecorder::updateActions()
{
    m_recordAction->setEnabled(!m_recording);
    m_stopAction->setEnabled(m_recording);
    m_expectAction->setEnabled(m_recording);
    m_indicator->setVisible(m_recording);
}

void ScenarioRecorder::start(const QString &path)
{
    WorkbenchHost *host = m_workbench->host();
    DriveModel *model = m_workbench->driveModel();
    m_path = path;
    m_steps.clear();
    m_pending.clear();
    m_pressed = nullptr;
    m_lastTime = model->timeMs();
    m_recording = true;
    qApp->installEventFilter(this);

    // The state the rehearsal starts from, whatever the command line of the playback says:
    // the drive and its axis first, as opening the drive starts the axis again.
    const QString driveFile = m_workbench->driveFile();
    const DriveModel::AxisState axis = model->axisState();
    QJsonArray faults;
    for (DriveModel::Fault fault : axis.faults)
        faults << DriveModel::faultName(fault);
    record({{kStep, QStringLiteral("drive")},
            {QStringLiteral("file"), driveFile.isEmpty() ? QLatin1String(ScenarioRunner::BuiltInDrive)
                                                          : QDir(QFileInfo(path).absolutePath()).relativeFilePath(driveFile)},
            {QStringLiteral("position"), axis.position},
            {QStringLiteral("target"), axis.lastTarget},
            {QStringLiteral("inPosition"), axis.targetReached},
            {QStringLiteral("block"), axis.currentBlock},
            {QStringLiteral("startedBlock"), axis.startedBlock},
            {QStringLiteral("blockStatus"), double(axis.blockStatus)},
            {QStringLiteral("faults"), faults}});
    record({{kStep, QStringLiteral("switch")},
            {QStringLiteral("device"), WorkbenchNames::deviceName(host->deviceType())},
            {QStringLiteral("fieldbus"), optionOf(host->fieldbusType())},
            {QStringLiteral("language"), optionOf(m_workbench->language())},
            {QStringLiteral("online"), host->isOnline()},
            {QStringLiteral("readOnly"), host->isReadOnly()}});
    m_shownPage = host->currentPage();
    if (!m_shownPage.isEmpty())
        record({{kStep, QStringLiteral("show")}, {QStringLiteral("page"), m_shownPage}});
    finishAction();
    updateActions();
    // The file is what playback opens: changes not saved yet do not come along.
    const QString message = m_workbench->isDriveModified()
        ? tr("Recording into %1; the drive's changes since it was opened or saved are not part of it").arg(path)
        : tr("Recording into %1").arg(path);
    m_window->statusBar()->showMessage(message, 8000);
    host->note(message);
}

bool ScenarioRecorder::stop(QString *error)
{
    if (!m_recording)
        return true;
    // The time since the last step belongs to the rehearsal too: record() writes it before
    // a step that is then taken back.
    record({{kStep, QStringLiteral("wait")}, {QStringLiteral("ms"), 0}});
    m_steps.removeLast();
    m_recording = false;
    qApp->removeEventFilter(this);
    finishAction();
    m_steps.removeIf([](const Recorded &step) {
        return step.fields.value(kStep) == QLatin1String("answer") && step.fields.value(QStringLiteral("button")).toString().isEmpty();
    });
    updateActions();

    const QByteArray content = json();
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        *error = tr("%1 could not be written: %2").arg(m_path, file.errorString());
        return false;
    }
    QString message = tr("Recorded %n step(s) into %1", nullptr, int(m_steps.size())).arg(m_path);
    ScenarioRunner check(m_workbench, m_workbench->driveModel());
    QString problem;
    if (!check.loadJson(content, m_path, &problem))
        message = tr("%1, but it will not play back: %2").arg(message, problem);
    m_window->statusBar()->showMessage(message, 8000);
    m_workbench->host()->note(message);
    return true;
}

int ScenarioRecorder::indexOf(int id) const
{
    for (int i = 0; i < m_steps.size(); ++i) {
        if (m_steps.at(i).id == id)
            return i;
    }
    return -1;
}

void ScenarioRecorder::finishAction()
{
    m_openId = -1;
}

int ScenarioRecorder::record(QJsonObject fields)
{
    m_steps << m_pending;
    m_pending.clear();
    const qint64 now = m_workbench->driveModel()->timeMs();
    for (qint64 left = now - m_lastTime; left > 0; left -= longestWaitMs)
        m_steps << Recorded{m_nextId++, {{kStep, QStringLiteral("wait")}, {QStringLiteral("ms"), double(qMin(left, longestWaitMs))}}};
    m_lastTime = now;
    const QString page = m_workbench->host()->currentPage();
    if (fields.contains(QStringLiteral("object")) && page != m_shownPage)
        fields.insert(QStringLiteral("page"), page);
    const int id = m_nextId++;
    m_steps << Recorded{id, fields};
    m_openId = id;
    m_openLevel = QThread::currentThread()->loopLevel();
    return id;
}

void ScenarioRecorder::recordSwitch(const QString &field, const QJsonValue &value)
{
    if (m_recording)
        record({{kStep, QStringLiteral("switch")}, {field, value}});
}

void ScenarioRecorder::notRecorded(const QString &why)
{
    const QString message = tr("Not recorded: %1").arg(why);
    m_window->statusBar()->showMessage(message, 8000);
    m_workbench->host()->note(message);
}

bool ScenarioRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_recording || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto *widget = static_cast<QWidget *>(watched);
    const QEvent::Type type = event->type();
    // A new input where the action began: the action is over.
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress)
        && m_openId >= 0 && QThread::currentThread()->loopLevel() <= m_openLevel)
        finishAction();
    if (type == QEvent::Show && widget->isWindow() && widget->isModal() && qobject_cast<QDialog *>(widget)) {
        boxShown(widget);
    } else {
        PageArea *area = m_workbench->pageArea();
        QWidget *page = area ? area->page(m_workbench->host()->currentPage()) : nullptr;
        if (page && isUnder(widget, page))
            pageEvent(widget, page, event);
    }
    return QObject::eventFilter(watched, event);
}

void ScenarioRecorder::pageEvent(QWidget *widget, QWidget *page, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
        || type == QEvent::MouseButtonRelease;
    if (mouse && static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::FocusIn
        || type == QEvent::KeyPress)
        watchChoices(widget);

    // The space bar works a focused button as the mouse does.
    const auto *key = type == QEvent::KeyPress || type == QEvent::KeyRelease ? static_cast<QKeyEvent *>(event) : nullptr;
    const bool spaceBar = key && key->key() == Qt::Key_Space && !key->isAutoRepeat() && qobject_cast<QAbstractButton *>(widget);
    if (((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && isClickable(widget))
        || (spaceBar && type == QEvent::KeyPress)) {
        m_pressed = nullptr;
        const QString path = objectPath(widget, page);
        if (path.isEmpty()) {
            notRecorded(tr("the %1 pressed has no object name to play it back by")
                            .arg(QLatin1String(widget->metaObject()->className())));
            return;
        }
        m_pressId = record({{kStep, QStringLiteral("press")}, {QStringLiteral("object"), path}});
        m_pressed = widget;
        m_pressTime = m_workbench->driveModel()->timeMs();
    } else if (type == QEvent::MouseButtonPress && qobject_cast<QAbstractItemView *>(widget->parentWidget())) {
        notRecorded(tr("clicks into the list %1 cannot be played back").arg(widget->parentWidget()->objectName()));
    } else if (type == QEvent::MouseButtonPress && qobject_cast<QAbstractSpinBox *>(widget)) {
        notRecorded(tr("the arrows of %1 cannot be played back; type the value instead").arg(widget->objectName()));
    } else if ((type == QEvent::MouseButtonRelease || (spaceBar && type == QEvent::KeyRelease)) && widget == m_pressed) {
        m_pressed = nullptr;
        const int index = indexOf(m_pressId);
        const bool inside = key || widget->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (index >= 0 && index == m_steps.size() - 1 && m_workbench->driveModel()->timeMs() == m_pressTime) {
            // Nothing happened while it was down: a click, or nothing when let go outside.
            if (inside)
                m_steps[index].fields.insert(kStep, QStringLiteral("click"));
            else
                m_steps.removeAt(index);
            return;
        }
        QJsonObject release = m_steps.value(index).fields;
        release.insert(kStep, QStringLiteral("release"));
        release.remove(QStringLiteral("page"));
        if (!inside)
            release.insert(QStringLiteral("note"), QStringLiteral("let go beside the button"));
        record(release);
    } else if (type == QEvent::FocusOut
               || (type == QEvent::KeyPress
                   && (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return
                       || static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter))) {
        if (QWidget *field = textField(widget))
            enterText(field);
    }
}

void ScenarioRecorder::enterText(QWidget *field)
{
    auto *edit = qobject_cast<QLineEdit *>(field);
    auto *spin = qobject_cast<QAbstractSpinBox *>(field);
    QLineEdit *typed = edit ? edit : field->findChild<QLineEdit *>();
    // Only what a person typed: a field the page filled itself is not modified.
    if (!typed || !typed->isModified() || typed->isReadOnly())
        return;
    const QString text = spin ? spin->text() : edit->text();
    QWidget *page = m_workbench->pageArea()->page(m_workbench->host()->currentPage());
    const QString path = objectPath(field, page);
    if (path.isEmpty()) {
        notRecorded(tr("the %1 typed into has no object name to play it back by")
                        .arg(QLatin1String(field->metaObject()->className())));
        return;
    }
    // Return and then leaving the field commit the same text once.
    if (!m_steps.isEmpty()) {
        const QJsonObject &last = m_steps.constLast().fields;
        if (last.value(kStep) == QLatin1String("enter") && last.value(QStringLiteral("object")) == path
            && last.value(QStringLiteral("text")) == text)
            return;
    }
    record({{kStep, QStringLiteral("enter")}, {QStringLiteral("object"), path}, {QStringLiteral("text"), text}});
}

void ScenarioRecorder::watchChoices(QWidget *widget)
{
    auto *box = qobject_cast<QComboBox *>(widget);
    if (!box || m_watched.contains(box))
        return;
    m_watched.removeIf([](const QPointer<QWidget> &w) { return w.isNull(); });
    m_watched << box;
    // The page's own handler has run by now: boxes it opened wait in m_pending for this step.
    connect(box, &QComboBox::activated, this, [this, box](int index) {
        if (!m_recording)
            return;
        QWidget *page = m_workbench->pageArea()->page(m_workbench->host()->currentPage());
        const QString path = page && isUnder(box, page) ? objectPath(box, page) : QString();
        if (path.isEmpty()) {
            notRecorded(tr("the choice box has no object name to play it back by"));
            return;
        }
        record({{kStep, QStringLiteral("choose")}, {QStringLiteral("object"), path}, {QStringLiteral("index"), index},
                {QStringLiteral("note"), box->itemText(index)}});
    });
}

void ScenarioRecorder::boxShown(QWidget *widget)
{
    if (widget->property("brevaneRecorded").toBool())
        return;
    widget->setProperty("brevaneRecorded", true);
    const Recorded answer{m_nextId++, {{kStep, QStringLiteral("answer")}, {QStringLiteral("button"), QString()}}};
    // The runner answers a box that the next step opens: the answer goes before the action.
    const int open = m_openId >= 0 ? indexOf(m_openId) : -1;
    if (open >= 0)
        m_steps.insert(open, answer);
    else
        m_pending << answer;
    auto *dialog = static_cast<QDialog *>(widget);
    const QString title = dialog->windowTitle();
    connect(dialog, &QDialog::finished, this, [this, dialog, title, id = answer.id](int result) {
        const QString name = answerName(dialog, result);
        for (QList<Recorded> *list : {&m_steps, &m_pending}) {
            for (int i = 0; i < list->size(); ++i) {
                if (list->at(i).id != id)
                    continue;
                if (name.isEmpty())
                    list->removeAt(i);
                else
                    (*list)[i].fields.insert(QStringLiteral("button"), name);
                if (name.isEmpty() && m_recording)
                    notRecorded(tr("the box \"%1\" was closed with a button a scenario cannot name").arg(title));
                return;
            }
        }
    });
}

void ScenarioRecorder::parameterCommitted()
{
    const bool refused = m_refused;
    m_refused = false;
    if (!m_recording || refused)
        return;
    const QModelIndex index = m_parameters->view()->currentIndex();
    ParameterModel *model = m_parameters->model();
    const QString coordinate = model->coordinateAt(index);
    const int element = model->elementAt(index);
    if (coordinate.isEmpty() || element < 0)
        return;
    QJsonObject step{{kStep, QStringLiteral("set")}, {QStringLiteral("parameter"), coordinate}};
    if (element > 0)
        step.insert(QStringLiteral("element"), element);
    step.insert(QStringLiteral("value"),
                valueOf(m_workbench->drive()->store()->value(coordinate, m_workbench->host()->livingSpace(),
                                                            static_cast<unsigned short>(element))));
    record(step);
}

void ScenarioRecorder::expectSelected()
{
    if (!m_recording)
        return;
    const QModelIndex index = m_parameters->view()->currentIndex();
    ParameterModel *model = m_parameters->model();
    const QString coordinate = model->coordinateAt(index);
    const int element = model->elementAt(index);
    if (coordinate.isEmpty()) {
        notRecorded(tr("select the parameter to expect first"));
        return;
    }
    if (element < 0) {
        notRecorded(tr("select one element of %1 to expect").arg(ParameterModel::displayCoordinate(coordinate)));
        return;
    }
    QJsonObject step{{kStep, QStringLiteral("expect")}, {QStringLiteral("parameter"), coordinate}};
    if (element > 0)
        step.insert(QStringLiteral("element"), element);
    const QString value = m_workbench->drive()->store()->value(coordinate, m_workbench->host()->livingSpace(),
                                                               static_cast<unsigned short>(element));
    step.insert(QStringLiteral("value"), valueOf(value));
    record(step);
    finishAction();
    m_window->statusBar()->showMessage(tr("Expecting %1 = %2").arg(ParameterModel::displayCoordinate(coordinate), value), 8000);
}

QByteArray ScenarioRecorder::json() const
{
    // The runner's own order of fields, so that a recording reads like a written scenario.
    static const char *const order[] = {"step", "page", "object", "parameter", "element", "value", "text",
                                        "index", "button", "ms", "fault", "on", "file", "position", "target",
                                        "inPosition", "block", "startedBlock", "blockStatus", "faults", "device",
                                        "fieldbus", "language", "online", "readOnly", "note"};
    auto text = [](const QJsonValue &value) {
        const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return array.mid(1, array.size() - 2);
    };
    QByteArray out = "{\n  \"description\": "
        + text(QStringLiteral("Recorded in the workbench on %1.").arg(QDateTime::currentDateTime().toString(Qt::ISODate)))
        + ",\n  \"steps\": [\n";
    for (int i = 0; i < m_steps.size(); ++i) {
        QByteArrayList fields;
        for (const char *key : order) {
            const QJsonValue value = m_steps.at(i).fields.value(QLatin1String(key));
            if (!value.isUndefined())
                fields << "\"" + QByteArray(key) + "\": " + text(value);
        }
        out += "    {" + fields.join(", ") + (i + 1 < m_steps.size() ? "},\n" : "}\n");
    }
    return out + "  ]\n}\n";
}

void ScenarioRecorder::retranslate()
{
    m_recordAction->setText(tr("Record scenario…"));
    m_stopAction->setText(tr("Stop recording"));
    m_expectAction->setText(tr("Expect this value"));
    m_expectAction->setToolTip(tr("Adds a step to the recording that expects the selected parameter's value"));
    if (m_indicator) {
        m_indicator->setText(tr("● Recording"));
        m_indicator->setToolTip(tr("A scenario is being recorded; Drive > Stop recording writes it"));
    }
}
