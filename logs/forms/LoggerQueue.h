#pragma once

// How the logger page shows the download: the device list items' colours,
// texts and queue flags, the read speed text, and which log files of the
// folder belong to the device.

#include "LogDownload.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace LoggerQueue {

// Flag under Qt::UserRole of a device list item.
enum QueueFlag : int { NotQueued = 0, Queued = 1 };

using SessionState = LogDownload::SessionState;

QColor itemColour(SessionState state);
QueueFlag queueFlag(SessionState state);
// The session number, with what became of it where it was not read whole.
QString itemText(std::uint32_t session, SessionState state);

// A log file of this device in the folder: its name starts with the device's
// name as log files carry it, then "_"; the part after the last "_" up to the
// first "." is the session number, with "x" behind it for an incomplete log.
struct FolderLog {
    std::uint32_t session = 0;
    bool complete = true;
};
std::optional<FolderLog> folderLog(const QString &fileName, const QString &deviceName);

// The folder list text of a log file of this device, or an empty text when
// the file is not listed.
QString folderItemText(const QString &fileName, const QString &deviceName);

// "Log read speed: %1 kbit/s" with bits per second / 1024, shortest form.
QString readSpeedText(std::uint32_t bitsPerSecond);

} // namespace LoggerQueue
