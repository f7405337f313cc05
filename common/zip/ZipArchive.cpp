#include "ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Zippy {

namespace {

// Deflate level of entries compressed on saving (zlib's own default).
constexpr int kCompressionLevel = 6;

// Longer names are refused: no log file or firmware package comes near it,
// and every folder level of a name becomes an entry of its own in memory.
constexpr std::size_t kMaxNameLength = 511;

// The folder entries that the names of an archive bring into memory, in bytes
// of their names all together. Real archives use a few hundred; a hostile one
// could otherwise make every prefix of thousands of long names an entry.
constexpr std::size_t kMaxDirectoryNameBytes = 1 << 20;

// The most bytes one entry may hold once extracted. The largest log a device
// can hold is some 150 MB of text.
constexpr std::uint64_t kMaxEntrySize = std::uint64_t(1) << 30;

// A name as it may appear in an error text: printable ASCII kept, other bytes
// as \xNN, long names shortened.
std::string shownName(const std::string &name)
{
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : name.substr(0, 64)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            out += c;
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0f];
        }
    }
    if (name.size() > 64)
        out += "...";
    return out;
}

std::string errorText(zip_error_t *error)
{
    std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

std::string errorText(int zipError, int systemError = 0)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_error_set(&error, zipError, systemError);
    return errorText(&error);
}

[[noreturn]] void throwRuntime(zip_error_t *error)
{
    throw ZipRuntimeError(errorText(error));
}

[[noreturn]] void throwRuntime(int zipError, int systemError = 0)
{
    throw ZipRuntimeError(errorText(zipError, systemError));
}

// Opens an archive file for reading only; never creates one.
zip_t *openReader(const std::string &path, int flags = 0)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_file_create(path.c_str(), 0, -1, &error);
    if (!source)
        throwRuntime(&error);
    zip_t *archive = zip_open_from_source(source, ZIP_RDONLY | flags, &error);
    if (!archive) {
        zip_source_free(source);
        throwRuntime(&error);
    }
    zip_error_fini(&error);
    return archive;
}

bool isDirectoryName(const std::string &name)
{
    return !name.empty() && name.back() == '/';
}

Impl::ZipEntryInfo newEntryInfo(const std::string &name)
{
    Impl::ZipEntryInfo info;
    info.name = name;
    info.modified = std::time(nullptr);
    info.isDirectory = isDirectoryName(name);
    return info;
}

// The folder part of a path, separator included; empty for a bare file name.
std::string directoryOf(const std::string &path)
{
#ifdef _WIN32
    const auto pos = path.find_last_of("/\\");
#else
    const auto pos = path.find_last_of('/');
#endif
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

// Reads an open entry to its end. libzip checks the CRC when the end of the
// data is reached, so the last read must be the one that returns 0.
void readToEnd(zip_file_t *file, std::uint64_t expectedSize, std::vector<char> *out)
{
    constexpr std::uint64_t kChunk = 1 << 20;
    std::vector<char> scratch;
    if (!out)
        scratch.resize(kChunk);
    std::uint64_t total = 0;
    for (;;) {
        char *buffer = scratch.data();
        std::uint64_t room = kChunk;
        if (out) {
            // Never grow past the announced size: one byte of room past it is
            // enough to notice an entry that holds more than it says.
            room = std::min<std::uint64_t>(kChunk, expectedSize - std::min(expectedSize, total)) + 1;
            try {
                out->resize(total + room);
            } catch (const std::bad_alloc &) {
                zip_fclose(file);
                throwRuntime(ZIP_ER_MEMORY);
            }
            buffer = out->data() + total;
        }
        const zip_int64_t n = zip_fread(file, buffer, room);
        if (n < 0) {
            const std::string text = zip_file_strerror(file);
            zip_fclose(file);
            throw ZipRuntimeError(text);
        }
        if (out)
            out->resize(total + static_cast<std::uint64_t>(n));
        if (n == 0)
            break;
        total += static_cast<std::uint64_t>(n);
        if (total > expectedSize) {
            zip_fclose(file);
            throwRuntime(ZIP_ER_INCONS);
        }
    }
    const int closed = zip_fclose(file);
    if (closed != 0)
        throwRuntime(closed);
    if (total != expectedSize)
        throwRuntime(ZIP_ER_EOF);
}

// Reads every entry of the archive at path back and checks it.
void validateArchive(const std::string &path, std::uint64_t expectedEntries)
{
    zip_t *archive = openReader(path, ZIP_CHECKCONS);
    try {
        const zip_int64_t count = zip_get_num_entries(archive, 0);
        if (count < 0 || static_cast<std::uint64_t>(count) != expectedEntries)
            throwRuntime(ZIP_ER_INCONS);
        for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
            zip_stat_t st;
            if (zip_stat_index(archive, i, 0, &st) != 0)
                throwRuntime(zip_get_error(archive));
            zip_file_t *file = zip_fopen_index(archive, i, 0);
            if (!file)
                throwRuntime(zip_get_error(archive));
            readToEnd(file, st.size, nullptr);
        }
    } catch (...) {
        zip_discard(archive);
        throw;
    }
    zip_discard(archive);
}

