#pragma once

#include "AdvertisementSource.h"
#include "BleBackend.h"
#include "BleController.h"
#include "BleDeviceDiscovery.h"
#include "BleService.h"

#include <QPointer>

class QBluetoothDeviceDiscoveryAgent;
class QLowEnergyController;
class QLowEnergyService;

// The seam on Qt Bluetooth: what a user with a Bluetooth adapter runs.
class QtBleBackend : public BleBackend
{
public:
    QString name() const override;
    BleController *createCentral(const QBluetoothDeviceInfo &remoteDevice, QObject *parent = nullptr) override;
    BleDeviceDiscovery *createDeviceDiscovery(QObject *parent = nullptr) override;
    std::unique_ptr<AdvertisementSource> createAdvertisementSource() override;
    void singleShot(int milliseconds, const QObject *context, std::function<void()> function) override;
};

// BleController on a QLowEnergyController (owned, a child of this object).
class QtBleController : public BleController
{
    Q_OBJECT
public:
    explicit QtBleController(const QBluetoothDeviceInfo &remoteDevice, QObject *parent = nullptr);
    ~QtBleController() override;

    QBluetoothAddress remoteAddress() const override;
    QString remoteName() const override;
    ControllerState state() const override;
    Error error() const override;
    QString errorString() const override;
    int mtu() const override;
    void connectToDevice() override;
    void disconnectFromDevice() override;
    void discoverServices() override;
    QList<QBluetoothUuid> services() const override;
    BleService *createServiceObject(const QBluetoothUuid &service, QObject *parent = nullptr) override;

private:
    QLowEnergyController *m_controller = nullptr;
};

// BleService on a QLowEnergyService (owned, a child of this object).
class QtBleService : public BleService
{
    Q_OBJECT
public:
    explicit QtBleService(QLowEnergyService *service, QObject *parent = nullptr);
    ~QtBleService() override;

    QBluetoothUuid serviceUuid() const override;
    QString serviceName() const override;
    ServiceState state() const override;
    ServiceError error() const override;
    void discoverDetails(DiscoveryMode mode = QLowEnergyService::FullDiscovery) override;
    BleCharacteristic characteristic(const QBluetoothUuid &uuid) const override;
    QList<BleCharacteristic> characteristics() const override;
    bool contains(const BleCharacteristic &characteristic) const override;
    void readCharacteristic(const BleCharacteristic &characteristic) override;
    void writeCharacteristic(const BleCharacteristic &characteristic, const QByteArray &value,
                             WriteMode mode = QLowEnergyService::WriteWithResponse) override;
    void readDescriptor(const BleDescriptor &descriptor) override;
    void writeDescriptor(const BleDescriptor &descriptor, const QByteArray &value) override;

    // The handles of this backend from and to Qt's own.
    static BleCharacteristic wrap(const QLowEnergyCharacteristic &characteristic);
    static BleDescriptor wrap(const QLowEnergyDescriptor &descriptor);
    static QLowEnergyCharacteristic unwrap(const BleCharacteristic &characteristic);
    static QLowEnergyDescriptor unwrap(const BleDescriptor &descriptor);

private:
    QLowEnergyService *m_service = nullptr;
};

// BleDeviceDiscovery on a QBluetoothDeviceDiscoveryAgent (low-energy method).
class QtBleDeviceDiscovery : public BleDeviceDiscovery
{
    Q_OBJECT
public:
    explicit QtBleDeviceDiscovery(QObject *parent = nullptr);
    ~QtBleDeviceDiscovery() override;

    void start() override;
    void stop() override;
    bool isActive() const override;
    Error error() const override;
    QString errorString() const override;
    QList<QBluetoothDeviceInfo> discoveredDevices() const override;
    void setLowEnergyDiscoveryTimeout(int msTimeout) override;
    int lowEnergyDiscoveryTimeout() const override;

private:
    QBluetoothDeviceDiscoveryAgent *m_agent = nullptr;
};
