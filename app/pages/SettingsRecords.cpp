#include "SettingsRecords.h"

#include <QTime>

#include <cmath>
#include <cstring>

namespace SettingsRecords {

namespace {

// A field of a record from a form value the user edited (a check box's true
// as 1); one the user did not edit keeps the record's bytes.
template <typename Stored, typename T>
void writeEdited(Stored &stored, const Field<T> &field)
{
    if (field.edited)
        stored = static_cast<Stored>(field.value);
}

} // namespace

void setFieldText(char *field, int size, const QString &text)
{
    std::memset(field, 0, std::size_t(size));
    const QByteArray utf8 = text.toUtf8();
    int length = int(qMin<qsizetype>(utf8.size(), size));
    // Step back over continuation bytes to the start of a character that
    // does not fit whole.
    if (length < utf8.size()) {
        while (length > 0 && (quint8(utf8.at(length)) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(field, utf8.constData(), std::size_t(length));
}

int truncatedToInt(double value, int low, int high)
{
    if (std::isnan(value) || value <= low)
        return low;
    if (value >= high)
        return high;
    return int(value);
}

bool isDovLoggerHardware(const QVersionNumber &hardwareVersion)
{
    return hardwareVersion == QVersionNumber(17, 0, 0) || hardwareVersion == QVersionNumber(18, 0, 0);
}

// ---- Common settings ----------------------------------------------------

namespace {
constexpr quint8 kCompLevelShift = 5;
constexpr quint8 kCompLevelMask = 0xE0;
constexpr quint8 kDirectionShift = 4;
constexpr quint8 kDirectionMask = 0x10;
constexpr quint8 kServoModeMask = 0x0F;
constexpr int kSlowdownStepMs = 25;
} // namespace

CommonForm commonForm(const s_CommonSettBle &record)
{
    CommonForm form;
    form.userName.value = recordText(record.userName, sizeof record.userName);
    form.country.value = recordText(record.country, sizeof record.country);
    form.regNum.value = record.regNum;
    form.settingsSet.value = record.settingsSet;
    form.telemetryFreqHz.value = record.telemetryFreqHz;
    form.loggerFreqHz.value = record.loggerFreqHz;
    form.motorPolesIndex.value = (int(record.motorPoles) - 2) / 2;
    form.rpmSensCompLevel.value = (record.controlBits & kCompLevelMask) >> kCompLevelShift;
    form.slowdownDirection.value = (record.controlBits & kDirectionMask) >> kDirectionShift;
    form.ppmOut1ServoMode.value = record.controlBits & kServoModeMask;
    form.slowdownTimeMs.value = record.slowdownTime * kSlowdownStepMs;
    return form;
}

s_CommonSettBle commonRecord(const s_CommonSettBle &kept, const CommonForm &shown)
{
    s_CommonSettBle record = kept;
    if (shown.userName.edited)
        setFieldText(record.userName, sizeof record.userName, shown.userName.value);
    if (shown.country.edited)
        setFieldText(record.country, sizeof record.country, shown.country.value);
    writeEdited(record.regNum, shown.regNum);
    writeEdited(record.telemetryFreqHz, shown.telemetryFreqHz);
    writeEdited(record.loggerFreqHz, shown.loggerFreqHz);
    if (shown.motorPolesIndex.edited)
        record.motorPoles = quint16(2 * (shown.motorPolesIndex.value + 1));
    writeEdited(record.settingsSet, shown.settingsSet);
    quint8 bits = record.controlBits;
    if (shown.rpmSensCompLevel.edited)
        bits = quint8((bits & ~kCompLevelMask) | ((shown.rpmSensCompLevel.value << kCompLevelShift) & kCompLevelMask));
    if (shown.slowdownDirection.edited)
        bits = quint8((bits & ~kDirectionMask) | ((shown.slowdownDirection.value << kDirectionShift) & kDirectionMask));
    if (shown.ppmOut1ServoMode.edited)
        bits = quint8((bits & ~kServoModeMask) | (shown.ppmOut1ServoMode.value & kServoModeMask));
    record.controlBits = bits;
    if (shown.slowdownTimeMs.edited)
        record.slowdownTime = quint8(shown.slowdownTimeMs.value / kSlowdownStepMs);
    return record;
}

int frequencyItem(const QStringList &items, int hz)
{
    const int index = int(items.indexOf(QString::number(hz)));
    return index < 0 ? 0 : index;
}

QString maxLoggerWriteTime(quint16 loggerMemoryBlocks, int frequencyHz)
{
    if (frequencyHz <= 0)
        return QStringLiteral("--:--:--");
    const float seconds = float(loggerMemoryBlocks) * 4096.0f * 0.03125f / float(frequencyHz);
    return QTime(0, 0).addSecs(qint64(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

PasswordWrite passwordWrite(bool groupChecked, const QString &password, const QString &repeat)
{
    if (!groupChecked)
        return PasswordWrite::None;
    return password == repeat ? PasswordWrite::Write : PasswordWrite::EntriesDiffer;
}

// ---- Limit set ----------------------------------------------------------

namespace {
constexpr int kSecondsPerDay = 86400;
constexpr std::size_t kLimitZeroedFrom = 55;
constexpr std::size_t kLimitZeroedTo = 64; // exclusive
} // namespace

LimitSetForm limitSetForm(const s_LimitSettBle &record)
{
    LimitSetForm form;
    form.name.value = recordText(record.settingsName, sizeof record.settingsName);
    form.energyWh.value = double(float(record.energyRef) / 3600.0f);
    form.startCurrent.value = double(record.startLimitCurrent);
    // A time of a day: whole seconds, wrapping past midnight.
    const double seconds = std::isfinite(record.raceTime) ? std::fmod(std::trunc(double(record.raceTime)), kSecondsPerDay) : 0;
    form.raceTimeS.value = seconds < 0 ? int(seconds) + kSecondsPerDay : int(seconds);
    form.rampMod.value = record.rampMod;
    form.rampDownTime.value = record.rampDownTime;
    form.limitTime.value = record.limitTime;
    form.resetByBattDisconn.value = record.resetByBattDisconn != 0;
    form.aecEnable.value = record.aecEnable != 0;
    form.aecMaxStartConsumption.value = record.aecMaxStartConsumption;
    form.aecAdditionalTime.value = record.aecAdditionalTime;
    form.aecMinDuty.value = record.aecMinDuty;
    return form;
}

s_LimitSettBle limitSetKept(const s_LimitSettBle &record)
{
    s_LimitSettBle kept = record;
    auto *bytes = reinterpret_cast<quint8 *>(&kept);
    std::memset(bytes + kLimitZeroedFrom, 0, kLimitZeroedTo - kLimitZeroedFrom);
    return kept;
}

s_LimitSettBle limitSetRecord(const s_LimitSettBle &kept, const LimitSetForm &shown)
{
    s_LimitSettBle record = limitSetKept(kept);
    if (shown.name.edited)
        setFieldText(record.settingsName, sizeof record.settingsName, shown.name.value);
    if (shown.energyWh.edited) {
        // As the form shows it, to the joule.
        const double wh = qBound(0.0, shown.energyWh.value, kMaxEnergyWh);
        record.energyRef = quint32(std::llround(wh * 3600.0));
    }
    writeEdited(record.startLimitCurrent, shown.startCurrent);
    writeEdited(record.raceTime, shown.raceTimeS);
    writeEdited(record.rampMod, shown.rampMod);
    writeEdited(record.rampDownTime, shown.rampDownTime);
    writeEdited(record.limitTime, shown.limitTime);
    writeEdited(record.resetByBattDisconn, shown.resetByBattDisconn);
    writeEdited(record.aecEnable, shown.aecEnable);
    writeEdited(record.aecMaxStartConsumption, shown.aecMaxStartConsumption);
    writeEdited(record.aecAdditionalTime, shown.aecAdditionalTime);
    writeEdited(record.aecMinDuty, shown.aecMinDuty);
    return record;
}

bool limitFieldsEditable(int set)
{
    return set >= 6;
}

bool aecEditable(const s_DeviceInfoBle &info)
{
    return info.block[0].versionWord60 >= 0x0300;
}

// ---- Motor drive ---------------------------------------------------------

MotorDriveForm motorDriveForm(const s_MotorDriveSettBle &record)
{
    MotorDriveForm form;
    form.becVoltage.value = record.becVoltage;
    form.motorDriveMode.value = record.motorDriveMode;
    form.maxRefDuty.value = double(record.maxRefDuty);
    form.maxRefRpm.value = truncatedToInt(double(record.maxRefRpm), 0, 100000);
    form.maxRefPhCurr.value = double(record.maxRefPhCurr);
    form.maxRefDcCurr.value = double(record.maxRefDcCurr);
    form.maxRefDcPower.value = double(record.maxRefDcPower);
    form.voltageCutoffThreshold.value = double(record.voltageCutoffThreshold);
    form.antiCarrot.value = record.antiCarrot != 0;
    form.rescueFlash.value = record.rescueFlash != 0;
    return form;
}

s_MotorDriveSettBle motorDriveRecord(const s_MotorDriveSettBle &kept, const MotorDriveForm &shown)
{
    s_MotorDriveSettBle record = kept;
    writeEdited(record.antiCarrot, shown.antiCarrot);
    writeEdited(record.rescueFlash, shown.rescueFlash);
    writeEdited(record.becVoltage, shown.becVoltage);
    writeEdited(record.motorDriveMode, shown.motorDriveMode);
    writeEdited(record.maxRefDcCurr, shown.maxRefDcCurr);
    writeEdited(record.maxRefDcPower, shown.maxRefDcPower);
    writeEdited(record.maxRefDuty, shown.maxRefDuty);
    writeEdited(record.maxRefPhCurr, shown.maxRefPhCurr);
    writeEdited(record.voltageCutoffThreshold, shown.voltageCutoffThreshold);
    writeEdited(record.maxRefRpm, shown.maxRefRpm);
    return record;
}

// ---- PPM positions -------------------------------------------------------

s_PpmSettBle ppmPart(const s_MotorDriveSettBle &record)
{
    s_PpmSettBle ppm;
    std::memcpy(&ppm, &record, sizeof ppm);
    return ppm;
}

s_MotorDriveSettBle withPpmPart(s_MotorDriveSettBle record, const s_PpmSettBle &ppm)
{
    std::memcpy(&record, &ppm, sizeof ppm);
    return record;
}

PpmForm ppmForm(const s_PpmSettBle &record)
{
    PpmForm form;
    form.fullThrottle.value = double(record.fullThrottlePosition);
    form.stop.value = double(record.stopPosition);
    form.failSafe.value = double(record.failSafePosition);
    form.maxTiming.value = double(record.maxTimingPosition);
    form.minTiming.value = double(record.minTimingPosition);
    return form;
}

s_PpmSettBle ppmRecord(const s_PpmSettBle &kept, const PpmForm &shown)
{
    s_PpmSettBle record = kept;
    writeEdited(record.fullThrottlePosition, shown.fullThrottle);
    writeEdited(record.stopPosition, shown.stop);
    writeEdited(record.failSafePosition, shown.failSafe);
    writeEdited(record.maxTimingPosition, shown.maxTiming);
    writeEdited(record.minTimingPosition, shown.minTiming);
    return record;
}

// ---- Motor ---------------------------------------------------------------

MotorForm motorForm(const s_MotorSettBle &record)
{
    MotorForm form;
    form.rotateDirection.value = record.rotateDirection;
    form.rpmToVolt.value = record.rpmToVolt;
    form.polesIndex.value = int(record.poles / 2) - 1;
    form.qepInitOffset.value = record.qepInitOffset;
    form.qepDirection.value = record.qepDirection;
    form.phaseOffset.value = record.phaseOffset;
    form.timingMode.value = record.timingMode;
    form.timingFixedValue.value = double(record.timingFixedValue);
    form.timingMaxBoost.value = double(record.timingMaxBoost);
    return form;
}

s_MotorSettBle motorRecord(const s_MotorSettBle &kept, const MotorForm &shown)
{
    s_MotorSettBle record = kept;
    writeEdited(record.rotateDirection, shown.rotateDirection);
    writeEdited(record.qepDirection, shown.qepDirection);
    writeEdited(record.timingMode, shown.timingMode);
    if (shown.polesIndex.edited)
        record.poles = quint16(2 * (shown.polesIndex.value + 1));
    writeEdited(record.rpmToVolt, shown.rpmToVolt);
    writeEdited(record.qepInitOffset, shown.qepInitOffset);
    writeEdited(record.phaseOffset, shown.phaseOffset);
    writeEdited(record.timingFixedValue, shown.timingFixedValue);
    writeEdited(record.timingMaxBoost, shown.timingMaxBoost);
    return record;
}

// ---- Timing table --------------------------------------------------------

QString stepLabel(int i, double step)
{
    return QString::number(i * step, 'g', 6);
}

QString loadedCellText(quint16 value)
{
    return QString::number(qMin<int>(value, kMaxCellValue));
}

QString cappedCellText(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > kMaxCellValue ? QString::number(kMaxCellValue) : text;
}

quint16 cellValue(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    return ok ? quint16(qMin<uint>(value, 0xFFFF)) : 0;
}

} // namespace SettingsRecords
