#include "SimService.h"

#include "SimController.h"
#include "SimPeripheral.h"
#include "SimRadio.h"

#include <QtEndian>

// The client's view of one service: what discovery found and the last known
// values. Shared by the service object and every handle it gave out.
struct SimServiceData {
    struct Descriptor {
        QBluetoothUuid uuid;
        quint16 handle = 0;
        QByteArray value;
    };
    struct Characteristic {
        QBluetoothUuid uuid;
        QLowEnergyCharacteristic::PropertyTypes properties;
        quint16 valueHandle = 0;
        QByteArray value;
        QList<Descriptor> descriptors;
    };

    QBluetoothUuid uuid;
    QLowEnergyService::ServiceState state = QLowEnergyService::RemoteService;
    QLowEnergyService::ServiceError error = QLowEnergyService::NoError;
    QList<Characteristic> characteristics;

    Characteristic *characteristic(quint16 valueHandle)
    {
        for (Characteristic &c : characteristics) {
            if (c.valueHandle == valueHandle)
                return &c;
        }
        return nullptr;
    }
    Descriptor *descriptor(quint16 handle)
    {
        for (Characteristic &c : characteristics) {
            for (Descriptor &d : c.descriptors) {
                if (d.handle == handle)
                    return &d;
            }
        }
        return nullptr;
    }
};

namespace {

// Names as Qt derives them: the Bluetooth SIG's name of a 16-bit UUID.
QString characteristicName(const QBluetoothUuid &uuid)
{
    bool ok = false;
    const quint16 id = uuid.toUInt16(&ok);
    return ok ? QBluetoothUuid::characteristicToString(QBluetoothUuid::CharacteristicType(id)) : QString();
}

QString descriptorName(const QBluetoothUuid &uuid)
{
    bool ok = false;
    const quint16 id = uuid.toUInt16(&ok);
    return ok ? QBluetoothUuid::descriptorToString(QBluetoothUuid::DescriptorType(id)) : QString();
}

class SimDescriptorPrivate final : public BleDescriptorPrivate
{
public:
    SimDescriptorPrivate(std::shared_ptr<SimServiceData> d, quint16 handle) : d(std::move(d)), h(handle) {}
    bool isValid() const override { return d->state != QLowEnergyService::InvalidService && d->descriptor(h); }
    QBluetoothUuid uuid() const override
    {
        const auto *x = d->descriptor(h);
        return x ? x->uuid : QBluetoothUuid();
    }
    QString name() const override { return descriptorName(uuid()); }
    QByteArray value() const override
    {
        const auto *x = d->descriptor(h);
        return x ? x->value : QByteArray();
    }
    bool equals(const BleDescriptorPrivate &other) const override
    {
        const auto *o = dynamic_cast<const SimDescriptorPrivate *>(&other);
        return o && o->d == d && o->h == h;
    }
    std::shared_ptr<SimServiceData> d;
    quint16 h;
};

class SimCharacteristicPrivate final : public BleCharacteristicPrivate
{
public:
    SimCharacteristicPrivate(std::shared_ptr<SimServiceData> d, quint16 valueHandle) : d(std::move(d)), h(valueHandle) {}
    bool isValid() const override { return d->state != QLowEnergyService::InvalidService && d->characteristic(h); }
    QBluetoothUuid uuid() const override
    {
        const auto *c = d->characteristic(h);
        return c ? c->uuid : QBluetoothUuid();
    }
    QString name() const override { return characteristicName(uuid()); }
    QByteArray value() const override
    {
        const auto *c = d->characteristic(h);
        return c ? c->value : QByteArray();
    }
    QLowEnergyCharacteristic::PropertyTypes properties() const override
    {
        const auto *c = d->characteristic(h);
        return c ? c->properties : QLowEnergyCharacteristic::PropertyTypes();
    }
    QList<BleDescriptor> descriptors() const override
    {
        QList<BleDescriptor> result;
        if (const auto *c = d->characteristic(h)) {
            for (const auto &x : c->descriptors)
                result.append(BleDescriptor(std::make_shared<SimDescriptorPrivate>(d, x.handle)));
        }
        return result;
    }
    bool equals(const BleCharacteristicPrivate &other) const override
    {
        const auto *o = dynamic_cast<const SimCharacteristicPrivate *>(&other);
        return o && o->d == d && o->h == h;
    }
    std::shared_ptr<SimServiceData> d;
    quint16 h;
};

const QBluetoothUuid kCccd(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);

} // namespace

SimService::SimService(SimController *controller, const QBluetoothUuid &uuid, QObject *parent)
    : BleService(parent), m_controller(controller), m_link(controller->m_link), d(std::make_shared<SimServiceData>())
{
    d->uuid = uuid;
}

SimService::~SimService() = default;

QBluetoothUuid SimService::serviceUuid() const
{
    return d->uuid;
}

