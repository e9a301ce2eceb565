#include "MainWindow.h"

#include "AxisView.h"
#include "ControlWordWidget.h"
#include "DriveModel.h"
#include "PageArea.h"
#include "PageTree.h"
#include "ParameterBrowser.h"
#include "ParameterModel.h"
#include "ParameterPickerDialog.h"
#include "ScenarioRecorder.h"
#include "SimulatedDrive.h"
#include "Workbench.h"
#include "WorkbenchHost.h"
#include "WorkbenchSettings.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSaveFile>
#include <QSettings>
#include <QTime>
#include <QWhatsThis>

namespace {
constexpr int DefaultDockHeight = 190;
} // namespace

namespace {

// The Drive menu's faults, in the order shown.
const struct
{
    DriveModel::Fault fault;
    const char *text;
} faultEntries[] = {
    {DriveModel::Fault::Device, QT_TRANSLATE_NOOP("MainWindow", "Device fault (E48 = 5)")},
    {DriveModel::Fault::FaultPair, QT_TRANSLATE_NOOP("MainWindow", "Fault with switch-off (E81 = 3, E82 = 88)")},
    {DriveModel::Fault::OtherMaster, QT_TRANSLATE_NOOP("MainWindow", "Another master takes the axis (A900 = 1)")},
    {DriveModel::Fault::PanelLocked, QT_TRANSLATE_NOOP("MainWindow", "Control panels locked (A918 = 1)")},
    {DriveModel::Fault::Offline, QT_TRANSLATE_NOOP("MainWindow", "Connection lost (offline)")},
};

// The names of the toolbar's boxes.
const char *const boxCaptions[] = {QT_TRANSLATE_NOOP("MainWindow", "Device"), QT_TRANSLATE_NOOP("MainWindow", "Fieldbus"),
                                   QT_TRANSLATE_NOOP("MainWindow", "Language")};

} // namespace

MainWindow::MainWindow(Workbench *workbench, QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>()), m_workbench(workbench)
{
    m_ui->setupUi(this);
    m_defaultSize = size();
    m_ui->splitter->setStretchFactor(0, 0);
    m_ui->splitter->setStretchFactor(1, 1);
    m_ui->splitter->setSizes({250, 1000});

    setUpToolBar();
    setUpDocks();
    setUpFileMenu();
    setUpDriveMenu();
    setUpHelpMenu();
    connectHost();
    setUpTree();
    workbench->createPages(m_ui->pageArea);
    m_ui->pageTree->expandAll();
    showCurrentInTree(workbench->host()->currentPage());
    setUpKeyboard();
    updateControlWord();
    updateStateLabel();
    updateTitle();
    m_defaultState = saveState();
    m_defaultSplitter = m_ui->splitter->saveState();
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpFileMenu()
{
    connect(m_ui->actionOpenDrive, &QAction::triggered, this, &MainWindow::openDrive);
    connect(m_ui->actionSaveDrive, &QAction::triggered, this, &MainWindow::saveDrive);
    connect(m_ui->actionSaveDriveAs, &QAction::triggered, this, &MainWindow::saveDriveAs);
    connect(m_ui->menuRecent, &QMenu::aboutToShow, this, &MainWindow::updateRecentMenu);
    connect(m_ui->actionResetSettings, &QAction::triggered, this, &MainWindow::resetSettings);
    auto *exportParameters = keepTranslated(new QAction(this), QT_TR_NOOP("&Export parameters…"));
    exportParameters->setObjectName(QStringLiteral("actionExportParameters"));
    connect(exportParameters, &QAction::triggered, this, &MainWindow::exportParameters);
    m_ui->menuFile->insertAction(m_ui->actionSaveWindowPicture, exportParameters);
    m_ui->menuView->addSeparator();
    m_ui->menuView->addAction(m_ui->actionResetSettings);
    connect(m_workbench, &Workbench::driveModifiedChanged, this, &QWidget::setWindowModified);
    connect(m_workbench, &Workbench::driveFileChanged, this, &MainWindow::updateTitle);
    connect(m_workbench, &Workbench::driveReplaced, this, [this] {
        m_ui->inspector->setDrive(m_workbench->drive()->store(), m_workbench->host());
    });
    updateRecentMenu();
}

void MainWindow::updateTitle()
{
    const QString file = m_workbench->driveFile();
    setWindowTitle(tr("Brevane Workbench – %1 – %2[*]")
                       .arg(m_workbench->plugin().containerName(),
                            file.isEmpty() ? tr("built-in drive") : QDir::toNativeSeparators(file)));
    setWindowModified(m_workbench->isDriveModified());
}

void MainWindow::updateRecentMenu()
{
    m_ui->menuRecent->clear();
    const QStringList files = m_keepSettings ? WorkbenchSettings::recentDrives() : QStringList();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction *action = m_ui->menuRecent->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace(QLatin1Char('&'), QLatin1String("&&"))));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (settleChanges())
                openDriveFile(path);
        });
    }
    m_ui->menuRecent->setEnabled(!files.isEmpty());
}

