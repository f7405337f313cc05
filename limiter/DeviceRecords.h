#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstring>
#include <type_traits>

// The fixed-layout records of the device protocol: packed, little-endian,
// copied byte for byte from and to characteristic values. Sizes and offsets
// are part of the wire format and checked below.

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the records are laid out for a little-endian host");

#pragma pack(push, 1)

// One 100-byte block of the device information. Block 0 describes the
// bootloader, block 1 the device and its main firmware, block 2 the ESC.
struct s_DeviceInfoBlock {
    quint32 word0;
    // The block's texts: a name (the hardware's in block 1, at offset 104)
    // and, from +36, its version text (in block 0 the bootloader's: with 7
    // or more characters `version` holds the bootloader version). Together
    // one 40-byte area, which a text at +4 may fill.
    char name[32];
    char versionText[8];
    quint32 reserved44; // not interpreted
    char text48[8];     // shown beside the version
    quint32 word56;
    quint16 versionWord60; // block 0: the version the limit sets' AEC needs (0x0300 or more)
    quint16 version;       // high byte . low byte: block 0 the bootloader, block 2 the ESC firmware
    quint32 word64;
    quint8 area68[32];
};

// Device information, 336 bytes, read from BLE_UUID_DEVICE_INFO_UUID.
struct s_DeviceInfoBle {
    s_DeviceInfoBlock block[3]; // offsets 0, 100, 200
    quint32 word300;
    quint32 word304;
    quint8 byte308;
    quint8 passwordProtected; // 309: 1 when the device has a password
    quint8 authorized;        // 310: 1 when this connection is authorised
    quint8 byte311;
    char text312[8];
    quint32 word320;
    char text324[8];
    quint32 word332;
};

// Live state of a race, 104 bytes, notified by the RTM service.
struct s_TelemetryBle {
    quint32 raceTimeMs;
    float voltage;
    float current;
    float currentAvg;
    float capacity;
    float energy;
    float temperature;
    float energyConsRelative;
    quint32 rpm;
    float power;
    float powerAvg;
    float speed;
    float powerToSpeed;
    float satellites;
    float kv;
    float throttle;
    float timing;
    quint32 sessionNumber;
    quint8 raceFlag;
    quint8 rampdownFlag;
    quint8 limitingEngagedFlag;
    quint8 limitingCompleteFlag;
    float reserved0;
    float reserved1;
    float reserved2;
    float reserved3;
    float reserved4;
    float reserved5;
    float reserved6;
};

// Common user settings, 112 bytes.
struct s_CommonSettBle {
    char userName[32];
    quint8 reserved32[28];
    quint8 slowdownTime; // steps of 25 ms
    quint8 controlBits;  // bits 7-5 rpmSensCompLevel, bit 4 slowdownDirection, bits 3-0 ppmOut1ServoMode
    quint8 reserved62;
    quint8 reserved63;
    char country[4];
    quint16 regNum;
    quint8 settingsSet; // 0 to 5 default sets, 6 to 13 user sets
    quint8 reserved71;
    quint8 reserved72;
    quint8 telemetryFreqHz;
    quint16 loggerFreqHz;
    quint16 reserved76[6];
    quint16 motorPoles;
    quint16 loggerMemoryBlocks; // blocks of 4096 bytes
    quint8 reserved92[20];
};

// One limit set, 68 bytes.
struct s_LimitSettBle {
    char settingsName[32];
    quint32 energyRef; // J
    float startLimitCurrent;
    float raceTime;
    quint16 rampMod;
    quint16 rampDownTime;
    quint16 limitTime;
    quint8 resetByBattDisconn;
    quint8 aecEnable;
    quint8 aecMaxStartConsumption;
    quint8 aecAdditionalTime;
    quint8 aecMinDuty;
    quint8 reserved55[13];
};

// Motor settings, 40 bytes.
struct s_MotorSettBle {
    float currStep;
    float voltStep;
    float timingFixedValue;
    float timingMaxBoost;
    float absMaxTiming;
    quint16 currSteps;
    quint16 voltSteps;
    quint16 timingMode; // 0 Fixed, 1 Table, 2 Fixed and boost, 3 Table and boost
    quint16 rpmToVolt;
    quint16 poles;
    qint16 qepInitOffset;
    qint16 phaseOffset;
    quint16 qepDirection;
    quint16 rotateDirection;
    quint8 reserved38[2];
};

