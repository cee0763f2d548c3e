#include "platform/foundation/Keyring.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Modules.h"

#include <QCoreApplication>
#include <QTimer>
#include <mutex>

namespace {

// Hands each call to the module's keyring, opened at the first call; without the module
// every call answers "unavailable" with the reason, as a missing Secret Service would.
class ModuleKeyring : public Keyring {
public:
    void readPassword(const QString& key, Done done) override
    {
        if (Keyring* k = keyring(done))
            k->readPassword(key, std::move(done));
    }
    void writePassword(const QString& key, const QString& password, Done done) override
    {
        if (Keyring* k = keyring(done))
            k->writePassword(key, password, std::move(done));
    }
    void deletePassword(const QString& key, Done done) override
    {
        if (Keyring* k = keyring(done))
            k->deletePassword(key, std::move(done));
    }

private:
    Keyring* keyring(const Done& done)
    {
        std::call_once(opened_, [this] {
            if (auto* module = Modules::get<KeyringModule>(QStringLiteral("keyring"), &error_))
                keyring_ = module->secretService();
            if (!keyring_)
                NSLog("Keyring: %@", error_);
        });
        if (!keyring_) {
            // Never inside the call, as the real keyring answers.
            QTimer::singleShot(0, QCoreApplication::instance(),
                               [done, error = error_] { done({KeyringAnswer::Unavailable, {}, error}); });
        }
        return keyring_;
    }

    std::once_flag opened_;
    Keyring* keyring_ = nullptr;
    QString error_;
};

} // namespace

std::shared_ptr<Keyring> Keyring::secretService()
{
    static const std::shared_ptr<Keyring> keyring = std::make_shared<ModuleKeyring>();
    return keyring;
}

QString Keyring::smtpKey(const QString& user, const QString& server)
{
    return QStringLiteral("smtp:%1@%2").arg(user.trimmed(), server.trimmed().toLower());
}
