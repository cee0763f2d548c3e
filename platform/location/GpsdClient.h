#pragma once
// libgps's calls, offered by the gpsd module: the library is loaded when a gpsd source first
// connects, not at every start.

#include <QString>
#include <QtPlugin>
#include <gps.h>

struct GpsdClient {
    virtual ~GpsdClient() = default;
    virtual int open(const char* host, const char* port, gps_data_t* data) const = 0;
    virtual int stream(gps_data_t* data, unsigned int flags, void* device) const = 0;
    virtual int read(gps_data_t* data, char* message, int size) const = 0;
    virtual bool waiting(const gps_data_t* data, int timeoutUs) const = 0;
    virtual int close(gps_data_t* data) const = 0;
    virtual const char* errstr(int error) const = 0;
};
Q_DECLARE_INTERFACE(GpsdClient, "org.quorvel.GpsdClient/1")
