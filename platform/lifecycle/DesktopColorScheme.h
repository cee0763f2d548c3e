#pragma once
// The desktop's light or dark preference, where Qt's platform theme does not carry it into
// the palette (GNOME's and Phosh's dark style reach applications through the settings
// portal's "color-scheme"). Asked without waiting, so the first frame never waits for it.

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QObject>
#include <QPalette>
#include <optional>

class DesktopColorScheme : public QObject {
    Q_OBJECT
public:
    // The portal's values.
    enum class Scheme { NoPreference = 0, PreferDark = 1, PreferLight = 2 };

    explicit DesktopColorScheme(const QDBusConnection& bus, QObject* parent = nullptr);

    // Asks the portal once and then follows its changes: a preference for dark over a light
    // palette gives the application darkPalette(); any other answer later gives the
    // platform's palette back. A desktop without the portal changes nothing.
    void follow();
    // Waits at most `waitMs` for the answer follow() asked for, and applies it here when it
    // came: asked before the window is built and settled before it is shown, a dark desktop's
    // first frame is dark. A later answer is applied when it comes, as without this.
    void settle(int waitMs);
    Scheme scheme() const { return scheme_; }

    // Light text on dark grey, with a blue highlight.
    static QPalette darkPalette();

signals:
    void schemeChanged(DesktopColorScheme::Scheme scheme);

private slots:
    void settingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);

private:
    void apply(const QVariant& value);
    void answered(QDBusPendingCallWatcher* watcher);

    QDBusConnection bus_;
    Scheme scheme_ = Scheme::NoPreference;
    std::optional<QPalette> platformPalette_; // set while ours is in use
    QDBusPendingCallWatcher* pending_ = nullptr; // the first answer, until it is applied
};
