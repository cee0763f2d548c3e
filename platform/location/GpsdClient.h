#pragma once
// libgps's calls, taken from the gpsd module: the library is loaded when a gpsd source first
// connects, not at every start.

#include <QString>
#include <gps.h>

struct GpsdClient {
    decltype(&::gps_open) open;
    decltype(&::gps_stream) stream;
    decltype(&::gps_read) read;
    decltype(&::gps_waiting) waiting;
    decltype(&::gps_close) close;
    decltype(&::gps_errstr) errstr;
};

inline constexpr char kGpsdClientSymbol[] = "quorvel_gpsd_client";
using GpsdClientFunction = const GpsdClient* (*)();
