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
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // A menu or action made in code, with the text it shows again after a language change.
    template<class T> T *keepTranslated(T *object, const char *text)
    {
        m_codeTexts.append({object, text});
        showText(object, text);
        return object;
    }
    static void showText(QObject *object, const char *text);
    void setUpFileMenu();
    void updateTitle();
    void updateRecentMenu();
    void openDrive();
    void openDriveFile(const QString &path);
    bool saveDrive();
    bool saveDriveAs();
    bool saveDriveTo(const QString &path);
    void exportParameters();
    // Asks what becomes of unsaved changes; false when the user stays.
    bool settleChanges();
    // A file dialog that starts in the folder the last one was left in, and keeps it.
    QString chooseFile(bool save, const QString &caption, const QString &suggested, const QString &filter);
    void keepSettings();
    void resetSettings();
    void placeOnScreen();
    void fitDocksToScreen();
    void keepOnScreen();
    void setUpHelpMenu();
    void setUpKeyboard();
    // F6 and Shift+F6: the tree, the page and each shown dock in turn.
    void focusNextPane(bool forward);
    void showHelpForFocus();
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
    QList<std::pair<QObject *, const char *>> m_codeTexts;
    bool m_followingHost = false;
    QSize m_defaultSize;
    QByteArray m_defaultState;
    QByteArray m_defaultSplitter;
    bool m_keepSettings = false;
};
