#pragma once

// What the threads of this process did between two moments: CPU time and
// how often each thread was switched in (its wake-ups), from the scheduler's
// figures under /proc/self/task (Linux).

#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <algorithm>

namespace threadload {

struct ThreadFigures {
    QString name;
    qint64 cpuNs = 0;
    qint64 switches = 0; // voluntary and involuntary context switches
};

using Snapshot = QMap<qint64, ThreadFigures>; // by thread id

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline Snapshot snapshot()
{
    Snapshot result;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &id : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString base = tasks.filePath(id);
        ThreadFigures figures;
        figures.name = QString::fromUtf8(readAll(base + QStringLiteral("/comm")).trimmed());
        // schedstat: time on the CPU (ns), time waiting to run (ns), time slices.
        figures.cpuNs = readAll(base + QStringLiteral("/schedstat")).split(' ').value(0).toLongLong();
        for (const QByteArray &line : readAll(base + QStringLiteral("/status")).split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                figures.switches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
        result.insert(id.toLongLong(), figures);
    }
    return result;
}

// The figures of one kind of thread over an interval.
struct Load {
    int threads = 0;
    double cpuShare = 0;        // of one core, summed over the threads
    double switchesPerSecond = 0; // summed over the threads
    double maxSwitchesPerSecond = 0; // of the busiest thread
};

// The threads whose name satisfies `take`, between `before` and `after`.
template <typename Take>
Load load(const Snapshot &before, const Snapshot &after, double seconds, Take take)
{
    Load result;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!take(it.key(), it.value().name))
            continue;
        const ThreadFigures start = before.value(it.key());
        const double switches = double(it.value().switches - start.switches) / seconds;
        ++result.threads;
        result.cpuShare += double(it.value().cpuNs - start.cpuNs) * 1e-9 / seconds;
        result.switchesPerSecond += switches;
        result.maxSwitchesPerSecond = std::max(result.maxSwitchesPerSecond, switches);
    }
    return result;
}

} // namespace threadload
