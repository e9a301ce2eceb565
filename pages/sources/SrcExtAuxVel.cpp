#include "SrcExtAuxVel.h"

#include "ui_SrcExtAuxVel.h"

SrcExtAuxVel::SrcExtAuxVel(QWidget *parent) : ExternalSourcePage(QStringLiteral("G812"), parent), ui(new Ui::SrcExtAuxVel)
{
    setupForm(*ui);
    setupFamily();
}

SrcExtAuxVel::~SrcExtAuxVel() = default;

QString SrcExtAuxVel::identifier() const
{
    return QString::fromLatin1("DbmQuelleExtZusatzGeschwindigkeit");
}
