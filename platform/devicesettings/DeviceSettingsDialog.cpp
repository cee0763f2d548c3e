#include "platform/devicesettings/DeviceSettingsDialog.h"
#include "platform/contacts/Contacts.h"
#include "platform/foundation/Accessible.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/HostAddress.h"
#include "platform/foundation/Keyring.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/foundation/Log.h"
#include "platform/location/LocationManager.h"
#include "platform/mapview/MapSettings.h"
#include "platform/messaging/MailSenders.h"
#include "platform/messaging/SmsSenders.h"

#include "ui_DeviceSettingsDialog.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFormLayout>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QThreadPool>
#include <QTimer>

namespace {

// The order of the source list in the layout.
enum SourceRow { Auto, GeoClue, Gpsd, NmeaDevice, NmeaTcp, Replay, Demo };
enum SmsRow { NoSms, Modem, KdeConnect };
enum MailRow { NoMail, Smtp, Sendmail };
const char* const securities[] = {"starttls", "tls", "none"};
// The link in messages, in the order of its list ([message] link=).
const char* const messageLinks[] = {"osm", "geo", "pluscode"};

QString phrase(const char* key)
{
    return localizedText(key);
}

QString setting(const char* group, const char* key, const QString& fallback = {})
{
    return DeviceSettings::value(QLatin1String(group), QLatin1String(key), fallback).trimmed();
}

bool isOn(const char* key)
{
    const QString v = setting("contacts", key).toLower();
    return v != QLatin1String("false") && v != QLatin1String("0") && v != QLatin1String("no");
}

// "host:port", "[v6]:port" or "host" alone.
std::pair<QString, QString> splitHostPort(const QString& s)
{
    if (s.startsWith(u'[')) {
        const qsizetype close = s.indexOf(u']');
        return {s.mid(1, close - 1), close >= 0 && s.mid(close + 1).startsWith(u':') ? s.mid(close + 2) : QString()};
    }
    const qsizetype colon = s.lastIndexOf(u':');
    if (colon < 0 || s.count(u':') > 1)
        return {s, {}};
    return {s.left(colon), s.mid(colon + 1)};
}

QString joinHostPort(const QString& host, const QString& port)
{
    const QString h = host.contains(u':') ? u'[' + host + u']' : host;
    return port.isEmpty() ? h : h + u':' + port;
}

QString portProblem(const QString& port, bool required)
{
    if (port.isEmpty())
        return required ? phrase("SETTINGS_ERR_PORT") : QString();
    bool ok = false;
    const int p = port.toInt(&ok);
    return ok && p >= 1 && p <= 65535 ? QString() : phrase("SETTINGS_ERR_PORT");
}

QString hostProblem(const QString& host)
{
    if (host.isEmpty())
        return phrase("SETTINGS_ERR_HOST_EMPTY");
    static const QRegularExpression bad(QStringLiteral("[\\s/@,;\"'<>\\\\]"));
    return host.contains(bad) ? phrase("SETTINGS_ERR_HOST") : QString();
}

QString fileProblem(const QString& path, bool required)
{
    if (path.isEmpty())
        return required ? phrase("SETTINGS_ERR_FILE_EMPTY") : QString();
    QString p = path;
    if (p.startsWith(QLatin1String("~/")))
        p = QDir::homePath() + p.mid(1);
    return QFileInfo::exists(p) ? QString() : stringWithFormat(phrase("SETTINGS_ERR_FILE").toUtf8().constData(), path);
}

QString addressProblem(const QString& address, bool required)
{
    if (address.isEmpty())
        return required ? phrase("SETTINGS_ERR_FROM") : QString();
    const qsizetype at = address.indexOf(u'@');
    if (at <= 0 || at == address.size() - 1 || address.contains(QRegularExpression(QStringLiteral("\\s"))))
        return phrase("SETTINGS_ERR_FROM");
    return {};
}

// The labels beside the fields that hold their problems. Screen readers speak a notification
// as it appears, where a plain label appearing goes unheard.
const char* const kProblemLabel = "problemLabel";

class ProblemAccessible : public QAccessibleWidget {
public:
    explicit ProblemAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    static bool describes(QLabel* label) { return label->property(kProblemLabel).toBool(); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

} // namespace

DeviceSettingsDialog::DeviceSettingsDialog(std::shared_ptr<Keyring> keyring, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DeviceSettingsDialog>()),
      keyring_(keyring ? std::move(keyring) : Keyring::secretService())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("deviceSettings"));
    useAccessibleInterface<QLabel, ProblemAccessible>();
    for (QLabel* l : findChildren<QLabel*>(QRegularExpression(QStringLiteral("Error$")))) {
        l->setProperty(kProblemLabel, true);
        // Setting up the layout may have made and kept a plain label's interface already.
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(l); made && made->role() != QAccessible::Notification)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    translate();
    load();
    initial_ = collect();
    connectFields();
    updateVisibility();
    validate();
    refreshDevices();
    listAddressBooks();
    locationRestart_ = new QTimer(this);
    locationRestart_->setSingleShot(true);
    locationRestart_->setInterval(600);
    connect(locationRestart_, &QTimer::timeout, this, &DeviceSettingsDialog::watchLocation);
    locationRestart_->start();
}

