#include "LogArchives.h"
#include "PlotLoader.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using nlohmann::json;

class TestPlotLoader : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString writeLog(const json &meta, const json &samples) { return fixture::writeLogIn(dir.path(), meta, samples); }

    static QStringList texts(const std::vector<PlotPoint> &series)
    {
        QStringList result;
        for (const PlotPoint &p : series)
            result << QStringLiteral("%1:%2").arg(p.key).arg(p.value);
        return result;
    }

private slots:
    void readsTitleNamesAndSeries()
    {
        QList<QPair<quint64, quint64>> calls;
        const json samples = json::array({fixture::sample(0, {1, 2}), fixture::sample(20, {3, 4})});
        const LogPlot plot = loadLogPlot(writeLog(fixture::metadata({"A", "B"}), samples),
                                         [&calls](quint64 consumed, quint64 total) { calls.append({consumed, total}); });
        QVERIFY(plot.opened);
        QCOMPARE(plot.title, QStringLiteral("Vadur (RUS-12): 7"));
        QCOMPARE(plot.names, QStringList({"A", "B"}));
        QCOMPARE(texts(plot.series[0]), QStringList({"0:1", "0.02:3"}));
        QCOMPARE(texts(plot.series[1]), QStringList({"0:2", "0.02:4"}));

        // Progress in bytes of data.json, from nothing to all of it.
        const quint64 size = quint64(fixture::text(samples).size());
        QVERIFY(calls.size() >= 2);
        QCOMPARE(calls.first(), qMakePair(quint64(0), size));
        QCOMPARE(calls.last(), qMakePair(size, size));
    }

    void samplesOutOfOrderAreSortedOnce()
    {
        // Equal keys keep the order of their samples; the gap's NaN point
        // goes where its key puts it.
        const json samples = json::array({fixture::sample(300, {1}), fixture::sample(100, {2}),
                                          fixture::sample(2000, {3}), fixture::sample(100, {4}),
                                          fixture::sample(200, {5})});
        const LogPlot plot = loadLogPlot(writeLog(fixture::metadata({"A"}), samples));
        QCOMPARE(texts(plot.series[0]), QStringList({"0.1:2", "0.1:4", "0.101:nan", "0.2:5", "0.3:1", "2:3"}));
    }
};

QTEST_GUILESS_MAIN(TestPlotLoader)
#include "tst_plotloader.moc"
