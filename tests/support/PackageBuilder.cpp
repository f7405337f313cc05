#include "PackageBuilder.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>

#include "Crc32.h"

#include <zlib.h>

#include <algorithm>
#include <vector>

namespace PackageBuilder {

namespace {

struct Entry
{
    QByteArray name;
    QByteArray data; // as stored in the archive
    quint16 method = 0;
    quint32 crc = 0;
    quint32 size = 0; // uncompressed
};

QByteArray archive(const QList<Entry> &entries)
{
    QByteArray out;
    QByteArray directory;
    QDataStream file(&out, QIODevice::WriteOnly);
    QDataStream central(&directory, QIODevice::WriteOnly);
    file.setByteOrder(QDataStream::LittleEndian);
    central.setByteOrder(QDataStream::LittleEndian);
    const quint16 dosDate = (1 << 5) | 1; // 1980-01-01

    for (const Entry &entry : entries) {
        const QByteArray &rawName = entry.name;
        const quint32 offset = static_cast<quint32>(out.size());
        const auto stored = static_cast<quint32>(entry.data.size());

        file << quint32(0x04034b50) << quint16(20) << quint16(0) << entry.method << quint16(0) << dosDate
             << entry.crc << stored << entry.size << quint16(rawName.size()) << quint16(0);
        file.writeRawData(rawName.constData(), int(rawName.size()));
        file.writeRawData(entry.data.constData(), int(entry.data.size()));

        central << quint32(0x02014b50) << quint16(20) << quint16(20) << quint16(0) << entry.method << quint16(0)
                << dosDate << entry.crc << stored << entry.size << quint16(rawName.size()) << quint16(0)
                << quint16(0) << quint16(0) << quint16(0) << quint32(0) << offset;
        central.writeRawData(rawName.constData(), int(rawName.size()));
    }

    const auto directoryOffset = static_cast<quint32>(out.size());
    file.writeRawData(directory.constData(), int(directory.size()));
    file << quint32(0x06054b50) << quint16(0) << quint16(0) << quint16(entries.size()) << quint16(entries.size())
         << quint32(directory.size()) << directoryOffset << quint16(0);
    return out;
}

Entry stored(const QString &name, const QByteArray &data)
{
    return Entry{name.toUtf8(), data, 0, checksum::crc32(data), static_cast<quint32>(data.size())};
}

// size zero bytes as one raw deflate stream, fed to zlib a chunk at a time.
Entry deflatedZeros(const QString &name, std::uint32_t size)
{
    Entry entry{name.toUtf8(), QByteArray(), 8, 0, size};
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    const std::vector<unsigned char> zeros(1 << 20, 0);
    std::vector<unsigned char> out(1 << 16);
    uLong crc = crc32(0, nullptr, 0);
    std::uint64_t left = size;
    int flush = Z_NO_FLUSH;
    do {
        const auto chunk = static_cast<uInt>(std::min<std::uint64_t>(left, zeros.size()));
        left -= chunk;
        crc = crc32(crc, zeros.data(), chunk);
        flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        stream.next_in = const_cast<unsigned char *>(zeros.data());
        stream.avail_in = chunk;
        do {
            stream.next_out = out.data();
            stream.avail_out = static_cast<uInt>(out.size());
            deflate(&stream, flush);
            entry.data.append(reinterpret_cast<const char *>(out.data()),
                              static_cast<qsizetype>(out.size() - stream.avail_out));
        } while (stream.avail_out == 0);
    } while (flush != Z_FINISH);
    deflateEnd(&stream);
    entry.crc = static_cast<quint32>(crc);
    return entry;
}

} // namespace

QByteArray zip(const Entries &entries)
{
    QList<Entry> stores;
    for (const auto &[name, data] : entries)
        stores.append(stored(name, data));
    return archive(stores);
}

QByteArray zeroImagePackage(std::uint32_t imageSize, std::uint32_t statedSize)
{
    Entry image = deflatedZeros(QStringLiteral("app.bin"), imageSize);
    if (statedSize != 0)
        image.size = statedSize;
    return archive({stored(QStringLiteral("manifest.json"),
                           manifest(QStringLiteral("application"), QStringLiteral("app.dat"), QStringLiteral("app.bin"))),
                    stored(QStringLiteral("app.dat"), QByteArray("init")), image});
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
