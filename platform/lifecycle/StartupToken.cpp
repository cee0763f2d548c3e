#include "platform/lifecycle/StartupToken.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstring>

namespace {

QByteArray& keptStartupId()
{
    static QByteArray id;
    return id;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

// The startup notification's "remove" message: 20-byte client messages to the root window,
// the first of type _NET_STARTUP_INFO_BEGIN, the terminating NUL included.
void sendStartupRemove(const QByteArray& id)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (begin == XCB_ATOM_NONE || more == XCB_ATOM_NONE || !screen)
        return;
    const QByteArray message = QByteArrayLiteral("remove: ID=") + id;
    const int length = int(message.size()) + 1;
    for (int sent = 0; sent < length; sent += 20) {
        xcb_client_message_event_t event {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = screen->root;
        event.type = sent == 0 ? begin : more;
        std::memcpy(event.data.data8, message.constData() + sent, size_t(std::min(20, length - sent)));
        xcb_send_event(connection, 0, screen->root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
    }
    xcb_flush(connection);
}

} // namespace

void keepStartupIdForHandOver()
{
    keptStartupId() = qgetenv("DESKTOP_STARTUP_ID");
}

QByteArray x11StartupId()
{
    return keptStartupId();
}

void activateWithTokens(QWidget* window, const QString& activationToken, const QString& startupId)
{
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    if (QWindow* handle = window ? window->windowHandle() : nullptr)
        handle->requestActivate();
    else if (window)
        window->activateWindow();
    // Read and removed by the call above where the compositor offers activation; never left for
    // the programs started later either way.
    qunsetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("DESKTOP_STARTUP_ID");
    if (!startupId.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb"))
        sendStartupRemove(startupId.toUtf8());
}

void useOwnStartupTokens(QWidget* window)
{
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        activateWithTokens(window, token, {});
    // Qt's X11 plugin has sent the "remove" for the first window already.
    qunsetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("DESKTOP_STARTUP_ID");
}
