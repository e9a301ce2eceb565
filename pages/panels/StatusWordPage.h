#pragma once

#include "BrevanePage.h"

#include <QList>

class LedWidget;

// A page that shows drive words as rows of LEDs, one per bit. The LEDs of a control word
// can be clicked to set or clear their bit in the project.
class StatusWordPage : public BrevanePage
{
    Q_OBJECT
public:
    void initialUpdate() override;

public slots:
    void refreshWords();

protected:
    enum class ReadWhen { Always, Online, OnlineOrReadOnly };
    struct Word
    {
        QString coordinate;
        int bits;
        bool clickable;
        ReadWhen readWhen;
    };

    explicit StatusWordPage(QWidget *parent = nullptr);

    // Call once from the constructor, after the form is built. The LEDs are found by their
    // object names, LedWidget<coordinate>_<bit>.
    void setupWords(const QList<Word> &words);
    // Sets (or clears) a bit of a clickable word and writes the new value.
    void toggleBit(const QString &coordinate, int bit);

    void updateConnectionDependent() override { refreshWords(); }

private:
    LedWidget *led(const QString &coordinate, int bit) const;
    void refreshWord(const Word &word);

    QList<Word> m_words;
};