// The archive libzip will not write: no entries, only the end record.
void writeEmptyArchive(const std::string &path)
{
    static const char kEndRecord[22] = {'P', 'K', 5, 6};
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(kEndRecord, sizeof kEndRecord);
    out.close();
    if (!out)
        throwRuntime(ZIP_ER_WRITE, errno);
}

// Makes sure the bytes of a written file are on the disk before it replaces
// the target.
void syncFile(const std::string &path)
{
#ifndef _WIN32
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)path;
#endif
}

} // namespace

Impl::ZipEntry::ZipEntry(ZipEntryInfo info_, std::vector<char> data_, bool modified_)
    : info(std::move(info_)), data(std::move(data_)), modified(modified_), loaded(modified_)
{
}

ZipArchive::ZipArchive() = default;

ZipArchive::ZipArchive(const std::string &path)
{
    Open(path);
}

ZipArchive::~ZipArchive()
{
    Close();
}

void ZipArchive::requireOpen(const char *operation) const
{
    if (!m_open)
        throw ZipLogicError(std::string("Cannot call ") + operation + " on empty ZipArchive object!");
}

void ZipArchive::closeReader()
{
    if (m_zip) {
        zip_discard(m_zip);
        m_zip = nullptr;
    }
}

void ZipArchive::Close()
{
    closeReader();
    m_entries.clear();
    m_byName.clear();
    m_directoryNameBytes = 0;
    m_path.clear();
    m_open = false;
}

void ZipArchive::Create(const std::string &path)
{
    Close();
    m_path = path;
    m_open = true;
}

void ZipArchive::Open(const std::string &path)
{
    Close();
    m_zip = openReader(path);
    m_path = path;
    m_open = true;
    try {
        const zip_int64_t count = zip_get_num_entries(m_zip, 0);
        // libzip takes a file of no bytes for an empty archive; it is none.
        if (count == 0) {
            std::error_code ec;
            if (std::filesystem::file_size(path, ec) == 0 && !ec)
                throwRuntime(ZIP_ER_NOZIP);
        }
        for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(std::max<zip_int64_t>(count, 0)); ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            // The name's bytes as stored, not converted from code page 437:
            // saving writes them back unchanged.
            if (zip_stat_index(m_zip, i, ZIP_FL_ENC_RAW, &st) != 0)
                throwRuntime(zip_get_error(m_zip));
            Impl::ZipEntryInfo info;
            info.name = (st.valid & ZIP_STAT_NAME) && st.name ? st.name : "";
            if (info.name.size() > kMaxNameLength)
                throw ZipRuntimeError("Entry name longer than " + std::to_string(kMaxNameLength)
                                      + " bytes: " + shownName(info.name));
            info.index = i;
            info.uncompressedSize = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
            info.compressedSize = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : 0;
            info.crc32 = (st.valid & ZIP_STAT_CRC) ? st.crc : 0;
            info.compressionMethod = (st.valid & ZIP_STAT_COMP_METHOD) ? st.comp_method : 0;
            info.modified = (st.valid & ZIP_STAT_MTIME) ? st.mtime : 0;
            info.isDirectory = isDirectoryName(info.name);
            info.isEncrypted = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
            info.inArchive = true;
            // Two entries of one name would let each reader pick another
            // one (a log's title from one session, its samples from another).
            if (!m_byName.emplace(info.name, m_entries.size()).second)
                throw ZipRuntimeError("Entry name appears more than once: " + shownName(info.name));
            m_entries.emplace_back(std::move(info), std::vector<char>(), false);
        }

        // The parent directories of every file, in memory only.
        const std::size_t fileCount = m_entries.size();
        for (std::size_t i = 0; i < fileCount; ++i) {
            if (!m_entries[i].info.isDirectory)
                addParentDirectories(m_entries[i].info.name);
        }
    } catch (...) {
        Close();
        throw;
    }
}

