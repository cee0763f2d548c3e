// Builds a mail from arbitrary sender, name, recipients, subject and body. A message that is
// not refused gains no header line from its values (every line of the header is one of ours
// or a folded continuation, and CR and LF come only in pairs), and its body decodes back to
// the text.

#include "platform/messaging/MailMessage.h"

#include <QDateTime>
#include <QTimeZone>

#include <cstddef>
#include <cstdint>

namespace {

bool oursOrFolded(const QByteArray& line)
{
    static const char* const names[] = {"Date: ", "From: ", "To: ", "Subject: ", "Message-ID: ", "X-Unsent: ",
                                        "MIME-Version: ", "Content-Type: ", "Content-Transfer-Encoding: "};
    if (line.startsWith(' ') || line.startsWith('\t'))
        return true;
    for (const char* name : names)
        if (line.startsWith(name))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Five fields separated by 0xFF bytes (which UTF-8 never holds).
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\xff');
    auto part = [&](int i) { return i < parts.size() ? QString::fromUtf8(parts.at(i)) : QString(); };
    MailMessage m;
    m.fromAddress = part(0);
    m.fromName = part(1);
    for (const QString& a : part(2).split(u','))
        m.to.append(a);
    m.subject = part(3);
    m.body = part(4);
    if (!m.problem().isEmpty())
        return 0;

    const QDateTime date(QDate(2026, 3, 1), QTime(12, 0), QTimeZone::utc());
    const QByteArray mime = m.toMime(date, QStringLiteral("id@example.org"), parts.size() % 2 == 0);
    for (qsizetype i = 0; i < mime.size(); ++i) {
        if (mime.at(i) == '\r' && (i + 1 == mime.size() || mime.at(i + 1) != '\n'))
            __builtin_trap();
        if (mime.at(i) == '\n' && (i == 0 || mime.at(i - 1) != '\r'))
            __builtin_trap();
        if (mime.at(i) == '\0')
            __builtin_trap();
    }
    const qsizetype split = mime.indexOf("\r\n\r\n");
    if (split < 0)
        __builtin_trap();
    for (const QByteArray& line : mime.left(split).split('\n'))
        if (!oursOrFolded(line.chopped(line.endsWith('\r') ? 1 : 0)))
            __builtin_trap();

    // The body as sent: line ends as CRLF, and a last line ended.
    QString expected = m.body;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    expected.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    if (!expected.isEmpty() && !expected.endsWith(QStringLiteral("\r\n")))
        expected += QStringLiteral("\r\n");
    const QByteArray body = mime.mid(split + 4);
    if (Mime::decodeQuotedPrintable(body) != expected.toUtf8())
        __builtin_trap();
    for (const QByteArray& line : body.split('\n'))
        if (line.size() > 77)
            __builtin_trap();
    return 0;
}
