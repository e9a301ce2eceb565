#pragma once

// stand-in extra {
#include <QJsonValue>
// } stand-in extra
#include <QMap>
#include <QString>

// A text in the host's three languages: 1 German, 2 English, 3 French.
class Text
{
public:
    // stand-in extra {
    enum Language { German = 1, English = 2, French = 3 };
    // } stand-in extra

    Text() = default;

    void setText(int language, const QString &text);

    // stand-in extra {
    // The text of one language; empty when that language is not set.
    QString text(int language) const;
    // The text in the current user language, falling back to German, then to any language set.
    QString text() const;
    bool hasLanguage(int language) const;
    bool isEmpty() const;

    bool operator==(const Text &other) const { return m_texts == other.m_texts; }
    bool operator!=(const Text &other) const { return !(*this == other); }

    // Reads a text written as a string (German) or as {"de": ..., "en": ..., "fr": ...};
    // false for anything else or an object without a language.
    static bool fromJson(const QJsonValue &value, Text *text);

    // The language the host's user interface is in (process-wide, German by default).
    static int currentLanguage();
    static void setCurrentLanguage(int language);
    // } stand-in extra

private:
    QMap<int, QString> m_texts;
};
