#include "platform/contacts/Contacts.h"
#include "platform/contacts/PeopleOrder.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PhoneNumber.h"
#include "platform/foundation/QuotedPrintable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

QString Person::displayName() const
{
    if (!formattedName.trimmed().isEmpty())
        return formattedName.trimmed();
    const QString full = (givenName.trimmed() + u' ' + familyName.trimmed()).trimmed();
    if (!full.isEmpty())
        return full;
    if (!organization.trimmed().isEmpty())
        return organization.trimmed();
    if (!emailAddresses.isEmpty())
        return emailAddresses.first();
    if (!phoneNumbers.isEmpty())
        return phoneNumbers.first();
    return QObject::tr("No name");
}

namespace VCard {

namespace {

bool startsQuotedPrintable(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    const QByteArray head = (colon < 0 ? line : line.left(colon)).toUpper();
    return head.contains("QUOTED-PRINTABLE");
}

struct Property {
    QByteArray name;   // upper case, without the group
    QByteArray encoding;
    QByteArray charset;
    QByteArray valueType;
    QByteArray value;
};

// Splits "group.NAME;param=a,b;BARE:value"; false when the line is not a property.
bool parseProperty(const QByteArray& line, Property& p, QString& why)
{
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n && line.at(i) != ';' && line.at(i) != ':')
        ++i;
    QByteArray name = line.left(i).trimmed();
    if (i == n) {
        why = QStringLiteral("no \":\" between name and value");
        return false;
    }
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.mid(dot + 1);
    if (name.isEmpty()) {
        why = QStringLiteral("no property name");
        return false;
    }
    for (char c : name) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) {
            why = QStringLiteral("bad character in the property name");
            return false;
        }
    }
    p.name = name.toUpper();
    // Parameters, up to the first ":" outside double quotes.
    while (i < n && line.at(i) == ';') {
        const qsizetype start = ++i;
        bool quoted = false;
        while (i < n && (quoted || (line.at(i) != ';' && line.at(i) != ':'))) {
            if (line.at(i) == '"')
                quoted = !quoted;
            ++i;
        }
        const QByteArray param = line.mid(start, i - start);
        const qsizetype eq = param.indexOf('=');
        const QByteArray key = (eq < 0 ? param : param.left(eq)).trimmed().toUpper();
        QByteArray value = eq < 0 ? QByteArray() : param.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        if (eq < 0) {
            // 2.1 allows bare parameter values.
            if (key == "QUOTED-PRINTABLE" || key == "BASE64" || key == "8BIT")
                p.encoding = key;
        } else if (key == "ENCODING") {
            p.encoding = value.toUpper();
        } else if (key == "CHARSET") {
            p.charset = value;
        } else if (key == "VALUE") {
            p.valueType = value.toLower();
        }
    }
    if (i >= n || line.at(i) != ':') {
        why = QStringLiteral("no \":\" between name and value");
        return false;
    }
    p.value = line.mid(i + 1);
    return true;
}

QString decodeText(const Property& p)
{
    const QByteArray bytes = p.encoding == "QUOTED-PRINTABLE" || p.encoding == "Q" ? QuotedPrintable::decode(p.value)
                                                                                   : p.value;
    if (!p.charset.isEmpty() && p.charset.toUpper() != "UTF-8") {
        QStringDecoder decoder(p.charset.constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return QString::fromUtf8(bytes);
}

// The components of a structured value (N, ORG), split at unescaped ";", then unescaped.
QStringList components(const QString& value)
{
    QStringList out;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            current += c;
            current += value.at(++i);
        } else if (c == u';') {
            out.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    out.append(current);
    return out;
}

QString unescape(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        out += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
    }
    return out;
}

} // namespace

Reader::Reader(Problem problem) : problem_(std::move(problem)) {}

