#pragma once
// Quoted-printable text as mail bodies and vCard values carry it.

#include <QByteArray>

namespace QuotedPrintable {

// The bytes behind "=XX" escapes, soft line breaks ("=" at a line's end) removed; an "=" not
// followed by two hex digits stays as it is.
QByteArray decode(const QByteArray& encoded);

} // namespace QuotedPrintable
