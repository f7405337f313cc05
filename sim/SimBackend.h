#pragma once

#include "AdvertisementSource.h"
#include "BleBackend.h"

#include <QString>

#include <memory>

class SimRadio;

// The seam on the simulated radio. Controllers and scans created here reach
// the radio's peripherals; protocol delays run on the radio's clock. All but
// the advertisement sources (which hand over to the scanner's thread) are
// used on the radio's thread.
class SimBackend : public BleBackend
{
public:
    // Uses radio, which the caller keeps alive.
    explicit SimBackend(SimRadio *radio);
    // Owns radio.
    explicit SimBackend(std::unique_ptr<SimRadio> radio);
    ~SimBackend() override;

    SimRadio *radio() const { return m_radio; }

    QString name() const override;
    BleController *createCentral(const QBluetoothDeviceInfo &remoteDevice, QObject *parent = nullptr) override;
    BleDeviceDiscovery *createDeviceDiscovery(QObject *parent = nullptr) override;
    std::unique_ptr<AdvertisementSource> createAdvertisementSource() override;
    void singleShot(int milliseconds, const QObject *context, std::function<void()> function) override;
    qint64 nowMs() const override;

private:
    std::unique_ptr<SimRadio> m_owned;
    SimRadio *m_radio = nullptr;
};

// Environment variable naming a device description file (SimDescription)
// for the "sim" backend of a running program.
inline constexpr const char kSimDevicesEnvironmentVariable[] = "GEARWARDEN_SIM_DEVICES";

// Makes the backend "sim" selectable (GEARWARDEN_BLE_BACKEND=sim): a radio on
// real time with the devices of the description file that
// GEARWARDEN_SIM_DEVICES names, or a built-in set without it.
void registerSimBackend();

// Whether the description file GEARWARDEN_SIM_DEVICES names (if any) loads
// whole; otherwise error says which file and what is wrong with it. A
// program checks this before it starts on the simulator, so a mistyped file
// does not leave it running with no devices.
bool simDevicesDescriptionLoads(QString *error);
