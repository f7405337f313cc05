#include "BluezService.h"

#include "BleController.h"
#include "BleDeviceDiscovery.h"
#include "BleService.h"
#include "SimPeripheral.h"
#include "SimRadio.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QLoggingCategory>
#include <QtEndian>

#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcBluezStandIn, "bluez.standin")

namespace {

const QString kUnknownMethod = QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod");
const QString kUnknownObject = QStringLiteral("org.freedesktop.DBus.Error.UnknownObject");
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QBluetoothUuid kCccd(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);

QString uuidText(const QBluetoothUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces).toLower();
}

// An interface with its properties, plus the two standard interfaces every
// bluetoothd object lists beside its own.
BluezInterfaces objectInterfaces(const QString &interface, const QVariantMap &properties)
{
    return {{interface, properties}, {bluez::kProperties, {}}, {bluez::kIntrospectable, {}}};
}

QStringList flagsOf(QLowEnergyCharacteristic::PropertyTypes properties)
{
    static const QList<QPair<QLowEnergyCharacteristic::PropertyType, const char *>> names{
        {QLowEnergyCharacteristic::Broadcasting, "broadcast"},
        {QLowEnergyCharacteristic::Read, "read"},
        {QLowEnergyCharacteristic::WriteNoResponse, "write-without-response"},
        {QLowEnergyCharacteristic::Write, "write"},
        {QLowEnergyCharacteristic::Notify, "notify"},
        {QLowEnergyCharacteristic::Indicate, "indicate"},
        {QLowEnergyCharacteristic::WriteSigned, "authenticated-signed-writes"},
        {QLowEnergyCharacteristic::ExtendedProperty, "extended-properties"},
    };
    QStringList flags;
    for (const auto &[property, name] : names) {
        if (properties & property)
            flags << QString::fromLatin1(name);
    }
    return flags;
}

QVariantMap optionsOf(const QVariant &argument)
{
    return argument.canConvert<QDBusArgument>() ? qdbus_cast<QVariantMap>(argument.value<QDBusArgument>())
                                                : argument.toMap();
}

QString hex4(quint16 handle)
{
    return QStringLiteral("%1").arg(handle, 4, 16, QLatin1Char('0'));
}

} // namespace

// The same map with each value converted.
template<typename Key, typename From, typename Convert>
auto mapped(const QMap<Key, From> &map, Convert convert)
{
    QMap<Key, decltype(convert(map.first()))> result;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        result.insert(it.key(), convert(it.value()));
    return result;
}

// Qt's map streaming, which needs no registration of the map types.
QDBusArgument &operator<<(QDBusArgument &argument, const DBusInterfaces &interfaces)
{
    return argument << interfaces.value;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusInterfaces &interfaces)
{
    return argument >> interfaces.value;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusManagedObjects &objects)
{
    return argument << mapped(objects.value, [](const BluezInterfaces &v) { return DBusInterfaces{v}; });
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusManagedObjects &objects)
{
    QMap<QDBusObjectPath, DBusInterfaces> wire;
    argument >> wire;
    objects.value = mapped(wire, [](const DBusInterfaces &v) { return v.value; });
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusManufacturerData &data)
{
    return argument << mapped(data.value, [](const QByteArray &v) { return QDBusVariant(v); });
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusManufacturerData &data)
{
    QMap<quint16, QDBusVariant> wire;
    argument >> wire;
    data.value = mapped(wire, [](const QDBusVariant &v) { return v.variant().toByteArray(); });
    return argument;
}

QString bluez::devicePath(const QBluetoothAddress &address)
{
    return kAdapterPath + QStringLiteral("/dev_") + address.toString().replace(QLatin1Char(':'), QLatin1Char('_'));
}

void bluez::registerTypes()
{
    qDBusRegisterMetaType<DBusInterfaces>();
    qDBusRegisterMetaType<DBusManagedObjects>();
    qDBusRegisterMetaType<DBusManufacturerData>();
}

// --- BluezService ----------------------------------------------------------

BluezService::BluezService(SimRadio *radio, const QDBusConnection &bus, BluezRecord *record, QObject *parent)
    : QDBusVirtualObject(parent), m_radio(radio), m_backend(radio), m_bus(bus), m_record(record)
{
    connect(m_radio, &SimRadio::advertised, this, &BluezService::onAdvertised);
    connect(m_radio, &SimRadio::traffic, this, [this](const SimAttEvent &event) {
        QMutexLocker lock(&m_record->mutex);
        m_record->traffic.append(event);
    });
}

BluezService::~BluezService() = default;

bool BluezService::exposesMtu() const
{
    QMutexLocker lock(&m_record->mutex);
    return m_record->exposesMtu;
}

QString BluezService::introspect(const QString &) const
{
    return QString();
}

void BluezService::reply(const QDBusMessage &call, const QVariantList &arguments)
{
    if (call.type() == QDBusMessage::MethodCallMessage)
        m_bus.send(call.createReply(arguments));
}

void BluezService::replyError(const QDBusMessage &call, const QString &name, const QString &text)
{
    if (call.type() == QDBusMessage::MethodCallMessage)
        m_bus.send(call.createErrorReply(name, text));
}

