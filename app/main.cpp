#include "app/CommandLine.h"
#include "app/QuorvelAppDelegate.h"
#include "platform/lifecycle/Application.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // One id names the desktop entry, the icon, the metadata and the single instance's bus name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    return applicationMain(
        argc, argv, [] { return std::make_unique<QuorvelAppDelegate>(); },
        &loadMainLayout, &CommandLine::handle, launchActions());
}