DeviceSettingsDialog::~DeviceSettingsDialog()
{
    if (edsListing_)
        edsListing_->cancel();
    if (phoneLister_) {
        phoneLister_->disconnect(this);
        phoneLister_->kill();
        phoneLister_->waitForFinished(1000);
    }
}

DeviceSettingsDialog* DeviceSettingsDialog::present(QWidget* parent)
{
    static QPointer<DeviceSettingsDialog> open;
    if (!open) {
        open = new DeviceSettingsDialog({}, parent);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    NSLog("Settings: shown");
    return open;
}

// The layout holds string-table keys; they become the texts of the user's language here.
void DeviceSettingsDialog::translate()
{
    auto tr = [](const QString& s) {
        return s.startsWith(QLatin1String("SETTINGS_")) ? localizedText(s.toLatin1().constData()) : s;
    };
    setWindowTitle(tr(windowTitle()));
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.append(this);
    for (QWidget* w : widgets) {
        w->setAccessibleName(tr(w->accessibleName()));
        if (auto* l = qobject_cast<QLabel*>(w))
            l->setText(tr(l->text()));
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            b->setText(tr(b->text()));
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setPlaceholderText(tr(e->placeholderText()));
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                c->setItemText(i, tr(c->itemText(i)));
        else if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                t->setTabText(i, tr(t->tabText(i)));
    }
    // Phone keyboards: digits for ports and numbers, an address keyboard for addresses.
    for (QLineEdit* e : {ui_->locationPort, ui_->mailPort})
        e->setInputMethodHints(Qt::ImhDigitsOnly);
    ui_->testNumber->setInputMethodHints(Qt::ImhDialableCharactersOnly);
    for (QLineEdit* e : {ui_->from, ui_->tileContact, ui_->user})
        e->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase);
    ui_->password->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
    ui_->keepInFile->setVisible(false);
    ui_->saveButton->setDefault(true);
    // Screen readers move between the sections by their tabs, so the tab list is named too.
    ui_->sections->tabBar()->setAccessibleName(ui_->sections->accessibleName());
    // Status lines are read out by what they say; a fixed name would be read instead.
    for (QLabel* l : {ui_->locationStatus, ui_->smsStatus, ui_->mailStatus, ui_->passwordNote, ui_->formStatus})
        l->setAccessibleName(QString());
}

