#pragma once
// How text messages leave (sms/sender): ModemManager's modems and KDE Connect's phones
// listed, and a test message sent through the one chosen.

#include "platform/devicesettings/SettingsSection.h"

#include <QPointer>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QProcess;
class QPushButton;
class SmsSender;

class MessagesSection : public SettingsSection {
    Q_OBJECT
public:
    explicit MessagesSection(QWidget* parent = nullptr);
    ~MessagesSection() override;

    QString title() const override { return tr("Text messages"); }
    Values collect() const override;
    int validate() override;

    void sendTestMessage();
    // Asks ModemManager and KDE Connect again, without waiting for them.
    void refreshDevices();

private:
    void load();
    void updateVisibility();

    QComboBox* sender_;
    QComboBox* modem_;
    QComboBox* phone_;
    QPushButton* refresh_;
    QLineEdit* testNumber_;
    QPushButton* sendTest_;
    QLabel* status_;
    std::unique_ptr<SmsSender> tester_;
    QPointer<QProcess> phoneLister_;
};
