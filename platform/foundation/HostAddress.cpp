#include "platform/foundation/HostAddress.h"

#include <QList>

#include <arpa/inet.h>

namespace HostAddress {

namespace {

// The text without blanks around it, in Latin-1; empty when it holds anything else, or a
// blank inside.
QByteArray plain(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QByteArray latin = trimmed.toLatin1();
    if (latin.size() != trimmed.size() || latin.contains(' ') || latin.contains('\t'))
        return {};
    return latin;
}

// Four decimal numbers of at most three digits, each at most 255.
bool isDottedQuad(const QByteArray& text)
{
    const QList<QByteArray> parts = text.split('.');
    if (parts.size() != 4)
        return false;
    for (const QByteArray& part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return false;
        int value = 0;
        for (const char c : part) {
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + (c - '0');
        }
        if (value > 255)
            return false;
    }
    return true;
}

} // namespace

Family family(const QString& text)
{
    const QByteArray latin = plain(text);
    if (latin.isEmpty())
        return Family::None;
    if (isDottedQuad(latin))
        return Family::IPv4;
    in6_addr v6{};
    if (inet_pton(AF_INET6, latin.constData(), &v6) == 1)
        return Family::IPv6;
    return Family::None;
}

bool isLoopback(const QString& host)
{
    const QByteArray latin = plain(host);
    if (latin.isEmpty())
        return false;
    if (latin.compare("localhost", Qt::CaseInsensitive) == 0)
        return true;
    // The resolver's own reading of IPv4 numbers, short forms ("127.1") included, as that is
    // where a connection to such a host goes.
    in_addr v4{};
    if (inet_aton(latin.constData(), &v4) != 0)
        return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    if (inet_pton(AF_INET6, latin.constData(), &v6) != 1)
        return false;
    if (IN6_IS_ADDR_LOOPBACK(&v6))
        return true;
    return IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127;
}

} // namespace HostAddress
