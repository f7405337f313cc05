#include "DeviceProtocol.h"

#include <QHash>
#include <QUuid>

QBluetoothUuid makeUuid(const UuidBase &base, quint16 id)
{
    QByteArray rfc(16, '\0');
    for (int i = 0; i < 16; ++i)
        rfc[i] = char(base[std::size_t(15 - i)]);
    rfc[2] = char(id >> 8);
    rfc[3] = char(id & 0xFF);
    return QBluetoothUuid(QUuid::fromRfc4122(rfc));
}

namespace DeviceProtocol {

QBluetoothUuid settingsServiceUuid() { return makeUuid(kSettingsBase, kSettingsServiceId); }
QBluetoothUuid telemetryServiceUuid() { return makeUuid(kTelemetryBase, kTelemetryServiceId); }
QBluetoothUuid logServiceUuid() { return makeUuid(kLogBase, kLogServiceId); }
QBluetoothUuid terminalServiceUuid() { return makeUuid(kNusBase, kNusServiceId); }
QBluetoothUuid dfuServiceUuid() { return QBluetoothUuid(quint16(kDfuServiceId)); }

QBluetoothUuid settingsUuid(quint16 id) { return makeUuid(kSettingsBase, id); }
QBluetoothUuid telemetryUuid(quint16 id) { return makeUuid(kTelemetryBase, id); }
QBluetoothUuid logUuid(quint16 id) { return makeUuid(kLogBase, id); }
QBluetoothUuid terminalUuid(quint16 id) { return makeUuid(kNusBase, id); }
QBluetoothUuid dfuUuid(quint16 id) { return makeUuid(kDfuBase, id); }
QBluetoothUuid cccdUuid() { return QBluetoothUuid(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration); }

QString characteristicName(const QBluetoothUuid &uuid)
{
    static const QHash<QBluetoothUuid, QString> names = [] {
        QHash<QBluetoothUuid, QString> n;
        n.insert(settingsUuid(kDeviceInfoId), QStringLiteral("BLE_UUID_DEVICE_INFO_UUID"));
        n.insert(settingsUuid(kAuthorisationId), QStringLiteral("BLE_UUID_AUTHORISATION_REQ_UUID"));
        for (int i = 0; i < kDefaultLimitSetCount; ++i)
            n.insert(settingsUuid(quint16(kDefaultLimitSet0Id + i)), QStringLiteral("BLE_UUID_LIMITSETT_DEF%1_UUID").arg(i));
        for (int i = 0; i < kUserLimitSetCount; ++i)
            n.insert(settingsUuid(quint16(kUserLimitSet0Id + i)), QStringLiteral("BLE_UUID_LIMITUSERSETT%1_UUID").arg(i));
        n.insert(settingsUuid(kCommonSettingsId), QStringLiteral("BLE_UUID_COMMUSERSETT_UUID"));
        n.insert(settingsUuid(kPasswordSetId), QStringLiteral("BLE_UUID_PASSWORD_SET_UUID"));
        n.insert(settingsUuid(kMotorDriveSettingsId), QStringLiteral("BLE_UUID_MOTOR_DRIVE_SETT_UUID"));
        n.insert(settingsUuid(kMotorSettingsId), QStringLiteral("BLE_UUID_MOTOR_SETT_UUID"));
        n.insert(settingsUuid(kTimingTable1Id), QStringLiteral("BLE_UUID_MOTOR_TIMING_TABLE1_UUID"));
        n.insert(settingsUuid(kTimingTable2Id), QStringLiteral("BLE_UUID_MOTOR_TIMING_TABLE2_UUID"));
        n.insert(settingsUuid(kFlagsId), QStringLiteral("BLE_UUID_FLAGS_WR_UUID"));
        n.insert(telemetryUuid(kTelemetryId), QStringLiteral("BLE_UUID_RTM_CHARACTERISTIC"));
        n.insert(logUuid(kLogDataId), QStringLiteral("BLE_UUID_LOGDATA_CHARACTERISTIC"));
        n.insert(logUuid(kLogReadRequestId), QStringLiteral("BLE_UUID_LOGDATA_READ_REQ_UUID"));
        n.insert(logUuid(kLogSessionNumberId), QStringLiteral("BLE_UUID_LOGDATA_SESSIONNUM_CHARACTERISTIC"));
        n.insert(logUuid(kLogReadStatusId), QStringLiteral("BLE_UUID_LOGDATA_READ_STATUS_UUID"));
        n.insert(terminalUuid(kNusRxId), QStringLiteral("BLE_UUID_NUS_RX_CHARACTERISTIC"));
        n.insert(terminalUuid(kNusTxId), QStringLiteral("BLE_UUID_NUS_TX_CHARACTERISTIC"));
        n.insert(dfuUuid(kDfuControlPointId), QStringLiteral("DFU_SECURE_CONTROL_POINT"));
        n.insert(dfuUuid(kDfuPacketId), QStringLiteral("DFU_SECURE_PACKET"));
        n.insert(dfuUuid(kDfuButtonlessId), QStringLiteral("DFU_BUTTONLESS_WO_BONDS_UUID"));
        return n;
    }();
    return names.value(uuid);
}

QByteArray enableNotifications() { return QByteArray::fromHex("0100"); }
QByteArray enableIndications() { return QByteArray::fromHex("0200"); }

QByteArray flagsCommand(FlagsByte byte, quint8 value)
{
    QByteArray command(kFlagsCommandSize, '\0');
    command[int(byte)] = char(value);
    return command;
}

QList<quint16> settingsChangedByFlags(const QByteArray &command)
{
    QList<quint16> ids;
    const auto flag = [&command](int byte) { return byte < command.size() ? quint8(command.at(byte)) : quint8(0); };
    const auto add = [&ids](quint16 id) {
        if (!ids.contains(id))
            ids.append(id);
    };
    if (const int set = flag(FlagResetLimitSettings) - 1; set >= 0 && set < kLimitSetCount)
        add(quint16(set < kDefaultLimitSetCount ? kDefaultLimitSet0Id + set
                                                : kUserLimitSet0Id + set - kDefaultLimitSetCount));
    if (flag(FlagResetCommonSettings))
        add(kCommonSettingsId);
    if (flag(FlagResetEscSettings)) {
        for (quint16 id : {kMotorSettingsId, kMotorDriveSettingsId, kTimingTable1Id, kTimingTable2Id})
            add(id);
    }
    for (int byte = FlagSetFullThrottle; byte <= FlagSetMinTimingPosition; ++byte) {
        if (flag(byte))
            add(kMotorDriveSettingsId);
    }
    return ids;
}

QByteArray logRequest(quint32 session, bool clearLogs)
{
    QByteArray request(kLogRequestSize, '\0');
    for (int i = 0; i < 4; ++i)
        request[i] = char((session >> (8 * i)) & 0xFF);
    request[8] = clearLogs ? char(1) : char(0);
    return request;
}

QByteArray passwordValue(const QString &password)
{
    QByteArray value(kPasswordSize, '\0');
    const QByteArray utf8 = password.toUtf8().left(kPasswordSize);
    std::copy(utf8.cbegin(), utf8.cend(), value.begin());
    return value;
}

QByteArray dfuEnterCommand() { return QByteArray(1, '\x01'); }

bool isDfuEnterSuccess(const QByteArray &indication)
{
    return indication.size() >= 3 && indication.at(1) == 1 && indication.at(2) == 1;
}

} // namespace DeviceProtocol
