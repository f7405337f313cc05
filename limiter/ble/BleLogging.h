#pragma once

#include <QLoggingCategory>

// The BLE seam and its Qt Bluetooth backend.
Q_DECLARE_LOGGING_CATEGORY(lcBle)
