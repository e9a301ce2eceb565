#pragma once

#include <QWidget>

#include <memory>

class ParameterModel;
class QAction;
class QTreeView;
class ParameterStore;
class WorkbenchHost;

namespace Ui {
class ParameterBrowser;
}

// The dock that lists every parameter of the drive and lets the user change values, so that
// the drive's side of a scenario can be played through while a page is open.
class ParameterBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit ParameterBrowser(QWidget *parent = nullptr);
    ~ParameterBrowser() override;

    // Shows the store's parameters in the host's living space; editing follows the host's
    // read-only state.
    void setDrive(ParameterStore *store, WorkbenchHost *host);
    ParameterModel *model() const { return m_model; }
    QTreeView *view() const;
    // Offers an action on the selected parameter: a button below the list and the list's menu.
    void addTool(QAction *action);
    // Shows the names in the current language again.
    void refreshNames();
    // The selected rows as lines of tab-separated coordinate, element, name and value.
    QString selectedText() const;

signals:
    void writeRefused(const QString &error);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateCount();

    std::unique_ptr<Ui::ParameterBrowser> m_ui;
    ParameterModel *m_model = nullptr;
};
