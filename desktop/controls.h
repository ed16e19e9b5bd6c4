#pragma once
#include <QObject>
#include <string_view>
#include <vector>

#include "form.h"

class QWidget;

// Twips of the layout to pixels of a window drawn `shrink` times its designed size: the
// one conversion of every control position.
int twipsToPixels(int twips, double shrink);

// The controls of a window: a widget for every control of the Form's layout, made at
// its place in the design with its caption laid out as designed, named with the
// control's name; the user's clicks and scroll moves go to the Form, and the Form's
// changes come back to the widgets.
class Controls : public QObject {
public:
    // page: the design area the controls stand on; picture: the canvas behind them.
    Controls(Form& form, QWidget* page, const QWidget* picture, double shrink);

    QWidget* at(int index) const { return widgets_[index]; }
    // The widget of a control; a name the layout lacks throws std::logic_error.
    QWidget* named(std::string_view name) const;
    // The Form changed a control.
    void changed(int index, FrontEnd::Change what);
    // The window's own scale changed: every control at its place and in its font at the
    // new scale, the captions fitted again.
    void setScale(double shrink);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* create(const ControlState& c, QWidget* parent);
    // The control's font and designed box at the window's scale.
    void placeAsDesigned(int index);
    void connect(int index, QWidget* w);
    // A speed bar's tooltip: its name and its setting against the start-up speed.
    void tellSpeed(int index);

    Form& form_;
    const QWidget* picture_;
    double shrink_;
    std::vector<QWidget*> widgets_;  // in the Form's order
};
