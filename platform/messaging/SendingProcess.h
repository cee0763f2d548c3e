#pragma once
// One run of a program that hands a message on (sendmail, the phone's command-line client)
// for the senders: a deadline, a kill when the send is given up or its sender goes, and
// exactly one report of how it ended.

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class SendingProcess : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(bool sent, const QString& error)>;
    // The error of a run that exited with `exitCode`, from what it wrote on standard error.
    using FailureText = std::function<QString(int exitCode, const QByteArray& standardError)>;

    // `timeoutError` is reported when a run outlasts its deadline.
    explicit SendingProcess(QString timeoutError, QObject* parent = nullptr);
    // Kills a run still going, without a report.
    ~SendingProcess() override;

    // Who hears the end of the next run (or of a send that fails before one starts).
    void expect(Done done) { done_ = std::move(done); }
    // Starts the run; a zero exit is success, anything else is reported through `failure`.
    // Returns the process, to write its input.
    QProcess* start(const QString& program, const QStringList& arguments, int timeoutMs, FailureText failure);
    // Kills the run, if any, and reports `error` unless the end was reported already.
    void abort(const QString& error);
    // Reports the end, once: later calls find nobody to report to.
    void complete(bool sent, const QString& error);

private:
    QString timeoutError_;
    QPointer<QProcess> process_;
    QTimer deadline_;
    Done done_;
};
