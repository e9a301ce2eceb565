#include "MotionBlocks.h"
#include "ui_MotionBlocks.h"

#include "MotionBlockCount.h"
#include "ParameterControl.h"

#include <QSignalBlocker>

MotionBlocks::MotionBlocks(QWidget *parent) : BrevanePage(parent), ui(std::make_unique<Ui::MotionBlocks>())
{
    setupForm(*ui);
    // A count is applied only when its entry is finished: typing "16" must not pass through
    // a resize to one block, which would cut every block beyond the first.
    ui->SpinBoxNumberOfMotionBlocks->setKeyboardTracking(false);
    ui->SpinBoxNumberOfMotionBlocks->setRange(1, MotionBlockCount::Maximum);
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
    const auto names = parameterInformation(QStringLiteral("J10"));
    if (!names)
        return;
    const int count = names->elementCount();
    {
        const QSignalBlocker blocker(ui->SpinBoxNumberOfMotionBlocks);
        ui->SpinBoxNumberOfMotionBlocks->setValue(count);
    }
    // Clamping the block to edit reports itself through valueChanged and rebinds the page.
    ui->SpinBoxMotionBlockToEdit->setMaximum(qMax(count - 1, 0));
}

void MotionBlocks::adjustNumberEnable()
{
    // The number of blocks changes only offline and never while read-only.
    ui->SpinBoxNumberOfMotionBlocks->setEnabled(hasParameter(QStringLiteral("J10")) && !isOnline() && !isReadOnly());
}

void MotionBlocks::onMotionBlockToEditChanged()
{
    WizardPageHost *host = pageHost();
    if (!host)
        return;
    const unsigned int block = static_cast<unsigned int>(qMax(ui->SpinBoxMotionBlockToEdit->value(), 0));
    const auto widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (auto *control = dynamic_cast<ParameterControl *>(widget)) {
            control->setIndex(block);
            control->initialize(host->parameterProvider(), host->livingSpace());
        }
    }
}

void MotionBlocks::onNumberOfMotionBlocksChanged()
{
    // Resized like the count change of the table: every block array together. Whatever was
    // not applied (online, read-only, no blocks) the spin box shows back as it is.
    if (hasParameter(QStringLiteral("J10")) && !isOnline() && !isReadOnly())
        MotionBlockCount::resize(provider(), ui->SpinBoxNumberOfMotionBlocks->value());
    showBlockCount();
}
