// Feeds arbitrary bytes to the settings document reader: it must not crash, must keep only
// the three value types, and what it read must come back the same after a write and a read.

#include "platform/foundation/UserDefaults.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto values = UserDefaults::parse(bytes);
    if (!values)
        return 0;
    for (auto it = values->begin(); it != values->end(); ++it) {
        const int type = it.value().typeId();
        if (type != QMetaType::QString && type != QMetaType::LongLong && type != QMetaType::QStringList)
            __builtin_trap();
    }
    const auto again = UserDefaults::parse(UserDefaults::serialize(*values));
    if (!again || *again != *values)
        __builtin_trap();
    return 0;
}
