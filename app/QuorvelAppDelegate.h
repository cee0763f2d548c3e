#pragma once

#include "platform/lifecycle/Application.h"

class QuorvelAppDelegate : public ApplicationDelegate {
public:
    bool applicationDidFinishLaunchingWithOptions(Application* application, const QVariantMap& options) override;
    // Going to the background and quitting both store the message being written, so it
    // is there again at the next start.
    void applicationDidEnterBackground(Application* application) override;
    void applicationWillTerminate(Application* application) override;
};

// The window and its four tabs.
MainLayout loadMainLayout();

// Opens the device settings dialog over `window` (--settings, Ctrl+, and the about screen's
// Settings button all come here).
void openDeviceSettings(QWidget* window);
// What the command line can ask a start for, in the running instance when there is one:
// "demo" (--demo) switches the position to the demo walk, "settings" (--settings) opens the
// device settings over the window; the launcher entry's actions of those names run them.
LaunchActions launchActions();
