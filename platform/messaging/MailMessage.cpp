#include "platform/messaging/MailMessage.h"

#include <QLocale>

namespace {

bool hasLineBreakOrNul(const QString& s)
{
    for (QChar c : s)
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return true;
    return false;
}

bool isPlainAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

QByteArray rfc2822Date(const QDateTime& date)
{
    // Month and day names are English whatever the user's language.
    const QLocale c = QLocale::c();
    const int offset = date.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return c.toString(date, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss ")).toLatin1()
           + QByteArray(offset < 0 ? "-" : "+") + QByteArray::number(minutes / 60).rightJustified(2, '0')
           + QByteArray::number(minutes % 60).rightJustified(2, '0');
}

} // namespace

QString MailMessage::problem() const
{
    if (to.isEmpty())
        return QObject::tr("The message has no recipient.");
    for (const QString& address : to) {
        if (hasLineBreakOrNul(address))
            return QObject::tr("The recipient \"%1\" contains a line break or NUL character, which is not allowed in "
                               "a mail header.")
                .arg(QString(address).replace(u'\r', u' ').replace(u'\n', u' ').remove(u'\0'));
        if (address.trimmed().isEmpty())
            return QObject::tr("A recipient is empty.");
    }
    if (hasLineBreakOrNul(subject))
        return QObject::tr("The subject contains a line break or NUL character, which is not allowed in a mail header.");
    if (hasLineBreakOrNul(fromAddress) || hasLineBreakOrNul(fromName))
        return QObject::tr("The sender address contains a line break or NUL character.");
    return {};
}

QByteArray MailMessage::toMime(const QDateTime& date, const QString& messageId, bool draft) const
{
    QByteArray out;
    auto header = [&out](const char* name, const QByteArray& value) {
        out += name;
        out += ": ";
        out += value;
        out += "\r\n";
    };
    header("Date", rfc2822Date(date));
    if (!fromAddress.isEmpty()) {
        QByteArray from = fromName.isEmpty() ? QByteArray() : Mime::encodeHeaderText(fromName) + ' ';
        header("From", from + '<' + fromAddress.toUtf8() + '>');
    }
    QByteArrayList recipients;
    for (const QString& a : to)
        recipients.append(a.trimmed().toUtf8());
    if (!recipients.isEmpty())
        header("To", recipients.join(",\r\n "));
    header("Subject", Mime::encodeHeaderText(subject));
    header("Message-ID", '<' + messageId.toUtf8() + '>');
    if (draft)
        header("X-Unsent", "1");
    header("MIME-Version", "1.0");
    header("Content-Type", "text/plain; charset=UTF-8");
    header("Content-Transfer-Encoding", "quoted-printable");
    out += "\r\n";
    out += Mime::quotedPrintable(body);
    return out;
}

namespace Mime {

QByteArray encodeHeaderText(const QString& text)
{
    if (isPlainAscii(text))
        return text.toLatin1();
    // Chunks of whole characters, at most 45 bytes each, so that every encoded word stays
    // within 75 characters.
    QByteArrayList words;
    QByteArray chunk;
    const QByteArray utf8 = text.toUtf8();
    for (qsizetype i = 0; i < utf8.size();) {
        qsizetype len = 1;
        while (i + len < utf8.size() && (static_cast<unsigned char>(utf8.at(i + len)) & 0xC0) == 0x80)
            ++len;
        if (chunk.size() + len > 45) {
            words.append("=?UTF-8?B?" + chunk.toBase64() + "?=");
            chunk.clear();
        }
        chunk += utf8.mid(i, len);
        i += len;
    }
    if (!chunk.isEmpty())
        words.append("=?UTF-8?B?" + chunk.toBase64() + "?=");
    return words.join("\r\n ");
}

QByteArray quotedPrintable(const QString& text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QByteArray utf8 = normal.toUtf8();
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(utf8.size() * 3 / 2 + 16);
    QByteArray line;
    auto flush = [&](bool hard) {
        out += line;
        out += hard ? "\r\n" : "=\r\n";
        line.clear();
    };
    const QByteArrayList lines = utf8.split('\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QByteArray& src = lines.at(l);
        for (qsizetype i = 0; i < src.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(src.at(i));
            const bool last = i + 1 == src.size();
            QByteArray piece;
            const bool safe = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last);
            const bool leadingDot = c == '.' && line.isEmpty();
            if (safe && !leadingDot) {
                piece = QByteArray(1, static_cast<char>(c));
            } else {
                piece = "=";
                piece += hex[c >> 4];
                piece += hex[c & 15];
            }
            if (line.size() + piece.size() > 75)
                flush(false);
            if (piece == "." && line.isEmpty()) // after a soft break
                piece = "=2E";
            line += piece;
        }
        if (l + 1 < lines.size())
            flush(true);
    }
    out += line;
    if (!line.isEmpty())
        out += "\r\n";
    return out;
}

QByteArray decodeQuotedPrintable(const QByteArray& encoded)
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

} // namespace Mime
