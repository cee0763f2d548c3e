#pragma once
// Serving one-line requests on a listening Unix socket with Qt's local socket server, in the
// network module: the program makes and binds the socket itself before its first frame (a few
// system calls) and hands it over once the frame is on screen.

#include <QByteArray>
#include <QObject>
#include <QtPlugin>

#include <functional>

namespace LocalLines {
// The longest line a peer may send; a peer that sends more without ending it is cut off.
constexpr int kMaximumLine = 1024;
// A peer that has not sent its line by then is cut off.
constexpr int kPeerDeadlineMs = 2000;
// Peers served at once; a further one is turned away at once.
constexpr int kMaximumPeers = 4;
// How long the server rests when the process is out of descriptors.
constexpr int kRestMs = 500;
} // namespace LocalLines

class LocalLineModule {
public:
    virtual ~LocalLineModule() = default;
    // Serves the listening socket `listeningFd`, which stays the caller's (open, and listening,
    // for as long as the returned object lives), through `copy`, a duplicate of it that the
    // module takes over: each peer of this user's that sends a line within the limits above
    // has it passed to `onLine` (without blanks around it) and is answered "ok". The returned
    // object is a child of `parent`.
    virtual QObject* serveLines(int listeningFd, int copy, std::function<void(const QByteArray&)> onLine,
                                QObject* parent) = 0;
};
Q_DECLARE_INTERFACE(LocalLineModule, "org.quorvel.LocalLineModule/1")
