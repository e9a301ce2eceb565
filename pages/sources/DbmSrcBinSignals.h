#pragma once

#include "ApplicationJumpPage.h"

#include <memory>

class LedWidget;

namespace Ui {
class DbmSrcBinSignals;
}

// Where the application's binary signals come from, five of them live as LEDs, and two
// presets for all sources at once.
class DbmSrcBinSignals : public ApplicationJumpPage
{
    Q_OBJECT
public:
    explicit DbmSrcBinSignals(QWidget *parent = nullptr);
    ~DbmSrcBinSignals() override;

    QString identifier() const override;
    void initialUpdate() override;

public slots:
    void SetSourcesToInactive();
    void SetSourcesToParameter();
    void onI441Changed();
    void onI442Changed();
    void onI448Changed();
    void onI450Changed();
    void onI452Changed();
    void setVisibilityLedReferenceSwitch();
    void jumpToAppSatDriveBased();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Preset
    {
        const char *coordinate;
        const char *value;
    };
    void writePresets(std::initializer_list<Preset> presets);
    void showSignal(LedWidget *led, const QString &coordinate);

    std::unique_ptr<Ui::DbmSrcBinSignals> ui;
};
