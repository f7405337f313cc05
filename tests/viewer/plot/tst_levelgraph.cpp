#include "LevelGraph.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestLevelGraph : public QObject
{
    Q_OBJECT

private slots:
    // A sawtooth of 200,000 points with a gap in the middle, drawn over 500
    // pixels: a few points per pixel column, the sawtooth's whole height in
    // every column, the gap still breaking the line.
    void summaryKeepsExtremesAndGaps()
    {
        QCustomPlot plot;
        plot.resize(600, 400);
        plot.xAxis->setRange(0, 1);
        auto *graph = new LevelGraph(plot.xAxis, plot.yAxis);
        QVector<QCPGraphData> data;
        const int count = 200000;
        const double gapKey = 0.5;
        for (int i = 0; i < count; ++i) {
            const double key = double(i) / count;
            data.append(QCPGraphData(key, i % 97));
            if (i == count / 2)
                data.append(QCPGraphData(key + 1e-7, std::numeric_limits<double>::quiet_NaN()));
        }
        graph->data()->set(data, true);
        graph->rebuildLevels();
        plot.replot();
        const double pixels = plot.xAxis->coordToPixel(1) - plot.xAxis->coordToPixel(0);
        QVERIFY(pixels > 100);

        const QVector<QCPGraphData> line = graph->summaryLine();
        QVERIFY(!line.isEmpty());
        QVERIFY(line.size() <= 2 * pixels + 8);
        int gaps = 0;
        int previousColumn = -1;
        QMap<int, QPair<double, double>> columns; // pixel column: lowest, highest
        for (const QCPGraphData &point : line) {
            // Column after column; within one the order is free.
            const int pixel = int(std::floor(plot.xAxis->coordToPixel(point.key)));
            QVERIFY(pixel >= previousColumn);
            previousColumn = pixel;
            if (std::isnan(point.value)) {
                ++gaps;
                QVERIFY(qAbs(point.key - gapKey) < 1e-5);
                continue;
            }
            QVERIFY(point.value == double(std::lround(point.key * count) % 97)); // a logged point
            if (!columns.contains(pixel))
                columns[pixel] = {point.value, point.value};
            auto &column = columns[pixel];
            column = {qMin(column.first, point.value), qMax(column.second, point.value)};
        }
        QCOMPARE(gaps, 1);
        // Each pixel holds about 400 points, several teeth: every column
        // shows the whole height.
        for (auto it = columns.cbegin(); it != columns.cend(); ++it)
            QCOMPARE(it.value(), qMakePair(0.0, 96.0));

        // Zoomed in to a few points per pixel it draws as a plain graph.
        plot.xAxis->setRange(0.1, 0.1 + 0.5 * pixels / count);
        QVERIFY(graph->summaryLine().isEmpty());
        // A partial selection draws as a plain graph too.
        plot.xAxis->setRange(0, 1);
        graph->setSelection(QCPDataSelection(QCPDataRange(10, 20)));
        QVERIFY(graph->summaryLine().isEmpty());
        graph->setSelection(QCPDataSelection(QCPDataRange(0, 2147483647)));
        QVERIFY(!graph->summaryLine().isEmpty());
    }
};

QTEST_MAIN(TestLevelGraph)
#include "tst_levelgraph.moc"
