#include "DbmGeschwDrehmKraft.h"
#include "ui_DbmGeschwDrehmKraft.h"

#include "ClickConnections.h"
#include "WizardGlobal.h"

#include <QPixmap>

namespace {

const QString configuredMode = QStringLiteral("D01");
const QString activeMode = QStringLiteral("D02");

} // namespace

DbmGeschwDrehmKraft::DbmGeschwDrehmKraft(QWidget *parent) : BrevanePage(parent), ui(new Ui::DbmGeschwDrehmKraft)
{
    setupForm(*ui);
    connectClicks(this, {
        {ui->ActionWidget_b_D40, SLOT(onD40Clicked())},
        {ui->ActionWidget_c_D40, SLOT(onD40Clicked())},
        {ui->ActionWidget_b_D41, SLOT(onD41Clicked())},
        {ui->ActionWidget_c_D41, SLOT(onD41Clicked())},
        {ui->ActionWidget_b_D43, SLOT(onD43Clicked())},
        {ui->ActionWidget_c_D43, SLOT(onD43Clicked())},
        {ui->ActionWidget_b_D44, SLOT(onD44Clicked())},
        {ui->ActionWidget_c_D44, SLOT(onD44Clicked())},
        {ui->ActionWidget_b_D45, SLOT(onD45Clicked())},
        {ui->ActionWidget_c_D45, SLOT(onD45Clicked())},
        {ui->ActionWidget_b_G468, SLOT(onG468Clicked())},
        {ui->ActionWidget_c_G468, SLOT(onG468Clicked())},
        {ui->ActionWidget_b_MotionKern, SLOT(onMotionKernClicked())},
        {ui->ActionWidget_c_MotionKern, SLOT(onMotionKernClicked())},
        {ui->ActionWidget_d_MotionKern, SLOT(onMotionKernClicked())},
        {ui->ActionWidget_b_Sollwertbegrenzung, SLOT(onSollwertbegrenzungClicked())},
        {ui->ActionWidget_c_Sollwertbegrenzung, SLOT(onSollwertbegrenzungClicked())},
        {ui->ActionWidget_d_G471, SLOT(onSrcGeschwDrehmKraftClicked())},
        {ui->ActionWidget_d_G474, SLOT(onSrcGeschwDrehmKraftClicked())},
        {ui->ActionWidget_d_G477, SLOT(onSrcGeschwDrehmKraftClicked())},
        {ui->ActionWidget_b_SteuertafelGeschwDrehmKraft, SLOT(onSteuertafelGeschwDrehmKraftClicked())},
        {ui->ActionWidget_c_SteuertafelGeschwDrehmKraft, SLOT(onSteuertafelGeschwDrehmKraftClicked())},
        {ui->ActionWidget_d_SteuertafelGeschwDrehmKraft, SLOT(onSteuertafelGeschwDrehmKraftClicked())},
        {ui->ActionWidget_c_I100, SLOT(jumpToPageSources())},
        {ui->ActionWidget_c_I113, SLOT(jumpToPageSources())},
    });
    addLiveValue(QStringLiteral("D246"));
    addLiveValue(QStringLiteral("D247"));
    WizardGlobal().AddHoverHighlights(this);
}

DbmGeschwDrehmKraft::~DbmGeschwDrehmKraft() = default;

QString DbmGeschwDrehmKraft::identifier() const
{
    return QString::fromLatin1("DbmGeschwDrehmKraft");
}

