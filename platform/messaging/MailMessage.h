#pragma once
// A plain-text e-mail turned into the bytes that go over the wire: UTF-8, CRLF line ends,
// quoted-printable body, RFC 2047 words for a non-ASCII subject or name.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

struct MailMessage {
    QString fromAddress;
    QString fromName;
    QStringList to;
    QString subject;
    QString body;

    // Why this message must not be sent, or empty. A CR, LF or NUL in an address or the
    // subject would end the header line and let the rest inject headers or recipients;
    // anything but a mailbox in a recipient or the sender would reach the SMTP envelope
    // as extra parameters or forge the From line.
    QString problem() const;
    // The same for a draft, which may still lack a recipient or hold a half-typed one:
    // only what would break the header lines is refused.
    QString draftProblem() const;
    // The bare addresses for the SMTP envelope, one per recipient that is a mailbox.
    QStringList envelopeRecipients() const;

    // The whole message, headers and body, with CRLF line ends. `messageId` without the
    // angle brackets.
    QByteArray toMime(const QDateTime& date, const QString& messageId, bool draft = false) const;
};

namespace Mime {

struct Mailbox {
    QString name;    // display name as the user wrote it, unquoted; may be empty
    QString address; // local@domain
};
// "local@domain" or "Display Name <local@domain>" (the name may be a quoted string);
// nothing for anything else.
std::optional<Mailbox> parseMailbox(const QString& text);
// Whether `text` is exactly one address: a dot-atom or quoted local part, "@", and a host
// name or an address literal, within the length limits of SMTP.
bool isAddress(const QString& text);
// A display name as it may stand before "<address>": atoms as they are, other printable
// ASCII as a quoted string, anything else (or anything very long) as encoded words.
QByteArray encodeDisplayName(const QString& name);
// "name <address>", or "<address>" without a name.
QByteArray mailboxHeader(const QString& name, const QString& address);

// "=?UTF-8?B?...?=" words, folded, for text that is not plain printable ASCII (or for any
// text, with `always`); the text itself otherwise.
QByteArray encodeHeaderText(const QString& text, bool always = false);
// A header line's value such that no line of "Name: value" exceeds 998 bytes: as it is
// when short enough, else folded at blanks, else as encoded words.
QByteArray foldHeaderValue(const QByteArray& name, const QString& value);
// Quoted-printable with CRLF line ends and soft breaks under 76 characters; a line that
// starts with "." is encoded so that no transport mistakes it for the end of the data.
QByteArray quotedPrintable(const QString& text);
// The inverse, for tests and drafts; soft breaks removed, CRLF kept.
QByteArray decodeQuotedPrintable(const QByteArray& encoded);

} // namespace Mime
