#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class PidRegler;
}

// The PID controller: gains, filter, limits, initial value and preset, with its status LED.
// Firmware with feedforward (G456) gets the larger layout.
class PidRegler : public BrevanePage
{
    Q_OBJECT
public:
    explicit PidRegler(QWidget *parent = nullptr);
    ~PidRegler() override;

    QString identifier() const override { return QString::fromLatin1("PidRegler"); }
    void initialUpdate() override;

public slots:
    void onParaG17Changed();
    void JumpToPidSollwert() { jumpTo(QStringLiteral("PidSollwert")); }
    void JumpToPidIstwert() { jumpTo(QStringLiteral("PidIstwert")); }
    void JumpToDeaktPresetPid() { jumpTo(QStringLiteral("SrcDisablePidRegler")); }

protected:
    void showEvent(QShowEvent *event) override;
    void updateConnectionDependent() override { onParaG17Changed(); }

private:
    std::unique_ptr<Ui::PidRegler> ui;
};
