#include "platform/foundation/LocalizedText.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
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

QString preferredLanguage()
{
    for (const QString& name : QLocale().uiLanguages()) {
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (QFile::exists(tablePath(language)))
            return language;
    }
    return QStringLiteral("en");
}

} // namespace StringTable
