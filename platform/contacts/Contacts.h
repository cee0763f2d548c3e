#pragma once
// People from the user's address books (vCard files, KPeople's vCard folder, Evolution Data
// Server): a person with lists of phone numbers and e-mail addresses. The vCard reader
// takes bytes and returns people, so it can be fed directly.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>

enum class PersonProperty { Phone, Email };

struct Person {
    QString formattedName;   // FN
    QString familyName;      // N, first component
    QString givenName;       // N, second component
    QString organization;    // ORG, first component
    QStringList phoneNumbers;    // TEL, in file order
    QStringList emailAddresses;  // EMAIL, in file order
    QString addressBook;         // where the person was read, for the picker to tell apart
    QStringList refused;         // why values of the address book were left out, for the user

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

// A longer line (folded lines joined) is skipped unread, so that memory stays bounded by
// this, not by the file; it is far more than any photo an address book keeps.
constexpr qsizetype maxLineLength = 1024 * 1024;

// Called for each line that was skipped, with its 1-based line number and why.
using Problem = std::function<void(int line, const QString& reason)>;

// Every card in `data` (vCard 2.1, 3.0 and 4.0). Damaged lines are skipped and reported;
// the rest of the data is still read.
QList<Person> parse(const QByteArray& data, const Problem& problem = {});

// The same, fed in pieces of any size, so that a file is read as a stream: memory follows
// the longest line, not the file.
class Reader {
public:
    explicit Reader(Problem problem = {});
    void feed(QByteArrayView bytes);
    // The people of everything fed; the reader starts afresh after.
    QList<Person> finish();

private:
    void physicalLine(QByteArray line);
    void flushPending();
    void logicalLine(const QByteArray& text, int number);
    void report(int line, const QString& why);

    Problem problem_;
    QByteArray partial_;   // a physical line not yet ended
    bool afterCR_ = false;
    QByteArray pending_;   // the logical line being joined
    bool havePending_ = false;
    bool pendingQuotedPrintable_ = false;
    bool pendingTooLong_ = false;
    int pendingNumber_ = 0;
    int lineNumber_ = 0;
    int lastLine_ = 0;
    bool inCard_ = false;
    Person person_;
    QList<Person> people_;
};

} // namespace VCard

namespace Contacts {

// A file larger than this is not an address book; it is refused unread.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;
// At most this many skipped lines of one file are logged, then how many more there were.
constexpr int maxLoggedProblems = 5;

// "folder" in [contacts] of the device settings, else quorvel/contacts in the per-user
// data location.
QString folder();
// KPeople's vCard folder: kpeoplevcard in the per-user data location.
QString kpeopleFolder();

// Which address books the picker reads ([contacts] of the device settings; all by default).
struct Choice {
    bool folder = true;    // use-folder
    bool kpeople = true;   // use-kpeople
    bool eds = true;       // use-eds
    // eds-skip: the Evolution Data Server books left out, by name or id (absent: none).
    QStringList edsSkipped;
    static Choice fromDeviceSettings();
};

// `person` without the phone numbers that are not phone numbers (PhoneNumber::problem), so
// that a picked value can neither add a recipient nor hide one; why each went is logged and
// kept in `refused`.
Person withUsableNumbers(Person person);

// The key of [contacts] that lists the address books left out.
inline constexpr char edsSkipKey[] = "eds-skip";

// One address book of Evolution Data Server.
struct AddressBook {
    QString uid;
    QString name;
    // Whether `names` (hand-written or saved) names this book, by its name or its id.
    // Inline: the address books' module asks it too.
    bool isNamedIn(const QStringList& names) const
    {
        for (const QString& n : names)
            if (n.compare(name, Qt::CaseInsensitive) == 0 || (!uid.isEmpty() && n == uid))
                return true;
        return false;
    }
};

// Stops, from another thread, a read in flight. Readers ask isCancelled(); a reader that
// blocks in a library call watches it to stop that call.
class Cancellation {
public:
    Cancellation() = default;
    Cancellation(const Cancellation&) = delete;
    Cancellation& operator=(const Cancellation&) = delete;
    void cancel()
    {
        cancelled_.store(true);
        const std::lock_guard<std::mutex> lock(mutex_);
        if (onCancel_)
            onCancel_();
    }
    bool isCancelled() const { return cancelled_.load(); }
    // `onCancel` runs (on the cancelling thread) when the read is cancelled, or at once when it
    // already is; an empty one stops watching, after which it is never called again.
    void watch(std::function<void()> onCancel) const
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        onCancel_ = std::move(onCancel);
        if (onCancel_ && cancelled_.load())
            onCancel_();
    }

private:
    std::atomic<bool> cancelled_{false};
    mutable std::mutex mutex_;
    mutable std::function<void()> onCancel_;
};

// Everyone in the *.vcf and *.vcard files of `folder` (regular files only, each at most
// maxFileSize), sorted by name, each marked with `addressBook`; a missing folder gives
// nobody. Skipped lines and refused files are logged.
QList<Person> readFolder(const QString& folder, const QString& addressBook = {}, const Cancellation* cancel = nullptr);

// The people of every enabled address book of Evolution Data Server, each marked with its
// book's name. Blocks until the service answers, so it is for a worker thread. A book that
// fails to open is logged once and passed over; without the service, nobody.
QList<Person> readEvolutionDataServer(const Cancellation& cancel, const QStringList& skipped = {});

// The enabled address books of Evolution Data Server, for a worker thread too; nothing when
// the service does not answer.
std::optional<QList<AddressBook>> listEvolutionDataServer(const Cancellation& cancel);

// What the address books module offers: the two calls above, made with libebook.
class EvolutionDataServerModule {
public:
    virtual ~EvolutionDataServerModule() = default;
    virtual QList<Person> read(const Cancellation& cancel, const QStringList& skipped) = 0;
    virtual std::optional<QList<AddressBook>> list(const Cancellation& cancel) = 0;
};

} // namespace Contacts

Q_DECLARE_INTERFACE(Contacts::EvolutionDataServerModule, "org.quorvel.EvolutionDataServerModule/1")
