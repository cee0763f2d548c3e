#include "platform/messaging/MailMessage.h"
#include "platform/foundation/HostAddress.h"
#include "platform/foundation/QuotedPrintable.h"

#include <QLocale>

#include <algorithm>

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

constexpr qsizetype kMaxHeaderLine = 998; // bytes, without the CRLF
constexpr qsizetype kMaxLocalPart = 64;
constexpr qsizetype kMaxAddress = 254;

// Letters, digits and the punctuation allowed in an atom; beyond ASCII any character that
// is not a control or a blank, as internationalised mail allows.
bool isAtext(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x80)
        return c.isPrint() && !c.isSpace();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')
           || QStringView(u"!#$%&'*+-/=?^_`{|}~").contains(c);
}

bool isDotAtom(QStringView s)
{
    if (s.isEmpty() || s.front() == u'.' || s.back() == u'.' || s.contains(u".."))
        return false;
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c == u'.' || isAtext(c); });
}

// A quoted local part: printable ASCII (and beyond) between the quotes, with `\` and `\"`
// escaped.
bool isQuotedString(QStringView s)
{
    if (s.size() < 2 || s.front() != u'"' || s.back() != u'"')
        return false;
    for (qsizetype i = 1; i + 1 < s.size(); ++i) {
        const char16_t u = s.at(i).unicode();
        if (u == '\\') {
            if (++i + 1 >= s.size())
                return false;
            const char16_t next = s.at(i).unicode();
            if (next < 0x20 || next == 0x7f)
                return false;
            continue;
        }
        if (u == '"' || u < 0x20 || u == 0x7f || (u >= 0x80 && !s.at(i).isPrint()))
            return false;
    }
    return true;
}

bool isHostName(QStringView s)
{
    if (s.isEmpty() || s.size() > 253)
        return false;
    for (QStringView label : s.split(u'.')) {
        if (label.isEmpty() || label.size() > 63 || label.front() == u'-' || label.back() == u'-')
            return false;
        for (QChar c : label)
            if (!(c.isLetterOrNumber() || c == u'-'))
                return false;
    }
    return true;
}

bool isAddressLiteral(QStringView s)
{
    if (s.size() < 3 || s.front() != u'[' || s.back() != u']')
        return false;
    const QStringView inner = s.mid(1, s.size() - 2);
    if (inner.startsWith(u"IPv6:", Qt::CaseInsensitive))
        return HostAddress::family(inner.mid(5).toString()) == HostAddress::Family::IPv6;
    return HostAddress::family(inner.toString()) == HostAddress::Family::IPv4;
}

