// Writes arbitrary bytes as a device settings file and reads every key the application
// reads from it: no crash, no hang, values whole (never a list) and file names absolute.

#include "platform/foundation/DeviceSettings.h"
#include "fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <sys/stat.h>

namespace {

const char* const kKeys[][2] = {
    {"location", "source"}, {"location", "replay-speed"}, {"map", "url"}, {"map", "mbtiles"},
    {"map", "satellite-url"}, {"map", "user-agent-contact"}, {"mail", "transport"}, {"mail", "server"},
    {"mail", "port"}, {"mail", "security"}, {"mail", "user"}, {"mail", "password"}, {"mail", "from"},
    {"mail", "name"}, {"sms", "sender"}, {"contacts", "folder"}, {"General", "x"}, {"", "x"},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::quietApplication();
    static QTemporaryDir dir;
    static quint64 serial = 0;
    // A new name each time: the INI reader keeps what it read of a file by its name.
    const QString file = dir.filePath(QStringLiteral("device-%1.ini").arg(++serial));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            __builtin_trap();
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    // Readable by others half the time, so the password warning is read too.
    ::chmod(QFile::encodeName(file).constData(), size % 2 ? 0644 : 0600);
    for (const auto& key : kKeys) {
        const QString group = QString::fromLatin1(key[0]);
        const QString k = QString::fromLatin1(key[1]);
        (void)DeviceSettings::valueIn(file, group, k, QStringLiteral("fallback"));
        const QString path = DeviceSettings::filePathIn(file, group, k);
        if (!path.isEmpty() && !QDir::isAbsolutePath(path))
            __builtin_trap();
    }
    QFile::remove(file);
    return 0;
}
