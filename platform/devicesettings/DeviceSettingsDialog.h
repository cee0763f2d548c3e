#pragma once
// The device settings dialog: what the phone's own settings screens would hold (where the
// position comes from, how text messages and e-mail leave, which address books the picker
// reads, the map's tiles), written to device.ini, with the mail password in the keyring.
// Every field is checked as it is typed, the problem shown beside it, and nothing is saved
// until all are right.

#include <QDialog>
#include <QPointer>
#include <QProcess>
#include <memory>
#include <optional>

namespace Contacts {
class Cancellation;
struct AddressBook;
}
class Keyring;
class QCheckBox;
class KdeConnectSender;
class LocationManager;
class ModemManagerSender;
class QLabel;
class QTimer;
class QWidget;
class SmtpSender;
class SmsSender;
struct KeyringAnswer;
struct SmtpAccount;

namespace Ui {
class DeviceSettingsDialog;
}

class DeviceSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // The mail password goes to `keyring` (the session's Secret Service when none is given).
    explicit DeviceSettingsDialog(std::shared_ptr<Keyring> keyring = {}, QWidget* parent = nullptr);
    ~DeviceSettingsDialog() override;

    // Opens the one dialog of the application, or brings it forward when it is open already.
    static DeviceSettingsDialog* present(QWidget* parent = nullptr);

    // Whether every shown field is usable; each problem is beside its field.
    bool isValid() const { return problems_ == 0; }
    // What the buttons do.
    void save();
    void checkAccount();
    void sendTestMessage();

signals:
    // The file (and the keyring) hold what the dialog shows.
    void saved();

private:
    using Values = QList<std::pair<QString, QString>>;

    void translate();
    void load();
    void connectFields();
    void updateVisibility();
    void validate();
    void showProblem(QLabel* errorLabel, const QString& problem);
    bool setProblem(QLabel* errorLabel, const QString& problem);
    Values collect() const;
    QString locationSource() const;
    SmtpAccount account() const;
    void write(const Values& values, bool passwordInFile, bool removePassword);
    void keyringFailed(const KeyringAnswer& answer);
    void setBusy(bool busy);
    void refreshDevices();
    void watchLocation();
    void listAddressBooks();
    void showAddressBooks(const std::optional<QList<Contacts::AddressBook>>& books);
    QString edsSkipped() const;

    std::unique_ptr<Ui::DeviceSettingsDialog> ui_;
    std::shared_ptr<Keyring> keyring_;
    Values initial_;
    QString filePassword_;
    int problems_ = 0;
    bool busy_ = false;
    std::unique_ptr<SmtpSender> checker_;
    std::unique_ptr<SmsSender> tester_;
    std::unique_ptr<LocationManager> location_;
    QTimer* locationRestart_ = nullptr;
    QPointer<QProcess> phoneLister_;
    // Whether the password field holds what the user typed, not what was loaded.
    bool passwordTyped_ = false;
    // The address books left out as the file has them, and a check for each listed book.
    QStringList edsSkipLoaded_;
    QList<QCheckBox*> edsBookChecks_;
    std::shared_ptr<Contacts::Cancellation> edsListing_;
};
