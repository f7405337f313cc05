#pragma once

#include <QObject>

#include <memory>

class BleBackend;

// A timer on a backend's clock, for protocol time-outs and delays: answer
// and data-gap timers, response timers, list ageing. On the Qt backend it is
// wall-clock time; on the simulator it is the simulated clock, so a test on
// the fast clock sees a 30 s time-out without waiting 30 s.
//
// Restarting is cheap: a pending shot is kept and, when it falls due before
// the new deadline, re-armed for the rest. A timer that restarts on every
// packet therefore leaves one shot in the air, not one per packet.
class BleTimer : public QObject
{
    Q_OBJECT
public:
    // Without a backend the process' one (BleBackend::instance()).
    explicit BleTimer(BleBackend *backend = nullptr, QObject *parent = nullptr);
    ~BleTimer() override;

    BleBackend *backend() const { return m_backend; }
    // Takes effect at the next start(); a running timer is stopped unless the
    // backend stays the same.
    void setBackend(BleBackend *backend);

    void setInterval(int milliseconds) { m_interval = milliseconds < 0 ? 0 : milliseconds; }
    int interval() const { return m_interval; }
    void setSingleShot(bool singleShot) { m_singleShot = singleShot; }

    bool isActive() const { return m_active; }
    // Milliseconds until timeout(), or -1 when not active.
    qint64 remainingTime() const;

    // (Re)starts the countdown from now.
    void start();
    void start(int milliseconds);
    void stop();

signals:
    void timeout();

private:
    void arm(qint64 delayMs);
    void onShot(quint64 generation);

    BleBackend *m_backend;
    int m_interval = 0;
    bool m_singleShot = false;
    bool m_active = false;
    qint64 m_deadline = 0;       // backend time of the next timeout()
    qint64 m_shotDue = -1;       // backend time of the shot in the air, or -1
    quint64 m_generation = 0;    // shots of an older generation are ignored
    std::unique_ptr<QObject> m_token; // context of the shot in the air
};