// Blanks and printable characters only: what may stand in a header once encoded.
bool isHeaderSafe(const QString& s)
{
    return std::none_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

QString shown(const QString& text)
{
    QString s = text;
    s.replace(u'\r', u' ').replace(u'\n', u' ').remove(u'\0');
    return s;
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

QString MailMessage::draftProblem() const
{
    for (const QString& address : to)
        if (hasLineBreakOrNul(address))
            return QObject::tr("The recipient \"%1\" contains a line break or NUL character, which is not allowed in "
                               "a mail header.")
                .arg(shown(address));
    if (hasLineBreakOrNul(subject))
        return QObject::tr("The subject contains a line break or NUL character, which is not allowed in a mail header.");
    if (hasLineBreakOrNul(fromAddress) || hasLineBreakOrNul(fromName))
        return QObject::tr("The sender address contains a line break or NUL character.");
    return {};
}

QString MailMessage::problem() const
{
    if (to.isEmpty())
        return QObject::tr("The message has no recipient.");
    if (const QString p = draftProblem(); !p.isEmpty())
        return p;
    for (const QString& address : to) {
        if (address.trimmed().isEmpty())
            return QObject::tr("A recipient is empty.");
        if (!Mime::parseMailbox(address))
            return QObject::tr("The recipient \"%1\" is not an e-mail address (name@example.org, or "
                               "Name <name@example.org>).")
                .arg(address.trimmed());
    }
    if (!fromAddress.isEmpty() && !Mime::isAddress(fromAddress))
        return QObject::tr("The sender \"%1\" is not an e-mail address.").arg(fromAddress);
    if (!isHeaderSafe(fromName))
        return QObject::tr("The sender's name contains control characters.");
    return {};
}

QStringList MailMessage::envelopeRecipients() const
{
    QStringList out;
    for (const QString& r : to)
        if (const auto box = Mime::parseMailbox(r))
            out.append(box->address);
    return out;
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
    if (!fromAddress.isEmpty())
        header("From", Mime::mailboxHeader(fromName, fromAddress));
    QByteArrayList recipients;
    for (const QString& a : to) {
        // A draft may hold a half-typed recipient; it goes in as it stands.
        const auto box = Mime::parseMailbox(a);
        if (box && !box->name.trimmed().isEmpty())
            recipients.append(Mime::mailboxHeader(box->name, box->address));
        else
            recipients.append(box ? box->address.toUtf8() : a.trimmed().toUtf8());
    }
    if (!recipients.isEmpty())
        header("To", recipients.join(",\r\n "));
    header("Subject", Mime::foldHeaderValue("Subject", subject));
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

std::optional<Mailbox> parseMailbox(const QString& text)
{
    const QString t = text.trimmed();
    if (!isHeaderSafe(t))
        return std::nullopt;
    if (!t.endsWith(u'>')) {
        if (!isAddress(t))
            return std::nullopt;
        return Mailbox{{}, t};
    }
    const qsizetype open = t.lastIndexOf(u'<');
    if (open < 0)
        return std::nullopt;
    const QString address = t.mid(open + 1, t.size() - open - 2);
    QString name = t.left(open).trimmed();
    if (!isAddress(address))
        return std::nullopt;
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"')) {
        QString plain;
        for (qsizetype i = 1; i + 1 < name.size(); ++i) {
            if (name.at(i) == u'\\' && i + 2 < name.size())
                ++i;
            else if (name.at(i) == u'"')
                return std::nullopt;
            plain += name.at(i);
        }
        name = plain;
    } else if (name.contains(u'"') || name.contains(u'<') || name.contains(u'>')) {
        return std::nullopt;
    }
    return Mailbox{name, address};
}

bool isAddress(const QString& text)
{
    if (text.toUtf8().size() > kMaxAddress)
        return false;
    const qsizetype at = text.lastIndexOf(u'@');
    if (at <= 0)
        return false;
    const QStringView local = QStringView(text).left(at);
    const QStringView domain = QStringView(text).mid(at + 1);
    if (local.toUtf8().size() > kMaxLocalPart)
        return false;
    if (!isDotAtom(local) && !isQuotedString(local))
        return false;
    return isHostName(domain) || isAddressLiteral(domain);
}

QByteArray encodeDisplayName(const QString& name)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        return {};
    // Leaves room for the address and the header's name on the same line.
    if (isPlainAscii(n) && n.size() <= 600) {
        const bool atoms = std::all_of(n.begin(), n.end(), [](QChar c) { return c == u' ' || isAtext(c); });
        if (atoms)
            return n.toLatin1();
        QByteArray quoted = "\"";
        for (QChar c : n) {
            if (c == u'"' || c == u'\\')
                quoted += '\\';
            quoted += char(c.unicode());
        }
        return quoted + '"';
    }
    return encodeHeaderText(n, true);
}

QByteArray mailboxHeader(const QString& name, const QString& address)
{
    const QByteArray phrase = encodeDisplayName(name);
    return (phrase.isEmpty() ? QByteArray() : phrase + ' ') + '<' + address.toUtf8() + '>';
}

QByteArray foldHeaderValue(const QByteArray& name, const QString& value)
{
    if (!isPlainAscii(value))
        return encodeHeaderText(value);
    const QByteArray plain = value.toLatin1();
    qsizetype used = name.size() + 2; // "Name: "
    if (used + plain.size() <= kMaxHeaderLine)
        return plain;
    // Fold before blanks, at about 78 characters a line.
    QByteArray out;
    qsizetype lineLength = used;
    const QByteArrayList words = plain.split(' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray& word = words.at(i);
        if (i > 0 && lineLength + 1 + word.size() > 78) {
            out += "\r\n ";
            lineLength = 1;
        } else if (i > 0) {
            out += ' ';
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
        if (lineLength > kMaxHeaderLine) // a word too long for any line
            return encodeHeaderText(value, true);
    }
    return out;
}

QByteArray encodeHeaderText(const QString& text, bool always)
{
    if (!always && isPlainAscii(text))
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
    return QuotedPrintable::decode(encoded);
}

} // namespace Mime