void BluezService::propertiesChanged(const QString &path, const QString &interface, const QVariantMap &changed,
                                     const QStringList &invalidated)
{
    QDBusMessage signal = QDBusMessage::createSignal(path, bluez::kProperties, QStringLiteral("PropertiesChanged"));
    signal.setArguments({interface, changed, invalidated});
    m_bus.send(signal);
}

void BluezService::interfacesAdded(const QString &path, const BluezInterfaces &interfaces)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/"), bluez::kObjectManager,
                                                     QStringLiteral("InterfacesAdded"));
    signal.setArguments({QVariant::fromValue(QDBusObjectPath(path)), QVariant::fromValue(DBusInterfaces{interfaces})});
    m_bus.send(signal);
}

bool BluezService::handleMessage(const QDBusMessage &message, const QDBusConnection &)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QString path = message.path();
    const QString interface = message.interface();
    {
        QMutexLocker lock(&m_record->mutex);
        ++m_record->calls[message.member()];
        ++m_record->calls[message.member() + QLatin1Char(' ') + path];
    }
    if (interface == bluez::kIntrospectable)
        return false; // QtDBus answers from introspect()
    if (interface == bluez::kProperties)
        return handleProperties(message);
    if (path == QLatin1String("/") && interface == bluez::kObjectManager
        && message.member() == QLatin1String("GetManagedObjects")) {
        reply(message, {QVariant::fromValue(DBusManagedObjects{managedObjects()})});
        return true;
    }
    if (path == bluez::kAdapterPath && interface == bluez::kAdapter) {
        handleAdapter(message);
        return true;
    }
    if (BluezDevice *device = deviceOwning(path)) {
        device->handle(message);
        return true;
    }
    replyError(message, objectAt(path) ? kUnknownMethod : kUnknownObject,
               QStringLiteral("%1.%2 on %3").arg(interface, message.member(), path));
    return true;
}

bool BluezService::handleProperties(const QDBusMessage &message)
{
    const QString member = message.member();
    const QVariantList arguments = message.arguments();
    const std::optional<BluezInterfaces> object = objectAt(message.path());
    if (!object) {
        replyError(message, kUnknownObject, message.path());
        return true;
    }
    const QString interface = arguments.value(0).toString();
    if (!object->contains(interface)) {
        replyError(message, kInvalidArgs, QStringLiteral("No such interface '%1'").arg(interface));
        return true;
    }
    const QVariantMap properties = object->value(interface);
    if (member == QLatin1String("GetAll")) {
        reply(message, {properties});
    } else if (member == QLatin1String("Get")) {
        const QString name = arguments.value(1).toString();
        if (properties.contains(name))
            reply(message, {QVariant::fromValue(QDBusVariant(properties.value(name)))});
        else
            replyError(message, kInvalidArgs, QStringLiteral("No such property '%1'").arg(name));
    } else {
        replyError(message, kInvalidArgs, QStringLiteral("Property is read-only"));
    }
    return true;
}

void BluezService::handleAdapter(const QDBusMessage &message)
{
    const QString member = message.member();
    const QString client = message.service();
    if (member == QLatin1String("StartDiscovery")) {
        if (m_discoveryClients.contains(client)) {
            replyError(message, bluez::kInProgress, QStringLiteral("Operation already in progress"));
            return;
        }
        m_discoveryClients.insert(client);
        if (m_discoveryClients.size() == 1) {
            m_heard.clear();
            m_scan.reset(m_backend.createDeviceDiscovery());
            m_scan->setLowEnergyDiscoveryTimeout(0);
            m_scan->start();
            setDiscovering(true);
        }
        reply(message);
    } else if (member == QLatin1String("StopDiscovery")) {
        if (!m_discoveryClients.remove(client)) {
            replyError(message, bluez::kFailed, QStringLiteral("No discovery started"));
            return;
        }
        if (m_discoveryClients.isEmpty()) {
            m_scan.reset();
            // bluetoothd forgets the RSSI of every device of the ended
            // discovery; the devices themselves stay.
            for (const QString &path : std::as_const(m_heard)) {
                if (auto it = m_devices.find(path); it != m_devices.end())
                    it->second->dropRssi();
            }
            m_heard.clear();
            setDiscovering(false);
        }
        reply(message);
    } else if (member == QLatin1String("SetDiscoveryFilter")) {
        const QVariantMap filter = optionsOf(message.arguments().value(0));
        const QString transport = filter.value(QStringLiteral("Transport"), QStringLiteral("auto")).toString();
        if (!QStringList{QStringLiteral("auto"), QStringLiteral("le"), QStringLiteral("bredr")}.contains(transport))
            replyError(message, bluez::kInvalidArguments, QStringLiteral("Invalid arguments in method call"));
        else
            reply(message);
    } else if (member == QLatin1String("GetDiscoveryFilters")) {
        reply(message, {QStringList{QStringLiteral("UUIDs"), QStringLiteral("RSSI"), QStringLiteral("Pathloss"),
                                    QStringLiteral("Transport"), QStringLiteral("DuplicateData"),
                                    QStringLiteral("Discoverable"), QStringLiteral("Pattern")}});
    } else {
        replyError(message, bluez::kNotSupported, QStringLiteral("Not Supported"));
    }
}

void BluezService::setDiscovering(bool discovering)
{
    m_discovering = discovering;
    propertiesChanged(bluez::kAdapterPath, bluez::kAdapter, {{QStringLiteral("Discovering"), discovering}});
}

