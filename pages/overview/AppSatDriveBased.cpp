#include "AppSatDriveBased.h"

#include "ClickConnections.h"
#include "HostCodes.h"
#include "WizardGlobal.h"
#include "ui_AppSatDriveBased.h"

#include <QSignalBlocker>

namespace {
const QString k08 = QStringLiteral("K08");
}

AppSatDriveBased::AppSatDriveBased(QWidget *parent) : BrevanePage(parent), ui(new Ui::AppSatDriveBased)
{
    setupForm(*ui);

    connectClicks(this, {
        {ui->ActionWidgetFahrsatzbetriebGrafik, SLOT(JumpToFahrsaetze())},
        {ui->ActionWidgetFahrsatzbetriebLabel, SLOT(JumpToFahrsaetze())},
        {ui->ActionWidgetKommandobetriebGrafik, SLOT(JumpToKommandobetrieb())},
        {ui->ActionWidgetKommandobetriebLabel, SLOT(JumpToKommandobetrieb())},
        {ui->ActionWidgetGeschwindigkeitsbetriebGrafik, SLOT(JumpToGeschwBetrieb())},
        {ui->ActionWidgetGeschwindigkeitsbetriebLabel, SLOT(JumpToGeschwBetrieb())},
        {ui->ActionWidgetTipbetrieb, SLOT(JumpToTipbetrieb())},
        {ui->ActionWidgetSteuertafelApplikationGrafik, SLOT(JumpToSteuertafelApplikation())},
        {ui->ActionWidgetSteuertafelPlcopenGrafik, SLOT(JumpToSteuertafelPlcopen())},
        {ui->ActionWidgetSteuertafelTippenGrafik, SLOT(JumpToSteuertafelTippen())},
        {ui->ActionWidgetSteuertafelGeschwMode, SLOT(JumpToSteuertafelGeschwindigkeitsbetrieb())},
        {ui->ActionWidgetQuelle, SLOT(JumpToQuellen())},
        {ui->ActionWidgetSkalierung, SLOT(JumpToSkalierung())},
        {ui->ActionWidgetLinkMotionKern, SLOT(JumpToMotionKern())},
        {ui->ActionWidgetZusatzfunktionen, SLOT(JumpToZusatzfunktionen())},
        {ui->ActionWidgetFeldbus, SLOT(JumpToFeldbus())},
    });
    for (const OperatingMode &mode : operatingModes())
        connect(mode.button, SIGNAL(toggled(bool)), this, SLOT(RadioButtonBetriebsartToggled()));
    // Comes after the toggles of the same click.
    connect(ui->RadioButtonKommandobetrieb, SIGNAL(clicked()), this, SLOT(onCommandButtonClicked()));

    addLiveValue(k08);
    WizardGlobal().AddHoverHighlights(this);
}

AppSatDriveBased::~AppSatDriveBased() = default;

QString AppSatDriveBased::identifier() const
{
    return QString::fromLatin1("AppSatDriveBased");
}

// In the order in which a checked button is looked for when writing.
QList<AppSatDriveBased::OperatingMode> AppSatDriveBased::operatingModes() const
{
    return {{1, ui->RadioButtonFahrsatzbetrieb},
            {2, ui->RadioButtonGeschwindigkeitsbetrieb},
            {3, ui->RadioButtonKommandobetrieb}};
}

void AppSatDriveBased::initialUpdate()
{
    observe(k08, SLOT(onK08Changed()));
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
    // Online and offline K08 may differ.
    if (ParameterProvider *parameters = provider())
        connect(parameters, SIGNAL(onlineChanged(bool)), this, SLOT(onK08Changed()), Qt::UniqueConnection);
    onK08Changed();
}

void AppSatDriveBased::onK08Changed()
{
    QRadioButton *button = ui->RadioButtonFahrsatzbetrieb;
    if (hasParameter(k08)) {
        // Any value outside the table counts as command mode.
        const qint64 value = readInt(k08);
        button = ui->RadioButtonKommandobetrieb;
        for (const OperatingMode &mode : operatingModes()) {
            if (mode.k08 == value)
                button = mode.button;
        }
    }
    // Showing the drive's mode must not write it back: a value outside the table would
    // otherwise be overwritten with 3 just by looking at the page.
    const QSignalBlocker fahrsatz(ui->RadioButtonFahrsatzbetrieb);
    const QSignalBlocker geschwindigkeit(ui->RadioButtonGeschwindigkeitsbetrieb);
    const QSignalBlocker kommando(ui->RadioButtonKommandobetrieb);
    button->setChecked(true);
}

