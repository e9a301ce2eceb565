#include "AxisView.h"

#include "DriveModel.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr int Margin = 8;
const QColor positionColor(30, 90, 200);
const QColor velocityColor(220, 120, 20);

// A round step for axis labels: 1, 2 or 5 times a power of ten.
double niceStep(double span, int parts)
{
    const double raw = span / std::max(parts, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw)
            return factor * power;
    }
    return 10 * power;
}

// The range shown for a set of values: at least [0, minimumSpan], rounded outward.
void niceRange(double *low, double *high, double minimumSpan)
{
    *low = std::min(*low, 0.0);
    *high = std::max(*high, *low + minimumSpan);
    const double step = niceStep(*high - *low, 5);
    *low = std::floor(*low / step) * step;
    *high = std::ceil(*high / step) * step;
    if (*high <= *low)
        *high = *low + step;
}

QString number(double value)
{
    return QString::number(value, 'f', std::abs(value) < 10 ? 2 : 1);
}

} // namespace

AxisView::AxisView(DriveModel *model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(model, &DriveModel::stepped, this, &AxisView::onStepped);
    connect(model, &DriveModel::faultsChanged, this, qOverload<>(&QWidget::update));
}

QSize AxisView::sizeHint() const
{
    return {440, 16 * fontMetrics().height()};
}

QSize AxisView::minimumSizeHint() const
{
    return {260, 10 * fontMetrics().height()};
}

QString AxisView::headerText() const
{
    return tr("%1    position %2    velocity %3")
        .arg(m_model->stateText(), number(m_model->position()), number(m_model->velocity()));
}

void AxisView::onStepped()
{
    const QList<DriveModel::Sample> &history = m_model->history();
    const qsizetype n = history.size();
    if (n >= 2
        && (history.at(n - 1).position != history.at(n - 2).position
            || history.at(n - 1).velocity != history.at(n - 2).velocity))
        m_lastMovementMs = m_model->timeMs();
    // The plot scrolls while a movement is still in its time span.
    const bool plotMoves = m_model->timeMs() - m_lastMovementMs <= DriveModel::HistoryMs;
    if (plotMoves || int(m_model->power()) != m_shownPower || headerText() != m_shownHeader)
        update();
}

void AxisView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int line = fontMetrics().height();

    painter.setPen(palette().color(QPalette::WindowText));
    m_shownHeader = headerText();
    m_shownPower = int(m_model->power());
    painter.drawText(QRect(Margin, Margin, width() - 2 * Margin, line), Qt::AlignLeft | Qt::AlignVCenter, m_shownHeader);

    // The travel bar spans every position of the plotted time, so the carriage never leaves it.
    double low = m_model->position();
    double high = low;
    for (const DriveModel::Sample &sample : m_model->history()) {
        low = std::min(low, sample.position);
        high = std::max(high, sample.position);
    }
    niceRange(&low, &high, 100);

    const QRect travel(Margin, Margin + line + Margin / 2, width() - 2 * Margin, 2 * line + Margin);
    paintTravel(painter, travel, low, high);
    const QRect plot(Margin, travel.bottom() + Margin, width() - 2 * Margin, height() - travel.bottom() - 2 * Margin);
    if (plot.height() > 3 * line)
        paintPlot(painter, plot, low, high);
}

void AxisView::paintTravel(QPainter &painter, const QRect &area, double low, double high)
{
    const int line = fontMetrics().height();
    const QRect bar(area.left(), area.top() + line / 2, area.width(), line / 2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(bar, 3, 3);

    auto xOf = [&](double value) { return bar.left() + (value - low) / (high - low) * bar.width(); };
    painter.setPen(palette().color(QPalette::WindowText));
    for (double value : {low, 0.0, high}) {
        if (value == 0.0 && (low == 0.0 || high == 0.0))
            continue;
        const double x = xOf(value);
        painter.drawLine(QPointF(x, bar.bottom()), QPointF(x, bar.bottom() + 3));
        const QRectF label(x - 40, bar.bottom() + 3, 80, line);
        const Qt::Alignment align = value == low ? Qt::AlignLeft : value == high ? Qt::AlignRight : Qt::AlignHCenter;
        painter.drawText(value == low ? label.translated(40, 0) : value == high ? label.translated(-40, 0) : label,
                         align | Qt::AlignTop, number(value));
    }

    const double x = xOf(m_model->position());
    const QRectF carriage(x - 6, bar.top() - line / 2, 12, bar.height() + line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_model->power() == DriveModel::Power::Faulted ? QColor(200, 40, 40)
                     : m_model->power() == DriveModel::Power::Enabled ? positionColor
                                                                      : QColor(140, 140, 140));
    painter.drawRoundedRect(carriage, 2, 2);
}

void AxisView::paintPlot(QPainter &painter, const QRect &area, double low, double high)
{
    const int line = fontMetrics().height();
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    const QRect frame = area.adjusted(0, line, 0, 0);
    painter.drawRect(frame);

    const QList<DriveModel::Sample> &history = m_model->history();
    double speed = 10;
    for (const DriveModel::Sample &sample : history)
        speed = std::max(speed, std::abs(sample.velocity));
    double velocityLow = -speed;
    double velocityHigh = speed;
    niceRange(&velocityLow, &velocityHigh, 20);
    const double span = std::max(std::abs(velocityLow), std::abs(velocityHigh));
    velocityLow = -span;
    velocityHigh = span;

    painter.setPen(positionColor);
    painter.drawText(QRect(area.left(), area.top(), area.width() / 2, line), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("position %1 … %2").arg(number(low), number(high)));
    painter.setPen(velocityColor);
    painter.drawText(QRect(area.left() + area.width() / 2, area.top(), area.width() / 2, line),
                     Qt::AlignRight | Qt::AlignVCenter, tr("velocity ±%1").arg(number(span)));
    if (history.isEmpty())
        return;

    const qint64 end = history.last().timeMs;
    const qint64 start = end - DriveModel::HistoryMs;
    auto xOf = [&](qint64 time) { return frame.left() + double(time - start) / DriveModel::HistoryMs * frame.width(); };
    auto yOf = [&](double value, double from, double to) { return frame.bottom() - (value - from) / (to - from) * frame.height(); };

    painter.setPen(QPen(palette().color(QPalette::Midlight), 1, Qt::DashLine));
    const double zero = yOf(0, velocityLow, velocityHigh);
    painter.drawLine(QPointF(frame.left(), zero), QPointF(frame.right(), zero));

    QPainterPath position;
    QPainterPath velocity;
    for (qsizetype i = 0; i < history.size(); ++i) {
        const DriveModel::Sample &sample = history.at(i);
        const QPointF p(xOf(sample.timeMs), yOf(sample.position, low, high));
        const QPointF v(xOf(sample.timeMs), yOf(sample.velocity, velocityLow, velocityHigh));
        if (i == 0) {
            // Before the first sample the axis stood where the first one found it, so the
            // picture at standstill is the same from the start.
            position.moveTo(frame.left(), p.y());
            velocity.moveTo(frame.left(), v.y());
        }
        position.lineTo(p);
        velocity.lineTo(v);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(velocityColor, 1.5));
    painter.drawPath(velocity);
    painter.setPen(QPen(positionColor, 2));
    painter.drawPath(position);
}
