#pragma once

#include "BleDeviceDiscovery.h"

#include <QHash>
#include <QPointer>

class SimRadio;
struct SimAdvertisement;

// The seam's device discovery on the simulated radio: scans while active
// and reports the advertisements of the radio's peripherals.
class SimDeviceDiscovery : public BleDeviceDiscovery
{
    Q_OBJECT
public:
    explicit SimDeviceDiscovery(SimRadio *radio, QObject *parent = nullptr);
    ~SimDeviceDiscovery() override;

    void start() override;
    void stop() override;
    bool isActive() const override { return m_active; }
    Error error() const override { return m_error; }
    QString errorString() const override { return m_errorString; }
    QList<QBluetoothDeviceInfo> discoveredDevices() const override { return m_devices.values(); }
    void setLowEnergyDiscoveryTimeout(int msTimeout) override { m_timeoutMs = qMax(0, msTimeout); }
    int lowEnergyDiscoveryTimeout() const override { return m_timeoutMs; }

private:
    friend class SimRadio;
    void received(const SimAdvertisement &advertisement);

    QPointer<SimRadio> m_radio;
    bool m_active = false;
    Error m_error = QBluetoothDeviceDiscoveryAgent::NoError;
    QString m_errorString;
    int m_timeoutMs = 40000;
    quint64 m_timeoutEvent = 0;
    QHash<QString, QBluetoothDeviceInfo> m_devices;
};
