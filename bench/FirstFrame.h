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

class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QWidget* window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so it runs once the whole window is painted and flushed.
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::printf("first-frame %lld\n", monotonicNanoseconds());
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace bench
