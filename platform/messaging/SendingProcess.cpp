#include "platform/messaging/SendingProcess.h"

SendingProcess::SendingProcess(QString timeoutError, QObject* parent)
    : QObject(parent), timeoutError_(std::move(timeoutError))
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        if (process_)
            process_->kill();
        complete(false, timeoutError_);
    });
}

SendingProcess::~SendingProcess()
{
    done_ = nullptr;
    if (process_) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(1000);
    }
}

QProcess* SendingProcess::start(const QString& program, const QStringList& arguments, int timeoutMs,
                                FailureText failure)
{
    auto* process = new QProcess(this);
    process_ = process;
    connect(process, &QProcess::finished, this,
            [this, process, failure = std::move(failure)](int code, QProcess::ExitStatus status) {
                process->deleteLater();
                if (process != process_)
                    return;
                if (status == QProcess::NormalExit && code == 0) {
                    complete(true, {});
                    return;
                }
                complete(false, failure(code, process->readAllStandardError()));
            });
    connect(process, &QProcess::errorOccurred, this, [this, process, program](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || process != process_)
            return;
        process->deleteLater();
        complete(false, tr("%1 could not be started.").arg(program));
    });
    deadline_.start(timeoutMs);
    process->start(program, arguments);
    return process;
}

void SendingProcess::abort(const QString& error)
{
    if (process_)
        process_->kill();
    complete(false, error);
}

void SendingProcess::complete(bool sent, const QString& error)
{
    deadline_.stop();
    process_ = nullptr;
    if (Done done = std::exchange(done_, nullptr))
        done(sent, error);
}
