#pragma once
// The program's command line: --help, --version and --demo, and a clear refusal of anything
// else. Parsing is separate from acting on it, so tests feed arguments directly.

#include <QString>
#include <QStringList>
#include <optional>

namespace CommandLine {

// Exit status for a command line the program does not understand, as other command-line
// programs use it.
constexpr int UsageError = 2;

struct Outcome {
    // Set when the process ends here: the text is printed (standard output for status 0,
    // standard error otherwise) and the process exits with it.
    std::optional<int> exitStatus;
    QString text;
    // --demo: the bundled walk as the position, whatever the device settings say.
    bool demo = false;
};

// `arguments` as QCoreApplication::arguments() gives them, the program's name first.
Outcome parse(const QStringList& arguments);

// Parses, prints what there is to print and applies the choices to this process (--demo
// overrides the device settings' location source in memory, never in the file). Returns the
// exit status when the process must end before starting.
std::optional<int> handle(const QStringList& arguments);

} // namespace CommandLine
