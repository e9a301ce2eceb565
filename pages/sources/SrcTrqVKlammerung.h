#pragma once

#include "ExternalSourcePage.h"

#include <memory>

namespace Ui {
class SrcTrqVKlammerung;
}

// Where the set torque/force with its velocity bracketing comes from.
class SrcTrqVKlammerung : public ExternalSourcePage
{
    Q_OBJECT
public:
    explicit SrcTrqVKlammerung(QWidget *parent = nullptr);
    ~SrcTrqVKlammerung() override;

    QString identifier() const override;

private:
    std::unique_ptr<Ui::SrcTrqVKlammerung> ui;
};
