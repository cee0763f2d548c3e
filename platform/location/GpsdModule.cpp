// The gpsd module: libgps for the gpsd position source.
#include "platform/foundation/ModuleEntry.h"
#include "platform/location/GpsdClient.h"

class GpsdPlugin : public QObject, public QuorvelModule, public GpsdClient {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorvel.GpsdClient/1")
    Q_INTERFACES(QuorvelModule GpsdClient)
public:
    void setLogWriter(QuorvelModuleLogWriter writer) override { setModuleLogWriter(writer); }
    int open(const char* host, const char* port, gps_data_t* data) const override { return gps_open(host, port, data); }
    int stream(gps_data_t* data, unsigned int flags, void* device) const override
    {
        return gps_stream(data, flags, device);
    }
    int read(gps_data_t* data, char* message, int size) const override { return gps_read(data, message, size); }
    bool waiting(const gps_data_t* data, int timeoutUs) const override { return gps_waiting(data, timeoutUs); }
    int close(gps_data_t* data) const override { return gps_close(data); }
    const char* errstr(int error) const override { return gps_errstr(error); }
};

#include "GpsdModule.moc"