QVariantMap BluezService::adapterProperties() const
{
    return {
        {QStringLiteral("Address"), QStringLiteral("00:1A:7D:DA:71:13")},
        {QStringLiteral("AddressType"), QStringLiteral("public")},
        {QStringLiteral("Name"), QStringLiteral("gearwarden-test")},
        {QStringLiteral("Alias"), QStringLiteral("gearwarden-test")},
        {QStringLiteral("Class"), QVariant::fromValue(quint32(0x6c0000))},
        {QStringLiteral("Powered"), true},
        {QStringLiteral("Discoverable"), false},
        {QStringLiteral("DiscoverableTimeout"), QVariant::fromValue(quint32(180))},
        {QStringLiteral("Pairable"), false},
        {QStringLiteral("PairableTimeout"), QVariant::fromValue(quint32(0))},
        {QStringLiteral("Discovering"), m_discovering},
        {QStringLiteral("UUIDs"), QStringList()},
        {QStringLiteral("Modalias"), QStringLiteral("usb:v1D6Bp0246d0542")},
        {QStringLiteral("Roles"), QStringList{QStringLiteral("central"), QStringLiteral("peripheral")}},
    };
}

std::optional<BluezInterfaces> BluezService::objectAt(const QString &path) const
{
    if (path == QLatin1String("/"))
        return BluezInterfaces{{bluez::kObjectManager, {}}, {bluez::kIntrospectable, {}}};
    if (path == bluez::kAdapterPath)
        return objectInterfaces(bluez::kAdapter, adapterProperties());
    if (BluezDevice *device = deviceOwning(path))
        return device->objectAt(path);
    return std::nullopt;
}

BluezManagedObjects BluezService::managedObjects() const
{
    BluezManagedObjects objects;
    objects.insert(QDBusObjectPath(bluez::kAdapterPath), objectInterfaces(bluez::kAdapter, adapterProperties()));
    for (const auto &[path, device] : m_devices)
        device->addObjects(objects);
    return objects;
}

BluezDevice *BluezService::deviceOwning(const QString &path) const
{
    for (const auto &[devicePath, device] : m_devices) {
        if (path == devicePath || path.startsWith(devicePath + QLatin1Char('/')))
            return device.get();
    }
    return nullptr;
}

void BluezService::onAdvertised(const SimAdvertisement &advertisement)
{
    if (!m_discovering)
        return;
    const QString path = bluez::devicePath(advertisement.address);
    auto it = m_devices.find(path);
    const bool isNew = it == m_devices.end();
    if (isNew)
        it = m_devices.emplace(path, std::make_unique<BluezDevice>(this, advertisement.address)).first;
    BluezDevice &device = *it->second;
    m_heard.insert(path);
    const QVariantMap changed = device.takeAdvertisement(advertisement, isNew);
    const bool counts = isNew || changed.contains(QStringLiteral("RSSI"))
        || changed.contains(QStringLiteral("ManufacturerData"));
    if (isNew) {
        BluezManagedObjects objects;
        device.addObjects(objects);
        interfacesAdded(path, objects.value(QDBusObjectPath(path)));
    } else if (!changed.isEmpty()) {
        propertiesChanged(path, bluez::kDevice, changed);
    }
    if (counts) {
        QMutexLocker lock(&m_record->mutex);
        ++m_record->advertisementSignals[advertisement.address.toUInt64()];
    }
}

// --- BluezDevice -------------------------------------------------------------

BluezDevice::BluezDevice(BluezService *service, const QBluetoothAddress &address)
    : QObject(service)
    , m_owner(service)
    , m_address(address)
    , m_path(bluez::devicePath(address))
{
}

BluezDevice::~BluezDevice() = default;

QVariantMap BluezDevice::takeAdvertisement(const SimAdvertisement &advertisement, bool isNew)
{
    QVariantMap changed;
    // Only a name that was sent counts; without one the alias stays the
    // address.
    if (advertisement.name && !advertisement.name->isEmpty() && m_name != advertisement.name) {
        m_name = advertisement.name;
        changed.insert(QStringLiteral("Name"), *m_name);
        changed.insert(QStringLiteral("Alias"), *m_name);
    }
    // Signalled only when they change, as bluetoothd does for a client with
    // a discovery filter and without DuplicateData.
    if (advertisement.rssi != m_rssi) {
        m_rssi = advertisement.rssi;
        changed.insert(QStringLiteral("RSSI"), QVariant::fromValue(m_rssi));
    }
    bool dataChanged = false;
    for (const auto &[company, data] : advertisement.manufacturerData) {
        if (!m_manufacturerData.contains(company) || m_manufacturerData.value(company) != data) {
            m_manufacturerData.insert(company, data);
            dataChanged = true;
        }
    }
    if (dataChanged)
        changed.insert(QStringLiteral("ManufacturerData"), deviceProperties().value(QStringLiteral("ManufacturerData")));
    bool uuidsChanged = false;
    for (const QBluetoothUuid &uuid : advertisement.serviceUuids) {
        if (!m_uuids.contains(uuid)) {
            m_uuids.append(uuid);
            uuidsChanged = true;
        }
    }
    if (uuidsChanged)
        changed.insert(QStringLiteral("UUIDs"), deviceProperties().value(QStringLiteral("UUIDs")));
    return isNew ? deviceProperties() : changed;
}

