#pragma once

#include "FirmwareInfo.h"

#include <QList>
#include <QVersionNumber>

// The entries of the update index that one table of the update page lists.
struct FirmwareChoice
{
    // Newest first.
    QList<FirmwareInfo> entries;
    // The row to preselect: the first entry with the highest firmware
    // version (by its package hash); -1 when there are no entries.
    int recommendedRow = -1;
};

// The entries of `type` whose hardware version (major.minor) is a prefix of
// the device's hardware version, sorted by date, newest first.
FirmwareChoice chooseFirmware(const QList<FirmwareInfo> &index, FirmwareType type,
                              const QVersionNumber &deviceHardware);
