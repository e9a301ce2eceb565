#pragma once

#include "BrevanePage.h"

#include <memory>

class QLabel;

namespace Ui {
class DbmGeschwDrehmKraft;
}

// Velocity, torque/force mode: the setpoint path of the active sub-mode with links to its
// stages and sources, and the two LEDs of the velocity limitation.
class DbmGeschwDrehmKraft : public BrevanePage
{
    Q_OBJECT
public:
    explicit DbmGeschwDrehmKraft(QWidget *parent = nullptr);
    ~DbmGeschwDrehmKraft() override;

    QString identifier() const override;
    void initialUpdate() override;

    // The diagram page of a sub-mode value; older firmware codes D02 differently.
    static int subModePage(qint64 value, bool newDefinition = true);

public slots:
    void onD40Clicked();
    void onD41Clicked();
    void onD43Clicked();
    void onD44Clicked();
    void onD45Clicked();
    void onG468Clicked();
    void onMotionKernClicked();
    void onSollwertbegrenzungClicked();
    void onSrcGeschwDrehmKraftClicked();
    void onSteuertafelGeschwDrehmKraftClicked();
    void jumpToPageSources();
    void onD01_D02Changed();
    void onD246Changed();
    void onD247Changed();
    void connectParameterControls();

private:
    void showLed(const QString &coordinate, QLabel *first, QLabel *second);

    std::unique_ptr<Ui::DbmGeschwDrehmKraft> ui;
};
