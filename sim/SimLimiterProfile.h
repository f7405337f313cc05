#pragma once

#include "DeviceProtocol.h"

#include <QtGlobal>

class SimGattDatabase;

// The GATT profile of a simulated limiter or DOV logger: the settings, RTM,
// log, terminal and DFU services with their characteristics, as the device
// builds them into its database, and the value handles it answers on.
struct SimLimiterProfile {
    explicit SimLimiterProfile(SimGattDatabase &db);

    // The limit set (0 to 13) a value handle carries; -1 for other handles.
    int limitSetOf(quint16 handle) const;

    // Settings service.
    quint16 deviceInfo, authorisation, common, password, motorDrive, motor, table1, table2, flags;
    quint16 limitSets[DeviceProtocol::kLimitSetCount]; // 0 to 5 default, 6 to 13 user
    // RTM, log, terminal and DFU services.
    quint16 telemetry;
    quint16 logData, logRequest, logSessions, logStatus;
    quint16 nusRx, nusTx;
    quint16 buttonless;
};
