#include "BluezStandIn.h"

#include "BluezService.h"
#include "PrivateSystemBus.h"
#include "SimRadio.h"

#include <QAtomicInt>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QThread>

namespace {

QAtomicInt g_instances;

} // namespace

BluezStandIn::BluezStandIn() : m_record(std::make_unique<BluezRecord>()) {}

BluezStandIn::~BluezStandIn()
{
    if (!m_thread)
        return;
    run([this](SimRadio &) {
        QDBusConnection bus(m_connectionName);
        bus.unregisterService(bluez::kService);
        bus.unregisterObject(QStringLiteral("/"), QDBusConnection::UnregisterTree);
        delete m_service;
        m_service = nullptr;
        delete m_radio;
        m_radio = nullptr;
        QDBusConnection::disconnectFromBus(m_connectionName);
    });
    m_thread->quit();
    m_thread->wait();
}

bool BluezStandIn::start(QString *reason)
{
    QString problem;
    if (!PrivateSystemBus::start(&problem)) {
        if (reason)
            *reason = problem;
        return false;
    }
    // Qt Bluetooth uses bluetoothd's D-Bus GATT API (QLowEnergyController's
    // BlueZ D-Bus backend) only for bluetoothd 5.42 or later. It asks
    // BLUETOOTH_FORCE_DBUS_LE_VERSION first and otherwise runs the bus
    // owner's executable with --version. In a test the owner of org.bluez
    // is the test itself, which knows no --version, so the stand-in answers
    // the first way: with its own version, before any controller is made.
    // (The stand-in as a process of its own, bluez_standin, answers the
    // second way as well.)
    qputenv("BLUETOOTH_FORCE_DBUS_LE_VERSION", kVersion);
    bluez::registerTypes();

    m_connectionName = QStringLiteral("bluez-stand-in-%1").arg(g_instances.fetchAndAddRelaxed(1));
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("BlueZ stand-in"));
    auto *context = new QObject;
    context->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, context, &QObject::deleteLater);
    m_thread->start();
    m_context = context;

    QMetaObject::invokeMethod(context, [&] {
        m_radio = new SimRadio(SimClock::Mode::RealTime);
        QDBusConnection bus = QDBusConnection::connectToBus(PrivateSystemBus::address(), m_connectionName);
        if (!bus.isConnected()) {
            problem = QStringLiteral("cannot connect to the private bus: %1").arg(bus.lastError().message());
            return;
        }
        auto service = std::make_unique<BluezService>(m_radio, bus, m_record.get());
        if (!bus.registerVirtualObject(QStringLiteral("/"), service.get(), QDBusConnection::SubPath)) {
            problem = QStringLiteral("cannot register the object tree");
            return;
        }
        if (!bus.registerService(bluez::kService)) {
            problem = QStringLiteral("%1 is taken on the private bus").arg(bluez::kService);
            bus.unregisterObject(QStringLiteral("/"), QDBusConnection::UnregisterTree);
            return;
        }
        m_service = service.release();
    }, Qt::BlockingQueuedConnection);
    if (!m_service && reason)
        *reason = problem;
    return m_service != nullptr;
}

void BluezStandIn::run(const std::function<void(SimRadio &radio)> &function)
{
    if (!m_context || !m_radio)
        return;
    QMetaObject::invokeMethod(m_context, [&] { function(*m_radio); }, Qt::BlockingQueuedConnection);
}

void BluezStandIn::setExposesMtu(bool exposes)
{
    QMutexLocker lock(&m_record->mutex);
    m_record->exposesMtu = exposes;
}

QList<SimAttEvent> BluezStandIn::traffic() const
{
    QMutexLocker lock(&m_record->mutex);
    return m_record->traffic;
}

void BluezStandIn::clearTraffic()
{
    QMutexLocker lock(&m_record->mutex);
    m_record->traffic.clear();
}

int BluezStandIn::advertisementSignals(const QBluetoothAddress &device) const
{
    QMutexLocker lock(&m_record->mutex);
    return m_record->advertisementSignals.value(device.toUInt64());
}

int BluezStandIn::calls(const QString &member, const QBluetoothAddress &device) const
{
    const QString key = device.isNull() ? member : member + QLatin1Char(' ') + devicePath(device);
    QMutexLocker lock(&m_record->mutex);
    return m_record->calls.value(key);
}

QString BluezStandIn::devicePath(const QBluetoothAddress &device)
{
    return bluez::devicePath(device);
}
