#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class ParameterBrowser;
class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;
class Workbench;

// Records what a person does in the window as a scenario that ScenarioRunner plays back: the
// page chosen in the tree, clicks, presses and releases of the page's named widgets, text
// typed into its fields and entries picked from its choice boxes, answers to boxes, values
// written in the Parameters dock, faults from the Drive menu, switches of the host, and the
// simulated time between them as waits. What cannot be named is reported, not written. It
// begins with the drive (its file) and the state of its axis, which playback restores.
class ScenarioRecorder : public QObject
{
    Q_OBJECT
public:
    // Adds "Record scenario…" and "Stop recording" to the menu, "Expect this value" to the dock.
    ScenarioRecorder(Workbench *workbench, QMainWindow *window, QMenu *driveMenu, ParameterBrowser *parameters);
    ~ScenarioRecorder() override;

    bool isRecording() const { return m_recording; }
    // Starts recording into the file; it is written by stop().
    void start(const QString &path);
    // Writes the scenario; false with a reason when it cannot be written.
    bool stop(QString *error);
    // The menu's and the dock's texts in the language just installed.
    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Recorded
    {
        int id;
        QJsonObject fields;
    };

    int record(QJsonObject fields);
    void recordSwitch(const QString &field, const QJsonValue &value);
    void pageEvent(QWidget *widget, QWidget *page, QEvent *event);
    void boxShown(QWidget *box);
    void enterText(QWidget *field);
    void watchChoices(QWidget *widget);
    void parameterCommitted();
    void expectSelected();
    void notRecorded(const QString &why);
    void finishAction();
    int indexOf(int id) const;
    QByteArray json() const;
    void updateActions();

    Workbench *m_workbench;
    QMainWindow *m_window;
    ParameterBrowser *m_parameters;
    QAction *m_recordAction;
    QAction *m_stopAction;
    QAction *m_expectAction;
    QLabel *m_indicator = nullptr;

    bool m_recording = false;
    QString m_path;
    QList<Recorded> m_steps;
    // Answers to boxes that came up while no action was under way; written before the next step.
    QList<Recorded> m_pending;
    int m_nextId = 0;
    qint64 m_lastTime = 0;
    QString m_shownPage;
    // The action whose delivery may still open boxes or jump to pages, and its event loop.
    int m_openId = -1;
    int m_openLevel = 0;
    QPointer<QWidget> m_pressed;
    int m_pressId = -1;
    qint64 m_pressTime = 0;
    bool m_refused = false;
    QList<QPointer<QWidget>> m_watched;
};
