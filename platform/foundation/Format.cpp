#include "platform/foundation/Format.h"

#include <charconv>
#include <cmath>
#include <cstring>

long long FormatArg::asSigned() const
{
    switch (kind_) {
    case Kind::Signed: return i_;
    case Kind::Unsigned: return static_cast<long long>(u_);
    case Kind::Double: return std::isfinite(d_) ? static_cast<long long>(d_) : 0;
    default: return 0;
    }
}

unsigned long long FormatArg::asUnsigned() const
{
    switch (kind_) {
    case Kind::Signed: return static_cast<unsigned long long>(i_);
    case Kind::Unsigned: return u_;
    case Kind::Double: return std::isfinite(d_) && d_ >= 0 ? static_cast<unsigned long long>(d_) : 0;
    default: return 0;
    }
}

double FormatArg::asDouble() const
{
    switch (kind_) {
    case Kind::Signed: return static_cast<double>(i_);
    case Kind::Unsigned: return static_cast<double>(u_);
    case Kind::Double: return d_;
    default: return 0.0;
    }
}

namespace {

struct Directive {
    bool left = false, plus = false, space = false, zero = false, alt = false;
    int width = -1;
    int precision = -1;
};

// Appends UTF-8 text as UTF-16; the format strings are UTF-8 source literals.
void appendUtf8(QString& out, const char* s, std::size_t n)
{
    std::size_t i = 0;
    while (i < n) {
        std::size_t run = i;
        while (run < n && static_cast<unsigned char>(s[run]) < 0x80)
            ++run;
        if (run > i)
            out.append(QLatin1StringView(s + i, static_cast<qsizetype>(run - i)));
        if (run >= n)
            break;
        std::size_t end = run;
        while (end < n && static_cast<unsigned char>(s[end]) >= 0x80)
            ++end;
        out.append(QString::fromUtf8(s + run, static_cast<qsizetype>(end - run)));
        i = end;
    }
}

void pad(QString& out, qsizetype count, QChar c)
{
    if (count > 0)
        out.append(QString(count, c));
}

// Writes a converted number: sign, digits, with width, '-' and '0' as printf does.
void emitNumber(QString& out, const Directive& d, char sign, const char* digits, std::size_t n, bool zeroAllowed)
{
    const qsizetype len = static_cast<qsizetype>(n) + (sign ? 1 : 0);
    const qsizetype fill = d.width > len ? d.width - len : 0;
    if (d.left) {
        if (sign) out.append(QLatin1Char(sign));
        out.append(QLatin1StringView(digits, static_cast<qsizetype>(n)));
        pad(out, fill, QLatin1Char(' '));
    } else if (d.zero && zeroAllowed) {
        if (sign) out.append(QLatin1Char(sign));
        pad(out, fill, QLatin1Char('0'));
        out.append(QLatin1StringView(digits, static_cast<qsizetype>(n)));
    } else {
        pad(out, fill, QLatin1Char(' '));
        if (sign) out.append(QLatin1Char(sign));
        out.append(QLatin1StringView(digits, static_cast<qsizetype>(n)));
    }
}

void emitText(QString& out, const Directive& d, const QString& text)
{
    QStringView v(text);
    if (d.precision >= 0 && v.size() > d.precision)
        v = v.first(d.precision);
    const qsizetype fill = d.width > v.size() ? d.width - v.size() : 0;
    if (!d.left) pad(out, fill, QLatin1Char(' '));
    out.append(v);
    if (d.left) pad(out, fill, QLatin1Char(' '));
}

char signFor(bool negative, const Directive& d)
{
    if (negative) return '-';
    if (d.plus) return '+';
    if (d.space) return ' ';
    return 0;
}

void emitInteger(QString& out, const Directive& d, unsigned long long magnitude, bool negative, int base = 10)
{
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, base);
    std::size_t n = static_cast<std::size_t>(res.ptr - buf);
    // A precision gives the minimum number of digits and turns off the '0' flag.
    if (d.precision >= 0) {
        char wide[96];
        std::size_t want = static_cast<std::size_t>(std::min(d.precision, 64));
        if (d.precision == 0 && magnitude == 0)
            n = 0;
        std::size_t lead = want > n ? want - n : 0;
        std::memset(wide, '0', lead);
        std::memcpy(wide + lead, buf, n);
        emitNumber(out, d, signFor(negative, d), wide, lead + n, false);
        return;
    }
    emitNumber(out, d, signFor(negative, d), buf, n, true);
}

void emitDouble(QString& out, const Directive& d, double value)
{
    const bool negative = std::signbit(value);
    if (!std::isfinite(value)) {
        const char* text = std::isnan(value) ? "nan" : "inf";
        emitNumber(out, d, std::isnan(value) ? signFor(false, d) : signFor(negative, d), text, 3, false);
        return;
    }
    const int precision = d.precision < 0 ? 6 : std::min(d.precision, 60);
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value), std::chars_format::fixed, precision);
    std::size_t n = static_cast<std::size_t>(res.ptr - buf);
    if (d.alt && precision == 0)
        buf[n++] = '.';
    emitNumber(out, d, signFor(negative, d), buf, n, true);
}

} // namespace