void DeviceSettingsDialog::load()
{
    // Location.
    const QString source = setting("location", "source");
    const qsizetype colon = source.indexOf(u':');
    const QString kind = (colon < 0 ? source : source.left(colon)).toLower();
    const QString rest = colon < 0 ? QString() : source.mid(colon + 1);
    ui_->locationHost->setText(QStringLiteral("localhost"));
    ui_->locationPort->setText(QStringLiteral("2947"));
    int row = Auto;
    if (kind == QLatin1String("geoclue")) {
        row = GeoClue;
    } else if (kind == QLatin1String("gpsd")) {
        row = Gpsd;
        if (!rest.isEmpty()) {
            const auto [host, port] = splitHostPort(rest);
            ui_->locationHost->setText(host);
            ui_->locationPort->setText(port.isEmpty() ? QStringLiteral("2947") : port);
        }
    } else if (kind == QLatin1String("nmea") && rest.startsWith(u'/')) {
        row = NmeaDevice;
        ui_->nmeaDevice->setText(rest);
    } else if (kind == QLatin1String("nmea")) {
        row = NmeaTcp;
        const auto [host, port] = splitHostPort(rest);
        ui_->locationHost->setText(host);
        ui_->locationPort->setText(port);
    } else if (kind == QLatin1String("replay")) {
        row = Replay;
        ui_->replayFile->setText(rest);
    } else if (kind == QLatin1String("demo")) {
        row = Demo;
    }
    ui_->sourceCombo->setCurrentIndex(row);

    // Text messages.
    const QString sms = setting("sms", "sender").toLower();
    ui_->smsSender->setCurrentIndex(sms == QLatin1String("modemmanager") ? Modem
                                    : sms == QLatin1String("kdeconnect") ? KdeConnect
                                                                         : NoSms);
    for (auto [combo, key] : {std::pair{ui_->modem, "modem"}, std::pair{ui_->phone, "device"}}) {
        const QString v = setting("sms", key);
        if (!v.isEmpty()) {
            combo->addItem(v, v);
            combo->setCurrentIndex(combo->count() - 1);
        }
    }

    // E-mail.
    QString transport = setting("mail", "transport").toLower();
    if (transport.isEmpty() && !setting("mail", "server").isEmpty())
        transport = QStringLiteral("smtp");
    ui_->transport->setCurrentIndex(transport == QLatin1String("smtp")       ? Smtp
                                    : transport == QLatin1String("sendmail") ? Sendmail
                                                                             : NoMail);
    ui_->server->setText(setting("mail", "server"));
    ui_->mailPort->setText(setting("mail", "port"));
    const QString security = setting("mail", "security", QStringLiteral("starttls")).toLower();
    for (int i = 0; i < 3; ++i)
        if (security == QLatin1String(securities[i]))
            ui_->security->setCurrentIndex(i);
    ui_->user->setText(setting("mail", "user"));
    // Not trimmed: a password may begin or end with a space.
    filePassword_ = DeviceSettings::value(QStringLiteral("mail"), QStringLiteral("password"));
    ui_->password->setText(filePassword_);
    if (!filePassword_.isEmpty())
        ui_->passwordNote->setText(phrase("SETTINGS_PASSWORD_IN_FILE"));
    else
        ui_->password->setPlaceholderText(phrase("SETTINGS_PASSWORD_UNCHANGED"));
    ui_->from->setText(setting("mail", "from"));
    ui_->senderName->setText(DeviceSettings::value(QStringLiteral("mail"), QStringLiteral("name")));
    ui_->sendmail->setText(setting("mail", "sendmail", QStringLiteral("/usr/sbin/sendmail")));

    // Contacts.
    ui_->useFolder->setChecked(isOn("use-folder"));
    ui_->useKPeople->setChecked(isOn("use-kpeople"));
    ui_->useEds->setChecked(isOn("use-eds"));
    ui_->contactsFolder->setText(setting("contacts", "folder"));
    ui_->contactsFolder->setPlaceholderText(Contacts::folder());
    edsSkipLoaded_ = DeviceSettings::listValue(QStringLiteral("contacts"), QLatin1String(Contacts::edsSkipKey));

    // Map.
    ui_->tileServer->setText(setting("map", "standard-url", QString::fromLatin1(MapSettings::kDefaultStandardUrl)));
    // An unknown link kind shows as the default, the first.
    const QString link = setting("message", "link").trimmed().toLower();
    ui_->messageLink->setCurrentIndex(0);
    for (int i = 0; i < static_cast<int>(std::size(messageLinks)); ++i)
        if (link == QLatin1String(messageLinks[i]))
            ui_->messageLink->setCurrentIndex(i);
    ui_->tileContact->setText(setting("map", "user-agent-contact"));
    ui_->standardMBTiles->setText(setting("map", "standard-mbtiles"));
    ui_->satelliteMBTiles->setText(setting("map", "satellite-mbtiles"));
}

void DeviceSettingsDialog::connectFields()
{
    const auto changed = [this] {
        updateVisibility();
        validate();
    };
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textChanged, this, changed);
    for (QComboBox* c : findChildren<QComboBox*>())
        connect(c, &QComboBox::currentIndexChanged, this, changed);
    for (QCheckBox* c : findChildren<QCheckBox*>())
        connect(c, &QCheckBox::toggled, this, changed);
    // The live status follows the source being set up, once the typing pauses.
    for (QWidget* w : QList<QWidget*>{ui_->locationHost, ui_->locationPort, ui_->nmeaDevice, ui_->replayFile})
        connect(qobject_cast<QLineEdit*>(w), &QLineEdit::textChanged, this, [this] { locationRestart_->start(); });
    connect(ui_->sourceCombo, &QComboBox::currentIndexChanged, this, [this] { locationRestart_->start(); });
    connect(ui_->password, &QLineEdit::textEdited, this, [this] { passwordTyped_ = true; });
    connect(ui_->saveButton, &QPushButton::clicked, this, &DeviceSettingsDialog::save);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &DeviceSettingsDialog::reject);
    connect(ui_->checkAccountButton, &QPushButton::clicked, this, &DeviceSettingsDialog::checkAccount);
    connect(ui_->sendTestButton, &QPushButton::clicked, this, &DeviceSettingsDialog::sendTestMessage);
    connect(ui_->refreshDevices, &QPushButton::clicked, this, &DeviceSettingsDialog::refreshDevices);
}

