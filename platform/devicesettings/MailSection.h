#pragma once
// How e-mail leaves (mail/…): an SMTP account, its password in the keyring (in device.ini
// only when the user asks after the keyring refused it), "Check the account", or sendmail.

#include "platform/devicesettings/SettingsSection.h"

#include <functional>
#include <memory>
#include <optional>

class Keyring;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SmtpSender;
struct KeyringAnswer;
struct SmtpAccount;

class MailSection : public SettingsSection {
    Q_OBJECT
public:
    MailSection(std::shared_ptr<Keyring> keyring, QWidget* parent = nullptr);
    ~MailSection() override;

    QString title() const override { return tr("E-mail"); }
    Values collect() const override;
    int validate() override;
    void setBusy(bool busy) override;

    void checkAccount();

    // What becomes of device.ini's password when the rest is written.
    struct FilePassword {
        bool write = false; // the field's password goes into the file
        bool remove = false;
        QString password;
    };
    // Puts the password where it belongs (the keyring, forgetting another account's entry),
    // then calls `done` with what the file must do; without a call when the keyring refused,
    // which the section shows, offering the file.
    void keepPassword(const std::function<void(const FilePassword&)>& done);

signals:
    // The section needs the user's eye (the keyring refused the password).
    void needsAttention();
    void busyChanged(bool busy);

private:
    void load();
    void updateVisibility();
    void lookForStoredPassword();
    void keyringFailed(const KeyringAnswer& answer);
    SmtpAccount account() const;

    std::shared_ptr<Keyring> keyring_;
    QComboBox* transport_;
    QLineEdit* server_;
    QComboBox* security_;
    QLineEdit* port_;
    QLineEdit* user_;
    QLineEdit* password_;
    QLabel* passwordNote_;
    QCheckBox* keepInFile_;
    QLineEdit* from_;
    QLineEdit* senderName_;
    QLineEdit* sendmail_;
    QPushButton* check_;
    QLabel* status_;
    bool busy_ = false;
    // The account as loaded, whose keyring entry goes when another is saved.
    QString loadedUser_;
    QString loadedServer_;
    QString filePassword_;
    // Whether the password field holds what the user typed, not what was loaded.
    bool passwordTyped_ = false;
    std::unique_ptr<SmtpSender> checker_;
};
