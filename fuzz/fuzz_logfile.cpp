// A log file as a user might drop it into the logs folder, through every
// reader that opens one: the device program's metadata reader, the viewer's
// catalogue, and the plot's sample reader on the streamed "data.json".

#include "FuzzSupport.h"

#include "LogCatalogue.h"
#include "LogFile.h"
#include "LogSamples.h"
#include "ZipEntryStream.h"

#include <nlohmann/json.hpp>

#include <QDateTime>

namespace {

class CountingSink : public SampleSink
{
public:
    void begin(qint64 count) override { m_announced = count; }
    void sample(const SampleRecord &record) override
    {
        ++m_samples;
        for (int i = 0; i < record.numericValues; ++i)
            m_sum += record.values[i];
    }

    qint64 m_announced = 0;
    qint64 m_samples = 0;
    double m_sum = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::startApplication();
    const QString path = fuzz::writeScratchFile(QStringLiteral("input.verira"), data, size);

    try {
        const LogSession session = readLogMetadata(path);
        (void)logDateTime(session.header().time, session.header().date);
    } catch (const std::exception &) {
    }

    try {
        nlohmann::json metadata;
        if (readCatalogueMetadata(path, metadata))
            (void)logListRow(fuzz::scratchDir(), path, metadata, QDateTime::currentDateTime());
    } catch (const std::exception &) {
    }

    try {
        const std::string file = QFile::encodeName(path).toStdString();
        ZipEntryStream stream(file, "data.json");
        CountingSink sink;
        streamSamples([&stream](const char *&begin, const char *&end) { return stream.next(begin, end); }, 32,
                      [] { return qint64(0); }, sink);
    } catch (const std::exception &) {
    }
    return 0;
}
