#pragma once
// One running instance per user session. The first start owns the session bus name of the
// application id (and answers org.freedesktop.Application.Activate there); where no session
// bus exists it listens on a local socket in the per-user runtime folder instead. A later
// start hands the first its command line and the launcher's activation token, asks it to
// show its window and ends, touching nothing of the user's.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantMap>
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
    // A later start hands `arguments` (its command line without the program) and the
    // launcher's `action` that it asks for (when not empty) to the first.
    Role claim(const QStringList& arguments = {}, const QString& action = {});
    // How the first instance was found or claimed: "session bus" or the socket's path.
    QString channel() const { return channel_; }
    // Whether this first instance owns its name on the session bus (which is then up).
    bool onSessionBus() const { return onBus_; }

    // The window a later start raises.
    void setWindow(QWidget* window) { window_ = window; }

    // The session bus object path of `id`: "/" and its dotted parts ("/org/example/App").
    static QString objectPath(const QString& id);

    // A later start's request on the socket, one line of at most the server's longest line;
    // empty when the command line cannot be carried in one.
    static QByteArray requestLine(const QString& action, const QStringList& arguments, const QVariantMap& tokens);
    // What the first instance makes of a line from the socket.
    struct Request {
        QString action;        // a launcher's action ("settings"), as the older line names one
        QStringList arguments; // the later start's command line
        QVariantMap tokens;    // "activation-token" and "desktop-startup-id", as on the bus
    };
    static Request parseRequestLine(const QByteArray& line);

signals:
    // Another start asked for the window (after it has been raised), for `action` when a
    // launcher named one, with the command line it was started with.
    void activated(const QString& action, const QStringList& arguments);

public slots:
    void raiseWindow(const QString& action = {});

public:
    // Raises the window with the launcher's token (which lets the window manager give it the
    // focus), then tells activated().
    void serve(const Request& request);

private:
    Role claimOnSessionBus(const QStringList& arguments, const QString& action);
    Role claimLocalSocket(const QStringList& arguments, const QString& action);

    QString id_;
    QString channel_;
    QPointer<QWidget> window_;
    LocalLineServer* server_ = nullptr;
    bool onBus_ = false;
};
