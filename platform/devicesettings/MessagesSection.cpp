#include "platform/devicesettings/MessagesSection.h"
#include "platform/foundation/Format.h"
#include "platform/messaging/SmsSenders.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace {
enum SmsRow { NoSms, Modem, KdeConnect };
}

MessagesSection::MessagesSection(QWidget* parent) : SettingsSection(QStringLiteral("smsTabContent"), parent)
{
    sender_ = addField<QComboBox>(tr("Send text messages through"), "smsSender", false);
    sender_->addItems({tr("Nothing (not set up)"), tr("A modem (ModemManager)"), tr("A paired phone (KDE Connect)")});
    modem_ = addField<QComboBox>(tr("Modem"), "modem", false);
    modem_->addItem(tr("The first modem that can send messages"));
    phone_ = addField<QComboBox>(tr("Phone"), "phone", false);
    phone_->addItem(tr("The first reachable phone"));
    refresh_ = addLine<QPushButton>("refreshDevices");
    refresh_->setText(tr("Look for modems and phones again"));
    refresh_->setAccessibleName(refresh_->text());
    testNumber_ = addField<QLineEdit>(tr("Number for a test message"), "testNumber");
    testNumber_->setPlaceholderText(QStringLiteral("+420 601 123 456"));
    testNumber_->setInputMethodHints(Qt::ImhDialableCharactersOnly);
    sendTest_ = addLine<QPushButton>("sendTestButton");
    sendTest_->setText(tr("Send a test message"));
    sendTest_->setAccessibleName(sendTest_->text());
    status_ = addStatus("smsStatus");
    load();
    updateVisibility();
    reportChanges();
    connect(this, &SettingsSection::changed, this, &MessagesSection::updateVisibility);
    connect(refresh_, &QPushButton::clicked, this, &MessagesSection::refreshDevices);
    connect(sendTest_, &QPushButton::clicked, this, &MessagesSection::sendTestMessage);
    refreshDevices();
}

MessagesSection::~MessagesSection()
{
    if (phoneLister_) {
        phoneLister_->disconnect(this);
        phoneLister_->kill();
        phoneLister_->waitForFinished(1000);
    }
}

void MessagesSection::load()
{
    const QString sms = setting("sms", "sender").toLower();
    sender_->setCurrentIndex(sms == QLatin1String("modemmanager") ? Modem
                             : sms == QLatin1String("kdeconnect") ? KdeConnect
                                                                  : NoSms);
    for (auto [combo, key] : {std::pair{modem_, "modem"}, std::pair{phone_, "device"}}) {
        const QString v = setting("sms", key);
        if (!v.isEmpty()) {
            combo->addItem(v, v);
            combo->setCurrentIndex(combo->count() - 1);
        }
    }
}

void MessagesSection::updateVisibility()
{
    const int sms = sender_->currentIndex();
    showField(modem_, sms == Modem);
    showField(phone_, sms == KdeConnect);
    for (QWidget* w : QList<QWidget*>{refresh_, testNumber_, sendTest_})
        showField(w, sms != NoSms);
}

int MessagesSection::validate()
{
    // The test number only matters to the test, not to what is saved.
    const QString number = testNumber_->text().trimmed();
    static const QRegularExpression dialable(QStringLiteral("^\\+?[0-9 ()./-]+$"));
    const bool numberOk = number.isEmpty() || dialable.match(number).hasMatch();
    setProblem(testNumber_, numberOk ? QString()
                                     : tr("A phone number holds digits, spaces, brackets, dots, dashes and a leading +."));
    sendTest_->setEnabled(!tester_ && !number.isEmpty() && numberOk);
    return 0;
}

SettingsSection::Values MessagesSection::collect() const
{
    const int sms = sender_->currentIndex();
    return {
        {QStringLiteral("sms/sender"), sms == Modem ? QStringLiteral("modemmanager") : sms == KdeConnect ? QStringLiteral("kdeconnect") : QString()},
        {QStringLiteral("sms/modem"), modem_->currentData().toString()},
        {QStringLiteral("sms/device"), phone_->currentData().toString()},
    };
}

void MessagesSection::sendTestMessage()
{
    if (tester_)
        return;
    const int sms = sender_->currentIndex();
    if (sms == Modem) {
        ModemManagerOptions o;
        o.busAddress = setting("sms", "bus");
        o.modemPath = modem_->currentData().toString();
        tester_ = std::make_unique<ModemManagerSender>(o);
    } else if (sms == KdeConnect) {
        KdeConnectOptions o;
        o.program = setting("sms", "program", o.program);
        o.deviceId = phone_->currentData().toString();
        tester_ = std::make_unique<KdeConnectSender>(o);
    } else {
        return;
    }
    status_->setText(tr("Sending the test message…"));
    markProblem(status_, false);
    validate();
    tester_->send(testNumber_->text().trimmed(), tr("This is a test message from Quorvel."), [this](bool sent, const QString& error) {
        status_->setText(sent ? tr("The test message was sent.")
                              : stringWithFormat(tr("The test message was not sent: %@").toUtf8().constData(), error));
        markProblem(status_, !sent);
        bringIntoView(status_);
        QTimer::singleShot(0, this, [this] {
            tester_.reset();
            validate();
        });
    });
}

// The modems with messaging on ModemManager's bus and the reachable KDE Connect phones,
// asked without waiting, put beside the "first one found" entry.
void MessagesSection::refreshDevices()
{
    ModemManagerOptions o;
    o.busAddress = setting("sms", "bus");
    auto* lister = new ModemManagerSender(o, this);
    const QPointer<QComboBox> modems(modem_);
    lister->listModems([lister, modems](const QStringList& found) {
        lister->deleteLater();
        if (!modems)
            return;
        for (const QString& m : found)
            if (modems->findData(m) < 0)
                modems->addItem(m, m);
    });
    if (phoneLister_)
        return;
    auto* kde = new QProcess(this);
    phoneLister_ = kde;
    const QPointer<QComboBox> phones(phone_);
    connect(kde, &QProcess::finished, this, [kde, phones](int code, QProcess::ExitStatus status) {
        kde->deleteLater();
        if (!phones || code != 0 || status != QProcess::NormalExit)
            return;
        // "ID NAME" per line.
        for (const QString& line : QString::fromUtf8(kde->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            const QString id = line.section(u' ', 0, 0).trimmed();
            const QString name = line.section(u' ', 1).trimmed();
            if (id.isEmpty())
                continue;
            const int at = phones->findData(id);
            if (at >= 0)
                phones->setItemText(at, name.isEmpty() ? id : name);
            else
                phones->addItem(name.isEmpty() ? id : name, id);
        }
    });
    connect(kde, &QProcess::errorOccurred, kde, [kde](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            kde->deleteLater();
    });
    kde->start(setting("sms", "program", QStringLiteral("kdeconnect-cli")),
               {QStringLiteral("--list-available"), QStringLiteral("--id-name-only")});
}