void BluezDevice::dropRssi()
{
    if (m_rssi == 0)
        return;
    m_rssi = 0;
    m_owner->propertiesChanged(m_path, bluez::kDevice, {}, {QStringLiteral("RSSI")});
}

QVariantMap BluezDevice::deviceProperties() const
{
    QString alias = m_address.toString();
    alias.replace(QLatin1Char(':'), QLatin1Char('-'));
    QStringList uuids;
    for (const QBluetoothUuid &uuid : m_uuids)
        uuids << uuidText(uuid);
    // The two top bits set: a random static address, as the devices use.
    const bool random = (m_address.toUInt64() >> 46) == 3;
    QVariantMap properties{
        {QStringLiteral("Address"), m_address.toString()},
        {QStringLiteral("AddressType"), random ? QStringLiteral("random") : QStringLiteral("public")},
        {QStringLiteral("Alias"), m_name.value_or(alias)},
        {QStringLiteral("Paired"), false},
        {QStringLiteral("Trusted"), false},
        {QStringLiteral("Blocked"), false},
        {QStringLiteral("LegacyPairing"), false},
        {QStringLiteral("Connected"), m_connected},
        {QStringLiteral("UUIDs"), uuids},
        {QStringLiteral("Adapter"), QVariant::fromValue(QDBusObjectPath(bluez::kAdapterPath))},
        {QStringLiteral("ServicesResolved"), m_resolved},
    };
    if (m_name)
        properties.insert(QStringLiteral("Name"), *m_name);
    if (m_rssi != 0)
        properties.insert(QStringLiteral("RSSI"), QVariant::fromValue(m_rssi));
    if (!m_manufacturerData.isEmpty()) {
        properties.insert(QStringLiteral("ManufacturerData"), QVariant::fromValue(DBusManufacturerData{m_manufacturerData}));
    }
    return properties;
}

QVariantMap BluezDevice::serviceProperties(const Service &service) const
{
    return {
        {QStringLiteral("UUID"), uuidText(service.uuid)},
        {QStringLiteral("Device"), QVariant::fromValue(QDBusObjectPath(m_path))},
        {QStringLiteral("Primary"), true},
        {QStringLiteral("Includes"), QVariant::fromValue(QList<QDBusObjectPath>())},
    };
}

QVariantMap BluezDevice::characteristicProperties(const Characteristic &characteristic) const
{
    QVariantMap properties{
        {QStringLiteral("UUID"), uuidText(characteristic.uuid)},
        {QStringLiteral("Service"), QVariant::fromValue(QDBusObjectPath(characteristic.servicePath))},
        {QStringLiteral("Value"), characteristic.value},
        {QStringLiteral("Flags"), flagsOf(characteristic.properties)},
    };
    if (characteristic.properties & (QLowEnergyCharacteristic::Notify | QLowEnergyCharacteristic::Indicate))
        properties.insert(QStringLiteral("Notifying"), characteristic.notifying);
    // bluetoothd 5.62 and later: the ATT MTU of the connection, while there
    // is one.
    if (m_connected && m_owner->exposesMtu())
        properties.insert(QStringLiteral("MTU"), QVariant::fromValue(quint16(linkMtu())));
    return properties;
}

QVariantMap BluezDevice::descriptorProperties(const Descriptor &descriptor) const
{
    return {
        {QStringLiteral("UUID"), uuidText(descriptor.uuid)},
        {QStringLiteral("Characteristic"), QVariant::fromValue(QDBusObjectPath(descriptor.characteristicPath))},
        {QStringLiteral("Value"), descriptor.value},
        {QStringLiteral("Flags"), QStringList{QStringLiteral("read"), QStringLiteral("write")}},
    };
}

void BluezDevice::addObjects(BluezManagedObjects &objects) const
{
    objects.insert(QDBusObjectPath(m_path), objectInterfaces(bluez::kDevice, deviceProperties()));
    for (const Service &service : m_services)
        objects.insert(QDBusObjectPath(service.path), objectInterfaces(bluez::kGattService, serviceProperties(service)));
    for (const auto &[path, characteristic] : m_characteristics)
        objects.insert(QDBusObjectPath(path),
                       objectInterfaces(bluez::kGattCharacteristic, characteristicProperties(characteristic)));
    for (const auto &[path, descriptor] : m_descriptors)
        objects.insert(QDBusObjectPath(path), objectInterfaces(bluez::kGattDescriptor, descriptorProperties(descriptor)));
}

std::optional<BluezInterfaces> BluezDevice::objectAt(const QString &path) const
{
    if (path == m_path)
        return objectInterfaces(bluez::kDevice, deviceProperties());
    if (auto it = m_characteristics.find(path); it != m_characteristics.end())
        return objectInterfaces(bluez::kGattCharacteristic, characteristicProperties(it->second));
    if (auto it = m_descriptors.find(path); it != m_descriptors.end())
        return objectInterfaces(bluez::kGattDescriptor, descriptorProperties(it->second));
    for (const Service &service : m_services) {
        if (service.path == path)
            return objectInterfaces(bluez::kGattService, serviceProperties(service));
    }
    return std::nullopt;
}

