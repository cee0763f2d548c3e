#include "platform/contacts/ContactsLoader.h"
#include "platform/contacts/PeopleOrder.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSet>
#include <QThreadPool>

struct ContactsLoader::Shared {
    Contacts::Cancellation cancel;
};

namespace {

// The same card twice in one book (a file and its copy, a synced duplicate) is one person.
QList<Person> withoutRepeats(QList<Person> people)
{
    QSet<QString> seen;
    QList<Person> out;
    out.reserve(people.size());
    for (Person& p : people) {
        const QString key = p.displayName() + u'\x1f' + p.phoneNumbers.join(u'\x1e') + u'\x1f'
                            + p.emailAddresses.join(u'\x1e');
        if (!seen.contains(key)) {
            seen.insert(key);
            out.append(std::move(p));
        }
    }
    return out;
}

} // namespace

QList<ContactsLoader::Source> ContactsLoader::fromDeviceSettings()
{
    const Contacts::Choice choice = Contacts::Choice::fromDeviceSettings();
    QList<Source> sources;
    if (choice.folder) {
        const QString folder = Contacts::folder();
        sources.append({folder, [folder](const Contacts::Cancellation& c) {
                            return Contacts::readFolder(folder, QObject::tr("Contacts folder"), &c);
                        }});
    }
    if (choice.kpeople) {
        const QString folder = Contacts::kpeopleFolder();
        sources.append({folder, [folder](const Contacts::Cancellation& c) {
                            return Contacts::readFolder(folder, QStringLiteral("KPeople"), &c);
                        }});
    }
    if (choice.eds)
        sources.append({QStringLiteral("Evolution Data Server"), [skipped = choice.edsSkipped](const Contacts::Cancellation& c) {
                            return Contacts::readEvolutionDataServer(c, skipped);
                        }});
    return sources;
}

ContactsLoader::ContactsLoader(QList<Source> sources, QObject* parent)
    : QObject(parent), sources_(std::move(sources)), shared_(std::make_shared<Shared>())
{
}

ContactsLoader::~ContactsLoader()
{
    shared_->cancel.cancel();
}

void ContactsLoader::start()
{
    if (sources_.isEmpty()) {
        QMetaObject::invokeMethod(this, &ContactsLoader::finished, Qt::QueuedConnection);
        return;
    }
    pending_ = static_cast<int>(sources_.size());
    const QPointer<ContactsLoader> self(this);
    for (const Source& source : std::as_const(sources_)) {
        QThreadPool::globalInstance()->start([self, shared = shared_, read = source.read] {
            // Sorted here, off the window's thread.
            QList<Person> people = Contacts::sortedByName(withoutRepeats(read(shared->cancel)));
            // `self` is only looked at on the window's thread, where the loader lives.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [self, shared, people = std::move(people)] {
                if (!self || shared->cancel.isCancelled())
                    return;
                if (!people.isEmpty())
                    emit self->peopleArrived(people);
                if (--self->pending_ == 0)
                    emit self->finished();
            }, Qt::QueuedConnection);
        });
    }
}
