#include "PlotView.h"
#include "ui_PlotView.h"

#include "ControlPanel.h"
#include "LogMetadata.h"
#include "LogSamples.h"
#include "ProgressMessageBox.h"
#include "ZipEntryStream.h"

#include <qcustomplot.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <future>
#include <limits>

using nlohmann::json;

Q_LOGGING_CATEGORY(lcPlot, "viewer.plot")

namespace {

// The progress dialog processes pending events whenever its value changes;
// doing that for every sample would cost more than the samples themselves, so
// the value is handed over at most this often.
constexpr qint64 kProgressIntervalMs = 15;

// A tracer that skips drawing where its place has no usable pixel: on the NaN
// point of a gap, or far outside the plot. The plus mark's drawing would turn
// such a place into an overflowing rectangle.
class CursorTracer : public QCPItemTracer
{
public:
    using QCPItemTracer::QCPItemTracer;

protected:
    void draw(QCPPainter *painter) override
    {
        updatePosition();
        const QPointF at = position->pixelPosition();
        constexpr double kFar = 1e7;
        if (!(std::abs(at.x()) < kFar && std::abs(at.y()) < kFar))
            return;
        QCPItemTracer::draw(painter);
    }
};

json::type_error typeError(const char *expected, const char *actual)
{
    return json::type_error::create(302, std::string("type must be ") + expected + ", but is " + actual, nullptr);
}

// Appends a point the way the graph's own container inserts one, so samples
// out of time order land where addData would put them.
void appendPoint(QVector<QCPGraphData> &series, double key, double value)
{
    if (series.isEmpty() || !(key < series.constLast().key)) {
        series.append(QCPGraphData(key, value));
        return;
    }
    const auto at = std::lower_bound(series.begin(), series.end(), key,
                                     [](const QCPGraphData &point, double k) { return point.key < k; });
    series.insert(at, QCPGraphData(key, value));
}

// Turns the samples of a log into the points of its graphs.
class PlotBuilder : public SampleSink
{
public:
    PlotBuilder(ProgressMessageBox &progress, int parameterCount)
        : m_progress(progress)
        , m_series(static_cast<std::size_t>(parameterCount))
    {
        m_clock.start();
    }

    void begin(qint64 count) override
    {
        m_maximum = static_cast<int>(std::min<qint64>(count, std::numeric_limits<int>::max()));
        m_progress.setMaximum(m_maximum);
        m_progressBase = m_progress.value();
    }

    void sample(const SampleRecord &record) override
    {
        if (m_error)
            return; // the build has failed; the rest of the text is only checked
        if (!record.isObject) {
            m_error = std::make_exception_ptr(typeError("object", record.type));
            return;
        }
        if (record.common == SampleRecord::Field::Bad) {
            m_error = std::make_exception_ptr(typeError("object", record.commonType));
            return;
        }
        if (record.time == SampleRecord::Field::Bad) {
            m_error = std::make_exception_ptr(typeError("number", record.timeType));
            return;
        }
        if (record.common == SampleRecord::Field::Good && record.time == SampleRecord::Field::Good)
            addPoints(record);
        // A sample without a time has no place on the graphs and is passed over.
        advance();
    }

    void finish()
    {
        if (!m_error && m_done > 0)
            m_progress.setValue(currentValue());
    }

    std::exception_ptr error() const { return m_error; }
    std::vector<QVector<QCPGraphData>> &series() { return m_series; }

private:
    void addPoints(const SampleRecord &record)
    {
        const double t = record.timeMs / 1000.0;
        const std::size_t parameterCount = m_series.size();
        // Values beyond the parameter list have no graph.
        const std::size_t valueCount = static_cast<std::size_t>(
            std::min<qint64>(record.valueCount, static_cast<qint64>(parameterCount)));
        if (t - m_previousTime > 1.0) {
            // A gap in the recording: one NaN point breaks every line.
            for (std::size_t j = 0; j < valueCount; ++j)
                appendPoint(m_series[j], m_previousTime + 0.001, std::numeric_limits<double>::quiet_NaN());
        }
        m_previousTime = t;
        // Values up to the first one that is not a number; the rest of the
        // sample is dropped.
        const std::size_t numeric = std::min(static_cast<std::size_t>(record.numericValues), parameterCount);
        for (std::size_t j = 0; j < numeric; ++j)
            appendPoint(m_series[j], t, record.values[j]);
    }

