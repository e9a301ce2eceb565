#pragma once

#include <QMainWindow>

#include <memory>

class AxisView;
class QDockWidget;
class QMenu;
class ScenarioRecorder;
class PageArea;
class QComboBox;
class QLabel;
class VisiblePagesFilter;
class Workbench;

namespace Ui {
class MainWindow;
}

// The workbench window: the page tree on the left, the page on the right, the drive's state
// in the toolbar, and docks for the parameters, the host's log and the control-panel word.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Creates the workbench's pages in the window's page area.
    explicit MainWindow(Workbench *workbench, QWidget *parent = nullptr);
    ~MainWindow() override;

    PageArea *pageArea() const;

    // For the window a person uses: places it on the screen, brings back the window, the
    // docks and the page of the last session, and keeps them again when the window closes.
    void restoreSettings();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setUpFileMenu();
    void updateTitle();
    void updateRecentMenu();
    void openDrive();
    void openDriveFile(const QString &path);
    bool saveDrive();
    bool saveDriveAs();
    bool saveDriveTo(const QString &path);
    // Asks what becomes of unsaved changes; false when the user stays.
    bool settleChanges();
    void keepSettings();
    void resetSettings();
    void placeOnScreen();
    void setUpToolBar();
    void setUpTree();
    void setUpDocks();
    void setUpDriveMenu();
    void updateFaultActions();
    void connectHost();
    void showCurrentInTree(const QString &identifier);
    void appendLog(const QString &line);
    void updateControlWord();
    void updateStateLabel();
    void askForParameter(const QString &prompt);
    void saveWindowPicture();
    // The texts made in code, again in the language just installed.
    void retranslate();

    std::unique_ptr<Ui::MainWindow> m_ui;
    Workbench *m_workbench;
    VisiblePagesFilter *m_visiblePages = nullptr;
    QComboBox *m_deviceBox = nullptr;
    QComboBox *m_fieldbusBox = nullptr;
    QComboBox *m_languageBox = nullptr;
    QLabel *m_stateLabel = nullptr;
    QList<QLabel *> m_boxCaptions;
    QDockWidget *m_axisDock = nullptr;
    QMenu *m_driveMenu = nullptr;
    QAction *m_clearFaults = nullptr;
    ScenarioRecorder *m_recorder = nullptr;
    AxisView *m_axisView = nullptr;
    QList<QAction *> m_faultActions;
    bool m_followingHost = false;
    QSize m_defaultSize;
    QByteArray m_defaultState;
    QByteArray m_defaultSplitter;
    bool m_keepSettings = false;
};
