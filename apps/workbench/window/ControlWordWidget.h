#pragma once

#include <QWidget>

// The host's 32-bit control-panel word as a row of bits, with the panel that holds it.
class ControlWordWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ControlWordWidget(QWidget *parent = nullptr);

    void setState(const QString &coordinate, int handle, bool flag, quint32 word);
    quint32 word() const { return m_word; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_coordinate;
    int m_handle = 0;
    bool m_flag = false;
    quint32 m_word = 0;
};
