#pragma once

#include "BrevanePage.h"
#include "IndirectPair.h"

#include <QList>

class ParameterControl;
class QStackedWidget;

// Where the PID controller's set value or actual value comes from: a diagram per drive
// family, with or without the optional parameter of newer firmware, and the parameter
// that the address parameter names, shown beneath the diagram.
class PidSourcePage : public BrevanePage
{
    Q_OBJECT
public:
    // Layout pages of the stack, in form order.
    enum Layout { KM2_a, KM2_b, KN2KP2_a, KN2KP2_b, KQ2_a, KQ2_b, Layouts };

    PidSourcePage(const QString &addressCoordinate, const QString &optionalCoordinate, QWidget *parent = nullptr);

    void initialUpdate() override;
    // The layout for the drive: its family from the device type and the terminal module,
    // its "b" page when the drive has the optional parameter.
    static Layout layoutFor(int deviceType, const QString &terminalModule, bool hasOptional);

public slots:
    void JumpToSkalAE1() { jumpTo(QStringLiteral("AE1Skalierung"), HiddenReason::NoAnalogInputs); }
    void JumpToSkalAE2() { jumpTo(QStringLiteral("AE2Skalierung"), HiddenReason::NoAnalogInputs); }
    void JumpToSkalAE3() { jumpTo(QStringLiteral("AE3Skalierung"), HiddenReason::NoAnalogInputs); }
    void JumpToPidRegler() { jumpTo(QStringLiteral("PidRegler")); }

protected:
    // Resolves the form's stack, jump areas and indirect pairs; call once after the form is built.
    void setupSource(QStackedWidget *stack);
    void onAddressChanged();
    void showEvent(QShowEvent *event) override;

private:
    ParameterControl *control(const QString &name) const;

    QString m_address;
    QString m_optional;
    QStackedWidget *m_stack = nullptr;
    QList<IndirectPair> m_pairs;
};
