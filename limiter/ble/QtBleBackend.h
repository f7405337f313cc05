#pragma once

#include "AdvertisementSource.h"
#include "BleBackend.h"
#include "BleController.h"
#include "BleDeviceDiscovery.h"
#include "BleService.h"
#include "HeardDevices.h"

#include <QList>
#include <QPair>
#include <QPointer>

#include <functional>

class QBluetoothDeviceDiscoveryAgent;
class QLowEnergyController;
class QLowEnergyService;
class QtBleService;

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
// Where Qt's controller falls short of the seam it fills in:
//  - the MTU: Qt's BlueZ D-Bus controller knows none (mtu() -1, no
//    mtuChanged); the controller reads bluetoothd's own once connected;
//  - a link the remote side lost: Qt's BlueZ D-Bus controller reports it
//    with no error; the controller reports RemoteHostClosedError first.
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

    // No request of its services waits for Qt's answer (Qt answers the
    // requests of one controller in one queue).
    bool isIdle() const;

private:
    void onStateChanged(QLowEnergyController::ControllerState state);
    void onConnected();

    QLowEnergyController *m_controller = nullptr;
    QLowEnergyController::ControllerState m_state = QLowEnergyController::UnconnectedState;
    // The MTU bluetoothd negotiated for this connection, 0 when unknown.
    int m_stackMtu = 0;
    // disconnectFromDevice() was asked since the last connect.
    bool m_closing = false;
    // Qt reported an error since the last connect.
    bool m_qtError = false;
    // The last link was lost by the remote side without Qt saying so.
    bool m_lostByRemote = false;
    QList<QPointer<QtBleService>> m_services;
};

// BleService on a QLowEnergyService (owned, a child of this object), with
// what Qt's BlueZ D-Bus backend needs besides:
//  - bluetoothd signals every value it reads as a change of the
//    characteristic's Value, which Qt hands on as characteristicChanged;
//    the service drops those echoes (the changes while it discovers its
//    details, and the change carrying the value of a read in flight), so
//    that a read is reported once, as read;
//  - on Linux a full discovery reads the values itself where it can (see
//    discoverDetails in the source).
class QtBleService : public BleService
{
    Q_OBJECT
public:
    QtBleService(QLowEnergyService *service, QtBleController *controller, QObject *parent = nullptr);
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

    // No request of it waits for Qt's answer, and no write without
    // response was ever sent (Qt does not tell when those are done).
    bool isIdle() const;

    // The handles of this backend from and to Qt's own.
    static BleCharacteristic wrap(const QLowEnergyCharacteristic &characteristic);
    static BleDescriptor wrap(const QLowEnergyDescriptor &descriptor);
    static QLowEnergyCharacteristic unwrap(const BleCharacteristic &characteristic);
    static QLowEnergyDescriptor unwrap(const BleDescriptor &descriptor);

private:
    // Hands one request to Qt, counting it until it is answered.
    void call(const std::function<void()> &request);
    // While Qt hands on an answer (counted: one of the requests).
    class Answer
    {
    public:
        explicit Answer(QtBleService *service, bool counted = true);
        ~Answer();
        Answer(const Answer &) = delete;
        Answer &operator=(const Answer &) = delete;

    private:
        QPointer<QtBleService> m_service;
    };
    void onStateChanged(QLowEnergyService::ServiceState state);
    // Takes an answer (value or failure) of a read of the discovery; false
    // when it answers a read of the client.
    bool takeDiscoveryRead();
    void onChanged(const QLowEnergyCharacteristic &characteristic, const QByteArray &value);
    void onRead(const QLowEnergyCharacteristic &characteristic, const QByteArray &value);
    void onError(QLowEnergyService::ServiceError error);
    // Hands on the changes held back for the read of characteristic,
    // without one of the given value (its echo).
    void releaseChanges(const QLowEnergyCharacteristic &characteristic, const QByteArray *echo);

    QLowEnergyService *m_service = nullptr;
    QPointer<QtBleController> m_controller;
    int m_inFlight = 0;
    int m_answering = 0;
    bool m_inCall = false;
    bool m_commandsSent = false;
    // Reads in flight, oldest first, and the changes of their
    // characteristics that came meanwhile.
    QList<QLowEnergyCharacteristic> m_reads;
    QList<QPair<QLowEnergyCharacteristic, QByteArray>> m_held;
    bool m_inRead = false;
    // A full discovery whose values the service reads, and its reads not
    // yet answered.
    bool m_readingValues = false;
    int m_discoveryReads = 0;
};

// BleDeviceDiscovery on a QBluetoothDeviceDiscoveryAgent (low-energy method):
// deviceDiscovered for the first advertisement heard of an address,
// deviceUpdated for later ones (see HeardDevices), in either of the agent's
// modes.
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
    void onReport(QBluetoothDeviceInfo info, QBluetoothDeviceInfo::Fields fields, bool updated);

    QBluetoothDeviceDiscoveryAgent *m_agent = nullptr;
    HeardDevices m_heard;
};
