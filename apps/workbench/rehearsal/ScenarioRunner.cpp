#include "ScenarioRunner.h"

#include "DriveModel.h"
#include "PageArea.h"
#include "ParameterStore.h"
#include "SimulatedDrive.h"
#include "WizardPage.h"
#include "Workbench.h"
#include "WorkbenchHost.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

enum class FieldType { Text, Number, Flag, Value, Texts };

struct Field
{
    const char *name;
    FieldType type;
    bool required;
};

struct Kind
{
    const char *name;
    QList<Field> fields;
};

const QList<Kind> &kinds()
{
    const Field object{"object", FieldType::Text, true};
    const Field page{"page", FieldType::Text, false};
    const Field parameter{"parameter", FieldType::Text, true};
    const Field element{"element", FieldType::Number, false};
    static const QList<Kind> list = {
        {"show", {{"page", FieldType::Text, true}}},
        {"click", {object, page}},
        {"press", {object, page}},
        {"release", {object, page}},
        {"check", {object, {"checked", FieldType::Flag, true}, page}},
        {"answer", {{"button", FieldType::Text, true}}},
        {"wait", {{"ms", FieldType::Number, true}}},
        {"waitFor", {parameter, {"value", FieldType::Value, true}, {"within", FieldType::Number, true}, element}},
        {"set", {parameter, {"value", FieldType::Value, true}, element}},
        {"expect",
         {parameter, {"value", FieldType::Value, false}, {"min", FieldType::Number, false},
          {"max", FieldType::Number, false}, element}},
        {"expectWidget",
         {object, page, {"enabled", FieldType::Flag, false}, {"visible", FieldType::Flag, false},
          {"checked", FieldType::Flag, false}, {"text", FieldType::Text, false}}},
        {"fault", {{"fault", FieldType::Text, true}, {"on", FieldType::Flag, false}}},
        {"clearFaults", {}},
        {"enter", {object, {"text", FieldType::Text, true}, page}},
        {"choose", {object, {"index", FieldType::Number, true}, page}},
        {"drive",
         {{"file", FieldType::Text, true}, {"position", FieldType::Number, false}, {"target", FieldType::Number, false},
          {"inPosition", FieldType::Flag, false}, {"block", FieldType::Number, false},
          {"startedBlock", FieldType::Number, false}, {"blockStatus", FieldType::Number, false},
          {"faults", FieldType::Texts, false}}},
        {"switch",
         {{"device", FieldType::Text, false}, {"fieldbus", FieldType::Text, false}, {"language", FieldType::Text, false},
          {"online", FieldType::Flag, false}, {"readOnly", FieldType::Flag, false}}},
    };
    return list;
}

const Kind *findKind(const QString &name)
{
    for (const Kind &kind : kinds()) {
        if (name == QLatin1String(kind.name))
            return &kind;
    }
    return nullptr;
}

bool hasType(const QJsonValue &value, FieldType type)
{
    switch (type) {
    case FieldType::Text: return value.isString();
    case FieldType::Number: return value.isDouble();
    case FieldType::Flag: return value.isBool();
    case FieldType::Value: return value.isString() || value.isDouble();
    case FieldType::Texts: {
        const QJsonArray items = value.toArray();
        return value.isArray() && std::all_of(items.begin(), items.end(), [](const QJsonValue &item) { return item.isString(); });
    }
    }
    return false;
}

QString typeName(FieldType type)
{
    switch (type) {
    case FieldType::Text: return ScenarioRunner::tr("a text");
    case FieldType::Number: return ScenarioRunner::tr("a number");
    case FieldType::Flag: return ScenarioRunner::tr("true or false");
    case FieldType::Value: return ScenarioRunner::tr("a text or a number");
    case FieldType::Texts: return ScenarioRunner::tr("a list of texts");
    }
    return QString();
}

// A value as the parameter store writes it: numbers in their shortest decimal form.
QString valueText(const QJsonValue &value)
{
    return value.isDouble() ? QLocale::c().toString(value.toDouble(), 'g', 12) : value.toString();
}

// Simulated time a single step may ask for: ten minutes are more than any commissioning move.
constexpr double longestWaitMs = 600000;

