#include "Text.h"

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

int Text::currentLanguage()
{
    return g_currentLanguage;
}

void Text::setCurrentLanguage(int language)
{
    if (language >= German && language <= French)
        g_currentLanguage = language;
}
