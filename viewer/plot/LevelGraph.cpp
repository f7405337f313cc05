#include "LevelGraph.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kFan = 16;

// Runs are taken from a level when at least this many fit one pixel column.
constexpr double kRunsPerPixel = 2.0;

} // namespace

// The pixel column being gathered: its lowest and highest point so far.
struct LevelGraph::Column
{
    long long pixel = 0;
    bool open = false;
    std::size_t minAt = 0;
    std::size_t maxAt = 0;
};

void LevelGraph::rebuildLevels()
{
    m_levels.clear();
    const QCPGraphDataContainer &data = *mDataContainer;
    const std::size_t count = static_cast<std::size_t>(data.size());
    m_pointCount = static_cast<int>(count);
    if (count < kFan || count >= Summary::kNone)
        return;
    const auto value = [&data](std::uint32_t at) { return (data.constBegin() + at)->value; };

    // The first level from the points themselves.
    std::vector<Summary> first((count + kFan - 1) / kFan);
    for (std::size_t run = 0; run < first.size(); ++run) {
        Summary &s = first[run];
        const std::size_t end = std::min(count, (run + 1) * kFan);
        for (std::size_t i = run * kFan; i < end; ++i) {
            const double v = (data.constBegin() + static_cast<int>(i))->value;
            if (std::isnan(v)) {
                s.gap = true;
                continue;
            }
            const auto at = static_cast<std::uint32_t>(i);
            if (s.minAt == Summary::kNone || v < value(s.minAt))
                s.minAt = at;
            if (s.maxAt == Summary::kNone || v > value(s.maxAt))
                s.maxAt = at;
        }
    }
    m_levels.push_back(std::move(first));

    // Each further level from the one below, while it still has several runs.
    while (m_levels.back().size() > kFan) {
        const std::vector<Summary> &below = m_levels.back();
        std::vector<Summary> level((below.size() + kFan - 1) / kFan);
        for (std::size_t run = 0; run < level.size(); ++run) {
            Summary &s = level[run];
            const std::size_t end = std::min(below.size(), (run + 1) * kFan);
            for (std::size_t i = run * kFan; i < end; ++i) {
                const Summary &part = below[i];
                s.gap = s.gap || part.gap;
                if (part.minAt == Summary::kNone)
                    continue;
                if (s.minAt == Summary::kNone || value(part.minAt) < value(s.minAt))
                    s.minAt = part.minAt;
                if (s.maxAt == Summary::kNone || value(part.maxAt) > value(s.maxAt))
                    s.maxAt = part.maxAt;
            }
        }
        m_levels.push_back(std::move(level));
    }
}

bool LevelGraph::levelsCurrent() const
{
    return !m_levels.empty() && m_pointCount == mDataContainer->size();
}

void LevelGraph::flushColumn(Column &column, QVector<QCPGraphData> &out) const
{
    if (!column.open)
        return;
    const QCPGraphDataContainer::const_iterator begin = mDataContainer->constBegin();
    const QCPGraphData &low = *(begin + static_cast<int>(column.minAt));
    const QCPGraphData &high = *(begin + static_cast<int>(column.maxAt));
    column.open = false;
    if (column.minAt == column.maxAt) {
        out.append(low);
        return;
    }
    // Within one pixel column the order of its extremes cannot be seen, but
    // the line to the next column can: starting from the extreme nearer to
    // where the line stands draws each column's span once instead of twice.
    bool lowFirst = column.minAt < column.maxAt;
    if (!out.isEmpty() && !std::isnan(out.constLast().value))
        lowFirst = std::abs(out.constLast().value - low.value) <= std::abs(out.constLast().value - high.value);
    out.append(lowFirst ? low : high);
    out.append(lowFirst ? high : low);
}

void LevelGraph::addPoint(std::size_t index, Column &column, QVector<QCPGraphData> &out) const
{
    const QCPGraphDataContainer::const_iterator begin = mDataContainer->constBegin();
    const QCPGraphData &point = *(begin + static_cast<int>(index));
    if (std::isnan(point.value)) {
        flushColumn(column, out);
        out.append(point); // breaks the line
        return;
    }
    // A key far outside the range (a point just beyond the visible ones) maps
    // far away; the clamp keeps it a column of its own without overflowing.
    constexpr double kFar = 1e9;
    const long long pixel = static_cast<long long>(std::clamp(std::floor(mKeyAxis->coordToPixel(point.key)), -kFar, kFar));
    if (column.open && pixel != column.pixel)
        flushColumn(column, out);
    if (!column.open) {
        column = Column{pixel, true, index, index};
        return;
    }
    if (point.value < (begin + static_cast<int>(column.minAt))->value)
        column.minAt = index;
    if (point.value > (begin + static_cast<int>(column.maxAt))->value)
        column.maxAt = index;
}

