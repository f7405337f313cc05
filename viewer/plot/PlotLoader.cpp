#include "PlotLoader.h"

#include "LogMetadata.h"
#include "LogSamples.h"
#include "ZipEntryStream.h"

#include <nlohmann/json.hpp>

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

using nlohmann::json;

Q_LOGGING_CATEGORY(lcPlotLoader, "viewer.plot.loader")

namespace {

json::type_error typeError(const char *expected, const char *actual)
{
    return json::type_error::create(302, std::string("type must be ") + expected + ", but is " + actual, nullptr);
}

// Turns the samples of a log into the points of its series. Points are
// appended as they come; a series that got a point out of time order is
// sorted once at the end.
class SeriesBuilder : public SampleSink
{
public:
    explicit SeriesBuilder(std::vector<std::vector<PlotPoint>> &series)
        : m_series(series)
        , m_unsorted(series.size(), false)
    {
    }

    void sample(const SampleRecord &record) override
    {
        if (m_error)
            return; // the build has failed; the rest of the text is only checked
        if (!record.isObject) {
            m_error = std::make_exception_ptr(typeError("object", record.type));
            return;
        }
        if (record.common == SampleRecord::Field::Bad) {
            m_error = std::make_exception_ptr(typeError("object", record.commonType));
            return;
        }
        if (record.time == SampleRecord::Field::Bad) {
            m_error = std::make_exception_ptr(typeError("number", record.timeType));
            return;
        }
        // A sample without a time has no place on the graphs and is passed over.
        if (record.common == SampleRecord::Field::Good && record.time == SampleRecord::Field::Good)
            addPoints(record);
    }

    std::exception_ptr error() const { return m_error; }

    // Sorts what came out of order; equal keys keep the order of their samples.
    void finish()
    {
        for (std::size_t j = 0; j < m_series.size(); ++j) {
            if (!m_unsorted[j])
                continue;
            std::stable_sort(m_series[j].begin(), m_series[j].end(),
                             [](const PlotPoint &a, const PlotPoint &b) { return a.key < b.key; });
            qCDebug(lcPlotLoader) << "series" << j << "had samples out of time order";
        }
    }

private:
    void append(std::size_t j, double key, double value)
    {
        std::vector<PlotPoint> &series = m_series[j];
        if (!series.empty() && key < series.back().key)
            m_unsorted[j] = true;
        series.push_back(PlotPoint{key, value});
    }

    void addPoints(const SampleRecord &record)
    {
        const double t = record.timeMs / 1000.0;
        const std::size_t parameterCount = m_series.size();
        // Values beyond the parameter list have no graph.
        const std::size_t valueCount = static_cast<std::size_t>(
            std::min<qint64>(record.valueCount, static_cast<qint64>(parameterCount)));
        if (t - m_previousTime > 1.0) {
            // A gap in the recording: one NaN point breaks every line.
            for (std::size_t j = 0; j < valueCount; ++j)
                append(j, m_previousTime + 0.001, std::numeric_limits<double>::quiet_NaN());
        }
        m_previousTime = t;
        // Values up to the first one that is not a number; the rest of the
        // sample is dropped.
        const std::size_t numeric = std::min(static_cast<std::size_t>(record.numericValues), parameterCount);
        for (std::size_t j = 0; j < numeric; ++j)
            append(j, t, record.values[j]);
    }

    std::vector<std::vector<PlotPoint>> &m_series;
    std::vector<bool> m_unsorted;
    std::exception_ptr m_error;
    double m_previousTime = 0.0;
};

// Chunks of data.json inflated ahead of the parse: a quarter of the text, from
// 4 to 16 MiB, so the parse rarely waits for the inflating.
int aheadChunks(quint64 size)
{
    return static_cast<int>(std::clamp<quint64>(size / (4u << 20), 4, 16));
}

} // namespace

LogPlot loadLogPlot(const QString &path, const LoadProgress &progress)
{
    const std::string file = QFile::encodeName(path).toStdString();
    LogPlot plot;
    QElapsedTimer clock;
    clock.start();

    // Opening never creates a file: a missing one is an error like any other.
    const json metadata = readLogMetadataDocument(path, LogEntries::MetadataAndData);
    plot.opened = true;
    const json &parameterList = logParameterList(metadata);

    // The data is read before any error of the metadata's shape is raised: a
    // parse error of the data comes first, then the title's, then the
    // parameter list's, then the samples'.
    std::exception_ptr titleError;
    try {
        plot.title = logSessionTitle(metadata, QStringLiteral("No Name"));
    } catch (const json::exception &) {
        titleError = std::current_exception();
    }
    std::exception_ptr listError;
    try {
        plot.names = logParameterNames(parameterList);
    } catch (const json::exception &) {
        listError = std::current_exception();
    }
    plot.series.resize(static_cast<std::size_t>(plot.names.size()));

    Zippy::ZipEntryStream data(file, kLogDataEntry);
    const quint64 total = data.size();
    data.readAhead(aheadChunks(total));
    quint64 consumed = 0;
    quint64 pending = 0;
    const TextSource source = [&](const char *&begin, const char *&end) {
        consumed += pending;
        if (progress)
            progress(std::min(consumed, total), total);
        if (!data.next(begin, end))
            return false;
        pending = static_cast<quint64>(end - begin);
        return true;
    };
    SeriesBuilder builder(plot.series);
    streamSamples(source, static_cast<int>(plot.names.size()), builder);
    qCDebug(lcPlotLoader) << "samples read after" << clock.elapsed() << "ms";

    if (titleError)
        std::rethrow_exception(titleError);
    if (listError)
        std::rethrow_exception(listError);
    if (builder.error())
        std::rethrow_exception(builder.error());
    builder.finish();
    return plot;
}