void MainWindow::openDrive()
{
    if (!settleChanges())
        return;
    const QString path = chooseFile(false, tr("Open drive"), QString(), tr("Drive descriptions (*.json);;All files (*)"));
    if (!path.isEmpty())
        openDriveFile(path);
}

void MainWindow::openDriveFile(const QString &path)
{
    QString error;
    if (!m_workbench->openDrive(path, &error)) {
        if (m_keepSettings && !QFileInfo::exists(path))
            WorkbenchSettings::removeRecentDrive(path);
        QMessageBox::warning(this, tr("Open drive"), error);
        return;
    }
    if (m_keepSettings)
        WorkbenchSettings::addRecentDrive(path);
    statusBar()->showMessage(tr("Opened %1").arg(QDir::toNativeSeparators(path)), 8000);
}

bool MainWindow::saveDrive()
{
    const QString file = m_workbench->driveFile();
    return file.isEmpty() ? saveDriveAs() : saveDriveTo(file);
}

bool MainWindow::saveDriveAs()
{
    const QString file = m_workbench->driveFile();
    QString path = chooseFile(true, tr("Save drive"), file.isEmpty() ? QStringLiteral("drive.json") : file,
                              tr("Drive descriptions (*.json)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    return saveDriveTo(path);
}

bool MainWindow::saveDriveTo(const QString &path)
{
    QString error;
    if (!m_workbench->saveDrive(path, &error)) {
        QMessageBox::warning(this, tr("Save drive"), error);
        return false;
    }
    if (m_keepSettings)
        WorkbenchSettings::addRecentDrive(path);
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path)), 8000);
    return true;
}

QString MainWindow::chooseFile(bool save, const QString &caption, const QString &suggested, const QString &filter)
{
    QString folder = m_keepSettings ? WorkbenchSettings::lastFolder() : QString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = m_workbench->driveFile().isEmpty() ? QString() : QFileInfo(m_workbench->driveFile()).path();
    // A full path (the drive's own file) stays where it is; a bare name goes into the folder.
    const QString start = QFileInfo(suggested).isAbsolute() || folder.isEmpty() ? suggested : QDir(folder).filePath(suggested);
    const QString path = save ? QFileDialog::getSaveFileName(this, caption, start, filter)
                              : QFileDialog::getOpenFileName(this, caption, start, filter);
    if (!path.isEmpty() && m_keepSettings)
        WorkbenchSettings::keepFolderOf(path);
    return path;
}

