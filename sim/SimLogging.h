#pragma once

#include <QLoggingCategory>

// The simulated radio and devices.
Q_DECLARE_LOGGING_CATEGORY(lcSim)