QString SimService::serviceName() const
{
    bool ok = false;
    const quint16 id = d->uuid.toUInt16(&ok);
    return ok ? QBluetoothUuid::serviceClassToString(QBluetoothUuid::ServiceClassUuid(id)) : QString();
}

BleService::ServiceState SimService::state() const
{
    return d->state;
}

BleService::ServiceError SimService::error() const
{
    return d->error;
}

void SimService::setState(ServiceState state)
{
    if (d->state == state)
        return;
    d->state = state;
    emit stateChanged(state);
}

void SimService::fail(ServiceError error)
{
    d->error = error;
    emit errorOccurred(error);
}

SimConnectionPtr SimService::usableLink() const
{
    if (!m_controller || !m_link || !m_link->isUp() || m_controller->m_link != m_link
        || d->state == QLowEnergyService::InvalidService)
        return nullptr;
    return m_link;
}

quint16 SimService::handleOf(const BleCharacteristic &characteristic) const
{
    const auto *p = dynamic_cast<const SimCharacteristicPrivate *>(characteristic.backend());
    return p && p->d == d && d->characteristic(p->h) ? p->h : 0;
}

quint16 SimService::handleOf(const BleDescriptor &descriptor) const
{
    const auto *p = dynamic_cast<const SimDescriptorPrivate *>(descriptor.backend());
    return p && p->d == d && d->descriptor(p->h) ? p->h : 0;
}

BleCharacteristic SimService::handle(quint16 valueHandle) const
{
    return BleCharacteristic(std::make_shared<SimCharacteristicPrivate>(d, valueHandle));
}

BleDescriptor SimService::descriptorHandle(quint16 handle) const
{
    return BleDescriptor(std::make_shared<SimDescriptorPrivate>(d, handle));
}

void SimService::discoverDetails(DiscoveryMode mode)
{
    SimConnectionPtr link = usableLink();
    if (!link) {
        fail(QLowEnergyService::OperationError);
        return;
    }
    if (d->state != QLowEnergyService::RemoteService && d->state != QLowEnergyService::RemoteServiceDiscovered)
        return;
    const SimGattService *service = link->peripheral()->gatt().service(d->uuid);
    if (!service) {
        fail(QLowEnergyService::UnknownError);
        return;
    }
    setState(QLowEnergyService::RemoteServiceDiscovering);
    int readable = 0;
    int descriptors = 0;
    for (const SimGattCharacteristic &c : service->characteristics) {
        readable += (c.properties & QLowEnergyCharacteristic::Read) ? 1 : 0;
        descriptors += int(c.descriptors.size());
    }
    const int count = int(service->characteristics.size());
    SimConnection::Request request;
    request.kind = SimConnection::Request::Discover;
    request.exchanges = 1 + (count + 2) / 3 + (count ? 1 : 0);
    if (mode == QLowEnergyService::FullDiscovery)
        request.exchanges += readable + descriptors;
    QPointer<SimService> self(this);
    request.done = [self, link, mode](quint8, const QByteArray &) {
        if (!self || self->d->state != QLowEnergyService::RemoteServiceDiscovering || !link->isUp())
            return;
        SimPeripheral *peripheral = link->peripheral();
        const SimGattService *service = peripheral->gatt().service(self->d->uuid);
        QList<SimServiceData::Characteristic> found;
        if (service) {
            for (const SimGattCharacteristic &c : service->characteristics) {
                SimServiceData::Characteristic entry;
                entry.uuid = c.uuid;
                entry.properties = c.properties;
                entry.valueHandle = c.valueHandle;
                if (mode == QLowEnergyService::FullDiscovery && (c.properties & QLowEnergyCharacteristic::Read)) {
                    const SimReadResult result = peripheral->onRead(link.get(), c);
                    if (result.error == SimAtt::Success)
                        entry.value = result.value;
                }
                for (const SimGattDescriptor &x : c.descriptors) {
                    SimServiceData::Descriptor descriptor{x.uuid, x.handle, QByteArray()};
                    if (mode == QLowEnergyService::FullDiscovery) {
                        if (x.uuid == kCccd) {
                            descriptor.value.resize(2);
                            qToLittleEndian<quint16>(link->cccd(c.valueHandle), descriptor.value.data());
                        } else {
                            descriptor.value = x.value;
                        }
                    }
                    entry.descriptors.append(descriptor);
                }
                found.append(entry);
            }
        }
        self->d->characteristics = found;
        self->setState(QLowEnergyService::RemoteServiceDiscovered);
    };
    m_controller->m_radio->submit(link, std::move(request));
}

BleCharacteristic SimService::characteristic(const QBluetoothUuid &uuid) const
{
    for (const auto &c : std::as_const(d->characteristics)) {
        if (c.uuid == uuid)
            return handle(c.valueHandle);
    }
    return BleCharacteristic();
}

QList<BleCharacteristic> SimService::characteristics() const
{
    QList<BleCharacteristic> result;
    for (const auto &c : std::as_const(d->characteristics))
        result.append(handle(c.valueHandle));
    return result;
}

