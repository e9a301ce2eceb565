#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class SrcCommandBinSignals;
}

// Where the binary signals of the command mode come from, with two buttons that switch
// all of these sources at once.
class SrcCommandBinSignals : public BrevanePage
{
    Q_OBJECT
public:
    explicit SrcCommandBinSignals(QWidget *parent = nullptr);
    ~SrcCommandBinSignals() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void JumpToEinAusgaenge();
    void JumpToSteuerStatusKommando();
    void JumpToKommando();
    void SetSourcesToParameter();
    void SetSourcesToInactive();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::SrcCommandBinSignals> ui;
};
