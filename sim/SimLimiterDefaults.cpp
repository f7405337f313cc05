// The records of a fresh simulated limiter or DOV logger, and what the
// device restores on a reset command.
#include "SimLimiter.h"

using namespace DeviceProtocol;

namespace {

void setText(char *field, int size, const char *text)
{
    setRecordText(field, size, QString::fromUtf8(text));
}

} // namespace

s_DeviceInfoBle SimLimiter::defaultDeviceInformation(Kind kind)
{
    s_DeviceInfoBle info{};
    const bool dov = kind == Kind::DovLogger;
    info.block[0].word0 = 1;
    setText(info.block[0].name, 32, dov ? "DOV logger" : "Energy limiter");
    setText(info.block[0].versionText, 8, "Boot1.2");
    setText(info.block[0].text48, 8, "secure");
    info.block[0].versionWord60 = 0x0300;
    info.block[0].version = 0x0102; // bootloader 1.2
    setText(info.block[1].name, 32, dov ? "DOV-17" : "QVR-L4");
    setText(info.block[1].versionText, 8, "Main fw");
    setText(info.block[1].text48, 8, "release");
    info.block[1].versionWord60 = dov ? 0x1100 : 0x0410; // hardware 17.0.0 / 4.1.0
    info.block[1].version = 0x1901;                // firmware 25.1
    setText(info.block[2].name, 32, "ESC");
    setText(info.block[2].versionText, 8, "ESC fw");
    info.block[2].version = 0x0105; // ESC firmware 1.5
    setText(info.text312, 8, "20250315");
    setText(info.text324, 8, "CAL-0042");
    return info;
}

s_CommonSettBle SimLimiter::defaultCommonSettings(Kind kind)
{
    s_CommonSettBle s{};
    setText(s.userName, 32, "Sim Racer");
    s.slowdownTime = 20;
    setText(s.country, 4, "RU");
    s.regNum = 1234;
    s.settingsSet = 1;
    s.telemetryFreqHz = 5;
    s.loggerFreqHz = 10;
    s.motorPoles = kind == Kind::DovLogger ? 8 : 4;
    s.loggerMemoryBlocks = 1000;
    return s;
}

s_LimitSettBle SimLimiter::defaultLimitSet(int set)
{
    static const struct {
        const char *name;
        quint32 wattHours;
    } defaults[kDefaultLimitSetCount] = {
        {"No limits", 0},
        {"Ruriza settings set 21Wh (1)", 21},
        {"Ruriza settings set 40Wh (2)", 40},
        {"Ruriza settings set 90Wh (3)", 90},
        {"Ruriza settings set 180Wh (4)", 180},
        {"Test only", 10},
    };
    s_LimitSettBle s{};
    if (set < kDefaultLimitSetCount) {
        setText(s.settingsName, 32, defaults[set].name);
        s.energyRef = defaults[set].wattHours * 3600;
    } else {
        setRecordText(s.settingsName, 32, QStringLiteral("User set %1").arg(set - kDefaultLimitSetCount + 1));
        s.energyRef = 30 * 3600;
    }
    s.startLimitCurrent = 5.0f;
    s.raceTime = 300.0f;
    s.rampMod = 30;
    s.rampDownTime = 5;
    s.limitTime = 10;
    s.resetByBattDisconn = 1;
    s.aecMaxStartConsumption = 120;
    s.aecAdditionalTime = 10;
    s.aecMinDuty = 60;
    return s;
}

s_MotorSettBle SimLimiter::defaultMotorSettings()
{
    s_MotorSettBle s{};
    s.currStep = 10.0f;
    s.voltStep = 2.0f;
    s.timingFixedValue = 10.0f;
    s.timingMaxBoost = 5.0f;
    s.absMaxTiming = 30.0f;
    s.currSteps = 8;
    s.voltSteps = 8;
    s.timingMode = 1;
    s.rpmToVolt = 1800;
    s.poles = 4;
    s.phaseOffset = 90;
    return s;
}

s_MotorDriveSettBle SimLimiter::defaultMotorDriveSettings()
{
    s_MotorDriveSettBle s{};
    s.fullThrottlePosition = 2.0f;
    s.stopPosition = 1.5f;
    s.failSafePosition = 1.0f;
    s.maxTimingPosition = 2.0f;
    s.minTimingPosition = 1.0f;
    s.voltageCutoffThreshold = 12.0f;
    s.maxRefDuty = 1.0f;
    s.maxRefRpm = 50000.0f;
    s.maxRefDcCurr = 100.0f;
    s.maxRefPhCurr = 150.0f;
    s.maxRefDcPower = 3000.0f;
    s.becVoltage = 1;
    s.rescueFlash = 1;
    return s;
}

s_TimingTableBle SimLimiter::defaultTimingTable()
{
    s_TimingTableBle t{};
    for (int r = 0; r < s_TimingTableBle::kRows; ++r) {
        for (int c = 0; c < s_TimingTableBle::kColumns; ++c)
            t.cells[r][c] = quint16(qMin(30, 5 + r + c));
    }
    return t;
}

