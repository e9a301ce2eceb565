#pragma once

#include <QSharedPointer>
#include <QSvgWidget>

class SharedPicture;

// Shows an SVG picture, usually a page diagram from the plug-in's resources.
class SvgWidget : public QSvgWidget
{
    Q_OBJECT
    // stand-in extra {
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    // } stand-in extra
public:
    explicit SvgWidget(QWidget *parent = nullptr);
    ~SvgWidget() override;

    // stand-in extra {
    QString fileName() const { return m_fileName; }
    // } stand-in extra
    // A missing file leaves the widget empty.
    void setFileName(const QString &fileName);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_fileName;
    // Widgets showing the same file share one parsed picture (pages show the same LEDs and
    // diagrams many times over).
    QSharedPointer<SharedPicture> m_picture;
};
