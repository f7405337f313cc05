#pragma once

#include "DeviceRecords.h"

#include <QString>
#include <QStringList>
#include <QVersionNumber>

#include <optional>

// The rules by which the settings pages fill their widgets from a record and
// build the record to write back, without any widget: each page describes
// what its widgets show as a plain "form" structure.
//
// Every page keeps the record it was handed and the form as its widgets
// showed it right after the fill. Building the record starts from the kept
// record and writes only the fields whose shown value differs from the filled
// one, so a field the user did not touch goes back byte for byte as it came,
// not as a spin box clamped or rounded it. Before the first record there is
// nothing filled and every field is written from the form.

namespace SettingsRecords {

// Whether a member of a form was changed since the fill (always, without one).
template<typename Form>
class Edits
{
public:
    Edits(const std::optional<Form> &filled, const Form &shown)
        : m_filled(filled), m_shown(shown)
    {
    }
    template<typename T>
    bool operator()(T Form::*member) const
    {
        return !m_filled || !(m_shown.*member == (*m_filled).*member);
    }

private:
    const std::optional<Form> &m_filled;
    const Form &m_shown;
};

// Writes text into a fixed text field: its UTF-8 bytes, cut after the last
// whole character that fits, the rest zero. A text that fills the field
// exactly keeps no terminating zero.
void setFieldText(char *field, int size, const QString &text);

// A float narrowed to an int in [low, high] without undefined behaviour:
// truncated toward zero, NaN as low.
int truncatedToInt(double value, int low, int high);

// ---- Common settings ----------------------------------------------------

// The DOV logger is told apart from the limiter by its hardware version.
bool isDovLoggerHardware(const QVersionNumber &hardwareVersion);

struct CommonForm {
    QString userName;
    QString country;
    int regNum = 0;
    int settingsSet = 0;      // item index
    int telemetryFreqHz = 0;  // the number of the current item
    int loggerFreqHz = 0;     // the number of the current item
    int motorPolesIndex = 0;  // poles = 2 x (index + 1)
    int rpmSensCompLevel = 0; // item index
    int slowdownDirection = 0;
    int ppmOut1ServoMode = 0;
    int slowdownTimeMs = 0;
};

CommonForm commonForm(const s_CommonSettBle &record);
s_CommonSettBle commonRecord(const s_CommonSettBle &kept, const std::optional<CommonForm> &filled,
                             const CommonForm &shown);

// The item of a frequency box whose text is hz in decimal; 0 when none is.
int frequencyItem(const QStringList &items, int hz);

// The maximum logger write time, "hh:mm:ss" after midnight (wrapping at
// 24 hours); "--:--:--" without a frequency.
QString maxLoggerWriteTime(quint16 loggerMemoryBlocks, int frequencyHz);

// What "Save settings" does with the password entries.
enum class PasswordWrite { None, Write, EntriesDiffer };
PasswordWrite passwordWrite(bool groupChecked, const QString &password, const QString &repeat);

// ---- Limit set ----------------------------------------------------------

// The largest energy limit energyRef can hold, in whole watt-hours.
constexpr double kMaxEnergyWh = 1193046.0;

struct LimitSetForm {
    QString name;
    double energyWh = 0;
    double startCurrent = 0;
    int raceTimeS = 0; // seconds after midnight of the time edit
    int rampMod = 0;
    int rampDownTime = 0;
    int limitTime = 0;
    bool resetByBattDisconn = false;
    bool aecEnable = false;
    int aecMaxStartConsumption = 0;
    int aecAdditionalTime = 0;
    int aecMinDuty = 0;
};

LimitSetForm limitSetForm(const s_LimitSettBle &record);
// Bytes 55 to 63 are zero in what the page keeps and writes.
s_LimitSettBle limitSetKept(const s_LimitSettBle &record);
s_LimitSettBle limitSetRecord(const s_LimitSettBle &kept, const std::optional<LimitSetForm> &filled,
                              const LimitSetForm &shown);
// The page's groups: limiter fields for the user sets, AEC from version 3.0.
bool limitFieldsEditable(int set);
bool aecEditable(const s_DeviceInfoBle &info);

// ---- Motor drive ---------------------------------------------------------

struct MotorDriveForm {
    int becVoltage = 0;
    int motorDriveMode = 0;
    double maxRefDuty = 0;
    int maxRefRpm = 0;
    double maxRefPhCurr = 0;
    double maxRefDcCurr = 0;
    double maxRefDcPower = 0;
    double voltageCutoffThreshold = 0;
    bool antiCarrot = false;
    bool rescueFlash = false;
};

MotorDriveForm motorDriveForm(const s_MotorDriveSettBle &record);
s_MotorDriveSettBle motorDriveRecord(const s_MotorDriveSettBle &kept, const std::optional<MotorDriveForm> &filled,
                                     const MotorDriveForm &shown);

// ---- PPM positions -------------------------------------------------------

// The first 24 bytes of the motor drive record: the five positions of the
// PPM inputs (ms) and the four reserved bytes after them.
#pragma pack(push, 1)
struct s_PpmSettBle {
    float fullThrottlePosition;
    float stopPosition;
    float failSafePosition;
    float maxTimingPosition;
    float minTimingPosition;
    quint8 reserved20[4];
};
#pragma pack(pop)
static_assert(sizeof(s_PpmSettBle) == 24);
static_assert(offsetof(s_PpmSettBle, minTimingPosition) == offsetof(s_MotorDriveSettBle, minTimingPosition));
static_assert(offsetof(s_PpmSettBle, reserved20) == offsetof(s_MotorDriveSettBle, reserved20));

s_PpmSettBle ppmPart(const s_MotorDriveSettBle &record);
// record with its first 24 bytes replaced by ppm.
s_MotorDriveSettBle withPpmPart(s_MotorDriveSettBle record, const s_PpmSettBle &ppm);

struct PpmForm {
    double fullThrottle = 0;
    double stop = 0;
    double failSafe = 0;
    double maxTiming = 0;
    double minTiming = 0;
};

PpmForm ppmForm(const s_PpmSettBle &record);
s_PpmSettBle ppmRecord(const s_PpmSettBle &kept, const std::optional<PpmForm> &filled, const PpmForm &shown);

// ---- Motor ---------------------------------------------------------------

struct MotorForm {
    int rotateDirection = 0;
    int rpmToVolt = 0;
    int polesIndex = 0; // poles = 2 x (index + 1)
    int qepInitOffset = 0;
    int qepDirection = 0;
    int phaseOffset = 0;
    int timingMode = 0;
    double timingFixedValue = 0;
    double timingMaxBoost = 0;
};

MotorForm motorForm(const s_MotorSettBle &record);
s_MotorSettBle motorRecord(const s_MotorSettBle &kept, const std::optional<MotorForm> &filled,
                           const MotorForm &shown);

// ---- Timing table --------------------------------------------------------

// The highest value a cell of the timing table is edited to.
constexpr int kMaxCellValue = 50;

// A header label of the timing table: i x step in its shortest form with at
// most six significant digits.
QString stepLabel(int i, double step);
// The text of a cell loaded from the table (values above 50 as 50).
QString loadedCellText(quint16 value);
// A cell text the user entered, held to 50.
QString cappedCellText(const QString &text);
// A cell text as the table stores it (0 when it is no number).
quint16 cellValue(const QString &text);

} // namespace SettingsRecords
