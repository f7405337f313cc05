#include "SimClock.h"

#include <QTimer>

#include <algorithm>

namespace {
// Events run per event-loop pass in fast mode: enough to be quick, few
// enough that the rest of the program's events interleave.
constexpr int kFastBatch = 64;
} // namespace

SimClock::SimClock(Mode mode, QObject *parent) : QObject(parent), m_mode(mode), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SimClock::onTimer);
    m_real.start();
}

SimClock::~SimClock() = default;

void SimClock::setMode(Mode mode)
{
    m_now = nowUs();
    m_mode = mode;
    m_real.restart();
    m_realBase = m_now;
    arm();
}

qint64 SimClock::realNowUs() const
{
    return m_realBase + m_real.nsecsElapsed() / 1000;
}

qint64 SimClock::nowUs() const
{
    if (m_mode == Mode::RealTime)
        return std::max(m_now, realNowUs());
    return m_now;
}

quint64 SimClock::schedule(qint64 delayUs, Callback callback, const QObject *context)
{
    const qint64 due = nowUs() + std::max<qint64>(0, delayUs);
    const Key key{due, ++m_sequence};
    const quint64 id = key.sequence;
    m_events.emplace(key, Event{id, std::move(callback), QPointer<const QObject>(context), context != nullptr});
    m_keys.emplace(id, key);
    arm();
    return id;
}

SimClock::Hold SimClock::hold()
{
    std::shared_ptr<std::atomic<int>> holds = m_holds;
    ++*holds;
    return Hold(nullptr, [holds](void *) { --*holds; });
}

void SimClock::cancel(quint64 id)
{
    auto it = m_keys.find(id);
    if (it == m_keys.end())
        return;
    m_events.erase(it->second);
    m_keys.erase(it);
}

void SimClock::runEvent(std::map<Key, Event>::iterator it)
{
    Event event = std::move(it->second);
    m_now = std::max(m_now, it->first.due);
    m_keys.erase(event.id);
    m_events.erase(it);
    if (event.hasContext && !event.context)
        return;
    event.callback();
}

bool SimClock::runNext()
{
    if (m_events.empty())
        return false;
    runEvent(m_events.begin());
    arm();
    return true;
}

int SimClock::runUntilIdle(int maxEvents)
{
    int ran = 0;
    while (ran < maxEvents && !m_events.empty()) {
        runEvent(m_events.begin());
        ++ran;
    }
    arm();
    return ran;
}

void SimClock::advance(qint64 us)
{
    const qint64 end = nowUs() + std::max<qint64>(0, us);
    while (!m_events.empty() && m_events.begin()->first.due <= end)
        runEvent(m_events.begin());
    m_now = std::max(m_now, end);
    if (m_mode == Mode::RealTime) {
        m_real.restart();
        m_realBase = m_now;
    }
    arm();
}

void SimClock::arm()
{
    if (m_events.empty() || m_mode == Mode::Manual) {
        m_timer->stop();
        return;
    }
    int interval = 0;
    if (m_mode == Mode::RealTime) {
        const qint64 wait = m_events.begin()->first.due - realNowUs() - m_spinUs;
        interval = wait <= 0 ? 0 : int(std::min<qint64>((wait + 999) / 1000, 1000000));
    }
    if (!m_timer->isActive() || m_timer->remainingTime() > interval)
        m_timer->start(interval);
}

void SimClock::onTimer()
{
    // Armed before the events run: an event whose receiver opens a nested
    // event loop (a modal dialog of the program) does not stop the clock,
    // as the devices do not wait for the program's user.
    arm();
    if (m_mode == Mode::Fast) {
        // Held: the next pass of the event loop looks again.
        if (isHeld())
            return;
        for (int i = 0; i < kFastBatch && !m_events.empty(); ++i)
            runEvent(m_events.begin());
    } else if (m_mode == Mode::RealTime) {
        const qint64 now = realNowUs();
        while (!m_events.empty() && m_events.begin()->first.due <= now)
            runEvent(m_events.begin());
        m_now = std::max(m_now, now);
    }
    // The timer armed above may be due at once for the events that ran.
    m_timer->stop();
    arm();
}
