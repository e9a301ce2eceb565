#include "MotionBlocks.h"
#include "ui_MotionBlocks.h"

#include "BlockCount.h"
#include "FormCoordinate.h"
#include "ParameterControl.h"

#include <QSignalBlocker>

MotionBlocks::MotionBlocks(QWidget *parent) : BrevanePage(parent), ui(std::make_unique<Ui::MotionBlocks>())
{
    setupForm(*ui);
    // A count is applied only when its entry is finished: typing "16" must not pass through
    // a resize to one block, which would cut every block beyond the first.
    ui->SpinBoxNumberOfMotionBlocks->setKeyboardTracking(false);
    // 0 only shows a drive without blocks; it is never applied.
    ui->SpinBoxNumberOfMotionBlocks->setRange(0, BlockCount::Maximum);
}

MotionBlocks::~MotionBlocks() = default;

void MotionBlocks::initialUpdate()
{
    connectParameterControls();
    showBlockCount();
    adjustNumberEnable();
}

void MotionBlocks::connectParameterControls()
{
    connect(ui->SpinBoxMotionBlockToEdit, SIGNAL(valueChanged(int)), this, SLOT(onMotionBlockToEditChanged()),
            Qt::UniqueConnection);
    connect(ui->SpinBoxNumberOfMotionBlocks, SIGNAL(valueChanged(int)), this, SLOT(onNumberOfMotionBlocksChanged()),
            Qt::UniqueConnection);
    if (ParameterProvider *parameters = provider()) {
        connect(parameters, SIGNAL(onlineChanged(bool)), this, SLOT(adjustNumberEnable()), Qt::UniqueConnection);
        connect(parameters, SIGNAL(readOnlyChanged(bool)), this, SLOT(adjustNumberEnable()), Qt::UniqueConnection);
    }
}

void MotionBlocks::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    // The count may have been changed on the table page meanwhile.
    showBlockCount();
    adjustNumberEnable();
}

void MotionBlocks::showBlockCount()
{
    const int count = elementCount(QStringLiteral("J10"));
    {
        const QSignalBlocker blocker(ui->SpinBoxNumberOfMotionBlocks);
        ui->SpinBoxNumberOfMotionBlocks->setValue(count);
    }
    // Clamping the block to edit reports itself through valueChanged and rebinds the page;
    // an unchanged block is bound again here, since the arrays may have changed length.
    const QSignalBlocker blocker(ui->SpinBoxMotionBlockToEdit);
    ui->SpinBoxMotionBlockToEdit->setMaximum(qMax(count - 1, 0));
    onMotionBlockToEditChanged();
}

void MotionBlocks::adjustNumberEnable()
{
    // The number of blocks changes only offline and never while read-only.
    ui->SpinBoxNumberOfMotionBlocks->setEnabled(hasParameter(QStringLiteral("J10")) && !isOnline() && !isReadOnly());
}

void MotionBlocks::onMotionBlockToEditChanged()
{
    if (!pageHost())
        return;
    const int blocks = elementCount(QStringLiteral("J10"));
    const int block = qMax(ui->SpinBoxMotionBlockToEdit->value(), 0);
    const auto widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        auto *control = dynamic_cast<ParameterControl *>(widget);
        if (!control)
            continue;
        // The form's coordinate, also while the control is unbound.
        const QString coordinate = formCoordinate(control);
        // Without blocks, or beyond a shorter array, there is nothing of this block to show;
        // an unbound control reads nothing either when the drive reports a change.
        const bool inside = block < blocks && block < elementCount(coordinate);
        control->setHiddenForced(!inside);
        if (!inside) {
            control->setCoordinate(QString());
            continue;
        }
        bindControl(control, static_cast<unsigned int>(block), coordinate);
    }
}

void MotionBlocks::onNumberOfMotionBlocksChanged()
{
    // Resized like the count change of the table: every block array together. Whatever was
    // not applied (online, read-only, no blocks, a No) the spin box shows back as it is.
    if (hasParameter(QStringLiteral("J10")) && !isOnline() && !isReadOnly()) {
        const auto outcome = BlockCount::change(pageHost(), elementCount(QStringLiteral("J10")),
                                                ui->SpinBoxNumberOfMotionBlocks->value(),
                                                [this](const QString &title, const QString &text) {
                                                    return showMessage(QMessageBox::Question, title, text,
                                                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
                                                });
        if (outcome == BlockCount::Outcome::PageGone)
            return;
    }
    showBlockCount();
}
