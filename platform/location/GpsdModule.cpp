// The gpsd module: libgps for the gpsd position source.
#include "platform/foundation/ModuleEntry.h"
#include "platform/location/GpsdClient.h"

QUORVEL_MODULE_EXPORT const GpsdClient* quorvel_gpsd_client()
{
    static const GpsdClient client{&gps_open, &gps_stream, &gps_read, &gps_waiting, &gps_close, &gps_errstr};
    return &client;
}
