#pragma once
// The on-screen keyboard of a phone session whose compositor cannot hear Qt: Phosh's
// compositor offers text-input v3 only, which Qt 6.4's Wayland client does not speak, so the
// keyboard (squeekboard, "sm.puri.OSK0" on the session bus) never learns that a text field
// has focus. This asks for it directly: shown while a control that takes text has the focus,
// hidden when the focus leaves text input, as the desktop's screen-keyboard setting allows.
// Where that service is not on the bus (Plasma Mobile, whose compositor Qt reaches through
// text-input v2, and every desktop) it does nothing.

#include <QDBusConnection>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QProcess;
class QWidget;

class ScreenKeyboard : public QObject {
    Q_OBJECT
public:
    // `settingCommand` prints the desktop's screen-keyboard setting ("true" or "false").
    explicit ScreenKeyboard(const QDBusConnection& bus, QObject* parent = nullptr,
                            QStringList settingCommand = defaultSettingCommand());
    ~ScreenKeyboard() override;

    // Starts watching the keyboard's service and the application's focus. Nothing here
    // waits for the bus.
    void follow();

    // Whether the keyboard's service is on the bus, as last heard.
    bool isServiceAvailable() const { return serviceAvailable_; }

    // Whether `widget` takes typed text: enabled, editable and accepting input methods.
    static bool takesText(const QWidget* widget);

    // `gsettings get` of org.gnome.desktop.a11y.applications screen-keyboard-enabled.
    static QStringList defaultSettingCommand();

signals:
    // Each SetVisible sent to the keyboard.
    void requested(bool visible);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void serviceRegistered(bool registered);
    void focusChanged();
    void settle();
    void askSetting(QWidget* target);
    void dropSettingRead();
    void setVisible(bool visible);
    void watchTaps(QWidget* widget);

    QDBusConnection bus_;
    QStringList settingCommand_;
    bool following_ = false;
    bool serviceAvailable_ = false;
    // Focus moving from one field to the next may pass through no widget at all for a moment;
    // the keyboard follows only where it comes to rest.
    QTimer settle_;
    bool shown_ = false;
    // The field the keyboard was last shown for: a new field, or a tap, asks again (the user
    // may have put the keyboard away meanwhile).
    QPointer<QWidget> shownFor_;
    QPointer<QWidget> tapWatched_;
    QPoint pressedAt_;
    QPointer<QProcess> settingRead_;
};
