#include "BluetoothDeviceDiscoveryAgent_UWP.h"

#include "DiscoveryLogging.h"

#include <QMetaType>
#include <QThread>
#include <QTimer>

namespace {
constexpr QBluetoothDeviceInfo::Fields kAllFields = QBluetoothDeviceInfo::Field::All; // 0x7fff
constexpr qint16 kNoSignal = -127;
const QString kUnnamedDevice = QStringLiteral("VELMORA");
} // namespace

BluetoothDeviceDiscoveryAgent_UWP::BluetoothDeviceDiscoveryAgent_UWP(AdvertisementSourceFactory factory)
    : m_thread(std::make_unique<QThread>())
    , m_timer(new QTimer(this))
    , m_sourceFactory(std::move(factory))
{
    m_thread->setObjectName(QStringLiteral("BLE scanner"));
    moveToThread(m_thread.get());
    connect(m_timer, &QTimer::timeout, this, &BluetoothDeviceDiscoveryAgent_UWP::onScanTimeout);
    m_thread->start();
    m_thread->setPriority(QThread::TimeCriticalPriority);
}

BluetoothDeviceDiscoveryAgent_UWP::~BluetoothDeviceDiscoveryAgent_UWP()
{
    if (m_thread->isRunning()) {
        if (thread() == m_thread.get())
            QMetaObject::invokeMethod(this, &BluetoothDeviceDiscoveryAgent_UWP::shutDown,
                                      Qt::BlockingQueuedConnection);
        m_thread->quit();
        m_thread->wait();
    }
}

void BluetoothDeviceDiscoveryAgent_UWP::shutDown()
{
    // Runs on the agent's thread: the source and the timer are released where
    // they live, and the agent goes back to the thread that destroys it.
    m_timer->stop();
    if (m_source)
        m_source->stop();
    m_source.reset();
    moveToThread(m_thread->thread());
}

void BluetoothDeviceDiscoveryAgent_UWP::threadStart()
{
    qRegisterMetaType<QBluetoothDeviceInfo::Fields>("QBluetoothDeviceInfo::Fields");
    qCInfo(lcScanner) << "Init BLE Scanner";

    if (m_source) {
        m_source->stop();
        m_source.reset();
    }
    if (m_sourceFactory)
        m_source = m_sourceFactory();
    if (!m_source) {
        qCWarning(lcScanner) << "BLE scanner cannot be activated: no advertisement source";
        return;
    }
    const quint32 result = m_source->start([this](const Advertisement &advertisement) {
        onAdvertisement(advertisement);
    });
    qCInfo(lcScanner).noquote() << QStringLiteral("HRESULT: 0x%1").arg(result, 8, 16, QLatin1Char('0'));
    if (result != AdvertisementSource::kStarted) {
        qCWarning(lcScanner).noquote() << "BLE scanner cannot be activated:" << m_source->errorString();
        m_source.reset();
        return;
    }

    if (m_scanTimeout != 0)
        m_timer->start(m_scanTimeout);
}

void BluetoothDeviceDiscoveryAgent_UWP::onScanTimeout()
{
    m_timer->stop();
    if (m_source)
        m_source->stop();
    emit finished();
}

void BluetoothDeviceDiscoveryAgent_UWP::onAdvertisement(const Advertisement &advertisement)
{
    // No logging here: this runs for every advertisement in the air.
    if (advertisement.manufacturerData.isEmpty())
        return;
    const Advertisement::ManufacturerEntry &entry = advertisement.manufacturerData.first();
    if (advertisement.rssi == kNoSignal)
        return;

    const QBluetoothAddress address(advertisement.address);
    QBluetoothDeviceInfo info(address, advertisement.localName.value_or(kUnnamedDevice), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    info.setRssi(advertisement.rssi);
    info.setManufacturerData(entry.companyId, entry.data);

    const auto [seen, isNew] = m_seenDevices.try_emplace(address, info);
    if (isNew) {
        emit deviceDiscovered(info);
    } else {
        emit deviceUpdated(info, kAllFields);
        seen->second = std::move(info);
    }
}
