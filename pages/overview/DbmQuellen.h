#pragma once

#include "OperatingModeLinksPage.h"

#include <memory>

namespace Ui {
class DbmQuellen;
}

// Signpost to the source pages: where setpoints and binary signals come from.
class DbmQuellen : public OperatingModeLinksPage
{
    Q_OBJECT
public:
    explicit DbmQuellen(QWidget *parent = nullptr);
    ~DbmQuellen() override;

    QString identifier() const override;

public slots:
    void JumpToQuellenBinaersignaleApplikation();
    void JumpToQuellenBewegungsrichtung();
    void JumpToQuellenBinaersignaleGerSteuArdenic();
    void JumpToQuellenBegrenzungDrehmKraftApplikation();
    void JumpToQuellenExterneGeschwindigkeit();
    void JumpToQuellenExtZusatzgeschwindigkeit();
    void JumpToQuellenGeschwOverride();
    void JumpToQuellenSollDrehmKraftGeschwKlammerung();
    void JumpToQuellenBinaersignaleFahrsatz();
    void JumpToQuellenBegrenzungDrehmKraftFahrsatz();
    void JumpToQuellenFahrsatzauswahl();
    void JumpToQuellenSoftwareeingaenge();
    void onK08Changed() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DbmQuellen> ui;
};
