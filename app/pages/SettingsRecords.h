#pragma once

#include "DeviceRecords.h"

#include <QString>
#include <QStringList>
#include <QVersionNumber>


// The rules by which the settings pages fill their widgets from a record and
// build the record to write back, without any widget: each page describes
// what its widgets show as a plain "form" structure.
//
// Every page keeps the record it was last filled with. Building the record
// starts from the kept record and writes only the fields the user edited
// since that fill, as the form shows them; a field the user did not touch
// goes back byte for byte as it came, not as a spin box clamped or rounded
// it. Before the first record every field is written from the form.

namespace SettingsRecords {

// One value of a form as its widget shows it, and whether the user edited
// that widget since the page was last filled. A form made from a record
// (for the fill) leaves `edited` as it is; only building a record reads it.
template <typename T>
struct Field {
    T value{};
    bool edited = true;
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
    Field<QString> userName;
    Field<QString> country;
    Field<int> regNum;
    Field<int> settingsSet;      // item index
    Field<int> telemetryFreqHz;  // the number of the current item
    Field<int> loggerFreqHz;     // the number of the current item
    Field<int> motorPolesIndex;  // poles = 2 x (index + 1)
    Field<int> rpmSensCompLevel; // item index
    Field<int> slowdownDirection;
    Field<int> ppmOut1ServoMode;
    Field<int> slowdownTimeMs;
};

CommonForm commonForm(const s_CommonSettBle &record);
s_CommonSettBle commonRecord(const s_CommonSettBle &kept, const CommonForm &shown);

// The item of a frequency box whose text is hz in decimal; 0 when none is.
int frequencyItem(const QStringList &items, int hz);

// The maximum logger write time, "hh:mm:ss" after midnight (wrapping at
// 24 hours); "--:--:--" without a frequency.
QString maxLoggerWriteTime(quint16 loggerMemoryBlocks, int frequencyHz);

// What "Save settings" does with the password entries.
enum class PasswordWrite { None, Write, EntriesDiffer };
PasswordWrite passwordWrite(bool groupChecked, const QString &password, const QString &repeat);

// ---- Limit set ----------------------------------------------------------

// The most UTF-8 bytes the name edit of a set takes: one less than the
// field, so a name typed on the page always ends in a zero byte.
constexpr int kMaxSetNameBytes = int(sizeof(s_LimitSettBle::settingsName)) - 1;

// The largest energy limit energyRef can hold, in whole watt-hours.
constexpr double kMaxEnergyWh = 1193046.0;

struct LimitSetForm {
    Field<QString> name;
    Field<double> energyWh;
    Field<double> startCurrent;
    Field<int> raceTimeS; // seconds after midnight of the time edit
    Field<int> rampMod;
    Field<int> rampDownTime;
    Field<int> limitTime;
    Field<bool> resetByBattDisconn;
    Field<bool> aecEnable;
    Field<int> aecMaxStartConsumption;
    Field<int> aecAdditionalTime;
    Field<int> aecMinDuty;
};

LimitSetForm limitSetForm(const s_LimitSettBle &record);
// Bytes 55 to 63 are zero in what the page keeps and writes.
s_LimitSettBle limitSetKept(const s_LimitSettBle &record);
s_LimitSettBle limitSetRecord(const s_LimitSettBle &kept, const LimitSetForm &shown);
// The page's groups: limiter fields for the user sets, AEC from version 3.0.
bool limitFieldsEditable(int set);
bool aecEditable(const s_DeviceInfoBle &info);

// ---- Motor drive ---------------------------------------------------------

struct MotorDriveForm {
    Field<int> becVoltage;
    Field<int> motorDriveMode;
    Field<double> maxRefDuty;
    Field<int> maxRefRpm;
    Field<double> maxRefPhCurr;
    Field<double> maxRefDcCurr;
    Field<double> maxRefDcPower;
    Field<double> voltageCutoffThreshold;
    Field<bool> antiCarrot;
    Field<bool> rescueFlash;
};

MotorDriveForm motorDriveForm(const s_MotorDriveSettBle &record);
s_MotorDriveSettBle motorDriveRecord(const s_MotorDriveSettBle &kept, const MotorDriveForm &shown);

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
    Field<double> fullThrottle;
    Field<double> stop;
    Field<double> failSafe;
    Field<double> maxTiming;
    Field<double> minTiming;
};

PpmForm ppmForm(const s_PpmSettBle &record);
s_PpmSettBle ppmRecord(const s_PpmSettBle &kept, const PpmForm &shown);

// ---- Motor ---------------------------------------------------------------

struct MotorForm {
    Field<int> rotateDirection;
    Field<int> rpmToVolt;
    Field<int> polesIndex; // poles = 2 x (index + 1)
    Field<int> qepInitOffset;
    Field<int> qepDirection;
    Field<int> phaseOffset;
    Field<int> timingMode;
    Field<double> timingFixedValue;
    Field<double> timingMaxBoost;
};

MotorForm motorForm(const s_MotorSettBle &record);
s_MotorSettBle motorRecord(const s_MotorSettBle &kept, const MotorForm &shown);

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
