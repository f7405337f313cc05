#include "SimTelemetry.h"

#include "DeviceProtocol.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <cmath>

using namespace DeviceProtocol;

SimTelemetry::SimTelemetry(SimLimiter &device, quint16 handle) : m_device(device), m_handle(handle) {}

void SimTelemetry::linkUp()
{
    if (m_raceStartMs == 0 && m_device.radio())
        m_raceStartMs = m_device.radio()->clock().nowMs();
}

void SimTelemetry::notificationsOn()
{
    if (m_running)
        return;
    m_running = true;
    m_device.after(0, [this]() { tick(); });
}

void SimTelemetry::tick()
{
    bool anyone = false;
    const QList<SimConnection *> all = m_device.connections();
    for (SimConnection *connection : all)
        anyone = anyone || (connection->notificationsEnabled(m_handle) && m_device.isAuthorised(connection));
    if (!anyone || !m_device.radio()) {
        m_running = false;
        return;
    }
    const s_CommonSettBle settings = m_device.commonSettings();
    const int frequency = qBound(1, int(settings.telemetryFreqHz), 50);
    const double dt = 1.0 / frequency;
    const qint64 nowMs = m_device.radio()->clock().nowMs();
    const double t = (nowMs - m_raceStartMs) / 1000.0;
    QRandomGenerator &random = m_device.radio()->random();
    s_TelemetryBle &r = m_record;
    r.raceTimeMs = quint32(qMax<qint64>(0, nowMs - m_raceStartMs));
    r.current = float(30.0 + 5.0 * std::sin(t / 3.0) + random.generateDouble());
    r.voltage = float(qMax(10.0, 16.8 - t * 0.002) - r.current * 0.01);
    r.currentAvg = float(30.0 + 0.5 * std::sin(t / 10.0));
    m_capacityMah += r.current * dt / 3.6;
    m_energyJ += double(r.voltage) * r.current * dt;
    r.capacity = float(m_capacityMah);
    r.energy = float(m_energyJ);
    r.temperature = float(25.0 + t * 0.01);
    const double reference = m_device.limitSet(qMin<int>(settings.settingsSet, kLimitSetCount - 1)).energyRef;
    r.energyConsRelative = reference > 0 ? float(100.0 * m_energyJ / reference) : 0.0f;
    r.rpm = quint32(30000 + 2000 * std::sin(t / 2.0));
    r.power = r.voltage * r.current;
    r.powerAvg = float(r.voltage * r.currentAvg);
    r.speed = float(45.0 + 5.0 * std::sin(t / 4.0));
    r.powerToSpeed = r.speed > 0 ? r.power / r.speed : 0.0f;
    r.satellites = 9.0f;
    r.kv = 1800.0f;
    r.throttle = float(0.8 + 0.1 * std::sin(t));
    r.timing = 12.0f;
    r.sessionNumber = m_device.logStream().lastSession() + 1;
    r.raceFlag = 1;
    r.limitingEngagedFlag = r.energyConsRelative > 90.0f ? 1 : 0;
    r.limitingCompleteFlag = r.energyConsRelative >= 100.0f ? 1 : 0;
    for (SimConnection *connection : all) {
        if (m_device.isAuthorised(connection))
            m_device.notify(connection, m_handle, recordBytes(r));
    }
    m_device.after(1000 / frequency, [this]() { tick(); });
}
