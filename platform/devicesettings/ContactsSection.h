#pragma once
// Which address books the contact picker reads (contacts/…): a vCard folder, KPeople's, and
// Evolution Data Server's books, listed off the window's thread, each with a check.

#include "platform/devicesettings/SettingsSection.h"

#include <memory>
#include <optional>

namespace Contacts {
class Cancellation;
struct AddressBook;
}
class QCheckBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;

class ContactsSection : public SettingsSection {
    Q_OBJECT
public:
    explicit ContactsSection(QWidget* parent = nullptr);
    ~ContactsSection() override;

    QString title() const override { return tr("Contacts"); }
    Values collect() const override;
    int validate() override;
    // The books left out, one a line, as contacts/eds-skip would hold them.
    QString edsSkipped() const;

signals:
    // The books are listed; until a check changes, the file's own words stand.
    void booksListed();

private:
    void load();
    void updateVisibility();
    void listAddressBooks();
    void showAddressBooks(const std::optional<QList<Contacts::AddressBook>>& books);

    QCheckBox* useFolder_;
    QLineEdit* folder_;
    QCheckBox* useKPeople_;
    QCheckBox* useEds_;
    QWidget* books_;
    QVBoxLayout* booksLayout_;
    QLabel* booksStatus_;
    // The address books left out as the file has them, and a check for each listed book.
    QStringList edsSkipLoaded_;
    QList<QCheckBox*> edsBookChecks_;
    std::shared_ptr<Contacts::Cancellation> edsListing_;
};
