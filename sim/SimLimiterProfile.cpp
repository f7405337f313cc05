#include "SimLimiterProfile.h"

#include "SimGatt.h"

using namespace DeviceProtocol;

namespace {

using Props = QLowEnergyCharacteristic::PropertyTypes;
constexpr auto kRead = QLowEnergyCharacteristic::Read;
constexpr auto kWrite = QLowEnergyCharacteristic::Write;
constexpr auto kNotify = QLowEnergyCharacteristic::Notify;

} // namespace

SimLimiterProfile::SimLimiterProfile(SimGattDatabase &db)
{
    const QBluetoothUuid settings = settingsServiceUuid();
    const Props record = Props(kRead) | kWrite | kNotify;
    db.addService(settings);
    deviceInfo = db.addCharacteristic(settings, settingsUuid(kDeviceInfoId), kRead);
    authorisation = db.addCharacteristic(settings, settingsUuid(kAuthorisationId), kWrite);
    for (int i = 0; i < kDefaultLimitSetCount; ++i)
        limitSets[i] = db.addCharacteristic(settings, settingsUuid(quint16(kDefaultLimitSet0Id + i)), record);
    for (int i = 0; i < kUserLimitSetCount; ++i)
        limitSets[kDefaultLimitSetCount + i] =
            db.addCharacteristic(settings, settingsUuid(quint16(kUserLimitSet0Id + i)), record);
    common = db.addCharacteristic(settings, settingsUuid(kCommonSettingsId), record);
    password = db.addCharacteristic(settings, settingsUuid(kPasswordSetId), kWrite);
    motorDrive = db.addCharacteristic(settings, settingsUuid(kMotorDriveSettingsId), record);
    motor = db.addCharacteristic(settings, settingsUuid(kMotorSettingsId), record);
    table1 = db.addCharacteristic(settings, settingsUuid(kTimingTable1Id), kRead);
    table2 = db.addCharacteristic(settings, settingsUuid(kTimingTable2Id), kRead);
    flags = db.addCharacteristic(settings, settingsUuid(kFlagsId), kWrite);

    db.addService(telemetryServiceUuid());
    telemetry = db.addCharacteristic(telemetryServiceUuid(), telemetryUuid(kTelemetryId), kNotify);

    db.addService(logServiceUuid());
    logData = db.addCharacteristic(logServiceUuid(), logUuid(kLogDataId), kNotify);
    logRequest = db.addCharacteristic(logServiceUuid(), logUuid(kLogReadRequestId), kWrite);
    logSessions = db.addCharacteristic(logServiceUuid(), logUuid(kLogSessionNumberId), kNotify);
    logStatus = db.addCharacteristic(logServiceUuid(), logUuid(kLogReadStatusId), kNotify);

    db.addService(terminalServiceUuid());
    nusRx = db.addCharacteristic(terminalServiceUuid(), terminalUuid(kNusRxId),
                                 Props(kWrite) | QLowEnergyCharacteristic::WriteNoResponse);
    nusTx = db.addCharacteristic(terminalServiceUuid(), terminalUuid(kNusTxId), kNotify);

    db.addService(dfuServiceUuid());
    buttonless = db.addCharacteristic(dfuServiceUuid(), dfuUuid(kDfuButtonlessId),
                                      Props(kWrite) | QLowEnergyCharacteristic::Indicate);
}

int SimLimiterProfile::limitSetOf(quint16 handle) const
{
    for (int set = 0; set < kLimitSetCount; ++set) {
        if (limitSets[set] == handle)
            return set;
    }
    return -1;
}
