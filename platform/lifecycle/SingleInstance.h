#pragma once
// One running instance per user session. The first start owns the session bus name of the
// application id (and answers org.freedesktop.Application.Activate there); where no session
// bus exists it listens on a local socket in the per-user runtime folder instead. A later
// start asks the first to show its window (and to run the action it was started for, such
// as a desktop entry's action) and ends, touching nothing of the user's.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class LocalLineServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,          // this process runs the application
        AlreadyRunning, // another one runs; it has been asked to show its window
        Unreachable,    // another one runs but did not answer
    };

    // `id` is the application id (reverse-DNS), which names the bus name and the socket.
    explicit SingleInstance(QString id, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decides once, at start: one name request on the session bus, or a look at the socket.
    // A later start hands `action` (when not empty) to the first.
    Role claim(const QString& action = {});
    // How the first instance was found or claimed: "session bus" or the socket's path.
    QString channel() const { return channel_; }

    // The window a later start raises.
    void setWindow(QWidget* window) { window_ = window; }

    // The session bus object path of `id`: "/" and its dotted parts ("/org/example/App").
    static QString objectPath(const QString& id);

signals:
    // Another start asked for the window (after it has been raised), and for `action` when
    // it was started for one.
    void activated(const QString& action);

public slots:
    void raiseWindow(const QString& action = {});

private:
    Role claimOnSessionBus(const QString& action);
    Role claimLocalSocket(const QString& action);

    QString id_;
    QString channel_;
    QPointer<QWidget> window_;
    LocalLineServer* server_ = nullptr;
    bool onBus_ = false;
};
