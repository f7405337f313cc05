#pragma once

// Builds zip archives byte by byte, with stored (uncompressed) entries, so a
// test can make the archives no well-behaved writer makes: names that are not
// UTF-8, duplicate names, sizes that lie.

#include "Crc32.h"

#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <optional>
#include <vector>

struct HandMadeEntry
{
    HandMadeEntry(QByteArray name_, QByteArray data_, std::optional<std::uint32_t> announcedSize_ = {})
        : name(std::move(name_)), data(std::move(data_)), announcedSize(announcedSize_)
    {
    }

    QByteArray name; // stored as it is, without the UTF-8 flag
    QByteArray data;
    // The size the headers announce; the real one when unset.
    std::optional<std::uint32_t> announcedSize;
};

inline QByteArray handMadeZip(const std::vector<HandMadeEntry> &entries)
{
    const auto u16 = [](QByteArray &out, std::uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    const auto u32 = [](QByteArray &out, std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    QByteArray file;
    QByteArray central;
    for (const HandMadeEntry &e : entries) {
        const std::uint32_t crc = checksum::crc32(e.data);
        const auto size = std::uint32_t(e.data.size());
        const std::uint32_t announced = e.announcedSize.value_or(size);
        const std::uint16_t flags = 0;
        const auto offset = std::uint32_t(file.size());
        // Local header: signature, version, flags, method 0 (stored), time,
        // date, CRC, sizes, name length, extra length.
        u32(file, 0x04034b50);
        u16(file, 20);
        u16(file, flags);
        u16(file, 0);
        u16(file, 0);
        u16(file, 0x21);
        u32(file, crc);
        u32(file, size);
        u32(file, announced);
        u16(file, std::uint16_t(e.name.size()));
        u16(file, 0);
        file += e.name;
        file += e.data;

        u32(central, 0x02014b50);
        u16(central, 20);
        u16(central, 20);
        u16(central, flags);
        u16(central, 0);
        u16(central, 0);
        u16(central, 0x21);
        u32(central, crc);
        u32(central, size);
        u32(central, announced);
        u16(central, std::uint16_t(e.name.size()));
        u16(central, 0); // extra
        u16(central, 0); // comment
        u16(central, 0); // disk
        u16(central, 0); // internal attributes
        u32(central, 0); // external attributes
        u32(central, offset);
        central += e.name;
    }
    const auto centralOffset = std::uint32_t(file.size());
    file += central;
    u32(file, 0x06054b50);
    u16(file, 0);
    u16(file, 0);
    u16(file, std::uint16_t(entries.size()));
    u16(file, std::uint16_t(entries.size()));
    u32(file, std::uint32_t(central.size()));
    u32(file, centralOffset);
    u16(file, 0);
    return file;
}