    int currentValue() const
    {
        const qint64 value = static_cast<qint64>(m_progressBase) + m_done;
        return static_cast<int>(std::min<qint64>(value, m_maximum));
    }

    void advance()
    {
        ++m_done;
        if ((m_done & 63) == 0 && m_clock.elapsed() >= kProgressIntervalMs) {
            m_progress.setValue(currentValue());
            m_clock.restart();
        }
    }

    ProgressMessageBox &m_progress;
    std::vector<QVector<QCPGraphData>> m_series;
    std::exception_ptr m_error;
    QElapsedTimer m_clock;
    double m_previousTime = 0.0;
    qint64 m_done = 0;
    int m_maximum = 0;
    int m_progressBase = 0;
};

int aheadChunks(const std::string &file)
{
    ZipEntryStream probe(file, kLogDataEntry);
    const quint64 quarterMiB = probe.size() / (4u << 20);
    return static_cast<int>(std::clamp<quint64>(quarterMiB, 4, 16));
}

// Counts the samples of "data.json" on a thread of its own while the main
// reading starts, so the progress maximum is known without a second parse.
class SampleCounter
{
public:
    explicit SampleCounter(const std::string &file)
    {
        m_result = std::async(std::launch::async, [this, file] {
            ZipEntryStream stream(file, kLogDataEntry);
            ArrayElementCounter counter;
            const char *begin = nullptr;
            const char *end = nullptr;
            while (!m_cancelled.load(std::memory_order_relaxed) && stream.next(begin, end))
                counter.feed(begin, end);
            return counter.count();
        });
    }

    ~SampleCounter()
    {
        m_cancelled = true;
        if (m_result.valid())
            m_result.wait();
    }

