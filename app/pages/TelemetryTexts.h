#pragma once

#include "DeviceRecords.h"

#include <QString>

// Number and time formats of the telemetry pages: a point as decimal
// separator and no digit grouping, whatever the user's locale.
namespace telemetry {

// Fixed notation with `decimals` decimals ("12.500").
QString fixed(double value, int decimals);

// Shortest form with six significant digits ("0.123457", "1.5e+07").
QString shortest(double value);

// Milliseconds after midnight as "hh:mm:ss"; a full day or more gives an
// empty text.
QString raceTimeText(quint32 milliseconds);

// The race state a telemetry record reports; the first flag that holds wins,
// from "limiting complete" down to "race", otherwise the boat is ready.
enum class RaceState { Ready, Race, Rampdown, LimitingEngaged, LimitingComplete };
RaceState raceState(const s_TelemetryBle &record);

} // namespace telemetry
