#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <memory>

class QTimer;

// The simulator's time. Every delay of the simulated radio and devices (link
// latency, telemetry period, advertising interval, reboot) is an event on
// this clock, in microseconds. Events run in time order, events of the same
// time in the order they were scheduled, so a run is fully deterministic.
//
// Modes:
//   Fast     - time jumps to the next event as soon as the event loop is
//              idle: tests run seconds of link time in milliseconds, and
//              QTRY_* keeps working because events still run from the loop.
//              It waits while held (hold()): what the simulation handed to
//              another thread, the air's advertisements on their way to the
//              program's scanner, arrives before time runs on;
//   RealTime - one simulated microsecond per real one (a running program);
//   Manual   - nothing runs until advance()/runUntilIdle() is called.
class SimClock : public QObject
{
    Q_OBJECT
public:
    enum class Mode { Fast, RealTime, Manual };
    using Callback = std::function<void()>;

    explicit SimClock(Mode mode = Mode::Fast, QObject *parent = nullptr);
    ~SimClock() override;

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    // RealTime only: the last us microseconds before an event are waited
    // through the event loop instead of a timer, so events run within
    // microseconds of their time (benchmarks) at the price of a busy wait.
    // 0, the default: a timer only, up to a millisecond late.
    void setRealTimeSpinUs(qint64 us) { m_spinUs = std::max<qint64>(0, us); }

    qint64 nowUs() const;
    qint64 nowMs() const { return nowUs() / 1000; }

    // Runs callback after delayUs (0 or less: as soon as possible, after
    // what is already due). With a context the event is dropped once the
    // context is destroyed. Returns an id for cancel().
    quint64 schedule(qint64 delayUs, Callback callback, const QObject *context = nullptr);
    quint64 scheduleMs(qint64 delayMs, Callback callback, const QObject *context = nullptr)
    {
        return schedule(delayMs * 1000, std::move(callback), context);
    }
    void cancel(quint64 id);
    int pendingEvents() const { return int(m_events.size()); }

    // Keeps the fast clock from running events until the last copy of the
    // returned hold is gone. Taken on the clock's thread, released on any
    // (also by dropping a queued call that carries it); the clock may be
    // gone by then. advance(), runNext() and runUntilIdle() do not wait.
    using Hold = std::shared_ptr<void>;
    Hold hold();
    bool isHeld() const { return m_holds->load() > 0; }

    // Runs every event due within the next us microseconds and leaves the
    // time at now + us (any mode).
    void advance(qint64 us);
    void advanceMs(qint64 ms) { advance(ms * 1000); }
    // Runs the earliest event, moving time to it; false when none is left.
    bool runNext();
    // Runs events until none is left or maxEvents ran; returns how many ran.
    int runUntilIdle(int maxEvents = 1000000);

private:
    struct Key {
        qint64 due;
        quint64 sequence;
        bool operator<(const Key &other) const
        {
            return due != other.due ? due < other.due : sequence < other.sequence;
        }
    };
    struct Event {
        quint64 id;
        Callback callback;
        QPointer<const QObject> context;
        bool hasContext;
    };

    void runEvent(std::map<Key, Event>::iterator it);
    void arm();
    void onTimer();
    qint64 realNowUs() const;

    Mode m_mode;
    qint64 m_now = 0;
    quint64 m_sequence = 0;
    std::map<Key, Event> m_events;
    std::map<quint64, Key> m_keys;
    QTimer *m_timer = nullptr;
    QElapsedTimer m_real;
    qint64 m_realBase = 0; // simulated time at m_real's start
    qint64 m_spinUs = 0;
    // Shared with the holds, which may outlive the clock.
    std::shared_ptr<std::atomic<int>> m_holds = std::make_shared<std::atomic<int>>(0);
};
