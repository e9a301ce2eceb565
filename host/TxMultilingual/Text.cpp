#include "Text.h"

#include <QJsonObject>

namespace {
int g_currentLanguage = Text::German;
}

void Text::setText(int language, const QString &text)
{
    m_texts.insert(language, text);
}

QString Text::text(int language) const
{
    return m_texts.value(language);
}

QString Text::text() const
{
    if (m_texts.contains(g_currentLanguage))
        return m_texts.value(g_currentLanguage);
    if (m_texts.contains(German))
        return m_texts.value(German);
    return m_texts.isEmpty() ? QString() : m_texts.first();
}

bool Text::hasLanguage(int language) const
{
    return m_texts.contains(language);
}

bool Text::isEmpty() const
{
    return m_texts.isEmpty();
}

bool Text::fromJson(const QJsonValue &value, Text *text)
{
    if (value.isString()) {
        text->setText(German, value.toString());
        return true;
    }
    if (!value.isObject())
        return false;
    static const struct
    {
        const char *key;
        int language;
    } languages[] = {{"de", German}, {"en", English}, {"fr", French}};
    const QJsonObject object = value.toObject();
    for (const auto &entry : languages) {
        const QJsonValue item = object.value(QLatin1String(entry.key));
        if (item.isUndefined())
            continue;
        if (!item.isString())
            return false;
        text->setText(entry.language, item.toString());
    }
    return !text->isEmpty();
}

int Text::currentLanguage()
{
    return g_currentLanguage;
}

void Text::setCurrentLanguage(int language)
{
    if (language >= German && language <= French)
        g_currentLanguage = language;
}
