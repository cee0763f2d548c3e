#include "app/CommandLine.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/LocalizedText.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace CommandLine {

Outcome parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform wayland"), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(localizedText("COMMANDLINE_DESCRIPTION"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption demo(QStringLiteral("demo"), localizedText("COMMANDLINE_DEMO"));
    parser.addOption(demo);
    // Further options are added here, and what they choose goes into Outcome.

    // What Qt's GUI takes for itself once it starts; accepted here, listed by --help-all.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
                             "qwindowicon", "icon", "qwindowtitle", "title", "session", "display", "name", "style",
                             "stylesheet", "qmljsdebugger"}) {
        QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const char* name : {"reverse", "widgetcount", "testability", "nograb", "dograb", "sync"}) {
        QCommandLineOption qt(QString::fromLatin1(name));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }

    Outcome outcome;
    const QString program = QCoreApplication::applicationName();
    auto refuse = [&](const QString& problem) {
        outcome.exitStatus = UsageError;
        outcome.text = program + QStringLiteral(": ") + problem + u'\n'
                       + localizedText("COMMANDLINE_TRY_HELP").arg(program) + u'\n';
        return outcome;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(localizedText("COMMANDLINE_UNEXPECTED").arg(parser.positionalArguments().join(u' ')));
    if (parser.isSet(help)) {
        outcome.exitStatus = 0;
        outcome.text = parser.helpText();
        return outcome;
    }
    if (parser.isSet(version)) {
        outcome.exitStatus = 0;
        outcome.text = stringWithFormat("%@ %@\n", program, QCoreApplication::applicationVersion());
        return outcome;
    }
    outcome.demo = parser.isSet(demo);
    return outcome;
}

std::optional<int> handle(const QStringList& arguments)
{
    const Outcome outcome = parse(arguments);
    if (outcome.exitStatus) {
        const QByteArray text = outcome.text.toLocal8Bit();
        std::FILE* stream = *outcome.exitStatus == 0 ? stdout : stderr;
        std::fwrite(text.constData(), 1, size_t(text.size()), stream);
        std::fflush(stream);
        return outcome.exitStatus;
    }
    if (outcome.demo)
        DeviceSettings::setOverride(QStringLiteral("location"), QStringLiteral("source"), QStringLiteral("demo"));
    return std::nullopt;
}

} // namespace CommandLine
