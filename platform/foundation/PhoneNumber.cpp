#include "platform/foundation/PhoneNumber.h"

#include <QObject>

namespace PhoneNumber {

namespace {

bool isSeparator(QChar c)
{
    return c == u' ' || c == QChar(0x00a0) || c == u'-' || c == u'.' || c == u'(' || c == u')' || c == u'/';
}

// A character as the user can recognise it: invisible and layout characters by their code
// alone, since showing them would reorder or hide the message itself.
QString described(char32_t c)
{
    const QString code = QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    const QString text = QString::fromUcs4(&c, 1);
    const bool visible = QChar::isPrint(c) && QChar::category(c) != QChar::Other_Format && !QChar::isSpace(c);
    return visible ? QStringLiteral("\u201c%1\u201d (%2)").arg(text, code) : code;
}

} // namespace

QString problem(const QString& text)
{
    const QString number = text.trimmed();
    if (number.isEmpty())
        return QObject::tr("The phone number is empty.");
    int digits = 0;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const QChar c = number.at(i);
        if (c >= u'0' && c <= u'9') {
            ++digits;
        } else if (c == u'+' && i == 0) {
            // the international prefix
        } else if (!isSeparator(c)) {
            const bool pair = c.isHighSurrogate() && i + 1 < number.size() && number.at(i + 1).isLowSurrogate();
            const char32_t code = pair ? QChar::surrogateToUcs4(c, number.at(i + 1)) : c.unicode();
            return QObject::tr("The phone number holds %1, which a phone number cannot hold.").arg(described(code));
        }
    }
    if (digits == 0)
        return QObject::tr("The phone number has no digits.");
    if (digits > maxDigits)
        return QObject::tr("The phone number has %1 digits; a phone number has at most %2.").arg(digits).arg(maxDigits);
    if (number.size() > maxLength)
        return QObject::tr("The phone number is %1 characters long; at most %2 can be used.")
            .arg(number.size())
            .arg(maxLength);
    return {};
}

} // namespace PhoneNumber