void BluezDevice::handle(const QDBusMessage &message)
{
    const QString member = message.member();
    const QString interface = message.interface();
    const QString path = message.path();
    if (path == m_path && interface == bluez::kDevice) {
        if (member == QLatin1String("Connect"))
            connectDevice(message);
        else if (member == QLatin1String("Disconnect"))
            disconnectDevice(message);
        else
            m_owner->replyError(message, bluez::kNotSupported, QStringLiteral("Not Supported"));
        return;
    }
    if (auto it = m_characteristics.find(path); it != m_characteristics.end() && interface == bluez::kGattCharacteristic) {
        Characteristic &characteristic = it->second;
        if (member == QLatin1String("ReadValue"))
            read(message, characteristic);
        else if (member == QLatin1String("WriteValue"))
            write(message, characteristic);
        else if (member == QLatin1String("StartNotify"))
            startNotify(message, characteristic);
        else if (member == QLatin1String("StopNotify"))
            stopNotify(message, characteristic);
        else
            m_owner->replyError(message, bluez::kNotSupported, QStringLiteral("Not Supported"));
        return;
    }
    if (auto it = m_descriptors.find(path); it != m_descriptors.end() && interface == bluez::kGattDescriptor) {
        if (member == QLatin1String("ReadValue"))
            readDescriptor(message, it->second);
        else if (member == QLatin1String("WriteValue"))
            writeDescriptor(message, it->second);
        else
            m_owner->replyError(message, bluez::kNotSupported, QStringLiteral("Not Supported"));
        return;
    }
    m_owner->replyError(message, objectAt(path) ? kUnknownMethod : kUnknownObject,
                        QStringLiteral("%1.%2 on %3").arg(interface, member, path));
}

// --- connection ----------------------------------------------------------------

void BluezDevice::connectDevice(const QDBusMessage &call)
{
    if (isReady()) {
        m_owner->replyError(call, bluez::kAlreadyConnected, QStringLiteral("Already Connected"));
        return;
    }
    if (m_connecting || (m_controller && m_controller->state() != QLowEnergyController::UnconnectedState)) {
        m_owner->replyError(call, bluez::kInProgress, QStringLiteral("In Progress"));
        return;
    }
    m_connectCalls.append(call);
    m_connecting = true;
    if (!m_controller) {
        m_controller = m_owner->backend().createCentral(QBluetoothDeviceInfo(m_address, m_name.value_or(QString()), 0), this);
        connect(m_controller, &BleController::connected, this, &BluezDevice::onConnected);
        connect(m_controller, &BleController::disconnected, this, &BluezDevice::onLinkDown);
        connect(m_controller, &BleController::mtuChanged, this, &BluezDevice::onMtu);
        connect(m_controller, &BleController::discoveryFinished, this, &BluezDevice::onDiscoveryFinished);
        connect(m_controller, &BleController::errorOccurred, this, [this] {
            // A connect that never got a link; a lost link ends in onLinkDown.
            if (m_connecting && !m_connected)
                failConnect(QStringLiteral("le-connection-abort-by-local"));
        });
    }
    m_controller->connectToDevice();
}

void BluezDevice::failConnect(const QString &text)
{
    m_connecting = false;
    const QList<QDBusMessage> calls = std::exchange(m_connectCalls, {});
    for (const QDBusMessage &call : calls)
        m_owner->replyError(call, bluez::kFailed, text);
}

void BluezDevice::disconnectDevice(const QDBusMessage &call)
{
    if (!m_connected && !m_connecting) {
        m_owner->replyError(call, bluez::kNotConnected, QStringLiteral("Not Connected"));
        return;
    }
    m_disconnectCalls.append(call);
    m_controller->disconnectFromDevice();
}

void BluezDevice::onConnected()
{
    m_connected = true;
    m_owner->propertiesChanged(m_path, bluez::kDevice, {{QStringLiteral("Connected"), true}});
    m_controller->discoverServices();
}

void BluezDevice::onMtu(int mtu)
{
    if (!m_owner->exposesMtu())
        return;
    for (const auto &[path, characteristic] : m_characteristics)
        m_owner->propertiesChanged(path, bluez::kGattCharacteristic, {{QStringLiteral("MTU"), QVariant::fromValue(quint16(mtu))}});
}

void BluezDevice::onDiscoveryFinished()
{
    const QList<QBluetoothUuid> uuids = m_controller->services();
    QList<BleService *> services;
    for (const QBluetoothUuid &uuid : uuids) {
        BleService *service = m_controller->createServiceObject(uuid, this);
        if (!service)
            continue;
        m_serviceObjects.insert(uuid, service);
        services.append(service);
        connect(service, &BleService::stateChanged, this, [this](QLowEnergyService::ServiceState state) {
            if (state == QLowEnergyService::RemoteServiceDiscovered && --m_servicesToDiscover == 0)
                onServicesResolved();
        });
        connect(service, &BleService::characteristicRead, this,
                [this](const BleCharacteristic &, const QByteArray &value) { onAnswer(Pending::Read, value); });
        connect(service, &BleService::characteristicWritten, this,
                [this](const BleCharacteristic &, const QByteArray &value) { onAnswer(Pending::Write, value); });
        connect(service, &BleService::descriptorRead, this,
                [this](const BleDescriptor &, const QByteArray &value) { onAnswer(Pending::ReadDescriptor, value); });
        connect(service, &BleService::descriptorWritten, this,
                [this](const BleDescriptor &, const QByteArray &value) { onAnswer(Pending::WriteDescriptor, value); });
        connect(service, &BleService::errorOccurred, this, &BluezDevice::onServiceError);
        connect(service, &BleService::characteristicChanged, this,
                [this, uuid](const BleCharacteristic &characteristic, const QByteArray &value) {
                    onNotified(uuid, characteristic.uuid(), value);
                });
    }
    m_servicesToDiscover = int(services.size());
    if (services.isEmpty()) {
        onServicesResolved();
        return;
    }
    for (BleService *service : std::as_const(services))
        service->discoverDetails(QLowEnergyService::SkipValueDiscovery);
}

