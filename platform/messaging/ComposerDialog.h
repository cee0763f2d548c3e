#pragma once
// What the SMS and e-mail composers share: the dialog's frame below their own header fields
// (body, busy bar, status line, buttons), the busy state of a send in flight, and the rule
// that exactly one outcome is reported, whether the user cancels, the send ends, or the
// dialog goes away first.

#include <QDialog>
#include <QString>

class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class ComposerDialog : public QDialog {
    Q_OBJECT
public:
    QString body() const;
    bool isSending() const { return sending_; }

    // What the buttons do.
    virtual void send() = 0;
    // While a send is in flight this only asks the sender to stop: its report, which still
    // comes, becomes the one outcome.
    void reject() override;

protected:
    ComposerDialog(const QString& objectName, const QString& title, QWidget* parent);

    // Lays out `form` (the composer's header fields, made before this call so that they come
    // first in the tab order), then the body, the busy bar, the status line and the buttons:
    // Cancel, Save when asked for, and Send as the default.
    void buildFrame(QFormLayout* form, bool withSave);

    // Asks the sender to give up the send in flight; it still reports.
    virtual void abortSending() = 0;
    // Reports the outcome of a cancel with nothing in flight.
    virtual void finishCancelled() = 0;
    virtual void updateButtons() = 0;

    void setBusy(bool busy);
    // Marks the dialog finished, ahead of reporting its outcome; false when it already was,
    // and then nothing is to be reported.
    bool markFinished();
    // For the composers' destructors: the sender's pending report must not reach a dialog
    // that is gone.
    void abandon();

    QPlainTextEdit* bodyField_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool sending_ = false;
    bool cancelRequested_ = false;
    bool finished_ = false;
};
