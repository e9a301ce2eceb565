#include "Positionsmessung.h"
#include "ui_Positionsmessung.h"

#include "ActionWidget.h"

namespace {

const QString controlWord = QStringLiteral("J110");
const QString statusWord = QStringLiteral("J115");

// A word's value as the drive reports it; text that is no unsigned number reads as 0.
quint64 wordValue(const QString &text)
{
    return text.toULongLong(nullptr, 10);
}

} // namespace

Positionsmessung::Positionsmessung(QWidget *parent)
    : BrevanePage(parent), ui(std::make_unique<Ui::Positionsmessung>())
{
    setupForm(*ui);
    m_control = leds(controlWord);
    m_status = leds(statusWord);
    for (QStackedWidget *led : m_control)
        markClickableLed(led);
}

Positionsmessung::~Positionsmessung() = default;

Positionsmessung::LedRow Positionsmessung::leds(const QString &word) const
{
    LedRow row{};
    for (int bit = 0; bit < bits; ++bit)
        row[bit] = findChild<QStackedWidget *>(QStringLiteral("LedWidget%1_%2").arg(word).arg(bit));
    return row;
}

void Positionsmessung::initialUpdate()
{
    connectParameterControls();
    onJ115Changed();
    onJ110Changed();
}

void Positionsmessung::connectParameterControls()
{
    observe(controlWord, SLOT(onJ110Changed()));
    observe(statusWord, SLOT(onJ115Changed()));
    for (int bit = 0; bit < bits; ++bit) {
        for (const char *state : {"On", "Off"}) {
            const QString name = QStringLiteral("J110_%1_Led%2").arg(bit).arg(QLatin1String(state));
            if (auto *area = findChild<ActionWidget *>(QStringLiteral("ActionWidget") + name))
                connect(area, SIGNAL(clicked()), this, QByteArray("1on" + name.toLatin1() + "Clicked()").constData(),
                    Qt::UniqueConnection);
        }
    }
}

void Positionsmessung::showWord(const LedRow &row, quint64 value)
{
    for (int bit = 0; bit < bits; ++bit)
        setStackPage(row[bit], ((value >> bit) & 1U) != 0 ? 1 : 0);
}

void Positionsmessung::onJ110Changed()
{
    showWord(m_control, wordValue(readRawText(controlWord)));
}

void Positionsmessung::onJ115Changed()
{
    // Offline the status of the drive is unknown: every status LED off.
    showWord(m_status, isOnline() ? wordValue(readRawText(statusWord)) : 0);
}

void Positionsmessung::setBit(int bit)
{
    writeWordBit(m_control[bit], controlWord, bit, true);
}

void Positionsmessung::clearBit(int bit)
{
    writeWordBit(m_control[bit], controlWord, bit, false);
}