    // Waits for the count, keeping the application responsive meanwhile.
    qint64 wait()
    {
        while (m_result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return m_result.get();
    }

private:
    std::atomic<bool> m_cancelled{false};
    std::future<qint64> m_result;
};

} // namespace

PlotView::PlotView(const QString &path, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::PlotView>())
{
    ui->setupUi(this);
    ui->splitter->setSizes({height() - 1, 1});
    ui->splitter->setStretchFactor(0, 666);
    build(QFile::encodeName(path).toStdString());
}

PlotView::~PlotView() = default;

void PlotView::build(const std::string &file)
{
    // Opening never creates a file: a missing one is an error like any other.
    const json metadata = readLogMetadataDocument(QFile::decodeName(file.c_str()), LogEntries::MetadataAndData);
    const json &parameterList = logParameterList(metadata);

    // The data is read while the plot is built; an error in the title's keys
    // is reported after a parse error of the data and before any build error.
    std::exception_ptr titleError;
    try {
        m_title = logSessionTitle(metadata, QStringLiteral("No Name"));
    } catch (const json::exception &) {
        titleError = std::current_exception();
    }

    buildPlot(file, parameterList, titleError);
}

void PlotView::buildPlot(const std::string &file, const json &parameterList, std::exception_ptr titleError)
{
    QCustomPlot *plot = ui->plot;
    ControlPanel *panel = ui->statisticsPanel;

    // While the samples are counted the text is inflated ahead, up to a
    // quarter of its size (at most 16 MiB), so the parse that follows rarely
    // waits for the inflating.
    QElapsedTimer clock;
    clock.start();
    ZipEntryStream data(file, kLogDataEntry, aheadChunks(file));
    SampleCounter counter(file);

    ProgressMessageBox progress;
    progress.setValue(5);
    panel->clear();

    plot->setOpenGl(true, 16);
    plot->axisRect()->removeAxis(plot->axisRect()->axis(QCPAxis::atLeft));

    panel->addParameter(ControlPanel::timeColumnName(), ParameterStats());

    std::exception_ptr buildError;
    QStringList names;
    try {
        names = logParameterNames(parameterList);
    } catch (const json::exception &) {
        buildError = std::current_exception();
    }
    for (const QString &name : std::as_const(names)) {
        panel->addParameter(name, ParameterStats());

        QCPAxis *axis = plot->axisRect()->addAxis(QCPAxis::atLeft);
        axis->setLabel(name);
        axis->setTickLabels(true);
        axis->setLabelPadding(-5);
        axis->setPadding(20);

        QCPGraph *graph = plot->addGraph(plot->xAxis, axis);
        graph->setName(name);
        graph->setVisible(false);
        axis->setVisible(false);
        graph->removeFromLegend();

        // The tracers are bound to their graph once it holds its points
        // (binding an empty graph only complains).
        auto *hover = new CursorTracer(plot);
        hover->setStyle(QCPItemTracer::tsNone);
        hover->setVisible(false);
        hover->setLayer(cursorLayer(plot));

        auto *start = new CursorTracer(plot);
        auto *end = new CursorTracer(plot);
        for (QCPItemTracer *tracer : {start, end}) {
            tracer->setStyle(QCPItemTracer::tsPlus);
            tracer->setSize(16);
            tracer->setVisible(false);
            tracer->setLayer(cursorLayer(plot));
        }
        parameters.append(PlotParameter{name, axis, graph, hover, start, end});
    }

    plot->setInteractions(QCP::Interactions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables
                                            | QCP::iSelectAxes));
    plot->setSelectionTolerance(5);
    plot->legend->setVisible(true);

    PlotBuilder builder(progress, parameters.size());
    streamSamples(
        [&data](const char *&begin, const char *&end) { return data.next(begin, end); },
        parameters.size(),
        [&counter, &clock] {
            const qint64 count = counter.wait();
            qCDebug(lcPlot) << count << "samples counted after" << clock.elapsed() << "ms";
            return count;
        },
        builder);
    builder.finish();
    qCDebug(lcPlot) << "samples read after" << clock.elapsed() << "ms";

    if (titleError)
        std::rethrow_exception(titleError);
    if (buildError)
        std::rethrow_exception(buildError);
    if (builder.error())
        std::rethrow_exception(builder.error());

    for (int i = 0; i < parameters.size(); ++i) {
        QCPGraph *graph = parameters[i].graph;
        graph->data()->set(builder.series()[static_cast<std::size_t>(i)], true);
        builder.series()[static_cast<std::size_t>(i)] = QVector<QCPGraphData>();
        bindTracers(parameters[i]);

        graph->rescaleValueAxis(true, false);
        QRandomGenerator *random = QRandomGenerator::global();
        const int blue = static_cast<int>(random->generate() >> 24);
        const int green = static_cast<int>(random->generate() >> 24);
        const int red = static_cast<int>(random->generate() >> 24);
        graph->setPen(QPen(QBrush(QColor(red, green, blue, 255)), 1, Qt::SolidLine));
    }
    if (!parameters.isEmpty())
        parameters.first().graph->rescaleKeyAxis();

    QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
    ticker->setTimeFormat(QStringLiteral("%m:%s:%z"));
    plot->xAxis->setTicker(ticker);

    plot->axisRect()->setRangeDragAxes(plot->xAxis, nullptr);
    plot->axisRect()->setRangeZoomAxes(plot->xAxis, nullptr);

