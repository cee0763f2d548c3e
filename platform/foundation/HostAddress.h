#pragma once
// Numeric host addresses, read without the network library (which the first frame does not
// otherwise need): what kind of address a text is, and whether a host is this machine.

#include <QString>

namespace HostAddress {

enum class Family { None, IPv4, IPv6 };

// The family of a numeric address written out in full ("192.0.2.1", "2001:db8::1"; blanks
// around it are ignored), or None for a name or anything malformed, short IPv4 forms such as
// "127.1" included.
Family family(const QString& text);

// "localhost", or an address of the loopback ranges (127.0.0.0/8 in any form the resolver
// reads, ::1, or an IPv4 loopback written as an IPv6-mapped address).
bool isLoopback(const QString& host);

} // namespace HostAddress
