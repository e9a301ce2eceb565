#pragma once

#include "StatusWordPage.h"

#include <memory>

namespace Ui {
class SteuerStatusKommandobetrieb;
}

// Control byte J37 and status byte J39 of the command mode.
class SteuerStatusKommandobetrieb : public StatusWordPage
{
    Q_OBJECT
public:
    explicit SteuerStatusKommandobetrieb(QWidget *parent = nullptr);
    ~SteuerStatusKommandobetrieb() override;

    QString identifier() const override { return QString::fromLatin1("SteuerStatusKommandobetrieb"); }

public slots:
    void ClickLabelContinueClicked();

private:
    std::unique_ptr<Ui::SteuerStatusKommandobetrieb> ui;
};
