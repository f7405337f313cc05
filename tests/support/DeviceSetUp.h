#pragma once

#include "DeviceProtocol.h"

#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QPair>

// What the device link's authorised set-up asks of a device, whatever the
// backend: the records it reads after the device information, in order,
// and the client characteristic configuration each notifying
// characteristic receives (notifications, indications for DFU; none of the
// settings service).
inline QList<QBluetoothUuid> setUpRecordReads()
{
    using namespace DeviceProtocol;
    QList<QBluetoothUuid> reads{settingsUuid(kCommonSettingsId)};
    for (int i = 0; i < kUserLimitSetCount; ++i)
        reads << settingsUuid(quint16(kUserLimitSet0Id + i));
    for (int i = 0; i < kDefaultLimitSetCount; ++i)
        reads << settingsUuid(quint16(kDefaultLimitSet0Id + i));
    reads << settingsUuid(kMotorSettingsId) << settingsUuid(kMotorDriveSettingsId) << settingsUuid(kTimingTable1Id)
          << settingsUuid(kTimingTable2Id);
    return reads;
}

inline QList<QPair<QBluetoothUuid, QByteArray>> setUpSubscriptions()
{
    using namespace DeviceProtocol;
    const QByteArray notifications = QByteArray::fromHex("0100");
    return {{telemetryUuid(kTelemetryId), notifications},
            {terminalUuid(kNusTxId), notifications},
            {dfuUuid(kDfuButtonlessId), QByteArray::fromHex("0200")},
            {logUuid(kLogDataId), notifications},
            {logUuid(kLogSessionNumberId), notifications},
            {logUuid(kLogReadStatusId), notifications}};
}
