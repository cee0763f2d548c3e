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

const QRegularExpression& link()
{
    static const QRegularExpression re = compile("(*ANY)<(.*?)>");
    return re;
}

namespace {

// The same two patterns anchored by \G. Anchoring at match time (AnchorAtOffsetMatchOption)
// makes PCRE2 leave its JIT for the interpreter, which costs several times as much; a
// pattern that begins with \G is anchored when compiled and keeps the JIT.
const QRegularExpression& anchoredCoordinates()
{
    static const QRegularExpression re = compile("(*ANY)\\G\\[(.*?)\\]");
    return re;
}

const QRegularExpression& anchoredLocality()
{
    static const QRegularExpression re = compile("(*ANY)\\G\\{(.*?)\\}");
    return re;
}

const QRegularExpression& anchoredLink()
{
    static const QRegularExpression re = compile("(*ANY)\\G<(.*?)>");
    return re;
}

// `put(out, match)` appends what replaces one match.
template <typename Put>
QString replaceAnchored(const QString& text, const QRegularExpression& pattern, QRegularExpression::MatchOptions anchor,
                        QChar open, qsizetype extra, const Put& put)
{
    // PCRE checks the subject for valid UTF-16 from the offset to the end on every match, which
    // made filling a long text quadratic. Check it once here instead. Text with a lone
    // surrogate is matched one line at a time, so that a match is checked only up to the end
    // of its own line: a damaged line then keeps only the placeholders before the damage
    // unfilled, and the check stays linear apart from such lines.
    const QStringView whole(text);
    const bool valid = whole.isValidUtf16();
    const QRegularExpression::MatchOptions options =
        valid ? anchor | QRegularExpression::DontCheckSubjectStringMatchOption : anchor;
    QString out;
    qsizetype copied = 0;
    qsizetype pos = 0;
    qsizetype lineEnd = -1; // end of the line holding `pos`, found when first needed
    const qsizetype n = text.size();
    auto endOfLine = [&](qsizetype from) {
        qsizetype eol = from;
        while (eol < n && !isLineTerminator(text.at(eol)))
            ++eol;
        return eol;
    };
    while (pos < n) {
        const qsizetype start = text.indexOf(open, pos);
        if (start < 0)
            break;
        QStringView subject = whole;
        if (!valid) {
            if (lineEnd < start)
                lineEnd = endOfLine(start);
            subject = whole.first(lineEnd);
        }
        const QRegularExpressionMatch m = pattern.match(subject, start, QRegularExpression::NormalMatch, options);
        if (m.hasMatch()) {
            if (out.isEmpty())
                out.reserve(n + extra);
            out.append(whole.sliced(copied, start - copied));
            put(out, m);
            pos = copied = m.capturedEnd(0);
            continue;
        }
        // No closing delimiter before this line ends, so no opening delimiter before the
        // end of the line can match either: skip the whole line. This keeps long runs of
        // unbalanced delimiters linear.
        if (lineEnd < start)
            lineEnd = endOfLine(start + 1);
        pos = lineEnd + 1;
    }
    if (copied == 0)
        return text;
    out.append(whole.sliced(copied));
    return out;
}

} // namespace

namespace {

template <typename Put>
QString replaceEach(const QString& text, const QRegularExpression& pattern, QChar open, qsizetype extra, const Put& put)
{
    if (&pattern == &coordinates())
        return replaceAnchored(text, anchoredCoordinates(), {}, open, extra, put);
    if (&pattern == &locality())
        return replaceAnchored(text, anchoredLocality(), {}, open, extra, put);
    if (&pattern == &link())
        return replaceAnchored(text, anchoredLink(), {}, open, extra, put);
    return replaceAnchored(text, pattern, QRegularExpression::AnchorAtOffsetMatchOption, open, extra, put);
}

} // namespace

QString replaceAll(const QString& text, const QRegularExpression& pattern, QChar open, const QString& replacement)
{
    return replaceEach(text, pattern, open, replacement.size(),
                       [&replacement](QString& out, const QRegularExpressionMatch&) { out.append(replacement); });
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

QString fillLink(const QString& text, const QString& address)
{
    QString replacement;
    replacement.reserve(address.size() + 2);
    replacement.append(u'<').append(address).append(u'>');
    return replaceAll(text, link(), u'<', replacement);
}

QString empty(const QString& text)
{
    return replaceAll(replaceAll(replaceAll(text, coordinates(), u'[', QStringLiteral("[]")), locality(), u'{',
                                 QStringLiteral("{}")),
                      link(), u'<', QStringLiteral("<>"));
}

QString removeMarkers(const QString& text, const QString& filledLink)
{
    // Only the angle brackets around a link placeholder that was filled, or left empty, go;
    // others the user typed stay.
    const QString unlinked = replaceEach(text, link(), u'<', 0, [&filledLink](QString& out, const QRegularExpressionMatch& m) {
        const QStringView inner = m.capturedView(1);
        if (inner.isEmpty() || (!filledLink.isEmpty() && inner == filledLink))
            out.append(inner);
        else
            out.append(m.capturedView(0));
    });
    QString out;
    out.reserve(unlinked.size());
    for (QChar c : unlinked)
        if (c != u'[' && c != u']' && c != u'{' && c != u'}')
            out.append(c);
    return out;
}

} // namespace Placeholders
