// The application as app/main.cpp starts it, with a robot that switches the tabs from the
// keyboard (Alt+1 to Alt+4, in turn) at a steady pace. Run by scripts/soak.sh, which watches
// its memory and open files from outside.
//   QUORVEL_SOAK_TAB_MS   milliseconds between two tab switches (2000)

#include "app/QuorvelAppDelegate.h"
#include "platform/foundation/Log.h"
#include "platform/lifecycle/Application.h"
#include "platform/ui/TabBarController.h"

#include <QTest>
#include <QTimer>

int main(int argc, char** argv)
{
    return applicationMain(
        argc, argv, [] { return std::make_unique<QuorvelAppDelegate>(); },
        [] {
            MainLayout layout = loadMainLayout();
            QWidget* window = layout.window;
            TabBarController* tabs = layout.rootViewController;
            auto* robot = new QTimer(window);
            bool ok = false;
            const int interval = qEnvironmentVariableIntValue("QUORVEL_SOAK_TAB_MS", &ok);
            robot->setInterval(ok && interval > 0 ? interval : 2000);
            QObject::connect(robot, &QTimer::timeout, window, [window, tabs] {
                static int switches = 0;
                const int next = ++switches % 4;
                QTest::keyClick(window, Qt::Key(Qt::Key_1 + next), Qt::AltModifier);
                // The keys only reach an active window; the offscreen platform may have none.
                const bool byKey = tabs->selectedIndex() == next;
                if (!byKey)
                    tabs->setSelectedIndex(next);
                NSLog("soak: tab %d %@", next, byKey ? QStringLiteral("by key") : QStringLiteral("by call"));
            });
            robot->start();
            return layout;
        });
}