// Motor drive settings, 68 bytes, beginning with the PPM input positions
// (ms). antiCarrot and rescueFlash stand where the device delivers them, so
// a record written back unchanged keeps them in place.
struct s_MotorDriveSettBle {
    float fullThrottlePosition;
    float stopPosition;
    float failSafePosition;
    float maxTimingPosition;
    float minTimingPosition;
    quint8 reserved20[4];
    float voltageCutoffThreshold;
    float maxRefDuty;
    float maxRefRpm;
    float maxRefDcCurr;
    float maxRefPhCurr;
    float maxRefDcPower;
    quint8 reserved48[4];
    quint8 reserved52[4];
    quint16 reserved56;
    quint16 motorDriveMode; // 0 Duty, 1 Governor
    quint16 becVoltage;     // 0 5V, 1 6V, 2 7.4V, 3 8.4V
    quint16 antiCarrot;
    quint16 rescueFlash;
    quint8 reserved66[2];
};

// The motor timing table: 16 rows (voltage steps) of 16 cells (current
// steps), row-major; it travels in two halves of 8 rows.
struct s_TimingTableBle {
    static constexpr int kRows = 16;
    static constexpr int kColumns = 16;
    static constexpr int kHalfSize = 256;
    quint16 cells[kRows][kColumns];
};

// First and last session number held by the device, 8 bytes.
struct s_LogSessionNum {
    quint32 firstSession;
    quint32 lastSession;
};

// Progress of one session read, 24 bytes.
struct s_LogReadStatus {
    enum Status : quint8 { Started = 1, Speed = 2, Finished = 3 };
    quint32 sessionNumber;
    quint8 reserved4[4];
    quint32 sessionSize; // with status 1
    quint32 speed;       // bit/s, with status 2
    quint32 crc32;       // with status 3
    quint8 status;
    quint8 reserved21[3];
};

#pragma pack(pop)

static_assert(sizeof(s_DeviceInfoBlock) == 100);
static_assert(offsetof(s_DeviceInfoBlock, text48) == 48 && offsetof(s_DeviceInfoBlock, word56) == 56);
static_assert(offsetof(s_DeviceInfoBlock, name) == 4 && offsetof(s_DeviceInfoBlock, versionText) == 36);
static_assert(offsetof(s_DeviceInfoBlock, reserved44) == 44);
static_assert(offsetof(s_DeviceInfoBlock, versionWord60) == 60 && offsetof(s_DeviceInfoBlock, version) == 62);
static_assert(offsetof(s_DeviceInfoBlock, area68) == 68);
static_assert(sizeof(s_DeviceInfoBle) == 336);
static_assert(offsetof(s_DeviceInfoBle, word300) == 300 && offsetof(s_DeviceInfoBle, byte308) == 308);
static_assert(offsetof(s_DeviceInfoBle, passwordProtected) == 309 && offsetof(s_DeviceInfoBle, authorized) == 310);
static_assert(offsetof(s_DeviceInfoBle, text312) == 312 && offsetof(s_DeviceInfoBle, word320) == 320);
static_assert(offsetof(s_DeviceInfoBle, text324) == 324 && offsetof(s_DeviceInfoBle, word332) == 332);

static_assert(sizeof(s_TelemetryBle) == 104);
static_assert(offsetof(s_TelemetryBle, rpm) == 32 && offsetof(s_TelemetryBle, timing) == 64);
static_assert(offsetof(s_TelemetryBle, sessionNumber) == 68 && offsetof(s_TelemetryBle, raceFlag) == 72);
static_assert(offsetof(s_TelemetryBle, limitingCompleteFlag) == 75 && offsetof(s_TelemetryBle, reserved0) == 76);
static_assert(offsetof(s_TelemetryBle, reserved6) == 100);

static_assert(sizeof(s_CommonSettBle) == 112);
static_assert(offsetof(s_CommonSettBle, slowdownTime) == 60 && offsetof(s_CommonSettBle, reserved63) == 63);
static_assert(offsetof(s_CommonSettBle, country) == 64 && offsetof(s_CommonSettBle, regNum) == 68);
static_assert(offsetof(s_CommonSettBle, settingsSet) == 70 && offsetof(s_CommonSettBle, telemetryFreqHz) == 73);
static_assert(offsetof(s_CommonSettBle, loggerFreqHz) == 74 && offsetof(s_CommonSettBle, reserved76) == 76);
static_assert(offsetof(s_CommonSettBle, motorPoles) == 88 && offsetof(s_CommonSettBle, loggerMemoryBlocks) == 90);
static_assert(offsetof(s_CommonSettBle, reserved92) == 92);

