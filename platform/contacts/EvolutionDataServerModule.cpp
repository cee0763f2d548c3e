// The address books of Evolution Data Server (GNOME Contacts, Phosh, Chatty keep theirs
// there), read through libebook's blocking calls on the caller's thread, which is never the
// window's. Built as the module "addressbooks" (libebook brings some sixty libraries), which
// EvolutionDataServer.cpp opens at the first read.
#include "platform/contacts/Contacts.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/ModuleEntry.h"

#pragma push_macro("signals")
#undef signals
#include <libebook/libebook.h>
#pragma pop_macro("signals")

namespace Contacts {

namespace {

QString text(const char* s)
{
    return s ? QString::fromUtf8(s).trimmed() : QString();
}

// A list field of EContact (TEL, EMAIL) in the card's order.
QStringList values(EContact* contact, EContactField field)
{
    QStringList out;
    auto* list = static_cast<GList*>(e_contact_get(contact, field));
    for (GList* l = list; l; l = l->next)
        if (const QString v = text(static_cast<const char*>(l->data)); !v.isEmpty())
            out.append(v);
    g_list_free_full(list, g_free);
    return out;
}

Person personOf(EContact* contact, const QString& book)
{
    Person p;
    p.formattedName = text(static_cast<const char*>(e_contact_get_const(contact, E_CONTACT_FULL_NAME)));
    p.familyName = text(static_cast<const char*>(e_contact_get_const(contact, E_CONTACT_FAMILY_NAME)));
    p.givenName = text(static_cast<const char*>(e_contact_get_const(contact, E_CONTACT_GIVEN_NAME)));
    p.organization = text(static_cast<const char*>(e_contact_get_const(contact, E_CONTACT_ORG)));
    p.phoneNumbers = values(contact, E_CONTACT_TEL);
    p.emailAddresses = values(contact, E_CONTACT_EMAIL);
    p.addressBook = book;
    return p;
}

QString why(const GError* error)
{
    return error ? QString::fromUtf8(error->message) : QStringLiteral("no reason given");
}

// Runs `use` with the source registry on a main context of this thread's own, since the
// blocking calls run their own loop and must keep it off the window thread's default
// context. False when the service does not answer.
bool withRegistry(const Cancellation& cancel, const std::function<void(ESourceRegistry*, GCancellable*)>& use)
{
    GCancellable* cancellable = g_cancellable_new();
    cancel.watch([cancellable] { g_cancellable_cancel(cancellable); });
    GMainContext* context = g_main_context_new();
    g_main_context_push_thread_default(context);
    GError* error = nullptr;
    ESourceRegistry* registry = e_source_registry_new_sync(cancellable, &error);
    if (!registry) {
        if (!cancel.isCancelled())
            NSLog("Contacts: Evolution Data Server is not reachable: %@", why(error));
        g_clear_error(&error);
    } else {
        use(registry, cancellable);
        g_object_unref(registry);
    }
    g_main_context_pop_thread_default(context);
    g_main_context_unref(context);
    cancel.watch({});
    g_object_unref(cancellable);
    return registry != nullptr;
}

AddressBook bookOf(ESource* source)
{
    return {text(e_source_get_uid(source)), text(e_source_get_display_name(source))};
}

QList<Person> readBooks(const Cancellation& cancel, const QStringList& skipped)
{
    QList<Person> people;
    withRegistry(cancel, [&](ESourceRegistry* registry, GCancellable* cancellable) {
        GList* sources = e_source_registry_list_enabled(registry, E_SOURCE_EXTENSION_ADDRESS_BOOK);
        for (GList* l = sources; l && !cancel.isCancelled(); l = l->next) {
            auto* source = static_cast<ESource*>(l->data);
            const AddressBook book = bookOf(source);
            if (book.isNamedIn(skipped))
                continue;
            const QString& name = book.name;
            GError* error = nullptr;
            EClient* client = e_book_client_connect_sync(source, 2, cancellable, &error);
            if (!client) {
                if (!cancel.isCancelled())
                    NSLog("Contacts: the address book \"%@\" could not be opened: %@", name, why(error));
                g_clear_error(&error);
                continue;
            }
            GSList* contacts = nullptr;
            EBookQuery* all = e_book_query_any_field_contains("");
            gchar* sexp = e_book_query_to_string(all);
            e_book_query_unref(all);
            const gboolean read = e_book_client_get_contacts_sync(E_BOOK_CLIENT(client), sexp, &contacts, cancellable, &error);
            g_free(sexp);
            if (read) {
                for (GSList* c = contacts; c; c = c->next)
                    people.append(personOf(E_CONTACT(c->data), name));
                g_slist_free_full(contacts, g_object_unref);
            } else {
                if (!cancel.isCancelled())
                    NSLog("Contacts: the address book \"%@\" could not be read: %@", name, why(error));
                g_clear_error(&error);
            }
            g_object_unref(client);
        }
        g_list_free_full(sources, g_object_unref);
    });
    return people;
}

std::optional<QList<AddressBook>> listBooks(const Cancellation& cancel)
{
    QList<AddressBook> books;
    const bool reached = withRegistry(cancel, [&books](ESourceRegistry* registry, GCancellable*) {
        GList* sources = e_source_registry_list_enabled(registry, E_SOURCE_EXTENSION_ADDRESS_BOOK);
        for (GList* l = sources; l; l = l->next)
            books.append(bookOf(static_cast<ESource*>(l->data)));
        g_list_free_full(sources, g_object_unref);
    });
    if (!reached)
        return std::nullopt;
    std::stable_sort(books.begin(), books.end(), [](const AddressBook& a, const AddressBook& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return books;
}

} // namespace

} // namespace Contacts

class EvolutionDataServerPlugin : public QObject, public QuorvelModule, public Contacts::EvolutionDataServerModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorvel.EvolutionDataServerModule/1")
    Q_INTERFACES(QuorvelModule Contacts::EvolutionDataServerModule)
public:
    void setLogWriter(QuorvelModuleLogWriter writer) override { setModuleLogWriter(writer); }
    QList<Person> read(const Contacts::Cancellation& cancel, const QStringList& skipped) override
    {
        return Contacts::readBooks(cancel, skipped);
    }
    std::optional<QList<Contacts::AddressBook>> list(const Contacts::Cancellation& cancel) override
    {
        return Contacts::listBooks(cancel);
    }
};

#include "EvolutionDataServerModule.moc"
