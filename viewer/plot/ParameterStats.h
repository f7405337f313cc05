#pragma once

// Statistics of one plotted parameter over the cursor interval, plus the
// value under the cursor. For the time column the keys are in seconds: min and
// max are the interval's ends, delta their difference, cursor the key at the
// mouse; avg is not shown there.
struct ParameterStats
{
    double min = 0.0;
    double max = 0.0;
    double avg = 0.0;
    double delta = 0.0;
    double cursor = 0.0;
};
