#include "platform/messaging/MailSenders.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/HostAddress.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Modules.h"
#include "platform/messaging/SmtpTransfer.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QUuid>
#include <QStandardPaths>
#include <string>
#include <vector>

namespace {

int intSetting(const QString& group, const QString& key, int fallback)
{
    bool ok = false;
    const int v = DeviceSettings::value(group, key).toInt(&ok);
    return ok && v > 0 ? v : fallback;
}

} // namespace

std::unique_ptr<MailSender> MailSender::fromDeviceSettings(std::shared_ptr<Keyring> keyring)
{
    const QString group = QStringLiteral("mail");
    auto get = [&group](const char* key, const QString& fallback = {}) {
        return DeviceSettings::value(group, QString::fromLatin1(key), fallback);
    };
    QString transport = get("transport").trimmed().toLower();
    if (transport.isEmpty() && !get("server").isEmpty())
        transport = QStringLiteral("smtp");
    // At most 30 s, so that an unreachable server is reported while the user still waits.
    const int timeoutMs = std::min(intSetting(group, QStringLiteral("timeout"), 30), 30) * 1000;
    if (transport == QLatin1String("smtp")) {
        SmtpAccount a;
        a.server = get("server").trimmed();
        a.port = intSetting(group, QStringLiteral("port"), 0);
        a.security = get("security", QStringLiteral("starttls")).trimmed().toLower();
        a.user = get("user");
        a.password = get("password");
        a.fromAddress = get("from").trimmed();
        a.fromName = get("name");
        a.caFile = get("cafile");
        a.timeoutMs = timeoutMs;
        a.connectTimeoutMs = std::min(timeoutMs, 10000);
        return std::make_unique<SmtpSender>(a, keyring ? std::move(keyring) : Keyring::secretService());
    }
    if (transport == QLatin1String("sendmail"))
        return std::make_unique<SendmailSender>(get("sendmail", QStringLiteral("/usr/sbin/sendmail")),
                                                get("from").trimmed(), get("name"), timeoutMs);
    if (!transport.isEmpty())
        NSLog("Mail: unknown transport \"%@\" in %@", transport, DeviceSettings::path());
    return nullptr;
}

// SMTP -------------------------------------------------------------------------------

bool SmtpAccount::isLoopback() const
{
    return HostAddress::isLoopback(server);
}

QString SmtpAccount::problem() const
{
    if (server.isEmpty())
        return QObject::tr("No SMTP server is set up.");
    if (fromAddress.isEmpty())
        return QObject::tr("No sender address is set up.");
    if (security != QLatin1String("starttls") && security != QLatin1String("tls") && security != QLatin1String("none"))
        return QObject::tr("Unknown security \"%1\" (starttls, tls or none).").arg(security);
    if (security == QLatin1String("none") && !isLoopback())
        return QObject::tr("The SMTP server %1 is not on this machine, so the connection must be encrypted "
                           "(starttls or tls).")
            .arg(server);
    return {};
}

QString SmtpAccount::url() const
{
    const bool tls = security == QLatin1String("tls");
    const int p = port > 0 ? port : tls ? 465 : security == QLatin1String("none") ? 25 : 587;
    const QString host = server.contains(u':') ? u'[' + server + u']' : server;
    return (tls ? QStringLiteral("smtps://") : QStringLiteral("smtp://")) + host + u':' + QString::number(p);
}

struct SmtpSender::Job : SmtpJob {};

namespace {

// Runs on the worker thread, through the mail module (libcurl), loaded at the first transfer.
void perform(const SmtpTransfer& t, SmtpJob* job)
{
    QString why;
    if (SmtpTransport* transport = Modules::get<SmtpTransport>(QStringLiteral("mail"), &why))
        transport->perform(t, job);
    else
        job->error = QObject::tr("The mail library could not be started.") + QStringLiteral(" (%1)").arg(why);
}

} // namespace

SmtpSender::SmtpSender(SmtpAccount account, std::shared_ptr<Keyring> keyring, QObject* parent)
    : QObject(parent), account_(std::move(account)), keyring_(std::move(keyring))
{
}

SmtpSender::~SmtpSender()
{
    done_ = nullptr;
    if (job_)
        job_->aborted = true;
    join();
}

void SmtpSender::join()
{
    if (worker_.joinable())
        worker_.join();
}

void SmtpSender::abort()
{
    if (job_) {
        job_->aborted = true;
    } else if (done_) {
        // Still waiting for the keyring: its answer is dropped.
        ++generation_;
        QTimer::singleShot(0, this, [this] {
            if (Done d = std::exchange(done_, nullptr))
                d(false, tr("Cancelled."));
        });
    }
}

