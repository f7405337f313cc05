#pragma once

#include <nlohmann/json.hpp>

#include <QtGlobal>

#include <functional>
#include <vector>

// How one sample of a log's "data.json" presents itself to the plot build:
// what its "common"."time_ms" and "data" hold. Only the first `capacity`
// values (one per plotted parameter) are kept.
struct SampleRecord
{
    enum class Field {
        Missing, // the key is absent
        Null,    // present and null
        Good,    // present with the expected type (an object, a number)
        Bad,     // present with another type
    };

    bool isObject = true;      // false: the sample itself is not an object
    const char *type = "object"; // JSON type name of the sample
    Field common = Field::Missing;
    const char *commonType = "null";
    Field time = Field::Missing;
    const char *timeType = "null";
    double timeMs = 0.0;
    // Elements of "data": an array's length, an object's member count, 0 for
    // null or absence, 1 for any other value.
    qint64 valueCount = 0;
    // Leading elements of a "data" array that are numbers, at most capacity.
    int numericValues = 0;
    const double *values = nullptr;
};

// Receives the samples of one log in order.
class SampleSink
{
public:
    virtual ~SampleSink() = default;
    // Called once before the first sample with the number of elements of the
    // sample list (as the parsed document counts them).
    virtual void begin(qint64 count) = 0;
    virtual void sample(const SampleRecord &record) = 0;
};

// Hands the samples of a parsed "data.json" document to `sink`: the elements
// of an array or the member values of an object, none for null, the value
// itself otherwise.
void readSamples(const nlohmann::json &data, int capacity, SampleSink &sink);

// Supplies the text of "data.json" chunk by chunk; false at the end.
using TextSource = std::function<bool(const char *&begin, const char *&end)>;

// Parses "data.json" from `source` and hands its samples to `sink` as they are
// read, without building the document. Accepts exactly what the JSON library
// accepts and raises its parse errors; a document that is not an array is
// parsed whole and handed on as readSamples does. `arrayCount` is asked for
// the element count of a top-level array when its first bracket is read.
void streamSamples(const TextSource &source, int capacity, const std::function<qint64()> &arrayCount,
                   SampleSink &sink);

// Counts the elements of a top-level array in a JSON text without parsing it
// (for any other text the result is meaningless). Strings are honoured, so
// brackets and commas inside them do not count.
class ArrayElementCounter
{
public:
    void feed(const char *begin, const char *end);
    qint64 count() const { return m_count + (m_pending ? 1 : 0); }

private:
    qint64 m_count = 0;
    int m_depth = 0;
    bool m_inString = false;
    bool m_escape = false;
    bool m_pending = false; // a top-level element has started since the last comma
};
