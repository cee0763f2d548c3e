#include "platform/foundation/HostAddress.h"

#include <arpa/inet.h>
#include <cstring>

namespace HostAddress {

Family family(const QString& text)
{
    const QByteArray latin = text.toLatin1();
    if (latin.isEmpty() || latin.size() != text.size())
        return Family::None;
    unsigned char buffer[sizeof(in6_addr)];
    if (inet_pton(AF_INET, latin.constData(), buffer) == 1)
        return Family::IPv4;
    if (inet_pton(AF_INET6, latin.constData(), buffer) == 1)
        return Family::IPv6;
    return Family::None;
}

bool isLoopback(const QString& host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QByteArray latin = host.toLatin1();
    if (latin.isEmpty() || latin.size() != host.size())
        return false;
    in_addr v4{};
    if (inet_pton(AF_INET, latin.constData(), &v4) == 1)
        return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    if (inet_pton(AF_INET6, latin.constData(), &v6) != 1)
        return false;
    if (IN6_IS_ADDR_LOOPBACK(&v6))
        return true;
    return IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127;
}

} // namespace HostAddress
