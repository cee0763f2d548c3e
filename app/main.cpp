#include "app/QuorvelAppDelegate.h"
#include "platform/ui/Application.h"

int main(int argc, char** argv)
{
    return applicationMain(argc, argv, [] { return std::make_unique<QuorvelAppDelegate>(); }, loadMainLayout);
}
