#include "ControlPanel.h"
#include "LogArchives.h"
#include "PlotView.h"
#include "ProgressMessageBox.h"
#include "HostileLogs.h"
#include "SavedLogs.h"

#include <qcustomplot.h>

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using nlohmann::json;
using Points = QList<QPair<double, double>>;
Q_DECLARE_METATYPE(json)
Q_DECLARE_METATYPE(ParameterStats)

namespace {

Points points(const QCPGraph *graph)
{
    Points result;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
        result.append({it->key, it->value});
    return result;
}

// NaN never equals itself, so points are compared through their texts.
QStringList describe(const Points &list)
{
    QStringList texts;
    for (const auto &p : list)
        texts << QStringLiteral("%1:%2").arg(p.first).arg(p.second);
    return texts;
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Follows the progress dialogs of the builds: when one is shown, every value
// its bar takes (with the maximum at that moment), and what it showed when it
// went away.
class ProgressWatcher : public QObject
{
public:
    int shown = 0;
    int paintedBeforeFirstValue = 0;
    QList<QPair<int, int>> values; // value, maximum
    int lastMaximum = -1;
    int lastValue = -1;
    QObject *current = nullptr;

    void reset()
    {
        shown = paintedBeforeFirstValue = 0;
        values.clear();
        lastMaximum = lastValue = -1;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // While the dialog is destroyed it is only a QDialog any more.
        auto *box = qobject_cast<ProgressMessageBox *>(watched);
        if (!box && !(watched == current && event->type() == QEvent::Hide))
            return false;
        if (event->type() == QEvent::Show) {
            current = watched;
            ++shown;
            QProgressBar *bar = box->findChild<QProgressBar *>();
            connect(bar, &QProgressBar::valueChanged, this,
                    [this, bar](int value) { values.append({value, bar->maximum()}); });
        } else if (event->type() == QEvent::Paint && values.isEmpty()) {
            ++paintedBeforeFirstValue;
        } else if (event->type() == QEvent::Hide) {
            QProgressBar *bar = watched->findChild<QProgressBar *>();
            lastMaximum = bar->maximum();
            lastValue = bar->value();
        }
        return false;
    }
};

} // namespace

class TestPlotView : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int serial = 0;

    QString writeLog(const json &meta, const json &samples) { return fixture::writeLogIn(dir.path(), meta, samples); }

