#include "BleTimer.h"

#include "BleBackend.h"

#include <algorithm>
#include <limits>

BleTimer::BleTimer(BleBackend *backend, QObject *parent)
    : QObject(parent), m_backend(backend ? backend : BleBackend::instance())
{
}

BleTimer::~BleTimer() = default;

void BleTimer::setBackend(BleBackend *backend)
{
    if (!backend)
        backend = BleBackend::instance();
    if (backend == m_backend)
        return;
    stop();
    m_backend = backend;
}

qint64 BleTimer::remainingTime() const
{
    if (!m_active)
        return -1;
    return std::max<qint64>(0, m_deadline - m_backend->nowMs());
}

void BleTimer::start(int milliseconds)
{
    setInterval(milliseconds);
    start();
}

void BleTimer::start()
{
    const qint64 now = m_backend->nowMs();
    m_active = true;
    m_deadline = now + m_interval;
    // A shot due no later than the new deadline re-arms itself when it
    // fires; only a later one (a shortened interval) must be replaced.
    if (m_shotDue < 0 || m_shotDue > m_deadline)
        arm(m_interval);
}

void BleTimer::stop()
{
    m_active = false;
    m_shotDue = -1;
    ++m_generation;
    m_token.reset();
}

void BleTimer::arm(qint64 delayMs)
{
    ++m_generation;
    // A new context each time: destroying the old one drops its shot.
    m_token = std::make_unique<QObject>();
    m_shotDue = m_backend->nowMs() + delayMs;
    const quint64 generation = m_generation;
    m_backend->singleShot(int(std::min<qint64>(delayMs, std::numeric_limits<int>::max())), m_token.get(),
                          [this, generation]() { onShot(generation); });
}

void BleTimer::onShot(quint64 generation)
{
    if (generation != m_generation || !m_active)
        return;
    m_shotDue = -1;
    // The token is the context of the call now running; it is replaced
    // (re-arm) or released after the call, never deleted inside it.
    QObject *spent = m_token.release();
    spent->deleteLater();
    const qint64 now = m_backend->nowMs();
    if (now < m_deadline) {
        arm(m_deadline - now);
        return;
    }
    if (m_singleShot) {
        m_active = false;
    } else {
        m_deadline = now + m_interval;
        arm(m_interval);
    }
    emit timeout();
}