const QStringList answerNames = {QStringLiteral("ok"), QStringLiteral("cancel"), QStringLiteral("yes"),
                                 QStringLiteral("no")};

QMessageBox::StandardButton standardButton(const QString &name)
{
    if (name == QLatin1String("ok"))
        return QMessageBox::Ok;
    if (name == QLatin1String("yes"))
        return QMessageBox::Yes;
    if (name == QLatin1String("no"))
        return QMessageBox::No;
    return QMessageBox::Cancel;
}

void sendMouse(QWidget *widget, QEvent::Type type)
{
    const QPointF local = QRectF(widget->rect()).center();
    QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void sendKey(QWidget *widget, int key, const QString &text = QString())
{
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget, &event);
    }
}

// Widgets a person clicks that are no buttons: clickable labels and areas over a diagram.
bool isClickable(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget)
        || widget->metaObject()->indexOfSignal("clicked()") >= 0;
}

// What each step kind can act on; expectWidget looks at anything.
QString unusableObject(const QString &kind, const QWidget *widget)
{
    if (kind == QLatin1String("click"))
        return isClickable(widget) ? QString() : ScenarioRunner::tr("is no button");
    if (kind == QLatin1String("enter"))
        return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
            ? QString()
            : ScenarioRunner::tr("is no text field");
    if (kind == QLatin1String("choose"))
        return qobject_cast<const QComboBox *>(widget) ? QString() : ScenarioRunner::tr("is no choice box");
    if (kind == QLatin1String("expectWidget"))
        return QString();
    return qobject_cast<const QAbstractButton *>(widget) ? QString() : ScenarioRunner::tr("is no button");
}

template <typename Entry, typename Name>
const Entry *findNamed(const QList<Entry> &entries, const QString &wanted, Name name)
{
    for (const Entry &entry : entries) {
        if (wanted == QLatin1String(name(entry)))
            return &entry;
    }
    return nullptr;
}

const WorkbenchNames::Device *findDevice(const QString &name)
{
    return findNamed(WorkbenchNames::devices(), name, [](const auto &d) { return d.name; });
}

const WorkbenchNames::Fieldbus *findFieldbus(const QString &name)
{
    return findNamed(WorkbenchNames::fieldbuses(), name, [](const auto &f) { return f.option; });
}

const WorkbenchNames::Language *findLanguage(const QString &name)
{
    return findNamed(WorkbenchNames::languages(), name, [](const auto &l) { return l.option; });
}

} // namespace

QString messageBoxText(const QMessageBox &box)
{
    const QString text = box.text();
    const bool rich = box.textFormat() == Qt::RichText || (box.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return (rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text).simplified();
}

ScenarioRunner::ScenarioRunner(Workbench *workbench, DriveModel *model, QObject *parent)
    : QObject(parent), m_workbench(workbench), m_model(model)
{
    qApp->installEventFilter(this);
}

ScenarioRunner::~ScenarioRunner()
{
    qApp->removeEventFilter(this);
}

bool ScenarioRunner::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("%1: cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    return loadJson(file.readAll(), path, error);
}

bool ScenarioRunner::loadJson(const QByteArray &json, const QString &name, QString *error)
{
    m_steps.clear();
    m_name = name;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const int line = int(json.left(parseError.offset).count('\n')) + 1;
        *error = QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(parseError.errorString());
        return false;
    }
    if (!document.isObject() || !document.object().value(QStringLiteral("steps")).isArray()) {
        *error = tr("%1: a scenario is an object with a \"steps\" array").arg(name);
        return false;
    }
    const QJsonArray steps = document.object().value(QStringLiteral("steps")).toArray();
    QString shown;
    QList<Step> checked;
    for (int i = 0; i < steps.size(); ++i) {
        Step step{i + 1, QString(), steps.at(i).toObject(), QString()};
        step.kind = step.fields.value(QStringLiteral("step")).toString();
        if (step.fields.contains(QStringLiteral("page")))
            step.page = step.fields.value(QStringLiteral("page")).toString();
        else
            step.page = shown;
        QString why;
        if (!steps.at(i).isObject())
            why = tr("a step is an object");
        else if (!check(step, &why) && why.isEmpty())
            why = tr("invalid");
        if (!why.isEmpty()) {
            *error = tr("%1: step %2 (%3): %4").arg(name).arg(step.number).arg(step.kind, why);
            return false;
        }
        if (step.kind == QLatin1String("drive")) {
            // The steps after it are checked against the drive it opens.
            auto drive = std::make_shared<ParameterStore>();
            if (!drive->loadFile(drivePath(step.fields), &why)) {
                *error = tr("%1: step %2 (%3): %4").arg(name).arg(step.number).arg(step.kind, why);
                m_checkedDrive.reset();
                return false;
            }
            m_checkedDrive = drive;
        }
        if (step.kind == QLatin1String("show"))
            shown = step.page;
        checked << step;
    }
    m_checkedDrive.reset();
    m_steps = checked;
    return true;
}

