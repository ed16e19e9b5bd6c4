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
    const QRect changed = surface_.takeDirty();
    if (!changed.isEmpty())
        update(changed);
}

void Canvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const QImage& picture = surface_.image();
    const QRect inside = area & picture.rect();
    if (!inside.isEmpty())
        painter.drawImage(inside.topLeft(), picture, inside);
    const QColor back = QColor::fromRgb(toArgb(surface_.BackColor));
    for (const QRect& rest : QRegion(area).subtracted(picture.rect()))
        painter.fillRect(rest, back);
}
