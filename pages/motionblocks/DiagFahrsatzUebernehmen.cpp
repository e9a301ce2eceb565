#include "DiagFahrsatzUebernehmen.h"
#include "ui_DiagFahrsatzUebernehmen.h"

DiagFahrsatzUebernehmen::DiagFahrsatzUebernehmen(const QStringList &entries, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DiagFahrsatzUebernehmen>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui->comboFahrsaetze->addItems(entries);
    connect(ui->pushButtonFahrsatzUebernehmenOK, SIGNAL(clicked()), this, SLOT(FahrsatzUebernehmenReturnOK()));
    connect(ui->pushButtonFahrsatzUebernehmenCancel, SIGNAL(clicked()), this, SLOT(FahrsatzUebernehmenCancel()));
    // Escape and the close button reject; they end the dialog as cancel does.
    connect(this, SIGNAL(rejected()), this, SLOT(FahrsatzUebernehmenCancel()));
}

DiagFahrsatzUebernehmen::~DiagFahrsatzUebernehmen() = default;

void DiagFahrsatzUebernehmen::FahrsatzUebernehmenReturnOK()
{
    done(ui->comboFahrsaetze->currentIndex() + 1);
}

void DiagFahrsatzUebernehmen::FahrsatzUebernehmenCancel()
{
    done(-1);
}
