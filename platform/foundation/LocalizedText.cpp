#include "platform/foundation/LocalizedText.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTranslator>
#include <memory>

QString localizedText(const char* key)
{
    const QString text = qtTrId(key);
    return text.isEmpty() ? QString::fromLatin1(key) : text;
}

namespace StringTable {

namespace {
std::unique_ptr<QTranslator>& current()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

// The platform's own texts (dialogs, senders' errors), looked up by their English text.
std::unique_ptr<QTranslator>& currentPlatform()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

std::unique_ptr<QTranslator>& currentQt()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

QString tablePath(const QString& language)
{
    return QStringLiteral(":/i18n/quorvel_%1.qm").arg(language);
}
} // namespace

bool load(const QString& language)
{
    for (auto* t : {&current(), &currentPlatform()}) {
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    }
    if (language.isEmpty())
        return true;
    if (auto platform = std::make_unique<QTranslator>();
        platform->load(QStringLiteral(":/i18n/quorvel_platform_%1.qm").arg(language))) {
        QCoreApplication::installTranslator(platform.get());
        currentPlatform() = std::move(platform);
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(tablePath(language)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    current() = std::move(translator);
    return true;
}

bool loadQtTexts(const QLocale& locale)
{
    if (currentQt()) {
        QCoreApplication::removeTranslator(currentQt().get());
        currentQt().reset();
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    currentQt() = std::move(translator);
    return true;
}

QString preferredLanguage(const QProcessEnvironment& environment)
{
    // The messages locale is the first of these that is set, as the C library takes it.
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = environment.value(QLatin1String(name));
        if (!messages.isEmpty())
            break;
    }
    QStringList wanted;
    // LANGUAGE, a list in order of preference, counts unless the locale is plainly C, as
    // gettext has it: a script run with LC_ALL=C wants English whatever the desktop says.
    if (messages != QLatin1String("C") && messages != QLatin1String("POSIX"))
        wanted = environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts);
    wanted << messages;
    for (QString name : wanted) {
        // de_AT.UTF-8@euro: the encoding and modifier say nothing about the language.
        name = name.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'-', u'_');
        const QString language = name.section(u'_', 0, 0).toLower();
        const QString region = name.section(u'_', 1, 1).toUpper();
        if (language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix"))
            continue;
        // A regional table first (pt_BR), then the language's own (de_AT reads de).
        if (!region.isEmpty() && QFile::exists(tablePath(language + u'_' + region)))
            return language + u'_' + region;
        if (QFile::exists(tablePath(language)))
            return language;
    }
    return QStringLiteral("en");
}

} // namespace StringTable
