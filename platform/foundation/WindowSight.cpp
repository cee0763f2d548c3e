#include "platform/foundation/WindowSight.h"

#include <QEvent>
#include <QGuiApplication>

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Shown and not minimised: what the window itself knows.
bool shown(const QWidget* window)
{
    return window && window->isVisible() && !window->isMinimized();
}

// A window not yet mapped has not been exposed yet, but it is on its way to the screen.
bool exposed(const QWidget* window)
{
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    return !handle || !handle->handle() || handle->isExposed();
}

} // namespace

WindowSight::WindowSight(QWidget* widget) : QObject(widget), widget_(widget)
{
    grace_.setSingleShot(true);
    grace_.setInterval(kExposureGraceMs);
    connect(&grace_, &QTimer::timeout, this, &WindowSight::graceOver);
    probe_.setInterval(kProbeMs);
    connect(&probe_, &QTimer::timeout, this, &WindowSight::probe);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::applicationStateChanged, this, &WindowSight::applicationStateChanged);
    widget->installEventFilter(this);
    watch();
    seen_ = canBeSeen();
    applicationStateChanged();
}

bool WindowSight::canBeSeenNow(const QWidget* window)
{
    return shown(window) && exposed(window);
}

void WindowSight::watch()
{
    QWidget* window = widget_ ? widget_->window() : nullptr;
    if (window != window_) {
        if (window_)
            window_->removeEventFilter(this);
        window_ = window;
        if (window_ && window_ != widget_)
            window_->installEventFilter(this);
    }
    QWindow* handle = window_ ? window_->windowHandle() : nullptr;
    if (handle != handle_) {
        if (handle_)
            handle_->removeEventFilter(this);
        handle_ = handle;
        if (handle_)
            handle_->installEventFilter(this);
    }
}

bool WindowSight::canBeSeen() const
{
    const QWidget* window = widget_ ? widget_->window() : nullptr;
    return shown(window) && !exposureLost_;
}

void WindowSight::update()
{
    watch();
    if (!shown(window_) || exposed(window_)) {
        grace_.stop();
        exposureLost_ = false;
    } else if (!exposureLost_ && !grace_.isActive()) {
        grace_.start();
    }
    const bool seen = canBeSeen();
    if (seen == seen_)
        return;
    seen_ = seen;
    emit changed(seen);
}

void WindowSight::graceOver()
{
    exposureLost_ = shown(window_) && !exposed(window_);
    update();
}

void WindowSight::probe()
{
    // The smallest repaint still hands the compositor a buffer and asks for a frame.
    if (window_ && shown(window_) && exposed(window_))
        window_->update(0, 0, 1, 1);
}

void WindowSight::applicationStateChanged()
{
    if (onWayland() && QGuiApplication::applicationState() != Qt::ApplicationActive)
        probe_.start();
    else
        probe_.stop();
}

bool WindowSight::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
    case QEvent::ParentChange:
    case QEvent::Expose:
    case QEvent::PlatformSurface:
        // Settled once the event has been handled.
        QTimer::singleShot(0, this, &WindowSight::update);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
