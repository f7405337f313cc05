#include "SettingsRecords.h"

#include <QTime>

#include <cmath>
#include <cstring>

namespace SettingsRecords {

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
    form.userName = recordText(record.userName, sizeof record.userName);
    form.country = recordText(record.country, sizeof record.country);
    form.regNum = record.regNum;
    form.settingsSet = record.settingsSet;
    form.telemetryFreqHz = record.telemetryFreqHz;
    form.loggerFreqHz = record.loggerFreqHz;
    form.motorPolesIndex = (int(record.motorPoles) - 2) / 2;
    form.rpmSensCompLevel = (record.controlBits & kCompLevelMask) >> kCompLevelShift;
    form.slowdownDirection = (record.controlBits & kDirectionMask) >> kDirectionShift;
    form.ppmOut1ServoMode = record.controlBits & kServoModeMask;
    form.slowdownTimeMs = record.slowdownTime * kSlowdownStepMs;
    return form;
}

s_CommonSettBle commonRecord(const s_CommonSettBle &kept, const std::optional<CommonForm> &filled,
                             const CommonForm &shown)
{
    s_CommonSettBle record = kept;
    const Edits<CommonForm> edited(filled, shown);
    if (edited(&CommonForm::userName))
        setFieldText(record.userName, sizeof record.userName, shown.userName);
    if (edited(&CommonForm::country))
        setFieldText(record.country, sizeof record.country, shown.country);
    if (edited(&CommonForm::regNum))
        record.regNum = quint16(shown.regNum);
    if (edited(&CommonForm::telemetryFreqHz))
        record.telemetryFreqHz = quint8(shown.telemetryFreqHz);
    if (edited(&CommonForm::loggerFreqHz))
        record.loggerFreqHz = quint16(shown.loggerFreqHz);
    if (edited(&CommonForm::motorPolesIndex))
        record.motorPoles = quint16(2 * (shown.motorPolesIndex + 1));
    if (edited(&CommonForm::settingsSet))
        record.settingsSet = quint8(shown.settingsSet);
    quint8 bits = record.controlBits;
    if (edited(&CommonForm::rpmSensCompLevel))
        bits = quint8((bits & ~kCompLevelMask) | ((shown.rpmSensCompLevel << kCompLevelShift) & kCompLevelMask));
    if (edited(&CommonForm::slowdownDirection))
        bits = quint8((bits & ~kDirectionMask) | ((shown.slowdownDirection << kDirectionShift) & kDirectionMask));
    if (edited(&CommonForm::ppmOut1ServoMode))
        bits = quint8((bits & ~kServoModeMask) | (shown.ppmOut1ServoMode & kServoModeMask));
    record.controlBits = bits;
    if (edited(&CommonForm::slowdownTimeMs))
        record.slowdownTime = quint8(shown.slowdownTimeMs / kSlowdownStepMs);
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
    form.name = recordText(record.settingsName, sizeof record.settingsName);
    form.energyWh = double(float(record.energyRef) / 3600.0f);
    form.startCurrent = double(record.startLimitCurrent);
    // A time of a day: whole seconds, wrapping past midnight.
    const double seconds = std::isfinite(record.raceTime) ? std::fmod(std::trunc(double(record.raceTime)), kSecondsPerDay) : 0;
    form.raceTimeS = seconds < 0 ? int(seconds) + kSecondsPerDay : int(seconds);
    form.rampMod = record.rampMod;
    form.rampDownTime = record.rampDownTime;
    form.limitTime = record.limitTime;
    form.resetByBattDisconn = record.resetByBattDisconn != 0;
    form.aecEnable = record.aecEnable != 0;
    form.aecMaxStartConsumption = record.aecMaxStartConsumption;
    form.aecAdditionalTime = record.aecAdditionalTime;
    form.aecMinDuty = record.aecMinDuty;
    return form;
}

s_LimitSettBle limitSetKept(const s_LimitSettBle &record)
{
    s_LimitSettBle kept = record;
    auto *bytes = reinterpret_cast<quint8 *>(&kept);
    std::memset(bytes + kLimitZeroedFrom, 0, kLimitZeroedTo - kLimitZeroedFrom);
    return kept;
}

s_LimitSettBle limitSetRecord(const s_LimitSettBle &kept, const std::optional<LimitSetForm> &filled,
                              const LimitSetForm &shown)
{
    s_LimitSettBle record = limitSetKept(kept);
    const Edits<LimitSetForm> edited(filled, shown);
    if (edited(&LimitSetForm::name))
        setFieldText(record.settingsName, sizeof record.settingsName, shown.name);
    if (edited(&LimitSetForm::energyWh)) {
        // As the form shows it, to the joule.
        const double wh = qBound(0.0, shown.energyWh, kMaxEnergyWh);
        record.energyRef = quint32(std::llround(wh * 3600.0));
    }
    if (edited(&LimitSetForm::startCurrent))
        record.startLimitCurrent = float(shown.startCurrent);
    if (edited(&LimitSetForm::raceTimeS))
        record.raceTime = float(shown.raceTimeS);
    if (edited(&LimitSetForm::rampMod))
        record.rampMod = quint16(shown.rampMod);
    if (edited(&LimitSetForm::rampDownTime))
        record.rampDownTime = quint16(shown.rampDownTime);
    if (edited(&LimitSetForm::limitTime))
        record.limitTime = quint16(shown.limitTime);
    if (edited(&LimitSetForm::resetByBattDisconn))
        record.resetByBattDisconn = shown.resetByBattDisconn ? 1 : 0;
    if (edited(&LimitSetForm::aecEnable))
        record.aecEnable = shown.aecEnable ? 1 : 0;
    if (edited(&LimitSetForm::aecMaxStartConsumption))
        record.aecMaxStartConsumption = quint8(shown.aecMaxStartConsumption);
    if (edited(&LimitSetForm::aecAdditionalTime))
        record.aecAdditionalTime = quint8(shown.aecAdditionalTime);
    if (edited(&LimitSetForm::aecMinDuty))
        record.aecMinDuty = quint8(shown.aecMinDuty);
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
    form.becVoltage = record.becVoltage;
    form.motorDriveMode = record.motorDriveMode;
    form.maxRefDuty = double(record.maxRefDuty);
    form.maxRefRpm = truncatedToInt(double(record.maxRefRpm), 0, 100000);
    form.maxRefPhCurr = double(record.maxRefPhCurr);
    form.maxRefDcCurr = double(record.maxRefDcCurr);
    form.maxRefDcPower = double(record.maxRefDcPower);
    form.voltageCutoffThreshold = double(record.voltageCutoffThreshold);
    form.antiCarrot = record.antiCarrot != 0;
    form.rescueFlash = record.rescueFlash != 0;
    return form;
}

