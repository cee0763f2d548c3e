#include "app/CommandLine.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/LocalizedText.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace CommandLine {

namespace {

struct Options {
    QCommandLineOption help;
    QCommandLineOption helpAll; // added by addHelpOption; named here to be asked for
    QCommandLineOption version;
    QCommandLineOption demo;
    QCommandLineOption settings;
};

// Every option the program takes. Qt's GUI takes its own once it starts; they are accepted
// here, and listed only with `withQt` (--help-all).
Options addOptions(QCommandLineParser& parser, bool withQt)
{
    // Qt's own options are single-dash words ("-platform wayland"), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(localizedText("COMMANDLINE_DESCRIPTION"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options o{help, QCommandLineOption(QStringLiteral("help-all")), version,
                    QCommandLineOption(QStringLiteral("demo"), localizedText("COMMANDLINE_DEMO")),
                    QCommandLineOption(QStringLiteral("settings"), localizedText("COMMANDLINE_SETTINGS"))};
    parser.addOption(o.demo);
    parser.addOption(o.settings);
    // Further options are added here, and what they choose goes into Outcome.

    struct QtOption {
        const char* name;
        const char* value; // null: a switch
        const char* description;
    };
    static constexpr QtOption qtOptions[] = {
        {"platform", "platformName[:options]", "The windowing system plug-in to use."},
        {"platformpluginpath", "path", "Where to look for windowing system plug-ins."},
        {"platformtheme", "theme", "The platform theme to use."},
        {"plugin", "plugin", "An additional input plug-in to load."},
        {"qwindowgeometry", "geometry", "The size and place of the main window."},
        {"geometry", "geometry", "The same as -qwindowgeometry."},
        {"qwindowicon", "icon", "The default window icon."},
        {"icon", "icon", "The same as -qwindowicon."},
        {"qwindowtitle", "title", "The title of the first window."},
        {"title", "title", "The same as -qwindowtitle."},
        {"session", "session", "The session to restore."},
        {"display", "display", "The X11 display to use."},
        {"name", "name", "The application name for X11 resources."},
        {"style", "style", "The widget style."},
        {"stylesheet", "stylesheet", "The style sheet to apply."},
        {"qmljsdebugger", "value", "Settings of the QML debugger."},
        {"reverse", nullptr, "Lays out right to left."},
        {"widgetcount", nullptr, "Prints at the end how many widgets were left undestroyed."},
        {"testability", nullptr, "Loads the testability driver."},
        {"nograb", nullptr, "Never grabs the mouse or keyboard."},
        {"dograb", nullptr, "Grabs the mouse and keyboard even when debugging."},
        {"sync", nullptr, "Runs X11 synchronously, for debugging."},
    };
    for (const QtOption& q : qtOptions) {
        QCommandLineOption qt(QString::fromLatin1(q.name), QString::fromLatin1(q.description),
                              q.value ? QString::fromLatin1(q.value) : QString());
        if (!withQt)
            qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    return o;
}

} // namespace

Outcome parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    const Options options = addOptions(parser, false);

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
    if (parser.isSet(options.helpAll)) {
        QCommandLineParser all;
        addOptions(all, true);
        outcome.exitStatus = 0;
        outcome.text = all.helpText();
        return outcome;
    }
    if (parser.isSet(options.help)) {
        outcome.exitStatus = 0;
        outcome.text = parser.helpText();
        return outcome;
    }
    if (parser.isSet(options.version)) {
        outcome.exitStatus = 0;
        outcome.text = stringWithFormat("%@ %@\n", program, QCoreApplication::applicationVersion());
        return outcome;
    }
    outcome.demo = parser.isSet(options.demo);
    outcome.settings = parser.isSet(options.settings);
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
