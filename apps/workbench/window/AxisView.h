#pragma once

#include "DriveModel.h"

#include <QWidget>

// The simulated axis as a person watches it: its state, the carriage on a travel bar, and a
// plot of position and velocity over the last seconds.
class AxisView : public QWidget
{
    Q_OBJECT
public:
    explicit AxisView(DriveModel *model, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintTravel(QPainter &painter, const QRect &area, double low, double high);
    void paintPlot(QPainter &painter, const QRect &area, double low, double high);
    QString headerText() const;
    // Repaints only when the picture changes: at standstill it stays the same once the
    // last movement has left the plotted time.
    void onStepped();

    DriveModel *m_model;
    QString m_shownHeader;
    int m_shownPower = -1;
    qint64 m_lastMovementMs = -DriveModel::HistoryMs - 1;
};
