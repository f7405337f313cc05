#include "QtBleBackend.h"

#include "BleLogging.h"
#include "QtAdvertisementSource.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QTimer>

namespace {

class QtDescriptorPrivate final : public BleDescriptorPrivate
{
public:
    explicit QtDescriptorPrivate(const QLowEnergyDescriptor &descriptor) : native(descriptor) {}
    bool isValid() const override { return native.isValid(); }
    QBluetoothUuid uuid() const override { return native.uuid(); }
    QString name() const override { return native.name(); }
    QByteArray value() const override { return native.value(); }
    bool equals(const BleDescriptorPrivate &other) const override
    {
        const auto *o = dynamic_cast<const QtDescriptorPrivate *>(&other);
        return o && o->native == native;
    }
    QLowEnergyDescriptor native;
};

class QtCharacteristicPrivate final : public BleCharacteristicPrivate
{
public:
    explicit QtCharacteristicPrivate(const QLowEnergyCharacteristic &characteristic) : native(characteristic) {}
    bool isValid() const override { return native.isValid(); }
    QBluetoothUuid uuid() const override { return native.uuid(); }
    QString name() const override { return native.name(); }
    QByteArray value() const override { return native.value(); }
    QLowEnergyCharacteristic::PropertyTypes properties() const override { return native.properties(); }
    QList<BleDescriptor> descriptors() const override
    {
        QList<BleDescriptor> result;
        const QList<QLowEnergyDescriptor> all = native.descriptors();
        for (const QLowEnergyDescriptor &descriptor : all)
            result.append(QtBleService::wrap(descriptor));
        return result;
    }
    bool equals(const BleCharacteristicPrivate &other) const override
    {
        const auto *o = dynamic_cast<const QtCharacteristicPrivate *>(&other);
        return o && o->native == native;
    }
    QLowEnergyCharacteristic native;
};

} // namespace

// --- QtBleBackend ---------------------------------------------------------

QString QtBleBackend::name() const
{
    return QStringLiteral("qt");
}

BleController *QtBleBackend::createCentral(const QBluetoothDeviceInfo &remoteDevice, QObject *parent)
{
    return new QtBleController(remoteDevice, parent);
}

BleDeviceDiscovery *QtBleBackend::createDeviceDiscovery(QObject *parent)
{
    return new QtBleDeviceDiscovery(parent);
}

std::unique_ptr<AdvertisementSource> QtBleBackend::createAdvertisementSource()
{
    return std::make_unique<QtAdvertisementSource>();
}

void QtBleBackend::singleShot(int milliseconds, const QObject *context, std::function<void()> function)
{
    QTimer::singleShot(milliseconds, context, std::move(function));
}

// --- QtBleController ------------------------------------------------------

QtBleController::QtBleController(const QBluetoothDeviceInfo &remoteDevice, QObject *parent)
    : BleController(parent), m_controller(QLowEnergyController::createCentral(remoteDevice, this))
{
    connect(m_controller, &QLowEnergyController::connected, this, &BleController::connected);
    connect(m_controller, &QLowEnergyController::disconnected, this, &BleController::disconnected);
    connect(m_controller, &QLowEnergyController::stateChanged, this, &BleController::stateChanged);
    connect(m_controller, &QLowEnergyController::errorOccurred, this, &BleController::errorOccurred);
    connect(m_controller, &QLowEnergyController::mtuChanged, this, &BleController::mtuChanged);
    connect(m_controller, &QLowEnergyController::serviceDiscovered, this, &BleController::serviceDiscovered);
    connect(m_controller, &QLowEnergyController::discoveryFinished, this, &BleController::discoveryFinished);
}

QtBleController::~QtBleController() = default;

QBluetoothAddress QtBleController::remoteAddress() const { return m_controller->remoteAddress(); }
QString QtBleController::remoteName() const { return m_controller->remoteName(); }
BleController::ControllerState QtBleController::state() const { return m_controller->state(); }
BleController::Error QtBleController::error() const { return m_controller->error(); }
QString QtBleController::errorString() const { return m_controller->errorString(); }
int QtBleController::mtu() const { return m_controller->mtu(); }
void QtBleController::connectToDevice() { m_controller->connectToDevice(); }
void QtBleController::disconnectFromDevice() { m_controller->disconnectFromDevice(); }
void QtBleController::discoverServices() { m_controller->discoverServices(); }
QList<QBluetoothUuid> QtBleController::services() const { return m_controller->services(); }

BleService *QtBleController::createServiceObject(const QBluetoothUuid &service, QObject *parent)
{
    QLowEnergyService *native = m_controller->createServiceObject(service);
    if (!native)
        return nullptr;
    return new QtBleService(native, parent);
}

// --- QtBleService ---------------------------------------------------------

