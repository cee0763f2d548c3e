#include "platform/TextField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTextBlock>

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

TextView::TextView(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

void TextView::setText(const QString& text)
{
    const QString old = toPlainText();
    if (old == text)
        return;
    // Only the part that differs is replaced, in one edit block: the text is laid out
    // once (a position update refills the message every few seconds), and the cursor
    // keeps its place in the text around the change.
    const qsizetype common = std::min(old.size(), text.size());
    qsizetype prefix = 0;
    while (prefix < common && old.at(prefix) == text.at(prefix))
        ++prefix;
    if (prefix > 0 && old.at(prefix - 1).isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix && old.at(old.size() - 1 - suffix) == text.at(text.size() - 1 - suffix))
        ++suffix;
    if (suffix > 0 && old.at(old.size() - suffix).isLowSurrogate())
        --suffix;
    // As with a new text, the refill is not something to undo.
    const bool undo = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false);
    QTextCursor c(document());
    c.beginEditBlock();
    c.setPosition(static_cast<int>(prefix));
    c.setPosition(static_cast<int>(old.size() - suffix), QTextCursor::KeepAnchor);
    c.insertText(text.mid(prefix, text.size() - prefix - suffix));
    c.endEditBlock();
    document()->setUndoRedoEnabled(undo);
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
