#include "QtBleBackend.h"

#include "BleLogging.h"
#include "BluezAttMtu.h"
#include "QtAdvertisementSource.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QCoreApplication>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QThread>
#include <QTimer>

#include <algorithm>

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
    if (milliseconds <= 0 || !context || context->thread() != QThread::currentThread()) {
        QTimer::singleShot(milliseconds, context, std::move(function));
        return;
    }
    // A timer of the context's own: a context that goes first takes its
    // timer along at once (QTimer::singleShot's would stay until its time
    // is up), so contexts made and dropped by the thousand, a restarted
    // BleTimer's, leave no timers behind.
    auto *timer = new QTimer(const_cast<QObject *>(context));
    timer->setSingleShot(true);
    timer->setTimerType(milliseconds >= 2000 ? Qt::CoarseTimer : Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, function = std::move(function)] {
        // Spent, and off its context before the call: a function that ends
        // the context does not end the timer it runs in.
        timer->setParent(nullptr);
        timer->deleteLater();
        function();
    });
    timer->start(milliseconds);
}

// --- QtBleController ------------------------------------------------------

QtBleController::QtBleController(const QBluetoothDeviceInfo &remoteDevice, QObject *parent)
    : BleController(parent), m_controller(QLowEnergyController::createCentral(remoteDevice, this))
{
    connect(m_controller, &QLowEnergyController::connected, this, &QtBleController::onConnected);
    connect(m_controller, &QLowEnergyController::disconnected, this, &BleController::disconnected);
    connect(m_controller, &QLowEnergyController::stateChanged, this, &QtBleController::onStateChanged);
    connect(m_controller, &QLowEnergyController::errorOccurred, this, [this](QLowEnergyController::Error error) {
        m_qtError = true;
        m_lostByRemote = false;
        emit errorOccurred(error);
    });
    connect(m_controller, &QLowEnergyController::mtuChanged, this, &BleController::mtuChanged);
    connect(m_controller, &QLowEnergyController::serviceDiscovered, this, &BleController::serviceDiscovered);
    connect(m_controller, &QLowEnergyController::discoveryFinished, this, &BleController::discoveryFinished);
}

QtBleController::~QtBleController() = default;

QBluetoothAddress QtBleController::remoteAddress() const { return m_controller->remoteAddress(); }
QString QtBleController::remoteName() const { return m_controller->remoteName(); }
BleController::ControllerState QtBleController::state() const { return m_controller->state(); }

BleController::Error QtBleController::error() const
{
    return m_lostByRemote ? QLowEnergyController::RemoteHostClosedError : m_controller->error();
}

QString QtBleController::errorString() const
{
    // Qt's own text for the error, in its own translation context.
    return m_lostByRemote ? QCoreApplication::translate("QLowEnergyController", "Remote device closed the connection")
                          : m_controller->errorString();
}

int QtBleController::mtu() const
{
    if (m_controller->mtu() > 0)
        return m_controller->mtu();
    return m_stackMtu > 0 ? m_stackMtu : kDefaultMtu;
}

void QtBleController::connectToDevice()
{
    m_closing = false;
    m_qtError = false;
    m_lostByRemote = false;
    m_controller->connectToDevice();
}

void QtBleController::disconnectFromDevice()
{
    m_closing = true;
    m_controller->disconnectFromDevice();
}

void QtBleController::discoverServices() { m_controller->discoverServices(); }

bool QtBleController::isIdle() const
{
    return std::all_of(m_services.cbegin(), m_services.cend(),
                       [](const QPointer<QtBleService> &service) { return !service || service->isIdle(); });
}
QList<QBluetoothUuid> QtBleController::services() const { return m_controller->services(); }

void QtBleController::onConnected()
{
    // Qt's BlueZ D-Bus controller knows no MTU; bluetoothd 5.62 and later
    // show the one they negotiated.
    if (m_controller->mtu() <= 0)
        m_stackMtu = bluezAttMtu(m_controller->remoteAddress());
    emit connected();
    if (m_stackMtu > 0 && m_controller->state() != QLowEnergyController::UnconnectedState)
        emit mtuChanged(m_stackMtu);
}

