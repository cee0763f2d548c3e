// Feeds arbitrary bytes to the vCard reader: it must neither crash nor lose the people it
// did read, and every person it returns must be usable by the picker.

#include "platform/contacts/Contacts.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int problems = 0;
    const QList<Person> people = VCard::parse(bytes, [&problems](int line, const QString& why) {
        if (line <= 0 || why.isEmpty())
            __builtin_trap();
        ++problems;
    });
    for (const Person& p : people) {
        if (p.displayName().isEmpty())
            __builtin_trap();
        for (const QString& v : p.copyValue(PersonProperty::Phone) + p.copyValue(PersonProperty::Email))
            if (v.isEmpty())
                __builtin_trap();
    }
    return 0;
}
