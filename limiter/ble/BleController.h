#pragma once

#include <QBluetoothAddress>
#include <QBluetoothUuid>
#include <QList>
#include <QLowEnergyController>
#include <QObject>

class BleService;

// The central role towards one remote device, as created by
// BleBackend::createCentral. Mirrors the part of QLowEnergyController the
// device link and the DFU client use, with Qt's own enums:
//   connectToDevice(): Unconnected -> Connecting -> Connected, connected();
//     a failure emits errorOccurred and ends in UnconnectedState;
//   discoverServices(): Discovering, serviceDiscovered() per service, then
//     DiscoveredState and discoveryFinished();
//   disconnectFromDevice() or a lost link: UnconnectedState, disconnected();
//     a link lost by the remote side emits errorOccurred first.
// The same controller can connect again after it is unconnected.
class BleController : public QObject
{
    Q_OBJECT
public:
    using Error = QLowEnergyController::Error;
    using ControllerState = QLowEnergyController::ControllerState;

    // The ATT MTU of a link before the two sides agree on a larger one.
    static constexpr int kDefaultMtu = 23;

    explicit BleController(QObject *parent = nullptr);
    ~BleController() override;

    virtual QBluetoothAddress remoteAddress() const = 0;
    virtual QString remoteName() const = 0;
    virtual ControllerState state() const = 0;
    virtual Error error() const = 0;
    virtual QString errorString() const = 0;
    // The ATT MTU of the current connection (23 until negotiated).
    virtual int mtu() const = 0;

    virtual void connectToDevice() = 0;
    virtual void disconnectFromDevice() = 0;
    virtual void discoverServices() = 0;
    virtual QList<QBluetoothUuid> services() const = 0;
    // A new service object for a discovered service, or nullptr.
    virtual BleService *createServiceObject(const QBluetoothUuid &service, QObject *parent = nullptr) = 0;

signals:
    void connected();
    void disconnected();
    void stateChanged(QLowEnergyController::ControllerState state);
    void errorOccurred(QLowEnergyController::Error newError);
    void mtuChanged(int mtu);
    void serviceDiscovered(const QBluetoothUuid &newService);
    void discoveryFinished();
};
