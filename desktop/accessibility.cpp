#include "accessibility.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QScrollBar>

#include "canvas.h"
#include "desktop_window.h"

namespace {
// A window's page and frames as assistive technology sees them: only the controls that
// are shown (the parameter boxes, the never-shown speed frames and the captions a run
// has yet to reveal are not there).
class ShownChildren : public QAccessibleWidget {
public:
    ShownChildren(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            if (const auto* frame = qobject_cast<const QGroupBox*>(widget()))
                return frame->title();
        return QAccessibleWidget::text(t);
    }

private:
    QList<QWidget*> shown() const
    {
        QList<QWidget*> children;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && !w->isHidden())
                children << w;
        return children;
    }
};

// The picture: busy while a run draws in it.
class Picture : public QAccessibleWidget {
public:
    explicit Picture(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* window = dynamic_cast<const DesktopWindow*>(widget()->window()))
            s.busy = window->form().isRunning();
        return s;
    }
};

// A speed bar: its value, as assistive technology reads it, is its setting against the
// start-up speed.
class SpeedBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    SpeedBar(QScrollBar* bar, DesktopWindow& window, int control)
        : QAccessibleWidget(bar, QAccessible::ScrollBar), window_(window), control_(control)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::fromStdString(shell::speedText(window_.form().speedFactor(control_)));
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant& value) override { bar()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
    DesktopWindow& window_;
    int control_;
};

QAccessibleInterface* accessibleOfTheSuite(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w || !dynamic_cast<DesktopWindow*>(w->window()))
        return nullptr;
    if (w->isWindow())  // the window: its page, and its run bar while a run draws
        return dynamic_cast<DesktopWindow*>(w) ? new ShownChildren(w, QAccessible::Window) : nullptr;
    if (dynamic_cast<Canvas*>(w))
        return new Picture(w);  // named and described by its window
    if (w->objectName() == QLatin1String("page"))
        return new ShownChildren(w, QAccessible::Pane);
    if (w->objectName() == QLatin1String(shell::kRunBar))
        return new ShownChildren(w, QAccessible::ToolBar);
    if (auto* bar = qobject_cast<QScrollBar*>(w)) {
        auto* window = dynamic_cast<DesktopWindow*>(w->window());
        const int control = window->form().indexOf(bar->objectName().toStdString());
        return control >= 0 && window->form().isSpeedBar(control) ? new SpeedBar(bar, *window, control) : nullptr;
    }
    if (qobject_cast<QGroupBox*>(w))
        return new ShownChildren(w, QAccessible::Grouping);
    return nullptr;
}
}  // namespace

void installAccessibility() { QAccessible::installFactory(accessibleOfTheSuite); }

void announceBusy(QWidget* picture)
{
    QAccessible::State busy;
    busy.busy = true;
    QAccessibleStateChangeEvent changed(picture, busy);
    QAccessible::updateAccessibility(&changed);
}
