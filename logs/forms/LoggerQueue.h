#pragma once

// The rules of the logger page that need no widget: which sessions the device
// holds, which of them a queue takes, how a queue item looks, the read speed
// text and which log files of the folder belong to the device.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>

namespace LoggerQueue {

// Flag under Qt::UserRole of a device list item.
enum QueueFlag : int { NotQueued = 0, Queued = 1 };

// What a device list item shows by its background.
enum class ItemState {
    NotQueued,    // white
    Queued,       // yellow
    Reading,      // dark yellow
    Saved,        // green: read, checked and saved
    ChecksumFail, // read and saved, but the data failed its checksum
    SaveFailed,   // read, but the file could not be written
};

QColor itemColour(ItemState state);

// A request that gets no start status within this time counts as not
// answered. A device starts streaming within a few connection intervals; even
// a link at the longest interval BLE allows (4 s) answers well within it.
inline constexpr std::chrono::milliseconds kStartAnswerTimeout{15000};
// During a read, a gap without data or status this long means the device
// stopped sending. A working link delivers a packet every connection
// interval, at most 4 s apart.
inline constexpr std::chrono::milliseconds kDataGapTimeout{10000};

// The session numbers from last down to first, both included (newest first);
// none when last is below first.
QList<std::uint32_t> deviceSessions(std::uint32_t firstSession, std::uint32_t lastSession);

// Whether "Read New Logs" queues a device session: it does unless the folder
// list holds an item with exactly that text (a complete log of it).
bool queuedAsNew(const QString &sessionText, const QStringList &folderTexts);

// The folder list text of a log file of this device, or an empty text when
// the file is not listed: its name must start with the device's name as log
// files carry it, then "_"; the part after the last "_" up to the first "."
// is the session number, with "x" behind it for an incomplete race.
QString folderItemText(const QString &fileName, const QString &deviceName);

// "Log read speed: %1 kbit/s" with bits per second / 1024, shortest form.
QString readSpeedText(std::uint32_t bitsPerSecond);

} // namespace LoggerQueue
