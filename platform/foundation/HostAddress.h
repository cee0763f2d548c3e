#pragma once
// Numeric host addresses: what kind of address a text is, and whether a host is this machine.
// The network module reads them with Qt's network library, which the first frame does not
// otherwise need; these functions ask it.

#include <QString>
#include <QtPlugin>

namespace HostAddress {

enum class Family { None, IPv4, IPv6 };

// The family of a numeric address written out in full ("192.0.2.1", "2001:db8::1"; blanks
// around it are ignored), or None for a name or anything malformed, short IPv4 forms such as
// "127.1" included. None as well when the network module cannot be loaded.
Family family(const QString& text);

// "localhost", or an address of the loopback ranges (127.0.0.0/8 in any form the resolver
// reads, ::1, or an IPv4 loopback written as an IPv6-mapped address). False when the network
// module cannot be loaded, so that a loopback-only rule stays closed.
bool isLoopback(const QString& host);

} // namespace HostAddress

// What the network module offers for host addresses (the functions above).
class HostAddressModule {
public:
    virtual ~HostAddressModule() = default;
    virtual HostAddress::Family family(const QString& text) const = 0;
    virtual bool isLoopback(const QString& host) const = 0;
};
Q_DECLARE_INTERFACE(HostAddressModule, "org.quorvel.HostAddress/1")
