// A "data.json" text through the plot's streaming sample reader, cut into
// chunks at places the input chooses, and through the JSON library: both
// accept the same texts (the stream arrays only) and see the same samples.

#include "FuzzSupport.h"

#include "LogSamples.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kCapacity = 4;

struct Seen
{
    bool isObject;
    std::string type;
    int common;
    std::string commonType;
    int time;
    std::string timeType;
    double timeMs;
    qint64 valueCount;
    std::vector<double> values;

    bool operator==(const Seen &o) const
    {
        const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
        if (values.size() != o.values.size())
            return false;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!same(values[i], o.values[i]))
                return false;
        }
        // A type name tells only where the field has another type.
        const int bad = int(SampleRecord::Field::Bad);
        return isObject == o.isObject && (isObject || type == o.type) && common == o.common
            && (common != bad || commonType == o.commonType) && time == o.time
            && (time != bad || timeType == o.timeType) && same(timeMs, o.timeMs) && valueCount == o.valueCount;
    }
};

class RecordingSink : public SampleSink
{
public:
    void sample(const SampleRecord &r) override
    {
        samples.push_back(Seen{r.isObject, r.type, int(r.common), r.commonType, int(r.time), r.timeType, r.timeMs,
                               r.valueCount, std::vector<double>(r.values, r.values + r.numericValues)});
    }

    std::vector<Seen> samples;
};

using Field = SampleRecord::Field;

Field fieldOf(const nlohmann::json &value, bool good)
{
    return value.is_null() ? Field::Null : good ? Field::Good : Field::Bad;
}

// What a sample of the parsed document is, by the same rules.
Seen expected(const nlohmann::json &sample)
{
    Seen seen{sample.is_object(), sample.type_name(), int(Field::Missing), "null", int(Field::Missing), "null", 0.0, 0, {}};
    if (!sample.is_object())
        return seen;
    if (const auto common = sample.find("common"); common != sample.end()) {
        seen.common = int(fieldOf(*common, common->is_object()));
        seen.commonType = common->type_name();
        if (common->is_object()) {
            if (const auto time = common->find("time_ms"); time != common->end()) {
                seen.time = int(fieldOf(*time, time->is_number()));
                seen.timeType = time->type_name();
                if (time->is_number())
                    seen.timeMs = time->get<double>();
            }
        }
    }
    if (const auto data = sample.find("data"); data != sample.end()) {
        if (data->is_array() || data->is_object())
            seen.valueCount = qint64(data->size());
        else
            seen.valueCount = data->is_null() ? 0 : 1;
        if (data->is_array()) {
            for (std::size_t j = 0; j < data->size() && j < std::size_t(kCapacity) && (*data)[j].is_number(); ++j)
                seen.values.push_back((*data)[j].get<double>());
        }
    }
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte sets the chunk size of the stream.
    const std::size_t chunk = std::size_t(data[0]) + 1;
    const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);

    RecordingSink streamed;
    bool streamOk = true;
    try {
        std::size_t at = 0;
        streamSamples(
            [&](const char *&begin, const char *&end) {
                if (at >= text.size())
                    return false;
                begin = text.data() + at;
                at = std::min(text.size(), at + chunk);
                end = text.data() + at;
                return true;
            },
            kCapacity, streamed);
    } catch (const nlohmann::json::exception &) {
        streamOk = false;
    }

    // The stream takes an array of samples only.
    bool parseOk = true;
    std::vector<Seen> parsed;
    try {
        const nlohmann::json document = nlohmann::json::parse(text);
        parseOk = document.is_array();
        if (parseOk) {
            for (const nlohmann::json &sample : document)
                parsed.push_back(expected(sample));
        }
    } catch (const nlohmann::json::exception &) {
        parseOk = false;
    }

    if (streamOk != parseOk)
        fuzz::mismatch(streamOk ? "the stream accepts a text the library refuses"
                                : "the stream refuses a text the library accepts");
    if (streamOk && !(streamed.samples == parsed)) {
        for (std::size_t i = 0; i < std::min(streamed.samples.size(), parsed.size()); ++i) {
            const Seen &a = streamed.samples[i];
            const Seen &b = parsed[i];
            if (!(a == b)) {
                std::fprintf(stderr, "sample %zu: stream %s/%d %s/%d %s %g %lld %zu, library %s/%d %s/%d %s %g %lld %zu\n", i,
                             a.type.c_str(), a.common, a.commonType.c_str(), a.time, a.timeType.c_str(), a.timeMs,
                             a.valueCount, a.values.size(), b.type.c_str(), b.common, b.commonType.c_str(), b.time,
                             b.timeType.c_str(), b.timeMs, b.valueCount, b.values.size());
                break;
            }
        }
        fuzz::mismatch("the stream and the library hand on different samples");
    }
    return 0;
}
