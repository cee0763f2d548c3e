#include "platform/foundation/HostAddress.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Modules.h"

namespace HostAddress {

namespace {

const HostAddressModule* networkModule()
{
    QString why;
    const HostAddressModule* module = Modules::get<HostAddressModule>(QStringLiteral("network"), &why);
    if (!module)
        NSLog("Host addresses: %@", why);
    return module;
}

} // namespace

Family family(const QString& text)
{
    const HostAddressModule* module = networkModule();
    return module ? module->family(text) : Family::None;
}

bool isLoopback(const QString& host)
{
    const HostAddressModule* module = networkModule();
    return module && module->isLoopback(host);
}

} // namespace HostAddress
