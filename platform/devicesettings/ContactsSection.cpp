#include "platform/devicesettings/ContactsSection.h"
#include "platform/contacts/Contacts.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Format.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QThreadPool>
#include <QVBoxLayout>

namespace {
bool isOn(const char* key)
{
    const QString v = SettingsSection::setting("contacts", key).toLower();
    return v != QLatin1String("false") && v != QLatin1String("0") && v != QLatin1String("no");
}
} // namespace

ContactsSection::ContactsSection(QWidget* parent) : SettingsSection(QStringLiteral("contactsTabContent"), parent)
{
    useFolder_ = addLine<QCheckBox>("useFolder");
    useFolder_->setText(tr("Read a folder of vCard files"));
    folder_ = addField<QLineEdit>(tr("vCard folder"), "contactsFolder");
    useKPeople_ = addLine<QCheckBox>("useKPeople");
    useKPeople_->setText(tr("KPeople's address book (Plasma)"));
    useEds_ = addLine<QCheckBox>("useEds");
    useEds_->setText(tr("Evolution Data Server (GNOME, Phosh)"));
    for (QCheckBox* c : {useFolder_, useKPeople_, useEds_})
        c->setAccessibleName(c->text());
    books_ = addField<QWidget>(tr("Address books to read"), "edsBooks", false);
    booksLayout_ = new QVBoxLayout(books_);
    booksLayout_->setContentsMargins(0, 0, 0, 0);
    booksStatus_ = new QLabel(books_);
    booksStatus_->setObjectName(QStringLiteral("edsBooksStatus"));
    booksStatus_->setWordWrap(true);
    booksStatus_->setAccessibleName(tr("Address books of Evolution Data Server"));
    booksLayout_->addWidget(booksStatus_);
    load();
    updateVisibility();
    reportChanges();
    connect(this, &SettingsSection::changed, this, &ContactsSection::updateVisibility);
    listAddressBooks();
}

ContactsSection::~ContactsSection()
{
    if (edsListing_)
        edsListing_->cancel();
}

void ContactsSection::load()
{
    useFolder_->setChecked(isOn("use-folder"));
    useKPeople_->setChecked(isOn("use-kpeople"));
    useEds_->setChecked(isOn("use-eds"));
    folder_->setText(setting("contacts", "folder"));
    folder_->setPlaceholderText(Contacts::folder());
    edsSkipLoaded_ = DeviceSettings::listValue(QStringLiteral("contacts"), QLatin1String(Contacts::edsSkipKey));
}

void ContactsSection::updateVisibility()
{
    showField(folder_, useFolder_->isChecked());
    showField(books_, useEds_->isChecked());
}

int ContactsSection::validate()
{
    QString problem;
    const QString folder = folder_->text().trimmed();
    if (useFolder_->isChecked() && !folder.isEmpty()) {
        const QFileInfo f(DeviceSettings::expandHome(folder));
        if (!f.isDir())
            problem = stringWithFormat(tr("There is no folder %@.").toUtf8().constData(), folder);
    }
    return setProblem(folder_, problem);
}

SettingsSection::Values ContactsSection::collect() const
{
    auto flag = [](const QCheckBox* c) { return c->isChecked() ? QStringLiteral("true") : QStringLiteral("false"); };
    return {
        {QStringLiteral("contacts/folder"), folder_->text().trimmed()},
        {QStringLiteral("contacts/use-folder"), flag(useFolder_)},
        {QStringLiteral("contacts/use-kpeople"), flag(useKPeople_)},
        {QStringLiteral("contacts/use-eds"), flag(useEds_)},
        {QStringLiteral("contacts/") + QLatin1String(Contacts::edsSkipKey), edsSkipped()},
    };
}

// Evolution Data Server's books, listed on a worker thread: the service may be slow to start
// or absent, and the dialog answers meanwhile.
void ContactsSection::listAddressBooks()
{
    booksStatus_->setText(tr("Looking for the address books…"));
    auto cancel = std::make_shared<Contacts::Cancellation>();
    edsListing_ = cancel;
    const QPointer<ContactsSection> self(this);
    QThreadPool::globalInstance()->start([self, cancel] {
        std::optional<QList<Contacts::AddressBook>> books = Contacts::listEvolutionDataServer(*cancel);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, cancel, books = std::move(books)] {
            if (self && !cancel->isCancelled())
                self->showAddressBooks(books);
        }, Qt::QueuedConnection);
    });
}

void ContactsSection::showAddressBooks(const std::optional<QList<Contacts::AddressBook>>& books)
{
    edsListing_.reset();
    booksStatus_->setText(!books ? tr("Evolution Data Server does not answer on this device, so its address books "
                                      "cannot be listed. All of them are read when it runs.")
                          : books->isEmpty() ? tr("Evolution Data Server has no enabled address books.")
                                             : QString());
    booksStatus_->setVisible(!books || books->isEmpty());
    if (!books)
        return;
    QStringList names;
    for (const Contacts::AddressBook& book : *books)
        names.append(book.name);
    for (const Contacts::AddressBook& book : *books) {
        auto* check = new QCheckBox(QString(book.name).replace(u'&', QLatin1String("&&")), books_);
        check->setObjectName(QStringLiteral("edsBook:") + book.uid);
        check->setAccessibleName(book.name);
        // Saved by name, as a person would write it, unless two books share the name.
        check->setProperty("saveAs", names.count(book.name) > 1 || book.name.isEmpty() ? book.uid : book.name);
        check->setChecked(!book.isNamedIn(edsSkipLoaded_));
        booksLayout_->addWidget(check);
        edsBookChecks_.append(check);
        connect(check, &QCheckBox::toggled, this, &SettingsSection::changed);
    }
    if (!edsBookChecks_.isEmpty())
        findChild<QLabel*>(QStringLiteral("edsBooksLabel"))->setBuddy(edsBookChecks_.first());
    emit booksListed();
}

// The books left out, one a line: those of the file that were not listed (switched off in
// the system now, or written by hand), then the unchecked ones.
QString ContactsSection::edsSkipped() const
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
