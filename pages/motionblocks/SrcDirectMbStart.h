#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class SrcDirectMbStart;
}

// Direct start of a motion block: off ("J80" = 0) it shows only the switch, on it shows all
// sources of the start.
class SrcDirectMbStart : public BrevanePage
{
    Q_OBJECT
public:
    explicit SrcDirectMbStart(QWidget *parent = nullptr);
    ~SrcDirectMbStart() override;

    QString identifier() const override { return QString::fromLatin1("SrcDirectMbStart"); }
    void initialUpdate() override;

public slots:
    void connectParameterControls();
    void onJ80Changed();
    void onJ80VisibilityChanged();
    void JumpToFahrsatz();
    void JumpToFahrsatzauswahl();
    void JumpToSteuertafelFahrsatz();
    void JumpToEinAusgaenge();

private:
    std::unique_ptr<Ui::SrcDirectMbStart> ui;
};
