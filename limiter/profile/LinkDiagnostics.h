#pragma once

#include <QBluetoothUuid>
#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

// LimiterDevice: connection, set-up, records and writes.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)

// A logging category as Qt's macros take it (lcDevice, ...).
using LogCategory = const QLoggingCategory &(*)();

// "serivce discovered " and the UUID: the one line the device link and the
// DFU client write for every service a controller discovers.
void logServiceDiscovered(LogCategory category, const QBluetoothUuid &uuid);

// A value as hex bytes separated by ":" ("60:04:01").
QString hexBytes(const QByteArray &value);
