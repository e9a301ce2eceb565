#include "StoreSeed.h"

#include <QTest>

void seed(ParameterStore &store, std::initializer_list<SeedParameter> parameters)
{
    seed(store, QList<SeedParameter>(parameters));
}

void seed(ParameterStore &store, const QList<SeedParameter> &parameters)
{
    for (const SeedParameter &parameter : parameters) {
        ParameterDefinitionData definition;
        definition.coordinate = parameter.coordinate;
        definition.name.setText(Text::German, parameter.name.isEmpty() ? parameter.coordinate : parameter.name);
        definition.dataType = parameter.type;
        definition.elementCount = parameter.elements;
        definition.defaults = QStringList{parameter.value};
        for (auto it = parameter.selection.cbegin(); it != parameter.selection.cend(); ++it) {
            Text text;
            text.setText(Text::German, it.value());
            definition.selection.insert(it.key(), text);
        }
        definition.hidden = parameter.hidden;
        definition.newDefinition = parameter.newDefinition;
        QString error;
        if (!store.define(definition, &error))
            QTest::qFail(qPrintable(QStringLiteral("seed: ") + error), __FILE__, __LINE__);
    }
}
