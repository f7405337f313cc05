#pragma once

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QList>
#include <QObject>

// A scan for advertising low-energy devices, as created by
// BleBackend::createDeviceDiscovery. Mirrors the part of
// QBluetoothDeviceDiscoveryAgent the programs use (low-energy method only):
// deviceDiscovered for the first advertisement of an address, deviceUpdated
// for later ones, finished when the time-out ends the scan (a time-out of 0
// scans until stop()), errorOccurred when no scan can run.
class BleDeviceDiscovery : public QObject
{
    Q_OBJECT
public:
    using Error = QBluetoothDeviceDiscoveryAgent::Error;

    explicit BleDeviceDiscovery(QObject *parent = nullptr);
    ~BleDeviceDiscovery() override;

    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual Error error() const = 0;
    virtual QString errorString() const = 0;
    virtual QList<QBluetoothDeviceInfo> discoveredDevices() const = 0;
    // Milliseconds; 0 scans until stop(). Takes effect at the next start().
    virtual void setLowEnergyDiscoveryTimeout(int msTimeout) = 0;
    virtual int lowEnergyDiscoveryTimeout() const = 0;

signals:
    void deviceDiscovered(const QBluetoothDeviceInfo &info);
    void deviceUpdated(const QBluetoothDeviceInfo &info, QBluetoothDeviceInfo::Fields updatedFields);
    void finished();
    void canceled();
    void errorOccurred(QBluetoothDeviceDiscoveryAgent::Error error);
};