void DbmGeschwDrehmKraft::initialUpdate()
{
    connectParameterControls();
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

void DbmGeschwDrehmKraft::connectParameterControls()
{
    observe(configuredMode, SLOT(onD01_D02Changed()));
    observe(activeMode, SLOT(onD01_D02Changed()));
    if (ParameterProvider *parameters = provider()) {
        connect(parameters, SIGNAL(onlineChanged(bool)), this, SLOT(onD01_D02Changed()), Qt::UniqueConnection);
        // Read-only decides as much as the connection whether D01 or D02 is shown.
        connect(parameters, SIGNAL(readOnlyChanged(bool)), this, SLOT(onD01_D02Changed()), Qt::UniqueConnection);
    }
    observe(QStringLiteral("D246"), SLOT(onD246Changed()));
    observe(QStringLiteral("D247"), SLOT(onD247Changed()));
    onD01_D02Changed();
    onD246Changed();
    onD247Changed();
}

int DbmGeschwDrehmKraft::subModePage(qint64 value, bool newDefinition)
{
    if (newDefinition)
        return value >= 1 && value <= 3 ? int(value) : 0;
    switch (value) {
    case 8: return 1;
    case 4: return 2;
    case 9: return 3;
    default: return 0;
    }
}

void DbmGeschwDrehmKraft::onD01_D02Changed()
{
    int page = 0;
    // An editable project shows what is configured; the drive, or a locked project, what is active.
    if (!isOnline() && !isReadOnly()) {
        if (hasParameter(configuredMode))
            page = subModePage(readInt(configuredMode));
    } else if (const auto information = parameterInformation(activeMode)) {
        page = subModePage(readInt(activeMode), information->isNewDefinition());
    }
    setStackPage(ui->stackedWidget, page);
}

void DbmGeschwDrehmKraft::onD246Changed()
{
    showLed(QStringLiteral("D246"), ui->Lbl_LED_D246_b, ui->Lbl_LED_D246_c);
}

void DbmGeschwDrehmKraft::onD247Changed()
{
    showLed(QStringLiteral("D247"), ui->Lbl_LED_D247_b, ui->Lbl_LED_D247_c);
}

void DbmGeschwDrehmKraft::showLed(const QString &coordinate, QLabel *first, QLabel *second)
{
    const bool on = readText(coordinate) == QLatin1String("1");
    const QPixmap picture(resourcePath(on ? QStringLiteral("LED_yellow_on.svg") : QStringLiteral("ledgreyCross.svg")));
    first->setPixmap(picture);
    second->setPixmap(picture);
}

void DbmGeschwDrehmKraft::onD40Clicked()
{
    jumpTo(QStringLiteral("DbmHauptsollwert"));
}

void DbmGeschwDrehmKraft::onD41Clicked()
{
    jumpTo(QStringLiteral("DbmZusatzsollwert"));
}

void DbmGeschwDrehmKraft::onD43Clicked()
{
    jumpTo(QStringLiteral("SrcSelFixedAccel"));
}

void DbmGeschwDrehmKraft::onD44Clicked()
{
    jumpTo(QStringLiteral("SrcSelFixedDecel"));
}

void DbmGeschwDrehmKraft::onD45Clicked()
{
    jumpTo(QStringLiteral("SrcSelFixedJerk"));
}

void DbmGeschwDrehmKraft::onG468Clicked()
{
    jumpTo(QStringLiteral("DbmQuelleGeschwOverride"));
}

void DbmGeschwDrehmKraft::onMotionKernClicked()
{
    jumpTo(QStringLiteral("AntriebBeobPosiKern1"));
}

void DbmGeschwDrehmKraft::onSollwertbegrenzungClicked()
{
    jumpTo(QStringLiteral("DbmBegrGeschwDrehmKraft"));
}

void DbmGeschwDrehmKraft::onSrcGeschwDrehmKraftClicked()
{
    jumpTo(QStringLiteral("DbmQuelleDrehmKraftGeschwKlammerung"));
}

void DbmGeschwDrehmKraft::onSteuertafelGeschwDrehmKraftClicked()
{
    jumpTo(QStringLiteral("SteuertafelGeschwDrehmKraft"));
}

void DbmGeschwDrehmKraft::jumpToPageSources()
{
    jumpTo(QStringLiteral("DbmSrcBinSignals"));
}
