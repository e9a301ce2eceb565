#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class MotionBlockTrqForce;
}

// Where the torque/force limit of the motion blocks comes from: the block or a parameter.
class MotionBlockTrqForce : public BrevanePage
{
    Q_OBJECT
public:
    explicit MotionBlockTrqForce(QWidget *parent = nullptr);
    ~MotionBlockTrqForce() override;

    QString identifier() const override { return QString::fromLatin1("DbmMotionBlockTrqForce"); }

public slots:
    void JumpToFahrsatz();
    void JumpToC232C233();

private:
    std::unique_ptr<Ui::MotionBlockTrqForce> ui;
};
