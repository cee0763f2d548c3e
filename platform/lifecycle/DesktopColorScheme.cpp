#include "platform/lifecycle/DesktopColorScheme.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QThread>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kNamespace = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

bool isDark(const QPalette& p)
{
    return p.color(QPalette::Window).lightness() < p.color(QPalette::WindowText).lightness();
}

// Portals older than version 2 wrap the value in a second variant.
QVariant unwrapped(QVariant v)
{
    while (v.metaType() == QMetaType::fromType<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    return v;
}

} // namespace

DesktopColorScheme::DesktopColorScheme(const QDBusConnection& bus, QObject* parent) : QObject(parent), bus_(bus) {}

void DesktopColorScheme::follow()
{
    if (!bus_.isConnected())
        return;
    bus_.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                 SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    read << kNamespace << kKey;
    pending_ = new QDBusPendingCallWatcher(bus_.asyncCall(read), this);
    connect(pending_, &QDBusPendingCallWatcher::finished, this, &DesktopColorScheme::answered);
}

void DesktopColorScheme::answered(QDBusPendingCallWatcher* watcher)
{
    if (watcher != pending_)
        return;
    pending_ = nullptr;
    const QDBusPendingReply<QDBusVariant> reply = *watcher;
    // No portal, or one without the key: the platform theme's palette stays.
    if (!reply.isError())
        apply(reply.value().variant());
    watcher->deleteLater();
}

void DesktopColorScheme::settle(int waitMs)
{
    // The bus's own thread fills the reply in; its signal would only come from the event loop.
    const QDeadlineTimer deadline(waitMs);
    while (pending_ && !pending_->isFinished() && !deadline.hasExpired())
        QThread::msleep(1);
    if (pending_ && pending_->isFinished())
        answered(pending_);
}

void DesktopColorScheme::settingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value)
{
    if (nameSpace == kNamespace && key == kKey)
        apply(value.variant());
}

void DesktopColorScheme::apply(const QVariant& value)
{
    bool ok = false;
    const uint v = unwrapped(value).toUInt(&ok);
    const Scheme scheme = ok && v <= 2 ? Scheme(v) : Scheme::NoPreference;
    scheme_ = scheme;
    if (scheme == Scheme::PreferDark && !platformPalette_ && !isDark(QApplication::palette())) {
        platformPalette_ = QApplication::palette();
        QApplication::setPalette(darkPalette());
    } else if (scheme != Scheme::PreferDark && platformPalette_) {
        QApplication::setPalette(*platformPalette_);
        platformPalette_.reset();
    }
    emit schemeChanged(scheme);
}

QPalette DesktopColorScheme::darkPalette()
{
    QPalette p;
    const QColor window(0x2d, 0x2d, 0x2d), base(0x1e, 0x1e, 0x1e), text(0xee, 0xee, 0xee), disabled(0x80, 0x80, 0x80);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = g == QPalette::Disabled;
        p.setColor(g, QPalette::Window, window);
        p.setColor(g, QPalette::WindowText, off ? disabled : text);
        p.setColor(g, QPalette::Base, base);
        p.setColor(g, QPalette::AlternateBase, window);
        p.setColor(g, QPalette::Text, off ? disabled : text);
        p.setColor(g, QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        p.setColor(g, QPalette::ButtonText, off ? disabled : text);
        p.setColor(g, QPalette::BrightText, Qt::white);
        p.setColor(g, QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
        p.setColor(g, QPalette::HighlightedText, Qt::white);
        p.setColor(g, QPalette::Link, QColor(0x78, 0xae, 0xed));
        p.setColor(g, QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
        p.setColor(g, QPalette::Light, QColor(0x50, 0x50, 0x50));
        p.setColor(g, QPalette::Midlight, QColor(0x44, 0x44, 0x44));
        p.setColor(g, QPalette::Mid, QColor(0x5c, 0x5c, 0x5c));
        p.setColor(g, QPalette::Dark, QColor(0x20, 0x20, 0x20));
        p.setColor(g, QPalette::Shadow, Qt::black);
        p.setColor(g, QPalette::ToolTipBase, window);
        p.setColor(g, QPalette::ToolTipText, text);
    }
    return p;
}