void QtBleController::onStateChanged(QLowEnergyController::ControllerState state)
{
    const bool hadLink = m_state == QLowEnergyController::ConnectedState
        || m_state == QLowEnergyController::DiscoveringState || m_state == QLowEnergyController::DiscoveredState;
    m_state = state;
    if (state == QLowEnergyController::ConnectingState)
        m_qtError = false;
    if (state == QLowEnergyController::UnconnectedState) {
        m_stackMtu = 0;
        // Qt's BlueZ D-Bus controller closes a link the device lost without
        // an error; everywhere else the loss is RemoteHostClosedError.
        if (hadLink && !m_closing && !m_qtError) {
            m_lostByRemote = true;
            emit errorOccurred(QLowEnergyController::RemoteHostClosedError);
        }
    }
    emit stateChanged(state);
}

BleService *QtBleController::createServiceObject(const QBluetoothUuid &service, QObject *parent)
{
    QLowEnergyService *native = m_controller->createServiceObject(service);
    if (!native)
        return nullptr;
    auto *object = new QtBleService(native, this, parent);
    m_services.append(object);
    return object;
}

// --- QtBleService ---------------------------------------------------------

QtBleService::QtBleService(QLowEnergyService *service, QtBleController *controller, QObject *parent)
    : BleService(parent), m_service(service), m_controller(controller)
{
    m_service->setParent(this);
    connect(m_service, &QLowEnergyService::stateChanged, this, &QtBleService::onStateChanged);
    connect(m_service, &QLowEnergyService::errorOccurred, this, &QtBleService::onError);
    connect(m_service, &QLowEnergyService::characteristicChanged, this, &QtBleService::onChanged);
    connect(m_service, &QLowEnergyService::characteristicRead, this, &QtBleService::onRead);
    connect(m_service, &QLowEnergyService::characteristicWritten, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &v) {
                const Answer answer(this);
                emit characteristicWritten(wrap(c), v);
            });
    connect(m_service, &QLowEnergyService::descriptorRead, this,
            [this](const QLowEnergyDescriptor &d, const QByteArray &v) {
                const Answer answer(this);
                emit descriptorRead(wrap(d), v);
            });
    connect(m_service, &QLowEnergyService::descriptorWritten, this,
            [this](const QLowEnergyDescriptor &d, const QByteArray &v) {
                const Answer answer(this);
                emit descriptorWritten(wrap(d), v);
            });
}

// Qt hands on an answer before it takes the request out of its queue: while
// the answer is handled, the queue is not empty.
QtBleService::Answer::Answer(QtBleService *service, bool counted) : m_service(service)
{
    if (counted && m_service->m_inFlight > 0)
        --m_service->m_inFlight;
    ++m_service->m_answering;
}

QtBleService::Answer::~Answer()
{
    if (m_service)
        --m_service->m_answering;
}

QtBleService::~QtBleService() = default;

QBluetoothUuid QtBleService::serviceUuid() const { return m_service->serviceUuid(); }
QString QtBleService::serviceName() const { return m_service->serviceName(); }
BleService::ServiceError QtBleService::error() const { return m_service->error(); }

BleService::ServiceState QtBleService::state() const
{
    // Discovering until the values of a full discovery are read.
    if (m_readingValues && m_service->state() == QLowEnergyService::RemoteServiceDiscovered)
        return QLowEnergyService::RemoteServiceDiscovering;
    return m_service->state();
}

bool QtBleService::isIdle() const
{
    return m_inFlight == 0 && m_answering == 0 && !m_commandsSent;
}

void QtBleService::call(const std::function<void()> &request)
{
    ++m_inFlight;
    m_inCall = true;
    request();
    m_inCall = false;
}

void QtBleService::discoverDetails(DiscoveryMode mode)
{
#ifdef Q_OS_LINUX
    // Qt's BlueZ D-Bus backend never finishes a full discovery whose last
    // read the device refuses (a locked device refuses its settings). Where
    // nothing else waits in the controller's queue, Qt's discovery without
    // values finishes at once, and the service reads the values itself;
    // otherwise it would never finish, and Qt's full discovery runs.
    if (mode == QLowEnergyService::FullDiscovery && m_controller && m_controller->isIdle()) {
        m_readingValues = true;
        mode = QLowEnergyService::SkipValueDiscovery;
    }
#endif
    call([&] { m_service->discoverDetails(mode); });
}

