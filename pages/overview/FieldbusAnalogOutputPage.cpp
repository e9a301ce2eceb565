#include "FieldbusAnalogOutputPage.h"

#include "ParameterLabel.h"
#include "ParameterTextEdit.h"

#include <QStackedWidget>

void FieldbusAnalogOutputPage::showFieldbus(ParameterLabel *label, ParameterTextEdit *editor,
                                            QStackedWidget *pictures)
{
    static const struct
    {
        int fieldbus;
        const char *coordinate;
        int picture;
    } objects[] = {{eFieldbusEtherCAT, "A255", 0}, {eFieldbusPROFINET, "A271", 1}, {eFieldbusCANopen, "A246", 2}};

    const int fieldbus = fieldbusType();
    for (const auto &object : objects) {
        if (object.fieldbus != fieldbus)
            continue;
        const QString coordinate = QString::fromLatin1(object.coordinate);
        label->setCoordinate(coordinate);
        editor->setCoordinate(coordinate);
        setStackPage(pictures, object.picture);
        if (ParameterProvider *parameters = provider()) {
            label->initialize(parameters, livingSpace());
            editor->initialize(parameters, livingSpace());
        }
        label->setVisible(true);
        editor->setVisible(true);
        return;
    }
}