QString describeList(const QStringList& list)
{
    QString out = QStringLiteral("(");
    for (qsizetype i = 0; i < list.size(); ++i) {
        out.append(i == 0 ? QStringLiteral("\n    ") : QStringLiteral(",\n    "));
        const QString& s = list.at(i);
        bool plain = !s.isEmpty();
        for (QChar c : s)
            if (!(c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'$')) { plain = false; break; }
        if (plain) {
            out.append(s);
        } else {
            out.append(u'"');
            for (QChar c : s) {
                if (c == u'"' || c == u'\\') out.append(u'\\');
                if (c == u'\n') { out.append(QStringLiteral("\\n")); continue; }
                out.append(c);
            }
            out.append(u'"');
        }
    }
    out.append(list.isEmpty() ? QStringLiteral(")") : QStringLiteral("\n)"));
    return out;
}

QString formatWithArgs(const char* format, const FormatArg* args, std::size_t count)
{
    QString out;
    out.reserve(static_cast<qsizetype>(std::strlen(format)) + 32);
    std::size_t next = 0;
    const char* p = format;
    const char* literal = p;
    auto flushLiteral = [&](const char* upTo) {
        if (upTo > literal) appendUtf8(out, literal, static_cast<std::size_t>(upTo - literal));
    };
    static const FormatArg absent(nullptr);
    auto take = [&]() -> const FormatArg& { return next < count ? args[next++] : absent; };

    while (*p) {
        if (*p != '%') { ++p; continue; }
        flushLiteral(p);
        const char* start = p++;
        if (*p == '%') { out.append(u'%'); literal = ++p; continue; }
        Directive d;
        for (;; ++p) {
            if (*p == '-') d.left = true;
            else if (*p == '+') d.plus = true;
            else if (*p == ' ') d.space = true;
            else if (*p == '0') d.zero = true;
            else if (*p == '#') d.alt = true;
            else break;
        }
        if (*p == '*') { d.width = static_cast<int>(take().asSigned()); ++p;
            if (d.width < 0) { d.left = true; d.width = -d.width; } }
        else while (*p >= '0' && *p <= '9') d.width = std::max(d.width, 0) * 10 + (*p++ - '0');
        if (*p == '.') {
            ++p;
            d.precision = 0;
            if (*p == '*') { d.precision = static_cast<int>(take().asSigned()); ++p; }
            else while (*p >= '0' && *p <= '9') d.precision = d.precision * 10 + (*p++ - '0');
        }
        d.width = std::min(d.width, 4096);
        while (*p == 'l' || *p == 'h' || *p == 'q' || *p == 'z' || *p == 'j' || *p == 't' || *p == 'L') ++p;
        const char conv = *p;
        if (!conv) { literal = start; break; }
        ++p;
        switch (conv) {
        case '@': {
            const FormatArg& a = take();
            switch (a.kind()) {
            case FormatArg::Kind::String: emitText(out, d, a.string()); break;
            case FormatArg::Kind::List: emitText(out, d, describeList(a.list())); break;
            case FormatArg::Kind::CString: emitText(out, d, QString::fromUtf8(a.cString())); break;
            case FormatArg::Kind::Absent: emitText(out, d, QStringLiteral("(null)")); break;
            case FormatArg::Kind::Double: emitDouble(out, Directive{}, a.asDouble()); break;
            case FormatArg::Kind::Signed: emitInteger(out, Directive{}, static_cast<unsigned long long>(std::llabs(a.asSigned())), a.asSigned() < 0); break;
            case FormatArg::Kind::Unsigned: emitInteger(out, Directive{}, a.asUnsigned(), false); break;
            }
            break;
        }
        case 's': {
            const FormatArg& a = take();
            if (a.kind() == FormatArg::Kind::CString) emitText(out, d, QString::fromUtf8(a.cString()));
            else if (a.kind() == FormatArg::Kind::String) emitText(out, d, a.string());
            else emitText(out, d, QStringLiteral("(null)"));
            break;
        }
        case 'd': case 'i': {
            const long long v = take().asSigned();
            const unsigned long long mag = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
            emitInteger(out, d, mag, v < 0);
            break;
        }
        case 'u': {
            Directive s = d; s.plus = s.space = false;
            emitInteger(out, s, take().asUnsigned(), false);
            break;
        }
        case 'x': case 'X': {
            Directive s = d; s.plus = s.space = false;
            const qsizetype at = out.size();
            emitInteger(out, s, take().asUnsigned(), false, 16);
            if (conv == 'X') for (qsizetype i = at; i < out.size(); ++i) out[i] = out[i].toUpper();
            break;
        }
        case 'f': case 'F':
            emitDouble(out, d, take().asDouble());
            break;
        case 'c': {
            const long long v = take().asSigned();
            emitText(out, d, QString(QChar(static_cast<char16_t>(v))));
            break;
        }
        default:
            // An unknown conversion is written out as it stands.
            appendUtf8(out, start, static_cast<std::size_t>(p - start));
            break;
        }
        literal = p;
    }
    flushLiteral(p);
    return out;
}
