// An archive read by the zip layer and by the plot's entry stream: where both
// accept it, every entry has the same bytes in both.

#include "FuzzSupport.h"

#include "ZipArchive.h"
#include "ZipEntryStream.h"

#include <string>
#include <vector>

namespace {

// The entry's bytes through the stream; false when the stream refuses it.
bool streamed(const std::string &file, const std::string &name, std::string &out)
{
    try {
        Zippy::ZipEntryStream stream(file, name);
        const char *begin = nullptr;
        const char *end = nullptr;
        while (stream.next(begin, end))
            out.append(begin, end);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::startApplication();
    const std::string file =
        QFile::encodeName(fuzz::writeScratchFile(QStringLiteral("input.zip"), data, size)).toStdString();

    std::vector<std::string> names;
    Zippy::ZipArchive archive;
    try {
        archive.Open(file);
        names = archive.GetEntryNames(false, true);
    } catch (const std::exception &) {
        return 0;
    }
    for (const std::string &name : names) {
        std::string whole;
        bool wholeRead = true;
        try {
            whole = archive.GetEntry(name).GetDataAsText();
        } catch (const std::exception &) {
            wholeRead = false;
        }
        std::string chunks;
        const bool streamRead = streamed(file, name, chunks);
        // The zip layer refuses an empty file entry; the stream hands out
        // its no bytes.
        if (wholeRead && streamRead && whole != chunks)
            fuzz::mismatch("an entry reads differently in the zip layer and the stream");
        if (wholeRead && !streamRead)
            fuzz::mismatch("the stream refuses an entry the zip layer reads");
        if (!wholeRead && streamRead && !chunks.empty())
            fuzz::mismatch("the zip layer refuses an entry the stream reads");
    }
    return 0;
}
