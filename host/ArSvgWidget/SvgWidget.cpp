#include "SvgWidget.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QWeakPointer>

#include <algorithm>
#include <utility>

// One file's parsed picture and, for small pictures, what it looks like at the sizes shown:
// a page's LEDs show the same few pictures dozens of times.
class SharedPicture : public QSvgRenderer
{
public:
    using QSvgRenderer::QSvgRenderer;

    void paint(QPainter *painter, const QSize &size, qreal ratio)
    {
        const QSize pixels = size * ratio;
        if (animated() || pixels.width() * pixels.height() > largestDrawn) {
            render(painter);
            return;
        }
        auto drawn = std::find_if(m_drawn.cbegin(), m_drawn.cend(), [&](const QPixmap &pixmap) {
            return pixmap.size() == pixels && pixmap.devicePixelRatio() == ratio;
        });
        if (drawn == m_drawn.cend()) {
            if (m_drawn.size() == sizesKept)
                m_drawn.removeFirst();
            QPixmap pixmap(pixels);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter onPixmap(&pixmap);
            render(&onPixmap, QRectF(QPointF(0, 0), QSizeF(size)));
            onPixmap.end();
            m_drawn.append(pixmap);
            drawn = m_drawn.cend() - 1;
        }
        painter->drawPixmap(0, 0, *drawn);
    }

private:
    // An LED's size and a few more; diagrams are large and shown once, not worth the memory.
    static constexpr int largestDrawn = 128 * 128;
    static constexpr int sizesKept = 4;
    QList<QPixmap> m_drawn;
};

namespace {

// Held weakly: a picture lives as long as a widget shows it, so a file read again after its
// last widget has gone (another plug-in build, a changed file) is parsed afresh.
QHash<QString, QWeakPointer<SharedPicture>> &sharedPictures()
{
    static QHash<QString, QWeakPointer<SharedPicture>> pictures;
    return pictures;
}

QSharedPointer<SharedPicture> sharedPicture(const QString &fileName)
{
    auto &pictures = sharedPictures();
    if (QSharedPointer<SharedPicture> picture = pictures.value(fileName).toStrongRef())
        return picture;
    QSharedPointer<SharedPicture> picture(new SharedPicture(fileName));
    if (!picture->isValid()) {
        pictures.remove(fileName);
        return nullptr;
    }
    pictures.insert(fileName, picture);
    return picture;
}

// Keeps the table to the pictures still shown.
void forgetUnshown(const QString &fileName)
{
    if (!fileName.isEmpty() && sharedPictures().value(fileName).isNull())
        sharedPictures().remove(fileName);
}

} // namespace

SvgWidget::SvgWidget(QWidget *parent) : QSvgWidget(parent) {}

SvgWidget::~SvgWidget()
{
    m_picture.reset();
    forgetUnshown(m_fileName);
}

void SvgWidget::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    const QString previous = std::exchange(m_fileName, fileName);
    if (m_picture)
        disconnect(m_picture.data(), nullptr, this, nullptr);
    m_picture = sharedPicture(fileName);
    forgetUnshown(previous);
    if (m_picture && m_picture->animated())
        connect(m_picture.data(), &QSvgRenderer::repaintNeeded, this, qOverload<>(&QWidget::update));
    update();
}

QSize SvgWidget::sizeHint() const
{
    return m_picture ? m_picture->defaultSize() : QSvgWidget::sizeHint();
}

void SvgWidget::paintEvent(QPaintEvent *event)
{
    if (!m_picture) {
        QSvgWidget::paintEvent(event);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    m_picture->paint(&painter, size(), devicePixelRatio());
}
