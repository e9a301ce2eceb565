#pragma once

#include <QStackedWidget>

class SvgWidget;

// A status LED: a two-page stack whose page 0 shows the "off" picture and page 1 the "on"
// picture. Pictures are names under the plug-in's resources.
class LedWidget : public QStackedWidget
{
    Q_OBJECT
    Q_PROPERTY(bool on READ isOn WRITE setOn)
    Q_PROPERTY(QString onPicture READ onPicture WRITE setOnPicture)
    Q_PROPERTY(QString offPicture READ offPicture WRITE setOffPicture)
public:
    explicit LedWidget(QWidget *parent = nullptr);

    bool isOn() const { return currentIndex() == 1; }
    void setOn(bool on) { setCurrentIndex(on ? 1 : 0); }
    QString onPicture() const { return m_onPicture; }
    void setOnPicture(const QString &name);
    QString offPicture() const { return m_offPicture; }
    void setOffPicture(const QString &name);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showPicture(SvgWidget *widget, const QString &name, QString &loaded);

    SvgWidget *m_off;
    SvgWidget *m_on;
    QString m_onPicture;
    QString m_offPicture;
    // What each page has read so far (empty: nothing yet).
    QString m_onLoaded;
    QString m_offLoaded;
};