s_MotorDriveSettBle motorDriveRecord(const s_MotorDriveSettBle &kept, const std::optional<MotorDriveForm> &filled,
                                     const MotorDriveForm &shown)
{
    s_MotorDriveSettBle record = kept;
    const Edits<MotorDriveForm> edited(filled, shown);
    if (edited(&MotorDriveForm::antiCarrot))
        record.antiCarrot = shown.antiCarrot ? 1 : 0;
    if (edited(&MotorDriveForm::rescueFlash))
        record.rescueFlash = shown.rescueFlash ? 1 : 0;
    if (edited(&MotorDriveForm::becVoltage))
        record.becVoltage = quint16(shown.becVoltage);
    if (edited(&MotorDriveForm::motorDriveMode))
        record.motorDriveMode = quint16(shown.motorDriveMode);
    if (edited(&MotorDriveForm::maxRefDcCurr))
        record.maxRefDcCurr = float(shown.maxRefDcCurr);
    if (edited(&MotorDriveForm::maxRefDcPower))
        record.maxRefDcPower = float(shown.maxRefDcPower);
    if (edited(&MotorDriveForm::maxRefDuty))
        record.maxRefDuty = float(shown.maxRefDuty);
    if (edited(&MotorDriveForm::maxRefPhCurr))
        record.maxRefPhCurr = float(shown.maxRefPhCurr);
    if (edited(&MotorDriveForm::voltageCutoffThreshold))
        record.voltageCutoffThreshold = float(shown.voltageCutoffThreshold);
    if (edited(&MotorDriveForm::maxRefRpm))
        record.maxRefRpm = float(shown.maxRefRpm);
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
    return {double(record.fullThrottlePosition), double(record.stopPosition), double(record.failSafePosition),
            double(record.maxTimingPosition), double(record.minTimingPosition)};
}

s_PpmSettBle ppmRecord(const s_PpmSettBle &kept, const std::optional<PpmForm> &filled, const PpmForm &shown)
{
    s_PpmSettBle record = kept;
    const Edits<PpmForm> edited(filled, shown);
    if (edited(&PpmForm::fullThrottle))
        record.fullThrottlePosition = float(shown.fullThrottle);
    if (edited(&PpmForm::stop))
        record.stopPosition = float(shown.stop);
    if (edited(&PpmForm::failSafe))
        record.failSafePosition = float(shown.failSafe);
    if (edited(&PpmForm::maxTiming))
        record.maxTimingPosition = float(shown.maxTiming);
    if (edited(&PpmForm::minTiming))
        record.minTimingPosition = float(shown.minTiming);
    return record;
}

// ---- Motor ---------------------------------------------------------------

MotorForm motorForm(const s_MotorSettBle &record)
{
    MotorForm form;
    form.rotateDirection = record.rotateDirection;
    form.rpmToVolt = record.rpmToVolt;
    form.polesIndex = int(record.poles / 2) - 1;
    form.qepInitOffset = record.qepInitOffset;
    form.qepDirection = record.qepDirection;
    form.phaseOffset = record.phaseOffset;
    form.timingMode = record.timingMode;
    form.timingFixedValue = double(record.timingFixedValue);
    form.timingMaxBoost = double(record.timingMaxBoost);
    return form;
}

s_MotorSettBle motorRecord(const s_MotorSettBle &kept, const std::optional<MotorForm> &filled, const MotorForm &shown)
{
    s_MotorSettBle record = kept;
    const Edits<MotorForm> edited(filled, shown);
    if (edited(&MotorForm::rotateDirection))
        record.rotateDirection = quint16(shown.rotateDirection);
    if (edited(&MotorForm::qepDirection))
        record.qepDirection = quint16(shown.qepDirection);
    if (edited(&MotorForm::timingMode))
        record.timingMode = quint16(shown.timingMode);
    if (edited(&MotorForm::polesIndex))
        record.poles = quint16(2 * (shown.polesIndex + 1));
    if (edited(&MotorForm::rpmToVolt))
        record.rpmToVolt = quint16(shown.rpmToVolt);
    if (edited(&MotorForm::qepInitOffset))
        record.qepInitOffset = qint16(shown.qepInitOffset);
    if (edited(&MotorForm::phaseOffset))
        record.phaseOffset = qint16(shown.phaseOffset);
    if (edited(&MotorForm::timingFixedValue))
        record.timingFixedValue = float(shown.timingFixedValue);
    if (edited(&MotorForm::timingMaxBoost))
        record.timingMaxBoost = float(shown.timingMaxBoost);
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
