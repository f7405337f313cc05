#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QVersionNumber>

#include <cstdint>

// What an entry of the update index is for.
enum class FirmwareType : int32_t {
    Bootloader = 0,
    Main = 1, // main firmware of the limiter
    Esc = 2,
};

// One entry of the update index.
struct FirmwareInfo
{
    QString name;
    QString description;     // trimmed
    FirmwareType type = FirmwareType::Main;
    QVersionNumber hardwareVersion; // major.minor
    QVersionNumber firmwareVersion; // major.minor
    QDateTime date;          // midnight of the release day
    QByteArray hash;         // SHA-1 digest of the package
    QString url;
};

Q_DECLARE_METATYPE(FirmwareInfo)