void BluezDevice::exportGatt()
{
    if (m_exported)
        return;
    const SimPeripheralPtr peripheral = m_owner->radio()->peripheral(m_address);
    if (!peripheral)
        return;
    m_exported = true;
    const QList<SimGattService> services = peripheral->gatt().services();
    for (const SimGattService &simulated : services) {
        Service service{m_path + QStringLiteral("/service") + hex4(simulated.startHandle), simulated.uuid};
        m_services.append(service);
        if (!m_uuids.contains(simulated.uuid))
            m_uuids.append(simulated.uuid);
        m_owner->interfacesAdded(service.path, objectInterfaces(bluez::kGattService, serviceProperties(service)));
        for (const SimGattCharacteristic &c : simulated.characteristics) {
            Characteristic characteristic;
            characteristic.path = service.path + QStringLiteral("/char") + hex4(c.declarationHandle);
            characteristic.servicePath = service.path;
            characteristic.serviceUuid = simulated.uuid;
            characteristic.uuid = c.uuid;
            characteristic.properties = c.properties;
            for (const SimGattDescriptor &d : c.descriptors) {
                Descriptor descriptor{characteristic.path + QStringLiteral("/desc") + hex4(d.handle), characteristic.path,
                                      d.uuid, QByteArray()};
                characteristic.descriptors.append(descriptor.path);
                m_descriptors.emplace(descriptor.path, descriptor);
            }
            m_owner->interfacesAdded(characteristic.path, objectInterfaces(bluez::kGattCharacteristic,
                                                                           characteristicProperties(characteristic)));
            for (const QString &path : std::as_const(characteristic.descriptors))
                m_owner->interfacesAdded(path, objectInterfaces(bluez::kGattDescriptor, descriptorProperties(m_descriptors.at(path))));
            m_characteristics.emplace(characteristic.path, characteristic);
        }
    }
}

void BluezDevice::onServicesResolved()
{
    const QVariant uuidsBefore = deviceProperties().value(QStringLiteral("UUIDs"));
    exportGatt();
    // The notify sessions of the clients are registered again on every new
    // connection, before the services count as resolved.
    for (auto &[path, characteristic] : m_characteristics) {
        if (characteristic.sessions.isEmpty())
            continue;
        for (auto it = characteristic.sessions.begin(); it != characteristic.sessions.end(); ++it)
            it.value() = true;
        writeCccd(characteristic, characteristic.properties & QLowEnergyCharacteristic::Notify ? 0x0001 : 0x0002,
                  Pending{Pending::Cccd, QDBusMessage(), path, QString()});
    }
    m_resolved = true;
    m_connecting = false;
    QVariantMap changed{{QStringLiteral("ServicesResolved"), true}};
    const QVariant uuids = deviceProperties().value(QStringLiteral("UUIDs"));
    if (uuids != uuidsBefore)
        changed.insert(QStringLiteral("UUIDs"), uuids);
    m_owner->propertiesChanged(m_path, bluez::kDevice, changed);
    const QList<QDBusMessage> calls = std::exchange(m_connectCalls, {});
    for (const QDBusMessage &call : calls)
        m_owner->reply(call);
}

void BluezDevice::onLinkDown()
{
    const bool wasConnected = m_connected;
    const bool wasResolved = m_resolved;
    m_connected = false;
    m_resolved = false;
    m_servicesToDiscover = 0;
    // What waited for an answer on the link gets none.
    std::deque<Pending> pending;
    pending.swap(m_pending);
    for (const Pending &p : pending)
        m_owner->replyError(p.call, bluez::kFailed, QStringLiteral("Operation failed"));
    for (auto &[path, characteristic] : m_characteristics) {
        for (auto it = characteristic.sessions.begin(); it != characteristic.sessions.end(); ++it)
            it.value() = false;
    }
    for (BleService *service : std::as_const(m_serviceObjects))
        service->deleteLater();
    m_serviceObjects.clear();
    const QList<QDBusMessage> disconnects = std::exchange(m_disconnectCalls, {});
    for (const QDBusMessage &call : disconnects)
        m_owner->reply(call);
    if (m_connecting)
        failConnect(QStringLiteral("Software caused connection abort"));
    QVariantMap changed;
    if (wasConnected)
        changed.insert(QStringLiteral("Connected"), false);
    if (wasResolved)
        changed.insert(QStringLiteral("ServicesResolved"), false);
    if (!changed.isEmpty())
        m_owner->propertiesChanged(m_path, bluez::kDevice, changed);
}

