#include "SrcDirectMbStart.h"
#include "ui_SrcDirectMbStart.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

SrcDirectMbStart::SrcDirectMbStart(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::SrcDirectMbStart>())
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidgetFahrsatz, SLOT(JumpToFahrsatz())},
        {ui->ActionWidgetFahrsatzauswahl, SLOT(JumpToFahrsatzauswahl())},
        {ui->ActionWidgetSteuertafelFahrsatz, SLOT(JumpToSteuertafelFahrsatz())},
        {ui->ActionWidgetE19, SLOT(JumpToEinAusgaenge())},
    });
    WizardGlobal().AddHoverHighlights(this);
}

SrcDirectMbStart::~SrcDirectMbStart() = default;

void SrcDirectMbStart::initialUpdate()
{
    connectParameterControls();
}

void SrcDirectMbStart::connectParameterControls()
{
    observe(QStringLiteral("J80"), SLOT(onJ80Changed()));
    if (const auto information = parameterInformation(QStringLiteral("J80")))
        connect(information.data(), SIGNAL(visibilityChanged(ParameterAddress)), this, SLOT(onJ80VisibilityChanged()),
                Qt::UniqueConnection);
    onJ80Changed();
}

void SrcDirectMbStart::onJ80Changed()
{
    setStackPage(ui->stackedWidget, readInt(QStringLiteral("J80")) != 0 ? 1 : 0);
}

void SrcDirectMbStart::onJ80VisibilityChanged()
{
    // Passing through the other layout lays the current one out anew.
    const int shown = ui->stackedWidget->currentIndex();
    setStackPage(ui->stackedWidget, shown == 0 ? 1 : 0);
    setStackPage(ui->stackedWidget, shown);
}

void SrcDirectMbStart::JumpToFahrsatz()
{
    jumpTo(QStringLiteral("Fahrsatz"));
}

void SrcDirectMbStart::JumpToFahrsatzauswahl()
{
    jumpTo(QStringLiteral("DbmMotionBlockSelect"));
}

void SrcDirectMbStart::JumpToSteuertafelFahrsatz()
{
    jumpTo(QStringLiteral("SteuertafelApplikation"));
}

void SrcDirectMbStart::JumpToEinAusgaenge()
{
    jumpTo(QStringLiteral("EinAusgaenge"));
}
