#include "platform/contacts/Contacts.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>

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

struct LogicalLine {
    QByteArray text;
    int number = 0;
    bool quotedPrintable = false;
};

bool startsQuotedPrintable(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    const QByteArray head = (colon < 0 ? line : line.left(colon)).toUpper();
    return head.contains("QUOTED-PRINTABLE");
}

// Physical lines (LF, CRLF or a lone CR) joined into logical ones: a line that starts with a
// space or tab continues the one before (3.0, 4.0), and in 2.1 a quoted-printable value that
// ends with "=" continues on the next line.
QList<LogicalLine> unfold(const QByteArray& data)
{
    QList<LogicalLine> out;
    qsizetype pos = 0;
    int number = 0;
    const qsizetype n = data.size();
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && data.at(end) != '\n' && data.at(end) != '\r')
            ++end;
        const QByteArray line = data.mid(pos, end - pos);
        ++number;
        if (end < n && data.at(end) == '\r' && end + 1 < n && data.at(end + 1) == '\n')
            ++end;
        pos = end + 1;
        if (!out.isEmpty() && !line.isEmpty() && (line.at(0) == ' ' || line.at(0) == '\t')) {
            out.last().text += line.mid(1);
            continue;
        }
        if (!out.isEmpty() && out.last().quotedPrintable && out.last().text.endsWith('=')) {
            out.last().text.chop(1);
            out.last().text += line;
            continue;
        }
        out.append({line, number, startsQuotedPrintable(line)});
    }
    return out;
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

QByteArray decodeQuotedPrintable(const QByteArray& in)
{
    QByteArray out;
    out.reserve(in.size());
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in.at(i) == '=' && i + 2 < in.size() && hex(in.at(i + 1)) >= 0 && hex(in.at(i + 2)) >= 0) {
            out += static_cast<char>(hex(in.at(i + 1)) * 16 + hex(in.at(i + 2)));
            i += 2;
        } else {
            out += in.at(i);
        }
    }
    return out;
}

QString decodeText(const Property& p)
{
    const QByteArray bytes = p.encoding == "QUOTED-PRINTABLE" || p.encoding == "Q" ? decodeQuotedPrintable(p.value)
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

QList<Person> parse(const QByteArray& data, const Problem& problem)
{
    QList<Person> people;
    Person person;
    bool inCard = false;
    auto report = [&problem](int line, const QString& why) {
        if (problem)
            problem(line, why);
    };
    int lastLine = 0;
    for (const LogicalLine& line : unfold(data)) {
        lastLine = line.number;
        if (line.text.trimmed().isEmpty())
            continue;
        Property p;
        QString why;
        if (!parseProperty(line.text, p, why)) {
            report(line.number, why);
            continue;
        }
        if (p.name == "BEGIN" && p.value.trimmed().toUpper() == "VCARD") {
            if (inCard) {
                report(line.number, QStringLiteral("a card begins before the one before it ended"));
                people.append(person);
            }
            person = Person();
            inCard = true;
            continue;
        }
        if (p.name == "END" && p.value.trimmed().toUpper() == "VCARD") {
            if (!inCard) {
                report(line.number, QStringLiteral("END without BEGIN"));
                continue;
            }
            people.append(person);
            person = Person();
            inCard = false;
            continue;
        }
        if (!inCard) {
            report(line.number, QStringLiteral("outside a card"));
            continue;
        }
        if (p.encoding == "B" || p.encoding == "BASE64")
            continue; // photos, sounds, keys: nothing the picker shows
        if (p.name == "FN") {
            person.formattedName = unescape(decodeText(p)).trimmed();
        } else if (p.name == "N") {
            const QStringList parts = components(decodeText(p));
            person.familyName = unescape(parts.value(0)).trimmed();
            person.givenName = unescape(parts.value(1)).trimmed();
        } else if (p.name == "ORG") {
            person.organization = unescape(components(decodeText(p)).value(0)).trimmed();
        } else if (p.name == "TEL") {
            QString number = unescape(decodeText(p)).trimmed();
            if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                number = number.mid(4).section(u';', 0, 0).trimmed();
            if (number.isEmpty())
                report(line.number, QStringLiteral("empty phone number"));
            else
                person.phoneNumbers.append(number);
        } else if (p.name == "EMAIL") {
            QString address = unescape(decodeText(p)).trimmed();
            if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
                address = address.mid(7).trimmed();
            if (address.isEmpty())
                report(line.number, QStringLiteral("empty e-mail address"));
            else
                person.emailAddresses.append(address);
        }
    }
    if (inCard) {
        report(lastLine, QStringLiteral("the card has no END; kept as it stands"));
        people.append(person);
    }
    return people;
}

} // namespace VCard

namespace Contacts {

QString folder()
{
    const QString configured = DeviceSettings::value(QStringLiteral("contacts"), QStringLiteral("folder")).trimmed();
    if (!configured.isEmpty())
        return QDir::cleanPath(configured.startsWith(QLatin1String("~/")) ? QDir::homePath() + configured.mid(1)
                                                                           : configured);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvel/contacts");
}

QList<Person> readFolder(const QString& path)
{
    // Far beyond any address book; a larger file is a mistake, not contacts.
    constexpr qint64 maxFileSize = 64 * 1024 * 1024;
    QList<Person> people;
    const QDir dir(path);
    if (!dir.exists())
        return people;
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.vcf"), QStringLiteral("*.vcard")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& info : files) {
        if (info.size() > maxFileSize) {
            NSLog("Contacts: %@ skipped: larger than %d MiB", info.fileName(), static_cast<int>(maxFileSize >> 20));
            continue;
        }
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            NSLog("Contacts: %@ skipped: %@", info.fileName(), file.errorString());
            continue;
        }
        const QString name = info.fileName();
        people.append(VCard::parse(file.readAll(), [&name](int line, const QString& why) {
            NSLog("Contacts: %@ line %d skipped: %@", name, line, why);
        }));
    }
    std::stable_sort(people.begin(), people.end(), [](const Person& a, const Person& b) {
        return QString::localeAwareCompare(a.displayName(), b.displayName()) < 0;
    });
    return people;
}

} // namespace Contacts
