#pragma once

#include "FunctionSwitchPage.h"

#include <array>
#include <memory>

class QCheckBox;
class QFrame;
class QLabel;

namespace Ui {
class DbmZusatzfunktionenV2;
}

// Switches the additional functions on and off and leads to their pages; the rows are built
// once from the functions the drive offers.
class DbmZusatzfunktionenV2 : public FunctionSwitchPage
{
    Q_OBJECT
public:
    explicit DbmZusatzfunktionenV2(QWidget *parent = nullptr);
    ~DbmZusatzfunktionenV2() override;

    QString identifier() const override;
    void initialUpdate() override;

    // The switches, one check box each.
    enum Switch {
        A76,
        G303_0,
        G303_1,
        G806_0,
        G806_1,
        G806_2,
        G806_3,
        G806_4,
        G805,
        G807,
        G891,
        G892,
        G893,
        G894,
        SwitchCount
    };

public slots:
    void onCheckBoxA76Clicked();
    void onCheckBoxG303_0Clicked();
    void onCheckBoxG303_1Clicked();
    void onCheckBoxG805Clicked();
    void onCheckBoxG806_0Clicked();
    void onCheckBoxG806_1Clicked();
    void onCheckBoxG806_2Clicked();
    void onCheckBoxG806_3Clicked();
    void onCheckBoxG806_4Clicked();
    void onCheckBoxG807Clicked();
    void onCheckBoxG891Clicked();
    void onCheckBoxG892Clicked();
    void onCheckBoxG893Clicked();
    void onCheckBoxG894Clicked();
    void onA76Changed();
    void onG303_0_Changed();
    void onG303_1_Changed();
    void onG805Changed();
    void onG806Changed();
    void onG807Changed();
    void onG891Changed();
    void onG892Changed();
    void onG893Changed();
    void onG894Changed();
    void setupDeviceDepending();
    void actualizeCheckboxesEnableDisable();
    void connectParameterControls();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Present for this page: known to the drive, in this living space or globally.
    bool isOffered(const QString &coordinate) const;
    QFrame *linkFrame(const char *source, const QString &target);
    void retranslatePage() override;

    // The labels built from the drive, with the source text they show.
    struct BuiltText
    {
        QLabel *label;
        const char *source;
    };
    QList<BuiltText> m_texts;

    std::unique_ptr<Ui::DbmZusatzfunktionenV2> ui;
    std::array<QCheckBox *, SwitchCount> m_boxes{};
    bool m_rowsBuilt = false;
};