Impl::ZipEntry *ZipArchive::findEntry(const std::string &name)
{
    const auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : &m_entries[it->second];
}

Impl::ZipEntry &ZipArchive::appendEntry(Impl::ZipEntry entry)
{
    m_byName.emplace(entry.info.name, m_entries.size());
    m_entries.push_back(std::move(entry));
    return m_entries.back();
}

void ZipArchive::addParentDirectories(std::string name)
{
    // Every directory in the list has its own parents in it too, so the walk
    // up stops at the first one found; the missing ones are added from the
    // top down. The cost is that of the directories added, never the square
    // of a name's length.
    std::vector<std::size_t> missing;
    auto end = name.size() > 1 ? name.find_last_of('/', name.size() - 2) : std::string::npos;
    if (isDirectoryName(name) && !findEntry(name))
        end = name.size() - 1;
    for (; end != std::string::npos; end = end == 0 ? std::string::npos : name.find_last_of('/', end - 1)) {
        if (m_byName.count(name.substr(0, end + 1)))
            break;
        missing.push_back(end + 1);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        m_directoryNameBytes += *it;
        if (m_directoryNameBytes > kMaxDirectoryNameBytes)
            throw ZipRuntimeError("Entry names hold more folder levels than an archive of this kind can have");
        appendEntry(Impl::ZipEntry(newEntryInfo(name.substr(0, *it)), std::vector<char>(), true));
    }
}

ZipEntry ZipArchive::AddEntry(const std::string &name, const std::string &data)
{
    return AddEntry(name, std::vector<char>(data.begin(), data.end()));
}

ZipEntry ZipArchive::AddEntry(const std::string &name, const std::vector<char> &data)
{
    return AddEntry(name, std::vector<char>(data));
}

ZipEntry ZipArchive::AddEntry(const std::string &name, std::vector<char> &&data)
{
    requireOpen("AddEntry");
    if (name.empty() || name.size() > kMaxNameLength || name.find('\0') != std::string::npos)
        throwRuntime(ZIP_ER_INVAL);

    addParentDirectories(name);

    Impl::ZipEntry *entry = findEntry(name);
    if (entry) {
        entry->data = std::move(data);
        entry->modified = true;
        entry->loaded = true;
    } else {
        entry = &appendEntry(Impl::ZipEntry(newEntryInfo(name), std::move(data), true));
    }
    return ZipEntry(entry);
}

void ZipArchive::readEntryData(Impl::ZipEntry &entry)
{
    if (entry.info.uncompressedSize > kMaxEntrySize)
        throw ZipRuntimeError("Entry too large: " + shownName(entry.info.name) + " announces "
                              + std::to_string(entry.info.uncompressedSize) + " bytes");
    zip_file_t *file = zip_fopen_index(m_zip, entry.info.index, 0);
    if (!file)
        throw ZipRuntimeError(zip_strerror(m_zip));
    // The buffer grows with the bytes actually read: the size an archive
    // announces is not trusted with an allocation of its own.
    std::vector<char> data;
    readToEnd(file, entry.info.uncompressedSize, &data);
    entry.data = std::move(data);
    entry.loaded = true;
}

ZipEntry ZipArchive::GetEntry(const std::string &name)
{
    requireOpen("GetEntry");
    Impl::ZipEntry *entry = findEntry(name);
    if (!entry)
        throwRuntime(ZIP_ER_NOENT);
    if (!entry->loaded && !entry->info.isDirectory && entry->info.inArchive && m_zip)
        readEntryData(*entry);
    if (!entry->info.isDirectory && entry->data.empty())
        throw ZipRuntimeError("Entry is empty");
    return ZipEntry(entry);
}

std::vector<std::string> ZipArchive::GetEntryNames(bool includeDirectories, bool includeFiles) const
{
    requireOpen("GetEntryNames");
    std::vector<std::string> names;
    for (const auto &entry : m_entries) {
        if (entry.info.isDirectory ? includeDirectories : includeFiles)
            names.push_back(entry.info.name);
    }
    return names;
}

