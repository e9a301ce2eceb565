#include "StoreSeed.h"

#include <QRegularExpression>
#include <QTest>

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

void seedTokens(ParameterStore &store, const QString &tokens)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\w+)([!^]?)(?::(\\w+))?(?:=([^\\[*]*))?(?:\\*(\\d+))?(?:\\[(-?\\d+):(-?\\d+)\\])?$"));
    for (const QString &token : tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto match = form.match(token);
        if (!match.hasMatch()) {
            QTest::qFail(qPrintable(QStringLiteral("seed: ") + token), __FILE__, __LINE__);
            return;
        }
        ParameterDefinitionData definition;
        definition.coordinate = match.captured(1);
        definition.name.setText(Text::German, definition.coordinate);
        definition.hidden = match.captured(2) == QLatin1String("!");
        definition.newDefinition = match.captured(2) != QLatin1String("^");
        definition.defaults = match.hasCaptured(4)
            ? match.captured(4).replace(QLatin1Char('~'), QLatin1Char(' ')).split(QLatin1Char(','))
            : QStringList{QStringLiteral("0")};
        definition.elementCount = static_cast<unsigned short>(match.hasCaptured(5) ? match.captured(5).toUInt()
                                                                                    : definition.defaults.size());
        for (const QString &value : std::as_const(definition.defaults)) {
            bool number = false;
            value.toLongLong(&number);
            if (!number)
                definition.dataType = ParameterDataType::String;
        }
        if (match.hasCaptured(3))
            definition.dataType = ParameterDataType::fromName(match.captured(3));
        if (match.hasCaptured(6)) {
            definition.lowerLimit = match.captured(6).toInt();
            definition.upperLimit = match.captured(7).toInt();
        }
        QString error;
        if (!store.define(definition, &error))
            QTest::qFail(qPrintable(QStringLiteral("seed: ") + error), __FILE__, __LINE__);
    }
}
