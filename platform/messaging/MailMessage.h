#pragma once
// A plain-text e-mail turned into the bytes that go over the wire: UTF-8, CRLF line ends,
// quoted-printable body, RFC 2047 words for a non-ASCII subject or name.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

struct MailMessage {
    QString fromAddress;
    QString fromName;
    QStringList to;
    QString subject;
    QString body;

    // Why this message must not be sent, or empty. A CR, LF or NUL in an address or the
    // subject would end the header line and let the rest inject headers or recipients.
    QString problem() const;

    // The whole message, headers and body, with CRLF line ends. `messageId` without the
    // angle brackets.
    QByteArray toMime(const QDateTime& date, const QString& messageId, bool draft = false) const;
};

namespace Mime {

// "=?UTF-8?B?...?=" words, folded, for text that is not plain printable ASCII; the text
// itself otherwise.
QByteArray encodeHeaderText(const QString& text);
// Quoted-printable with CRLF line ends and soft breaks under 76 characters; a line that
// starts with "." is encoded so that no transport mistakes it for the end of the data.
QByteArray quotedPrintable(const QString& text);
// The inverse, for tests and drafts; soft breaks removed, CRLF kept.
QByteArray decodeQuotedPrintable(const QByteArray& encoded);

} // namespace Mime
