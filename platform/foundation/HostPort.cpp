#include "platform/foundation/HostPort.h"

#include <algorithm>

HostPortText splitHostPort(QStringView text)
{
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        if (close < 0)
            return {text.mid(1).toString(), {}};
        const QStringView after = text.mid(close + 1);
        // Anything but ":port" after the bracket is kept, so that the check refuses it.
        return {text.mid(1, close - 1).toString(), after.startsWith(u':') ? after.mid(1).toString() : after.toString()};
    }
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon < 0 || text.count(u':') > 1)
        return {text.toString(), {}};
    return {text.left(colon).toString(), text.mid(colon + 1).toString()};
}

std::optional<HostPort> parseHostPort(QStringView text, quint16 defaultPort, QString* error)
{
    auto refuse = [&]() -> std::optional<HostPort> {
        if (error)
            *error = QStringLiteral("\"%1\" is not HOST:PORT (a port from 1 to 65535; an IPv6 address in brackets, "
                                    "as in [::1]:2947)")
                         .arg(text);
        return std::nullopt;
    };
    const qsizetype close = text.indexOf(u']');
    if (text.startsWith(u'[') && (close < 0 || (close + 1 < text.size() && text.at(close + 1) != u':')))
        return refuse();
    const HostPortText parts = splitHostPort(text);
    if (parts.host.isEmpty() || parts.host.contains(u'[') || parts.host.contains(u']'))
        return refuse();
    if (parts.port.isEmpty()) {
        // "host:" and "[v6]:" name no port, which is a slip rather than the default.
        const bool emptyPort = text.endsWith(u':') && (text.startsWith(u'[') || text.count(u':') == 1);
        if (defaultPort == 0 || emptyPort)
            return refuse();
        return HostPort{parts.host, defaultPort};
    }
    const bool digits = std::all_of(parts.port.begin(), parts.port.end(),
                                    [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const uint port = parts.port.toUInt(&ok);
    if (!digits || !ok || port < 1 || port > 65535)
        return refuse();
    return HostPort{parts.host, static_cast<quint16>(port)};
}

QString joinHostPort(const QString& host, const QString& port)
{
    const QString h = host.contains(u':') ? u'[' + host + u']' : host;
    return port.isEmpty() ? h : h + u':' + port;
}
