#include "BluetoothDiscovery.h"

#include "BleBackend.h"
#include "BluetoothDeviceDiscoveryAgent_UWP.h"

BluetoothDiscovery::BluetoothDiscovery(QObject *parent) : BluetoothDiscovery(BleBackend::instance(), parent) {}

BluetoothDiscovery::BluetoothDiscovery(BleBackend *backend, QObject *parent)
    : QObject(parent)
    , m_backend(backend ? backend : BleBackend::instance())
    , m_agent(std::make_unique<BluetoothDeviceDiscoveryAgent_UWP>(
          [backend = m_backend] { return backend->createAdvertisementSource(); }))
{
    connect(m_agent.get(), &BluetoothDeviceDiscoveryAgent_UWP::deviceDiscovered, this,
            &BluetoothDiscovery::deviceDiscovered, Qt::QueuedConnection);
    connect(m_agent.get(), &BluetoothDeviceDiscoveryAgent_UWP::deviceUpdated, this,
            &BluetoothDiscovery::deviceUpdated, Qt::QueuedConnection);
    connect(m_agent.get(), &BluetoothDeviceDiscoveryAgent_UWP::finished, this,
            &BluetoothDiscovery::onDiscoveryFinished, Qt::QueuedConnection);
}

BluetoothDiscovery::~BluetoothDiscovery() = default;

void BluetoothDiscovery::onDiscoveryFinished()
{
    QMetaObject::invokeMethod(m_agent.get(), "threadStart", Qt::AutoConnection);
}
