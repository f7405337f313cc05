// Characteristic values as a device (or something posing as one) sends them,
// through the record take-over of the device link: every record kind, values
// of any length, and the texts read out of the records afterwards.

#include "FuzzSupport.h"

#include "DeviceRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Reader in(data, size);
    // The records keep what earlier values left in them, as the device's
    // cached records do over a connection.
    s_CommonSettBle common{};
    s_MotorSettBle motor{};
    s_MotorDriveSettBle drive{};
    s_LimitSettBle limit{};
    s_DeviceInfoBle info{};
    s_TimingTableBle table{};
    s_TelemetryBle telemetry{};
    s_LogReadStatus status{};
    s_LogSessionNum sessions{};

    while (!in.atEnd()) {
        const std::uint8_t kind = in.byte();
        const QByteArray value = in.bytes(std::size_t(in.byte()) * 2);
        switch (kind % 10) {
        case 0:
            RecordTakeOver::commonSettings(value, common);
            (void)recordText(common.userName, int(sizeof common.userName));
            break;
        case 1:
            RecordTakeOver::motorSettings(value, motor);
            break;
        case 2:
            RecordTakeOver::motorDriveSettings(value, drive);
            break;
        case 3:
            RecordTakeOver::limitSettings(value, limit);
            (void)recordText(limit.settingsName, int(sizeof limit.settingsName));
            break;
        case 4:
            RecordTakeOver::deviceInformation(value, info);
            (void)isLocked(info);
            for (int offset = -1; offset <= int(sizeof info); offset += 1 + kind / 10)
                (void)deviceInfoText(info, offset);
            break;
        case 5:
        case 6:
            RecordTakeOver::timingTableHalf(value, kind % 10 - 5, table);
            break;
        case 7:
            recordFromBytes(value, telemetry);
            break;
        case 8:
            recordFromBytes(value, status);
            break;
        case 9:
            recordFromBytes(value, sessions);
            break;
        }
    }
    return 0;
}