void DeviceSettingsDialog::updateVisibility()
{
    const int source = ui_->sourceCombo->currentIndex();
    const bool network = source == Gpsd || source == NmeaTcp;
    auto row = [](QWidget* field, bool on) {
        // The field's own form (each section has one).
        if (auto* form = qobject_cast<QFormLayout*>(field->parentWidget()->layout()))
            form->setRowVisible(field, on);
    };
    row(ui_->locationHost, network);
    row(ui_->locationPort, network);
    row(ui_->nmeaDevice, source == NmeaDevice);
    row(ui_->replayFile, source == Replay);
    const int sms = ui_->smsSender->currentIndex();
    row(ui_->modem, sms == Modem);
    row(ui_->phone, sms == KdeConnect);
    for (QWidget* w : QList<QWidget*>{ui_->refreshDevices, ui_->testNumber, ui_->sendTestButton})
        row(w, sms != NoSms);
    const int mail = ui_->transport->currentIndex();
    for (QWidget* w : QList<QWidget*>{ui_->server, ui_->security, ui_->mailPort, ui_->user, ui_->password,
                                      ui_->passwordNote, ui_->checkAccountButton})
        row(w, mail == Smtp);
    row(ui_->keepInFile, mail == Smtp && ui_->keepInFile->property("offered").toBool());
    row(ui_->from, mail != NoMail);
    row(ui_->senderName, mail != NoMail);
    row(ui_->sendmail, mail == Sendmail);
    row(ui_->contactsFolder, ui_->useFolder->isChecked());
    row(ui_->edsBooks, ui_->useEds->isChecked());
}

// Shows `problem` beside its field ("fooError" belongs to "foo"), or hides the row when
// there is none.
void DeviceSettingsDialog::showProblem(QLabel* errorLabel, const QString& problem)
{
    const bool another = errorLabel->isVisible() && !problem.isEmpty() && problem != errorLabel->text();
    errorLabel->setText(problem);
    if (another) {
        // Appearing is what is read out; a shown problem that changes appears anew.
        QAccessibleEvent hide(errorLabel, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hide);
        QAccessibleEvent show(errorLabel, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&show);
    }
    // The field describes itself by its problem, read out whenever it takes the focus.
    const QString field = errorLabel->objectName().chopped(int(qstrlen("Error")));
    if (auto* w = findChild<QWidget*>(field))
        w->setAccessibleDescription(problem);
    // Hidden rows hold no problem (their fields are not saved).
    if (auto* form = qobject_cast<QFormLayout*>(errorLabel->parentWidget()->layout()))
        form->setRowVisible(errorLabel, !problem.isEmpty());
}

bool DeviceSettingsDialog::setProblem(QLabel* errorLabel, const QString& problem)
{
    showProblem(errorLabel, problem);
    if (!problem.isEmpty())
        ++problems_;
    return problem.isEmpty();
}

