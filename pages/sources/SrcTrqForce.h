#pragma once

#include "ApplicationJumpPage.h"

#include <memory>

namespace Ui {
class SrcTrqForce;
}

// Where the torque/force limit comes from; the diagram follows the device and its terminal module.
class SrcTrqForce : public ApplicationJumpPage
{
    Q_OBJECT
public:
    explicit SrcTrqForce(QWidget *parent = nullptr);
    ~SrcTrqForce() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void JumpToBegrDrehmKraft();
    void JumpToSkalAE1();
    void JumpToSkalAE2();
    void JumpToSkalAE3();
    void JumpToC232C233();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::SrcTrqForce> ui;
};
