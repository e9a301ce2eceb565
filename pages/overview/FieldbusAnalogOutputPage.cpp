#include "FieldbusAnalogOutputPage.h"

#include "HostCodes.h"
#include "ParameterLabel.h"
#include "ParameterTextEdit.h"
#include "WizardGlobal.h"

#include <QStackedWidget>

void FieldbusAnalogOutputPage::showFieldbus(ParameterLabel *label, ParameterTextEdit *editor,
                                            QStackedWidget *pictures)
{
    static const struct
    {
        int fieldbus;
        const char *coordinate;
        int picture;
    } objects[] = {{HostCode::FieldbusEtherCAT, "A255", 0}, {HostCode::FieldbusPROFINET, "A271", 1}, {HostCode::FieldbusCANopen, "A246", 2}};

    // The captions on the pictures keep the diagram's size in every font setting.
    WizardGlobal().SetAllLabelsOnSvgWidgetPixelSize(this);
    const int fieldbus = fieldbusType();
    for (const auto &object : objects) {
        if (object.fieldbus != fieldbus)
            continue;
        const QString coordinate = QString::fromLatin1(object.coordinate);
        for (ParameterControl *control : std::initializer_list<ParameterControl *>{label, editor})
            bindControl(control, control->index(), coordinate);
        setStackPage(pictures, object.picture);
        label->setVisible(true);
        editor->setVisible(true);
        return;
    }
}