void DeviceSettingsDialog::validate()
{
    problems_ = 0;
    const int source = ui_->sourceCombo->currentIndex();
    const bool network = source == Gpsd || source == NmeaTcp;
    setProblem(ui_->locationHostError, network ? hostProblem(ui_->locationHost->text().trimmed()) : QString());
    setProblem(ui_->locationPortError, network ? portProblem(ui_->locationPort->text().trimmed(), true) : QString());
    setProblem(ui_->nmeaDeviceError, source == NmeaDevice ? fileProblem(ui_->nmeaDevice->text().trimmed(), true) : QString());
    setProblem(ui_->replayFileError, source == Replay ? fileProblem(ui_->replayFile->text().trimmed(), true) : QString());

    // The test number only matters to the test, not to what is saved.
    const QString number = ui_->testNumber->text().trimmed();
    static const QRegularExpression dialable(QStringLiteral("^\\+?[0-9 ()./-]+$"));
    const QString numberProblem = number.isEmpty() || dialable.match(number).hasMatch() ? QString() : phrase("SETTINGS_ERR_NUMBER");
    showProblem(ui_->testNumberError, numberProblem);

    const int mail = ui_->transport->currentIndex();
    const QString server = ui_->server->text().trimmed();
    QString serverProblem = mail == Smtp ? hostProblem(server) : QString();
    if (serverProblem.isEmpty() && mail == Smtp && ui_->security->currentIndex() == 2 && !HostAddress::isLoopback(server))
        serverProblem = phrase("SETTINGS_ERR_NOT_LOOPBACK");
    setProblem(ui_->serverError, serverProblem);
    setProblem(ui_->mailPortError, mail == Smtp ? portProblem(ui_->mailPort->text().trimmed(), false) : QString());
    setProblem(ui_->fromError, mail == Smtp ? addressProblem(ui_->from->text().trimmed(), true)
                               : mail == Sendmail ? addressProblem(ui_->from->text().trimmed(), false)
                                                  : QString());
    QString sendmailProblem;
    if (mail == Sendmail) {
        const QFileInfo program(ui_->sendmail->text().trimmed());
        if (!program.isFile() || !program.isExecutable())
            sendmailProblem = stringWithFormat(phrase("SETTINGS_ERR_PROGRAM").toUtf8().constData(), ui_->sendmail->text().trimmed());
    }
    setProblem(ui_->sendmailError, sendmailProblem);

    QString folderProblem;
    const QString folder = ui_->contactsFolder->text().trimmed();
    if (ui_->useFolder->isChecked() && !folder.isEmpty()) {
        const QFileInfo f(folder.startsWith(QLatin1String("~/")) ? QDir::homePath() + folder.mid(1) : folder);
        if (!f.isDir())
            folderProblem = stringWithFormat(phrase("SETTINGS_ERR_FOLDER").toUtf8().constData(), folder);
    }
    setProblem(ui_->contactsFolderError, folderProblem);

    const QString url = ui_->tileServer->text().trimmed();
    const bool urlOk = url.isEmpty()
                       || ((url.startsWith(QLatin1String("https://")) || url.startsWith(QLatin1String("http://")))
                           && url.contains(QLatin1String("{z}")) && url.contains(QLatin1String("{x}"))
                           && url.contains(QLatin1String("{y}")) && !url.contains(u' '));
    setProblem(ui_->tileServerError, urlOk ? QString() : phrase("SETTINGS_ERR_URL"));
    const QString contact = ui_->tileContact->text().trimmed();
    const bool contactOk = contact.isEmpty() || contact.startsWith(QLatin1String("https://"))
                           || contact.startsWith(QLatin1String("http://")) || addressProblem(contact, false).isEmpty();
    setProblem(ui_->tileContactError, contactOk ? QString() : phrase("SETTINGS_ERR_CONTACT"));
    setProblem(ui_->standardMBTilesError, fileProblem(ui_->standardMBTiles->text().trimmed(), false));
    setProblem(ui_->satelliteMBTilesError, fileProblem(ui_->satelliteMBTiles->text().trimmed(), false));

    // Which sections hold the problems, since only one is in view.
    QStringList where;
    for (int i = 0; i < ui_->sections->count(); ++i) {
        const QList<QLabel*> labels = ui_->sections->widget(i)->findChildren<QLabel*>(QRegularExpression(QStringLiteral("Error$")));
        if (std::any_of(labels.begin(), labels.end(), [](const QLabel* l) { return !l->text().isEmpty(); }))
            where.append(ui_->sections->tabText(i));
    }
    ui_->formStatus->setText(problems_ > 0 ? stringWithFormat(phrase("SETTINGS_FIX_FIELDS").toUtf8().constData(),
                                                              where.join(QStringLiteral(", ")))
                                           : QString());
    ui_->formStatus->setVisible(problems_ > 0);
    ui_->saveButton->setEnabled(problems_ == 0 && !busy_);
    ui_->checkAccountButton->setEnabled(!busy_ && !checker_ && ui_->serverError->text().isEmpty()
                                        && ui_->fromError->text().isEmpty() && ui_->mailPortError->text().isEmpty());
    ui_->sendTestButton->setEnabled(!tester_ && !number.isEmpty() && numberProblem.isEmpty());
}

QString DeviceSettingsDialog::locationSource() const
{
    const QString host = ui_->locationHost->text().trimmed();
    const QString port = ui_->locationPort->text().trimmed();
    switch (ui_->sourceCombo->currentIndex()) {
    case GeoClue:
        return QStringLiteral("geoclue");
    case Gpsd:
        return QStringLiteral("gpsd:") + joinHostPort(host, port);
    case NmeaDevice:
        return QStringLiteral("nmea:") + ui_->nmeaDevice->text().trimmed();
    case NmeaTcp:
        return QStringLiteral("nmea:") + joinHostPort(host, port);
    case Replay:
        return QStringLiteral("replay:") + ui_->replayFile->text().trimmed();
    case Demo:
        return QStringLiteral("demo");
    default:
        // The location service's own default, so the file names no source.
        return QString();
    }
}

