#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class MotionBlockBinSignals;
}

// Where the binary control signals of the motion-block application come from, with buttons
// that set all of them at once.
class MotionBlockBinSignals : public BrevanePage
{
    Q_OBJECT
public:
    explicit MotionBlockBinSignals(QWidget *parent = nullptr);
    ~MotionBlockBinSignals() override;

    QString identifier() const override { return QString::fromLatin1("DbmMotionBlockBinSignals"); }

public slots:
    void SetSourcesToParameter();
    void SetSourcesToInactive();
    void JumpToEinAusgaenge();
    void JumpToFahrsatzbetrieb();
    void JumpToSteuertafelApplikation();
    void JumpToSteuerStatusFahrsatz();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setSources(const QString &value);

    std::unique_ptr<Ui::MotionBlockBinSignals> ui;
};
