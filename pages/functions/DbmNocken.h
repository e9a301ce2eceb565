#pragma once

#include "BrevanePage.h"

#include <array>
#include <memory>

class QCheckBox;

namespace Ui {
class DbmNocken;
}

// The eight cams side by side; a cam that is off has its switching positions disabled.
class DbmNocken : public BrevanePage
{
    Q_OBJECT
public:
    static constexpr int cams = 8;

    explicit DbmNocken(QWidget *parent = nullptr);
    ~DbmNocken() override;

    QString identifier() const override { return QString::fromLatin1("DbmNocken"); }
    void initialUpdate() override;

public slots:
    void connectParameterControls();
    void onI59Changed();
    void onCheckBoxI59_0Clicked() { camClicked(0); }
    void onCheckBoxI59_1Clicked() { camClicked(1); }
    void onCheckBoxI59_2Clicked() { camClicked(2); }
    void onCheckBoxI59_3Clicked() { camClicked(3); }
    void onCheckBoxI59_4Clicked() { camClicked(4); }
    void onCheckBoxI59_5Clicked() { camClicked(5); }
    void onCheckBoxI59_6Clicked() { camClicked(6); }
    void onCheckBoxI59_7Clicked() { camClicked(7); }

protected:
    void showEvent(QShowEvent *event) override;
    void updateReadOnly() override;

private:
    struct Cam
    {
        QCheckBox *box;
        QWidget *onPosition;
        QWidget *offPosition;
    };
    bool hasCam(int cam) const;
    void camClicked(int cam);

    std::unique_ptr<Ui::DbmNocken> ui;
    std::array<Cam, cams> m_cams{};
};
