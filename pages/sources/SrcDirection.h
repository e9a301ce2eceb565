#pragma once

#include "ApplicationJumpPage.h"

#include <memory>

namespace Ui {
class SrcDirection;
}

// Where the direction of motion comes from; drives with C243 optimise the direction.
class SrcDirection : public ApplicationJumpPage
{
    Q_OBJECT
public:
    explicit SrcDirection(QWidget *parent = nullptr);
    ~SrcDirection() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void onActionWidgetI210Clicked();
    void onActionWidgetMotionKernClicked();
    void onActionWidgetApplikationClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::SrcDirection> ui;
};
