#pragma once

#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// The device's GATT profile as the programs use it: UUID bases, services,
// characteristics and the byte layouts of the commands the program writes.
// All multi-byte numbers on the link are little-endian.

// A 128-bit UUID base as 16 bytes in wire (little-endian) order.
using UuidBase = std::array<quint8, 16>;

// Reverses an RFC 4122 byte sequence into wire order.
constexpr UuidBase wireOrder(const UuidBase &rfc)
{
    UuidBase wire{};
    for (int i = 0; i < 16; ++i)
        wire[std::size_t(i)] = rfc[std::size_t(15 - i)];
    return wire;
}

// The UUID of a base (wire order) with the 16-bit identifier in bytes 2
// (high byte) and 3 (low byte) of its RFC 4122 form.
QBluetoothUuid makeUuid(const UuidBase &base, quint16 id);

namespace DeviceProtocol {

// 04920000-645d-51bc-4c47-68ef788d22fb and its siblings.
inline constexpr UuidBase kLogBase =
    wireOrder({0x04, 0x92, 0x00, 0x00, 0x64, 0x5d, 0x51, 0xbc, 0x4c, 0x47, 0x68, 0xef, 0x78, 0x8d, 0x22, 0xfb});
inline constexpr UuidBase kTelemetryBase =
    wireOrder({0x04, 0x92, 0x00, 0x00, 0x64, 0x5d, 0x51, 0xbc, 0x4c, 0x47, 0x68, 0xef, 0x78, 0x8d, 0x23, 0xfb});
inline constexpr UuidBase kSettingsBase =
    wireOrder({0x04, 0x92, 0x00, 0x00, 0x64, 0x5d, 0x51, 0xbc, 0x4c, 0x47, 0x68, 0xef, 0x78, 0x8d, 0x24, 0xfb});
// Nordic UART Service, 6e400000-b5a3-f393-e0a9-e50e24dcca9e.
inline constexpr UuidBase kNusBase =
    wireOrder({0x6e, 0x40, 0x00, 0x00, 0xb5, 0xa3, 0xf3, 0x93, 0xe0, 0xa9, 0xe5, 0x0e, 0x24, 0xdc, 0xca, 0x9e});
// Nordic buttonless and secure DFU, 8ec90000-f315-4f60-9fb8-838830daea50.
inline constexpr UuidBase kDfuBase =
    wireOrder({0x8e, 0xc9, 0x00, 0x00, 0xf3, 0x15, 0x4f, 0x60, 0x9f, 0xb8, 0x83, 0x88, 0x30, 0xda, 0xea, 0x50});

// Service identifiers on their bases; the DFU service is the SIG's 0xFE59.
inline constexpr quint16 kSettingsServiceId = 0x22B3;
inline constexpr quint16 kTelemetryServiceId = 0x22B2;
inline constexpr quint16 kLogServiceId = 0x22B1;
inline constexpr quint16 kNusServiceId = 0x0001;
inline constexpr quint16 kDfuServiceId = 0xFE59;

// Settings service characteristics.
inline constexpr quint16 kDeviceInfoId = 0x0000;
inline constexpr quint16 kAuthorisationId = 0x0001;
inline constexpr quint16 kDefaultLimitSet0Id = 0x0002; // sets 0 to 5: 0x0002 to 0x0007
inline constexpr quint16 kUserLimitSet0Id = 0x0008;    // sets 0 to 7: 0x0008 to 0x000F
inline constexpr quint16 kCommonSettingsId = 0x0010;
inline constexpr quint16 kPasswordSetId = 0x0011;
inline constexpr quint16 kMotorDriveSettingsId = 0x0016;
inline constexpr quint16 kMotorSettingsId = 0x0018;
inline constexpr quint16 kTimingTable1Id = 0x0019;
inline constexpr quint16 kTimingTable2Id = 0x001A;
inline constexpr quint16 kFlagsId = 0x001B;
// RTM service.
inline constexpr quint16 kTelemetryId = 0x0000;
// Log service.
inline constexpr quint16 kLogDataId = 0x0000;
inline constexpr quint16 kLogReadRequestId = 0x0001;
inline constexpr quint16 kLogSessionNumberId = 0x0002;
inline constexpr quint16 kLogReadStatusId = 0x0003;
// Terminal (NUS).
inline constexpr quint16 kNusRxId = 0x0002; // the device receives
inline constexpr quint16 kNusTxId = 0x0003; // the device sends
// DFU.
inline constexpr quint16 kDfuControlPointId = 0x0001;
inline constexpr quint16 kDfuPacketId = 0x0002;
inline constexpr quint16 kDfuButtonlessId = 0x0003;

inline constexpr int kDefaultLimitSetCount = 6;
inline constexpr int kUserLimitSetCount = 8;
inline constexpr int kLimitSetCount = kDefaultLimitSetCount + kUserLimitSetCount;

QBluetoothUuid settingsServiceUuid();
QBluetoothUuid telemetryServiceUuid();
QBluetoothUuid logServiceUuid();
QBluetoothUuid terminalServiceUuid();
QBluetoothUuid dfuServiceUuid();

QBluetoothUuid settingsUuid(quint16 id);
QBluetoothUuid telemetryUuid(quint16 id);
QBluetoothUuid logUuid(quint16 id);
QBluetoothUuid terminalUuid(quint16 id);
QBluetoothUuid dfuUuid(quint16 id);
QBluetoothUuid cccdUuid();

// The protocol's name of a characteristic UUID of the profile
// ("BLE_UUID_MOTOR_SETT_UUID", ...), empty for others.
QString characteristicName(const QBluetoothUuid &uuid);

// Client characteristic configuration values.
QByteArray enableNotifications(); // "0100"
QByteArray enableIndications();   // "0200"

// Flags command (11 bytes): all zero but the byte of one operation.
inline constexpr int kFlagsCommandSize = 11;
enum FlagsByte : int {
    FlagResetLimitSettings = 1, // value: set + 1 (1 to 14)
    FlagResetCommonSettings = 2,
    FlagResetEscSettings = 4,
    FlagSetFullThrottle = 6,
    FlagSetStopPosition = 7,
    FlagSetFailsafePosition = 8,
    FlagSetMaxTimingPosition = 9,
    FlagSetMinTimingPosition = 10,
};
QByteArray flagsCommand(FlagsByte byte, quint8 value = 1);
// The settings characteristics whose records a flags command changes on the
// device, in the order to read them again: the limit set of a limit-set
// reset, the common settings of the common reset, motor, motor drive and
// both timing table halves of the ESC reset, the motor drive (where the
// positions are kept) of a position command. Each appears once.
QList<quint16> settingsChangedByFlags(const QByteArray &command);

// Log read request (12 bytes): session number in bytes 0 to 3, the clear
// flag in byte 8.
inline constexpr int kLogRequestSize = 12;
QByteArray logRequest(quint32 session, bool clearLogs = false);

// Authorisation and password values: 32 bytes, the text's UTF-8 bytes from
// byte 0 (cut at 32 bytes), zero-filled.
inline constexpr int kPasswordSize = 32;
QByteArray passwordValue(const QString &password);

// The buttonless DFU enter command and the test of its indication (byte 1
// and byte 2 both 1; shorter values are no success).
QByteArray dfuEnterCommand();
bool isDfuEnterSuccess(const QByteArray &indication);

} // namespace DeviceProtocol
