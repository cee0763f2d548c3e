#pragma once
// Runs an installed copy of the program offscreen, in a session and home of its own, and
// reads its log lines as they come.

#include <QtTest>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

class InstalledProgram {
public:
    explicit InstalledProgram(const QString& program) : program_(program) {}

    QString home() const { return home_.path(); }

    // `withDisplay` false: as in a terminal with no window system at all.
    void start(const QStringList& arguments, bool withDisplay = true)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        if (withDisplay)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        else
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            env.insert(QString::fromLatin1(var), home_.filePath(QString::fromLatin1(var)));
        // Only what the program brings: no data folder of the machine's holds a place index.
        env.insert(QStringLiteral("XDG_DATA_DIRS"), home_.filePath(QStringLiteral("no-data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + home_.filePath(QStringLiteral("no-bus")));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process_.setProcessEnvironment(env);
        process_.start(program_, arguments);
    }

    // Waits for a log line matching `pattern`; returns its first capture (or the whole match).
    QString waitForLine(const QString& pattern, int ms = 90000)
    {
        const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            err_ += process_.readAllStandardError();
            const QRegularExpressionMatch m = re.match(QString::fromLocal8Bit(err_));
            if (m.hasMatch())
                return m.lastCapturedIndex() >= 1 ? m.captured(1) : m.captured(0);
            if (timer.elapsed() > ms || process_.state() == QProcess::NotRunning)
                return {};
            process_.waitForReadyRead(200);
        }
    }

    // Ends it as the desktop would (SIGTERM) and returns its exit status, or -1.
    int stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
        process_.terminate();
        if (!process_.waitForFinished(30000))
            process_.kill();
        err_ += process_.readAllStandardError();
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }

    QByteArray log() const { return err_; }
    QProcess& process() { return process_; }

private:
    QString program_;
    QTemporaryDir home_;
    QProcess process_;
    QByteArray err_;
};

// A log line (after its time stamp) of the report screen whose message carries a filled-in locality, "{Staré Město}".
inline const QString kFilledLocality = QStringLiteral(R"(textViewMessage: .*\{([^{}\n]+)\})");

// Runs a tool to its end; returns its exit code (-1 when it could not run) and its output.
inline int runTool(const QString& program, const QStringList& arguments, QByteArray* output = nullptr, int ms = 300000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForStarted() || !p.waitForFinished(ms)) {
        if (output)
            *output = program.toLocal8Bit() + " did not run to its end: " + p.errorString().toLocal8Bit();
        return -1;
    }
    if (output)
        *output = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
