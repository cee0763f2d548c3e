#pragma once
// A link to a position for the message's "<...>" placeholder: an OpenStreetMap address,
// a geo: URI (RFC 5870) or a plus code (Open Location Code, 10 digits). Numbers are always
// written with a full stop, whatever the locale.

#include <QString>

namespace MapLink {

enum class Kind { OpenStreetMap, Geo, PlusCode };

// The name kept in device.ini ([message] link=): "osm", "geo" or "pluscode".
QString name(Kind kind);
// An unknown or empty name is the default, OpenStreetMap.
Kind fromName(const QString& name);

// The kind chosen in the device settings.
Kind chosen();
bool choose(Kind kind);

// Empty when a coordinate is not a finite number. A negative or non-finite accuracy is
// unknown and left out of a geo: URI.
QString make(Kind kind, double latitude, double longitude, double accuracy = -1);
QString plusCode(double latitude, double longitude);

} // namespace MapLink