bool SimService::contains(const BleCharacteristic &characteristic) const
{
    return handleOf(characteristic) != 0;
}

void SimService::submit(int kind, quint16 handle, const QByteArray &value, int exchanges, ServiceError failure,
                        std::function<void(SimService *, const QByteArray &)> success)
{
    SimConnection::Request request;
    request.kind = SimConnection::Request::Kind(kind);
    request.handle = handle;
    request.value = value;
    request.exchanges = exchanges;
    QPointer<SimService> self(this);
    request.done = [self, failure, success = std::move(success)](quint8 error, const QByteArray &answer) {
        if (!self)
            return;
        if (error != SimAtt::Success)
            self->fail(failure);
        else
            success(self, answer);
    };
    m_controller->m_radio->submit(m_link, std::move(request));
}

void SimService::readCharacteristic(const BleCharacteristic &characteristic)
{
    const quint16 h = handleOf(characteristic);
    SimConnectionPtr link = usableLink();
    if (!h || !link || d->state != QLowEnergyService::RemoteServiceDiscovered) {
        fail(QLowEnergyService::OperationError);
        return;
    }
    // A long value takes read-blob requests: one more per MTU - 1 bytes
    // (the length the client last saw is its best guess).
    const int exchanges = 1 + int(d->characteristic(h)->value.size()) / (link->mtu() - 1);
    submit(SimConnection::Request::Read, h, QByteArray(), exchanges, QLowEnergyService::CharacteristicReadError,
           [h](SimService *self, const QByteArray &answer) {
               if (auto *c = self->d->characteristic(h))
                   c->value = answer;
               emit self->characteristicRead(self->handle(h), answer);
           });
}

void SimService::writeCharacteristic(const BleCharacteristic &characteristic, const QByteArray &value, WriteMode mode)
{
    const quint16 h = handleOf(characteristic);
    SimConnectionPtr link = usableLink();
    if (!h || !link || d->state != QLowEnergyService::RemoteServiceDiscovered
        || mode == QLowEnergyService::WriteSigned) {
        fail(QLowEnergyService::OperationError);
        return;
    }
    if (mode == QLowEnergyService::WriteWithoutResponse) {
        if (value.size() > link->maximumPayload()) {
            fail(QLowEnergyService::CharacteristicWriteError);
            return;
        }
        d->characteristic(h)->value = value;
        submit(SimConnection::Request::WriteWithoutResponse, h, value, 1, QLowEnergyService::CharacteristicWriteError,
               [](SimService *, const QByteArray &) {});
        return;
    }
    if (value.size() > 512) {
        fail(QLowEnergyService::CharacteristicWriteError);
        return;
    }
    // A long value goes as prepared writes plus the execute request.
    const int chunk = link->mtu() - 5;
    const int exchanges = value.size() <= link->maximumPayload() ? 1 : 1 + (int(value.size()) + chunk - 1) / chunk;
    submit(SimConnection::Request::Write, h, value, exchanges, QLowEnergyService::CharacteristicWriteError,
           [h, value](SimService *self, const QByteArray &) {
               if (auto *c = self->d->characteristic(h))
                   c->value = value;
               emit self->characteristicWritten(self->handle(h), value);
           });
}

void SimService::readDescriptor(const BleDescriptor &descriptor)
{
    const quint16 h = handleOf(descriptor);
    if (!h || !usableLink() || d->state != QLowEnergyService::RemoteServiceDiscovered) {
        fail(QLowEnergyService::OperationError);
        return;
    }
    submit(SimConnection::Request::ReadDescriptor, h, QByteArray(), 1, QLowEnergyService::DescriptorReadError,
           [h](SimService *self, const QByteArray &answer) {
               if (auto *x = self->d->descriptor(h))
                   x->value = answer;
               emit self->descriptorRead(self->descriptorHandle(h), answer);
           });
}

void SimService::writeDescriptor(const BleDescriptor &descriptor, const QByteArray &value)
{
    const quint16 h = handleOf(descriptor);
    if (!h || !usableLink() || d->state != QLowEnergyService::RemoteServiceDiscovered) {
        fail(QLowEnergyService::OperationError);
        return;
    }
    submit(SimConnection::Request::WriteDescriptor, h, value, 1, QLowEnergyService::DescriptorWriteError,
           [h, value](SimService *self, const QByteArray &) {
               if (auto *x = self->d->descriptor(h))
                   x->value = value;
               emit self->descriptorWritten(self->descriptorHandle(h), value);
           });
}

void SimService::invalidate()
{
    m_link.reset();
    setState(QLowEnergyService::InvalidService);
}

void SimService::valueNotified(quint16 valueHandle, const QByteArray &value)
{
    if (d->state != QLowEnergyService::RemoteServiceDiscovered)
        return;
    auto *c = d->characteristic(valueHandle);
    if (!c)
        return;
    c->value = value;
    emit characteristicChanged(handle(valueHandle), value);
}