int BluezDevice::linkMtu() const
{
    return m_controller ? m_controller->mtu() : BleController::kDefaultMtu;
}

BleService *BluezDevice::serviceOf(const Characteristic &characteristic) const
{
    return m_serviceObjects.value(characteristic.serviceUuid);
}

BleService *BluezDevice::readyService(const QDBusMessage &call, const Characteristic &characteristic)
{
    BleService *service = isReady() ? serviceOf(characteristic) : nullptr;
    if (!service)
        m_owner->replyError(call, bluez::kFailed, QStringLiteral("Not connected"));
    return service;
}

// --- GATT ------------------------------------------------------------------------

bool BluezDevice::issue(const Pending &pending, const std::function<void()> &request, bool awaitsAnswer)
{
    m_refusedAtOnce.reset();
    m_inRequest = true;
    request();
    m_inRequest = false;
    if (!m_refusedAtOnce) {
        if (awaitsAnswer)
            m_pending.push_back(pending);
        return true;
    }
    if (pending.kind == Pending::StartNotify)
        m_characteristics.at(pending.path).sessions.remove(pending.client);
    m_owner->replyError(pending.call, bluez::kFailed, QStringLiteral("Failed to send request"));
    return false;
}

void BluezDevice::read(const QDBusMessage &call, Characteristic &characteristic)
{
    BleService *service = readyService(call, characteristic);
    if (!service)
        return;
    issue(Pending{Pending::Read, call, characteristic.path, QString()},
          [&] { service->readCharacteristic(service->characteristic(characteristic.uuid)); });
}

void BluezDevice::write(const QDBusMessage &call, Characteristic &characteristic)
{
    BleService *service = readyService(call, characteristic);
    if (!service)
        return;
    const QVariantList arguments = call.arguments();
    const QByteArray value = arguments.value(0).toByteArray();
    const QVariantMap options = optionsOf(arguments.value(1));
    const QString type = options.value(QStringLiteral("type")).toString();
    const auto properties = characteristic.properties;
    const bool request = type == QLatin1String("request")
        || (type.isEmpty() && (properties & QLowEnergyCharacteristic::Write));
    const bool command = type == QLatin1String("command")
        || (type.isEmpty() && !(properties & QLowEnergyCharacteristic::Write)
            && (properties & QLowEnergyCharacteristic::WriteNoResponse));
    if (options.value(QStringLiteral("offset")).toUInt() != 0 || (!request && !command)) {
        m_owner->replyError(call, bluez::kNotSupported, QStringLiteral("Not Supported"));
        return;
    }
    const BleCharacteristic handle = service->characteristic(characteristic.uuid);
    if (request) {
        issue(Pending{Pending::Write, call, characteristic.path, QString()},
              [&] { service->writeCharacteristic(handle, value, QLowEnergyService::WriteWithResponse); });
        return;
    }
    // bluetoothd would send the command and the device's ATT server drop it
    // unseen; the stand-in says no, so that a wrong write mode shows.
    if (!(properties & QLowEnergyCharacteristic::WriteNoResponse)) {
        m_owner->replyError(call, bluez::kNotSupported, QStringLiteral("Not Supported"));
        return;
    }
    if (value.size() > linkMtu() - 3) {
        m_owner->replyError(call, bluez::kFailed, QStringLiteral("Failed to initiate write"));
        return;
    }
    // Answered once it is handed to the link: a command is never confirmed.
    if (issue(Pending{Pending::Write, call, characteristic.path, QString()},
              [&] { service->writeCharacteristic(handle, value, QLowEnergyService::WriteWithoutResponse); }, false))
        m_owner->reply(call);
}

void BluezDevice::writeCccd(Characteristic &characteristic, quint16 value, const Pending &pending)
{
    BleService *service = serviceOf(characteristic);
    if (!service)
        return;
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    const BleDescriptor cccd = service->characteristic(characteristic.uuid).descriptor(kCccd);
    issue(pending, [&] { service->writeDescriptor(cccd, bytes); });
}

void BluezDevice::startNotify(const QDBusMessage &call, Characteristic &characteristic)
{
    if (!(characteristic.properties & (QLowEnergyCharacteristic::Notify | QLowEnergyCharacteristic::Indicate))) {
        m_owner->replyError(call, bluez::kNotSupported, QStringLiteral("Not Supported"));
        return;
    }
    // One session per client; it is registered at once while connected, or
    // at the next connection.
    const QString client = call.service();
    if (auto it = characteristic.sessions.constFind(client); it != characteristic.sessions.cend()) {
        if (it.value())
            m_owner->reply(call);
        else
            m_owner->replyError(call, bluez::kInProgress, QStringLiteral("In Progress"));
        return;
    }
    const bool enabled = std::any_of(characteristic.sessions.cbegin(), characteristic.sessions.cend(),
                                     [](bool registered) { return registered; });
    characteristic.sessions.insert(client, isReady());
    if (!isReady() || enabled) {
        m_owner->reply(call);
        return;
    }
    // bluetoothd enables notifications where the characteristic has them,
    // indications otherwise.
    writeCccd(characteristic, characteristic.properties & QLowEnergyCharacteristic::Notify ? 0x0001 : 0x0002,
              Pending{Pending::StartNotify, call, characteristic.path, client});
}