void MainWindow::exportParameters()
{
    const QString path = chooseFile(true, tr("Export parameters"), QStringLiteral("parameters.csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_ui->inspector->model()->csv().toUtf8()) < 0 || !file.commit()) {
        QMessageBox::warning(this, tr("Export parameters"), tr("%1 cannot be written: %2").arg(path, file.errorString()));
        return;
    }
    statusBar()->showMessage(tr("Exported the parameters to %1").arg(QDir::toNativeSeparators(path)), 8000);
}

bool MainWindow::settleChanges()
{
    if (!m_workbench->isDriveModified())
        return true;
    QMessageBox box(QMessageBox::Question, tr("Unsaved changes"),
                    tr("The drive has changes that are not saved yet. Save them?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveDrive();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!settleChanges()) {
        event->ignore();
        return;
    }
    if (m_keepSettings)
        keepSettings();
    QMainWindow::closeEvent(event);
}

void MainWindow::restoreSettings()
{
    m_keepSettings = true;
    placeOnScreen();
    fitDocksToScreen();
    const std::unique_ptr<QSettings> settings = WorkbenchSettings::open();
    restoreGeometry(settings->value(QStringLiteral("window/geometry")).toByteArray());
    keepOnScreen();
    restoreState(settings->value(QStringLiteral("window/state")).toByteArray());
    m_ui->splitter->restoreState(settings->value(QStringLiteral("window/splitter")).toByteArray());
    const QString page = settings->value(QStringLiteral("page")).toString();
    if (!page.isEmpty())
        m_workbench->host()->selectPage(page);
    if (!m_workbench->driveFile().isEmpty())
        WorkbenchSettings::addRecentDrive(m_workbench->driveFile());
    updateRecentMenu();
}

void MainWindow::keepSettings()
{
    const WorkbenchHost *host = m_workbench->host();
    {
        const std::unique_ptr<QSettings> settings = WorkbenchSettings::open();
        settings->setValue(QStringLiteral("window/geometry"), saveGeometry());
        settings->setValue(QStringLiteral("window/state"), saveState());
        settings->setValue(QStringLiteral("window/splitter"), m_ui->splitter->saveState());
        settings->setValue(QStringLiteral("page"), host->currentPage());
    }
    WorkbenchSettings::keepDrive(host->deviceType(), host->fieldbusType(), m_workbench->language(), host->isOnline(),
                                 host->isReadOnly());
}

void MainWindow::keepOnScreen()
{
    // Kept on another screen, placed without a window manager's frame, or grown by the docks:
    // never beyond this screen.
    const QRect available = screen() ? screen()->availableGeometry() : QRect();
    if (available.isEmpty() || available.contains(frameGeometry()))
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
    QRect inside(geometry().topLeft(), geometry().size().boundedTo(available.size() - frame));
    inside.moveTo(qBound(available.left(), inside.left(), available.right() - inside.width() - frame.width() + 1),
                  qBound(available.top(), inside.top(), available.bottom() - inside.height() - frame.height() + 1));
    setGeometry(inside);
}

void MainWindow::resetSettings()
{
    const auto answer = QMessageBox::question(
        this, tr("Reset settings"),
        tr("Forget the window layout, device, fieldbus, language, state, page, recent drives and folders kept from "
           "earlier starts? The docks go back to their places now; the rest takes effect at the next start."),
        QMessageBox::Reset | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Reset)
        return;
    WorkbenchSettings::forget();
    // Nothing is kept from here on either, so that the next start is a first one.
    m_keepSettings = false;
    restoreState(m_defaultState);
    m_ui->splitter->restoreState(m_defaultSplitter);
    fitDocksToScreen();
    // The window stays where the person put it.
    keepOnScreen();
    updateRecentMenu();
    statusBar()->showMessage(tr("Settings forgotten: the next start begins with the defaults."), 8000);
}

void MainWindow::fitDocksToScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    // At 150 % and more a laptop screen leaves little height: the docks take a quarter of it
    // at most, and where even their smallest height would take a third, they start closed
    // (the View menu opens them).
    const int height = screen->availableGeometry().height();
    const QList<QDockWidget *> docks = findChildren<QDockWidget *>();
    int smallest = 0;
    for (const QDockWidget *dock : docks)
        smallest = qMax(smallest, dock->minimumSizeHint().height());
    if (smallest > height / 3) {
        for (QDockWidget *dock : docks)
            dock->hide();
        return;
    }
    resizeDocks({m_ui->inspectorDock}, {qBound(smallest, height / 4, DefaultDockHeight)}, Qt::Vertical);
}

void MainWindow::placeOnScreen()
{
    const QScreen *screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    if (available.isEmpty() || (available.width() >= m_defaultSize.width() && available.height() >= m_defaultSize.height())) {
        resize(m_defaultSize);
        return;
    }
    // A small screen: the window takes all of it.
    setGeometry(QRect(available.topLeft(), m_defaultSize.boundedTo(available.size())));
    setWindowState(windowState() | Qt::WindowMaximized);
}

PageArea *MainWindow::pageArea() const
{
    return m_ui->pageArea;
}

void MainWindow::setUpToolBar()
{
    WorkbenchHost *host = m_workbench->host();
    m_ui->actionOnline->setChecked(host->isOnline());
    m_ui->actionReadOnly->setChecked(host->isReadOnly());
    connect(m_ui->actionOnline, &QAction::toggled, host, &WorkbenchHost::setOnline);
    connect(m_ui->actionReadOnly, &QAction::toggled, host, &WorkbenchHost::setReadOnly);
    connect(m_ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->actionSaveWindowPicture, &QAction::triggered, this, &MainWindow::saveWindowPicture);

    auto addBox = [this](const char *label, QComboBox **box) {
        m_ui->mainToolBar->addSeparator();
        auto *caption = new QLabel(tr(label) + QLatin1Char(' '), m_ui->mainToolBar);
        m_boxCaptions << caption;
        m_ui->mainToolBar->addWidget(caption);
        *box = new QComboBox(m_ui->mainToolBar);
        caption->setBuddy(*box);  // a screen reader names the box by it
        m_ui->mainToolBar->addWidget(*box);
    };
    addBox(boxCaptions[0], &m_deviceBox);
    for (const auto &device : WorkbenchNames::devices())
        m_deviceBox->addItem(QStringLiteral("%1 (%2)").arg(QLatin1String(device.name)).arg(int(device.type)), int(device.type));
    m_deviceBox->setCurrentIndex(m_deviceBox->findData(int(host->deviceType())));
    connect(m_deviceBox, &QComboBox::currentIndexChanged, host,
            [this, host] { host->setDeviceType(eDeviceType(m_deviceBox->currentData().toInt())); });

    addBox(boxCaptions[1], &m_fieldbusBox);
    for (const auto &bus : WorkbenchNames::fieldbuses())
        m_fieldbusBox->addItem(WorkbenchNames::fieldbusLabel(bus.type), int(bus.type));
    m_fieldbusBox->setCurrentIndex(m_fieldbusBox->findData(int(host->fieldbusType())));
    connect(m_fieldbusBox, &QComboBox::currentIndexChanged, host,
            [this, host] { host->setFieldbusType(eFieldbusType(m_fieldbusBox->currentData().toInt())); });

    addBox(boxCaptions[2], &m_languageBox);
    for (const auto &language : WorkbenchNames::languages())
        m_languageBox->addItem(QString::fromUtf8(language.label), language.language);
    m_languageBox->setCurrentIndex(m_languageBox->findData(m_workbench->language()));
    connect(m_languageBox, &QComboBox::currentIndexChanged, m_workbench,
            [this] { m_workbench->setLanguage(m_languageBox->currentData().toInt()); });
    connect(m_workbench, &Workbench::languageChanged, m_ui->inspector, &ParameterBrowser::refreshNames);
    connect(m_workbench, &Workbench::languageChanged, m_languageBox, [this](int language) {
        const QSignalBlocker blocker(m_languageBox);
        m_languageBox->setCurrentIndex(m_languageBox->findData(language));
    });

    m_stateLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_stateLabel);
}