bool ZipArchive::HasEntry(const std::string &name) const
{
    requireOpen("HasEntry");
    return m_byName.count(name) != 0;
}

const Impl::ZipEntry &ZipArchive::existingEntry(const std::string &name, const char *operation) const
{
    requireOpen(operation);
    const auto it = m_byName.find(name);
    if (it == m_byName.end())
        throwRuntime(ZIP_ER_NOENT);
    return m_entries[it->second];
}

std::uint64_t ZipArchive::GetEntrySize(const std::string &name) const
{
    const Impl::ZipEntry &entry = existingEntry(name, "GetEntrySize");
    return entry.loaded || !entry.info.inArchive ? entry.data.size() : entry.info.uncompressedSize;
}

std::uint32_t ZipArchive::GetEntryCrc32(const std::string &name) const
{
    const Impl::ZipEntry &entry = existingEntry(name, "GetEntryCrc32");
    if (!entry.info.inArchive || entry.modified)
        throw ZipLogicError("GetEntryCrc32: the entry " + name + " is not in the archive file");
    return entry.info.crc32;
}

std::string ZipArchive::randomTempName()
{
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::mt19937 generator(device());
    std::uniform_int_distribution<int> pick(0, 35);
    std::string name(20, ' ');
    for (char &c : name)
        c = kAlphabet[pick(generator)];
    return name + ".tmp";
}

void ZipArchive::writeArchive(const std::string &tempPath)
{
    int errorCode = 0;
    zip_t *out = zip_open(tempPath.c_str(), ZIP_CREATE | ZIP_EXCL, &errorCode);
    if (!out)
        throwRuntime(errorCode, errno);

    auto fail = [out]() {
        const std::string text = zip_strerror(out);
        zip_discard(out);
        throw ZipRuntimeError(text);
    };

    // Directories are implied by the names of the files.
    std::uint64_t written = 0;
    for (const auto &entry : m_entries) {
        if (entry.info.isDirectory)
            continue;
        ++written;
        zip_source_t *source = nullptr;
        if (entry.modified)
            source = zip_source_buffer(out, entry.data.data(), entry.data.size(), 0);
        else
            source = zip_source_zip(out, m_zip, entry.info.index, ZIP_FL_COMPRESSED, 0, -1);
        if (!source)
            fail();
        const zip_int64_t index = zip_file_add(out, entry.info.name.c_str(), source, ZIP_FL_ENC_GUESS);
        if (index < 0) {
            zip_source_free(source);
            fail();
        }
        const auto i = static_cast<zip_uint64_t>(index);
        if (entry.modified) {
            if (zip_set_file_compression(out, i, ZIP_CM_DEFLATE, kCompressionLevel) != 0
                || zip_file_set_mtime(out, i, entry.info.modified, 0) != 0)
                fail();
        } else if (zip_set_file_compression(out, i, entry.info.compressionMethod, 0) != 0) {
            // The same method as in the source: libzip then takes the data as it is.
            fail();
        }
    }

    if (written == 0) {
        zip_discard(out);
        writeEmptyArchive(tempPath);
        return;
    }
    if (zip_close(out) != 0)
        fail();
}

void ZipArchive::Save(std::string path)
{
    requireOpen("Save");
    if (path.empty())
        path = m_path;
    const std::string tempPath = directoryOf(path) + randomTempName();

    writeArchive(tempPath);

    const auto fileEntries = static_cast<std::uint64_t>(std::count_if(
        m_entries.begin(), m_entries.end(), [](const Impl::ZipEntry &entry) { return !entry.info.isDirectory; }));
    // A file that fails here stays beside the target for inspection; the
    // target itself is untouched.
    validateArchive(tempPath, fileEntries);
    syncFile(tempPath);

#ifdef _WIN32
    // A file that is open cannot be replaced here.
    const bool readerWasOpen = m_zip != nullptr;
    closeReader();
#endif
    // Replaces the target in one step: there is no moment without a file.
    std::error_code ec;
    std::filesystem::rename(tempPath, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(tempPath, ignored);
#ifdef _WIN32
        if (readerWasOpen)
            m_zip = openReader(m_path);
#endif
        throw ZipRuntimeError("Renaming temporary file failed: " + ec.message());
    }
    Close();
    Open(path);
}

} // namespace Zippy