void Reader::feed(QByteArrayView bytes)
{
    qsizetype pos = 0;
    const qsizetype n = bytes.size();
    // The LF of a CRLF split across two feeds.
    if (afterCR_ && n > 0 && bytes.at(0) == '\n')
        pos = 1;
    afterCR_ = false;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        // One byte past the limit is enough to tell the line is too long.
        const qsizetype room = std::max<qsizetype>(0, maxLineLength + 1 - partial_.size());
        partial_.append(bytes.sliced(pos, std::min(end - pos, room)));
        if (end == n)
            return; // the line goes on in the next feed
        if (bytes.at(end) == '\r') {
            if (end + 1 < n && bytes.at(end + 1) == '\n')
                ++end;
            else if (end + 1 == n)
                afterCR_ = true;
        }
        pos = end + 1;
        physicalLine(std::exchange(partial_, {}));
    }
}

// Physical lines (LF, CRLF or a lone CR) are joined into logical ones: a line that starts with
// a space or tab continues the one before (3.0, 4.0), and in 2.1 a quoted-printable value
// that ends with "=" continues on the next line.
void Reader::physicalLine(QByteArray line)
{
    ++lineNumber_;
    auto join = [this](QByteArrayView more) {
        if (pending_.size() + more.size() > maxLineLength)
            pendingTooLong_ = true;
        if (!pendingTooLong_)
            pending_ += more;
    };
    if (havePending_ && !line.isEmpty() && (line.at(0) == ' ' || line.at(0) == '\t')) {
        join(QByteArrayView(line).sliced(1));
        return;
    }
    if (havePending_ && pendingQuotedPrintable_ && pending_.endsWith('=')) {
        pending_.chop(1);
        join(line);
        return;
    }
    flushPending();
    pendingQuotedPrintable_ = startsQuotedPrintable(line);
    pendingTooLong_ = line.size() > maxLineLength;
    pending_ = pendingTooLong_ ? QByteArray() : std::move(line);
    pendingNumber_ = lineNumber_;
    havePending_ = true;
}

void Reader::flushPending()
{
    if (!havePending_)
        return;
    havePending_ = false;
    if (pendingTooLong_) {
        pending_.clear();
        lastLine_ = pendingNumber_;
        report(pendingNumber_, QStringLiteral("longer than %1 bytes").arg(maxLineLength));
        return;
    }
    logicalLine(std::exchange(pending_, {}), pendingNumber_);
}

void Reader::report(int line, const QString& why)
{
    if (problem_)
        problem_(line, why);
}

void Reader::logicalLine(const QByteArray& text, int number)
{
    lastLine_ = number;
    if (text.trimmed().isEmpty())
        return;
    Property p;
    QString why;
    if (!parseProperty(text, p, why)) {
        report(number, why);
        return;
    }
    if (p.name == "BEGIN" && p.value.trimmed().toUpper() == "VCARD") {
        if (inCard_) {
            report(number, QStringLiteral("a card begins before the one before it ended"));
            people_.append(person_);
        }
        person_ = Person();
        inCard_ = true;
        return;
    }
    if (p.name == "END" && p.value.trimmed().toUpper() == "VCARD") {
        if (!inCard_) {
            report(number, QStringLiteral("END without BEGIN"));
            return;
        }
        people_.append(std::exchange(person_, Person()));
        inCard_ = false;
        return;
    }
    if (!inCard_) {
        report(number, QStringLiteral("outside a card"));
        return;
    }
    if (p.encoding == "B" || p.encoding == "BASE64")
        return; // photos, sounds, keys: nothing the picker shows
    if (p.name == "FN") {
        person_.formattedName = unescape(decodeText(p)).trimmed();
    } else if (p.name == "N") {
        const QStringList parts = components(decodeText(p));
        person_.familyName = unescape(parts.value(0)).trimmed();
        person_.givenName = unescape(parts.value(1)).trimmed();
    } else if (p.name == "ORG") {
        person_.organization = unescape(components(decodeText(p)).value(0)).trimmed();
    } else if (p.name == "TEL") {
        QString number = unescape(decodeText(p)).trimmed();
        if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
            number = number.mid(4).section(u';', 0, 0).trimmed();
        if (number.isEmpty())
            report(lastLine_, QStringLiteral("empty phone number"));
        else
            person_.phoneNumbers.append(number);
    } else if (p.name == "EMAIL") {
        QString address = unescape(decodeText(p)).trimmed();
        if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
            address = address.mid(7).trimmed();
        if (address.isEmpty())
            report(lastLine_, QStringLiteral("empty e-mail address"));
        else
            person_.emailAddresses.append(address);
    }
}

