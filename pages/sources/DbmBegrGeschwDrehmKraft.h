#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class DbmBegrGeschwDrehmKraft;
}

// Velocity limitation of the velocity, torque/force mode, with an LED per direction that
// lights while the limit acts.
class DbmBegrGeschwDrehmKraft : public BrevanePage
{
    Q_OBJECT
public:
    explicit DbmBegrGeschwDrehmKraft(QWidget *parent = nullptr);
    ~DbmBegrGeschwDrehmKraft() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void JumpToBetriebsartGeschw();
    void JumpToHauptsollwert();
    void JumpToEinAusgaenge();
    void JumpToVAccRBegrenzung();
    void onD246Changed();
    void onD247Changed();
    void connectParameterControls();

private:
    std::unique_ptr<Ui::DbmBegrGeschwDrehmKraft> ui;
};
