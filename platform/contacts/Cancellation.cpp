// A GCancellable, which both the address book calls and our own file readers watch; apart
// from the address books so that the readers need GLib only.
// GLib first: Qt's headers define "signals", a name GLib's use.
#include <gio/gio.h>

#include "platform/contacts/Contacts.h"

namespace Contacts {

Cancellation::Cancellation() : handle_(g_cancellable_new()) {}

Cancellation::~Cancellation()
{
    g_object_unref(static_cast<GCancellable*>(handle_));
}

void Cancellation::cancel()
{
    g_cancellable_cancel(static_cast<GCancellable*>(handle_));
}

bool Cancellation::isCancelled() const
{
    return g_cancellable_is_cancelled(static_cast<GCancellable*>(handle_));
}

} // namespace Contacts
