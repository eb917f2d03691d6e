// Reports when a window's first frame has been painted and flushed, then ends the program.
// Used by the start-up comparison: it prints "first-frame <ns>" on the monotonic clock, plus
// "phase <name> <ns>" lines for the steps a program marks on its way there.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

namespace bench {

inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

inline void markPhase(const char* name)
{
    std::printf("phase %s %lld\n", name, monotonicNanoseconds());
}

inline void markFirstFrame() { std::printf("first-frame %lld\n", monotonicNanoseconds()); }

inline void reportFirstFrameAndQuit()
{
    markFirstFrame();
    QCoreApplication::quit();
}

// Calls then() once the widget's first paint has been flushed to the screen; owned by owner,
// which outlives that call (a widget that deletes itself once painted cannot own it).
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* widget, QObject* owner, std::function<void()> then)
        : QObject(owner), then_(std::move(then))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            // Queued, so it runs once the whole window is painted and flushed.
            QMetaObject::invokeMethod(this, std::exchange(then_, nullptr), Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

} // namespace bench