void QtBleService::onStateChanged(QLowEnergyService::ServiceState state)
{
    if (state == QLowEnergyService::InvalidService) {
        // Qt drops its queue with the link.
        m_inFlight = 0;
        m_commandsSent = false;
        m_readingValues = false;
        m_discoveryReads = 0;
        m_reads.clear();
        m_held.clear();
    }
    const Answer answer(this, state == QLowEnergyService::RemoteServiceDiscovered); // of the discovery
    if (state == QLowEnergyService::RemoteServiceDiscovered) {
        if (m_readingValues) {
            QList<QLowEnergyCharacteristic> readable;
            const QList<QLowEnergyCharacteristic> all = m_service->characteristics();
            for (const QLowEnergyCharacteristic &characteristic : all) {
                if (characteristic.properties() & QLowEnergyCharacteristic::Read)
                    readable.append(characteristic);
            }
            // Qt answers them in turn; a read turned down at once is
            // answered by an error here and now, like the others later.
            m_discoveryReads = int(readable.size());
            if (m_discoveryReads > 0) {
                // Discovered comes with the last answer.
                for (const QLowEnergyCharacteristic &characteristic : std::as_const(readable))
                    call([&] { m_service->readCharacteristic(characteristic); });
                return;
            }
            m_readingValues = false;
        }
    }
    emit stateChanged(state);
}

bool QtBleService::takeDiscoveryRead()
{
    if (!m_readingValues || m_discoveryReads == 0)
        return false;
    if (--m_discoveryReads == 0) {
        m_readingValues = false;
        emit stateChanged(QLowEnergyService::RemoteServiceDiscovered);
    }
    return true;
}

void QtBleService::onChanged(const QLowEnergyCharacteristic &characteristic, const QByteArray &value)
{
    // No notification can come before the details are known: these are the
    // values the discovery read.
    if (state() == QLowEnergyService::RemoteServiceDiscovering)
        return;
    if (m_reads.contains(characteristic)) {
        m_held.append({characteristic, value});
        return;
    }
    emit characteristicChanged(wrap(characteristic), value);
}

void QtBleService::onRead(const QLowEnergyCharacteristic &characteristic, const QByteArray &value)
{
    const Answer answer(this);
    if (takeDiscoveryRead())
        return;
    m_reads.removeOne(characteristic);
    releaseChanges(characteristic, &value);
    emit characteristicRead(wrap(characteristic), value);
}

void QtBleService::onError(QLowEnergyService::ServiceError error)
{
    // Qt answers the requests in turn: a failure is the oldest one's, or
    // the one being asked for.
    const bool atOnce = m_inCall && error == QLowEnergyService::OperationError;
    const Answer answer(this, atOnce || error == QLowEnergyService::CharacteristicReadError
                                  || error == QLowEnergyService::CharacteristicWriteError
                                  || error == QLowEnergyService::DescriptorReadError
                                  || error == QLowEnergyService::DescriptorWriteError);
    // A value of the discovery that cannot be read stays unknown.
    if ((error == QLowEnergyService::CharacteristicReadError || atOnce) && takeDiscoveryRead())
        return;
    if ((error == QLowEnergyService::CharacteristicReadError || (atOnce && m_inRead)) && !m_reads.isEmpty()) {
        const QLowEnergyCharacteristic failed = atOnce ? m_reads.takeLast() : m_reads.takeFirst();
        releaseChanges(failed, nullptr);
    }
    emit errorOccurred(error);
}

