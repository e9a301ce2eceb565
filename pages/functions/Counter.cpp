#include "Counter.h"
#include "ui_Counter.h"

#include "ParameterControl.h"

namespace {

const char *const rows[] = {"N41", "N42", "N43", "N44", "N45", "N46", "N47"};

} // namespace

Counter::Counter(QWidget *parent) : SwitchableElementPage(parent), ui(std::make_unique<Ui::Counter>())
{
    setupForm(*ui);
    setupSwitch(ui->lineEditCounterNumber, ui->toolButtonLeft, ui->toolButtonRight, ui->checkBoxN40,
        QStringLiteral("N40"), QStringLiteral("N40"));
    for (const char *row : rows)
        m_rows << rowControls(QLatin1String(row));
    m_countingInput
        = IndirectPair(QStringLiteral("N45"), ui->ParaLbl_N45_indirect, ui->ParaLineEdit_N45_indirect);
    m_reset = IndirectPair(QStringLiteral("N47"), ui->ParaLbl_N47_indirect, ui->ParaLineEdit_N47_indirect);
}

Counter::~Counter() = default;

void Counter::initialUpdate()
{
    connectParameterControls();
    UpdatePage();
}

void Counter::connectParameterControls()
{
    observe(QStringLiteral("N45"), SLOT(onParaN45Changed()));
    observe(QStringLiteral("N47"), SLOT(onParaN47Changed()));
}

void Counter::UpdatePage()
{
    bindControlsToIndex(element());
    const bool on = isSwitchedOn();
    ui->checkBoxN40->setChecked(on);
    setControlsHidden(m_rows, !on);
    ui->svgWidget->setVisible(on);
    onParaN45Changed();
    onParaN47Changed();
}

void Counter::showIndirect(const IndirectPair &pair)
{
    // A counter that is off shows none of its rows, the watched parameters included.
    if (!isSwitchedOn()) {
        pair.hide();
        return;
    }
    pair.update(provider(), livingSpace(), element());
}
