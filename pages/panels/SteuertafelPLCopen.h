#pragma once

#include "ControlPanelPage.h"

#include <memory>

namespace Ui {
class SteuertafelPLCopen;
}

// Control panel of command mode: set up a command and its arguments and start it.
class SteuertafelPLCopen : public ControlPanelPage
{
    Q_OBJECT
public:
    explicit SteuertafelPLCopen(QWidget *parent = nullptr);
    ~SteuertafelPLCopen() override;

    QString identifier() const override { return QString::fromLatin1("SteuertafelPLCopen"); }
    void initialUpdate() override;

public slots:
    void setUpApplicationDependingStackedWidget();
    void setUpParameterCoordinateForCommandCombobox();
    void changeVisibilityOfCommandDependingLinks();
    void onK412Changed();
    void onK413Changed();
    void onK414Changed();
    void Jump_to_Referenzierung();
    void Jump_to_ExtGeschw();
    void Jump_to_GeschwOverride();
    void Jump_to_QuelleDrehzahlklammerung();

protected:
    void refreshPanel() override;

private:
    // Shows the source-specific widgets exactly when the source selection is 2.
    void showSourceWidgets(const QString &selection, const QList<QWidget *> &widgets);

    std::unique_ptr<Ui::SteuertafelPLCopen> ui;
};
