#include "SrcExtVelocity.h"

#include "ui_SrcExtVelocity.h"

SrcExtVelocity::SrcExtVelocity(QWidget *parent) : ExternalSourcePage(QStringLiteral("G811"), parent), ui(new Ui::SrcExtVelocity)
{
    setupForm(*ui);
    setupFamily();
}

SrcExtVelocity::~SrcExtVelocity() = default;

QString SrcExtVelocity::identifier() const
{
    return QString::fromLatin1("DbmQuelleExterneGeschwindigkeit");
}
