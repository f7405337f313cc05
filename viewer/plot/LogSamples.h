#pragma once

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
    virtual void sample(const SampleRecord &record) = 0;
};

// Supplies the text of "data.json" chunk by chunk; false at the end.
using TextSource = std::function<bool(const char *&begin, const char *&end)>;

// Parses "data.json" from `source` and hands the elements of its sample list
// to `sink` as they are read, without building the document. Accepts exactly
// what the JSON library accepts and raises its parse and range errors at the
// same places. A document that does not start as an array is refused at its
// first byte with the library's type error, the rest unread.
void streamSamples(const TextSource &source, int capacity, SampleSink &sink);
