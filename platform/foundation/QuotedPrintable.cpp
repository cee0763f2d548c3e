#include "platform/foundation/QuotedPrintable.h"

namespace QuotedPrintable {

QByteArray decode(const QByteArray& encoded)
{
    QByteArray out;
    out.reserve(encoded.size());
    auto hexValue = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded.at(i);
        if (c != '=') {
            out += c;
            continue;
        }
        if (i + 1 < encoded.size() && encoded.at(i + 1) == '\n') {
            i += 1;
            continue;
        }
        if (i + 2 < encoded.size() && encoded.at(i + 1) == '\r' && encoded.at(i + 2) == '\n') {
            i += 2;
            continue;
        }
        if (i + 2 < encoded.size()) {
            const int hi = hexValue(encoded.at(i + 1));
            const int lo = hexValue(encoded.at(i + 2));
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace QuotedPrintable
