#include "PackageBuilder.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>

#include "Crc32.h"

namespace PackageBuilder {

QByteArray zip(const Entries &entries)
{
    QByteArray out;
    QByteArray directory;
    QDataStream file(&out, QIODevice::WriteOnly);
    QDataStream central(&directory, QIODevice::WriteOnly);
    file.setByteOrder(QDataStream::LittleEndian);
    central.setByteOrder(QDataStream::LittleEndian);
    const quint16 dosDate = (1 << 5) | 1; // 1980-01-01

    for (const auto &[name, data] : entries) {
        const QByteArray rawName = name.toUtf8();
        const quint32 offset = static_cast<quint32>(out.size());
        const quint32 crc = checksum::crc32(data);
        const auto size = static_cast<quint32>(data.size());

        file << quint32(0x04034b50) << quint16(20) << quint16(0) << quint16(0) << quint16(0) << dosDate << crc
             << size << size << quint16(rawName.size()) << quint16(0);
        file.writeRawData(rawName.constData(), int(rawName.size()));
        file.writeRawData(data.constData(), int(data.size()));

        central << quint32(0x02014b50) << quint16(20) << quint16(20) << quint16(0) << quint16(0) << quint16(0)
                << dosDate << crc << size << size << quint16(rawName.size()) << quint16(0) << quint16(0)
                << quint16(0) << quint16(0) << quint32(0) << offset;
        central.writeRawData(rawName.constData(), int(rawName.size()));
    }

    const auto directoryOffset = static_cast<quint32>(out.size());
    file.writeRawData(directory.constData(), int(directory.size()));
    file << quint32(0x06054b50) << quint16(0) << quint16(0) << quint16(entries.size()) << quint16(entries.size())
         << quint32(directory.size()) << directoryOffset << quint16(0);
    return out;
}

QByteArray manifest(const QString &kind, const QString &datName, const QString &binName)
{
    return QStringLiteral(R"({"manifest": {"%1": {"bin_file": "%3", "dat_file": "%2"}}})")
        .arg(kind, datName, binName)
        .toUtf8();
}

QByteArray standard(const QString &datName, const QByteArray &dat, const QString &binName, const QByteArray &bin,
                    const QString &kind)
{
    return zip({{QStringLiteral("manifest.json"), manifest(kind, datName, binName)}, {datName, dat}, {binName, bin}});
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace PackageBuilder
