#include "SrcExtVelocity.h"

#include "ui_SrcExtVelocity.h"

SrcExtVelocity::SrcExtVelocity(QWidget *parent) : ExternalSourcePage(QStringLiteral("G811"), parent), ui(new Ui::SrcExtVelocity)
{
    ui->setupUi(this);
    setupFamily();
}

SrcExtVelocity::~SrcExtVelocity() = default;

QString SrcExtVelocity::identifier() const
{
    return QString::fromLatin1("DbmQuelleExterneGeschwindigkeit");
}
