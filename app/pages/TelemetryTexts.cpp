#include "TelemetryTexts.h"

#include <QTime>

namespace telemetry {

QString fixed(double value, int decimals)
{
    // QString::number always formats in the C locale.
    return QString::number(value, 'f', decimals);
}

QString shortest(double value)
{
    return QString::number(value, 'g', 6);
}

QString raceTimeText(quint32 milliseconds)
{
    constexpr quint32 kDayMs = 24u * 60u * 60u * 1000u;
    if (milliseconds >= kDayMs)
        return QString();
    return QTime::fromMSecsSinceStartOfDay(int(milliseconds)).toString(QStringLiteral("hh:mm:ss"));
}

RaceState raceState(const s_TelemetryBle &record)
{
    if (record.limitingCompleteFlag)
        return RaceState::LimitingComplete;
    if (record.limitingEngagedFlag)
        return RaceState::LimitingEngaged;
    if (record.rampdownFlag)
        return RaceState::Rampdown;
    if (record.raceFlag)
        return RaceState::Race;
    return RaceState::Ready;
}

} // namespace telemetry
