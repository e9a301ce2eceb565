#pragma once

#include "IndexedPage.h"

// A page that edits one motion block. Block b is element b of every per-block parameter,
// and the blocks are counted by the element count of "J10". The page opens on the block
// another page hands over and otherwise keeps the block it showed last.
class MotionBlockPage : public IndexedPage
{
    Q_OBJECT
public:
    explicit MotionBlockPage(QWidget *parent = nullptr);

    int blockCount() const;
    // The block in the number field, clamped to the blocks there are; -1 without blocks.
    int shownBlock() const;

public slots:
    // Clamps the number field and shows that block.
    void UpdatePage() override;

protected:
    void setupBlockNumber(QLineEdit *numberField, QAbstractButton *decButton, QAbstractButton *incButton);
    // Binds the page to the block; -1 when the drive holds no blocks, so that the page can
    // lock its editing controls instead of showing element -1.
    virtual void showBlock(int block) = 0;
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_numberField = nullptr;
};
