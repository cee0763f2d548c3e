#pragma once
// People from the user's vCard files: a person with lists of phone numbers and e-mail
// addresses. The reader takes bytes and returns people, so it can be fed directly.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

enum class PersonProperty { Phone, Email };

struct Person {
    QString formattedName;   // FN
    QString familyName;      // N, first component
    QString givenName;       // N, second component
    QString organization;    // ORG, first component
    QStringList phoneNumbers;    // TEL, in file order
    QStringList emailAddresses;  // EMAIL, in file order

    // The values of one multi-value property, in file order.
    QStringList copyValue(PersonProperty property) const
    {
        return property == PersonProperty::Phone ? phoneNumbers : emailAddresses;
    }
    // The name to show: FN, else "Given Family", else the organisation, else the first
    // address or number.
    QString displayName() const;
};

namespace VCard {

// Called for each line that was skipped, with its 1-based line number and why.
using Problem = std::function<void(int line, const QString& reason)>;

// Every card in `data` (vCard 2.1, 3.0 and 4.0). Damaged lines are skipped and reported;
// the rest of the data is still read.
QList<Person> parse(const QByteArray& data, const Problem& problem = {});

} // namespace VCard

namespace Contacts {

// "folder" in [contacts] of the device settings, else quorvel/contacts in the per-user
// data location.
QString folder();
// Everyone in the *.vcf and *.vcard files of `folder`, sorted by name; a missing folder
// gives nobody. Skipped lines are logged.
QList<Person> readFolder(const QString& folder);

} // namespace Contacts
