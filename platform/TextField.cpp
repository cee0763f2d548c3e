#include "platform/TextField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScopedValueRollback>
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
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_)
            text_ = toPlainText();
    });
}

void TextView::setText(const QString& text)
{
    if (text_ == text)
        return;
    text_ = text;
    const QScopedValueRollback<bool> guard(settingText_, true);
    // Keep the cursor where the user had it, as far as the new text allows.
    const bool focused = hasFocus();
    const int position = textCursor().position();
    setPlainText(text);
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
