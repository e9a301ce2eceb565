#pragma once

#include "BrevanePage.h"

class ParameterLabel;
class ParameterTextEdit;
class QStackedWidget;

// The fieldbus-controlled analog outputs: the picture and the fieldbus object follow the
// fieldbus in use.
class FieldbusAnalogOutputPage : public BrevanePage
{
    Q_OBJECT
public:
    using BrevanePage::BrevanePage;

protected:
    // Binds the pair to the fieldbus's object and shows its picture; without a known fieldbus
    // the pair keeps the form's coordinate and the picture stays as it is. Called from
    // initialUpdate(), it also sizes the captions on the pictures.
    void showFieldbus(ParameterLabel *label, ParameterTextEdit *editor, QStackedWidget *pictures);
};
