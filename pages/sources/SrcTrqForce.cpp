#include "SrcTrqForce.h"

#include "HostCodes.h"
#include "WizardGlobal.h"
#include "ui_SrcTrqForce.h"

#include <QMessageBox>
#include <QTimer>

namespace {

enum Diagram { KM2 = 0, KN2KT2 = 1, KQ2 = 2 };

} // namespace

SrcTrqForce::SrcTrqForce(QWidget *parent) : ApplicationJumpPage(parent), ui(new Ui::SrcTrqForce)
{
    setupForm(*ui);
    for (QWidget *area : {ui->ActionWidgetBegrDrehmKraft, ui->ActionWidgetBegrDrehmKraft_2, ui->ActionWidgetBegrDrehmKraft_3})
        connect(area, SIGNAL(clicked()), this, SLOT(JumpToBegrDrehmKraft()));
    for (QWidget *area : {ui->ActionWidgetC232C233, ui->ActionWidgetC232C233_2, ui->ActionWidgetC232C233_3})
        connect(area, SIGNAL(clicked()), this, SLOT(JumpToC232C233()));
    connect(ui->ActionWidgetSkalAE1, SIGNAL(clicked()), this, SLOT(JumpToSkalAE1()));
    connect(ui->ActionWidgetSkalAE2, SIGNAL(clicked()), this, SLOT(JumpToSkalAE2()));
    connect(ui->ActionWidgetSkalAE3, SIGNAL(clicked()), this, SLOT(JumpToSkalAE3()));
    connect(ui->ActionWidgetSkalAE3_2, SIGNAL(clicked()), this, SLOT(JumpToSkalAE3()));
    WizardGlobal().AddHoverHighlights(this);
}

SrcTrqForce::~SrcTrqForce() = default;

QString SrcTrqForce::identifier() const
{
    return QString::fromLatin1("DbmSrcTrqForce");
}

void SrcTrqForce::initialUpdate()
{
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
}

// The terminal module is compared as a whole: only the one module with all analog inputs
// gets the full diagram.
void SrcTrqForce::showEvent(QShowEvent *event)
{
    ApplicationJumpPage::showEvent(event);
    const QString module = readDisplayText(QStringLiteral("E57"));
    switch (deviceType()) {
    case HostCode::DeviceKM2:
        setStackPage(ui->stackedWidget, module == QLatin1String("QX4A") ? KM2 : KN2KT2);
        break;
    case HostCode::DeviceKQ2:
        setStackPage(ui->stackedWidget, module == QLatin1String("QZ4A") ? KM2 : KQ2);
        break;
    case 4:
    case 5:
    case 6:
    case 7:
        setStackPage(ui->stackedWidget, KN2KT2);
        break;
    default:
        // Not from inside showEvent: the box's event loop would run while the host is still
        // showing the page, and the host may delete the page from there.
        QTimer::singleShot(0, this, [this] {
            showMessage(QMessageBox::Critical, tr("Interner Fehler!"), tr("Unbekannter Gerätetyp."));
        });
        break;
    }
}

void SrcTrqForce::JumpToBegrDrehmKraft()
{
    jumpTo(QStringLiteral("MBegrenzung"));
}

void SrcTrqForce::JumpToSkalAE1()
{
    jumpTo(QStringLiteral("AE1Skalierung"), HiddenReason::NoAnalogInputs);
}

void SrcTrqForce::JumpToSkalAE2()
{
    jumpTo(QStringLiteral("AE2Skalierung"), HiddenReason::NoAnalogInputs);
}

void SrcTrqForce::JumpToSkalAE3()
{
    jumpTo(QStringLiteral("AE3Skalierung"), HiddenReason::NoAnalogInputs);
}

void SrcTrqForce::JumpToC232C233()
{
    jumpToApplication({QStringLiteral("AppSatDriveBased"), QStringLiteral("AppSynchron")});
}