void BluezDevice::stopNotify(const QDBusMessage &call, Characteristic &characteristic)
{
    if (!characteristic.sessions.remove(call.service())) {
        m_owner->replyError(call, bluez::kFailed, QStringLiteral("No notify session started"));
        return;
    }
    if (characteristic.sessions.isEmpty()) {
        if (characteristic.notifying) {
            characteristic.notifying = false;
            m_owner->propertiesChanged(characteristic.path, bluez::kGattCharacteristic,
                                       {{QStringLiteral("Notifying"), false}});
        }
        if (isReady())
            writeCccd(characteristic, 0, Pending{Pending::Cccd, QDBusMessage(), characteristic.path, QString()});
    }
    m_owner->reply(call);
}

void BluezDevice::readDescriptor(const QDBusMessage &call, Descriptor &descriptor)
{
    Characteristic &characteristic = m_characteristics.at(descriptor.characteristicPath);
    BleService *service = readyService(call, characteristic);
    if (!service)
        return;
    const BleDescriptor handle = service->characteristic(characteristic.uuid).descriptor(descriptor.uuid);
    issue(Pending{Pending::ReadDescriptor, call, descriptor.path, QString()}, [&] { service->readDescriptor(handle); });
}

void BluezDevice::writeDescriptor(const QDBusMessage &call, Descriptor &descriptor)
{
    // Notifications and indications go through StartNotify and StopNotify.
    if (descriptor.uuid == kCccd) {
        m_owner->replyError(call, bluez::kNotPermitted, QStringLiteral("Write not permitted"));
        return;
    }
    Characteristic &characteristic = m_characteristics.at(descriptor.characteristicPath);
    BleService *service = readyService(call, characteristic);
    if (!service)
        return;
    const BleDescriptor handle = service->characteristic(characteristic.uuid).descriptor(descriptor.uuid);
    const QByteArray value = call.arguments().value(0).toByteArray();
    issue(Pending{Pending::WriteDescriptor, call, descriptor.path, QString()},
          [&] { service->writeDescriptor(handle, value); });
}

BluezDevice::Pending BluezDevice::takePending(Pending::Kind kind)
{
    Pending pending = m_pending.front();
    m_pending.pop_front();
    const bool descriptorWrite = kind == Pending::WriteDescriptor;
    const bool matches = pending.kind == kind
        || (descriptorWrite && (pending.kind == Pending::StartNotify || pending.kind == Pending::Cccd));
    if (!matches)
        qCWarning(lcBluezStandIn) << "answer of kind" << kind << "for a request of kind" << pending.kind;
    return pending;
}

void BluezDevice::onAnswer(Pending::Kind kind, const QByteArray &value)
{
    if (m_pending.empty())
        return;
    const Pending pending = takePending(kind);
    switch (pending.kind) {
    case Pending::Read: {
        Characteristic &characteristic = m_characteristics.at(pending.path);
        characteristic.value = value;
        // bluetoothd stores what it read and says so, before the answer.
        m_owner->propertiesChanged(pending.path, bluez::kGattCharacteristic, {{QStringLiteral("Value"), value}});
        m_owner->reply(pending.call, {value});
        break;
    }
    case Pending::ReadDescriptor:
        m_descriptors.at(pending.path).value = value;
        m_owner->propertiesChanged(pending.path, bluez::kGattDescriptor, {{QStringLiteral("Value"), value}});
        m_owner->reply(pending.call, {value});
        break;
    case Pending::StartNotify: {
        Characteristic &characteristic = m_characteristics.at(pending.path);
        if (!characteristic.notifying) {
            characteristic.notifying = true;
            m_owner->propertiesChanged(pending.path, bluez::kGattCharacteristic, {{QStringLiteral("Notifying"), true}});
        }
        m_owner->reply(pending.call);
        break;
    }
    case Pending::Cccd: {
        Characteristic &characteristic = m_characteristics.at(pending.path);
        if (!characteristic.sessions.isEmpty() && !characteristic.notifying) {
            characteristic.notifying = true;
            m_owner->propertiesChanged(pending.path, bluez::kGattCharacteristic, {{QStringLiteral("Notifying"), true}});
        }
        break;
    }
    case Pending::Write:
    case Pending::WriteDescriptor:
        m_owner->reply(pending.call);
        break;
    }
}

void BluezDevice::onServiceError(QLowEnergyService::ServiceError error)
{
    if (m_inRequest) {
        m_refusedAtOnce = error;
        return;
    }
    if (m_pending.empty())
        return;
    const Pending pending = m_pending.front();
    m_pending.pop_front();
    if (pending.kind == Pending::StartNotify)
        m_characteristics.at(pending.path).sessions.remove(pending.client);
    m_owner->replyError(pending.call, bluez::kFailed, QStringLiteral("Operation failed"));
}

void BluezDevice::onNotified(const QBluetoothUuid &service, const QBluetoothUuid &uuid, const QByteArray &value)
{
    for (auto &[path, characteristic] : m_characteristics) {
        if (characteristic.serviceUuid != service || characteristic.uuid != uuid || characteristic.sessions.isEmpty())
            continue;
        characteristic.value = value;
        m_owner->propertiesChanged(path, bluez::kGattCharacteristic, {{QStringLiteral("Value"), value}});
        return;
    }
}
