#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>

#include <memory>

class DriveModel;
class ParameterStore;
class QAbstractButton;
class QMessageBox;
class QWidget;
class Workbench;

// What a message box says, as plain text on one line (boxes may speak HTML).
QString messageBoxText(const QMessageBox &box);

// Plays a scripted session against the workbench's pages and simulated drive, in simulated
// time. A scenario is a JSON object with a "steps" array; each step is an object whose "step"
// names what it does:
//
//   show          page                      shows a page of the tree
//   click         object [page]             clicks a button (toggles a checkable one) or a
//                                           clickable label or area
//   press/release object [page]             holds a momentary button down / lets it go
//   check         object checked [page]     clicks a checkable button into the given state
//   answer        button                    answers the next message box: ok, cancel, yes, no
//   wait          ms                        runs the drive for simulated milliseconds
//   waitFor       parameter value within [element]   runs until the value is reached
//   set           parameter value [element] writes a parameter as a person would
//   expect        parameter (value | min/max) [element]
//   expectWidget  object [page] [enabled visible checked text]
//   fault         fault [on]                injects (or with "on": false clears) a fault
//   clearFaults                             clears every injected fault
//   enter         object text [page]        types into a text field and commits with Return
//   choose        object index [page]       picks an entry of a choice box
//   switch        [device fieldbus language online readOnly]   switches the host
//   drive         file [position target inPosition block startedBlock blockStatus faults]
//                                           opens the drive file ("built-in" for the built-in
//                                           one; a relative path from the scenario's folder) as
//                                           File > Open does, then puts the axis at rest in the
//                                           state given (see DriveModel::AxisState; "faults"
//                                           lists the injected faults, else the file's stand)
//
// Every step may carry a "note". Objects are looked up on the page named by the step, else
// on the page the last "show" step showed; "group/button" names an object inside another.
// Devices, fieldbuses and languages go by their command-line names (KN2, canopen, en).
class ScenarioRunner : public QObject
{
    Q_OBJECT
public:
    // The "file" of a drive step that names the built-in drive.
    static constexpr const char *BuiltInDrive = "built-in";

    ScenarioRunner(Workbench *workbench, DriveModel *model, QObject *parent = nullptr);
    ~ScenarioRunner() override;

    // Reads and checks the whole scenario before anything runs: malformed JSON, an unknown
    // step or field, an unknown page, object, parameter or fault. The pages must exist.
    bool load(const QString &path, QString *error);
    bool loadJson(const QByteArray &json, const QString &name, QString *error);
    int stepCount() const { return int(m_steps.size()); }

    // Runs the steps in order; on the first failure returns false with "step N (kind): why".
    bool run(QString *failure);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Step
    {
        int number;
        QString kind;
        QJsonObject fields;
        QString page;  // the page its object is looked up on
    };

    bool check(const Step &step, QString *error) const;
    bool runStep(const Step &step, QString *why);
    QWidget *pageWidget(const QString &identifier) const;
    QWidget *object(const Step &step) const;
    QWidget *usableObject(const Step &step, QString *why) const;
    bool enterText(const Step &step, QString *why);
    void switchHost(const QJsonObject &fields);
    QString drivePath(const QJsonObject &fields) const;
    bool openDrive(const QJsonObject &fields, QString *why);
    QString parameterValue(const QJsonObject &fields) const;
    bool expectParameter(const QJsonObject &fields, QString *why) const;
    bool expectWidget(const Step &step, QString *why) const;
    void answerBox(QWidget *box);
    void settle();

    Workbench *m_workbench;
    DriveModel *m_model;
    QString m_name;
    QList<Step> m_steps;
    QQueue<QString> m_answers;
    QStringList m_unexpectedBoxes;
    QList<QPointer<QWidget>> m_answered;
    // While a scenario is checked: the drive its last drive step opens.
    std::shared_ptr<ParameterStore> m_checkedDrive;
};