    QString writeEntries(const fixture::Entries &entries)
    {
        const QString path = dir.filePath(QStringLiteral("raw%1.verira").arg(++serial));
        if (!fixture::writeArchive(path, entries))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QCustomPlot *plotOf(PlotView &view) { return view.findChild<QCustomPlot *>("plot"); }
    static ControlPanel *panelOf(PlotView &view) { return view.findChild<ControlPanel *>("statisticsPanel"); }
    static QTableWidget *tableOf(PlotView &view) { return panelOf(view)->findChild<QTableWidget *>("tableWidget"); }
    static QStringList columnTexts(PlotView &view, int c)
    {
        QStringList texts;
        for (int row = 1; row <= 5; ++row)
            texts << tableOf(view)->item(row, c)->text();
        return texts;
    }

    // 0.0 s to 20.0 s, one sample every 0.5 s, A = time, B = 100 - time.
    json rampSamples()
    {
        json samples = json::array();
        for (int i = 0; i <= 40; ++i)
            samples.push_back(fixture::sample(i * 500, {i * 0.5, 100 - i * 0.5}));
        return samples;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void opensWithFirstParameterShown()
    {
        const QString path = writeLog(fixture::metadata({"A", "B", "C"}),
                                      json::array({fixture::sample(0, {1, 2, 3}), fixture::sample(100, {4, 5, 6})}));
        const std::unique_ptr<PlotView> opened = PlotView::open(path);
        PlotView &view = *opened;
        QCOMPARE(view.title(), QStringLiteral("Vadur (RUS-12): 7"));
        QCOMPARE(view.size(), QSize(960, 501));

        ControlPanel *panel = panelOf(view);
        QTableWidget *table = tableOf(view);
        QStringList columns;
        for (int c = 0; c < table->columnCount(); ++c)
            columns << qobject_cast<QPushButton *>(table->cellWidget(0, c))->text();
        QCOMPARE(columns, QStringList({"Time", "A", "B", "C"}));
        QVERIFY(panel->isParameterEnabled("A"));
        QVERIFY(!panel->isParameterEnabled("B"));
        QVERIFY(!panel->isParameterEnabled("C"));

        QCustomPlot *plot = plotOf(view);
        const QVector<PlotParameter> &parameters = view.plotParameters();
        QCOMPARE(parameters.size(), 3);
        // One value axis per parameter and no default one.
        QCOMPARE(plot->axisRect()->axes(QCPAxis::atLeft).size(), 3);
        QCOMPARE(plot->graphCount(), 3);
        for (int i = 0; i < 3; ++i) {
            const PlotParameter &p = parameters[i];
            QCOMPARE(p.graph->name(), p.name);
            QCOMPARE(p.axis->label(), p.name);
            QCOMPARE(p.graph->valueAxis(), p.axis);
            QCOMPARE(p.graph->keyAxis(), plot->xAxis);
            QCOMPARE(p.graph->visible(), i == 0);
            QCOMPARE(p.axis->visible(), i == 0);
            QCOMPARE(plot->legend->hasItemWithPlottable(p.graph), i == 0);
            QCOMPARE(p.startTracer->style(), QCPItemTracer::tsPlus);
            QCOMPARE(p.startTracer->size(), 16.0);
            QCOMPARE(p.hoverTracer->style(), QCPItemTracer::tsNone);
            QCOMPARE(p.graph->pen().color().alpha(), 255);
        }
        QCOMPARE(describe(points(parameters[1].graph)), QStringList({"0:2", "0.1:5"}));
        QCOMPARE(plot->xAxis->range(), QCPRange(0, 0.1));
        QVERIFY(plot->legend->visible());
        QVERIFY(qSharedPointerDynamicCast<QCPAxisTickerTime>(plot->xAxis->ticker()));
        QCOMPARE(int(plot->interactions()), 27);

        // The statistics of the interval from key 0 to key 0.
        QCOMPARE(columnTexts(view, 1), QStringList({"1", "2.5", "3", "4", "0"}));
        QCOMPARE(columnTexts(view, 0), QStringList({"0s 0ms", "-", "0s 0ms", "0s 0ms", "0s 0ms"}));
    }

    void parameterNamedTimeIsShownAsOne()
    {
        const std::unique_ptr<PlotView> opened = PlotView::open(writeLog(fixture::metadata({"Time", "B"}), rampSamples()));
        PlotView &view = *opened;
        QVERIFY(panelOf(view)->isParameterEnabled("Time"));
        QVERIFY(view.plotParameters()[0].graph->visible());
        QVERIFY(qobject_cast<QPushButton *>(tableOf(view)->cellWidget(0, 1))->isEnabled());
        QVERIFY(!qobject_cast<QPushButton *>(tableOf(view)->cellWidget(0, 0))->isEnabled());
        // Its values, over the interval from key 0 to key 0, beside the time column.
        QCOMPARE(columnTexts(view, 1), QStringList({"0", "0.25", "0.5", "0.5", "0"}));
        QCOMPARE(columnTexts(view, 0), QStringList({"0s 0ms", "-", "0s 0ms", "0s 0ms", "0s 0ms"}));
    }

    void savedLogOpens()
    {
        const QString path = savedlog::write(dir.path(), 60, [](int i) { return std::uint32_t(i < 30 ? i * 20 : 5000 + i * 20); });
        QVERIFY(!path.isEmpty());
        const std::unique_ptr<PlotView> opened = PlotView::open(path);
        PlotView &view = *opened;
        QCOMPARE(view.title(), QStringLiteral("Limiter1 (RUS-27): 7"));
        const QVector<PlotParameter> &parameters = view.plotParameters();
        QCOMPARE(parameters.size(), 3);
        QCOMPARE(parameters[0].name, QStringLiteral("Voltage"));
        QCOMPARE(parameters[2].name, QStringLiteral("Flags"));
        // 60 points and one NaN point where the recording pauses.
        for (const PlotParameter &p : parameters)
            QCOMPARE(p.graph->dataCount(), 61);
        const Points voltage = points(parameters[0].graph);
        QCOMPARE(voltage.first().first, 0.0);
        QCOMPARE(voltage.first().second, double(float(1234.5f * 1e-2f)));
        QCOMPARE(voltage.at(30).first, 29 * 0.02 + 0.001);
        QVERIFY(std::isnan(voltage.at(30).second));
        QCOMPARE(voltage.last().first, 5.0 + 59 * 0.02);
        QCOMPARE(points(parameters[1].graph).last().second, 559.0);
        QCOMPARE(points(parameters[2].graph).last().second, 59.0);
        QCOMPARE(plotOf(view)->xAxis->range(), QCPRange(0.0, 5.0 + 59 * 0.02));
    }

    void progressFollowsTheBytesRead()
    {
        ProgressWatcher watcher;
        qApp->installEventFilter(&watcher);
        {
            const std::unique_ptr<PlotView> opened =
                PlotView::open(savedlog::write(dir.path(), 40, [](int i) { return std::uint32_t(i * 20); }));
        }
        QCOMPARE(watcher.shown, 1);
        QVERIFY(watcher.paintedBeforeFirstValue > 0);
        QVERIFY(!watcher.values.isEmpty());
        QCOMPARE(watcher.values.first(), qMakePair(5, 100));
        // The bar moves on with the bytes of data.json read and ends full.
        QCOMPARE(watcher.lastMaximum, 100);
        QCOMPARE(watcher.lastValue, 100);
        for (int i = 1; i < watcher.values.size(); ++i)
            QVERIFY(watcher.values[i].first > watcher.values[i - 1].first);

        // Without samples as well.
        watcher.reset();
        {
            const std::unique_ptr<PlotView> opened = PlotView::open(writeLog(fixture::metadata({"A"}), json::array()));
        }
        qApp->removeEventFilter(&watcher);
        QCOMPARE(watcher.values.first(), qMakePair(5, 100));
        QCOMPARE(watcher.lastValue, 100);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<ProgressMessageBox *>(w));
    }

    void samples_data()
    {
        QTest::addColumn<json>("samples");
        QTest::addColumn<Points>("first");
        QTest::addColumn<Points>("second");

        QTest::newRow("1.0 s apart stays joined")
            << json::array({fixture::sample(0, {1, 2}), fixture::sample(1000, {3, 4})})
            << Points{{0, 1}, {1, 3}} << Points{{0, 2}, {1, 4}};
        QTest::newRow("1.001 s apart breaks the line")
            << json::array({fixture::sample(0, {1, 2}), fixture::sample(1001, {3, 4})})
            << Points{{0, 1}, {0.001, kNaN}, {1.001, 3}} << Points{{0, 2}, {0.001, kNaN}, {1.001, 4}};
        QTest::newRow("first sample at 1500 ms")
            << json::array({fixture::sample(1500, {1, 2})})
            << Points{{0.001, kNaN}, {1.5, 1}} << Points{{0.001, kNaN}, {1.5, 2}};
        QTest::newRow("float and negative times")
            << json::array({fixture::sample(-250, {1, 2}), fixture::sample(250.5, {3, 4})})
            << Points{{-0.25, 1}, {0.2505, 3}} << Points{{-0.25, 2}, {0.2505, 4}};
        QTest::newRow("a string drops the rest of its sample")
            << json::array({fixture::sample(0, {1, "x", 5}), fixture::sample(100, {3, 4})})
            << Points{{0, 1}, {0.1, 3}} << Points{{0.1, 4}};
        QTest::newRow("null and boolean values are no numbers")
            << json::array({fixture::sample(0, {nullptr, 1}), fixture::sample(100, {true, 1}),
                            fixture::sample(200, {2, 3})})
            << Points{{0.2, 2}} << Points{{0.2, 3}};
        QTest::newRow("more values than parameters")
            << json::array({fixture::sample(0, {1, 2, 3, 4})})
            << Points{{0, 1}} << Points{{0, 2}};
        QTest::newRow("values that are not an array")
            << json::array({fixture::sample(0, json::object({{"a", 1}})), fixture::sample(2000, 7),
                            fixture::sample(2500, {1, 2})})
            << Points{{0.001, kNaN}, {2.5, 1}} << Points{{2.5, 2}};
        json noData = fixture::sample(3000, {9, 9});
        noData.erase("data");
        json noCommon = fixture::sample(0, {8, 8});
        noCommon.erase("common");
        json noTime = fixture::sample(0, {8, 8});
        noTime["common"].erase("time_ms");
        QTest::newRow("samples without data, common or time")
            << json::array({fixture::sample(0, {1, 2}), noCommon, noTime, noData, fixture::sample(3500, {3, 4})})
            << Points{{0, 1}, {3.5, 3}} << Points{{0, 2}, {3.5, 4}};
        QTest::newRow("times out of order are sorted in")
            << json::array({fixture::sample(500, {1, 2}), fixture::sample(100, {3, 4}), fixture::sample(300, {5, 6})})
            << Points{{0.1, 3}, {0.3, 5}, {0.5, 1}} << Points{{0.1, 4}, {0.3, 6}, {0.5, 2}};
    }

    void samples()
    {
        QFETCH(json, samples);
        QFETCH(Points, first);
        QFETCH(Points, second);
        const std::unique_ptr<PlotView> opened = PlotView::open(writeLog(fixture::metadata({"A", "B"}), samples));
        PlotView &view = *opened;
        QCOMPARE(describe(points(view.plotParameters()[0].graph)), describe(first));
        QCOMPARE(describe(points(view.plotParameters()[1].graph)), describe(second));
    }

    void unusualLogsStillOpen_data()
    {
        QTest::addColumn<json>("parameters");
        QTest::addColumn<json>("samples");
        QTest::addColumn<int>("graphs");
        QTest::newRow("no parameters") << json::array() << json::array({fixture::sample(0, {1})}) << 0;
        QTest::newRow("null parameter list") << json() << json::array({fixture::sample(0, {1})}) << 0;
        QTest::newRow("no samples") << json::array({{"A", 1, 5}}) << json::array() << 1;
    }

    void unusualLogsStillOpen()
    {
        QFETCH(json, parameters);
        QFETCH(json, samples);
        QFETCH(int, graphs);
        json meta = fixture::metadata({});
        meta["parametersDesc"]["parameters"] = parameters;
        const std::unique_ptr<PlotView> opened = PlotView::open(writeLog(meta, samples));
        PlotView &view = *opened;
        QCOMPARE(plotOf(view)->graphCount(), graphs);
        QCOMPARE(tableOf(view)->columnCount(), graphs + 1);
        if (graphs > 0)
            QVERIFY(panelOf(view)->isParameterEnabled("A"));
    }

    void titleVariants()
    {
        json meta = fixture::metadata({"A"});
        meta.erase("deviceName");
        meta["userRegNum"]["num"] = 27;
        meta["head"]["sessionNumber"] = 4000000000u;
        QCOMPARE(PlotView::open(writeLog(meta, json::array()))->title(), QStringLiteral("No Name (RUS-27): 4000000000"));

        meta["deviceName"] = "Dev %2";
        QCOMPARE(PlotView::open(writeLog(meta, json::array()))->title(), QStringLiteral("Dev %2 (RUS-27): 4000000000"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");

        const QByteArray goodMeta = fixture::text(fixture::metadata({"A"}));
        const QByteArray goodData = fixture::text(json::array({fixture::sample(0, {1})}));
        auto withMeta = [&](const std::function<void(json &)> &change) {
            json meta = fixture::metadata({"A"});
            change(meta);
            return writeEntries({{"metadata.json", fixture::text(meta)}, {"data.json", goodData}});
        };
        auto withData = [&](const QByteArray &data) {
            return writeEntries({{"metadata.json", goodMeta}, {"data.json", data}});
        };

        QTest::newRow("missing file") << dir.filePath("absent.verira") << "zip";
        QFile plain(dir.filePath("plain.verira"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("not an archive at all");
        plain.close();
        QTest::newRow("not an archive") << plain.fileName() << "zip";
        QTest::newRow("no metadata.json") << writeEntries({{"data.json", goodData}}) << "log";
        QTest::newRow("no data.json") << writeEntries({{"metadata.json", goodMeta}}) << "log";
        QTest::newRow("metadata not JSON")
            << writeEntries({{"metadata.json", "{ // no comments\n}"}, {"data.json", goodData}}) << "parse";
        QTest::newRow("data cut short") << withData(goodData.left(goodData.size() - 2)) << "parse";
        QTest::newRow("data with trailing comma") << withData("[{\"common\":{\"time_ms\":0},\"data\":[1]},]") << "parse";
        QTest::newRow("empty data") << withData("") << "parse";
        QTest::newRow("device name not a string") << withMeta([](json &m) { m["deviceName"] = 5; }) << "type";
        QTest::newRow("country missing") << withMeta([](json &m) { m["userRegNum"].erase("country"); }) << "type";
        QTest::newRow("number is a string") << withMeta([](json &m) { m["userRegNum"]["num"] = "12"; }) << "type";
        QTest::newRow("no head") << withMeta([](json &m) { m.erase("head"); }) << "type";
        QTest::newRow("metadata is an array") << withMeta([](json &m) { m = json::array(); }) << "type";
        QTest::newRow("parameter list is an object")
            << withMeta([](json &m) { m["parametersDesc"]["parameters"] = json::object({{"A", 1}}); }) << "type";
        QTest::newRow("parameter entry not an array")
            << withMeta([](json &m) { m["parametersDesc"]["parameters"] = json::array({"A"}); }) << "type";
        QTest::newRow("parameter name not a string")
            << withMeta([](json &m) { m["parametersDesc"]["parameters"] = json::array({json::array({1, 1, 5})}); })
            << "type";
        QTest::newRow("sample not an object") << withData("[{\"common\":{\"time_ms\":0},\"data\":[1]}, 5]") << "type";
        QTest::newRow("time is a string") << withData("[{\"common\":{\"time_ms\":\"0\"},\"data\":[1]}]") << "type";
        QTest::newRow("common is a number") << withData("[{\"common\":3,\"data\":[1]}]") << "type";
        // The samples are a list; anything else is refused.
        QTest::newRow("data is null") << withData("null") << "type";
        QTest::newRow("data is one object of samples")
            << withData(fixture::text(json::object({{"a", fixture::sample(0, {1})}}))) << "type";
        QTest::newRow("data is a number") << withData(" 12 ") << "type";
        QTest::newRow("data is a cut object") << withData("{\"a\":") << "type";
        QTest::newRow("byte order mark after blanks") << withData(" \xEF\xBB\xBF[]") << "parse";
        // A parse error of the data outranks errors of the metadata's keys.
        QTest::newRow("broken data and title")
            << writeEntries({{"metadata.json", "{\"parametersDesc\":{\"parameters\":5}}"}, {"data.json", "[1,"}})
            << "parse";
        QTest::newRow("title error before sample error")
            << writeEntries({{"metadata.json", "{}"}, {"data.json", "[1]"}}) << "type";
        // More parameters than a log can hold are refused before any axis
        // is built for them.
        QTest::newRow("33 parameters") << withMeta([](json &m) {
            m["parametersDesc"]["parameters"] = json::array();
            for (int i = 0; i < 33; ++i)
                m["parametersDesc"]["parameters"].push_back(json::array({"P" + std::to_string(i), 1, 5}));
        }) << "range";
        QTest::newRow("session 1e300") << withMeta([](json &m) { m["head"]["sessionNumber"] = 1e300; }) << "range";
        QTest::newRow("empty metadata.json") << writeEntries({{"metadata.json", ""}, {"data.json", goodData}}) << "log";
        for (const HostileMetadata &hostile : hostileMetadata())
            QTest::newRow(hostile.name.c_str())
                << writeEntries({{"metadata.json", QByteArray::fromStdString(hostile.metadata)}, {"data.json", goodData}})
                << "log";
    }

    void failures()
    {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        const bool existed = QFile::exists(path);
        QWidget parent;
        QString what;
        try {
            PlotView::open(path, &parent).release();
            QFAIL("the view was built");
        } catch (const json::parse_error &e) {
            what = "parse";
        } catch (const json::type_error &e) {
            what = "type";
        } catch (const json::out_of_range &e) {
            what = "range";
        } catch (const LogFileError &e) {
            what = "log";
        } catch (const std::exception &e) {
            what = "zip";
            QVERIFY(qstrlen(e.what()) > 0);
        }
        QCOMPARE(what, kind);
        QVERIFY(parent.findChildren<PlotView *>().isEmpty());
        QCOMPARE(QFile::exists(path), existed); // nothing is created on disk
    }

    void statistics_data()
    {
        QTest::addColumn<double>("keyA");
        QTest::addColumn<double>("keyB");
        QTest::addColumn<ParameterStats>("expected");
        // Points: (1, 10) (2, 20) (3, NaN) (4, 40) (5, 50)
        QTest::newRow("left to right") << 2.0 << 4.0 << ParameterStats{20, 50, (20 + 40 + 50) / 3.0, 30, 0};
        QTest::newRow("right to left") << 5.0 << 1.5 << ParameterStats{20, 50, (20 + 40 + 50) / 3.0, -30, 0};
        QTest::newRow("delta onto the NaN point") << 4.0 << 2.0 << ParameterStats{20, 50, (20 + 40 + 50) / 3.0, kNaN, 0};
        QTest::newRow("between points") << 1.5 << 1.5 << ParameterStats{20, 20, 20, 0, 0};
        QTest::newRow("nothing after keyB") << 1.0 << 5.0 << ParameterStats{10, 50, 30, 0, 0};
        QTest::newRow("nothing at or after keyA") << 6.0 << 2.0 << ParameterStats{20, 50, (20 + 40 + 50) / 3.0, 0, 0};
        const double big = std::numeric_limits<double>::max();
        QTest::newRow("only the NaN point") << 2.5 << 2.5 << ParameterStats{big, -big, 0, kNaN, 0};
        QTest::newRow("past the end") << 7.0 << 8.0 << ParameterStats{big, -big, 0, 0, 0};
    }

    void statistics()
    {
        QFETCH(double, keyA);
        QFETCH(double, keyB);
        QFETCH(ParameterStats, expected);
        QCustomPlot plot;
        QCPGraph *graph = plot.addGraph();
        graph->setData(QVector<double>{1, 2, 3, 4, 5}, QVector<double>{10, 20, kNaN, 40, 50}, true);
        const ParameterStats s = PlotView::computeStatistics(graph, keyA, keyB);
        QCOMPARE(s.min, expected.min);
        QCOMPARE(s.max, expected.max);
        QCOMPARE(s.avg, expected.avg);
        QCOMPARE(s.delta, expected.delta);
        QCOMPARE(s.cursor, 0.0);
    }

    void rightButtonDragFromTwelveToTen()
    {
        const std::unique_ptr<PlotView> opened = PlotView::open(writeLog(fixture::metadata({"A", "B"}), rampSamples()));
        PlotView &view = *opened;
        view.resize(1000, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCustomPlot *plot = plotOf(view);
        QTest::mouseClick(qobject_cast<QPushButton *>(tableOf(view)->cellWidget(0, 2)), Qt::LeftButton);
        QVERIFY(panelOf(view)->isParameterEnabled("B"));

        const int y = plot->axisRect()->center().y();
        const QPoint from(int(plot->xAxis->coordToPixel(12.0)), y);
        const QPoint to(int(plot->xAxis->coordToPixel(10.0)), y);
        const double fromKey = plot->xAxis->pixelToCoord(from.x());
        const double toKey = plot->xAxis->pixelToCoord(to.x());
        QTest::mousePress(plot, Qt::RightButton, Qt::NoModifier, from);
        QVERIFY(!plot->interactions().testFlag(QCP::iRangeDrag));
        // The end tracer reports the place where it was last drawn, so the
        // pointer rests at the end for one more movement.
        QTest::mouseMove(plot, QPoint((from.x() + to.x()) / 2, y));
        QTest::mouseMove(plot, to);
        plot->replot();
        QTest::mouseMove(plot, to);
        QTest::mouseRelease(plot, Qt::RightButton, Qt::NoModifier, to);
        QVERIFY(plot->interactions().testFlag(QCP::iRangeDrag));

        const PlotParameter &a = view.plotParameters()[0];
        QCOMPARE(a.startTracer->graphKey(), fromKey);
        QCOMPARE(a.endTracer->graphKey(), toKey);

        // Time: -2 s between the points the tracers snapped to.
        QCOMPARE(columnTexts(view, 0).at(2), QStringLiteral("-2s 0ms"));
        // A = t on a 0.5 s grid: the first point after the end of the drag
        // minus the first point at or after its start.
        const double atOrAfterStart = std::ceil(fromKey * 2) / 2;
        const double afterEnd = std::floor(toKey * 2) / 2 + 0.5;
        const QStringList columnA = columnTexts(view, 1);
        QCOMPARE(columnA.at(2), ControlPanel::numberText(afterEnd - atOrAfterStart));
        // Min, avg and max over the interval in ascending key order, with the
        // first point past its upper end.
        QCOMPARE(columnA.at(0), ControlPanel::numberText(std::ceil(toKey * 2) / 2));
        QCOMPARE(columnA.at(3), ControlPanel::numberText(std::floor(fromKey * 2) / 2 + 0.5));
        // B = 100 - t falls where A rises.
        QCOMPARE(columnTexts(view, 2).at(2), ControlPanel::numberText(atOrAfterStart - afterEnd));
        QVERIFY(view.plotParameters()[0].startTracer->visible());
    }

    void hidingTheLastShownZeroesTheTime()
    {
        const std::unique_ptr<PlotView> opened = PlotView::open(writeLog(fixture::metadata({"A", "B"}), rampSamples()));
        PlotView &view = *opened;
        QPushButton *a = qobject_cast<QPushButton *>(tableOf(view)->cellWidget(0, 1));
        QTest::mouseClick(a, Qt::LeftButton);
        QVERIFY(!view.plotParameters()[0].graph->visible());
        QVERIFY(!view.plotParameters()[0].axis->visible());
        QVERIFY(!plotOf(view)->legend->hasItemWithPlottable(view.plotParameters()[0].graph));
        QCOMPARE(columnTexts(view, 0), QStringList({"0s 0ms", "-", "0s 0ms", "0s 0ms", "0s 0ms"}));
        QCOMPARE(columnTexts(view, 1), QStringList(5, "-"));

        QTest::mouseClick(qobject_cast<QPushButton *>(tableOf(view)->cellWidget(0, 2)), Qt::LeftButton);
        QVERIFY(view.plotParameters()[1].graph->visible());
        QVERIFY(plotOf(view)->legend->hasItemWithPlottable(view.plotParameters()[1].graph));
        QCOMPARE(columnTexts(view, 2), QStringList({"99.5", "99.75", "-0.5", "100", "0"}));
    }

    // Right-button drag on the shown parameters from 4 s to 8 s; returns the
    // band's keys.
    QPair<double, double> placeBand(PlotView &view)
    {
        view.resize(1000, 600);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            return {};
        QCustomPlot *plot = plotOf(view);
        const int y = plot->axisRect()->center().y();
        const QPoint from(int(plot->xAxis->coordToPixel(4.0)), y);
        const QPoint to(int(plot->xAxis->coordToPixel(8.0)), y);
        QTest::mousePress(plot, Qt::RightButton, Qt::NoModifier, from);
        QTest::mouseMove(plot, to);
        QTest::mouseRelease(plot, Qt::RightButton, Qt::NoModifier, to);
        plot->replot();
        return {plot->xAxis->pixelToCoord(from.x()), plot->xAxis->pixelToCoord(to.x())};
    }

    void shownParameterJoinsThePlacedBand_data()
    {
        QTest::addColumn<bool>("hideFirst");
        QTest::newRow("beside the shown one") << false;
        QTest::newRow("after hiding the only shown one") << true;
    }

    void shownParameterJoinsThePlacedBand()
    {
        QFETCH(bool, hideFirst);
        const std::unique_ptr<PlotView> opened = PlotView::open(writeLog(fixture::metadata({"A", "B"}), rampSamples()));
        PlotView &view = *opened;
        const auto [fromKey, toKey] = placeBand(view);
        QVERIFY(toKey > fromKey);
        auto click = [&view](int column) {
            QTest::mouseClick(qobject_cast<QPushButton *>(tableOf(view)->cellWidget(0, column)), Qt::LeftButton);
        };
        if (hideFirst) {
            click(1);
            QVERIFY(!view.plotParameters()[0].graph->visible());
        }
        click(2);
        const PlotParameter &b = view.plotParameters()[1];
        QCOMPARE(b.startTracer->graphKey(), fromKey);
        QCOMPARE(b.endTracer->graphKey(), toKey);

        // B over the band's interval, and the band's ends (snapped to the
        // 0.5 s grid) in the time column.
        ParameterStats expected = PlotView::computeStatistics(b.graph, fromKey, toKey);
        const QStringList columnB = columnTexts(view, 2);
        QCOMPARE(columnB.at(0), ControlPanel::numberText(expected.min));
        QCOMPARE(columnB.at(1), ControlPanel::numberText(expected.avg));
        QCOMPARE(columnB.at(2), ControlPanel::numberText(expected.delta));
        QVERIFY(expected.max - expected.min >= 3.5);
        const double start = std::round(fromKey * 2) / 2;
        const double end = std::round(toKey * 2) / 2;
        QCOMPARE(columnTexts(view, 0), QStringList({ControlPanel::timeText(start), "-",
                                                    ControlPanel::timeText(end - start), ControlPanel::timeText(end),
                                                    "0s 0ms"}));
    }

    void wheelZoomFollowsSelection()
    {
        const std::unique_ptr<PlotView> opened = PlotView::open(writeLog(fixture::metadata({"A", "B"}), rampSamples()));
        PlotView &view = *opened;
        view.resize(1000, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCustomPlot *plot = plotOf(view);
        const PlotParameter &a = view.plotParameters()[0];
        auto wheel = [plot] {
            const QPointF at = plot->axisRect()->center();
            QWheelEvent event(at, plot->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(plot, &event);
        };

        // A click on the value axis selects it and its graph.
        QMouseEvent click(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
        emit plot->axisClick(a.axis, QCPAxis::spAxis, &click);
        QCOMPARE(a.axis->selectedParts(), QCPAxis::spAxis | QCPAxis::spTickLabels | QCPAxis::spAxisLabel);
        QVERIFY(a.graph->selected());

        const QCPRange time = plot->xAxis->range();
        const QCPRange values = a.axis->range();
        wheel();
        QCOMPARE(plot->xAxis->range(), time);
        QVERIFY(a.axis->range().size() < values.size());

        // A second click on the selected axis clears both.
        emit plot->axisClick(a.axis, QCPAxis::spAxis, &click);
        QCOMPARE(a.axis->selectedParts(), QCPAxis::spNone);
        QVERIFY(!a.graph->selected());

        const QCPRange valuesNow = a.axis->range();
        wheel();
        QCOMPARE(a.axis->range(), valuesNow);
        QVERIFY(plot->xAxis->range().size() < time.size());

        // The same through real clicks on the axis line.
        const QPoint onAxis(plot->axisRect()->left() - a.axis->offset(), plot->axisRect()->center().y());
        QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, onAxis);
        QCOMPARE(a.axis->selectedParts(), QCPAxis::spAxis | QCPAxis::spTickLabels | QCPAxis::spAxisLabel);
        QVERIFY(a.graph->selected());
        const QCPRange before = a.axis->range();
        wheel();
        QVERIFY(a.axis->range().size() < before.size());
        // Clicking empty space gives the wheel back to the time axis.
        QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, plot->axisRect()->topLeft() + QPoint(40, 10));
        QVERIFY(!a.graph->selected());
        QCOMPARE(a.axis->selectedParts(), QCPAxis::spNone);
        const QCPRange timeBefore = plot->xAxis->range();
        wheel();
        QVERIFY(plot->xAxis->range().size() < timeBefore.size());

        // A graph selected by the user draws its axis selected.
        a.graph->setSelection(QCPDataSelection(a.graph->data()->dataRange()));
        emit plot->selectionChangedByUser();
        QCOMPARE(a.axis->selectedParts(), QCPAxis::spAxis | QCPAxis::spTickLabels | QCPAxis::spAxisLabel);
        a.graph->setSelection(QCPDataSelection());
        emit plot->selectionChangedByUser();
        QCOMPARE(a.axis->selectedParts(), QCPAxis::spNone);
    }
};

QTEST_MAIN(TestPlotView)
#include "tst_plotview.moc"