void MainWindow::setUpTree()
{
    m_visiblePages = new VisiblePagesFilter(this);
    m_visiblePages->setSourceModel(m_workbench->host()->treeModel());
    m_ui->pageTree->setModel(m_visiblePages);
    connect(m_ui->pageTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (m_followingHost)
                    return;
                const QString identifier = current.data(PageTreeRole::Identifier).toString();
                if (!identifier.isEmpty())
                    m_workbench->host()->selectPage(identifier);
            });
    // Folders that come back into the tree open, as they were at the start.
    connect(m_visiblePages, &QAbstractItemModel::rowsInserted, m_ui->pageTree,
            [this](const QModelIndex &parent, int first, int last) {
                for (int row = first; row <= last; ++row)
                    m_ui->pageTree->expandRecursively(m_visiblePages->index(row, 0, parent));
                showCurrentInTree(m_workbench->host()->currentPage());
            });
}

void MainWindow::setUpDocks()
{
    m_ui->inspector->setDrive(m_workbench->drive()->store(), m_workbench->host());
    connect(m_ui->inspector, &ParameterBrowser::writeRefused, this,
            [this](const QString &error) { statusBar()->showMessage(tr("Refused: %1").arg(error), 8000); });
    auto *axisDock = m_axisDock = new QDockWidget(tr("Axis"), this);
    axisDock->setObjectName(QStringLiteral("axisDock"));
    m_axisView = new AxisView(m_workbench->driveModel(), axisDock);
    axisDock->setWidget(m_axisView);
    // The docks start tabbed below the page, which keeps the full width of a small screen.
    addDockWidget(Qt::BottomDockWidgetArea, m_ui->inspectorDock);
    addDockWidget(Qt::BottomDockWidgetArea, axisDock);
    for (QDockWidget *dock : {axisDock, m_ui->logDock, m_ui->controlWordDock})
        tabifyDockWidget(m_ui->inspectorDock, dock);
    m_ui->inspectorDock->raise();
    resizeDocks({m_ui->inspectorDock}, {DefaultDockHeight}, Qt::Vertical);
    for (QDockWidget *dock : {m_ui->inspectorDock, axisDock, m_ui->logDock, m_ui->controlWordDock})
        m_ui->menuView->addAction(dock->toggleViewAction());
}

