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
// What the command line can ask a start for: "settings" (--settings, the launcher entry's
// action of that name) opens the device settings over the window, in the running instance
// when there is one.
LaunchActions launchActions();
