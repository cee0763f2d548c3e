#pragma once
// The device settings dialog: what the phone's own settings screens would hold (where the
// position comes from, how text messages and e-mail leave, which address books the picker
// reads, the map's tiles), one section a tab, written to device.ini, with the mail password
// in the keyring. Every field is checked as it is typed, the problem shown under it, and
// nothing is saved until all are right.

#include "platform/devicesettings/MailSection.h"

#include <QDialog>
#include <memory>

class ContactsSection;
class Keyring;
class MapSection;
class MessagesSection;
class PositionSection;
class QLabel;
class QPushButton;
class QTabWidget;

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
    using Values = SettingsSection::Values;

    void addSection(SettingsSection* section, const char* tabName);
    void validate();
    Values collect() const;
    void write(const Values& values, const MailSection::FilePassword& password);
    void setBusy(bool busy);

    QTabWidget* tabs_;
    QList<SettingsSection*> sections_;
    PositionSection* position_;
    MessagesSection* messages_;
    MailSection* mail_;
    ContactsSection* contacts_;
    QLabel* formStatus_;
    QPushButton* save_;
    Values initial_;
    int problems_ = 0;
    bool busy_ = false;
};