void LevelGraph::addRun(int level, std::size_t run, Column &column, QVector<QCPGraphData> &out) const
{
    const Summary &s = m_levels[static_cast<std::size_t>(level)][run];
    if (s.gap) {
        // Where the line breaks matters: look closer.
        const std::size_t first = run * kFan;
        const std::size_t end = std::min(first + kFan, level == 0 ? static_cast<std::size_t>(m_pointCount)
                                                                  : m_levels[static_cast<std::size_t>(level - 1)].size());
        for (std::size_t part = first; part < end; ++part) {
            if (level == 0)
                addPoint(part, column, out);
            else
                addRun(level - 1, part, column, out);
        }
        return;
    }
    if (s.minAt == Summary::kNone)
        return;
    // The run's extremes in the order they were logged.
    addPoint(std::min(s.minAt, s.maxAt), column, out);
    if (s.minAt != s.maxAt)
        addPoint(std::max(s.minAt, s.maxAt), column, out);
}

QVector<QCPGraphData> LevelGraph::summaryLine() const
{
    QCPAxis *keyAxis = mKeyAxis.data();
    const bool plain = keyAxis && mValueAxis && mLineStyle == lsLine && mScatterStyle.isNone()
                       && mBrush.style() == Qt::NoBrush && keyAxis->orientation() == Qt::Horizontal
                       && !keyAxis->rangeReversed() && keyAxis->range().size() > 0 && levelsCurrent()
                       && (selection().isEmpty() || selection().contains(QCPDataSelection(mDataContainer->dataRange())));
    if (!plain)
        return {};
    QCPGraphDataContainer::const_iterator visibleBegin;
    QCPGraphDataContainer::const_iterator visibleEnd;
    getVisibleDataBounds(visibleBegin, visibleEnd, mDataContainer->dataRange());
    const std::size_t begin = static_cast<std::size_t>(visibleBegin - mDataContainer->constBegin());
    const std::size_t end = static_cast<std::size_t>(visibleEnd - mDataContainer->constBegin());
    const double pixels = std::max(1.0, std::abs(keyAxis->coordToPixel(keyAxis->range().upper)
                                                 - keyAxis->coordToPixel(keyAxis->range().lower)));
    const double perPixel = static_cast<double>(end - begin) / pixels;

    // The coarsest level that still has a few runs per pixel column.
    int level = -1;
    std::size_t runSize = kFan;
    while (level + 1 < static_cast<int>(m_levels.size()) && perPixel / static_cast<double>(runSize) >= kRunsPerPixel) {
        ++level;
        runSize *= kFan;
    }
    if (level < 0)
        return {};
    runSize /= kFan;

    QVector<QCPGraphData> points;
    points.reserve(static_cast<qsizetype>(4 * pixels + 16));
    Column column;
    std::size_t i = begin;
    while (i < end) {
        if (i % runSize == 0 && i + runSize <= end) {
            addRun(level, i / runSize, column, points);
            i += runSize;
        } else {
            addPoint(i, column, points);
            ++i;
        }
    }
    flushColumn(column, points);
    return points;
}

void LevelGraph::draw(QCPPainter *painter)
{
    const QVector<QCPGraphData> points = summaryLine();
    if (points.isEmpty()) {
        QCPGraph::draw(painter);
        return;
    }
    QVector<QPointF> lines;
    lines.reserve(points.size());
    for (const QCPGraphData &point : points)
        lines.append(QPointF(mKeyAxis->coordToPixel(point.key), mValueAxis->coordToPixel(point.value)));

    if (selected() && mSelectionDecorator)
        mSelectionDecorator->applyPen(painter);
    else
        painter->setPen(mPen);
    painter->setBrush(Qt::NoBrush);
    drawLinePlot(painter, lines);
    if (mSelectionDecorator)
        mSelectionDecorator->drawDecoration(painter, selection());
}
