#pragma once

#include <QSettings>
#include <QString>

// Settings that both programs read and write: the scope they share and the
// logs folder the device program saves into and the viewer browses.

// The shared scope: organization "Velmora", application "RADEvadazo".
QSettings sharedSettings();

// The logs folder: "logs_dir" of the shared scope, or
// "<documents>/ZIDIrezud/logs" when that is empty or unset.
QString logsDirectory();
void storeLogsDirectory(const QString &directory);
