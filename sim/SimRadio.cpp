#include "SimRadio.h"

#include "SimController.h"
#include "SimDeviceDiscovery.h"
#include "SimLogging.h"

#include <QtEndian>

#include <algorithm>

namespace {
// ATT transaction time-out: a request left unanswered ends the link.
constexpr qint64 kAttTimeoutUs = 30 * 1000 * 1000;
// Random advertising delay added to every interval (0 to 10 ms).
constexpr int kAdvertisingDelayUs = 10000;
const QBluetoothUuid kCccd(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
} // namespace

SimRadio::SimRadio(SimClock::Mode mode, quint32 seed, QObject *parent)
    : QObject(parent), m_clock(new SimClock(mode, this)), m_seed(seed), m_random(seed)
{
}

SimRadio::~SimRadio()
{
    // Queued requests answer into their link: dropping them lets a link that
    // is still up go with the radio.
    for (const SimConnectionPtr &link : std::as_const(m_links)) {
        link->m_up = false;
        link->m_queue.clear();
    }
    for (const SimPeripheralPtr &peripheral : std::as_const(m_peripherals))
        peripheral->m_radio = nullptr;
    for (SimDeviceDiscovery *scanner : std::as_const(m_scanners))
        scanner->m_active = false;
}

void SimRadio::setSeed(quint32 seed)
{
    m_seed = seed;
    m_random.seed(seed);
}

void SimRadio::addPeripheral(SimPeripheralPtr peripheral)
{
    if (!peripheral)
        return;
    removePeripheral(peripheral->address());
    peripheral->m_radio = this;
    m_peripherals.append(peripheral);
    peripheral->onAdded(this);
    if (isScanning() && peripheral->isAdvertising())
        scheduleAdvertising(peripheral, true);
}

bool SimRadio::removePeripheral(const QBluetoothAddress &address)
{
    for (int i = 0; i < m_peripherals.size(); ++i) {
        SimPeripheralPtr peripheral = m_peripherals.at(i);
        if (peripheral->address() != address)
            continue;
        const QList<SimConnectionPtr> links = m_links;
        for (const SimConnectionPtr &link : links) {
            if (link->m_peripheral == peripheral.get())
                loseLink(link, m_supervisionTimeoutUs);
        }
        m_peripherals.removeAt(i);
        m_advertisingGeneration.remove(peripheral.get());
        peripheral->m_radio = nullptr;
        return true;
    }
    return false;
}

SimPeripheralPtr SimRadio::peripheral(const QBluetoothAddress &address) const
{
    for (const SimPeripheralPtr &peripheral : m_peripherals) {
        if (peripheral->address() == address)
            return peripheral;
    }
    return nullptr;
}

QList<SimConnection *> SimRadio::connections() const
{
    QList<SimConnection *> result;
    for (const SimConnectionPtr &link : m_links)
        result.append(link.get());
    return result;
}

void SimRadio::dropLinks(const QBluetoothAddress &address)
{
    const QList<SimConnectionPtr> links = m_links;
    for (const SimConnectionPtr &link : links) {
        if (link->m_peripheral->address() == address)
            loseLink(link, m_supervisionTimeoutUs);
    }
}

SimConnectionPtr SimRadio::linkOf(const SimConnection *link) const
{
    for (const SimConnectionPtr &candidate : m_links) {
        if (candidate.get() == link)
            return candidate;
    }
    return nullptr;
}

qint64 SimRadio::roundTripOf(const SimPeripheral &peripheral) const
{
    return peripheral.roundTripUs() >= 0 ? peripheral.roundTripUs() : m_roundTripUs;
}

// --- links ----------------------------------------------------------------

void SimRadio::connectCentral(SimController *central, const QBluetoothAddress &address)
{
    QPointer<SimController> guard(central);
    SimPeripheralPtr target = peripheral(address);
    const qint64 roundTrip = target ? roundTripOf(*target) : m_roundTripUs;
    m_clock->schedule(roundTrip, [this, guard, address]() {
        if (!guard || guard->m_state != QLowEnergyController::ConnectingState)
            return;
        SimPeripheralPtr p = peripheral(address);
        const auto failLater = [this, guard](QLowEnergyController::Error error) {
            m_clock->schedule(m_connectTimeoutUs, [guard, error]() {
                if (guard && guard->m_state == QLowEnergyController::ConnectingState)
                    guard->connectFailed(error);
            }, guard);
        };
        if (!p || !p->isConnectable()) {
            failLater(QLowEnergyController::UnknownRemoteDeviceError);
            return;
        }
        SimAttEvent event;
        event.kind = SimAttEvent::Connect;
        const SimFault fault = p->applyFaults(event);
        if (fault == SimFault::Ignore) {
            failLater(QLowEnergyController::UnknownRemoteDeviceError);
            return;
        }
        if (fault != SimFault::Pass) {
            guard->connectFailed(QLowEnergyController::ConnectionError);
            return;
        }
        auto link = std::make_shared<SimConnection>();
        link->m_id = ++m_nextLinkId;
        link->m_peripheral = p.get();
        link->m_central = guard;
        link->m_roundTripUs = roundTripOf(*p);
        link->m_toPeripheralFree = link->m_toCentralFree = m_clock->nowUs();
        m_links.append(link);
        emit linkUp(link->m_id, p->address());
        p->onConnected(link.get());
        if (!link->m_up || !guard)
            return;
        guard->linkEstablished(link);
        // The MTU exchange right after connecting, as BlueZ does.
        const int mtu = std::min(m_centralMtu, p->maximumMtu());
        SimConnection::Request exchange;
        exchange.kind = SimConnection::Request::Discover;
        exchange.done = [link, mtu](quint8, const QByteArray &) {
            link->m_mtu = mtu;
            if (SimController *central = link->m_central)
                central->mtuExchanged(mtu);
        };
        submit(link, std::move(exchange));
    }, central);
}

void SimRadio::disconnectCentral(const SimConnectionPtr &link)
{
    if (!link)
        return;
    m_clock->schedule(link->m_roundTripUs / 2, [this, link]() {
        if (link->m_up) {
            link->m_up = false;
            link->m_queue.clear();
            m_links.removeAll(link);
            emit linkDown(link->m_id, link->m_peripheral->address());
            link->m_peripheral->onDisconnected(link.get());
        }
        if (SimController *central = link->m_central; central && central->m_link == link)
            central->linkLost(false);
    });
}

void SimRadio::loseLink(const SimConnectionPtr &link, qint64 noticeAfterUs)
{
    if (!link || !link->m_up)
        return;
    link->m_up = false;
    link->m_queue.clear();
    m_links.removeAll(link);
    emit linkDown(link->m_id, link->m_peripheral->address());
    link->m_peripheral->onDisconnected(link.get());
    QPointer<SimController> central = link->m_central;
    m_clock->schedule(noticeAfterUs, [central, link]() {
        if (central && central->m_link == link)
            central->linkLost(true);
    });
}

void SimRadio::terminate(SimConnection *link)
{
    if (SimConnectionPtr shared = linkOf(link))
        loseLink(shared, shared->m_roundTripUs / 2);
}

void SimRadio::submit(const SimConnectionPtr &link, SimConnection::Request request)
{
    if (!link || !link->m_up)
        return;
    link->m_queue.push_back(std::move(request));
    pump(link);
}

void SimRadio::pump(const SimConnectionPtr &link)
{
    while (link->m_up && !link->m_busy && !link->m_queue.empty()) {
        SimConnection::Request request = std::move(link->m_queue.front());
        link->m_queue.pop_front();
        const qint64 now = m_clock->nowUs();
        const qint64 half = link->m_roundTripUs / 2;
        const bool answered = request.kind != SimConnection::Request::WriteWithoutResponse;
        const qint64 travel = answered ? qint64(request.exchanges) * link->m_roundTripUs - half : half;
        const qint64 arrival = std::max(now + travel, link->m_toPeripheralFree);
        link->m_toPeripheralFree = arrival;
        link->m_busy = answered;
        m_clock->schedule(arrival - now, [this, link, request = std::move(request)]() { deliver(link, request); });
    }
}

void SimRadio::deliver(const SimConnectionPtr &link, const SimConnection::Request &request)
{
    using Request = SimConnection::Request;
    if (!link->m_up)
        return;
    SimPeripheral *p = link->m_peripheral;
    SimGattDatabase &gatt = p->gatt();
    quint8 error = SimAtt::Success;
    QByteArray answer;
    SimFault fault = SimFault::Pass;
    SimAttEvent event;
    event.connectionId = link->m_id;
    event.handle = request.handle;

    switch (request.kind) {
    case Request::Discover:
        break;
    case Request::Read: {
        const SimGattCharacteristic *c = gatt.characteristic(request.handle);
        if (!c) {
            error = SimAtt::InvalidHandle;
            break;
        }
        const SimReadResult result = p->onRead(link.get(), *c);
        event.kind = SimAttEvent::Read;
        event.service = c->serviceUuid;
        event.characteristic = c->uuid;
        event.value = result.value;
        error = result.error;
        if (error == SimAtt::Success)
            fault = p->applyFaults(event);
        answer = event.value;
        break;
    }
    case Request::Write:
    case Request::WriteWithoutResponse: {
        SimGattCharacteristic *c = gatt.characteristic(request.handle);
        if (!c) {
            error = SimAtt::InvalidHandle;
            break;
        }
        const bool withResponse = request.kind == Request::Write;
        event.kind = withResponse ? SimAttEvent::Write : SimAttEvent::WriteWithoutResponse;
        event.service = c->serviceUuid;
        event.characteristic = c->uuid;
        event.value = request.value;
        fault = p->applyFaults(event);
        if (fault == SimFault::Pass || fault == SimFault::DropLinkAfter) {
            emit traffic(event);
            if (!link->m_up)
                return;
            error = p->onWrite(link.get(), *c, event.value, withResponse);
        }
        break;
    }
    case Request::WriteDescriptor:
    case Request::ReadDescriptor: {
        const SimGattCharacteristic *owner = gatt.characteristicOfDescriptor(request.handle);
        if (!owner) {
            error = SimAtt::InvalidHandle;
            break;
        }
        SimGattCharacteristic *mutableOwner = gatt.characteristic(owner->valueHandle);
        SimGattDescriptor *descriptor = nullptr;
        for (SimGattDescriptor &d : mutableOwner->descriptors) {
            if (d.handle == request.handle)
                descriptor = &d;
        }
        const bool isCccd = descriptor->uuid == kCccd;
        if (request.kind == Request::ReadDescriptor) {
            if (isCccd) {
                answer.resize(2);
                qToLittleEndian<quint16>(link->cccd(owner->valueHandle), answer.data());
            } else {
                answer = descriptor->value;
            }
            break;
        }
        event.kind = SimAttEvent::DescriptorWrite;
        event.service = owner->serviceUuid;
        event.characteristic = owner->uuid;
        event.value = request.value;
        fault = p->applyFaults(event);
        if (fault != SimFault::Pass && fault != SimFault::DropLinkAfter)
            break;
        emit traffic(event);
        if (!link->m_up)
            return;
        if (!isCccd) {
            descriptor->value = event.value;
            break;
        }
        if (event.value.size() != 2) {
            error = SimAtt::InvalidAttributeValueLength;
            break;
        }
        const quint16 value = qFromLittleEndian<quint16>(event.value.constData());
        quint16 allowed = 0;
        if (owner->properties & QLowEnergyCharacteristic::Notify)
            allowed |= 0x0001;
        if (owner->properties & QLowEnergyCharacteristic::Indicate)
            allowed |= 0x0002;
        if (value & ~allowed) {
            error = SimAtt::CccdImproperlyConfigured;
            break;
        }
        link->m_cccd.insert(owner->valueHandle, value);
        p->onCccdWritten(link.get(), *owner, value);
        break;
    }
    }

    if (request.kind == Request::Read && error == SimAtt::Success
        && (fault == SimFault::Pass || fault == SimFault::DropLinkAfter))
        emit traffic(event);
    if (!link->m_up)
        return;

    switch (fault) {
    case SimFault::Pass:
        break;
    case SimFault::Refuse:
        if (error == SimAtt::Success)
            error = SimAtt::UnlikelyError;
        break;
    case SimFault::Ignore:
        m_clock->schedule(kAttTimeoutUs, [this, link]() { loseLink(link, 0); });
        return;
    case SimFault::DropLinkBefore:
    case SimFault::DropLinkAfter:
        loseLink(link, m_supervisionTimeoutUs);
        return;
    }
    if (request.kind == Request::WriteWithoutResponse)
        return;

    const qint64 now = m_clock->nowUs();
    const qint64 arrival = std::max(now + link->m_roundTripUs / 2, link->m_toCentralFree);
    link->m_toCentralFree = arrival;
    auto done = request.done;
    m_clock->schedule(arrival - now, [this, link, done, error, answer]() {
        if (!link->m_up)
            return;
        link->m_busy = false;
        if (done)
            done(error, answer);
        pump(link);
    });
}

bool SimRadio::send(SimConnection *rawLink, quint16 valueHandle, const QByteArray &value, bool indication)
{
    SimConnectionPtr link = linkOf(rawLink);
    if (!link || !link->m_up)
        return false;
    const quint16 needed = indication ? 0x0002 : 0x0001;
    if (!(link->cccd(valueHandle) & needed))
        return false;
    if (value.size() > link->maximumPayload()) {
        qCWarning(lcSim) << link->m_peripheral->name() << "value of" << value.size()
                         << "bytes does not fit the link's payload of" << link->maximumPayload();
        return false;
    }
    const SimGattCharacteristic *c = link->m_peripheral->gatt().characteristic(valueHandle);
    SimAttEvent event;
    event.kind = indication ? SimAttEvent::Indication : SimAttEvent::Notification;
    event.connectionId = link->m_id;
    event.handle = valueHandle;
    if (c) {
        event.service = c->serviceUuid;
        event.characteristic = c->uuid;
    }
    event.value = value;
    const SimFault fault = link->m_peripheral->applyFaults(event);
    switch (fault) {
    case SimFault::Refuse:
    case SimFault::Ignore:
        return false;
    case SimFault::DropLinkBefore:
        loseLink(link, m_supervisionTimeoutUs);
        return false;
    case SimFault::DropLinkAfter:
        emit traffic(event);
        loseLink(link, m_supervisionTimeoutUs);
        return true;
    case SimFault::Pass:
        break;
    }
    emit traffic(event);
    const qint64 now = m_clock->nowUs();
    const qint64 arrival = std::max(now + link->m_roundTripUs / 2, link->m_toCentralFree);
    link->m_toCentralFree = arrival;
    const QByteArray delivered = event.value;
    m_clock->schedule(arrival - now, [link, valueHandle, delivered]() {
        if (!link->m_up)
            return;
        if (SimController *central = link->m_central; central && central->m_link == link)
            central->valueNotified(valueHandle, delivered);
    });
    return true;
}

// --- advertising ----------------------------------------------------------

void SimRadio::addScanner(SimDeviceDiscovery *scanner)
{
    const bool first = m_scanners.isEmpty();
    if (!m_scanners.contains(scanner))
        m_scanners.append(scanner);
    if (!first)
        return;
    for (const SimPeripheralPtr &peripheral : std::as_const(m_peripherals)) {
        if (peripheral->isAdvertising())
            scheduleAdvertising(peripheral, true);
    }
}

void SimRadio::removeScanner(SimDeviceDiscovery *scanner)
{
    m_scanners.removeAll(scanner);
}

void SimRadio::scheduleAdvertising(const SimPeripheralPtr &peripheral, bool firstPhase)
{
    const quint64 generation = ++m_advertisingGeneration[peripheral.get()];
    const qint64 interval = qint64(peripheral->advertisingIntervalMs()) * 1000;
    const qint64 delay = firstPhase ? qint64(m_random.bounded(quint32(interval)))
                                    : interval + qint64(m_random.bounded(quint32(kAdvertisingDelayUs)));
    std::weak_ptr<SimPeripheral> weak = peripheral;
    m_clock->schedule(delay, [this, weak, generation]() {
        SimPeripheralPtr p = weak.lock();
        if (!p || p->radio() != this || m_advertisingGeneration.value(p.get()) != generation)
            return;
        if (!isScanning() || !p->isAdvertising())
            return;
        const SimAdvertisement advertisement = p->advertisement();
        emit advertised(advertisement);
        const QList<SimDeviceDiscovery *> scanners = m_scanners;
        for (SimDeviceDiscovery *scanner : scanners) {
            if (m_scanners.contains(scanner))
                scanner->received(advertisement);
        }
        if (p->radio() == this && m_advertisingGeneration.value(p.get()) == generation)
            scheduleAdvertising(p, false);
    }, this);
}