QtBleService::QtBleService(QLowEnergyService *service, QObject *parent) : BleService(parent), m_service(service)
{
    m_service->setParent(this);
    connect(m_service, &QLowEnergyService::stateChanged, this, &BleService::stateChanged);
    connect(m_service, &QLowEnergyService::errorOccurred, this, &BleService::errorOccurred);
    connect(m_service, &QLowEnergyService::characteristicChanged, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &v) { emit characteristicChanged(wrap(c), v); });
    connect(m_service, &QLowEnergyService::characteristicRead, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &v) { emit characteristicRead(wrap(c), v); });
    connect(m_service, &QLowEnergyService::characteristicWritten, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &v) { emit characteristicWritten(wrap(c), v); });
    connect(m_service, &QLowEnergyService::descriptorRead, this,
            [this](const QLowEnergyDescriptor &d, const QByteArray &v) { emit descriptorRead(wrap(d), v); });
    connect(m_service, &QLowEnergyService::descriptorWritten, this,
            [this](const QLowEnergyDescriptor &d, const QByteArray &v) { emit descriptorWritten(wrap(d), v); });
}

QtBleService::~QtBleService() = default;

QBluetoothUuid QtBleService::serviceUuid() const { return m_service->serviceUuid(); }
QString QtBleService::serviceName() const { return m_service->serviceName(); }
BleService::ServiceState QtBleService::state() const { return m_service->state(); }
BleService::ServiceError QtBleService::error() const { return m_service->error(); }
void QtBleService::discoverDetails(DiscoveryMode mode) { m_service->discoverDetails(mode); }

BleCharacteristic QtBleService::characteristic(const QBluetoothUuid &uuid) const
{
    return wrap(m_service->characteristic(uuid));
}

QList<BleCharacteristic> QtBleService::characteristics() const
{
    QList<BleCharacteristic> result;
    const QList<QLowEnergyCharacteristic> all = m_service->characteristics();
    for (const QLowEnergyCharacteristic &c : all)
        result.append(wrap(c));
    return result;
}

bool QtBleService::contains(const BleCharacteristic &characteristic) const
{
    return m_service->contains(unwrap(characteristic));
}

void QtBleService::readCharacteristic(const BleCharacteristic &characteristic)
{
    m_service->readCharacteristic(unwrap(characteristic));
}

void QtBleService::writeCharacteristic(const BleCharacteristic &characteristic, const QByteArray &value, WriteMode mode)
{
    m_service->writeCharacteristic(unwrap(characteristic), value, mode);
}

void QtBleService::readDescriptor(const BleDescriptor &descriptor)
{
    m_service->readDescriptor(unwrap(descriptor));
}

void QtBleService::writeDescriptor(const BleDescriptor &descriptor, const QByteArray &value)
{
    m_service->writeDescriptor(unwrap(descriptor), value);
}

BleCharacteristic QtBleService::wrap(const QLowEnergyCharacteristic &characteristic)
{
    return BleCharacteristic(std::make_shared<QtCharacteristicPrivate>(characteristic));
}

BleDescriptor QtBleService::wrap(const QLowEnergyDescriptor &descriptor)
{
    return BleDescriptor(std::make_shared<QtDescriptorPrivate>(descriptor));
}

QLowEnergyCharacteristic QtBleService::unwrap(const BleCharacteristic &characteristic)
{
    // Handles of another backend become Qt's invalid handle, which the
    // service rejects with an OperationError.
    const auto *d = dynamic_cast<const QtCharacteristicPrivate *>(characteristic.backend());
    return d ? d->native : QLowEnergyCharacteristic();
}

QLowEnergyDescriptor QtBleService::unwrap(const BleDescriptor &descriptor)
{
    const auto *d = dynamic_cast<const QtDescriptorPrivate *>(descriptor.backend());
    return d ? d->native : QLowEnergyDescriptor();
}

// --- QtBleDeviceDiscovery -------------------------------------------------

QtBleDeviceDiscovery::QtBleDeviceDiscovery(QObject *parent)
    : BleDeviceDiscovery(parent), m_agent(new QBluetoothDeviceDiscoveryAgent(this))
{
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this, &BleDeviceDiscovery::deviceDiscovered);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this, &BleDeviceDiscovery::deviceUpdated);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this, &BleDeviceDiscovery::finished);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::canceled, this, &BleDeviceDiscovery::canceled);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this, &BleDeviceDiscovery::errorOccurred);
}

QtBleDeviceDiscovery::~QtBleDeviceDiscovery() = default;

void QtBleDeviceDiscovery::start()
{
    m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
    if (!m_agent->isActive() && m_agent->error() != QBluetoothDeviceDiscoveryAgent::NoError)
        qCWarning(lcBle) << "Device discovery could not start:" << m_agent->errorString();
}

void QtBleDeviceDiscovery::stop() { m_agent->stop(); }
bool QtBleDeviceDiscovery::isActive() const { return m_agent->isActive(); }
BleDeviceDiscovery::Error QtBleDeviceDiscovery::error() const { return m_agent->error(); }
QString QtBleDeviceDiscovery::errorString() const { return m_agent->errorString(); }
QList<QBluetoothDeviceInfo> QtBleDeviceDiscovery::discoveredDevices() const { return m_agent->discoveredDevices(); }
void QtBleDeviceDiscovery::setLowEnergyDiscoveryTimeout(int msTimeout) { m_agent->setLowEnergyDiscoveryTimeout(msTimeout); }
int QtBleDeviceDiscovery::lowEnergyDiscoveryTimeout() const { return m_agent->lowEnergyDiscoveryTimeout(); }
