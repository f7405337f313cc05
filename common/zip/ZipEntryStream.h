#pragma once

#include "ZipArchive.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct zip;
struct zip_file;

namespace Zippy {

// A failure to open an archive or to read one of its entries; one of the zip
// layer's runtime errors, with libzip's text.
class ZipStreamError : public ZipRuntimeError
{
public:
    using ZipRuntimeError::ZipRuntimeError;
};

// Reads one entry of a zip archive as a sequence of inflated chunks of 1 MiB,
// so a large entry is never held whole in memory. After readAhead() the
// inflating runs on a thread of its own, at most that many chunks ahead of the
// reader; the reader side must stay on one thread.
class ZipEntryStream
{
public:
    // `path` in the encoding of the C runtime's file functions. Throws
    // ZipStreamError when the archive cannot be opened, holds two entries of
    // one name, or lacks the entry.
    ZipEntryStream(const std::string &path, const std::string &entry);
    ~ZipEntryStream();

    ZipEntryStream(const ZipEntryStream &) = delete;
    ZipEntryStream &operator=(const ZipEntryStream &) = delete;

    // Uncompressed size of the entry as the archive states it.
    std::uint64_t size() const { return m_size; }

    // Inflates on a thread of its own from now on, up to `chunks` chunks ahead
    // of the reader. Call once, before the first next().
    void readAhead(int chunks);

    // The next chunk, valid until the following call; false at the end of the
    // entry. Throws ZipStreamError when inflating fails (a damaged entry or a
    // checksum mismatch).
    bool next(const char *&begin, const char *&end);

private:
    static constexpr std::size_t kChunkSize = 1 << 20;

    struct Chunk
    {
        std::vector<char> bytes;
        std::size_t used = 0;
    };

    bool readChunk(Chunk &chunk, std::string &error);
    void run();
    void close();

    zip *m_archive = nullptr;
    zip_file *m_file = nullptr;
    std::uint64_t m_size = 0;
    std::uint64_t m_read = 0; // bytes inflated so far, on the reading side only
    int m_aheadChunks = 0;
    int m_chunksMade = 0;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<Chunk>> m_free;
    std::deque<std::unique_ptr<Chunk>> m_filled;
    std::unique_ptr<Chunk> m_current;
    bool m_finished = false;
    bool m_stopping = false;
    std::string m_error;
    std::thread m_thread;
};

} // namespace Zippy
