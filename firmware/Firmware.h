#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <cstdint>

// Outcome of loading a firmware package.
enum FirmwareLoadStatus : int32_t {
    FirmwareNotLoaded = 0,
    FirmwareFileMissing = 1,
    FirmwareArchiveNotOpen = 2,
    FirmwareZipError = 3,
    FirmwareNoManifest = 4,
    FirmwareManifestBroken = 5,
    FirmwareNoInitFile = 6,
    FirmwareNoImageFile = 7,
    FirmwareLoaded = 8,
};

// One firmware package (a zip with "manifest.json", an init packet and an
// image) loaded into memory in one step. Loading never throws and never
// creates or changes a file; the outcome is the status.
class Firmware
{
public:
    // Bounds of what loading takes, checked on the sizes the file and the
    // archive state before anything is inflated or parsed. A Secure DFU
    // bootloader runs on chips with at most 1 MiB of flash (the largest of
    // the family), which also holds the bootloader itself and the radio
    // stack: no image for a device can be larger. An init packet is one
    // command object of a few hundred bytes (a bootloader takes 512 at most;
    // one flash page of 4 KiB bounds it), a manifest a few hundred bytes of
    // JSON. A package file holds its image, compressed or stored, and may
    // carry a second one of that size (a radio stack beside a bootloader):
    // 4 MiB leaves room for both.
    static constexpr qint64 kMaxImageSize = 1 << 20;
    static constexpr qint64 kMaxInitSize = 4096;
    static constexpr qint64 kMaxManifestSize = 64 * 1024;
    static constexpr qint64 kMaxPackageSize = 4 << 20;

    explicit Firmware(const QString &path);
    Firmware(const Firmware &) = delete;
    Firmware &operator=(const Firmware &) = delete;

    bool isLoaded() const { return m_status == FirmwareLoaded; }
    FirmwareLoadStatus status() const { return m_status; }
    QString statusText() const;
    static QString statusText(int32_t status, const QString &message = QString());

    QByteArray initData() const { return m_initData; }
    QByteArray imageData() const { return m_imageData; }
    // Nonzero for an application image, zero for a bootloader image.
    int32_t isApplication() const { return m_application; }

private:
    FirmwareLoadStatus load(const QString &path);

    QByteArray m_initData;
    QByteArray m_imageData;
    QString m_message; // the zip layer's text, with FirmwareZipError only
    FirmwareLoadStatus m_status = FirmwareNotLoaded;
    int32_t m_application = 0;
};

Q_DECLARE_METATYPE(Firmware *)