bool ScenarioRunner::check(const Step &step, QString *error) const
{
    const Kind *kind = findKind(step.kind);
    if (!kind) {
        *error = step.kind.isEmpty() ? tr("no \"step\" field") : tr("unknown step");
        return false;
    }
    for (auto it = step.fields.constBegin(); it != step.fields.constEnd(); ++it) {
        if (it.key() == QLatin1String("step") || it.key() == QLatin1String("note"))
            continue;
        const auto field = std::find_if(kind->fields.cbegin(), kind->fields.cend(),
                                        [&](const Field &f) { return it.key() == QLatin1String(f.name); });
        if (field == kind->fields.cend()) {
            *error = tr("unknown field \"%1\"").arg(it.key());
            return false;
        }
        if (!hasType(it.value(), field->type)) {
            *error = tr("field \"%1\" must be %2").arg(it.key(), typeName(field->type));
            return false;
        }
    }
    for (const Field &field : kind->fields) {
        if (field.required && !step.fields.contains(QLatin1String(field.name))) {
            *error = tr("field \"%1\" is missing").arg(QLatin1String(field.name));
            return false;
        }
    }

    const QJsonObject &f = step.fields;
    if (f.contains(QStringLiteral("page")) || step.kind == QLatin1String("show") || f.contains(QStringLiteral("object"))) {
        if (step.page.isEmpty()) {
            *error = tr("no page: show one first or name it in \"page\"");
            return false;
        }
        if (!pageWidget(step.page)) {
            *error = tr("unknown page \"%1\"").arg(step.page);
            return false;
        }
    }
    if (f.contains(QStringLiteral("object"))) {
        QWidget *found = object(step);
        if (!found) {
            *error = tr("page %1 has no object \"%2\"").arg(step.page, f.value(QStringLiteral("object")).toString());
            return false;
        }
        const QString unusable = unusableObject(step.kind, found);
        if (!unusable.isEmpty()) {
            *error = QStringLiteral("\"%1\" %2").arg(found->objectName(), unusable);
            return false;
        }
    }
    if (f.contains(QStringLiteral("parameter"))) {
        const QString coordinate = f.value(QStringLiteral("parameter")).toString();
        const ParameterStore *drive = m_checkedDrive ? m_checkedDrive.get() : m_workbench->drive()->store();
        const ParameterDefinitionData *definition = drive->definition(coordinate);
        if (!definition) {
            *error = tr("unknown parameter \"%1\"").arg(coordinate);
            return false;
        }
        const double element = f.value(QStringLiteral("element")).toDouble(0);
        if (element < 0 || element >= definition->elementCount || element != std::floor(element)) {
            *error = tr("%1 has no element %2").arg(coordinate).arg(element);
            return false;
        }
    }
    for (const char *time : {"ms", "within"}) {
        if (!f.contains(QLatin1String(time)))
            continue;
        const double ms = f.value(QLatin1String(time)).toDouble();
        if (ms < 0 || ms > longestWaitMs) {
            *error = tr("\"%1\" must lie between 0 and %2").arg(QLatin1String(time)).arg(longestWaitMs);
            return false;
        }
    }
    if (step.kind == QLatin1String("answer") && !answerNames.contains(f.value(QStringLiteral("button")).toString())) {
        *error = tr("a box is answered with %1").arg(answerNames.join(QStringLiteral(", ")));
        return false;
    }
    QStringList faultNames;
    if (step.kind == QLatin1String("fault"))
        faultNames << f.value(QStringLiteral("fault")).toString();
    for (const QJsonValue &name : f.value(QStringLiteral("faults")).toArray())
        faultNames << name.toString();
    for (const QString &name : std::as_const(faultNames)) {
        DriveModel::Fault fault{};
        if (!DriveModel::faultFromName(name, &fault)) {
            QStringList names;
            for (DriveModel::Fault known : DriveModel::faults())
                names << DriveModel::faultName(known);
            *error = tr("unknown fault \"%1\"; known are %2").arg(name, names.join(QStringLiteral(", ")));
            return false;
        }
    }
    if (step.kind == QLatin1String("expect") && !f.contains(QStringLiteral("value")) && !f.contains(QStringLiteral("min"))
        && !f.contains(QStringLiteral("max"))) {
        *error = tr("nothing to expect: give \"value\", \"min\" or \"max\"");
        return false;
    }
    if (step.kind == QLatin1String("switch")) {
        if (f.size() <= (f.contains(QStringLiteral("note")) ? 2 : 1)) {
            *error = tr("nothing to switch: give \"device\", \"fieldbus\", \"language\", \"online\" or \"readOnly\"");
            return false;
        }
        if (f.contains(QStringLiteral("device")) && !findDevice(f.value(QStringLiteral("device")).toString())) {
            *error = tr("unknown device type \"%1\"").arg(f.value(QStringLiteral("device")).toString());
            return false;
        }
        if (f.contains(QStringLiteral("fieldbus")) && !findFieldbus(f.value(QStringLiteral("fieldbus")).toString())) {
            *error = tr("unknown fieldbus \"%1\"").arg(f.value(QStringLiteral("fieldbus")).toString());
            return false;
        }
        if (f.contains(QStringLiteral("language")) && !findLanguage(f.value(QStringLiteral("language")).toString())) {
            *error = tr("unknown language \"%1\"").arg(f.value(QStringLiteral("language")).toString());
            return false;
        }
    }
    if (step.kind == QLatin1String("expectWidget") && f.size() <= (f.contains(QStringLiteral("page")) ? 3 : 2)
        + (f.contains(QStringLiteral("note")) ? 1 : 0)) {
        *error = tr("nothing to expect: give \"enabled\", \"visible\", \"checked\" or \"text\"");
        return false;
    }
    return true;
}

