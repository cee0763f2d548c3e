// Evolution Data Server's address books through the module that links libebook, opened at
// the first read (on a worker thread, so the window never waits for it).
#include "platform/contacts/Contacts.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Modules.h"

namespace Contacts {

namespace {

// The module, or nullptr with the reason logged.
EvolutionDataServerModule* module()
{
    QString error;
    auto* m = Modules::get<EvolutionDataServerModule>(QStringLiteral("addressbooks"), &error);
    if (!m)
        NSLog("Contacts: Evolution Data Server cannot be read: %@", error);
    return m;
}

} // namespace

QList<Person> readEvolutionDataServer(const Cancellation& cancel, const QStringList& skipped)
{
    EvolutionDataServerModule* m = module();
    return m ? m->read(cancel, skipped) : QList<Person>();
}

std::optional<QList<AddressBook>> listEvolutionDataServer(const Cancellation& cancel)
{
    EvolutionDataServerModule* m = module();
    return m ? m->list(cancel) : std::nullopt;
}

} // namespace Contacts