// Every key the dialog shows, as it would be written.
DeviceSettingsDialog::Values DeviceSettingsDialog::collect() const
{
    const int sms = ui_->smsSender->currentIndex();
    const int mail = ui_->transport->currentIndex();
    auto flag = [](const QCheckBox* c) { return c->isChecked() ? QStringLiteral("true") : QStringLiteral("false"); };
    return {
        {QStringLiteral("location/source"), locationSource()},
        {QStringLiteral("sms/sender"), sms == Modem ? QStringLiteral("modemmanager") : sms == KdeConnect ? QStringLiteral("kdeconnect") : QString()},
        {QStringLiteral("sms/modem"), ui_->modem->currentData().toString()},
        {QStringLiteral("sms/device"), ui_->phone->currentData().toString()},
        {QStringLiteral("mail/transport"), mail == Smtp ? QStringLiteral("smtp") : mail == Sendmail ? QStringLiteral("sendmail") : QString()},
        {QStringLiteral("mail/server"), ui_->server->text().trimmed()},
        {QStringLiteral("mail/port"), ui_->mailPort->text().trimmed()},
        {QStringLiteral("mail/security"), QString::fromLatin1(securities[std::max(0, ui_->security->currentIndex())])},
        {QStringLiteral("mail/user"), ui_->user->text().trimmed()},
        {QStringLiteral("mail/from"), ui_->from->text().trimmed()},
        {QStringLiteral("mail/name"), ui_->senderName->text()},
        {QStringLiteral("mail/sendmail"), ui_->sendmail->text().trimmed()},
        {QStringLiteral("contacts/folder"), ui_->contactsFolder->text().trimmed()},
        {QStringLiteral("contacts/use-folder"), flag(ui_->useFolder)},
        {QStringLiteral("contacts/use-kpeople"), flag(ui_->useKPeople)},
        {QStringLiteral("contacts/use-eds"), flag(ui_->useEds)},
        {QStringLiteral("contacts/") + QLatin1String(Contacts::edsSkipKey), edsSkipped()},
        {QStringLiteral("map/standard-url"), ui_->tileServer->text().trimmed()},
        {QStringLiteral("map/user-agent-contact"), ui_->tileContact->text().trimmed()},
        {QStringLiteral("map/standard-mbtiles"), ui_->standardMBTiles->text().trimmed()},
        {QStringLiteral("map/satellite-mbtiles"), ui_->satelliteMBTiles->text().trimmed()},
        {QStringLiteral("message/link"), QString::fromLatin1(messageLinks[std::max(0, ui_->messageLink->currentIndex())])},
    };
}

SmtpAccount DeviceSettingsDialog::account() const
{
    SmtpAccount a;
    a.server = ui_->server->text().trimmed();
    a.port = ui_->mailPort->text().trimmed().toInt();
    a.security = QString::fromLatin1(securities[std::max(0, ui_->security->currentIndex())]);
    a.user = ui_->user->text().trimmed();
    a.password = ui_->password->text();
    a.fromAddress = ui_->from->text().trimmed();
    a.fromName = ui_->senderName->text();
    a.caFile = setting("mail", "cafile");
    a.timeoutMs = 30000;
    return a;
}

void DeviceSettingsDialog::setBusy(bool busy)
{
    busy_ = busy;
    validate();
}

void DeviceSettingsDialog::save()
{
    validate();
    if (!isValid() || busy_)
        return;
    const Values values = collect();
    const bool smtp = ui_->transport->currentIndex() == Smtp;
    const QString user = ui_->user->text().trimmed();
    const QString newKey = smtp && !user.isEmpty() ? Keyring::smtpKey(user, ui_->server->text()) : QString();
    const auto initially = [this](const char* key) {
        for (const auto& [k, v] : std::as_const(initial_))
            if (k == QLatin1String(key))
                return v;
        return QString();
    };
    const QString oldUser = initially("mail/user");
    const QString oldKey = oldUser.isEmpty() ? QString() : Keyring::smtpKey(oldUser, initially("mail/server"));
    // Another user or server: the old account's password is forgotten, and never goes to the
    // new account unless typed again.
    const bool forgetOld = smtp && !oldKey.isEmpty() && oldKey != newKey;
    const QString password = forgetOld && !passwordTyped_ ? QString() : ui_->password->text();
    if (smtp && !password.isEmpty() && ui_->keepInFile->isChecked()) {
        write(values, true, false);
        return;
    }
    const bool toKeyring = !newKey.isEmpty() && !password.isEmpty();
    // Kept in the keyring now, so out of the file; an emptied field takes it out too.
    const bool outOfFile = toKeyring || (!filePassword_.isEmpty() && password.isEmpty());
    if (!toKeyring && !forgetOld) {
        write(values, false, outOfFile);
        return;
    }
    setBusy(true);
    ui_->passwordNote->setText(phrase("SETTINGS_SAVING"));
    const QPointer<DeviceSettingsDialog> self(this);
    auto finish = [self, values, outOfFile](const KeyringAnswer& answer) {
        if (!self)
            return;
        self->setBusy(false);
        if (answer.status != KeyringAnswer::Ok) {
            self->keyringFailed(answer);
            return;
        }
        self->write(values, false, outOfFile);
    };
    auto forget = [self, oldKey, forgetOld, finish](const KeyringAnswer& written) {
        if (!self)
            return;
        if (!forgetOld || written.status != KeyringAnswer::Ok) {
            finish(written);
            return;
        }
        self->keyring_->deletePassword(oldKey, [finish](const KeyringAnswer& answer) {
            // Without a Secret Service there is no old entry to remove.
            finish(answer.status == KeyringAnswer::Unavailable ? KeyringAnswer{KeyringAnswer::Ok, {}, {}} : answer);
        });
    };
    if (toKeyring)
        keyring_->writePassword(newKey, password, forget);
    else
        forget(KeyringAnswer{KeyringAnswer::Ok, {}, {}});
}

