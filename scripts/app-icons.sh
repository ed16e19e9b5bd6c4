#!/usr/bin/env bash
# The web app's icons (data/icons/svetlo-SIZE.png), drawn from the suite's icon
# (data/icons/svetlo.svg) by Qt's SVG renderer. Run again when the icon changes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/render.cpp" <<'CPP'
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
CPP
g++ -std=c++20 -fPIC "$work/render.cpp" -o "$work/render" $(pkg-config --cflags --libs Qt6Svg Qt6Gui)
for size in 192 512; do
  QT_QPA_PLATFORM=offscreen "$work/render" "$root/data/icons/svetlo.svg" "$size" "$root/data/icons/svetlo-$size.png"
done
echo "data/icons/svetlo-192.png and svetlo-512.png written"