QList<Person> Reader::finish()
{
    if (!partial_.isEmpty())
        physicalLine(std::exchange(partial_, {}));
    flushPending();
    if (inCard_) {
        report(lastLine_, QStringLiteral("the card has no END; kept as it stands"));
        people_.append(std::exchange(person_, Person()));
        inCard_ = false;
    }
    return std::exchange(people_, {});
}

QList<Person> parse(const QByteArray& data, const Problem& problem)
{
    Reader reader(problem);
    reader.feed(data);
    return reader.finish();
}

} // namespace VCard

namespace Contacts {

QString folder()
{
    const QString configured = DeviceSettings::value(QStringLiteral("contacts"), QStringLiteral("folder")).trimmed();
    if (!configured.isEmpty())
        return QDir::cleanPath(DeviceSettings::expandHome(configured));
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvel/contacts");
}

QString kpeopleFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kpeoplevcard");
}

Choice Choice::fromDeviceSettings()
{
    auto on = [](const char* key) {
        const QString v = DeviceSettings::value(QStringLiteral("contacts"), QLatin1String(key)).trimmed().toLower();
        return v != QLatin1String("false") && v != QLatin1String("0") && v != QLatin1String("no");
    };
    return {on("use-folder"), on("use-kpeople"), on("use-eds"),
            DeviceSettings::listValue(QStringLiteral("contacts"), QLatin1String(edsSkipKey))};
}

Person withUsableNumbers(Person person)
{
    QStringList usable;
    for (const QString& number : std::as_const(person.phoneNumbers)) {
        const QString why = PhoneNumber::problem(number);
        if (why.isEmpty()) {
            usable.append(number.trimmed());
            continue;
        }
        NSLog("Contacts: a phone number of %@ left out: %@", person.displayName(), why);
        person.refused.append(why);
    }
    person.phoneNumbers = usable;
    return person;
}

namespace {

// One file as a stream: only a regular file (not a device, FIFO or a link to one), opened
// without blocking, at most maxFileSize + 1 bytes read.
std::optional<QList<Person>> readFile(const QString& path, const QString& name)
{
    const FileDescriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    const int fd = file.get();
    if (fd < 0) {
        NSLog("Contacts: %@ skipped: %@", name, QString::fromLocal8Bit(strerror(errno)));
        return std::nullopt;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        NSLog("Contacts: %@ skipped: not a regular file", name);
        return std::nullopt;
    }
    int problems = 0;
    VCard::Reader reader([&problems, &name](int line, const QString& why) {
        if (++problems <= maxLoggedProblems)
            NSLog("Contacts: %@ line %d skipped: %@", name, line, why);
    });
    std::vector<char> buffer(64 * 1024);
    qint64 total = 0;
    bool tooLarge = st.st_size > maxFileSize;
    while (!tooLarge) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        total += got;
        tooLarge = total > maxFileSize;
        if (!tooLarge)
            reader.feed(QByteArrayView(buffer.data(), got));
    }
    if (tooLarge) {
        NSLog("Contacts: %@ skipped: larger than %d MiB", name, static_cast<int>(maxFileSize >> 20));
        return std::nullopt;
    }
    QList<Person> people = reader.finish();
    if (problems > maxLoggedProblems)
        NSLog("Contacts: %@: %d more lines skipped", name, problems - maxLoggedProblems);
    return people;
}

} // namespace

QList<Person> readFolder(const QString& path, const QString& addressBook, const Cancellation* cancel)
{
    QList<Person> people;
    const QDir dir(path);
    if (!dir.exists())
        return people;
    // Links are followed, but what they lead to must be a regular file (readFile checks).
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.vcf"), QStringLiteral("*.vcard")}, QDir::Files | QDir::System, QDir::Name);
    for (const QFileInfo& info : files) {
        if (cancel && cancel->isCancelled())
            break;
        if (std::optional<QList<Person>> read = readFile(info.absoluteFilePath(), info.fileName()))
            people.append(*read);
    }
    for (Person& p : people)
        p.addressBook = addressBook;
    return sortedByName(std::move(people));
}

} // namespace Contacts
