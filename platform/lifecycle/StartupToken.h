#pragma once
// The launcher's token that lets a window take the focus: XDG_ACTIVATION_TOKEN on Wayland,
// DESKTOP_STARTUP_ID (startup notification) on X11.

#include <QByteArray>
#include <QString>

class QWidget;

// Keeps a copy of DESKTOP_STARTUP_ID before Qt's X11 plugin takes it out of the environment
// when it connects; call before the Qt application exists.
void keepStartupIdForHandOver();
// The DESKTOP_STARTUP_ID this process was started with (kept by the call above).
QByteArray x11StartupId();

// Activates `window` with the launcher's tokens, as Qt 6.4 honours them: its Wayland plugin
// reads XDG_ACTIVATION_TOKEN from the environment in QWindow::requestActivate() and passes it
// to xdg_activation_v1.activate; on X11 the launcher is told the start is over (the
// startup notification's "remove" message), which Qt sends by itself only when a window is
// first shown. Neither token is left in the environment for the programs started later.
void activateWithTokens(QWidget* window, const QString& activationToken, const QString& startupId);

// The first start's own tokens, once its window is up: the activation token is used for the
// window and both leave the environment.
void useOwnStartupTokens(QWidget* window);
