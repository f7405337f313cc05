#pragma once

#include "ScopedBleBackend.h"
#include "SimBackend.h"
#include "SimFaults.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <QBluetoothAddress>
#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>

#include <memory>

class LimiterDevice;

// The values of the exchanges of one kind to one characteristic in
// traffic, in order; the characteristics of the exchanges of one kind.
QList<QByteArray> valuesOf(const QList<SimAttEvent> &traffic, SimAttEvent::Kind kind,
                           const QBluetoothUuid &characteristic);
QList<QBluetoothUuid> characteristicsOf(const QList<SimAttEvent> &traffic, SimAttEvent::Kind kind);

// A simulated radio on the fast clock with its backend, which is also the
// process' backend while the rig lives, and every exchange that reached a
// simulated device. Put devices on the radio, make LimiterDevice clients on
// the rig's backend, connect them:
//
//     SimRig rig;
//     auto limiter = rig.addLimiter();
//     std::shared_ptr<LimiterDevice> device = rig.client(*limiter);
//     QVERIFY(SimRig::connectAndSetUp(*device));
class SimRig
{
public:
    static inline const QBluetoothAddress kLimiterAddress{QStringLiteral("C0:DE:00:00:00:11")};
    static inline const QString kLimiterName = QStringLiteral("QVR Test");

    explicit SimRig(SimClock::Mode mode = SimClock::Mode::Fast);
    ~SimRig();
    SimRig(const SimRig &) = delete;
    SimRig &operator=(const SimRig &) = delete;

    SimClock &clock() { return radio.clock(); }

    // A simulated limiter or DOV logger on the radio; an empty password
    // leaves it unlocked.
    std::shared_ptr<SimLimiter> addLimiter(SimLimiter::Kind kind = SimLimiter::Kind::Limiter,
                                           const QString &password = QString(),
                                           const QBluetoothAddress &address = kLimiterAddress,
                                           const QString &name = kLimiterName);
    // The program's client of a simulated device, on this rig's backend
    // (not yet connecting).
    std::shared_ptr<LimiterDevice> client(const SimPeripheral &device);
    std::shared_ptr<LimiterDevice> client(const QBluetoothAddress &address, const QString &name);

    // Connects and waits for the whole authorised set-up: log service,
    // timing table and the first telemetry.
    static bool connectAndSetUp(LimiterDevice &device);

    // Runs what is due within the next milliseconds of the radio's time and
    // what that posted: anything that would follow from what the test did
    // has happened, without waiting real time.
    void settle(int milliseconds = 100);

    // Values of the exchanges of one kind to one characteristic, in order.
    QList<QByteArray> values(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic) const;
    // The characteristics of the exchanges of one kind, in order.
    QList<QBluetoothUuid> characteristics(SimAttEvent::Kind kind) const;

    SimRadio radio;
    SimBackend backend{&radio};
    QList<SimAttEvent> traffic;

private:
    ScopedBleBackend m_scope{&backend};
};