QWidget *ScenarioRunner::pageWidget(const QString &identifier) const
{
    PageArea *area = m_workbench->pageArea();
    return area ? qobject_cast<WizardPage *>(area->page(identifier)) : nullptr;
}

QWidget *ScenarioRunner::object(const Step &step) const
{
    // "group/button" names a button inside the widget "group", for names a page repeats.
    QWidget *found = pageWidget(step.page);
    const QStringList path = step.fields.value(QStringLiteral("object")).toString().split(QLatin1Char('/'));
    for (const QString &name : path)
        found = found && !name.isEmpty() ? found->findChild<QWidget *>(name) : nullptr;
    return found;
}

bool ScenarioRunner::run(QString *failure)
{
    m_answers.clear();
    m_unexpectedBoxes.clear();
    settle();
    for (const Step &step : std::as_const(m_steps)) {
        QString why;
        bool passed = runStep(step, &why);
        if (passed && !m_unexpectedBoxes.isEmpty()) {
            why = QStringLiteral("a message box nobody answered came up: %1").arg(m_unexpectedBoxes.join(QStringLiteral("; ")));
            passed = false;
        }
        if (passed && step.kind != QLatin1String("answer") && !m_answers.isEmpty()) {
            why = QStringLiteral("no message box came up to answer with %1").arg(m_answers.head());
            passed = false;
        }
        if (!passed) {
            *failure = QStringLiteral("step %1 (%2): %3").arg(step.number).arg(step.kind, why);
            return false;
        }
    }
    return true;
}

QWidget *ScenarioRunner::usableObject(const Step &step, QString *why) const
{
    QWidget *button = object(step);
    if (!button) {
        *why = QStringLiteral("the object is gone");
        return nullptr;
    }
    if (m_workbench->host()->currentPage() != step.page) {
        *why = QStringLiteral("page %1 is not shown").arg(step.page);
        return nullptr;
    }
    // A person cannot press what they cannot see or what is disabled.
    if (!button->isVisible()) {
        *why = QStringLiteral("%1 is not visible").arg(button->objectName());
        return nullptr;
    }
    if (!button->isEnabled()) {
        *why = QStringLiteral("%1 is disabled").arg(button->objectName());
        return nullptr;
    }
    return button;
}

