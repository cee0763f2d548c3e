#include "platform/ui/ScreenKeyboard.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QMouseEvent>
#include <QProcess>
#include <QWidget>

namespace {

const QString kService = QStringLiteral("sm.puri.OSK0");
const QString kPath = QStringLiteral("/sm/puri/OSK0");
const QString kInterface = QStringLiteral("sm.puri.OSK0");
// Long enough to span a focus change that passes through no widget, short enough that the
// keyboard seems to answer the tap itself.
constexpr int kSettleMs = 60;

QWidget* viewportOf(QWidget* widget)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    return area ? area->viewport() : nullptr;
}

} // namespace

ScreenKeyboard::ScreenKeyboard(const QDBusConnection& bus, QObject* parent, QStringList settingCommand)
    : QObject(parent), bus_(bus), settingCommand_(std::move(settingCommand))
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &ScreenKeyboard::settle);
}

ScreenKeyboard::~ScreenKeyboard()
{
    watchTaps(nullptr);
    if (settingRead_) {
        settingRead_->disconnect(this);
        settingRead_->kill();
        settingRead_->waitForFinished(1000);
    }
}

QStringList ScreenKeyboard::defaultSettingCommand()
{
    return {QStringLiteral("gsettings"), QStringLiteral("get"), QStringLiteral("org.gnome.desktop.a11y.applications"),
            QStringLiteral("screen-keyboard-enabled")};
}

bool ScreenKeyboard::takesText(const QWidget* widget)
{
    // Read-only line edits and text views drop the input-method attribute themselves; the
    // read-only query covers controls that keep it for selection.
    return widget && widget->isEnabled() && widget->testAttribute(Qt::WA_InputMethodEnabled)
           && !widget->inputMethodQuery(Qt::ImReadOnly).toBool();
}

void ScreenKeyboard::follow()
{
    if (following_ || !bus_.isConnected())
        return;
    following_ = true;
    auto* watcher = new QDBusServiceWatcher(kService, bus_,
                                            QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
                                            this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { serviceRegistered(true); });
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] { serviceRegistered(false); });
    QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                                      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ask << kService;
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(ask), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<bool> reply = *w;
        // The watcher may have heard of it first.
        if (!reply.isError() && reply.value())
            serviceRegistered(true);
        w->deleteLater();
    });
    connect(qApp, &QApplication::focusChanged, this, &ScreenKeyboard::focusChanged);
    watchTaps(QApplication::focusWidget());
}

void ScreenKeyboard::serviceRegistered(bool registered)
{
    // A keyboard that (re)appears does not pop up over a screen nobody touched: it comes
    // with the next focus or tap.
    serviceAvailable_ = registered;
    if (!registered) {
        shown_ = false;
        shownFor_ = nullptr;
    }
}

void ScreenKeyboard::focusChanged()
{
    watchTaps(QApplication::focusWidget());
    if (serviceAvailable_)
        settle_.start();
}

void ScreenKeyboard::settle()
{
    if (!serviceAvailable_)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (takesText(focus)) {
        if (!shown_ || shownFor_ != focus)
            askSetting(focus);
        return;
    }
    dropSettingRead();
    if (shown_)
        setVisible(false);
}

void ScreenKeyboard::dropSettingRead()
{
    // Its answer no longer matters; it ends by itself in a moment.
    if (!settingRead_)
        return;
    QProcess* read = settingRead_;
    settingRead_ = nullptr;
    read->disconnect(this);
    connect(read, &QProcess::finished, read, &QObject::deleteLater);
    connect(read, &QProcess::errorOccurred, read, [read](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            read->deleteLater();
    });
}

void ScreenKeyboard::askSetting(QWidget* target)
{
    // The setting is read anew each time, so a change in the desktop's settings counts from
    // the next tap; the program runs beside the window, which never waits for it.
    dropSettingRead();
    auto* read = new QProcess(this);
    settingRead_ = read;
    read->setStandardErrorFile(QProcess::nullDevice());
    auto answer = [this, read, target = QPointer<QWidget>(target)] {
        read->disconnect(this);
        read->deleteLater();
        settingRead_ = nullptr;
        // Only "false" switches the keyboard off. Without the schema (or the program) nobody
        // can have switched it off, and the keyboard's service being there says the session
        // wants one.
        const bool enabled = !(read->exitStatus() == QProcess::NormalExit && read->exitCode() == 0
                               && read->readAllStandardOutput().trimmed() == "false");
        if (!target || QApplication::focusWidget() != target)
            return;
        if (enabled) {
            setVisible(true);
            shownFor_ = target;
        } else if (shown_) {
            setVisible(false);
        }
    };
    connect(read, &QProcess::finished, this, answer);
    connect(read, &QProcess::errorOccurred, this, [answer](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            answer();
    });
    read->start(settingCommand_.value(0), settingCommand_.mid(1));
}

void ScreenKeyboard::setVisible(bool visible)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("SetVisible"));
    call << visible;
    call.setAutoStartService(false);
    bus_.send(call);
    shown_ = visible;
    if (!visible)
        shownFor_ = nullptr;
    emit requested(visible);
}

void ScreenKeyboard::watchTaps(QWidget* widget)
{
    if (!takesText(widget))
        widget = nullptr;
    if (widget == tapWatched_)
        return;
    for (QWidget* w : {tapWatched_.data(), viewportOf(tapWatched_)})
        if (w)
            w->removeEventFilter(this);
    tapWatched_ = widget;
    for (QWidget* w : {widget, viewportOf(widget)})
        if (w)
            w->installEventFilter(this);
}

bool ScreenKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    // A tap in the field that has the focus asks again, as the keyboard may have been put
    // away; a drag (scrolling, selecting) does not.
    if (event->type() == QEvent::MouseButtonPress) {
        pressedAt_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    } else if (event->type() == QEvent::MouseButtonRelease && serviceAvailable_) {
        const QPoint moved = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pressedAt_;
        if (moved.manhattanLength() < QApplication::startDragDistance()) {
            shownFor_ = nullptr;
            settle_.start();
        }
    }
    return QObject::eventFilter(watched, event);
}
