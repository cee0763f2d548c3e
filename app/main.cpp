#include "app/QuorvelAppDelegate.h"
#include "platform/ui/Application.h"

#include <QTimer>
#include <algorithm>
#include <cstring>

int main(int argc, char** argv)
{
    // --settings: the device settings dialog over the window, once the window is up.
    const bool settings =
        std::any_of(argv + 1, argv + argc, [](const char* arg) { return std::strcmp(arg, "--settings") == 0; });
    return applicationMain(argc, argv, [] { return std::make_unique<QuorvelAppDelegate>(); }, [settings] {
        MainLayout layout = loadMainLayout();
        if (settings)
            QTimer::singleShot(0, layout.window, [window = layout.window] { openDeviceSettings(window); });
        return layout;
    });
}
