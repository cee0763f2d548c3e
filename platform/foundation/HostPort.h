#pragma once
// "HOST:PORT" as the settings name a server: a name or address, then a port. An IPv6 address
// with a port goes in brackets ("[::1]:2947"). A bare IPv6 address ("::1", "fe80::1") is a
// host alone: its last group is never taken for a port, so "::1" is not host "::" at port 1.

#include <QString>
#include <QStringView>
#include <optional>

struct HostPort {
    QString host; // without brackets
    quint16 port = 0;
};

// The host and the port's text as written, before the port is checked: "[v6]:port",
// "host:port", or a host alone (the port then empty). Used where a form shows both parts.
struct HostPortText {
    QString host;
    QString port;
};
HostPortText splitHostPort(QStringView text);

// The host and the port; a missing port is `defaultPort`, or an error when that is 0. On
// failure `error` (when given) says what is expected, in one text for every caller.
std::optional<HostPort> parseHostPort(QStringView text, quint16 defaultPort, QString* error = nullptr);

// The other way: "host:port", "[v6]:port", or the host alone when `port` is empty.
QString joinHostPort(const QString& host, const QString& port);
