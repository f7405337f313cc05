#pragma once

#include <qcustomplot.h>

#include <cstdint>
#include <vector>

// A graph that draws a long series from precomputed levels of detail: for
// every run of 16, 256, 4096, ... points the places of its lowest and highest
// value. Drawing then costs in proportion to the plot's width, not to the
// points in view: each pixel column of the visible range gets its lowest and
// highest point, in the order they were logged, and gaps (NaN points) still
// break the line. With few points in view, or a style other than a plain
// line, it draws as QCPGraph does.
class LevelGraph : public QCPGraph
{
    Q_OBJECT

public:
    using QCPGraph::QCPGraph;

    // Builds the levels from the graph's data; call after the data is set.
    void rebuildLevels();

    // The points that drawing the visible range connects (a NaN value breaks
    // the line); empty when the graph draws as QCPGraph does.
    QVector<QCPGraphData> summaryLine() const;

protected:
    void draw(QCPPainter *painter) override;

private:
    struct Summary
    {
        static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
        std::uint32_t minAt = kNone; // index of the lowest value, kNone when every value is NaN
        std::uint32_t maxAt = kNone;
        bool gap = false;            // a NaN point lies inside
    };

    struct Column;
    void addRun(int level, std::size_t run, Column &column, QVector<QCPGraphData> &out) const;
    void addPoint(std::size_t index, Column &column, QVector<QCPGraphData> &out) const;
    void flushColumn(Column &column, QVector<QCPGraphData> &out) const;
    bool levelsCurrent() const;

    // m_levels[l] summarises runs of kFan^(l+1) points.
    std::vector<std::vector<Summary>> m_levels;
    int m_pointCount = -1;
};
