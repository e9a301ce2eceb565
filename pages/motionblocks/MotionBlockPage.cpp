#include "MotionBlockPage.h"

#include <QLineEdit>

namespace {
const QString blockNames = QStringLiteral("J10");
}

MotionBlockPage::MotionBlockPage(QWidget *parent) : IndexedPage(parent) {}

void MotionBlockPage::setupBlockNumber(QLineEdit *numberField, QAbstractButton *decButton,
                                       QAbstractButton *incButton)
{
    m_numberField = numberField;
    setupIndex(numberField, decButton, incButton, blockNames);
}

int MotionBlockPage::blockCount() const
{
    return elementCount(blockNames);
}

int MotionBlockPage::shownBlock() const
{
    const int count = blockCount();
    return count > 0 ? qBound(0, currentIndex(), count - 1) : -1;
}

void MotionBlockPage::UpdatePage()
{
    // Stepping down has no upper bound and the count may have shrunk since the number was
    // typed: clamp again here, so that the field and the bound controls always agree.
    const int block = shownBlock();
    const QString text = block >= 0 ? QString::number(block) : QString();
    if (m_numberField && m_numberField->text() != text)
        m_numberField->setText(text);
    showBlock(block);
}

void MotionBlockPage::showEvent(QShowEvent *event)
{
    IndexedPage::showEvent(event);
    // The hand-over is taken once; a later show from the tree keeps the page's own block.
    const int handedOver = takeHandedOverMotionBlock();
    setIndexAndUpdate(handedOver >= 0 ? handedOver : currentIndex());
}
