#pragma once

#include "BleController.h"
#include "SimConnection.h"

#include <QBluetoothDeviceInfo>
#include <QPointer>

class SimRadio;
class SimService;

// The seam's central controller on the simulated radio.
class SimController : public BleController
{
    Q_OBJECT
public:
    SimController(SimRadio *radio, const QBluetoothDeviceInfo &remoteDevice, QObject *parent = nullptr);
    ~SimController() override;

    QBluetoothAddress remoteAddress() const override;
    QString remoteName() const override;
    ControllerState state() const override { return m_state; }
    Error error() const override { return m_error; }
    QString errorString() const override { return m_errorString; }
    int mtu() const override { return m_mtu; }
    void connectToDevice() override;
    void disconnectFromDevice() override;
    void discoverServices() override;
    QList<QBluetoothUuid> services() const override { return m_services; }
    BleService *createServiceObject(const QBluetoothUuid &service, QObject *parent = nullptr) override;

    // The link of the current connection (nullptr while unconnected).
    SimConnection *connection() const { return m_link.get(); }

private:
    friend class SimRadio;
    friend class SimService;

    void setState(ControllerState state);
    void setError(Error error);
    // From the radio.
    void linkEstablished(const SimConnectionPtr &link);
    void connectFailed(Error error);
    void linkLost(bool byRemote);
    void mtuExchanged(int mtu);
    void valueNotified(quint16 valueHandle, const QByteArray &value);

    QPointer<SimRadio> m_radio;
    QBluetoothDeviceInfo m_remote;
    ControllerState m_state = QLowEnergyController::UnconnectedState;
    Error m_error = QLowEnergyController::NoError;
    QString m_errorString;
    int m_mtu = 23;
    SimConnectionPtr m_link;
    QList<QBluetoothUuid> m_services;
    QList<QPointer<SimService>> m_serviceObjects;
};
