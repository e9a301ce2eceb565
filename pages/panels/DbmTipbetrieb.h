#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class DbmTipbetrieb;
}

// Overview of jog operation: where the jog signals come from, with links to the pages involved.
class DbmTipbetrieb : public BrevanePage
{
    Q_OBJECT
public:
    explicit DbmTipbetrieb(QWidget *parent = nullptr);
    ~DbmTipbetrieb() override;

    QString identifier() const override { return QString::fromLatin1("DbmTipbetrieb"); }
    void initialUpdate() override;

public slots:
    void JumpToBedienteilAntriebsregler();
    void JumpToMotionKern();
    void JumpToQuellenBinaersignale();
    void JumpToSteuertafelTippen();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::DbmTipbetrieb> ui;
};
