#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class DiagFahrsatzUebernehmen;
}

// Chooses the motion block whose parameters are copied. The result code is the chosen
// entry + 1, or -1 for cancel.
class DiagFahrsatzUebernehmen : public QDialog
{
    Q_OBJECT
public:
    explicit DiagFahrsatzUebernehmen(const QStringList &entries, QWidget *parent = nullptr);
    ~DiagFahrsatzUebernehmen() override;

public slots:
    void FahrsatzUebernehmenReturnOK();
    void FahrsatzUebernehmenCancel();

private:
    std::unique_ptr<Ui::DiagFahrsatzUebernehmen> ui;
};
