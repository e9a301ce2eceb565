#pragma once

#include "StatusWordPage.h"

#include <memory>

namespace Ui {
class SteuerStatusFahrsatz;
}

// Control byte J01 and status byte J302 of the motion block mode.
class SteuerStatusFahrsatz : public StatusWordPage
{
    Q_OBJECT
public:
    explicit SteuerStatusFahrsatz(QWidget *parent = nullptr);
    ~SteuerStatusFahrsatz() override;

    QString identifier() const override { return QString::fromLatin1("SteuerStatusFahrsatz"); }

public slots:
    void ClickLabelStopClicked();

private:
    std::unique_ptr<Ui::SteuerStatusFahrsatz> ui;
};
