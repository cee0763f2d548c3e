#pragma once
// One-line and multi-line text controls that report editing to a delegate, as the
// platform's text field and text view do.

#include <QLineEdit>
#include <QPlainTextEdit>

class TextField;
class TextView;

class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    virtual void textFieldDidBeginEditing(TextField*) {}
    virtual bool textFieldShouldEndEditing(TextField*) { return true; }
    virtual void textFieldDidEndEditing(TextField*) {}
};

class TextViewDelegate {
public:
    virtual ~TextViewDelegate() = default;
    virtual void textViewDidBeginEditing(TextView*) {}
    virtual void textViewDidEndEditing(TextView*) {}
};

// Whether a control is being edited, so that its focus events and responder calls report
// the start and the end of an edit once each.
class EditingState {
public:
    // True when editing starts with this call.
    bool begin()
    {
        const bool starts = !editing_;
        editing_ = true;
        return starts;
    }
    // True when editing ends with this call.
    bool end()
    {
        const bool was = editing_;
        editing_ = false;
        return was;
    }
    // Losing focus to another window or to a popup does not end an edit.
    static bool focusLossEnds(const QFocusEvent* event);

private:
    bool editing_ = false;
};

enum class KeyboardType { Default = 0, PhonePad = 5, EmailAddress = 7 };

class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget* parent = nullptr);
    void setDelegate(TextFieldDelegate* delegate) { delegate_ = delegate; }
    TextFieldDelegate* delegate() const { return delegate_; }
    KeyboardType keyboardType() const { return keyboardType_; }
    // The keyboard type becomes the input method hints of the field.
    void setKeyboardType(KeyboardType type);
    bool isFirstResponder() const { return hasFocus(); }
    bool becomeFirstResponder();
    bool resignFirstResponder();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TextFieldDelegate* delegate_ = nullptr;
    KeyboardType keyboardType_ = KeyboardType::Default;
    EditingState editing_;
};

class TextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextView(QWidget* parent = nullptr);
    void setDelegate(TextViewDelegate* delegate) { delegate_ = delegate; }
    // The text exactly as set or typed: every line terminator and non-breaking space is kept.
    QString text() const;
    // Sets the text only when it differs, so that the cursor and undo history survive
    // refills that change nothing.
    void setText(const QString& text);
    // Gives the document a text set since the last pass of the event loop now; the view
    // does so itself before it paints or takes input.
    void flushPendingText();
    // The layer's border, as width, colour and corner radius.
    void setBorder(qreal width, const QColor& color, qreal cornerRadius);
    bool isFirstResponder() const { return hasFocus(); }
    bool becomeFirstResponder();
    bool resignFirstResponder();
    // Asks for no more height than its minimum, where one is set: the room left over goes to
    // it anyway, and a page that scrolls (a phone) does not scroll for a height it only likes.
    QSize sizeHint() const override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void applyText(const QString& text);
    // Qt's wrap "at a word boundary, else anywhere" takes seconds per keystroke in a
    // paragraph of many kilobytes without a blank; such text wraps anywhere instead.
    void updateWrapMode(int changedPosition, int changedLength);

    // text() is asked for at every position update; it is rebuilt only after an edit.
    mutable QString text_;
    mutable bool textCached_ = false;
    bool pending_ = false;

    TextViewDelegate* delegate_ = nullptr;
    EditingState editing_;
};
