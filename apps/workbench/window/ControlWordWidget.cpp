#include "ControlWordWidget.h"

#include <QPainter>

namespace {
constexpr int BitsPerRow = 16;
constexpr int Margin = 6;
} // namespace

ControlWordWidget::ControlWordWidget(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ControlWordWidget::setState(const QString &coordinate, int handle, bool flag, quint32 word)
{
    m_coordinate = coordinate;
    m_handle = handle;
    m_flag = flag;
    m_word = word;
    setToolTip(QStringLiteral("0x%1").arg(word, 8, 16, QLatin1Char('0')));
    update();
}

QSize ControlWordWidget::sizeHint() const
{
    const int line = fontMetrics().height();
    return {BitsPerRow * 2 * line + 2 * Margin, 5 * line + 3 * Margin};
}

QSize ControlWordWidget::minimumSizeHint() const
{
    return {BitsPerRow * (fontMetrics().height() + 4) + 2 * Margin, sizeHint().height()};
}

void ControlWordWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int line = fontMetrics().height();
    const QString panel = m_handle != 0
        ? tr("%1 active, handle %2, flag %3").arg(m_coordinate).arg(m_handle).arg(m_flag ? tr("on") : tr("off"))
        : tr("no control panel active");
    painter.drawText(QRect(Margin, Margin, width() - 2 * Margin, line), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1    0x%2").arg(panel).arg(m_word, 8, 16, QLatin1Char('0')));

    // Two rows: bits 31..16 above, 15..0 below, each cell labelled with its bit number.
    const int cell = qMax(line + 4, (width() - 2 * Margin) / BitsPerRow);
    const QColor on = m_handle != 0 ? QColor(0, 160, 70) : QColor(150, 150, 150);
    for (int row = 0; row < 2; ++row) {
        const int top = Margin + line + Margin / 2 + row * 2 * line;
        for (int column = 0; column < BitsPerRow; ++column) {
            const int bit = 31 - (row * BitsPerRow + column);
            const QRect box(Margin + column * cell, top + line, cell - 3, line - 2);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRect(box.left(), top, box.width(), line), Qt::AlignCenter, QString::number(bit));
            painter.setBrush(m_word & (quint32(1) << bit) ? on : palette().color(QPalette::Base));
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(box);
        }
    }
}
