#pragma once
// A hostile server on loopback, on a thread of its own so that it keeps sending while the
// code under test is busy: to each connection it writes `greeting` once (after the peer's
// first bytes, when asked to wait for a request) and then `chunk` over and over, as fast
// as the peer takes it (or one chunk every `intervalMs`, for a trickle), until it is
// destroyed.

#include <QByteArray>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

class FloodServer {
public:
    FloodServer(QByteArray greeting, QByteArray chunk, bool waitForRequest, int intervalMs = 0)
        : greeting_(std::move(greeting)), chunk_(std::move(chunk)), waitForRequest_(waitForRequest),
          intervalMs_(intervalMs)
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(listener_, 16) != 0
            || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { run(); });
    }
    ~FloodServer()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        ::close(listener_);
    }
    quint16 port() const { return port_; }
    qint64 bytesSent() const { return sent_; }
    int connections() const { return connections_; }

private:
    struct Peer {
        int fd;
        bool asked;
        qsizetype greetingDone;
        qsizetype chunkAt;
    };

    void run()
    {
        std::vector<Peer> peers;
        while (!stop_) {
            std::vector<pollfd> fds{{listener_, POLLIN, 0}};
            for (const Peer& p : peers)
                fds.push_back({p.fd, short(POLLIN | (p.asked ? POLLOUT : 0)), 0});
            if (::poll(fds.data(), fds.size(), 50) <= 0)
                continue;
            if (intervalMs_ > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs_));
            for (size_t i = 0; i + 1 < fds.size(); ++i) {
                Peer& p = peers[i];
                const short events = fds[i + 1].revents;
                bool gone = events & (POLLERR | POLLHUP);
                if (events & POLLIN) {
                    char buffer[4096];
                    const ssize_t n = ::read(p.fd, buffer, sizeof buffer);
                    gone = gone || n == 0;
                    p.asked = p.asked || n > 0;
                }
                if (!gone && p.asked && (events & POLLOUT))
                    gone = !send(p);
                if (gone) {
                    ::close(p.fd);
                    p.fd = -1;
                }
            }
            std::erase_if(peers, [](const Peer& p) { return p.fd < 0; });
            if (fds[0].revents & POLLIN) {
                const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
                if (fd >= 0) {
                    peers.push_back({fd, !waitForRequest_, 0, 0});
                    ++connections_;
                }
            }
        }
        for (const Peer& p : peers)
            ::close(p.fd);
    }

    bool send(Peer& p)
    {
        const QByteArray& from = p.greetingDone < greeting_.size() ? greeting_ : chunk_;
        qsizetype& at = p.greetingDone < greeting_.size() ? p.greetingDone : p.chunkAt;
        const ssize_t n = ::send(p.fd, from.constData() + at, size_t(from.size() - at), MSG_NOSIGNAL);
        if (n < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK;
        sent_ += n;
        at += n;
        if (&from == &chunk_ && p.chunkAt == chunk_.size())
            p.chunkAt = 0;
        return true;
    }

    QByteArray greeting_;
    QByteArray chunk_;
    bool waitForRequest_;
    int intervalMs_;
    int listener_ = -1;
    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> sent_{0};
    std::atomic<int> connections_{0};
    std::thread thread_;
};
