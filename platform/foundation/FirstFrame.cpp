#include "platform/foundation/FirstFrame.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <utility>
#include <vector>

namespace FirstFrame {

namespace {

struct Waiting {
    QPointer<QObject> context;
    std::function<void()> work;
};

struct State {
    bool awaited = false;
    std::vector<Waiting> waiting;
    QPointer<QTimer> fallback;
};

State& state()
{
    static State s;
    return s;
}

// Longest a start waits for a frame that does not come.
constexpr int kFallbackMs = 1500;

void runLater(const QPointer<QObject>& context, std::function<void()> work)
{
    if (!context)
        return;
    QTimer::singleShot(0, context.data(), std::move(work));
}

} // namespace

void whenPainted(QObject* context, std::function<void()> work)
{
    State& s = state();
    if (s.awaited)
        s.waiting.push_back({context, std::move(work)});
    else
        runLater(context, std::move(work));
}

void expect()
{
    State& s = state();
    s.awaited = true;
    if (!s.fallback) {
        // Goes with the application object.
        auto* timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, timer, [] { painted(); });
        s.fallback = timer;
    }
    s.fallback->start(kFallbackMs);
}

void painted()
{
    State& s = state();
    if (!s.awaited)
        return;
    s.awaited = false;
    if (s.fallback)
        s.fallback->stop();
    // Called from the paint: one pass of the loop to finish the frame and whatever else the
    // paint queued, then the waiting work in the order it was queued.
    std::vector<Waiting> waiting = std::exchange(s.waiting, {});
    QTimer::singleShot(0, [waiting = std::move(waiting)]() mutable {
        for (Waiting& w : waiting)
            runLater(w.context, std::move(w.work));
    });
}

bool isAwaited()
{
    return state().awaited;
}

} // namespace FirstFrame
