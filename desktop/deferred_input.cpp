#include "deferred_input.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include "pacing.h"

DeferredInput::DeferredInput(QWidget& window, Pacing& pacing, std::function<void()> stop)
    : window_(window), pacing_(pacing), stop_(std::move(stop))
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
}

void DeferredInput::serve()
{
    if (serving_)
        return;
    serving_ = true;
    while (!held_.empty()) {
        Held next = std::move(held_.front());
        held_.pop_front();
        served_ = next.number;
        if (next.receiver) {
            const std::unique_ptr<QEvent> event = next.make();
            QCoreApplication::sendEvent(next.receiver, event.get());
        }
        if (!window_.isVisible())  // what was served closed the window
            held_.clear();
    }
    serving_ = false;
}

void DeferredInput::discard() { held_.clear(); }

bool DeferredInput::steersTheRun(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return key.key() == Qt::Key_Escape || key.key() == Qt::Key_P || key.key() == Qt::Key_Pause;
}

void DeferredInput::keep(QObject* receiver, const QEvent& event)
{
    const QEvent::Type type = event.type();
    std::function<std::unique_ptr<QEvent>()> make;
    switch (type) {
    case QEvent::MouseButtonDblClick:
        // The press that made the double click is not delivered by itself.
        if (!held_.empty() && held_.back().type == QEvent::MouseButtonPress)
            held_.pop_back();
        [[fallthrough]];
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
    // Of a run of pointer moves only the last matters.
    if (type == QEvent::MouseMove && !held_.empty() && held_.back().type == QEvent::MouseMove &&
        held_.back().receiver == receiver)
        held_.pop_back();
    held_.push_back({nextNumber_++, receiver, type, std::move(make)});
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
        if (steersTheRun(key)) {
            if (event->type() == QEvent::KeyPress && !key.isAutoRepeat()) {
                if (key.key() == Qt::Key_Escape) {
                    stop_();
                    cancelledBefore_ = nextNumber_;
                }
                else
                    pacing_.togglePause();
            }
            return true;
        }
        keep(receiver, *event);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::ContextMenu:
        keep(receiver, *event);
        return true;
    default:
        return false;
    }
}