    // The band's corners follow the time axis horizontally and the axis
    // rectangle vertically, so it always spans the full height of the plot.
    selectionBand = new QCPItemRect(plot);
    selectionBand->setLayer(cursorLayer(plot));
    for (QCPItemPosition *corner : {selectionBand->topLeft, selectionBand->bottomRight}) {
        corner->setAxes(plot->xAxis, nullptr);
        corner->setAxisRect(plot->axisRect());
        corner->setTypeX(QCPItemPosition::ptPlotCoords);
        corner->setTypeY(QCPItemPosition::ptAxisRectRatio);
    }
    placeBandCorner(true, 0.0);
    placeBandCorner(false, 0.0);
    selectionBand->setVisible(false);
    selectionBand->setBrush(QBrush(QColor(200, 200, 255, 80), Qt::SolidPattern));
    selectionBand->setPen(Qt::NoPen);
    selectionBand->setSelectable(false);

    plot->replot(QCustomPlot::rpRefreshHint);
    connectPlotSignals(plot);
    if (!parameters.isEmpty())
        panel->enable(parameters.first().name);
    qCDebug(lcPlot) << "built" << parameters.size() << "parameters, OpenGL" << plot->openGl();
}

void PlotView::bindTracers(const PlotParameter &parameter)
{
    for (QCPItemTracer *tracer : {parameter.hoverTracer, parameter.startTracer, parameter.endTracer}) {
        if (!parameter.graph->data()->isEmpty())
            tracer->setGraph(parameter.graph);
        // Until the first drawing every tracer stands at key 0.
        tracer->setGraphKey(0.0);
        tracer->position->setCoords(0.0, 0.0);
    }
}

void PlotView::placeBandCorner(bool topLeft, double key)
{
    QCPItemPosition *corner = topLeft ? selectionBand->topLeft : selectionBand->bottomRight;
    corner->setCoords(key, topLeft ? 0.0 : 1.0);
}

void PlotView::connectPlotSignals(QCustomPlot *plot)
{
    rangeSelecting = false;
    connect(plot, &QCustomPlot::selectionChangedByUser, this, [this] { updateSelection(); });
    connect(plot, &QCustomPlot::axisClick, this,
            [this](QCPAxis *axis, QCPAxis::SelectablePart, QMouseEvent *) { onAxisClick(axis); });
    connect(plot, &QCustomPlot::mouseMove, this, [this](QMouseEvent *event) { onMouseMove(event); });
    connect(plot, &QCustomPlot::mousePress, this, [this](QMouseEvent *event) { onMousePress(event); },
            Qt::DirectConnection);
    connect(plot, &QCustomPlot::mouseRelease, this, [this](QMouseEvent *event) { onMouseRelease(event); },
            Qt::DirectConnection);
    connect(ui->statisticsPanel, &ControlPanel::toggled, this,
            [this](const QString &name, bool isEnabled) { setGraphVisible(name, isEnabled); });
}

void PlotView::updateSelection()
{
    QCustomPlot *plot = ui->plot;
    for (QCPAxis *axis : plot->axisRect()->axes())
        axis->setSelectedParts(QCPAxis::spNone);
    for (QCPGraph *graph : plot->selectedGraphs())
        graph->valueAxis()->setSelectedParts(QCPAxis::spAxis | QCPAxis::spTickLabels | QCPAxis::spAxisLabel);
    updateDragZoomAxes(plot);
}

void PlotView::updateDragZoomAxes(QCustomPlot *plot)
{
    const QList<QCPGraph *> selected = plot->selectedGraphs();
    if (!selected.isEmpty()) {
        QCPGraph *graph = selected.first();
        plot->axisRect()->setRangeZoomAxes(nullptr, graph->valueAxis());
        plot->axisRect()->setRangeDragAxes(graph->keyAxis(), graph->valueAxis());
    } else {
        plot->axisRect()->setRangeDragAxes(plot->xAxis, nullptr);
        plot->axisRect()->setRangeZoomAxes(plot->xAxis, nullptr);
    }
}