static_assert(sizeof(s_LimitSettBle) == 68);
static_assert(offsetof(s_LimitSettBle, energyRef) == 32 && offsetof(s_LimitSettBle, rampMod) == 44);
static_assert(offsetof(s_LimitSettBle, limitTime) == 48 && offsetof(s_LimitSettBle, resetByBattDisconn) == 50);
static_assert(offsetof(s_LimitSettBle, aecMinDuty) == 54 && offsetof(s_LimitSettBle, reserved55) == 55);

static_assert(sizeof(s_MotorSettBle) == 40);
static_assert(offsetof(s_MotorSettBle, absMaxTiming) == 16 && offsetof(s_MotorSettBle, currSteps) == 20);
static_assert(offsetof(s_MotorSettBle, qepInitOffset) == 30 && offsetof(s_MotorSettBle, rotateDirection) == 36);

static_assert(sizeof(s_MotorDriveSettBle) == 68);
static_assert(offsetof(s_MotorDriveSettBle, reserved20) == 20 && offsetof(s_MotorDriveSettBle, voltageCutoffThreshold) == 24);
static_assert(offsetof(s_MotorDriveSettBle, maxRefDcPower) == 44 && offsetof(s_MotorDriveSettBle, reserved56) == 56);
static_assert(offsetof(s_MotorDriveSettBle, motorDriveMode) == 58 && offsetof(s_MotorDriveSettBle, becVoltage) == 60);
static_assert(offsetof(s_MotorDriveSettBle, antiCarrot) == 62 && offsetof(s_MotorDriveSettBle, rescueFlash) == 64);

static_assert(sizeof(s_TimingTableBle) == 512);
static_assert(sizeof(s_LogSessionNum) == 8);
static_assert(sizeof(s_LogReadStatus) == 24);
static_assert(offsetof(s_LogReadStatus, sessionSize) == 8 && offsetof(s_LogReadStatus, crc32) == 16);
static_assert(offsetof(s_LogReadStatus, status) == 20);

// Byte copies between records and values.
template<typename Record>
QByteArray recordBytes(const Record &record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(Record)));
}

// The record from the start of value; false (record untouched) when value is
// shorter than the record.
template<typename Record>
bool recordFromBytes(const QByteArray &value, Record &record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    if (value.size() < qsizetype(sizeof(Record)))
        return false;
    std::memcpy(&record, value.constData(), sizeof(Record));
    return true;
}

// How a received value becomes the cached copy of each record. Each returns
// false and leaves the copy as it was when the value is shorter than the
// range it takes.
namespace RecordTakeOver {
// Bytes 0 to 31, 60 to 62 and 64 to 91; the rest zero.
bool commonSettings(const QByteArray &value, s_CommonSettBle &record);
// Bytes 0 to 37; 38 and 39 zero.
bool motorSettings(const QByteArray &value, s_MotorSettBle &record);
// Bytes 0 to 65 (antiCarrot at 62, rescueFlash at 64); 66 and 67 zero.
bool motorDriveSettings(const QByteArray &value, s_MotorDriveSettBle &record);
// The name up to its first zero (at most 32 bytes, the rest of the 32
// zero), bytes 32 to 54; 55 to 67 zero.
bool limitSettings(const QByteArray &value, s_LimitSettBle &record);
// All 336 bytes but the three 32-byte areas at 68, 168 and 268, which keep
// what record held.
bool deviceInformation(const QByteArray &value, s_DeviceInfoBle &record);
// One half of the table (half 0: rows 0 to 7, half 1: rows 8 to 15).
bool timingTableHalf(const QByteArray &value, int half, s_TimingTableBle &table);
} // namespace RecordTakeOver

// The device is locked for this connection: password set, not authorised.
inline bool isLocked(const s_DeviceInfoBle &info)
{
    return info.passwordProtected == 1 && info.authorized != 1;
}

// The zero-terminated UTF-8 text at a byte offset of the device
// information, read no further than the end of the area it lies in.
QString deviceInfoText(const s_DeviceInfoBle &info, int offset);

// A text field of a record (user name, set name): the bytes up to the first
// zero or the end of the field, as UTF-8.
QString recordText(const char *field, int size);
// Writes text into a field: its UTF-8 bytes, cut at the field's size, the
// rest zero.
void setRecordText(char *field, int size, const QString &text);

Q_DECLARE_METATYPE(s_LogReadStatus)
Q_DECLARE_METATYPE(s_LogSessionNum)
