#include "AnzahlFahrsaetzeAendern.h"

#include "ui_AnzahlFahrsaetzeAendern.h"

#include <QApplication>

AnzahlFahrsaetzeAendern::AnzahlFahrsaetzeAendern(int number, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::AnzahlFahrsaetzeAendern>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui->lineEditAnzahlFahrsaetze->setText(QString::number(number));

    connect(ui->pushButtonOk, SIGNAL(clicked()), this, SLOT(AnzahlFahrsaetzeAendernReturnOK()));
    connect(ui->pushButtonCancel, SIGNAL(clicked()), this, SLOT(AnzahlFahrsaetzeAendernCancel()));
    // Qt reports a result of 0 as rejected: a confirmed 0 thus ends as a cancel.
    connect(this, SIGNAL(rejected()), this, SLOT(AnzahlFahrsaetzeAendernCancel()));
    connect(ui->toolButtonDec, SIGNAL(clicked()), this, SLOT(AnzahlFahrsaetzeAendernDec()));
    connect(ui->toolButtonInc, SIGNAL(clicked()), this, SLOT(AnzahlFahrsaetzeAendernInc()));
    connect(ui->lineEditAnzahlFahrsaetze, SIGNAL(editingFinished()), this, SLOT(AnzahlFahrsaetzeAendernTake()));
}

AnzahlFahrsaetzeAendern::~AnzahlFahrsaetzeAendern() = default;

qint64 AnzahlFahrsaetzeAendern::fieldNumber() const
{
    const QString text = ui->lineEditAnzahlFahrsaetze->text();
    return text.isEmpty() ? 1 : text.toInt(nullptr, 10);
}

void AnzahlFahrsaetzeAendern::AnzahlFahrsaetzeAendernDec()
{
    ui->lineEditAnzahlFahrsaetze->setText(QString::number(qMax(fieldNumber() - 1, qint64(1))));
}

void AnzahlFahrsaetzeAendern::AnzahlFahrsaetzeAendernInc()
{
    ui->lineEditAnzahlFahrsaetze->setText(QString::number(qMin(fieldNumber() + 1, qint64(MaximumCount))));
}

void AnzahlFahrsaetzeAendern::AnzahlFahrsaetzeAendernTake()
{
    // Leaving the field ends the dialog with the typed number, but not when the field is left
    // for the cancel button: the press on it would end the dialog as confirmed before the click.
    // Nor when the dialog itself goes away: the field loses the focus as the dialog hides, after
    // a cancel that must not turn into the typed number.
    if (isHidden() || QApplication::focusWidget() == ui->pushButtonCancel)
        return;
    AnzahlFahrsaetzeAendernReturnOK();
}

void AnzahlFahrsaetzeAendern::AnzahlFahrsaetzeAendernReturnOK()
{
    done(ui->lineEditAnzahlFahrsaetze->text().toInt(nullptr, 10));
}

void AnzahlFahrsaetzeAendern::AnzahlFahrsaetzeAendernCancel()
{
    done(-1);
}