void MainWindow::setUpDriveMenu()
{
    DriveModel *model = m_workbench->driveModel();
    QMenu *menu = m_driveMenu = menuBar()->addMenu(tr("&Drive"));
    for (const auto &entry : faultEntries) {
        QAction *action = menu->addAction(tr(entry.text));
        action->setCheckable(true);
        action->setData(int(entry.fault));
        action->setToolTip(tr("Injected until cleared; a device fault also needs acknowledging"));
        const DriveModel::Fault fault = entry.fault;
        connect(action, &QAction::toggled, model, [model, fault](bool on) { model->setFault(fault, on); });
        m_faultActions << action;
    }
    menu->addSeparator();
    QAction *clearFaults = m_clearFaults = menu->addAction(tr("Clear all faults"));
    clearFaults->setObjectName(QStringLiteral("actionClearFaults"));
    connect(clearFaults, &QAction::triggered, model, &DriveModel::clearFaults);
    connect(model, &DriveModel::faultsChanged, this, &MainWindow::updateFaultActions);
    updateFaultActions();
    m_recorder = new ScenarioRecorder(m_workbench, this, menu, m_ui->inspector);
}

void MainWindow::updateFaultActions()
{
    const DriveModel *model = m_workbench->driveModel();
    for (QAction *action : std::as_const(m_faultActions)) {
        const QSignalBlocker blocker(action);
        action->setChecked(model->hasFault(DriveModel::Fault(action->data().toInt())));
    }
}

void MainWindow::connectHost()
{
    WorkbenchHost *host = m_workbench->host();
    connect(host, &WorkbenchHost::currentPageChanged, this,
            [this](const QString &identifier) { showCurrentInTree(identifier); });
    connect(host, &WorkbenchHost::logged, this, &MainWindow::appendLog);
    connect(host, &WorkbenchHost::statusMessage, this, [this](const QString &message) {
        statusBar()->showMessage(message, 8000);
    });
    connect(host, &WorkbenchHost::controlPanelChanged, this, &MainWindow::updateControlWord);
    connect(host, &WorkbenchHost::parameterInputRequested, this, &MainWindow::askForParameter);
    for (auto signal : {&WorkbenchHost::onlineChanged, &WorkbenchHost::readOnlyChanged})
        connect(host, signal, this, &MainWindow::updateStateLabel);
    connect(host, &WorkbenchHost::deviceTypeChanged, this, &MainWindow::updateStateLabel);
    connect(host, &WorkbenchHost::fieldbusTypeChanged, this, &MainWindow::updateStateLabel);
    connect(host, &WorkbenchHost::motionBlockNumberChanged, this, &MainWindow::updateStateLabel);
    // The host may change its state by itself (offline ends a control panel, for one).
    connect(host, &WorkbenchHost::onlineChanged, m_ui->actionOnline, &QAction::setChecked);
    connect(host, &WorkbenchHost::readOnlyChanged, m_ui->actionReadOnly, &QAction::setChecked);
}

void MainWindow::showCurrentInTree(const QString &identifier)
{
    const QModelIndex index = m_visiblePages ? m_visiblePages->mapFromSource(m_workbench->host()->indexOf(identifier))
                                             : QModelIndex();
    m_followingHost = true;
    if (index.isValid())
        m_ui->pageTree->setCurrentIndex(index);
    else
        m_ui->pageTree->selectionModel()->clearCurrentIndex();
    m_followingHost = false;
}

