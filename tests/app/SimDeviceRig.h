#pragma once

#include "AdvertisementProtocol.h"
#include "BleBackend.h"
#include "LimiterDevice.h"
#include "SimBackend.h"
#include "SimLimiter.h"
#include "SimRadio.h"
#include "SimStatusAdvertiser.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

// One simulated limiter or DOV logger on the simulated radio and the real
// LimiterDevice of the program talking to it, as a device tab holds it.
class SimDeviceRig
{
public:
    explicit SimDeviceRig(SimLimiter::Kind kind = SimLimiter::Kind::Limiter)
        : device(std::make_shared<SimLimiter>(kind, address(), QStringLiteral("QVR Rig")))
    {
        radio.addPeripheral(device);
        BleBackend::setInstance(&backend);
        limiter = std::make_shared<LimiterDevice>(QBluetoothDeviceInfo(address(), QStringLiteral("QVR Rig"), 0));
        // The hardware version comes with the advertised status.
        const quint8 versions = kind == SimLimiter::Kind::DovLogger ? advertisement::LoggerVersions
                                                                    : advertisement::LimiterVersions;
        limiter->advertisedStatus().parse(SimStatusAdvertiser::onAir(versions, device->advertisedStatus()));
    }
    ~SimDeviceRig()
    {
        limiter.reset();
        BleBackend::setInstance(nullptr);
    }

    // Runs connect (by default the device's own connectToDevice) and waits
    // until the device link has read every settings record.
    bool connectAndWait(const std::function<void()> &connect = {})
    {
        QSignalSpy table(limiter.get(), &LimiterDevice::timingTableUpdated);
        QSignalSpy sets(limiter.get(), &LimiterDevice::defaultLimitSettingsUpdated);
        if (connect)
            connect();
        else
            limiter->connectToDevice();
        return QTest::qWaitFor([&] { return table.count() && sets.count() == 6; }, 10000);
    }

    static QBluetoothAddress address() { return QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:21")); }

    SimRadio radio;
    SimBackend backend{&radio};
    std::shared_ptr<SimLimiter> device;
    std::shared_ptr<LimiterDevice> limiter;
};
