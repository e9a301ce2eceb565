#include "SrcDirection.h"

#include "WizardGlobal.h"
#include "ui_SrcDirection.h"

SrcDirection::SrcDirection(QWidget *parent) : ApplicationJumpPage(parent), ui(new Ui::SrcDirection)
{
    setupForm(*ui);
    connect(ui->ActionWidgetI210, SIGNAL(clicked()), this, SLOT(onActionWidgetI210Clicked()));
    connect(ui->ActionWidgetI210_2, SIGNAL(clicked()), this, SLOT(onActionWidgetI210Clicked()));
    connect(ui->ActionWidgetMotionKern, SIGNAL(clicked()), this, SLOT(onActionWidgetMotionKernClicked()));
    connect(ui->ActionWidgetMotionKern_2, SIGNAL(clicked()), this, SLOT(onActionWidgetMotionKernClicked()));
    connect(ui->ActionWidgetApplikation, SIGNAL(clicked()), this, SLOT(onActionWidgetApplikationClicked()));
    WizardGlobal().AddHoverHighlights(this);
}

SrcDirection::~SrcDirection() = default;

QString SrcDirection::identifier() const
{
    return QString::fromLatin1("DbmSrcDirection");
}

void SrcDirection::initialUpdate()
{
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void SrcDirection::showEvent(QShowEvent *event)
{
    ApplicationJumpPage::showEvent(event);
    setStackPage(ui->stackedWidget, hasParameter(QStringLiteral("C243")) ? 1 : 0);
}

void SrcDirection::onActionWidgetI210Clicked()
{
    jumpTo(QStringLiteral("DbmSteuerStatus"));
}

void SrcDirection::onActionWidgetMotionKernClicked()
{
    jumpTo(QStringLiteral("AntriebBeobPosiKern1"));
}

void SrcDirection::onActionWidgetApplikationClicked()
{
    jumpToApplication({QStringLiteral("AppSatDriveBased"), QStringLiteral("AppSynchron")});
}
