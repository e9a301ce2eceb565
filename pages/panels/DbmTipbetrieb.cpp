#include "DbmTipbetrieb.h"
#include "ui_DbmTipbetrieb.h"

#include "ActionWidget.h"
#include "WizardGlobal.h"

DbmTipbetrieb::DbmTipbetrieb(QWidget *parent) : BrevanePage(parent), ui(std::make_unique<Ui::DbmTipbetrieb>())
{
    setupForm(*ui);
    const struct
    {
        ActionWidget *area;
        void (DbmTipbetrieb::*jump)();
    } areas[] = {
        {ui->actionWidgetQuellenpage, &DbmTipbetrieb::JumpToQuellenBinaersignale},
        {ui->actionWidgetQuellenpage_2, &DbmTipbetrieb::JumpToQuellenBinaersignale},
        {ui->actionWidgetSteuertafelTippenpage, &DbmTipbetrieb::JumpToSteuertafelTippen},
        {ui->actionWidgetSteuertafelTippenpage_2, &DbmTipbetrieb::JumpToSteuertafelTippen},
        {ui->actionWidgetSteuertafelpage, &DbmTipbetrieb::JumpToSteuertafelTippen},
        {ui->actionWidgetSteuertafelpage_2, &DbmTipbetrieb::JumpToSteuertafelTippen},
        {ui->actionWidgetMotionKernpage, &DbmTipbetrieb::JumpToMotionKern},
        {ui->actionWidgetMotionKernpage_2, &DbmTipbetrieb::JumpToMotionKern},
        {ui->actionWidgetBedienteilpage, &DbmTipbetrieb::JumpToBedienteilAntriebsregler},
        {ui->actionWidgetLokalbetriebpage, &DbmTipbetrieb::JumpToBedienteilAntriebsregler},
    };
    for (const auto &area : areas)
        connect(area.area, &ActionWidget::clicked, this, area.jump);
    WizardGlobal().AddHoverHighlights(this);
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

DbmTipbetrieb::~DbmTipbetrieb() = default;

void DbmTipbetrieb::initialUpdate()
{
    // Kept through a later initialisation by the host, which reads the form's property.
    for (QWidget *widget : {static_cast<QWidget *>(ui->parameterLabel_I188), static_cast<QWidget *>(ui->parameterTextEdit_I188)})
        widget->setProperty("forceVisible", true);
    ui->parameterLabel_I188->setVisibleForced(true);
    ui->parameterTextEdit_I188->setVisibleForced(true);
}

void DbmTipbetrieb::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    const int type = deviceType();
    setStackPage(ui->stackedWidget, type == 3 || type == 8 ? 0 : 1);
}

void DbmTipbetrieb::JumpToBedienteilAntriebsregler()
{
    jumpTo(QStringLiteral("AntriebsreglerBedienteil"));
}

void DbmTipbetrieb::JumpToMotionKern()
{
    jumpTo(QStringLiteral("AntriebBeobPosiKern1"));
}

void DbmTipbetrieb::JumpToQuellenBinaersignale()
{
    jumpToFirstInTree({QStringLiteral("DbmSrcBinSignals"), QStringLiteral("SignalquellenBinaer")});
}

void DbmTipbetrieb::JumpToSteuertafelTippen()
{
    jumpTo(QStringLiteral("SteuertafelTippen"));
}
