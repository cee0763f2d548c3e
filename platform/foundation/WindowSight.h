#pragma once
// Whether the user can see a widget's window: shown, not minimised, and exposed by the window
// system. What follows the position (the report screen, the map) and the save on going to
// the background go by it, so that they agree on every platform.
//
// Wayland compositors tell Qt 6.4 neither about minimising nor about another application
// covering the window (nor the overview, nor the lock screen). What Qt's Wayland plugin does
// report is exposure: a frame the window asks for that gets no callback within 100 ms marks
// the window unexposed, and the late callback, once the compositor shows the surface again,
// exposes it again. A window that paints nothing never asks for a frame, so while the
// application is not the active one a one-pixel repaint every few seconds asks for one.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

class WindowSight : public QObject {
    Q_OBJECT
public:
    // Watches the top-level window of `widget` (whichever it is at the time).
    explicit WindowSight(QWidget* widget);

    // Shown, not minimised, and not unexposed for longer than the grace.
    bool canBeSeen() const;
    // The window as it is now, without the grace given to a lost frame.
    static bool canBeSeenNow(const QWidget* window);

    // How long an unexposed window waits before it counts as out of sight: a compositor busy
    // for a moment may answer a frame late.
    static constexpr int kExposureGraceMs = 1500;
    // How often an inactive window asks the compositor for a frame.
    static constexpr int kProbeMs = 3000;

signals:
    void changed(bool seen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch();
    void update();
    void graceOver();
    void probe();
    void applicationStateChanged();

    QPointer<QWidget> widget_;
    QPointer<QWidget> window_;
    QPointer<QWindow> handle_;
    QTimer grace_;
    QTimer probe_;
    bool seen_ = true;        // as last told through changed()
    bool exposureLost_ = false;
};
