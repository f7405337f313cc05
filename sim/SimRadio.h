#pragma once

#include "SimAdvertisement.h"
#include "SimClock.h"
#include "SimConnection.h"
#include "SimFaults.h"
#include "SimPeripheral.h"

#include <QBluetoothAddress>
#include <QHash>
#include <QList>
#include <QObject>
#include <QRandomGenerator>

#include <functional>
#include <memory>

class SimController;
class SimDeviceDiscovery;

// The simulated air: peripherals by address, the links of simulated
// centrals to them, advertising towards scanners, and one clock for all of
// it. Deterministic for a given seed: the random generator that devices use
// for their noise is the radio's.
//
// Link model: an ATT exchange (read, write with response, descriptor write)
// takes one round trip, a value longer than one packet takes one per packet;
// a client's requests go one at a time, in order; writes without response
// and notifications take half a round trip and keep their order. A link lost
// under a central is noticed after the supervision time-out and reported as
// RemoteHostClosedError followed by disconnected().
class SimRadio : public QObject
{
    Q_OBJECT
public:
    explicit SimRadio(SimClock::Mode mode = SimClock::Mode::Fast, quint32 seed = 1, QObject *parent = nullptr);
    ~SimRadio() override;

    SimClock &clock() { return *m_clock; }
    QRandomGenerator &random() { return m_random; }
    quint32 seed() const { return m_seed; }
    void setSeed(quint32 seed);

    // Link parameters of new links.
    qint64 roundTripUs() const { return m_roundTripUs; }
    void setRoundTripUs(qint64 us) { m_roundTripUs = qMax<qint64>(0, us); }
    void setRoundTripMs(double ms) { setRoundTripUs(qint64(ms * 1000.0)); }
    // The ATT MTU the simulated centrals ask for (BlueZ asks for 517).
    int centralMtu() const { return m_centralMtu; }
    void setCentralMtu(int mtu) { m_centralMtu = qBound(23, mtu, 517); }
    qint64 supervisionTimeoutUs() const { return m_supervisionTimeoutUs; }
    void setSupervisionTimeoutUs(qint64 us) { m_supervisionTimeoutUs = qMax<qint64>(0, us); }
    // How long a connect to an address nobody answers on waits before it fails.
    qint64 connectTimeoutUs() const { return m_connectTimeoutUs; }
    void setConnectTimeoutUs(qint64 us) { m_connectTimeoutUs = qMax<qint64>(0, us); }

    // Peripherals. Adding one at an address that is taken replaces the
    // earlier one (its links are lost).
    void addPeripheral(SimPeripheralPtr peripheral);
    bool removePeripheral(const QBluetoothAddress &address);
    SimPeripheralPtr peripheral(const QBluetoothAddress &address) const;
    template<typename T>
    std::shared_ptr<T> peripheral(const QBluetoothAddress &address) const
    {
        return std::dynamic_pointer_cast<T>(peripheral(address));
    }
    QList<SimPeripheralPtr> peripherals() const { return m_peripherals; }

    // The links that are up.
    QList<SimConnection *> connections() const;
    // Link loss (out of range, battery pulled) of every link of that address.
    void dropLinks(const QBluetoothAddress &address);

    // A peripheral kind that takes over when a device reboots into its
    // bootloader (see SimPeripheral users such as the DFU target). Given the
    // device that reboots, returns the peripheral to add, or nullptr.
    using BootloaderFactory = std::function<SimPeripheralPtr(SimPeripheral &device)>;
    void setBootloaderFactory(BootloaderFactory factory) { m_bootloaderFactory = std::move(factory); }
    // This radio's factory, or else the process-wide default one.
    const BootloaderFactory &bootloaderFactory() const
    {
        return m_bootloaderFactory ? m_bootloaderFactory : defaultBootloaderFactory();
    }
    // The factory of every radio that has none of its own (registered by the
    // bootloader kinds, see sim/dfu).
    static void setDefaultBootloaderFactory(BootloaderFactory factory) { defaultBootloaderFactory() = std::move(factory); }

    bool isScanning() const { return !m_scanners.isEmpty(); }

signals:
    // Every advertisement that goes on air while someone scans.
    void advertised(const SimAdvertisement &advertisement);
    // Every exchange that reached a peripheral (after the fault filters),
    // and every notification or indication that went out.
    void traffic(const SimAttEvent &event);
    void linkUp(quint64 connectionId, const QBluetoothAddress &address);
    void linkDown(quint64 connectionId, const QBluetoothAddress &address);

private:
    friend class SimController;
    friend class SimService;
    friend class SimDeviceDiscovery;
    friend class SimPeripheral;

    // Central side.
    void connectCentral(SimController *central, const QBluetoothAddress &address);
    void disconnectCentral(const SimConnectionPtr &link);
    void submit(const SimConnectionPtr &link, SimConnection::Request request);
    // Peripheral side.
    bool send(SimConnection *link, quint16 valueHandle, const QByteArray &value, bool indication);
    void terminate(SimConnection *link);

    void pump(const SimConnectionPtr &link);
    void deliver(const SimConnectionPtr &link, const SimConnection::Request &request);
    void loseLink(const SimConnectionPtr &link, qint64 noticeAfterUs);
    SimConnectionPtr linkOf(const SimConnection *link) const;
    qint64 roundTripOf(const SimPeripheral &peripheral) const;

    void addScanner(SimDeviceDiscovery *scanner);
    void removeScanner(SimDeviceDiscovery *scanner);
    void scheduleAdvertising(const SimPeripheralPtr &peripheral, bool firstPhase);

    SimClock *m_clock;
    quint32 m_seed;
    QRandomGenerator m_random;
    qint64 m_roundTripUs = 15000;
    int m_centralMtu = 517;
    qint64 m_supervisionTimeoutUs = 500000;
    qint64 m_connectTimeoutUs = 2000000;
    QList<SimPeripheralPtr> m_peripherals;
    QList<SimConnectionPtr> m_links;
    quint64 m_nextLinkId = 0;
    QList<SimDeviceDiscovery *> m_scanners;
    QHash<const SimPeripheral *, quint64> m_advertisingGeneration;
    BootloaderFactory m_bootloaderFactory;
    static BootloaderFactory &defaultBootloaderFactory()
    {
        static BootloaderFactory factory;
        return factory;
    }
};
