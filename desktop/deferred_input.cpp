#include "deferred_input.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <memory>


namespace {
RunInput::Key keyOf(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Escape:
        return RunInput::Key::Escape;
    case Qt::Key_P:
        return RunInput::Key::P;
    case Qt::Key_Pause:
        return RunInput::Key::Pause;
    case Qt::Key_K:
        return RunInput::Key::Step;
    default:
        return RunInput::Key::Other;
    }
}

RunInput::Pointer pointerOf(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
        return RunInput::Pointer::Press;
    case QEvent::MouseButtonRelease:
        return RunInput::Pointer::Release;
    case QEvent::MouseButtonDblClick:
        return RunInput::Pointer::DoubleClick;
    case QEvent::MouseMove:
        return RunInput::Pointer::Move;
    default:
        return RunInput::Pointer::Other;
    }
}

// The event made anew from what it said, sent to its receiver if that still exists.
std::function<void()> later(QObject* receiver, const QEvent& event)
{
    std::function<std::unique_ptr<QEvent>()> make;
    const QEvent::Type type = event.type();
    switch (type) {
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto& m = static_cast<const QMouseEvent&>(event);
        make = [type, local = m.position(), scene = m.scenePosition(), global = m.globalPosition(),
                button = m.button(), buttons = m.buttons(), modifiers = m.modifiers(),
                device = m.pointingDevice(), time = m.timestamp()] {
            auto made = std::make_unique<QMouseEvent>(type, local, scene, global, button, buttons, modifiers, device);
            made->setTimestamp(time);
            return std::unique_ptr<QEvent>(std::move(made));
        };
        break;
    }
    case QEvent::Wheel: {
        const auto& w = static_cast<const QWheelEvent&>(event);
        make = [local = w.position(), global = w.globalPosition(), pixels = w.pixelDelta(), angle = w.angleDelta(),
                buttons = w.buttons(), modifiers = w.modifiers(), phase = w.phase(), inverted = w.inverted(),
                source = w.source(), device = w.pointingDevice(), time = w.timestamp()] {
            auto made = std::make_unique<QWheelEvent>(local, global, pixels, angle, buttons, modifiers, phase, inverted,
                                                      source, device);
            made->setTimestamp(time);
            return std::unique_ptr<QEvent>(std::move(made));
        };
        break;
    }
    case QEvent::Enter: {
        const auto& e = static_cast<const QEnterEvent&>(event);
        make = [local = e.position(), scene = e.scenePosition(), global = e.globalPosition(), device = e.pointingDevice()] {
            return std::unique_ptr<QEvent>(std::make_unique<QEnterEvent>(local, scene, global, device));
        };
        break;
    }
    default: {  // keys, the context-menu key, leaving: events that carry no pointer state
        const std::shared_ptr<QEvent> copy(event.clone());
        make = [copy] { return std::unique_ptr<QEvent>(copy->clone()); };
        break;
    }
    }
    return [to = QPointer<QObject>(receiver), make = std::move(make)] {
        if (to) {
            const std::unique_ptr<QEvent> event = make();
            QCoreApplication::sendEvent(to, event.get());
        }
    };
}
}  // namespace

DeferredInput::DeferredInput(QWidget& window, RunInput& policy, std::function<bool(const QWidget*)> runControl)
    : window_(window), policy_(policy), runControl_(std::move(runControl))
{
}

DeferredInput::~DeferredInput() { release(); }

void DeferredInput::hold()
{
    holding_ = window_.windowHandle();
    if (holding_)
        QCoreApplication::instance()->installEventFilter(this);
}

void DeferredInput::release()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    holding_ = nullptr;
    dragging_ = false;
}

RunInput::Aim DeferredInput::aimOf(const QEvent& event)
{
    const auto within = [this](const QWidget* w) { return w && runControl_ && runControl_(w); };
    bool aims = false;
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        aims = within(QApplication::focusWidget());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel: {
        const auto& pointer = static_cast<const QSinglePointEvent&>(event);
        aims = dragging_ || within(window_.childAt(window_.mapFromGlobal(pointer.globalPosition().toPoint())));
        if (event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick)
            dragging_ = aims;
        else if (event.type() == QEvent::MouseButtonRelease && pointer.buttons() == Qt::NoButton)
            dragging_ = false;
        break;
    }
    default:
        break;
    }
    return aims ? RunInput::Aim::RunControl : RunInput::Aim::Window;
}

bool DeferredInput::eventFilter(QObject* receiver, QEvent* event)
{
    if (!holding_ || receiver != holding_.data())
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // A key of the run goes to the window, to be held, and triggers no shortcut now;
        // served later it gets its chance at the shortcuts again.
        event->accept();
        return true;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        // Unaccepted, they come back as the mouse events they stand for, and those are held.
        event->ignore();
        return true;
    case QEvent::NativeGesture:
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool modified = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        return policy_.key(keyOf(key), event->type() == QEvent::KeyPress, key.isAutoRepeat(), modified,
                           later(receiver, *event), aimOf(*event)) != RunInput::Verdict::Now;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::ContextMenu:
        return policy_.input(pointerOf(event->type()), receiver, later(receiver, *event), aimOf(*event)) !=
               RunInput::Verdict::Now;
    default:
        return false;
    }
}
