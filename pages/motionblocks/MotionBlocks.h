#pragma once

#include "BrevanePage.h"

#include <memory>

namespace Ui {
class MotionBlocks;
}

// Every parameter of one motion block, the block chosen with a spin box, and the number of
// blocks.
class MotionBlocks : public BrevanePage
{
    Q_OBJECT
public:
    explicit MotionBlocks(QWidget *parent = nullptr);
    ~MotionBlocks() override;

    QString identifier() const override { return QString::fromLatin1("MotionBlocks"); }
    void initialUpdate() override;

public slots:
    void connectParameterControls();
    void onMotionBlockToEditChanged();
    // Applies the number once the user has finished entering it.
    void onNumberOfMotionBlocksChanged();
    void adjustNumberEnable();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Shows the drive's count in both spin boxes without applying it again.
    void showBlockCount();

    std::unique_ptr<Ui::MotionBlocks> ui;
};
