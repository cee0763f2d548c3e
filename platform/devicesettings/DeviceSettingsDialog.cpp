#include "platform/devicesettings/DeviceSettingsDialog.h"
#include "platform/contacts/Contacts.h"
#include "platform/devicesettings/ContactsSection.h"
#include "platform/devicesettings/MapSection.h"
#include "platform/devicesettings/MessagesSection.h"
#include "platform/devicesettings/PositionSection.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Keyring.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/TouchScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

DeviceSettingsDialog::DeviceSettingsDialog(std::shared_ptr<Keyring> keyring, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("deviceSettings"));
    setWindowTitle(tr("Device settings"));
    setAccessibleName(windowTitle());
    resize(360, 640);
    auto* root = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("sections"));
    tabs_->setAccessibleName(tr("Sections"));
    // Screen readers move between the sections by their tabs, so the tab list is named too.
    tabs_->tabBar()->setAccessibleName(tabs_->accessibleName());
    tabs_->setUsesScrollButtons(true);
    tabs_->setElideMode(Qt::ElideNone);
    root->addWidget(tabs_);
    addSection(position_ = new PositionSection, "locationTab");
    addSection(messages_ = new MessagesSection, "smsTab");
    addSection(mail_ = new MailSection(keyring ? std::move(keyring) : Keyring::secretService()), "mailTab");
    addSection(contacts_ = new ContactsSection, "contactsTab");
    addSection(new MapSection, "mapTab");

    formStatus_ = new QLabel(this);
    formStatus_->setObjectName(QStringLiteral("formStatus"));
    formStatus_->setTextFormat(Qt::PlainText);
    formStatus_->setWordWrap(true);
    formStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    root->addWidget(formStatus_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    save_ = new QPushButton(tr("Save"), this);
    save_->setObjectName(QStringLiteral("saveButton"));
    for (QPushButton* b : {cancel, save_}) {
        b->setAccessibleName(b->text());
        buttons->addWidget(b);
    }
    root->addLayout(buttons);
    // Return in a field saves; on a button it presses the button with the focus ring, which
    // is what the ring promises.
    save_->setDefault(true);

    initial_ = collect();
    connect(contacts_, &ContactsSection::booksListed, this, [this] {
        // The file's own words stand until the user changes a check.
        for (auto& [key, value] : initial_)
            if (key.endsWith(QLatin1String(Contacts::edsSkipKey)))
                value = contacts_->edsSkipped();
    });
    connect(mail_, &MailSection::busyChanged, this, &DeviceSettingsDialog::setBusy);
    connect(mail_, &MailSection::needsAttention, this, [this] { tabs_->setCurrentWidget(findChild<QScrollArea*>(QStringLiteral("mailTab"))); });
    connect(save_, &QPushButton::clicked, this, &DeviceSettingsDialog::save);
    connect(cancel, &QPushButton::clicked, this, &DeviceSettingsDialog::reject);
    validate();
}

DeviceSettingsDialog::~DeviceSettingsDialog() = default;

void DeviceSettingsDialog::addSection(SettingsSection* section, const char* tabName)
{
    auto* area = new QScrollArea(tabs_);
    area->setObjectName(QLatin1String(tabName));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(section);
    enableTouchScrolling(area);
    keepFocusInView(area);
    tabs_->addTab(area, section->title());
    sections_.append(section);
    connect(section, &SettingsSection::changed, this, &DeviceSettingsDialog::validate);
}

DeviceSettingsDialog* DeviceSettingsDialog::present(QWidget* parent)
{
    static QPointer<DeviceSettingsDialog> open;
    if (!open) {
        open = new DeviceSettingsDialog({}, parent);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    showFitting(open);
    open->raise();
    open->activateWindow();
    NSLog("Settings: shown");
    return open;
}

void DeviceSettingsDialog::validate()
{
    problems_ = 0;
    // Which sections hold the problems, since only one is in view.
    QStringList where;
    for (SettingsSection* s : std::as_const(sections_)) {
        problems_ += s->validate();
        if (s->showsProblem())
            where.append(s->title());
    }
    formStatus_->setText(problems_ > 0 ? stringWithFormat(tr("Correct the marked fields to save: %@.").toUtf8().constData(),
                                                          where.join(QStringLiteral(", ")))
                                       : QString());
    formStatus_->setVisible(problems_ > 0);
    save_->setEnabled(problems_ == 0 && !busy_);
}

// Every key the dialog shows, as it would be written.
DeviceSettingsDialog::Values DeviceSettingsDialog::collect() const
{
    Values all;
    for (const SettingsSection* s : sections_)
        all += s->collect();
    return all;
}

void DeviceSettingsDialog::setBusy(bool busy)
{
    busy_ = busy;
    for (SettingsSection* s : std::as_const(sections_))
        s->setBusy(busy);
    validate();
}

void DeviceSettingsDialog::checkAccount()
{
    mail_->checkAccount();
}

void DeviceSettingsDialog::sendTestMessage()
{
    messages_->sendTestMessage();
}

void DeviceSettingsDialog::save()
{
    validate();
    if (!isValid() || busy_)
        return;
    const Values values = collect();
    const QPointer<DeviceSettingsDialog> self(this);
    mail_->keepPassword([self, values](const MailSection::FilePassword& password) {
        if (self)
            self->write(values, password);
    });
}

void DeviceSettingsDialog::write(const Values& values, const MailSection::FilePassword& password)
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
    if (password.write)
        changes.append({QStringLiteral("mail/password"), password.password});
    else if (password.remove)
        changes.append({QStringLiteral("mail/password"), QVariant()});
    if (!DeviceSettings::setValues(changes)) {
        formStatus_->setText(stringWithFormat(tr("%@ could not be written; nothing was saved.").toUtf8().constData(),
                                              DeviceSettings::path()));
        formStatus_->setVisible(true);
        return;
    }
    NSLog("Settings: saved %@", DeviceSettings::path());
    emit saved();
    accept();
}
