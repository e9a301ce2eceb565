#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class DbmUebersicht;
}

// Diagram overview of the CiA 402 variant of the application.
class DbmUebersicht : public BrevanePage
{
    Q_OBJECT
public:
    explicit DbmUebersicht(QWidget *parent = nullptr);
    ~DbmUebersicht() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void onJumpToSteuerStatusCiA402();
    void onJumpToCBMSollUndIstwerte();
    void onJumpToSignalquellenBinaer();
    void onJumpToCiA402Objekte1();
    void onJumpToCiA402Objekte2();
    void onJumpToStatuswort2();
    void onJumpToUserStatuswort();

private:
    std::unique_ptr<Ui::DbmUebersicht> ui;
};
