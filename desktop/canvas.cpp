#include "canvas.h"

#include <QPaintEvent>
#include <QPainter>

#include "drawing_surface.h"

Canvas::Canvas(DrawingSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setObjectName(QStringLiteral("canvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Canvas::updateChanged()
{
    const Rect dirty = surface_.takeDirty();
    const QRect changed(dirty.x, dirty.y, dirty.width, dirty.height);
    if (changed.isEmpty())
        return;
    const double dpr = surface_.devicePixelRatio();
    if (dpr == 1) {
        update(changed);
        return;
    }
    const QRectF window(changed.x() / dpr, changed.y() / dpr, changed.width() / dpr, changed.height() / dpr);
    update(window.toAlignedRect());
}

void Canvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const Picture& p = surface_.image();
    // The surface's pixels as they are, without a copy.
    const QImage picture(reinterpret_cast<const uchar*>(p.bits()), p.width(), p.height(), p.stride() * 4,
                         QImage::Format_RGB32);
    const double dpr = surface_.devicePixelRatio();
    const QRect pictureArea(0, 0, int(picture.width() / dpr), int(picture.height() / dpr));
    const QRect inside = area & pictureArea;
    if (dpr == 1 && !inside.isEmpty()) {
        painter.drawImage(inside.topLeft(), picture, inside);
    } else if (!inside.isEmpty()) {
        const QRectF source(inside.x() * dpr, inside.y() * dpr, inside.width() * dpr, inside.height() * dpr);
        painter.drawImage(QRectF(inside), picture, source);
    }
    const QColor back = QColor::fromRgb(toArgb(surface_.BackColor));
    for (const QRect& rest : QRegion(area).subtracted(pictureArea))
        painter.fillRect(rest, back);
}
