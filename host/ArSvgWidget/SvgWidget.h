#pragma once

#include <QSvgWidget>

// Shows an SVG picture, usually a page diagram from the plug-in's resources.
class SvgWidget : public QSvgWidget
{
    Q_OBJECT
    // stand-in extra {
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    // } stand-in extra
public:
    explicit SvgWidget(QWidget *parent = nullptr);

    // stand-in extra {
    QString fileName() const { return m_fileName; }
    // } stand-in extra
    // A missing file leaves the widget empty.
    void setFileName(const QString &fileName);

private:
    QString m_fileName;
};