void DeviceSettingsDialog::keyringFailed(const KeyringAnswer& answer)
{
    const QString why = answer.status == KeyringAnswer::Unavailable ? phrase("SETTINGS_KEYRING_ABSENT")
                        : answer.status == KeyringAnswer::Denied    ? phrase("SETTINGS_KEYRING_LOCKED")
                                                                    : answer.error;
    NSLog("Settings: the password could not be kept in the keyring: %@", why);
    ui_->passwordNote->setText(stringWithFormat(phrase("SETTINGS_KEYRING_FAILED").toUtf8().constData(), why));
    ui_->keepInFile->setProperty("offered", true);
    ui_->keepInFile->setVisible(true);
    updateVisibility();
    ui_->sections->setCurrentWidget(ui_->mailTab);
    ui_->keepInFile->setFocus();
}

void DeviceSettingsDialog::write(const Values& values, bool passwordInFile, bool removePassword)
{
    QList<std::pair<QString, QVariant>> changes;
    for (qsizetype i = 0; i < values.size(); ++i) {
        // Only what the user changed, so that a key the file leaves out keeps its default.
        if (values.at(i).second == initial_.value(i).second)
            continue;
        const QString& v = values.at(i).second;
        // The books left out are a list, one item each, as a person would write them.
        const bool list = values.at(i).first.endsWith(QLatin1String(Contacts::edsSkipKey));
        changes.append({values.at(i).first, v.isEmpty() ? QVariant() : list ? QVariant(v.split(u'\n')) : QVariant(v)});
    }
    if (passwordInFile)
        changes.append({QStringLiteral("mail/password"), ui_->password->text()});
    else if (removePassword)
        changes.append({QStringLiteral("mail/password"), QVariant()});
    if (!DeviceSettings::setValues(changes)) {
        ui_->formStatus->setText(stringWithFormat(phrase("SETTINGS_WRITE_FAILED").toUtf8().constData(), DeviceSettings::path()));
        ui_->formStatus->setVisible(true);
        return;
    }
    NSLog("Settings: saved %@", DeviceSettings::path());
    emit saved();
    accept();
}

// Evolution Data Server's books, listed on a worker thread: the service may be slow to start
// or absent, and the dialog answers meanwhile.
void DeviceSettingsDialog::listAddressBooks()
{
    ui_->edsBooksStatus->setText(phrase("SETTINGS_EDS_LISTING"));
    auto cancel = std::make_shared<Contacts::Cancellation>();
    edsListing_ = cancel;
    const QPointer<DeviceSettingsDialog> self(this);
    QThreadPool::globalInstance()->start([self, cancel] {
        std::optional<QList<Contacts::AddressBook>> books = Contacts::listEvolutionDataServer(*cancel);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, cancel, books = std::move(books)] {
            if (self && !cancel->isCancelled())
                self->showAddressBooks(books);
        }, Qt::QueuedConnection);
    });
}

void DeviceSettingsDialog::showAddressBooks(const std::optional<QList<Contacts::AddressBook>>& books)
{
    edsListing_.reset();
    ui_->edsBooksStatus->setText(!books ? phrase("SETTINGS_EDS_ABSENT") : books->isEmpty() ? phrase("SETTINGS_EDS_NONE") : QString());
    ui_->edsBooksStatus->setVisible(!books || books->isEmpty());
    if (!books)
        return;
    QStringList names;
    for (const Contacts::AddressBook& book : *books)
        names.append(book.name);
    for (const Contacts::AddressBook& book : *books) {
        auto* check = new QCheckBox(QString(book.name).replace(u'&', QLatin1String("&&")), ui_->edsBooks);
        check->setObjectName(QStringLiteral("edsBook:") + book.uid);
        check->setAccessibleName(book.name);
        // Saved by name, as a person would write it, unless two books share the name.
        check->setProperty("saveAs", names.count(book.name) > 1 || book.name.isEmpty() ? book.uid : book.name);
        check->setChecked(!book.isNamedIn(edsSkipLoaded_));
        ui_->edsBooksLayout->addWidget(check);
        edsBookChecks_.append(check);
    }
    if (!edsBookChecks_.isEmpty())
        ui_->edsBooksLabel->setBuddy(edsBookChecks_.first());
    // The file's own words stand until the user changes a check.
    for (auto& [key, value] : initial_)
        if (key.endsWith(QLatin1String(Contacts::edsSkipKey)))
            value = edsSkipped();
}

