#include "platform/TextField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTextBlock>
#include <QTextDocument>

TextField::TextField(QWidget* parent) : QLineEdit(parent)
{
    setClearButtonEnabled(true);
}

void TextField::setKeyboardType(KeyboardType type)
{
    keyboardType_ = type;
    switch (type) {
    case KeyboardType::PhonePad: setInputMethodHints(Qt::ImhDialableCharactersOnly); break;
    case KeyboardType::EmailAddress: setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase); break;
    case KeyboardType::Default: setInputMethodHints(Qt::ImhNone); break;
    }
}

bool TextField::becomeFirstResponder()
{
    setFocus(Qt::OtherFocusReason);
    if (!editing_) {
        // Offscreen and unfocused windows do not deliver focus events; the editing calls
        // must come all the same.
        editing_ = true;
        if (delegate_) delegate_->textFieldDidBeginEditing(this);
    }
    return true;
}

bool TextField::resignFirstResponder()
{
    if (delegate_ && !delegate_->textFieldShouldEndEditing(this))
        return false;
    const bool was = editing_;
    editing_ = false;
    if (hasFocus())
        clearFocus();
    if (was && delegate_)
        delegate_->textFieldDidEndEditing(this);
    return true;
}

void TextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!editing_) {
        editing_ = true;
        if (delegate_) delegate_->textFieldDidBeginEditing(this);
    }
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (editing_ && event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        editing_ = false;
        if (delegate_) {
            delegate_->textFieldShouldEndEditing(this);
            delegate_->textFieldDidEndEditing(this);
        }
    }
}

namespace {

// A run of this many characters without a break opportunity makes wrapping slow.
constexpr qsizetype kLongestUnbrokenRun = 1000;

bool hasLongUnbrokenRun(const QString& text)
{
    if (text.size() <= kLongestUnbrokenRun)
        return false;
    qsizetype run = 0;
    for (QChar c : text) {
        run = c.isSpace() || c == QLatin1Char('-') ? 0 : run + 1;
        if (run > kLongestUnbrokenRun)
            return true;
    }
    return false;
}

} // namespace

TextView::TextView(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int) { updateWrapMode(position); });
}

void TextView::updateWrapMode(int changedPosition)
{
    const QTextBlock changed = document()->findBlock(changedPosition);
    bool slow = changed.isValid() && hasLongUnbrokenRun(changed.text());
    if (!slow && wordWrapMode() == QTextOption::WrapAnywhere) {
        // Another paragraph may still need it.
        for (QTextBlock b = document()->begin(); b.isValid() && !slow; b = b.next())
            slow = b.length() > kLongestUnbrokenRun && hasLongUnbrokenRun(b.text());
    }
    const auto wanted = slow ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != wanted)
        setWordWrapMode(wanted);
}

namespace {

// The line terminators that start a new paragraph in the document. Each paragraph keeps
// the terminator that ended it, so that text() gives back exactly what setText() got.
enum Terminator { LineFeed = 0, CarriageReturn = 1, CarriageReturnLineFeed = 2, ParagraphSeparator = 3 };

const char16_t* terminatorText(int kind)
{
    switch (kind) {
    case CarriageReturn: return u"\r";
    case CarriageReturnLineFeed: return u"\r\n";
    case ParagraphSeparator: return u"\u2029";
    default: return u"\n";
    }
}

} // namespace

QString TextView::text() const
{
    QString out;
    const QTextDocument* doc = document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        out += block.text();
        if (block.next().isValid())
            out += QString::fromUtf16(terminatorText(block.userState()));
    }
    return out;
}

void TextView::setText(const QString& text)
{
    if (this->text() == text)
        return;
    // Keep the cursor where the user had it, as far as the new text allows.
    const bool focused = hasFocus();
    const int position = textCursor().position();
    // The document would turn CR, CR LF and U+2029 into plain paragraph breaks (and
    // toPlainText() also rewrites non-breaking spaces): split here and remember each kind.
    QList<int> kinds;
    QString joined;
    joined.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n')) {
            kinds.append(LineFeed);
        } else if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
                kinds.append(CarriageReturnLineFeed);
                ++i;
            } else {
                kinds.append(CarriageReturn);
            }
        } else if (c == QChar::ParagraphSeparator) {
            kinds.append(ParagraphSeparator);
        } else {
            joined.append(c);
            continue;
        }
        joined.append(QLatin1Char('\n'));
    }
    setPlainText(joined);
    updateWrapMode(0);
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        if (b.length() > kLongestUnbrokenRun && hasLongUnbrokenRun(b.text())) {
            setWordWrapMode(QTextOption::WrapAnywhere);
            break;
        }
    QTextBlock block = document()->begin();
    for (int kind : std::as_const(kinds)) {
        if (!block.isValid())
            break;
        block.setUserState(kind);
        block = block.next();
    }
    if (focused) {
        QTextCursor c = textCursor();
        c.setPosition(std::min(position, static_cast<int>(document()->characterCount() - 1)));
        setTextCursor(c);
    }
}

void TextView::setBorder(qreal width, const QColor& color, qreal cornerRadius)
{
    setStyleSheet(QStringLiteral("TextView { border: %1px solid %2; border-radius: %3px; }")
                      .arg(width).arg(color.name()).arg(cornerRadius));
}

bool TextView::becomeFirstResponder()
{
    setFocus(Qt::OtherFocusReason);
    if (!editing_) {
        editing_ = true;
        if (delegate_) delegate_->textViewDidBeginEditing(this);
    }
    return true;
}

bool TextView::resignFirstResponder()
{
    const bool was = editing_;
    editing_ = false;
    if (hasFocus())
        clearFocus();
    if (was && delegate_)
        delegate_->textViewDidEndEditing(this);
    return true;
}

void TextView::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (!editing_) {
        editing_ = true;
        if (delegate_) delegate_->textViewDidBeginEditing(this);
    }
}

void TextView::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (editing_ && event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        editing_ = false;
        if (delegate_) delegate_->textViewDidEndEditing(this);
    }
}
