// Evolution Data Server's address books through the module that links libebook, opened at
// the first read (on a worker thread, so the window never waits for it).
#include "platform/contacts/Contacts.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Modules.h"

namespace Contacts {

namespace {

// The module's function `name`, or nullptr with the reason logged.
void* entry(const char* name)
{
    QString error;
    void* module = Modules::open(QStringLiteral("addressbooks"), &error);
    void* fn = Modules::symbol(module, name);
    if (!fn)
        NSLog("Contacts: Evolution Data Server cannot be read: %@",
              module ? QStringLiteral("the module lacks %1").arg(QLatin1String(name)) : error);
    return fn;
}

} // namespace

QList<Person> readEvolutionDataServer(const Cancellation& cancel, const QStringList& skipped)
{
    using Read = void (*)(const Cancellation*, const QStringList*, QList<Person>*);
    QList<Person> people;
    if (const auto read = reinterpret_cast<Read>(entry("quorvel_read_evolution_data_server")))
        read(&cancel, &skipped, &people);
    return people;
}

std::optional<QList<AddressBook>> listEvolutionDataServer(const Cancellation& cancel)
{
    using List = bool (*)(const Cancellation*, QList<AddressBook>*);
    QList<AddressBook> books;
    const auto list = reinterpret_cast<List>(entry("quorvel_list_evolution_data_server"));
    if (!list || !list(&cancel, &books))
        return std::nullopt;
    return books;
}

} // namespace Contacts
