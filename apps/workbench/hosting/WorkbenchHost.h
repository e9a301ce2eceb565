#pragma once

#include "PageTree.h"
#include "WizardPageHost.h"

#include <QHash>
#include <QSet>
#include <QStandardItemModel>
#include <QString>
#include <QStringList>

class ParameterStore;

// The workbench's WizardPageHost. It keeps the page tree (which pages exist, which are
// hidden, which one is shown), carries the motion-block hand-over property, owns the
// control-panel word and writes it to the panel's control word parameter, and tells the
// window about everything through signals, so that it also works without a window.
class WorkbenchHost : public WizardPageHost
{
    Q_OBJECT
public:
    static constexpr const char *MotionBlockProperty = "FahrsatzNummer";

    explicit WorkbenchHost(ParameterStore *store, QObject *parent = nullptr);
    ~WorkbenchHost() override;

    // Builds the tree from the definition; every page starts present (for the current
    // fieldbus), visible unless the definition hides it, and available.
    void setTree(const PageTreeDefinition &definition);
    // Pages that the host creates but does not put into the tree.
    void setStaticPages(const QStringList &identifiers);
    // The display name of a page in three languages (the plug-in names its own pages).
    void setPageName(const QString &identifier, const Text &name);
    void setPageAvailable(const QString &identifier, bool available);
    QStandardItemModel *treeModel() { return &m_model; }
    QModelIndex indexOf(const QString &identifier) const;
    // All pages of the tree in tree order, present or not.
    QStringList treePages() const;
    QString pageName(const QString &identifier) const;
    bool isPageHidden(const QString &identifier) const;

    // The page shown in the page area; empty before the first one.
    QString currentPage() const { return m_current; }
    // What the user does by clicking a page in the tree.
    bool selectPage(const QString &identifier);
    // The first visible page of the tree, empty when none is.
    QString firstVisiblePage() const;

    void setOnline(bool online);
    void setReadOnly(bool readOnly);
    void setDeviceType(eDeviceType type);
    void setFieldbusType(eFieldbusType type);
    // Shows the tree names in this language (1 German, 2 English, 3 French).
    void setLanguage(int language);
    int language() const { return m_language; }

    // Adds a line to the host's log (the workbench's own notes go there too).
    void note(const QString &line);

    int motionBlockNumber() const;
    quint32 controlPanelWord() const { return m_panelWord; }
    QString controlPanelCoordinate() const { return m_panelCoordinate; }
    int controlPanelHandle() const { return m_panelHandle; }
    bool controlPanelFlag() const { return m_panelFlag; }

    // WizardPageHost
    bool isReadOnly() const override { return m_readOnly; }
    bool isOnline() const override { return m_online; }
    eLivingSpace livingSpace() const override { return eLivingSpace(1); }
    ParameterProvider *parameterProvider() const override;
    bool containsPage(const QString &identifier) const override;
    void jumpToPage(const QString &identifier, const QString &elementName) override;
    bool isPageVisible(const QString &identifier) const override;
    void showPage(const QString &identifier) override;
    void hidePage(const QString &identifier) override;
    void requestParameterInput(const QString &prompt) override;
    int startControlPanel(const QString &coordinate) override;
    void stopControlPanel() override;
    void setControlPanelFlag(bool on) override;
    void setControlPanelBit(int bit, bool on) override;
    eDeviceType deviceType() const override { return m_deviceType; }
    eFieldbusType fieldbusType() const override { return m_fieldbusType; }

signals:
    // The page area is to show this page (and focus the element when one is named).
    void currentPageChanged(const QString &identifier, const QString &elementName);
    void pageVisibilityChanged(const QString &identifier, bool visible);
    void controlPanelChanged();
    void parameterInputRequested(const QString &prompt);
    void motionBlockNumberChanged(int number);
    void onlineChanged(bool online);
    void readOnlyChanged(bool readOnly);
    void deviceTypeChanged(eDeviceType type);
    void fieldbusTypeChanged(eFieldbusType type);
    // A line for the log: every operation that changes something, and every refusal.
    void logged(const QString &line);
    // A short note for the status bar.
    void statusMessage(const QString &message);

protected:
    bool event(QEvent *event) override;

private:
    struct PageEntry
    {
        QStandardItem *item = nullptr;
        QList<eFieldbusType> fieldbuses;
    };

    void addNodes(const QList<PageTreeNode> &nodes, QStandardItem *parent);
    void setItemName(QStandardItem *item, const Text &name);
    void setHidden(const QString &identifier, bool hidden, const char *operation);
    void updatePresence();
    // A folder is hidden when none of its pages is visible; returns whether one under parent is.
    bool updateFolders(QStandardItem *parent);
    void makeCurrent(const QString &identifier, const QString &elementName);
    // Leaves the shown page once it has been hidden; runs after the caller's changes are done.
    void scheduleLeaveHiddenPage();
    void leaveHiddenPage();
    void endControlPanel();
    void writePanelWord();

    ParameterStore *m_store;
    QStandardItemModel m_model;
    QHash<QString, PageEntry> m_pages;
    QStringList m_order;
    QSet<QString> m_staticPages;
    QString m_current;
    eDeviceType m_deviceType = eDeviceTypeKM2;
    eFieldbusType m_fieldbusType = eFieldbusEtherCAT;
    int m_language = Text::German;
    bool m_online = true;
    bool m_readOnly = false;
    bool m_leaveScheduled = false;

    quint32 m_panelWord = 0;
    QString m_panelCoordinate;
    int m_panelHandle = 0;
    int m_lastPanelHandle = 0;
    bool m_panelFlag = false;
};
