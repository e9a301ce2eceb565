#pragma once

#include "ParameterControl.h"

#include <QString>
#include <QWidget>

// The coordinate a form bound a parameter control to. The host's controls do not tell it,
// but the forms name every control after its parameter: "ParaTextEdit_J41", "paraLbl_J10_a".
inline QString formCoordinate(const ParameterControl *control)
{
    const auto *widget = dynamic_cast<const QWidget *>(control);
    return widget ? widget->objectName().section(QLatin1Char('_'), 1, 1) : QString();
}
