#pragma once
// Notes the first frame a window paints, then ends the process's event loop and prints one
// line for the start-up benchmark:
//
//   first-frame-ns=<since process start> first-paint-ns=<...> vmhwm-kb=<peak resident>
//
// The start is the CLOCK_MONOTONIC time the runner took just before it spawned the process
// ("--t0=<ns>" on the command line); without it, the process start time from /proc/self/stat,
// whose clock ticks are much coarser. The frame counts as painted once the window's paint
// event has been handled and the event loop turns again, by which time the backing store has
// been flushed.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace startup {

inline std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Process start on the monotonic clock, from field 22 of /proc/self/stat (clock ticks since
// boot); CLOCK_BOOTTIME minus CLOCK_MONOTONIC corrects for time spent suspended.
inline std::int64_t processStartNs()
{
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return monotonicNs();
    std::istringstream rest(stat.substr(close + 2));
    std::string field;
    unsigned long long ticks = 0;
    for (int i = 3; i <= 22 && rest >> field; ++i)
        if (i == 22)
            ticks = std::strtoull(field.c_str(), nullptr, 10);
    timespec boot{}, mono{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    clock_gettime(CLOCK_MONOTONIC, &mono);
    const std::int64_t offset = (std::int64_t(boot.tv_sec) - mono.tv_sec) * 1000000000 + (boot.tv_nsec - mono.tv_nsec);
    return std::int64_t(ticks) * (1000000000 / sysconf(_SC_CLK_TCK)) - offset;
}

inline long vmHwmKb()
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class FirstFrameProbe : public QObject {
public:
    // Takes "--t0=<ns>" out of the arguments, so that the application never sees it.
    FirstFrameProbe(int& argc, char** argv)
    {
        int out = 0;
        for (int i = 0; i < argc; ++i) {
            if (std::strncmp(argv[i], "--t0=", 5) == 0)
                start_ = std::strtoll(argv[i] + 5, nullptr, 10);
            else
                argv[out++] = argv[i];
        }
        argc = out;
        argv[argc] = nullptr;
        if (start_ == 0)
            start_ = processStartNs();
    }

    void watch(QWidget* window)
    {
        window_ = window;
        window->installEventFilter(this);
        // A start that never paints must still end.
        QTimer::singleShot(20000, this, [] {
            std::fprintf(stderr, "no frame painted within 20 s\n");
            QCoreApplication::exit(3);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && firstPaint_ == 0) {
            firstPaint_ = monotonicNs();
            QTimer::singleShot(0, this, [this] {
                const std::int64_t frame = monotonicNs();
                std::printf("first-frame-ns=%lld first-paint-ns=%lld vmhwm-kb=%ld\n",
                            static_cast<long long>(frame - start_), static_cast<long long>(firstPaint_ - start_),
                            vmHwmKb());
                std::fflush(stdout);
                // For a look at where the memory goes: the mappings as they stand at the frame.
                if (const char* copy = std::getenv("QUORVEL_STARTUP_SMAPS")) {
                    std::ifstream in("/proc/self/smaps");
                    std::ofstream(copy) << in.rdbuf();
                }
                // For a look at the frame itself.
                if (const char* picture = std::getenv("QUORVEL_STARTUP_FRAME"))
                    window_->grab().save(QString::fromLocal8Bit(picture));
                // For profiles of the start alone, without the shutdown.
                if (std::getenv("QUORVEL_STARTUP_EXIT_AT_FRAME"))
                    std::_Exit(0);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_ = nullptr;
    std::int64_t start_ = 0;
    std::int64_t firstPaint_ = 0;
};

} // namespace startup
