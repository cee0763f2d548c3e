#include "report/Placeholders.h"

namespace Placeholders {

namespace {

// (*ANY) makes every line terminator end a line for ".": LF, VT, FF, CR, U+0085, U+2028
// and U+2029, so a placeholder never spans lines.
QRegularExpression compile(const char* pattern)
{
    QRegularExpression re(QString::fromLatin1(pattern), QRegularExpression::CaseInsensitiveOption);
    re.optimize();
    return re;
}

bool isLineTerminator(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x0A || u == 0x0B || u == 0x0C || u == 0x0D || u == 0x85 || u == 0x2028 || u == 0x2029;
}

} // namespace

const QRegularExpression& coordinates()
{
    static const QRegularExpression re = compile("(*ANY)\\[(.*?)\\]");
    return re;
}

const QRegularExpression& locality()
{
    static const QRegularExpression re = compile("(*ANY)\\{(.*?)\\}");
    return re;
}

QString replaceAll(const QString& text, const QRegularExpression& pattern, QChar open, const QString& replacement)
{
    QString out;
    qsizetype copied = 0;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        const qsizetype start = text.indexOf(open, pos);
        if (start < 0)
            break;
        const QRegularExpressionMatch m =
            pattern.match(text, start, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (m.hasMatch()) {
            if (out.isEmpty())
                out.reserve(n + replacement.size());
            out.append(QStringView(text).sliced(copied, start - copied));
            out.append(replacement);
            pos = copied = m.capturedEnd(0);
            continue;
        }
        // No closing delimiter before this line ends, so no opening delimiter before the
        // end of the line can match either: skip the whole line. This keeps long runs of
        // unbalanced delimiters linear.
        qsizetype eol = start + 1;
        while (eol < n && !isLineTerminator(text.at(eol)))
            ++eol;
        pos = eol + 1;
    }
    if (copied == 0)
        return text;
    out.append(QStringView(text).sliced(copied));
    return out;
}

QString fillCoordinates(const QString& text, const QString& latitude, const QString& longitude)
{
    QString replacement;
    replacement.reserve(latitude.size() + longitude.size() + 3);
    replacement.append(u'[').append(latitude).append(u' ').append(longitude).append(u']');
    return replaceAll(text, coordinates(), u'[', replacement);
}

QString fillLocality(const QString& text, const QString& localityName)
{
    QString replacement;
    replacement.reserve(localityName.size() + 2);
    replacement.append(u'{').append(localityName).append(u'}');
    return replaceAll(text, locality(), u'{', replacement);
}

QString empty(const QString& text)
{
    return replaceAll(replaceAll(text, coordinates(), u'[', QStringLiteral("[]")), locality(), u'{',
                      QStringLiteral("{}"));
}

QString removeMarkers(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c != u'[' && c != u']' && c != u'{' && c != u'}')
            out.append(c);
    return out;
}

} // namespace Placeholders