void SmtpSender::withPassword(std::function<void(const SmtpAccount&)> go)
{
    const QString problem = account_.problem();
    auto fail = [this](const QString& why) {
        QTimer::singleShot(0, this, [this, why] {
            if (Done d = std::exchange(done_, nullptr))
                d(false, why);
        });
    };
    if (!problem.isEmpty()) {
        fail(problem);
        return;
    }
    if (!account_.password.isEmpty() || account_.user.isEmpty() || !keyring_) {
        go(account_);
        return;
    }
    const quint64 generation = ++generation_;
    const QPointer<SmtpSender> self(this);
    keyring_->readPassword(Keyring::smtpKey(account_.user, account_.server),
                           [self, generation, go = std::move(go)](const KeyringAnswer& answer) {
                               if (!self || generation != self->generation_ || !self->done_)
                                   return;
                               if (answer.status == KeyringAnswer::Ok) {
                                   SmtpAccount a = self->account_;
                                   a.password = answer.secret;
                                   go(a);
                                   return;
                               }
                               const QString why =
                                   answer.status == KeyringAnswer::NotFound
                                       ? tr("No password for %1 is kept in the keyring. Enter it in the device settings.")
                                             .arg(self->account_.user)
                                       : tr("The password could not be read from the keyring (%1).").arg(answer.error);
                               if (Done d = std::exchange(self->done_, nullptr))
                                   d(false, why);
                           });
}

void SmtpSender::send(const MailMessage& message, Done done)
{
    join();
    done_ = std::move(done);
    // Whoever calls, nothing malformed reaches the envelope.
    if (const QString problem = message.problem(); !problem.isEmpty()) {
        QTimer::singleShot(0, this, [this, problem] {
            if (Done d = std::exchange(done_, nullptr))
                d(false, problem);
        });
        return;
    }
    withPassword([this, message](const SmtpAccount& account) {
        const QByteArray payload =
            message.toMime(QDateTime::currentDateTime(), QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@'
                                                             + account.fromAddress.section(u'@', -1));
        NSLog("Mail: sending to %@ through %@", message.to.join(QStringLiteral(", ")), account.url());
        // Only the bare address goes into the envelope, never a name or anything after it.
        run(account, message.envelopeRecipients(), payload);
    });
}

void SmtpSender::checkAccount(Done done)
{
    join();
    done_ = std::move(done);
    withPassword([this](const SmtpAccount& account) {
        NSLog("Mail: checking the account at %@", account.url());
        run(account, {}, {});
    });
}

void SmtpSender::run(const SmtpAccount& account, const QList<QString>& recipients, QByteArray payload)
{
    SmtpTransfer t;
    t.url = account.url().toStdString();
    t.user = account.user.toStdString();
    t.password = account.password.toStdString();
    t.from = ('<' + account.fromAddress.toUtf8() + '>').toStdString();
    t.caFile = QFile::encodeName(account.caFile).toStdString();
    for (const QString& r : recipients)
        t.recipients.push_back(('<' + r.toUtf8() + '>').toStdString());
    t.timeoutMs = account.timeoutMs;
    t.connectTimeoutMs = account.connectTimeoutMs;
    t.requireTls = account.security != QLatin1String("none");
    t.checkOnly = recipients.isEmpty();

    auto job = std::make_shared<Job>();
    job->payload = std::move(payload);
    job_ = job;
    // The destructor joins the worker before `this` goes, so the queued call below always
    // finds its receiver (or is dropped with it).
    worker_ = std::thread([this, t = std::move(t), job] {
        perform(t, job.get());
        QMetaObject::invokeMethod(this, [this, job] {
            join();
            if (job != job_)
                return;
            job_.reset();
            QString what = job->error;
            // A check reports what the server said, whichever way it went.
            if (job->payload.isEmpty() && !job->lastReply.isEmpty())
                what = what.isEmpty() ? job->lastReply : what + u'\n' + job->lastReply;
            if (Done d = std::exchange(done_, nullptr))
                d(job->sent, what);
        }, Qt::QueuedConnection);
    });
}

// sendmail ---------------------------------------------------------------------------

SendmailSender::SendmailSender(QString program, QString fromAddress, QString fromName, int timeoutMs, QObject* parent)
    : QObject(parent), program_(std::move(program)), fromAddress_(std::move(fromAddress)),
      fromName_(std::move(fromName)), timeoutMs_(timeoutMs), run_(tr("sendmail did not finish in time."))
{
}

bool SendmailSender::isAvailable()
{
    const QFileInfo info(program_);
    if (info.isAbsolute())
        return info.isExecutable();
    return !QStandardPaths::findExecutable(program_).isEmpty();
}

void SendmailSender::send(const MailMessage& message, Done done)
{
    run_.expect(std::move(done));
    if (const QString problem = message.problem(); !problem.isEmpty()) {
        // Reported later, as a run's end would be.
        QTimer::singleShot(0, this, [this, problem] { run_.complete(false, problem); });
        return;
    }
    const QString domain = fromAddress_.isEmpty() ? QStringLiteral("localhost") : fromAddress_.section(u'@', -1);
    const QByteArray mime =
        message.toMime(QDateTime::currentDateTime(), QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@' + domain);
    // Recipients come from the headers (-t), which problem() has kept free of line breaks;
    // -i keeps a lone "." line from ending the message.
    QProcess* process =
        run_.start(program_, {QStringLiteral("-t"), QStringLiteral("-i")}, timeoutMs_,
                   [](int code, const QByteArray& standardError) {
                       const QString why = QString::fromLocal8Bit(standardError).trimmed();
                       return why.isEmpty() ? tr("sendmail failed (exit code %1).").arg(code) : why;
                   });
    process->write(mime);
    process->closeWriteChannel();
}

void SendmailSender::abort()
{
    run_.abort(tr("Cancelled."));
}
