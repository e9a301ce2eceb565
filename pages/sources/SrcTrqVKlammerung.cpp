#include "SrcTrqVKlammerung.h"

#include "ui_SrcTrqVKlammerung.h"

SrcTrqVKlammerung::SrcTrqVKlammerung(QWidget *parent) : ExternalSourcePage(QStringLiteral("G814"), parent), ui(new Ui::SrcTrqVKlammerung)
{
    setupForm(*ui);
    setupFamily();
}

SrcTrqVKlammerung::~SrcTrqVKlammerung() = default;

QString SrcTrqVKlammerung::identifier() const
{
    return QString::fromLatin1("DbmQuelleDrehmKraftGeschwKlammerung");
}
