#pragma once
#include <QWidget>

class DrawingSurface;

// Shows the drawing surface behind a window's controls.
class Canvas : public QWidget {
public:
    Canvas(DrawingSurface& surface, QWidget* parent);
    // Schedules a repaint of what the surface changed since the last call.
    void updateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawingSurface& surface_;
};
