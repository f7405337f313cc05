#include "QtAdvertisementSource.h"

#include "DiscoveryLogging.h"

#include <QBluetoothDeviceInfo>

QtAdvertisementSource::QtAdvertisementSource()
    : m_agent(new QBluetoothDeviceDiscoveryAgent(this))
{
    // 0: scan until stopped.
    m_agent->setLowEnergyDiscoveryTimeout(0);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
            [this](const QBluetoothDeviceInfo &info) { onReport(info, false); });
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
            [this](const QBluetoothDeviceInfo &info, QBluetoothDeviceInfo::Fields) { onReport(info, true); });
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this, &QtAdvertisementSource::onError);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this,
            [] { qCWarning(lcScanner) << "Bluetooth LE scan ended by the system"; });
}

QtAdvertisementSource::~QtAdvertisementSource()
{
    stop();
}

quint32 QtAdvertisementSource::start(Handler handler)
{
    m_handler = std::move(handler);
    m_heard.clear();
    m_errorString.clear();
    m_starting = true;
    m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
    m_starting = false;
    if (m_agent->isActive())
        return kStarted;
    m_handler = nullptr;
    if (m_errorString.isEmpty())
        m_errorString = m_agent->errorString();
    return kFailure | quint32(m_agent->error());
}

void QtAdvertisementSource::stop()
{
    m_handler = nullptr;
    if (m_agent->isActive())
        m_agent->stop();
}

QString QtAdvertisementSource::errorString() const
{
    return m_errorString;
}

void QtAdvertisementSource::onError(QBluetoothDeviceDiscoveryAgent::Error error)
{
    m_errorString = m_agent->errorString();
    // A failure during start() is reported by start() itself.
    if (!m_starting && m_handler) {
        qCWarning(lcScanner).noquote() << "Bluetooth LE scan failed:" << error << m_errorString;
        m_handler = nullptr;
    }
}

void QtAdvertisementSource::onReport(QBluetoothDeviceInfo info, bool updated)
{
    if (m_handler && m_heard.take(info, updated) != HeardDevices::Report::None)
        m_handler(toAdvertisement(info));
}

Advertisement QtAdvertisementSource::toAdvertisement(const QBluetoothDeviceInfo &info)
{
    Advertisement advertisement;
    advertisement.address = info.address().toUInt64();
    advertisement.rssi = info.rssi();
    advertisement.localName = HeardDevices::advertisedName(info);
    const QMultiHash<quint16, QByteArray> entries = info.manufacturerData();
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        advertisement.manufacturerData.append({it.key(), it.value()});
    return advertisement;
}
