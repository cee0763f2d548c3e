#pragma once
// Work the first frame does not need waits until that frame is on screen.
//
// The application main says when it starts waiting for its window's first frame and when
// that frame has been painted; services queue what can wait (opening a position source,
// connecting to a daemon) with whenPainted. Where no frame is awaited (no window, tests of a
// single service, or after the first frame), the work runs at the next pass of the event loop,
// never inside the call that queued it.

#include <QObject>
#include <functional>

namespace FirstFrame {

// Runs `work` once, after the first frame, unless `context` has been destroyed by then.
void whenPainted(QObject* context, std::function<void()> work);

// A first frame is awaited from now on. Should it never come (a window that is never
// exposed), the waiting work runs anyway after a short while.
void expect();
// The first frame is on screen, or no longer awaited: what waits runs, each piece at its
// own pass of the event loop, once the loop has finished with the frame.
void painted();
bool isAwaited();

} // namespace FirstFrame
