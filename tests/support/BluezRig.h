#pragma once

#include "BluezStandIn.h"
#include "QtBleBackend.h"
#include "ScopedBleBackend.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <QBluetoothAddress>
#include <QList>
#include <QString>

#include <memory>

class LimiterDevice;

// The Qt Bluetooth backend, as the process' backend, against the BlueZ
// stand-in: what SimRig is for the "sim" backend. The radio runs on real
// time with a short round trip, so that sessions take little of it.
//
//     BluezRig rig;
//     if (!rig.start(&reason)) QSKIP(...);
//     rig.addLimiter(...);
//     QVERIFY(rig.discover({address}));   // bluetoothd knows devices it heard
//     auto device = rig.client(address, name);
class BluezRig
{
public:
    static constexpr double kRoundTripMs = 4.0;

    BluezRig();
    ~BluezRig();
    BluezRig(const BluezRig &) = delete;
    BluezRig &operator=(const BluezRig &) = delete;

    bool start(QString *reason);

    // A simulated limiter or DOV logger on the stand-in's radio; an empty
    // password leaves it unlocked.
    void addLimiter(SimLimiter::Kind kind, const QBluetoothAddress &address, const QString &name,
                    const QString &password = QString());
    // Scans through the Qt backend until every address was reported (or the
    // time-out ends), then stops. bluetoothd only connects devices it heard.
    bool discover(const QList<QBluetoothAddress> &addresses, int timeoutMs = 10000);
    // The program's client of a device, on the Qt backend (not yet connecting).
    std::shared_ptr<LimiterDevice> client(const QBluetoothAddress &address, const QString &name);

    // Runs function with the simulated device at address (on the stand-in's thread).
    template<typename Device = SimLimiter, typename Function>
    void onDevice(const QBluetoothAddress &address, Function function)
    {
        standIn.run([&](SimRadio &radio) {
            if (auto device = radio.peripheral<Device>(address))
                function(*device);
        });
    }

    // The exchanges of one kind that reached the devices: their values for
    // one characteristic, or the characteristics in order.
    QList<QByteArray> values(SimAttEvent::Kind kind, const QBluetoothUuid &characteristic) const;
    QList<QBluetoothUuid> characteristics(SimAttEvent::Kind kind) const;

    BluezStandIn standIn;
    QtBleBackend backend;

private:
    ScopedBleBackend m_scope{&backend};
};
