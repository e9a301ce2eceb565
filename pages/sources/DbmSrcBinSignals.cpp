#include "DbmSrcBinSignals.h"

#include "ui_DbmSrcBinSignals.h"

#include "LedWidget.h"

#include <QPushButton>

DbmSrcBinSignals::DbmSrcBinSignals(QWidget *parent) : ApplicationJumpPage(parent), ui(new Ui::DbmSrcBinSignals)
{
    setupForm(*ui);
    connect(ui->label_application, &QLabel::linkActivated, this, &DbmSrcBinSignals::jumpToAppSatDriveBased);
    // The other links lead to fixed pages, whatever their anchors say.
    const std::pair<QLabel *, const char *> links[] = {
        {ui->label_controlPanel, "SteuertafelTippen"},
        {ui->label_E19, "EinAusgaenge"},
        {ui->label_I210, "DbmSteuerStatus"},
        {ui->label_jog, "DbmTipbetrieb"},
    };
    for (const auto &[label, target] : links) {
        const QString identifier = QString::fromLatin1(target);
        connect(label, &QLabel::linkActivated, this, [this, identifier] { jumpTo(identifier); });
    }
    connect(ui->PushButtonQuellenAufInaktiv, SIGNAL(clicked()), this, SLOT(SetSourcesToInactive()));
    connect(ui->PushButtonQuellenAufParameter, SIGNAL(clicked()), this, SLOT(SetSourcesToParameter()));
    for (const char *signal : {"I441", "I442", "I448", "I452", "I450"})
        addLiveValue(QString::fromLatin1(signal));
}

DbmSrcBinSignals::~DbmSrcBinSignals() = default;

QString DbmSrcBinSignals::identifier() const
{
    return QString::fromLatin1("DbmSrcBinSignals");
}

void DbmSrcBinSignals::initialUpdate()
{
    observe(QStringLiteral("I441"), SLOT(onI441Changed()));
    observe(QStringLiteral("I442"), SLOT(onI442Changed()));
    observe(QStringLiteral("I448"), SLOT(onI448Changed()));
    observe(QStringLiteral("I450"), SLOT(onI450Changed()));
    observe(QStringLiteral("I452"), SLOT(onI452Changed()));
    if (const auto information = parameterInformation(QStringLiteral("I103"))) {
        connect(information.data(), SIGNAL(visibilityChanged(ParameterAddress)), this,
            SLOT(setVisibilityLedReferenceSwitch()), Qt::UniqueConnection);
    }
    onI441Changed();
    onI442Changed();
    onI448Changed();
    onI450Changed();
    onI452Changed();
    setVisibilityLedReferenceSwitch();
}

void DbmSrcBinSignals::showEvent(QShowEvent *event)
{
    ApplicationJumpPage::showEvent(event);
    enableUnlessReadOnly({ui->PushButtonQuellenAufParameter, ui->PushButtonQuellenAufInaktiv});
}

void DbmSrcBinSignals::writePresets(std::initializer_list<Preset> presets)
{
    for (const Preset &preset : presets)
        writeText(QString::fromLatin1(preset.coordinate), 0, QString::fromLatin1(preset.value));
}

void DbmSrcBinSignals::SetSourcesToInactive()
{
    writePresets({{"I100", "0"}, {"I101", "1"}, {"I102", "1"}, {"I103", "0"}, {"I104", "0"}, {"I105", "0"},
        {"I106", "0"}, {"I107", "0"}, {"I108", "0"}, {"I110", "0"}, {"I111", "0"}, {"I112", "0"},
        {"I113", "0"}, {"I126", "0"}, {"I130", "0"}});
}

void DbmSrcBinSignals::SetSourcesToParameter()
{
    writePresets({{"I100", "2"}, {"I101", "2"}, {"I102", "2"}, {"I103", "2"}, {"I104", "2"}, {"I105", "2"},
        {"I106", "2"}, {"I107", "2"}, {"I108", "2"}, {"I111", "2"}, {"I112", "2"}, {"I113", "2"},
        {"I130", "2"}});
}

void DbmSrcBinSignals::showSignal(LedWidget *led, const QString &coordinate)
{
    const QString value = readRawText(coordinate);
    const bool on = !value.isNull() && value != QLatin1String("0");
    led->setOn(on);
}

void DbmSrcBinSignals::onI441Changed()
{
    showSignal(ui->LedWidgetI101, QStringLiteral("I441"));
}

void DbmSrcBinSignals::onI442Changed()
{
    showSignal(ui->LedWidgetI102, QStringLiteral("I442"));
}

void DbmSrcBinSignals::onI448Changed()
{
    showSignal(ui->LedWidgetI103, QStringLiteral("I448"));
}

void DbmSrcBinSignals::onI450Changed()
{
    showSignal(ui->LedWidgetI112, QStringLiteral("I450"));
}

void DbmSrcBinSignals::onI452Changed()
{
    showSignal(ui->LedWidgetI111, QStringLiteral("I452"));
}

void DbmSrcBinSignals::setVisibilityLedReferenceSwitch()
{
    const auto information = parameterInformation(QStringLiteral("I103"));
    ui->LedWidgetI103->setVisible(information && information->isVisible(livingSpace(), 0));
}

void DbmSrcBinSignals::jumpToAppSatDriveBased()
{
    jumpToApplication({QStringLiteral("AppSatDriveBased"), QStringLiteral("AppSynchron"), QStringLiteral("AppWinder")});
}
