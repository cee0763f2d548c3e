#pragma once
// What a phone number may hold, wherever one enters: picked from an address book, typed or
// pasted. A value that could name more than one recipient, hide part of itself or reorder
// what is shown is refused, never cut or split.

#include <QString>

namespace PhoneNumber {

// E.164 numbers have at most 15 digits.
constexpr int maxDigits = 15;
// With the separators a person writes; more would not fit the field it is shown in.
constexpr int maxLength = 32;

// Why `text` cannot be used as a phone number (the offending character named), or empty when
// it can. Allowed: digits, one leading "+", and blanks, "-", ".", "(", ")", "/" as
// separators; blanks around the number are ignored.
QString problem(const QString& text);

} // namespace PhoneNumber