// The books left out, one a line: those of the file that were not listed (switched off in
// the system now, or written by hand), then the unchecked ones.
QString DeviceSettingsDialog::edsSkipped() const
{
    QStringList out;
    for (const QString& name : edsSkipLoaded_) {
        const bool listed = std::any_of(edsBookChecks_.begin(), edsBookChecks_.end(), [&name](const QCheckBox* c) {
            return c->property("saveAs").toString().compare(name, Qt::CaseInsensitive) == 0
                   || c->objectName().mid(8) == name || c->accessibleName().compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!listed)
            out.append(name);
    }
    for (const QCheckBox* c : edsBookChecks_)
        if (!c->isChecked())
            out.append(c->property("saveAs").toString());
    out.removeDuplicates();
    return out.join(u'\n');
}

void DeviceSettingsDialog::checkAccount()
{
    if (checker_)
        return;
    ui_->mailStatus->setText(phrase("SETTINGS_CHECKING"));
    checker_ = std::make_unique<SmtpSender>(account(), keyring_);
    validate();
    checker_->checkAccount([this](bool ok, const QString& answer) {
        ui_->mailStatus->setText(stringWithFormat(phrase(ok ? "SETTINGS_CHECK_OK" : "SETTINGS_CHECK_FAILED").toUtf8().constData(), answer));
        // Not inside the sender's own call.
        QTimer::singleShot(0, this, [this] {
            checker_.reset();
            validate();
        });
    });
}

void DeviceSettingsDialog::sendTestMessage()
{
    if (tester_)
        return;
    const int sms = ui_->smsSender->currentIndex();
    if (sms == Modem) {
        ModemManagerOptions o;
        o.busAddress = setting("sms", "bus");
        o.modemPath = ui_->modem->currentData().toString();
        tester_ = std::make_unique<ModemManagerSender>(o);
    } else if (sms == KdeConnect) {
        KdeConnectOptions o;
        o.program = setting("sms", "program", o.program);
        o.deviceId = ui_->phone->currentData().toString();
        tester_ = std::make_unique<KdeConnectSender>(o);
    } else {
        return;
    }
    ui_->smsStatus->setText(phrase("SETTINGS_SENDING_TEST"));
    validate();
    tester_->send(ui_->testNumber->text().trimmed(), phrase("SETTINGS_TEST_TEXT"), [this](bool sent, const QString& error) {
        ui_->smsStatus->setText(sent ? phrase("SETTINGS_TEST_SENT")
                                     : stringWithFormat(phrase("SETTINGS_TEST_FAILED").toUtf8().constData(), error));
        QTimer::singleShot(0, this, [this] {
            tester_.reset();
            validate();
        });
    });
}

// The modems with messaging on ModemManager's bus and the reachable KDE Connect phones,
// asked without waiting, put beside the "first one found" entry.
void DeviceSettingsDialog::refreshDevices()
{
    ModemManagerOptions o;
    o.busAddress = setting("sms", "bus");
    auto* lister = new ModemManagerSender(o, this);
    const QPointer<QComboBox> modems(ui_->modem);
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
    const QPointer<QComboBox> phones(ui_->phone);
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

void DeviceSettingsDialog::watchLocation()
{
    location_.reset();
    if (!ui_->locationHostError->text().isEmpty() || !ui_->locationPortError->text().isEmpty()
        || !ui_->nmeaDeviceError->text().isEmpty() || !ui_->replayFileError->text().isEmpty()) {
        ui_->locationStatus->setText(QString());
        return;
    }
    location_ = LocationManager::forSource(locationSource());
    ui_->locationStatus->setText(phrase("SETTINGS_STATUS_WAITING"));
    connect(location_.get(), &LocationManager::locationUpdated, this, [this](const Location& l) {
        ui_->locationStatus->setText(stringWithFormat(phrase("SETTINGS_STATUS_FIX").toUtf8().constData(),
                                                      l.coordinate.latitude, l.coordinate.longitude));
    });
    connect(location_.get(), &LocationManager::failed, this, [this](const LocationError& e) {
        ui_->locationStatus->setText(stringWithFormat(phrase("SETTINGS_STATUS_FAILED").toUtf8().constData(), e.cause));
    });
    location_->startUpdatingLocation();
}
