#include "controls/TemplatesTableViewCell.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QTextLayout>

namespace {

// More than enough text for a few lines at any width; the rest of a long template is
// never laid out, so a 100 KB template costs no more than a short one.
constexpr qsizetype kLayoutChars = 2000;

bool isLineTerminator(QChar c)
{
    switch (c.unicode()) {
    case 0x000A: case 0x000B: case 0x000C: case 0x000D: case 0x0085: case 0x2028: case 0x2029:
        return true;
    default:
        return false;
    }
}

} // namespace

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ElidingLabel::setMaximumLines(int lines)
{
    maximumLines_ = std::max(1, lines);
    updateGeometry();
    update();
}

QStringList ElidingLabel::linesForWidth(int width) const
{
    const QString full = text();
    const bool cut = full.size() > kLayoutChars;
    const QString head = cut ? full.left(kLayoutChars) : full;
    const QFontMetrics metrics = fontMetrics();
    width = std::max(width, 10);

    // Paragraphs split at every terminator; CR LF counts once.
    QStringList paragraphs;
    QString current;
    for (qsizetype i = 0; i < head.size(); ++i) {
        const QChar c = head.at(i);
        if (isLineTerminator(c)) {
            paragraphs.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < head.size() && head.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
        }
        if (paragraphs.size() > maximumLines_)
            break;
    }
    paragraphs.append(current);

    QStringList lines;
    bool more = cut;
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        if (lines.size() >= maximumLines_) {
            more = true;
            break;
        }
        QTextLayout layout(paragraphs.at(p), font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            if (lines.size() >= maximumLines_) {
                more = true;
                break;
            }
            QString text = paragraphs.at(p).mid(line.textStart(), line.textLength());
            // A wrapped line's trailing blanks take no room.
            while (!text.isEmpty() && text.back().isSpace())
                text.chop(1);
            lines.append(text);
        }
        layout.endLayout();
    }
    if (more && !lines.isEmpty()) {
        // The ellipsis must show even when the last line happens to fit exactly.
        const QString ellipsis = QStringLiteral("\u2026");
        QString last = lines.last().trimmed();
        while (!last.isEmpty() && metrics.horizontalAdvance(last + ellipsis) > width)
            last.chop(1);
        lines.last() = last + ellipsis;
    }
    return lines;
}

QStringList ElidingLabel::displayedLines() const
{
    return linesForWidth(contentsRect().width());
}

int ElidingLabel::heightForWidth(int width) const
{
    const int margins = contentsMargins().top() + contentsMargins().bottom();
    const qsizetype n = std::max<qsizetype>(1, linesForWidth(width - contentsMargins().left() - contentsMargins().right()).size());
    return static_cast<int>(n) * fontMetrics().lineSpacing() + margins;
}

QSize ElidingLabel::sizeHint() const
{
    const int w = std::max(200, width());
    return QSize(w, heightForWidth(w));
}

QSize ElidingLabel::minimumSizeHint() const
{
    return QSize(40, fontMetrics().lineSpacing());
}

void ElidingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const QRect area = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    int y = area.top() + metrics.ascent();
    for (const QString& line : linesForWidth(area.width())) {
        painter.drawText(area.left(), y, line);
        y += metrics.lineSpacing();
    }
}

TemplatesTableViewCell::TemplatesTableViewCell(TableViewCellStyle style, const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(style, reuseIdentifier, parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    messageLabel = new ElidingLabel(this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    layout->addWidget(messageLabel);
}

void TemplatesTableViewCell::setSelected(bool selected, bool animated)
{
    TableViewCell::setSelected(selected, animated);
}
