#pragma once

#include <QString>

// A D-Bus message bus daemon of this process' own, made the process' system
// bus: DBUS_SYSTEM_BUS_ADDRESS points at it before anything connects to the
// system bus, so QDBusConnection::systemBus() (and Qt Bluetooth with it)
// talks to it and never to the machine's bus. The daemon is started once,
// at the first start(), and lives as long as the process; it dies with the
// process even when the process crashes.
class PrivateSystemBus
{
public:
    // The path of the dbus-daemon executable, empty when it is not installed.
    static QString daemonPath();

    // Starts the daemon (once) and exports its address. False, with *error
    // set, when it cannot run or when the process' system bus connection
    // turns out to lead to another bus (it was opened before the start).
    static bool start(QString *error);

    // The bus address, empty before a successful start().
    static QString address();
};
