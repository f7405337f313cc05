#pragma once

// A small zip archive layer on libzip: log files and firmware packages are read
// and written through it. An archive keeps the list of its entries in memory,
// loads an entry's bytes on demand, takes new or replaced entries in memory and
// writes the whole archive back through a temporary file that replaces the
// target only after every entry of it has been read back and checked.
//
// Failures are thrown: ZipLogicError when an operation needs an open archive,
// ZipRuntimeError when the archive or an entry cannot be read or written.

#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

struct zip;

namespace Zippy {

class ZipLogicError : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};

// Carries libzip's own text for the failure ("Not a zip archive", "No such
// file", "CRC error", ...).
class ZipRuntimeError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

namespace Impl {

// What the archive knows of one entry without loading its bytes.
struct ZipEntryInfo
{
    std::string name;
    std::uint64_t index = 0;            // index in the open archive file
    std::uint64_t uncompressedSize = 0;
    std::uint64_t compressedSize = 0;
    std::uint32_t crc32 = 0;
    std::int32_t compressionMethod = 0;
    std::time_t modified = 0;
    bool isDirectory = false;
    bool isEncrypted = false;
    bool inArchive = false;             // false for entries that exist in memory only
};

class ZipEntry
{
public:
    ZipEntry() = default;
    ZipEntry(ZipEntryInfo info, std::vector<char> data, bool modified);
    ZipEntry(ZipEntry &&) noexcept = default;
    ZipEntry &operator=(ZipEntry &&) noexcept = default;
    ZipEntry(const ZipEntry &) = delete;
    ZipEntry &operator=(const ZipEntry &) = delete;
    virtual ~ZipEntry() = default;

    ZipEntryInfo info;
    std::vector<char> data;
    // Set when the bytes were given in memory and must be compressed on
    // saving; clear for an entry read from the archive and not changed since,
    // which is copied in its compressed form.
    bool modified = false;
    // Set once the bytes of an archive entry have been read.
    bool loaded = false;
};

} // namespace Impl

// A handle to an entry inside an archive. It stays valid until the archive
// adds an entry, is saved, closed or destroyed.
class ZipEntry
{
public:
    explicit ZipEntry(Impl::ZipEntry *entry) : m_entry(entry) {}
    virtual ~ZipEntry() = default;

    std::vector<char> GetData() const { return m_entry->data; }
    // The bytes as they are, no conversion and no terminator added.
    std::string GetDataAsText() const { return std::string(m_entry->data.begin(), m_entry->data.end()); }
    std::string GetName() const { return m_entry->info.name; }
    bool IsDirectory() const { return m_entry->info.isDirectory; }

private:
    Impl::ZipEntry *m_entry;
};

class ZipArchive
{
public:
    ZipArchive();
    // Opens an existing archive for reading; a missing or unreadable file, or
    // one that is no zip archive, throws ZipRuntimeError. Reading never
    // creates or changes a file.
    explicit ZipArchive(const std::string &path);
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;
    virtual ~ZipArchive();

    // Opens the archive at path read-only; an archive open before is closed.
    // On failure the archive is left closed. Names are taken as stored (no
    // conversion from code page 437). An archive is refused with a text that
    // says why when a name is longer than 511 bytes, two entries share a
    // name, or its names hold more folder levels than any real archive.
    void Open(const std::string &path);
    // Starts a new, empty archive that belongs to path. Nothing is written
    // until Save: a file already at path stays as it is until Save replaces it.
    void Create(const std::string &path);
    void Close();
    bool IsOpen() const { return m_open; }
    const std::string &GetPath() const { return m_path; }

    // Adds the entry, or replaces the bytes of the entry of that name; the
    // missing parent directories are added in memory. Names use "/" as the
    // separator, are compared byte for byte and hold 1 to 511 bytes.
    ZipEntry AddEntry(const std::string &name, const std::string &data);
    ZipEntry AddEntry(const std::string &name, const std::vector<char> &data);
    ZipEntry AddEntry(const std::string &name, std::vector<char> &&data);

    // The named entry with its bytes loaded. Throws ZipRuntimeError for a
    // missing entry, a file entry without bytes, an entry that announces more
    // than 1 GiB, and an entry that cannot be extracted completely or fails
    // its CRC.
    ZipEntry GetEntry(const std::string &name);
    std::vector<std::string> GetEntryNames(bool includeDirectories = true, bool includeFiles = true) const;
    bool HasEntry(const std::string &name) const;
    // The size in bytes of the named entry's contents without loading them:
    // for an entry of the archive file the uncompressed size it states (more
    // is never read), for an entry given in memory its bytes. Throws
    // ZipRuntimeError for a missing entry.
    std::uint64_t GetEntrySize(const std::string &name) const;
    // The CRC-32 the archive file states for the named entry's contents,
    // without loading them. Throws ZipRuntimeError for a missing entry and
    // ZipLogicError for an entry that exists in memory only.
    std::uint32_t GetEntryCrc32(const std::string &name) const;

    // Writes the archive to path (empty: its own path) by way of a temporary
    // file beside it, which is validated and then renamed over the target.
    // Afterwards the archive is open on the saved file.
    void Save(std::string path = std::string());

    // The temporary file name used by Save: 20 random characters of [a-z0-9]
    // and ".tmp".
    static std::string randomTempName();

private:
    Impl::ZipEntry *findEntry(const std::string &name);
    // The named entry of an open archive; throws as GetEntrySize does.
    const Impl::ZipEntry &existingEntry(const std::string &name, const char *operation) const;
    Impl::ZipEntry &appendEntry(Impl::ZipEntry entry);
    // Adds the missing folders above name (and name itself when it is a
    // folder), outermost first. The name is a copy: it may be that of an
    // entry, which adding to the list moves.
    void addParentDirectories(std::string name);
    void requireOpen(const char *operation) const;
    void readEntryData(Impl::ZipEntry &entry);
    void writeArchive(const std::string &tempPath);
    void closeReader();

    zip *m_zip = nullptr;
    std::string m_path;
    bool m_open = false;
    std::vector<Impl::ZipEntry> m_entries;
    // Position of the entry of each name.
    std::unordered_map<std::string, std::size_t> m_byName;
    // Bytes of the names of the folder entries added in memory.
    std::size_t m_directoryNameBytes = 0;
};

} // namespace Zippy