void PlotView::onAxisClick(QCPAxis *axis)
{
    if (!axis || axis->axisType() != QCPAxis::atLeft)
        return;
    const QCPAxis::SelectableParts all = QCPAxis::spAxis | QCPAxis::spTickLabels | QCPAxis::spAxisLabel;
    const QList<QCPGraph *> graphs = axis->graphs();
    if (axis->selectedParts() == all) {
        axis->setSelectedParts(QCPAxis::spNone);
        if (!graphs.isEmpty())
            graphs.first()->setSelection(QCPDataSelection());
    } else {
        axis->setSelectedParts(all);
        if (!graphs.isEmpty())
            graphs.first()->setSelection(QCPDataSelection(QCPDataRange(0, 2147483647)));
    }
    ui->plot->replot(QCustomPlot::rpRefreshHint);
    updateDragZoomAxes(ui->plot);
}

namespace {

// The interval between the parameter's start and end tracers, with its
// statistics and the given cursor value, into the parameter's panel column.
void showIntervalStatistics(ControlPanel *panel, const PlotParameter &parameter, double cursor)
{
    ParameterStats stats = PlotView::computeStatistics(parameter.graph, parameter.startTracer->graphKey(),
                                                       parameter.endTracer->graphKey());
    stats.cursor = cursor;
    panel->setValues(parameter.name, stats);
}

// The time column for that interval: its ends, their difference, the cursor key.
ParameterStats intervalTimeStats(const PlotParameter &parameter, double cursorKey)
{
    ParameterStats time;
    time.cursor = cursorKey;
    time.min = parameter.startTracer->position->key();
    time.max = parameter.endTracer->position->key();
    time.delta = time.max - time.min;
    return time;
}

} // namespace

void PlotView::onMousePress(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton)
        return;
    QCustomPlot *plot = ui->plot;
    ControlPanel *panel = ui->statisticsPanel;
    plot->setInteraction(QCP::iRangeDrag, false);

    ParameterStats time;
    for (const PlotParameter &parameter : std::as_const(parameters)) {
        if (!panel->isParameterEnabled(parameter.name))
            continue;
        const double key = plot->xAxis->pixelToCoord(event->position().x());
        const double cursor = parameter.hoverTracer->position->value();
        parameter.startTracer->setGraphKey(key);

        placeBandCorner(true, key);
        placeBandCorner(false, key);
        selectionBand->setVisible(true);

        showIntervalStatistics(panel, parameter, cursor);

        rangeSelecting = true;
        plot->replot(QCustomPlot::rpRefreshHint);

        time = intervalTimeStats(parameter, key);
    }
    panel->setValues(ControlPanel::timeColumnName(), time);
}

void PlotView::onMouseMove(QMouseEvent *event)
{
    QCustomPlot *plot = ui->plot;
    ControlPanel *panel = ui->statisticsPanel;
    ParameterStats time;
    bool anyEnabled = false;
    for (const PlotParameter &parameter : std::as_const(parameters)) {
        if (!panel->isParameterEnabled(parameter.name))
            continue;
        anyEnabled = true;
        const double key = plot->xAxis->pixelToCoord(event->position().x());
        double cursor = parameter.hoverTracer->position->value();
        if (rangeSelecting) {
            cursor = parameter.endTracer->position->value();
            parameter.endTracer->setGraphKey(key);
            placeBandCorner(false, key);
            showIntervalStatistics(panel, parameter, cursor);
        } else {
            parameter.hoverTracer->setGraphKey(key);
            panel->setCursorValue(parameter.name, cursor);
        }
        time = intervalTimeStats(parameter, key);
    }
    panel->setValues(ControlPanel::timeColumnName(), time);
    if (anyEnabled)
        queueCursorReplot();
}

QCPLayer *PlotView::cursorLayer(QCustomPlot *plot)
{
    // The plot's own top layer, buffered on its own: redrawing it leaves the
    // graphs' buffers alone.
    return plot->layer(QStringLiteral("overlay"));
}

