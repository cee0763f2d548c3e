// The application's own start-up, exactly as app/main.cpp runs it, with a probe on its window
// that notes the first painted frame and then quits. Run by bench_startup.

#include "StartupProbe.h"
#include "app/CommandLine.h"
#include "app/QuorvelAppDelegate.h"
#include "platform/lifecycle/Application.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    startup::FirstFrameProbe probe(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    return applicationMain(
        argc, argv, [] { return std::make_unique<QuorvelAppDelegate>(); },
        [&probe] {
            MainLayout layout = loadMainLayout();
            probe.watch(layout.window);
            return layout;
        },
        &CommandLine::handle, launchActions());
}
