#include "SimAdvertisementSource.h"

#include "SimDeviceDiscovery.h"
#include "SimRadio.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QMutex>
#include <QThread>

// What the source shares with the radio's thread and the delivery thread.
struct SimAdvertisementSource::Scan
{
    QMutex mutex;
    Handler handler;
    bool stopped = false;
    SimDeviceDiscovery *scanner = nullptr; // lives on the radio's thread
    QMetaObject::Connection connection;
};

namespace {

Advertisement toAdvertisement(const SimAdvertisement &simulated)
{
    Advertisement advertisement;
    advertisement.address = simulated.address.toUInt64();
    advertisement.rssi = simulated.rssi;
    advertisement.localName = simulated.name;
    advertisement.manufacturerData.reserve(simulated.manufacturerData.size());
    for (const auto &entry : simulated.manufacturerData)
        advertisement.manufacturerData.append({entry.first, entry.second});
    return advertisement;
}

} // namespace

SimAdvertisementSource::SimAdvertisementSource(SimRadio *radio)
    : m_radio(radio)
{
}

SimAdvertisementSource::~SimAdvertisementSource()
{
    stop();
    if (m_deliveryThread) {
        m_deliveryThread->quit();
        m_deliveryThread->wait();
    }
    delete m_receiver;
}

quint32 SimAdvertisementSource::start(Handler handler)
{
    if (!m_radio) {
        m_errorString = QStringLiteral("No simulated radio");
        return kFailure | QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError;
    }
    stop();
    if (!m_deliveryThread) {
        m_deliveryThread = std::make_unique<QThread>();
        m_deliveryThread->setObjectName(QStringLiteral("Simulated air"));
        m_receiver = new QObject;
        m_receiver->moveToThread(m_deliveryThread.get());
        m_deliveryThread->start();
    }

    auto scan = std::make_shared<Scan>();
    scan->handler = std::move(handler);
    m_scan = scan;
    SimRadio *radio = m_radio;
    QObject *receiver = m_receiver;
    // The radio and its scanners belong to the radio's thread.
    QMetaObject::invokeMethod(radio, [scan, radio, receiver] {
        QMutexLocker lock(&scan->mutex);
        if (scan->stopped)
            return;
        // Each advertisement holds the fast clock until the handler has it
        // (or the call is dropped with the delivery thread), so simulated
        // time never runs far ahead of the scanner.
        scan->connection = QObject::connect(
            radio, &SimRadio::advertised, radio, [scan, radio, receiver](const SimAdvertisement &simulated) {
                // A disconnect does not wait for a call already under way:
                // once stop() has passed the lock, the receiver may be gone.
                QMutexLocker lock(&scan->mutex);
                if (scan->stopped)
                    return;
                QMetaObject::invokeMethod(
                    receiver,
                    [scan, simulated, hold = radio->clock().hold()] {
                        QMutexLocker lock(&scan->mutex);
                        if (scan->handler)
                            scan->handler(toAdvertisement(simulated));
                    },
                    Qt::QueuedConnection);
            });
        auto *scanner = new SimDeviceDiscovery(radio);
        scanner->setLowEnergyDiscoveryTimeout(0);
        scanner->start();
        scan->scanner = scanner;
    }, Qt::QueuedConnection);
    return kStarted;
}

void SimAdvertisementSource::stop()
{
    if (!m_scan)
        return;
    QMutexLocker lock(&m_scan->mutex);
    m_scan->stopped = true;
    m_scan->handler = nullptr;
    QObject::disconnect(m_scan->connection);
    if (m_scan->scanner)
        m_scan->scanner->deleteLater();
    lock.unlock();
    m_scan.reset();
}

QString SimAdvertisementSource::errorString() const
{
    return m_errorString;
}
