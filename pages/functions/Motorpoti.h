#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class Motorpoti;
}

// The motor potentiometer: its parameters beside the diagram and two LEDs for the two
// lowest bits of its status.
class Motorpoti : public BrevanePage
{
    Q_OBJECT
public:
    explicit Motorpoti(QWidget *parent = nullptr);
    ~Motorpoti() override;

    QString identifier() const override { return QString::fromLatin1("Motorpoti"); }
    void initialUpdate() override;

public slots:
    void connectParameterControls();
    void updateLeds();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::Motorpoti> ui;
};