bool ScenarioRunner::runStep(const Step &step, QString *why)
{
    const QJsonObject &f = step.fields;
    const QString &kind = step.kind;
    ParameterStore *store = m_workbench->drive()->store();
    bool passed = true;

    if (kind == QLatin1String("show")) {
        if (!m_workbench->host()->selectPage(step.page)) {
            *why = QStringLiteral("page %1 is not visible in the tree").arg(step.page);
            passed = false;
        }
    } else if (kind == QLatin1String("click") && !qobject_cast<QAbstractButton *>(object(step))) {
        QWidget *clickable = usableObject(step, why);
        if (!clickable)
            return false;
        sendMouse(clickable, QEvent::MouseButtonPress);
        sendMouse(clickable, QEvent::MouseButtonRelease);
    } else if (kind == QLatin1String("click") || kind == QLatin1String("check")) {
        auto *button = qobject_cast<QAbstractButton *>(usableObject(step, why));
        if (!button)
            return false;
        if (kind == QLatin1String("check") && !button->isCheckable()) {
            *why = QStringLiteral("%1 cannot be checked").arg(button->objectName());
            return false;
        }
        if (kind == QLatin1String("click") || button->isChecked() != f.value(QStringLiteral("checked")).toBool())
            button->click();
    } else if (kind == QLatin1String("press") || kind == QLatin1String("release")) {
        auto *button = qobject_cast<QAbstractButton *>(usableObject(step, why));
        if (!button)
            return false;
        const bool press = kind == QLatin1String("press");
        if (button->isDown() == press) {
            *why = QStringLiteral("%1 is %2 already").arg(button->objectName(), press ? QStringLiteral("down") : QStringLiteral("up"));
            return false;
        }
        sendMouse(button, press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
    } else if (kind == QLatin1String("answer")) {
        m_answers.enqueue(f.value(QStringLiteral("button")).toString());
    } else if (kind == QLatin1String("wait")) {
        const int steps = (f.value(QStringLiteral("ms")).toInt() + DriveModel::StepMs - 1) / DriveModel::StepMs;
        for (int i = 0; i < steps; ++i) {
            m_model->step();
            if (i % 10 == 9)
                settle();
        }
    } else if (kind == QLatin1String("waitFor")) {
        const QString expected = valueText(f.value(QStringLiteral("value")));
        const int within = f.value(QStringLiteral("within")).toInt();
        int waited = 0;
        while (parameterValue(f) != expected && waited < within) {
            m_model->step();
            waited += DriveModel::StepMs;
            if ((waited / DriveModel::StepMs) % 10 == 0)
                settle();
        }
        if (parameterValue(f) != expected) {
            *why = QStringLiteral("%1 is \"%2\" after %3 ms, expected \"%4\"")
                       .arg(f.value(QStringLiteral("parameter")).toString(), parameterValue(f))
                       .arg(within)
                       .arg(expected);
            passed = false;
        }
    } else if (kind == QLatin1String("set")) {
        const QString coordinate = f.value(QStringLiteral("parameter")).toString();
        const auto element = static_cast<unsigned short>(f.value(QStringLiteral("element")).toInt(0));
        if (!store->setValue(coordinate, m_workbench->host()->livingSpace(), element, valueText(f.value(QStringLiteral("value"))))) {
            *why = store->lastWriteError();
            passed = false;
        }
    } else if (kind == QLatin1String("expect")) {
        passed = expectParameter(f, why);
    } else if (kind == QLatin1String("expectWidget")) {
        passed = expectWidget(step, why);
    } else if (kind == QLatin1String("fault")) {
        DriveModel::Fault fault{};
        DriveModel::faultFromName(f.value(QStringLiteral("fault")).toString(), &fault);
        m_model->setFault(fault, f.value(QStringLiteral("on")).toBool(true));
    } else if (kind == QLatin1String("clearFaults")) {
        m_model->clearFaults();
    } else if (kind == QLatin1String("enter")) {
        passed = enterText(step, why);
    } else if (kind == QLatin1String("choose")) {
        auto *box = qobject_cast<QComboBox *>(usableObject(step, why));
        if (!box)
            return false;
        const int index = f.value(QStringLiteral("index")).toInt();
        if (index < 0 || index >= box->count()) {
            *why = QStringLiteral("%1 has no entry %2").arg(box->objectName()).arg(index);
            return false;
        }
        // As a pick from the list: the box reports it as activated, not only as changed.
        box->setCurrentIndex(index);
        emit box->activated(index);
        emit box->textActivated(box->itemText(index));
    } else if (kind == QLatin1String("switch")) {
        switchHost(f);
    } else if (kind == QLatin1String("drive")) {
        passed = openDrive(f, why);
    }
    settle();
    return passed;
}

bool ScenarioRunner::enterText(const Step &step, QString *why)
{
    QWidget *field = usableObject(step, why);
    if (!field)
        return false;
    auto *edit = qobject_cast<QLineEdit *>(field);
    auto *spin = qobject_cast<QAbstractSpinBox *>(field);
    if ((edit && edit->isReadOnly()) || (spin && spin->isReadOnly())) {
        *why = QStringLiteral("%1 is read-only").arg(field->objectName());
        return false;
    }
    // Typed over what the field shows and committed with Return, as a person does.
    field->setFocus(Qt::OtherFocusReason);
    if (edit)
        edit->selectAll();
    else if (spin)
        spin->selectAll();
    sendKey(field, Qt::Key_unknown, step.fields.value(QStringLiteral("text")).toString());
    sendKey(field, Qt::Key_Return);
    return true;
}

QString ScenarioRunner::drivePath(const QJsonObject &fields) const
{
    const QString file = fields.value(QStringLiteral("file")).toString();
    if (file == QLatin1String(BuiltInDrive))
        return SimulatedDrive::defaultDescriptionPath();
    // A recording names its drive from its own folder, so the two can move together.
    return QDir(QFileInfo(m_name).absolutePath()).absoluteFilePath(file);
}

bool ScenarioRunner::openDrive(const QJsonObject &f, QString *why)
{
    if (!m_workbench->openDrive(drivePath(f), why))
        return false;
    DriveModel::AxisState state = m_model->openingState();
    state.position = f.value(QStringLiteral("position")).toDouble(state.position);
    state.lastTarget = f.value(QStringLiteral("target")).toDouble(state.position);
    state.targetReached = f.value(QStringLiteral("inPosition")).toBool(false);
    state.currentBlock = f.value(QStringLiteral("block")).toInt(-1);
    state.startedBlock = f.value(QStringLiteral("startedBlock")).toInt(-1);
    state.blockStatus = quint32(f.value(QStringLiteral("blockStatus")).toInt(0));
    if (f.contains(QStringLiteral("faults"))) {
        state.faults.clear();
        for (const QJsonValue &name : f.value(QStringLiteral("faults")).toArray()) {
            DriveModel::Fault fault{};
            if (DriveModel::faultFromName(name.toString(), &fault))
                state.faults << fault;
        }
    }
    m_model->restart(state);
    return true;
}

void ScenarioRunner::switchHost(const QJsonObject &f)
{
    WorkbenchHost *host = m_workbench->host();
    if (const auto *device = findDevice(f.value(QStringLiteral("device")).toString()))
        host->setDeviceType(device->type);
    if (const auto *bus = findFieldbus(f.value(QStringLiteral("fieldbus")).toString()))
        host->setFieldbusType(bus->type);
    // Every page retranslates on a language switch, even to the same language.
    const auto *language = findLanguage(f.value(QStringLiteral("language")).toString());
    if (language && language->language != m_workbench->language())
        m_workbench->setLanguage(language->language);
    if (f.contains(QStringLiteral("online")))
        host->setOnline(f.value(QStringLiteral("online")).toBool());
    if (f.contains(QStringLiteral("readOnly")))
        host->setReadOnly(f.value(QStringLiteral("readOnly")).toBool());
}

QString ScenarioRunner::parameterValue(const QJsonObject &fields) const
{
    return m_workbench->drive()->store()->value(fields.value(QStringLiteral("parameter")).toString(),
                                                m_workbench->host()->livingSpace(),
                                                static_cast<unsigned short>(fields.value(QStringLiteral("element")).toInt(0)));
}

bool ScenarioRunner::expectParameter(const QJsonObject &f, QString *why) const
{
    const QString actual = parameterValue(f);
    const QString coordinate = f.value(QStringLiteral("parameter")).toString();
    if (f.contains(QStringLiteral("value"))) {
        const QString expected = valueText(f.value(QStringLiteral("value")));
        if (actual != expected) {
            *why = QStringLiteral("%1 is \"%2\", expected \"%3\"").arg(coordinate, actual, expected);
            return false;
        }
    }
    bool ok = false;
    const double number = QLocale::c().toDouble(actual, &ok);
    for (const char *bound : {"min", "max"}) {
        if (!f.contains(QLatin1String(bound)))
            continue;
        const double limit = f.value(QLatin1String(bound)).toDouble();
        const bool low = qstrcmp(bound, "min") == 0;
        if (!ok || (low ? number < limit : number > limit)) {
            *why = QStringLiteral("%1 is \"%2\", expected %3 %4").arg(coordinate, actual, low ? QStringLiteral("at least") : QStringLiteral("at most")).arg(limit);
            return false;
        }
    }
    return true;
}

bool ScenarioRunner::expectWidget(const Step &step, QString *why) const
{
    QWidget *widget = object(step);
    QWidget *page = pageWidget(step.page);
    if (!widget || !page) {
        *why = QStringLiteral("the object is gone");
        return false;
    }
    const QJsonObject &f = step.fields;
    auto compare = [&](const char *property, bool actual) {
        if (!f.contains(QLatin1String(property)) || f.value(QLatin1String(property)).toBool() == actual)
            return true;
        *why = QStringLiteral("%1 is %2%3").arg(widget->objectName(), actual ? QString() : QStringLiteral("not "),
                                               QLatin1String(property));
        return false;
    };
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!compare("enabled", widget->isEnabled()) || !compare("visible", widget->isVisibleTo(page)))
        return false;
    if (f.contains(QStringLiteral("checked")) && !button) {
        *why = QStringLiteral("%1 is no button").arg(widget->objectName());
        return false;
    }
    if (button && !compare("checked", button->isChecked()))
        return false;
    if (f.contains(QStringLiteral("text"))) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (button)
            text = button->text();
        else
            text = widget->property("text").toString();
        if (text != f.value(QStringLiteral("text")).toString()) {
            *why = QStringLiteral("%1 shows \"%2\", expected \"%3\"").arg(widget->objectName(), text,
                                                                        f.value(QStringLiteral("text")).toString());
            return false;
        }
    }
    return true;
}

