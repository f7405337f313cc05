#include "ZipEntryStream.h"

#include <zip.h>

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace Zippy {

namespace {

std::string archiveErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

// The name of an entry that the archive holds twice, empty when every name is
// unique. Which of two such entries a reader gets is up to the reader, so such
// an archive is not read at all.
std::string duplicateName(zip *archive)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    std::unordered_set<std::string_view> names;
    names.reserve(static_cast<std::size_t>(std::max<zip_int64_t>(count, 0)));
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (name && !names.insert(name).second)
            return name;
    }
    return {};
}

// The index of the first entry whose stored name is `name`, -1 if none.
zip_int64_t findEntry(zip_t *archive, const std::string &name)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *stored = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_RAW);
        if (stored && name == stored)
            return i;
    }
    return -1;
}

} // namespace

ZipEntryStream::ZipEntryStream(const std::string &path, const std::string &entry)
{
    int code = 0;
    m_archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (!m_archive)
        throw ZipStreamError(archiveErrorText(code));
    auto fail = [this, &entry](const std::string &reason) {
        close();
        throw ZipStreamError(entry + ": " + reason);
    };
    const std::string duplicate = duplicateName(m_archive);
    if (!duplicate.empty()) {
        close();
        throw ZipStreamError("Entry name appears more than once: " + duplicate);
    }
    // Names are matched by their stored bytes, as the zip layer does (libzip's
    // own look-up compares names converted from code page 437).
    const zip_int64_t index = findEntry(m_archive, entry);
    if (index < 0)
        fail(archiveErrorText(ZIP_ER_NOENT));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_archive, zip_uint64_t(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        fail(zip_strerror(m_archive));
    m_size = stat.size;
    m_file = zip_fopen_index(m_archive, zip_uint64_t(index), 0);
    if (!m_file)
        fail(zip_strerror(m_archive));
}

void ZipEntryStream::readAhead(int chunks)
{
    if (m_thread.joinable() || m_current || chunks <= 0)
        return;
    m_aheadChunks = chunks;
    m_thread = std::thread(&ZipEntryStream::run, this);
}

ZipEntryStream::~ZipEntryStream()
{
    if (m_thread.joinable()) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    close();
}

void ZipEntryStream::close()
{
    if (m_file)
        zip_fclose(m_file);
    m_file = nullptr;
    if (m_archive)
        zip_discard(m_archive);
    m_archive = nullptr;
}

bool ZipEntryStream::readChunk(Chunk &chunk, std::string &error)
{
    chunk.used = 0;
    while (chunk.used < chunk.bytes.size()) {
        const zip_int64_t n = zip_fread(m_file, chunk.bytes.data() + chunk.used, chunk.bytes.size() - chunk.used);
        if (n < 0) {
            error = zip_file_strerror(m_file);
            return false;
        }
        if (n == 0) {
            // The entry ends where the archive says, as the zip layer checks:
            // a damaged entry may inflate to fewer bytes without a CRC error.
            if (m_read != m_size) {
                error = archiveErrorText(ZIP_ER_EOF);
                return false;
            }
            break;
        }
        chunk.used += static_cast<std::size_t>(n);
        m_read += static_cast<std::uint64_t>(n);
        if (m_read > m_size) {
            error = archiveErrorText(ZIP_ER_INCONS);
            return false;
        }
    }
    return true;
}

void ZipEntryStream::run()
{
    for (;;) {
        std::unique_ptr<Chunk> chunk;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            // Chunks are made as the reader falls behind, up to the limit.
            m_changed.wait(lock, [this] { return m_stopping || !m_free.empty() || m_chunksMade < m_aheadChunks; });
            if (m_stopping)
                return;
            if (!m_free.empty()) {
                chunk = std::move(m_free.front());
                m_free.pop_front();
            } else {
                ++m_chunksMade;
            }
        }
        if (!chunk) {
            chunk = std::make_unique<Chunk>();
            chunk->bytes.resize(kChunkSize);
        }
        std::string error;
        const bool ok = readChunk(*chunk, error);
        const bool atEnd = !ok || chunk->used == 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!ok)
                m_error = error.empty() ? std::string("read error") : error;
            if (chunk->used > 0 && ok)
                m_filled.push_back(std::move(chunk));
            else
                m_free.push_back(std::move(chunk));
            if (atEnd)
                m_finished = true;
        }
        m_changed.notify_all();
        if (atEnd)
            return;
    }
}

bool ZipEntryStream::next(const char *&begin, const char *&end)
{
    if (m_aheadChunks == 0) {
        if (!m_current) {
            m_current = std::make_unique<Chunk>();
            m_current->bytes.resize(kChunkSize);
        }
        std::string error;
        if (!readChunk(*m_current, error))
            throw ZipStreamError(error.empty() ? std::string("read error") : error);
        begin = m_current->bytes.data();
        end = begin + m_current->used;
        return m_current->used > 0;
    }

    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_current) {
        m_free.push_back(std::move(m_current));
        m_changed.notify_all();
    }
    m_changed.wait(lock, [this] { return !m_filled.empty() || m_finished; });
    if (m_filled.empty()) {
        if (!m_error.empty())
            throw ZipStreamError(m_error);
        return false;
    }
    m_current = std::move(m_filled.front());
    m_filled.pop_front();
    begin = m_current->bytes.data();
    end = begin + m_current->used;
    return true;
}

} // namespace Zippy
