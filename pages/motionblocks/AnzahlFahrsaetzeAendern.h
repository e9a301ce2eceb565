#pragma once

#include "BlockCount.h"

#include <QDialog>

#include <memory>

namespace Ui {
class AnzahlFahrsaetzeAendern;
}

// Asks for a new number of motion blocks. The outcome is the result code of exec():
// the number chosen, or -1 when the user cancels.
class AnzahlFahrsaetzeAendern : public QDialog
{
    Q_OBJECT
public:
    // The drive addresses at most this many blocks.
    static constexpr int MaximumCount = BlockCount::Maximum;

    explicit AnzahlFahrsaetzeAendern(int number, QWidget *parent = nullptr);
    ~AnzahlFahrsaetzeAendern() override;

public slots:
    void AnzahlFahrsaetzeAendernReturnOK();
    void AnzahlFahrsaetzeAendernCancel();
    void AnzahlFahrsaetzeAendernDec();
    void AnzahlFahrsaetzeAendernInc();
    void AnzahlFahrsaetzeAendernTake();

private:
    // The number in the field; text that is no number counts as 0, an empty field as 1.
    qint64 fieldNumber() const;

    std::unique_ptr<Ui::AnzahlFahrsaetzeAendern> ui;
};
