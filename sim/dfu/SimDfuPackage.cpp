#include "SimDfuPackage.h"

#include "ZipArchive.h"

#include <QFile>
#include <QRandomGenerator>

#include <exception>

namespace SimDfuPackage {

bool write(const QString &path, const QByteArray &image, uint16_t firmwareVersion, SimDfuInit::ImageType type,
           const QByteArray &init)
{
    const QByteArray initPacket = init.isEmpty() ? SimDfuInit::make(image, firmwareVersion, type) : init;
    const char *kind = type == SimDfuInit::Application ? "application" : "bootloader";
    const std::string manifest = std::string(R"({"manifest": {")") + kind
                                 + R"(": {"bin_file": "image.bin", "dat_file": "image.dat"}}})";
    try {
        QFile::remove(path);
        Zippy::ZipArchive archive;
        archive.Create(QFile::encodeName(path).toStdString());
        archive.AddEntry("manifest.json", manifest);
        archive.AddEntry("image.dat", initPacket.toStdString());
        archive.AddEntry("image.bin", image.toStdString());
        archive.Save();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

QByteArray image(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(random.bounded(256));
    return bytes;
}

} // namespace SimDfuPackage
