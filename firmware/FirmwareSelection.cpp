#include "FirmwareSelection.h"

#include <algorithm>

FirmwareChoice chooseFirmware(const QList<FirmwareInfo> &index, FirmwareType type,
                              const QVersionNumber &deviceHardware)
{
    QList<FirmwareInfo> ofType;
    for (const FirmwareInfo &info : index) {
        if (info.type == type)
            ofType.append(info);
    }
    std::stable_sort(ofType.begin(), ofType.end(),
                     [](const FirmwareInfo &a, const FirmwareInfo &b) { return a.date > b.date; });

    FirmwareChoice choice;
    // The recommendation starts as an empty version; an equal version does
    // not replace an earlier one, so the first entry met with the highest
    // version wins.
    QVersionNumber recommendedVersion;
    QByteArray recommendedHash;
    for (const FirmwareInfo &info : ofType) {
        if (!info.hardwareVersion.isPrefixOf(deviceHardware))
            continue;
        choice.entries.append(info);
        if (QVersionNumber::compare(info.firmwareVersion, recommendedVersion) > 0) {
            recommendedVersion = info.firmwareVersion;
            recommendedHash = info.hash;
        }
    }
    for (int row = 0; row < choice.entries.size(); ++row) {
        if (choice.entries.at(row).hash == recommendedHash) {
            choice.recommendedRow = row;
            break;
        }
    }
    return choice;
}
