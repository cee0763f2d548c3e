#include "platform/messaging/MailSenders.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/HostAddress.h"
#include "platform/foundation/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QUuid>
#include <QStandardPaths>
#include <curl/curl.h>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// libcurl is opened at the first SMTP transfer rather than linked: with the TLS, Kerberos,
// LDAP and SSH libraries it brings, it would be loaded (and their initialisers run) at every
// start of the application, for a transport that most starts never use.
struct Curl {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_setopt) setopt = nullptr;
    decltype(&curl_easy_perform) easyPerform = nullptr;
    decltype(&curl_easy_getinfo) getinfo = nullptr;
    decltype(&curl_easy_cleanup) cleanup = nullptr;
    decltype(&curl_easy_strerror) strerror = nullptr;
    decltype(&curl_slist_append) slistAppend = nullptr;
    decltype(&curl_slist_free_all) slistFreeAll = nullptr;
    std::string error; // why the library cannot be used; empty when it can
};

// Opened and initialised once, by whichever thread asks first.
const Curl& curl()
{
    static const Curl lib = [] {
        Curl c;
        // The name of the ABI that <curl/curl.h> describes.
        void* handle = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = dlerror();
            c.error = why ? why : "libcurl.so.4 cannot be loaded";
            return c;
        }
        bool complete = true;
        auto bind = [&](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(handle, name));
            complete = complete && fn;
        };
        bind(c.globalInit, "curl_global_init");
        bind(c.easyInit, "curl_easy_init");
        bind(c.setopt, "curl_easy_setopt");
        bind(c.easyPerform, "curl_easy_perform");
        bind(c.getinfo, "curl_easy_getinfo");
        bind(c.cleanup, "curl_easy_cleanup");
        bind(c.strerror, "curl_easy_strerror");
        bind(c.slistAppend, "curl_slist_append");
        bind(c.slistFreeAll, "curl_slist_free_all");
        if (!complete)
            c.error = "libcurl.so.4 lacks a function this build needs";
        else if (c.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            c.error = "curl_global_init failed";
        return c;
    }();
    return lib;
}

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

struct SmtpSender::Job {
    std::atomic<bool> aborted{false};
    QByteArray payload;
    qsizetype offset = 0;
    bool sent = false;
    QString error;
    QString lastReply; // the server's last answer line
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

// Keeps the server's last answer line; nothing else of the dialogue (it holds the login).
int keepReplies(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    if (type == CURLINFO_HEADER_IN) {
        const QString line = QString::fromUtf8(data, static_cast<qsizetype>(size)).trimmed();
        if (!line.isEmpty())
            static_cast<SmtpSender::Job*>(user)->lastReply = line;
    }
    return 0;
}

size_t discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

struct Transfer {
    std::string url, user, password, from, caFile;
    std::vector<std::string> recipients;
    long timeoutMs = 30000;
    long connectTimeoutMs = 10000;
    bool requireTls = true;
    bool checkOnly = false; // log in, NOOP, quit
};

// Runs on the worker thread; touches nothing but `job` and its own copies.
void perform(const Transfer& t, SmtpSender::Job* job)
{
    const Curl& lib = ::curl();
    if (!lib.error.empty()) {
        job->error = QObject::tr("The mail library could not be started.")
                     + QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(lib.error));
        return;
    }
    CURL* curl = lib.easyInit();
    if (!curl) {
        job->error = QObject::tr("The mail library could not be started.");
        return;
    }
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_slist* rcpt = nullptr;
    for (const std::string& r : t.recipients)
        rcpt = lib.slistAppend(rcpt, r.c_str());
    lib.setopt(curl, CURLOPT_URL, t.url.c_str());
    lib.setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    lib.setopt(curl, CURLOPT_USE_SSL, static_cast<long>(t.requireTls ? CURLUSESSL_ALL : CURLUSESSL_NONE));
    if (!t.user.empty()) {
        lib.setopt(curl, CURLOPT_USERNAME, t.user.c_str());
        lib.setopt(curl, CURLOPT_PASSWORD, t.password.c_str());
    }
    if (!t.caFile.empty())
        lib.setopt(curl, CURLOPT_CAINFO, t.caFile.c_str());
    if (t.checkOnly) {
        lib.setopt(curl, CURLOPT_CUSTOMREQUEST, "NOOP");
        lib.setopt(curl, CURLOPT_WRITEFUNCTION, discard);
    } else {
        lib.setopt(curl, CURLOPT_MAIL_FROM, t.from.c_str());
        lib.setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
        lib.setopt(curl, CURLOPT_UPLOAD, 1L);
        lib.setopt(curl, CURLOPT_READFUNCTION, readPayload);
        lib.setopt(curl, CURLOPT_READDATA, job);
    }
    lib.setopt(curl, CURLOPT_VERBOSE, 1L);
    lib.setopt(curl, CURLOPT_DEBUGFUNCTION, keepReplies);
    lib.setopt(curl, CURLOPT_DEBUGDATA, job);
    lib.setopt(curl, CURLOPT_NOPROGRESS, 0L);
    lib.setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    lib.setopt(curl, CURLOPT_XFERINFODATA, job);
    lib.setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, t.connectTimeoutMs);
    lib.setopt(curl, CURLOPT_TIMEOUT_MS, t.timeoutMs);
    lib.setopt(curl, CURLOPT_NOSIGNAL, 1L);
    lib.setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    const CURLcode code = lib.easyPerform(curl);
    long response = 0;
    lib.getinfo(curl, CURLINFO_RESPONSE_CODE, &response);
    lib.slistFreeAll(rcpt);
    lib.cleanup(curl);
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
        why = QString::fromUtf8(lib.strerror(code));
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
    Transfer t;
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
