#pragma once

#include <QWidget>

// A transparent clickable area laid over a diagram. Lights up under the mouse once the
// page has asked for hover highlights.
class ActionWidget : public QWidget
{
    Q_OBJECT
    // stand-in extra {
    Q_PROPERTY(bool hoverHighlight READ hoverHighlight WRITE setHoverHighlight)
    // } stand-in extra
public:
    explicit ActionWidget(QWidget *parent = nullptr);

    // stand-in extra {
    bool hoverHighlight() const { return m_hoverHighlight; }
    void setHoverHighlight(bool on);
    // } stand-in extra

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_hoverHighlight = false;
    bool m_hovered = false;
    bool m_pressed = false;
};
