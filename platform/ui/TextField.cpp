#include "platform/ui/TextField.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/TouchScreen.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

bool EditingState::focusLossEnds(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

TextField::TextField(QWidget* parent) : QLineEdit(parent)
{
    setClearButtonEnabled(true);
    // The clear button is a picture only: a screen reader needs it called something.
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setAccessibleName(localizedText("ACCESSIBLE_CLEAR_TEXT"));
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
    // Offscreen and unfocused windows do not deliver focus events; the editing calls must
    // come all the same.
    if (editing_.begin() && delegate_)
        delegate_->textFieldDidBeginEditing(this);
    return true;
}

bool TextField::resignFirstResponder()
{
    if (delegate_ && !delegate_->textFieldShouldEndEditing(this))
        return false;
    const bool was = editing_.end();
    if (hasFocus())
        clearFocus();
    if (was && delegate_)
        delegate_->textFieldDidEndEditing(this);
    return true;
}

void TextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (editing_.begin() && delegate_)
        delegate_->textFieldDidBeginEditing(this);
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (EditingState::focusLossEnds(event) && editing_.end() && delegate_) {
        delegate_->textFieldShouldEndEditing(this);
        delegate_->textFieldDidEndEditing(this);
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
    enableTouchScrolling(this);
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        textCached_ = false;
        updateWrapMode(position, added);
    });
}

QSize TextView::sizeHint() const
{
    QSize hint = QPlainTextEdit::sizeHint();
    if (minimumHeight() > 0)
        hint.setHeight(minimumHeight());
    return hint;
}

void TextView::updateWrapMode(int changedPosition, int changedLength)
{
    // Only the paragraphs the change touched can have gained a long run.
    bool slow = false;
    const QTextBlock last = document()->findBlock(changedPosition + changedLength);
    for (QTextBlock b = document()->findBlock(changedPosition); b.isValid() && !slow; b = b.next()) {
        slow = b.length() > kLongestUnbrokenRun && hasLongUnbrokenRun(b.text());
        if (b == last)
            break;
    }
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
    if (textCached_)
        return text_;
    QString out;
    const QTextDocument* doc = document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        out += block.text();
        if (block.next().isValid())
            out += QString::fromUtf16(terminatorText(block.userState()));
    }
    text_ = out;
    textCached_ = true;
    return out;
}

void TextView::setText(const QString& text)
{
    if (this->text() == text)
        return;
    // The document takes the text at the next pass of the event loop, before the view paints
    // or takes input: laying the text out is most of the cost of a position update, and
    // several refills in one pass are laid out once. text() has the new text at once.
    text_ = text;
    textCached_ = true;
    if (!pending_) {
        pending_ = true;
        QMetaObject::invokeMethod(this, &TextView::flushPendingText, Qt::QueuedConnection);
    }
}

void TextView::flushPendingText()
{
    if (!pending_)
        return;
    pending_ = false;
    const QString text = text_;
    applyText(text);
    text_ = text;
    textCached_ = true;
}

bool TextView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::InputMethodQuery:
    case QEvent::FocusIn:
    case QEvent::ContextMenu:
    case QEvent::Show:
        flushPendingText();
        break;
    default:
        break;
    }
    return QPlainTextEdit::event(event);
}

bool TextView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Resize:
        flushPendingText();
        break;
    default:
        break;
    }
    return QPlainTextEdit::viewportEvent(event);
}

void TextView::applyText(const QString& text)
{
    // The document would turn CR, CR LF and U+2029 into plain paragraph breaks: give it
    // line feeds and remember each paragraph's own terminator.
    QList<int> kinds;
    QString wanted;
    wanted.reserve(text.size());
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
            wanted.append(c);
            continue;
        }
        wanted.append(QLatin1Char('\n'));
    }
    // What the document holds now, in the same form (block texts keep non-breaking spaces,
    // which toPlainText() would rewrite).
    QString old;
    old.reserve(wanted.size());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        old += block.text();
        if (block.next().isValid())
            old += QLatin1Char('\n');
    }
    // Only the part that differs is replaced, in one edit block: a position update refills
    // the message every few seconds, and this way the text is laid out once and the
    // cursor keeps its place in the text around the change.
    const qsizetype common = std::min(old.size(), wanted.size());
    qsizetype prefix = 0;
    while (prefix < common && old.at(prefix) == wanted.at(prefix))
        ++prefix;
    if (prefix > 0 && old.at(prefix - 1).isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix && old.at(old.size() - 1 - suffix) == wanted.at(wanted.size() - 1 - suffix))
        ++suffix;
    if (suffix > 0 && old.at(old.size() - suffix).isLowSurrogate())
        --suffix;
    if (prefix != old.size() || suffix != 0 || old.size() != wanted.size()) {
        // As with a new text, a refill is not something to undo.
        const bool undo = document()->isUndoRedoEnabled();
        document()->setUndoRedoEnabled(false);
        QTextCursor c(document());
        c.beginEditBlock();
        c.setPosition(static_cast<int>(prefix));
        c.setPosition(static_cast<int>(old.size() - suffix), QTextCursor::KeepAnchor);
        c.insertText(wanted.mid(prefix, wanted.size() - prefix - suffix));
        c.endEditBlock();
        document()->setUndoRedoEnabled(undo);
    }
    QTextBlock block = document()->begin();
    for (int kind : std::as_const(kinds)) {
        if (!block.isValid())
            break;
        block.setUserState(kind);
        block = block.next();
    }
    text_ = text;
    textCached_ = true;
}

void TextView::setBorder(qreal width, const QColor& color, qreal cornerRadius)
{
    setStyleSheet(QStringLiteral("TextView { border: %1px solid %2; border-radius: %3px; }")
                      .arg(width).arg(color.name()).arg(cornerRadius));
}

bool TextView::becomeFirstResponder()
{
    setFocus(Qt::OtherFocusReason);
    if (editing_.begin() && delegate_)
        delegate_->textViewDidBeginEditing(this);
    return true;
}

bool TextView::resignFirstResponder()
{
    const bool was = editing_.end();
    if (hasFocus())
        clearFocus();
    if (was && delegate_)
        delegate_->textViewDidEndEditing(this);
    return true;
}

void TextView::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (editing_.begin() && delegate_)
        delegate_->textViewDidBeginEditing(this);
}

void TextView::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (EditingState::focusLossEnds(event) && editing_.end() && delegate_)
        delegate_->textViewDidEndEditing(this);
}
