#pragma once

#include "DeviceRecords.h"

class SimLimiter;

// The telemetry of a simulated device: a race that starts with the first
// link, notified at the common settings' telemetryFreqHz to every
// authorised client that switched its notifications on, for as long as one
// of them is there.
class SimTelemetry
{
public:
    SimTelemetry(SimLimiter &device, quint16 handle);

    // The last record sent.
    s_TelemetryBle record() const { return m_record; }
    // A link came up (the race clock starts with the first).
    void linkUp();
    // A client switched the notifications on: the ticks run (again).
    void notificationsOn();

private:
    void tick();

    SimLimiter &m_device;
    quint16 m_handle;
    s_TelemetryBle m_record{};
    bool m_running = false;
    qint64 m_raceStartMs = 0;
    double m_capacityMah = 0.0;
    double m_energyJ = 0.0;
};
