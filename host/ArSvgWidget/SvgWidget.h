#pragma once

#include <QSvgWidget>

// Shows an SVG picture, usually a page diagram from the plug-in's resources.
class SvgWidget : public QSvgWidget
{
    Q_OBJECT
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
public:
    explicit SvgWidget(QWidget *parent = nullptr);

    QString fileName() const { return m_fileName; }
    // A missing file leaves the widget empty.
    void setFileName(const QString &fileName);

private:
    QString m_fileName;
};