void QtBleService::releaseChanges(const QLowEnergyCharacteristic &characteristic, const QByteArray *echo)
{
    // bluetoothd signals the value just before it answers the read.
    if (echo) {
        for (qsizetype i = m_held.size() - 1; i >= 0; --i) {
            if (m_held.at(i).first == characteristic && m_held.at(i).second == *echo) {
                m_held.removeAt(i);
                break;
            }
        }
    }
    if (m_reads.contains(characteristic))
        return; // another read of it is in flight
    QList<QByteArray> values;
    for (auto it = m_held.begin(); it != m_held.end();) {
        if (it->first == characteristic) {
            values.append(it->second);
            it = m_held.erase(it);
        } else {
            ++it;
        }
    }
    for (const QByteArray &value : std::as_const(values))
        emit characteristicChanged(wrap(characteristic), value);
}

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
    const QLowEnergyCharacteristic native = unwrap(characteristic);
    m_reads.append(native);
    m_inRead = true;
    call([&] { m_service->readCharacteristic(native); });
    m_inRead = false;
}

void QtBleService::writeCharacteristic(const BleCharacteristic &characteristic, const QByteArray &value, WriteMode mode)
{
    // Qt confirms only writes with response; a command leaves no trace of
    // when it is done.
    if (mode != QLowEnergyService::WriteWithResponse) {
        m_commandsSent = true;
        m_service->writeCharacteristic(unwrap(characteristic), value, mode);
        return;
    }
    call([&] { m_service->writeCharacteristic(unwrap(characteristic), value, mode); });
}

void QtBleService::readDescriptor(const BleDescriptor &descriptor)
{
    call([&] { m_service->readDescriptor(unwrap(descriptor)); });
}

void QtBleService::writeDescriptor(const BleDescriptor &descriptor, const QByteArray &value)
{
    call([&] { m_service->writeDescriptor(unwrap(descriptor), value); });
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
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
            [this](const QBluetoothDeviceInfo &info) { onReport(info, QBluetoothDeviceInfo::Field::None, false); });
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
            [this](const QBluetoothDeviceInfo &info, QBluetoothDeviceInfo::Fields fields) { onReport(info, fields, true); });
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this, &BleDeviceDiscovery::finished);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::canceled, this, &BleDeviceDiscovery::canceled);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this, &BleDeviceDiscovery::errorOccurred);
}

QtBleDeviceDiscovery::~QtBleDeviceDiscovery()
{
    // Qt's BlueZ agent gives bluetoothd's discovery back only when it is
    // stopped; destroyed while scanning, it leaves the adapter scanning for
    // the life of the process.
    if (m_agent->isActive())
        m_agent->stop();
}

void QtBleDeviceDiscovery::start()
{
    m_heard.clear();
    m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
    if (!m_agent->isActive() && m_agent->error() != QBluetoothDeviceDiscoveryAgent::NoError)
        qCWarning(lcBle) << "Device discovery could not start:" << m_agent->errorString();
}

void QtBleDeviceDiscovery::onReport(QBluetoothDeviceInfo info, QBluetoothDeviceInfo::Fields fields, bool updated)
{
    // With a time-out Qt reports a device once and its changes as updates;
    // the first of them can be the first advertisement heard, when the
    // stack knew the device before.
    switch (m_heard.take(info, updated)) {
    case HeardDevices::Report::None:
        break;
    case HeardDevices::Report::First:
        emit deviceDiscovered(info);
        break;
    case HeardDevices::Report::Again:
        if (fields == QBluetoothDeviceInfo::Field::None)
            fields = QBluetoothDeviceInfo::Fields(QBluetoothDeviceInfo::Field::RSSI) | QBluetoothDeviceInfo::Field::ManufacturerData;
        emit deviceUpdated(info, fields);
        break;
    }
}

void QtBleDeviceDiscovery::stop() { m_agent->stop(); }
bool QtBleDeviceDiscovery::isActive() const { return m_agent->isActive(); }
BleDeviceDiscovery::Error QtBleDeviceDiscovery::error() const { return m_agent->error(); }
QString QtBleDeviceDiscovery::errorString() const { return m_agent->errorString(); }
QList<QBluetoothDeviceInfo> QtBleDeviceDiscovery::discoveredDevices() const { return m_heard.devices(); }
void QtBleDeviceDiscovery::setLowEnergyDiscoveryTimeout(int msTimeout) { m_agent->setLowEnergyDiscoveryTimeout(msTimeout); }
int QtBleDeviceDiscovery::lowEnergyDiscoveryTimeout() const { return m_agent->lowEnergyDiscoveryTimeout(); }
