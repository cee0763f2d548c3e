#include "platform/messaging/MailSenders.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <QHostAddress>
#include <QStandardPaths>
#include <curl/curl.h>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

void initCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

int intSetting(const QString& group, const QString& key, int fallback)
{
    bool ok = false;
    const int v = DeviceSettings::value(group, key).toInt(&ok);
    return ok && v > 0 ? v : fallback;
}

} // namespace

std::unique_ptr<MailSender> MailSender::fromDeviceSettings()
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
        return std::make_unique<SmtpSender>(a);
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
    if (server.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(server);
    return !address.isNull() && address.isLoopback();
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

struct SmtpSender::Job {
    std::atomic<bool> aborted{false};
    QByteArray payload;
    qsizetype offset = 0;
    bool sent = false;
    QString error;
};

namespace {

size_t readPayload(char* buffer, size_t size, size_t count, void* user)
{
    auto* job = static_cast<SmtpSender::Job*>(user);
    const qsizetype room = static_cast<qsizetype>(size * count);
    const qsizetype n = std::min(room, job->payload.size() - job->offset);
    if (n <= 0)
        return 0;
    memcpy(buffer, job->payload.constData() + job->offset, static_cast<size_t>(n));
    job->offset += n;
    return static_cast<size_t>(n);
}

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<SmtpSender::Job*>(user)->aborted ? 1 : 0;
}

struct Transfer {
    std::string url, user, password, from, caFile;
    std::vector<std::string> recipients;
    long timeoutMs = 30000;
    long connectTimeoutMs = 10000;
    bool requireTls = true;
};

// Runs on the worker thread; touches nothing but `job` and its own copies.
void perform(const Transfer& t, SmtpSender::Job* job)
{
    CURL* curl = curl_easy_init();
    if (!curl) {
        job->error = QObject::tr("The mail library could not be started.");
        return;
    }
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_slist* rcpt = nullptr;
    for (const std::string& r : t.recipients)
        rcpt = curl_slist_append(rcpt, r.c_str());
    curl_easy_setopt(curl, CURLOPT_URL, t.url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(t.requireTls ? CURLUSESSL_ALL : CURLUSESSL_NONE));
    if (!t.user.empty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, t.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, t.password.c_str());
    }
    if (!t.caFile.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, t.caFile.c_str());
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, t.from.c_str());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readPayload);
    curl_easy_setopt(curl, CURLOPT_READDATA, job);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, job);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, t.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, t.timeoutMs);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    const CURLcode code = curl_easy_perform(curl);
    long response = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response);
    curl_slist_free_all(rcpt);
    curl_easy_cleanup(curl);
    if (code == CURLE_OK) {
        job->sent = true;
        return;
    }
    if (job->aborted) {
        job->error = QObject::tr("Cancelled.");
        return;
    }
    QString why = QString::fromUtf8(errorBuffer).trimmed();
    if (why.isEmpty())
        why = QString::fromUtf8(curl_easy_strerror(code));
    if (code == CURLE_OPERATION_TIMEDOUT)
        job->error = QObject::tr("The mail server did not answer in time (%1).").arg(why);
    else if (code == CURLE_COULDNT_CONNECT || code == CURLE_COULDNT_RESOLVE_HOST)
        job->error = QObject::tr("The mail server could not be reached (%1).").arg(why);
    else if (code == CURLE_LOGIN_DENIED)
        job->error = QObject::tr("The mail server refused the user name or password.");
    else if (response >= 400)
        job->error = QObject::tr("The mail server refused the message (%1: %2).").arg(response).arg(why);
    else
        job->error = QObject::tr("The e-mail could not be sent (%1).").arg(why);
}

} // namespace

SmtpSender::SmtpSender(SmtpAccount account, QObject* parent) : QObject(parent), account_(std::move(account))
{
    initCurlOnce();
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
    if (job_)
        job_->aborted = true;
}

void SmtpSender::send(const MailMessage& message, Done done)
{
    join();
    done_ = std::move(done);
    QString problem = account_.problem();
    if (problem.isEmpty())
        problem = message.problem(); // whoever calls, nothing malformed reaches the envelope
    if (!problem.isEmpty()) {
        QTimer::singleShot(0, this, [this, problem] {
            if (Done d = std::exchange(done_, nullptr))
                d(false, problem);
        });
        return;
    }
    Transfer t;
    t.url = account_.url().toStdString();
    t.user = account_.user.toStdString();
    t.password = account_.password.toStdString();
    t.from = ('<' + account_.fromAddress.toUtf8() + '>').toStdString();
    t.caFile = QFile::encodeName(account_.caFile).toStdString();
    // Only the bare address goes into the envelope, never a name or anything after it.
    for (const QString& r : message.envelopeRecipients())
        t.recipients.push_back(('<' + r.toUtf8() + '>').toStdString());
    t.timeoutMs = account_.timeoutMs;
    t.connectTimeoutMs = account_.connectTimeoutMs;
    t.requireTls = account_.security != QLatin1String("none");

    auto job = std::make_shared<Job>();
    job->payload = message.toMime(QDateTime::currentDateTime(),
                                  QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@'
                                      + account_.fromAddress.section(u'@', -1));
    job_ = job;
    NSLog("Mail: sending to %@ through %@", message.to.join(QStringLiteral(", ")), account_.url());
    // The destructor joins the worker before `this` goes, so the queued call below always
    // finds its receiver (or is dropped with it).
    worker_ = std::thread([this, t = std::move(t), job] {
        perform(t, job.get());
        QMetaObject::invokeMethod(this, [this, job] {
            join();
            if (job != job_)
                return;
            job_.reset();
            if (Done d = std::exchange(done_, nullptr))
                d(job->sent, job->error);
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