bool ScenarioRunner::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && qobject_cast<QDialog *>(widget) && widget->isModal()) {
            m_answered.removeIf([](const QPointer<QWidget> &box) { return box.isNull(); });
            if (!m_answered.contains(widget)) {
                m_answered << widget;
                // Answered from the box's own event loop, once it runs.
                QPointer<QWidget> box(widget);
                QMetaObject::invokeMethod(this, [this, box] {
                    if (box)
                        answerBox(box);
                }, Qt::QueuedConnection);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ScenarioRunner::answerBox(QWidget *widget)
{
    auto *box = qobject_cast<QMessageBox *>(widget);
    auto *dialog = qobject_cast<QDialog *>(widget);
    const QString title = widget->windowTitle();
    if (m_answers.isEmpty()) {
        const QString text = box ? messageBoxText(*box) : title;
        m_unexpectedBoxes << QStringLiteral("\"%1\"").arg(text.size() > 80 ? text.left(79) + QChar(0x2026) : text);
        if (dialog)
            dialog->reject();
        return;
    }
    const QString answer = m_answers.dequeue();
    if (box) {
        if (QAbstractButton *button = box->button(standardButton(answer))) {
            button->click();
            return;
        }
        m_unexpectedBoxes << QStringLiteral("\"%1\" has no %2 button").arg(title, answer);
        box->reject();
        return;
    }
    if (answer == QLatin1String("ok") || answer == QLatin1String("yes"))
        dialog->accept();
    else
        dialog->reject();
}

void ScenarioRunner::settle()
{
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}
