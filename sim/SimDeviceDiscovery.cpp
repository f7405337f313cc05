#include "SimDeviceDiscovery.h"

#include "SimRadio.h"

#include <QCoreApplication>

SimDeviceDiscovery::SimDeviceDiscovery(SimRadio *radio, QObject *parent) : BleDeviceDiscovery(parent), m_radio(radio) {}

SimDeviceDiscovery::~SimDeviceDiscovery()
{
    if (m_active && m_radio) {
        m_radio->removeScanner(this);
        m_radio->clock().cancel(m_timeoutEvent);
    }
}

void SimDeviceDiscovery::start()
{
    if (!m_radio) {
        m_error = QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError;
        m_errorString = QCoreApplication::translate("QBluetoothDeviceDiscoveryAgent", "Invalid Bluetooth adapter address");
        emit errorOccurred(m_error);
        return;
    }
    if (m_active)
        return;
    m_error = QBluetoothDeviceDiscoveryAgent::NoError;
    m_errorString.clear();
    m_devices.clear();
    m_active = true;
    m_radio->addScanner(this);
    if (m_timeoutMs > 0) {
        m_timeoutEvent = m_radio->clock().scheduleMs(m_timeoutMs, [this]() {
            m_timeoutEvent = 0;
            if (!m_active)
                return;
            m_active = false;
            if (m_radio)
                m_radio->removeScanner(this);
            emit finished();
        }, this);
    }
}

void SimDeviceDiscovery::stop()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_radio) {
        m_radio->removeScanner(this);
        m_radio->clock().cancel(m_timeoutEvent);
    }
    m_timeoutEvent = 0;
    emit canceled();
}

void SimDeviceDiscovery::received(const SimAdvertisement &advertisement)
{
    if (!m_active)
        return;
    const QBluetoothDeviceInfo info = advertisement.toDeviceInfo();
    const QString key = advertisement.address.toString();
    const bool known = m_devices.contains(key);
    m_devices.insert(key, info);
    if (!known)
        emit deviceDiscovered(info);
    else
        emit deviceUpdated(info, QBluetoothDeviceInfo::Fields(QBluetoothDeviceInfo::Field::RSSI) | QBluetoothDeviceInfo::Field::ManufacturerData);
}
