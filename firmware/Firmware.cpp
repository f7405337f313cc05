#include "Firmware.h"

#include "FirmwareLogging.h"
#include "ZipArchive.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace {

QByteArray toByteArray(const std::vector<char> &bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A member that the manifest must name: present and not null. A value that
// is not a string names no entry.
bool entryName(const QJsonObject &object, const char *key, std::string &name)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull())
        return false;
    name = value.toString().toStdString();
    return true;
}

// The text of a part that is larger than any real one (status 3, like the
// zip layer's own refusal of huge entries).
QString tooLarge(const QString &name, quint64 size, const char *what, qint64 limit)
{
    return QStringLiteral("%1 is %2 bytes, larger than any %3 (at most %4 bytes)")
        .arg(name)
        .arg(size)
        .arg(QLatin1String(what))
        .arg(limit);
}

} // namespace

Firmware::Firmware(const QString &path)
{
    m_status = load(path);
    if (m_status != FirmwareLoaded) {
        m_initData.clear();
        m_imageData.clear();
    }
    qCDebug(lcFwPackage).noquote() << path << statusText();
}

FirmwareLoadStatus Firmware::load(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return FirmwareFileMissing;
    if (file.isFile() && file.size() > kMaxPackageSize) {
        m_message = tooLarge(file.fileName(), quint64(file.size()), "firmware package", kMaxPackageSize);
        return FirmwareZipError;
    }

    try {
        Zippy::ZipArchive archive(QFile::encodeName(path).toStdString());
        if (!archive.IsOpen())
            return FirmwareArchiveNotOpen;
        // An entry is refused on the size the archive states for it, before
        // a byte of it is inflated.
        const auto fits = [&](const std::string &name, const char *what, qint64 limit) {
            const std::uint64_t size = archive.GetEntrySize(name);
            if (size <= quint64(limit))
                return true;
            m_message = tooLarge(QString::fromStdString(name), size, what, limit);
            return false;
        };

        const std::string manifestName = "manifest.json";
        if (!archive.HasEntry(manifestName))
            return FirmwareNoManifest;
        if (!fits(manifestName, "manifest", kMaxManifestSize))
            return FirmwareZipError;
        const std::string text = archive.GetEntry(manifestName).GetDataAsText();
        if (text.empty())
            return FirmwareNoManifest;

        const QJsonObject top = QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
        if (top.isEmpty())
            return FirmwareManifestBroken;
        const QJsonObject manifest = top.value(QLatin1String("manifest")).toObject();
        if (manifest.isEmpty())
            return FirmwareManifestBroken;
        const QJsonObject application = manifest.value(QLatin1String("application")).toObject();
        const QJsonObject bootloader = manifest.value(QLatin1String("bootloader")).toObject();
        if (application.isEmpty() && bootloader.isEmpty())
            return FirmwareManifestBroken;
        m_application = application.isEmpty() ? 0 : 1;
        const QJsonObject &chosen = m_application ? application : bootloader;

        std::string datName;
        std::string binName;
        if (!entryName(chosen, "dat_file", datName) || !entryName(chosen, "bin_file", binName))
            return FirmwareManifestBroken;

        if (!archive.HasEntry(datName))
            return FirmwareNoInitFile;
        if (!fits(datName, "init packet", kMaxInitSize))
            return FirmwareZipError;
        m_initData = toByteArray(archive.GetEntry(datName).GetData());
        if (m_initData.isEmpty())
            return FirmwareNoInitFile;

        if (!archive.HasEntry(binName))
            return FirmwareNoImageFile;
        if (!fits(binName, "firmware image", kMaxImageSize))
            return FirmwareZipError;
        m_imageData = toByteArray(archive.GetEntry(binName).GetData());
        if (m_imageData.isEmpty())
            return FirmwareNoImageFile;

        return FirmwareLoaded;
    } catch (const std::exception &e) {
        // Zip layer failures, and anything else the archive throws (such as
        // running out of memory on a huge entry), are a status, never thrown.
        m_message = QString::fromLocal8Bit(e.what());
        return FirmwareZipError;
    }
}

QString Firmware::statusText() const
{
    return statusText(m_status, m_message);
}

QString Firmware::statusText(int32_t status, const QString &message)
{
    switch (status) {
    case FirmwareNotLoaded:
        return QStringLiteral("File is not loaded");
    case FirmwareFileMissing:
        return QStringLiteral("File does not exist");
    case FirmwareArchiveNotOpen:
        return QStringLiteral("File is broken");
    case FirmwareZipError:
        return message;
    case FirmwareNoManifest:
        return QStringLiteral("No manifest file (manifest.json) in the archive");
    case FirmwareManifestBroken:
        return QStringLiteral("Manifest.json is broken");
    case FirmwareNoInitFile:
        return QStringLiteral("No init file (*.dat) in the archive");
    case FirmwareNoImageFile:
        return QStringLiteral("No firmware file (*.bin) in the archive");
    case FirmwareLoaded:
        return QStringLiteral("File successully loaded");
    default:
        return QStringLiteral("Unknown error: %1").arg(status);
    }
}
