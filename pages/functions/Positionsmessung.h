#pragma once

#include "BrevanePage.h"

#include <array>
#include <memory>

namespace Ui {
class Positionsmessung;
}

// The two position measurement channels: the control word J110 bit by bit as LEDs the user
// toggles, the status word J115 as LEDs that show only while online.
class Positionsmessung : public BrevanePage
{
    Q_OBJECT
public:
    static constexpr int bits = 16;

    explicit Positionsmessung(QWidget *parent = nullptr);
    ~Positionsmessung() override;

    QString identifier() const override { return QString::fromLatin1("Positionsmessung"); }
    void initialUpdate() override;

protected:
    void updateConnectionDependent() override { onJ115Changed(); }

public slots:
    void connectParameterControls();
    void onJ110Changed();
    void onJ115Changed();

    void onJ110_0_LedOnClicked() { clearBit(0); }
    void onJ110_0_LedOffClicked() { setBit(0); }
    void onJ110_1_LedOnClicked() { clearBit(1); }
    void onJ110_1_LedOffClicked() { setBit(1); }
    void onJ110_2_LedOnClicked() { clearBit(2); }
    void onJ110_2_LedOffClicked() { setBit(2); }
    void onJ110_3_LedOnClicked() { clearBit(3); }
    void onJ110_3_LedOffClicked() { setBit(3); }
    void onJ110_4_LedOnClicked() { clearBit(4); }
    void onJ110_4_LedOffClicked() { setBit(4); }
    void onJ110_5_LedOnClicked() { clearBit(5); }
    void onJ110_5_LedOffClicked() { setBit(5); }
    void onJ110_6_LedOnClicked() { clearBit(6); }
    void onJ110_6_LedOffClicked() { setBit(6); }
    void onJ110_7_LedOnClicked() { clearBit(7); }
    void onJ110_7_LedOffClicked() { setBit(7); }
    void onJ110_8_LedOnClicked() { clearBit(8); }
    void onJ110_8_LedOffClicked() { setBit(8); }
    void onJ110_9_LedOnClicked() { clearBit(9); }
    void onJ110_9_LedOffClicked() { setBit(9); }
    void onJ110_10_LedOnClicked() { clearBit(10); }
    void onJ110_10_LedOffClicked() { setBit(10); }
    void onJ110_11_LedOnClicked() { clearBit(11); }
    void onJ110_11_LedOffClicked() { setBit(11); }
    void onJ110_12_LedOnClicked() { clearBit(12); }
    void onJ110_12_LedOffClicked() { setBit(12); }
    void onJ110_13_LedOnClicked() { clearBit(13); }
    void onJ110_13_LedOffClicked() { setBit(13); }
    void onJ110_14_LedOnClicked() { clearBit(14); }
    void onJ110_14_LedOffClicked() { setBit(14); }
    void onJ110_15_LedOnClicked() { clearBit(15); }
    void onJ110_15_LedOffClicked() { setBit(15); }

private:
    using LedRow = std::array<QStackedWidget *, bits>;
    LedRow leds(const QString &word) const;
    static void showWord(const LedRow &row, quint64 value);
    void setBit(int bit);
    void clearBit(int bit);

    std::unique_ptr<Ui::Positionsmessung> ui;
    LedRow m_control{};
    LedRow m_status{};
};
