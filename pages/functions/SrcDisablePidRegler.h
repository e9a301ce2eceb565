#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class SrcDisablePidRegler;
}

// The sources of the PID controller's deactivation and preset signals. With the signals
// taken from parameters (G32 = 1) the page shows the layout with those parameters.
class SrcDisablePidRegler : public BrevanePage
{
    Q_OBJECT
public:
    explicit SrcDisablePidRegler(QWidget *parent = nullptr);
    ~SrcDisablePidRegler() override;

    QString identifier() const override { return QString::fromLatin1("SrcDisablePidRegler"); }
    void initialUpdate() override;

public slots:
    void onG32Changed();
    void JumpToPidRegler() { jumpTo(QStringLiteral("PidRegler")); }
    void JumpToE19() { jumpTo(QStringLiteral("EinAusgaenge")); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::SrcDisablePidRegler> ui;
};
