#pragma once

#include "BleService.h"
#include "SimConnection.h"

#include <QPointer>

#include <functional>
#include <memory>

class SimController;
struct SimServiceData;

// The seam's service object on the simulated radio. Its characteristic and
// descriptor handles share the service's state, as Qt's do: they turn
// invalid when the service is invalidated.
class SimService : public BleService
{
    Q_OBJECT
public:
    SimService(SimController *controller, const QBluetoothUuid &uuid, QObject *parent = nullptr);
    ~SimService() override;

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

private:
    friend class SimController;

    void setState(ServiceState state);
    void fail(ServiceError error);
    SimConnectionPtr usableLink() const;
    // Queues one request on the link; success runs when it is answered
    // without an ATT error, otherwise errorOccurred(failure).
    void submit(int kind, quint16 handle, const QByteArray &value, int exchanges, ServiceError failure,
                std::function<void(SimService *, const QByteArray &)> success);
    quint16 handleOf(const BleCharacteristic &characteristic) const;
    quint16 handleOf(const BleDescriptor &descriptor) const;
    BleCharacteristic handle(quint16 valueHandle) const;
    BleDescriptor descriptorHandle(quint16 handle) const;
    // From the controller.
    void invalidate();
    void valueNotified(quint16 valueHandle, const QByteArray &value);

    QPointer<SimController> m_controller;
    SimConnectionPtr m_link; // the link the service was created on
    std::shared_ptr<SimServiceData> d;
};
