#pragma once
// The application as the program builds it from the main layout, not yet launched. The
// window goes after the application, as when the program ends.

#include "app/QuorvelAppDelegate.h"
#include "platform/lifecycle/Application.h"

#include <QWidget>
#include <memory>

struct MainWindowApp {
    QuorvelAppDelegate delegate;
    MainLayout layout = loadMainLayout();
    std::unique_ptr<QWidget> window{layout.window};
    Application app{&delegate, layout};
};