// Runs for every toggle, the unchecked button's included, so one click may write twice.
void AppSatDriveBased::RadioButtonBetriebsartToggled()
{
    if (!hasParameter(k08))
        return;
    for (const OperatingMode &mode : operatingModes()) {
        if (mode.button->isChecked()) {
            writeInt(k08, 0, mode.k08);
            return;
        }
    }
}

// K08 outside the table shows the command button checked already, so a click on it toggles
// nothing; the click itself then chooses command mode.
void AppSatDriveBased::onCommandButtonClicked()
{
    if (hasParameter(k08) && ui->RadioButtonKommandobetrieb->isChecked() && readInt(k08) != 3)
        writeInt(k08, 0, 3);
}

void AppSatDriveBased::showEvent(QShowEvent *event)
{
    BrevanePage::showEvent(event);
    onK08Changed();

    // Only the KM2 has a scaling of analog inputs to link to.
    const bool km2 = deviceType() == HostCode::DeviceKM2;
    setDiagram(ui->svgWidget,
               km2 ? QStringLiteral("DbmApplikationKM2_800_440.svg") : QStringLiteral("DbmApplikationKN2_KP2_800_440.svg"));
    ui->ActionWidgetSkalierung->setVisible(km2);
    ui->LblSkalierung->setVisible(km2);

    enableUnlessReadOnly(
        {ui->RadioButtonFahrsatzbetrieb, ui->RadioButtonGeschwindigkeitsbetrieb, ui->RadioButtonKommandobetrieb});
}

void AppSatDriveBased::JumpToFahrsaetze()
{
    jumpTo(QStringLiteral("Fahrsatzbetrieb"));
}

void AppSatDriveBased::JumpToKommandobetrieb()
{
    jumpTo(QStringLiteral("DbmKommando"));
}

void AppSatDriveBased::JumpToGeschwBetrieb()
{
    jumpTo(QStringLiteral("DbmGeschwDrehmKraft"));
}

void AppSatDriveBased::JumpToTipbetrieb()
{
    jumpTo(QStringLiteral("DbmTipbetrieb"));
}

void AppSatDriveBased::JumpToSteuertafelApplikation()
{
    jumpTo(QStringLiteral("SteuertafelApplikation"));
}

void AppSatDriveBased::JumpToSteuertafelPlcopen()
{
    jumpTo(QStringLiteral("SteuertafelPLCopen"));
}

void AppSatDriveBased::JumpToSteuertafelTippen()
{
    jumpTo(QStringLiteral("SteuertafelTippen"));
}

void AppSatDriveBased::JumpToSteuertafelGeschwindigkeitsbetrieb()
{
    jumpTo(QStringLiteral("SteuertafelGeschwDrehmKraft"));
}

void AppSatDriveBased::JumpToQuellen()
{
    jumpTo(QStringLiteral("DbmQuellen"));
}

void AppSatDriveBased::JumpToSkalierung()
{
    jumpTo(QStringLiteral("SkalierungAEs"), HiddenReason::NoAnalogInputs);
}

void AppSatDriveBased::JumpToMotionKern()
{
    jumpTo(QStringLiteral("AntriebBeobPosiKern1"));
}

// The newer page is preferred whenever the tree has it, also when it is hidden there.
void AppSatDriveBased::JumpToZusatzfunktionen()
{
    jumpToFirstInTree({QStringLiteral("DbmZusatzfunktionenV2"), QStringLiteral("DbmZusatzfunktionen")});
}

// The start page of the drive's own fieldbus, without falling back to another bus.
void AppSatDriveBased::JumpToFeldbus()
{
    static const struct
    {
        int fieldbus;
        const char *page;
    } startPages[] = {{HostCode::FieldbusEtherCAT, "EtherCatStartseite"},
                      {HostCode::FieldbusPROFINET, "ProfinetStartseite"},
                      {HostCode::FieldbusCANopen, "CanOpen"},
                      {HostCode::FieldbusEtherNetIP, "EthernetIPStart"}};

    const int fieldbus = fieldbusType();
    QString target;
    for (const auto &start : startPages) {
        if (start.fieldbus == fieldbus && pageInTree(QString::fromLatin1(start.page))) {
            target = QString::fromLatin1(start.page);
            break;
        }
    }
    jumpToWizardPage(target);
}