void MainWindow::appendLog(const QString &line)
{
    m_ui->logView->appendPlainText(QStringLiteral("%1  %2").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), line));
}

void MainWindow::updateControlWord()
{
    const WorkbenchHost *host = m_workbench->host();
    m_ui->controlWord->setState(host->controlPanelCoordinate(), host->controlPanelHandle(), host->controlPanelFlag(),
                                host->controlPanelWord());
}

void MainWindow::updateStateLabel()
{
    const WorkbenchHost *host = m_workbench->host();
    // The host's "FahrsatzNummer" property: the block the wizard edits, -1 for none.
    const int block = host->motionBlockNumber();
    m_stateLabel->setText(tr("%1 · %2 · %3 · %4 · motion block: %5")
                              .arg(host->isOnline() ? tr("online") : tr("offline"),
                                   host->isReadOnly() ? tr("read-only") : tr("editable"),
                                   WorkbenchNames::deviceName(host->deviceType()),
                                   WorkbenchNames::fieldbusLabel(host->fieldbusType()),
                                   block < 0 ? tr("none") : QString::number(block)));
}

void MainWindow::askForParameter(const QString &prompt)
{
    ParameterPickerDialog dialog(prompt, m_workbench->drive()->store(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenCoordinate().isEmpty())
        return;
    appendLog(tr("picked %1 for \"%2\"; the host has no way to hand it to the page")
                  .arg(dialog.chosenCoordinate(), prompt));
}

void MainWindow::saveWindowPicture()
{
    const QString path = chooseFile(true, tr("Save window picture"), QStringLiteral("workbench.png"), tr("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    if (!grab().save(path))
        QMessageBox::warning(this, tr("Save window picture"), tr("%1 could not be written.").arg(path));
}

void MainWindow::showText(QObject *object, const char *text)
{
    if (auto *action = qobject_cast<QAction *>(object))
        action->setText(tr(text));
    else if (auto *menu = qobject_cast<QMenu *>(object))
        menu->setTitle(tr(text));
}

void MainWindow::setUpHelpMenu()
{
    QMenu *menu = keepTranslated(menuBar()->addMenu(QString()), QT_TR_NOOP("&Help"));
    QAction *help = keepTranslated(menu->addAction(QString(), this, &MainWindow::showHelpForFocus),
                                   QT_TR_NOOP("Help on the focused control"));
    help->setObjectName(QStringLiteral("actionHelpForFocus"));
    help->setShortcut(QKeySequence::HelpContents);
    QAction *whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName(QStringLiteral("actionWhatsThis"));
    menu->addAction(whatsThis);
    menu->addSeparator();
    QAction *about = menu->addAction(QString(), this, [this] {
        QMessageBox::about(this, tr("About Brevane Workbench"),
                           tr("<h3>Brevane Workbench %1</h3>"
                              "<p>Runs the %2 plug-in against a simulated drive, as the host application does.</p>"
                              "<p>Built with Qt %3, running on Qt %4.</p>"
                              "<p>Qt is used under the GNU Lesser General Public License, version 3. Brevane's own "
                              "terms are those of the copy you received.</p>")
                               .arg(QCoreApplication::applicationVersion(), m_workbench->plugin().containerName(),
                                    QLatin1String(QT_VERSION_STR), QLatin1String(qVersion())));
    });
    keepTranslated(about, QT_TR_NOOP("&About Brevane Workbench"));
    about->setObjectName(QStringLiteral("actionAbout"));
    about->setMenuRole(QAction::AboutRole);
    QAction *aboutQt = keepTranslated(menu->addAction(QString(), qApp, &QApplication::aboutQt), QT_TR_NOOP("About &Qt"));
    aboutQt->setMenuRole(QAction::AboutQtRole);
}

void MainWindow::setUpKeyboard()
{
    QMenu *go = keepTranslated(m_ui->menuView->addMenu(QString()), QT_TR_NOOP("&Go to"));
    QAction *next = keepTranslated(go->addAction(QString(), this, [this] { focusNextPane(true); }), QT_TR_NOOP("Next pane"));
    next->setShortcut(QKeySequence(Qt::Key_F6));
    QAction *previous =
        keepTranslated(go->addAction(QString(), this, [this] { focusNextPane(false); }), QT_TR_NOOP("Previous pane"));
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    QAction *page =
        keepTranslated(go->addAction(QString(), this, [this] { m_ui->pageArea->focusCurrentPage(); }), QT_TR_NOOP("Page"));
    page->setObjectName(QStringLiteral("actionFocusPage"));
    page->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QAction *tree = keepTranslated(go->addAction(QString(), this, [this] { m_ui->pageTree->setFocus(Qt::ShortcutFocusReason); }),
                                   QT_TR_NOOP("Page tree"));
    tree->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    for (QAction *action : go->actions())
        action->setShortcutContext(Qt::WindowShortcut);
    // Tab from the tree goes into the page, not through the docks and the toolbar first.
    m_ui->pageTree->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->pageTree && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && m_ui->pageArea->focusCurrentPage())
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::focusNextPane(bool forward)
{
    QList<QWidget *> panes{m_ui->pageTree, m_ui->pageArea};
    for (QDockWidget *dock : findChildren<QDockWidget *>()) {
        // Of tabbed docks only the one in front counts.
        if (dock->isVisible() && !dock->visibleRegion().isEmpty() && dock->widget())
            panes << dock->widget();
    }
    const QWidget *focus = QApplication::focusWidget();
    qsizetype current = -1;
    for (qsizetype i = 0; i < panes.size() && current < 0; ++i) {
        if (focus && (panes.at(i) == focus || panes.at(i)->isAncestorOf(focus)))
            current = i;
    }
    const qsizetype size = panes.size();
    qsizetype index = current;
    for (qsizetype tries = 0; tries < size; ++tries) {
        index = forward ? (index + 1) % size : (index <= 0 ? size - 1 : index - 1);
        QWidget *pane = panes.at(index);
        if (pane == m_ui->pageArea) {
            if (m_ui->pageArea->focusCurrentPage())
                return;
            continue;
        }
        if (QWidget *first = PageArea::firstFocusable(pane)) {
            first->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void MainWindow::showHelpForFocus()
{
    QWidget *focus = QApplication::focusWidget();
    for (QWidget *widget = focus; widget && widget != this; widget = widget->parentWidget()) {
        const QString text = widget->whatsThis().isEmpty() ? widget->toolTip() : widget->whatsThis();
        if (!text.isEmpty()) {
            QWhatsThis::showText(widget->mapToGlobal(widget->rect().center()), text, widget);
            return;
        }
    }
    statusBar()->showMessage(tr("No help for this control. Shift+F1 and a click show the help of any control that has one."),
                             8000);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate()
{
    m_ui->retranslateUi(this);
    if (!m_recorder)
        return; // still being set up
    for (qsizetype i = 0; i < m_boxCaptions.size(); ++i)
        m_boxCaptions.at(i)->setText(tr(boxCaptions[i]) + QLatin1Char(' '));
    for (int i = 0; i < m_fieldbusBox->count(); ++i)
        m_fieldbusBox->setItemText(i, WorkbenchNames::fieldbusLabel(eFieldbusType(m_fieldbusBox->itemData(i).toInt())));
    m_axisDock->setWindowTitle(tr("Axis"));
    m_driveMenu->setTitle(tr("&Drive"));
    for (QAction *action : std::as_const(m_faultActions)) {
        for (const auto &entry : faultEntries) {
            if (int(entry.fault) == action->data().toInt())
                action->setText(tr(entry.text));
        }
        action->setToolTip(tr("Injected until cleared; a device fault also needs acknowledging"));
    }
    m_clearFaults->setText(tr("Clear all faults"));
    for (const auto &[object, text] : std::as_const(m_codeTexts))
        showText(object, text);
    // Qt makes this one and names it only then; its text is in Qt's own catalogue.
    static const char whatsThisContext[] = "QWhatsThisAction", whatsThisText[] = "What's This?";
    if (auto *whatsThis = findChild<QAction *>(QStringLiteral("actionWhatsThis")))
        whatsThis->setText(QCoreApplication::translate(whatsThisContext, whatsThisText));
    m_recorder->retranslate();
    updateTitle();
    updateStateLabel();
}