void PlotView::queueCursorReplot()
{
    // Movements between two frames cost one drawing. Only the tracers and the
    // band move, so only their layer is drawn again.
    if (cursorReplotQueued)
        return;
    cursorReplotQueued = true;
    QTimer::singleShot(0, this, [this] {
        cursorReplotQueued = false;
        cursorLayer(ui->plot)->replot();
    });
}

void PlotView::onMouseRelease(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        ui->plot->setInteraction(QCP::iRangeDrag, true);
    rangeSelecting = false;
}

void PlotView::setGraphVisible(const QString &name, bool visible)
{
    int firstVisible = -1;
    for (int i = 0; i < parameters.size(); ++i) {
        if (parameters[i].graph->visible()) {
            firstVisible = i;
            break;
        }
    }
    const auto it = std::find_if(parameters.cbegin(), parameters.cend(),
                                 [&name](const PlotParameter &p) { return p.name == name; });
    if (it == parameters.cend())
        return;
    const PlotParameter &parameter = *it;

    parameter.graph->setVisible(visible);
    parameter.axis->setVisible(visible);
    // A graph without points has nothing for its tracers to mark.
    const bool tracersVisible = visible && !parameter.graph->data()->isEmpty();
    parameter.hoverTracer->setVisible(tracersVisible);
    parameter.startTracer->setVisible(tracersVisible);
    parameter.endTracer->setVisible(tracersVisible);

    ParameterStats time;
    if (visible) {
        parameter.graph->addToLegend();
        if (firstVisible >= 0) {
            const PlotParameter &shown = parameters[firstVisible];
            parameter.hoverTracer->setGraphKey(shown.hoverTracer->graphKey());
            parameter.startTracer->setGraphKey(shown.startTracer->graphKey());
            parameter.endTracer->setGraphKey(shown.endTracer->graphKey());
        }
        showIntervalStatistics(ui->statisticsPanel, parameter, 0.0);
        time = intervalTimeStats(parameter, 0.0);
    } else {
        parameter.graph->removeFromLegend();
    }
    ui->statisticsPanel->setValues(ControlPanel::timeColumnName(), time);
    ui->plot->replot(QCustomPlot::rpRefreshHint);
}

ParameterStats PlotView::computeStatistics(const QCPGraph *graph, double keyA, double keyB)
{
    const QSharedPointer<QCPGraphDataContainer> data = graph->data();
    const auto byKey = [](const QCPGraphData &point, double key) { return point.key < key; };
    const auto keyBefore = [](double key, const QCPGraphData &point) { return key < point.key; };
    const auto begin = data->constBegin();
    const auto end = data->constEnd();

    ParameterStats stats;
    const auto a = std::lower_bound(begin, end, keyA, byKey);
    const auto b = std::upper_bound(begin, end, keyB, keyBefore);
    stats.delta = (a != end && b != end) ? b->value - a->value : 0.0;

    const double lo = std::min(keyA, keyB);
    const double hi = std::max(keyA, keyB);
    auto from = std::lower_bound(begin, end, lo, byKey);
    auto to = std::upper_bound(begin, end, hi, keyBefore);
    if (to != end)
        ++to; // the first point past the interval belongs to it

    double minimum = std::numeric_limits<double>::max();
    double maximum = -std::numeric_limits<double>::max();
    double sum = 0.0;
    qint64 count = 0;
    for (auto it = from; it < to; ++it) {
        const double value = it->value;
        if (std::isnan(value))
            continue;
        minimum = std::min(minimum, value);
        maximum = std::max(maximum, value);
        sum += value;
        ++count;
    }
    stats.min = minimum;
    stats.max = maximum;
    stats.avg = count > 0 ? sum / static_cast<double>(count) : 0.0;
    stats.cursor = 0.0;
    return stats;
}

void PlotView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
