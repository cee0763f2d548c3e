#include "platform/messaging/ComposerDialog.h"
#include "platform/foundation/TouchScreen.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollArea>
#include <QPushButton>
#include <QVBoxLayout>

ComposerDialog::ComposerDialog(const QString& objectName, const QString& title, QWidget* parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setAccessibleName(title);
}

void ComposerDialog::buildFrame(QFormLayout* form, bool withSave)
{
    // What is written scrolls when the window is short (the on-screen keyboard up, a phone
    // on its side); the buttons beneath stay in reach.
    auto* outer = new QVBoxLayout(this);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("composerContent"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollingPage(content, this), 1);
    layout->addLayout(form);
    bodyField_ = new QPlainTextEdit(this);
    bodyField_->setObjectName(QStringLiteral("body"));
    bodyField_->setAccessibleName(tr("Message"));
    bodyField_->setTabChangesFocus(true);
    enableTouchScrolling(bodyField_);
    layout->addWidget(bodyField_, 1);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(8);
    progress_->hide();
    layout->addWidget(progress_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    // The status quotes recipients and senders' errors, which must not pass for our own words.
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* buttons = new QDialogButtonBox(this);
    cancelButton_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    if (withSave) {
        saveButton_ = buttons->addButton(tr("Save"), QDialogButtonBox::ActionRole);
        saveButton_->setObjectName(QStringLiteral("saveButton"));
    }
    sendButton_ = buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole);
    sendButton_->setObjectName(QStringLiteral("sendButton"));
    sendButton_->setDefault(true);
    outer->addWidget(buttons);
    connect(cancelButton_, &QPushButton::clicked, this, &ComposerDialog::reject);
    connect(sendButton_, &QPushButton::clicked, this, [this] { send(); });
}

QString ComposerDialog::body() const
{
    return bodyField_->toPlainText();
}

void ComposerDialog::setBusy(bool busy)
{
    sending_ = busy;
    progress_->setVisible(busy);
}

void ComposerDialog::reject()
{
    if (finished_)
        return;
    if (sending_) {
        cancelRequested_ = true;
        cancelButton_->setEnabled(false);
        status_->setText(tr("Cancelling…"));
        abortSending();
        return;
    }
    finishCancelled();
}

bool ComposerDialog::markFinished()
{
    if (finished_)
        return false;
    finished_ = true;
    updateButtons();
    cancelButton_->setEnabled(false);
    return true;
}

void ComposerDialog::abandon()
{
    finished_ = true;
    if (sending_)
        abortSending();
}
