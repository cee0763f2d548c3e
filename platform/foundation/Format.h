#pragma once
// printf-style formatting with the system's own format strings, as they stand:
// %@ (a string, a list, or "(null)" when absent), %d %i %u %x %f %s %c and %%, with the
// flags - + space 0 #, a field width and a precision. The decimal separator is always a
// full stop, whatever the process locale.

#include <QString>
#include <QStringList>
#include <optional>
#include <cstdint>

class FormatArg {
public:
    enum class Kind { Absent, String, List, Signed, Unsigned, Double, CString };

    FormatArg(std::nullptr_t) : kind_(Kind::Absent) {}
    FormatArg(const QString& s) : kind_(Kind::String), str_(&s) {}
    FormatArg(const std::optional<QString>& s)
        : kind_(s ? Kind::String : Kind::Absent), str_(s ? &*s : nullptr) {}
    FormatArg(const QStringList& l) : kind_(Kind::List), list_(&l) {}
    FormatArg(const std::optional<QStringList>& l)
        : kind_(l ? Kind::List : Kind::Absent), list_(l ? &*l : nullptr) {}
    FormatArg(const char* s) : kind_(s ? Kind::CString : Kind::Absent), cstr_(s) {}
    FormatArg(int v) : kind_(Kind::Signed), i_(v) {}
    FormatArg(long v) : kind_(Kind::Signed), i_(v) {}
    FormatArg(long long v) : kind_(Kind::Signed), i_(v) {}
    FormatArg(unsigned v) : kind_(Kind::Unsigned), u_(v) {}
    FormatArg(unsigned long v) : kind_(Kind::Unsigned), u_(v) {}
    FormatArg(unsigned long long v) : kind_(Kind::Unsigned), u_(v) {}
    FormatArg(double v) : kind_(Kind::Double), d_(v) {}
    FormatArg(bool) = delete; // a flag is written as "YES"/"NO" by its caller

    Kind kind() const { return kind_; }
    const QString& string() const { return *str_; }
    const QStringList& list() const { return *list_; }
    const char* cString() const { return cstr_; }
    long long asSigned() const;
    unsigned long long asUnsigned() const;
    double asDouble() const;

private:
    Kind kind_;
    union {
        const QString* str_;
        const QStringList* list_;
        const char* cstr_;
        long long i_;
        unsigned long long u_;
        double d_;
    };
};

// The text of a list as %@ prints it: "(\n    a,\n    \"b c\"\n)".
QString describeList(const QStringList& list);

QString formatWithArgs(const char* format, const FormatArg* args, std::size_t count);

// stringWithFormat("%@ %01.4f", letter, value)
template <typename... Args>
QString stringWithFormat(const char* format, const Args&... args)
{
    if constexpr (sizeof...(Args) == 0) {
        return formatWithArgs(format, nullptr, 0);
    } else {
        const FormatArg packed[] = {FormatArg(args)...};
        return formatWithArgs(format, packed, sizeof...(Args));
    }
}
