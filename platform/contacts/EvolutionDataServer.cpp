// Evolution Data Server's address books through the module that links libebook, opened at
// the first read (on a worker thread, so the window never waits for it).
#include "platform/contacts/Contacts.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Modules.h"

namespace Contacts {

QList<Person> readEvolutionDataServer(const Cancellation& cancel)
{
    using Read = void (*)(const Cancellation*, QList<Person>*);
    QString error;
    void* module = Modules::open(QStringLiteral("addressbooks"), &error);
    const auto read = reinterpret_cast<Read>(Modules::symbol(module, "quorvel_read_evolution_data_server"));
    if (!read) {
        NSLog("Contacts: Evolution Data Server cannot be read: %@", module ? QStringLiteral("the module lacks its reader") : error);
        return {};
    }
    QList<Person> people;
    read(&cancel, &people);
    return people;
}

} // namespace Contacts
