#include "StatusWordPage.h"

#include "LedWidget.h"

StatusWordPage::StatusWordPage(QWidget *parent) : BrevanePage(parent) {}

void StatusWordPage::setupWords(const QList<Word> &words)
{
    m_words = words;
    for (const Word &word : std::as_const(m_words)) {
        // The drive changes these words all the time; a host refreshes only live values.
        addLiveValue(word.coordinate);
        if (!word.clickable)
            continue;
        for (int bit = 0; bit < word.bits; ++bit) {
            LedWidget *widget = led(word.coordinate, bit);
            Q_ASSERT(widget);
            markClickableLed(widget);
            const QString coordinate = word.coordinate;
            connect(widget, &LedWidget::clicked, this, [this, coordinate, bit] { toggleBit(coordinate, bit); });
        }
    }
}

LedWidget *StatusWordPage::led(const QString &coordinate, int bit) const
{
    return findChild<LedWidget *>(QStringLiteral("LedWidget%1_%2").arg(coordinate).arg(bit));
}

void StatusWordPage::initialUpdate()
{
    for (const Word &word : std::as_const(m_words))
        observe(word.coordinate, SLOT(refreshWords()));
    refreshWords();
}

void StatusWordPage::refreshWords()
{
    for (const Word &word : std::as_const(m_words))
        refreshWord(word);
}

void StatusWordPage::refreshWord(const Word &word)
{
    bool readable = true;
    if (word.readWhen == ReadWhen::Online)
        readable = isOnline();
    else if (word.readWhen == ReadWhen::OnlineOrReadOnly)
        readable = isOnline() || isReadOnly();
    const qint64 value = readable ? readRawText(word.coordinate).toLongLong(nullptr, 10) : 0;
    for (int bit = 0; bit < word.bits; ++bit) {
        if (LedWidget *widget = led(word.coordinate, bit))
            widget->setOn((value >> bit) & 1);
    }
}

void StatusWordPage::toggleBit(const QString &coordinate, int bit)
{
    if (LedWidget *widget = led(coordinate, bit))
        writeWordBit(widget, coordinate, bit, !widget->isOn());
}
