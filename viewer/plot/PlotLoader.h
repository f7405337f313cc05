#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One point of a graph: the time in seconds and the logged value; a NaN value
// breaks the line at a gap in the recording.
struct PlotPoint
{
    double key = 0.0;
    double value = 0.0;
};

// What the plot view shows of one log file.
struct LogPlot
{
    bool opened = false;  // false: the file did not open as an archive, nothing else is set
    QString title;        // "<device> (<country>-<number>): <session>"
    QStringList names;    // the parameters in the log's order
    // One series per parameter, sorted by key; points of equal keys keep the
    // order of their samples.
    std::vector<std::vector<PlotPoint>> series;
};

// How far the reading of "data.json" has got: `consumed` of its `total` bytes
// have been read and turned into points.
using LoadProgress = std::function<void(quint64 consumed, quint64 total)>;

// Reads a log file for the plot without any widget, in one pass over its
// samples: metadata.json for the title and the parameter list, then data.json
// streamed and inflated once. `progress` is called on the calling thread after
// each chunk of data.json.
//
// Throws (all derived from std::exception, what() says why) the zip layer's
// errors for a missing or unreadable file or entry, the JSON library's parse
// and range errors for text that does not parse (those of data.json first),
// and its type errors for the wrong shape: the title's keys, the parameter
// list, a data.json that is not an array, a sample that is not an object or
// a "time_ms" that is not a number. Samples without a time are passed over;
// values after the first one that is not a number are dropped.
LogPlot loadLogPlot(const QString &path, const LoadProgress &progress = {});
