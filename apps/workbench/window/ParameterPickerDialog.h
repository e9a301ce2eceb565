#pragma once

#include <QDialog>

#include <memory>

class ParameterStore;

namespace Ui {
class ParameterPickerDialog;
}

// What the host shows for requestParameterInput: the page's prompt and a list of the drive's
// parameters to pick from.
class ParameterPickerDialog : public QDialog
{
    Q_OBJECT
public:
    ParameterPickerDialog(const QString &prompt, const ParameterStore *store, QWidget *parent = nullptr);
    ~ParameterPickerDialog() override;

    // The picked coordinate; empty when none is selected.
    QString chosenCoordinate() const;
    // Hides the rows that neither start with the text nor name it.
    void setFilter(const QString &text);
    int shownCount() const;

private:
    std::unique_ptr<Ui::ParameterPickerDialog> m_ui;
};
