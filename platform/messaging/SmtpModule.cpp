// The mail module: SMTP transfers through libcurl, linked here so that the package's
// dependency on it is computed from this module.
#include "platform/foundation/ModuleEntry.h"
#include "platform/messaging/SmtpTransfer.h"

#include <QObject>
#include <cstring>
#include <curl/curl.h>

namespace {

size_t readPayload(char* buffer, size_t size, size_t count, void* user)
{
    auto* job = static_cast<SmtpJob*>(user);
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
    return static_cast<SmtpJob*>(user)->aborted ? 1 : 0;
}

// Keeps the server's last answer line; nothing else of the dialogue (it holds the login).
int keepReplies(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    if (type == CURLINFO_HEADER_IN) {
        const QString line = QString::fromUtf8(data, static_cast<qsizetype>(size)).trimmed();
        if (!line.isEmpty())
            static_cast<SmtpJob*>(user)->lastReply = line;
    }
    return 0;
}

size_t discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

// Runs on the worker thread; touches nothing but `job` and its own copies.
void runTransfer(const SmtpTransfer& t, SmtpJob* job)
{
    static const CURLcode started = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (started != CURLE_OK) {
        job->error = QObject::tr("The mail library could not be started.")
                     + QStringLiteral(" (%1)").arg(QString::fromUtf8(curl_easy_strerror(started)));
        return;
    }
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
    if (t.checkOnly) {
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "NOOP");
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
    } else {
        curl_easy_setopt(curl, CURLOPT_MAIL_FROM, t.from.c_str());
        curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, readPayload);
        curl_easy_setopt(curl, CURLOPT_READDATA, job);
    }
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, keepReplies);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, job);
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

class SmtpPlugin : public QObject, public QuorvelModule, public SmtpTransport {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorvel.SmtpTransport/1")
    Q_INTERFACES(QuorvelModule SmtpTransport)
public:
    void setLogWriter(QuorvelModuleLogWriter writer) override { setModuleLogWriter(writer); }
    void perform(const SmtpTransfer& transfer, SmtpJob* job) override { runTransfer(transfer, job); }
};

#include "SmtpModule.moc"
