#include "PlotView.h"
#include "ui_PlotView.h"

#include "ControlPanel.h"
#include "LevelGraph.h"
#include "ProgressMessageBox.h"

#include <qcustomplot.h>

#include <QEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcPlot, "viewer.plot")

namespace {

// The progress bar runs to 100 (its default maximum) and starts at 5, before
// the first byte of the samples is read.
constexpr int kProgressStart = 5;
constexpr int kProgressEnd = 100;

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

} // namespace

PlotView::PlotView(LogPlot plot, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::PlotView>())
{
    ui->setupUi(this);
    ui->splitter->setSizes({height() - 1, 1});
    ui->splitter->setStretchFactor(0, 666);
    if (plot.opened) {
        m_title = plot.title;
        buildPlot(plot);
    }
}

PlotView::~PlotView() = default;

std::unique_ptr<PlotView> PlotView::open(const QString &path, QWidget *parent)
{
    // The dialog stays up until the view is built.
    ProgressMessageBox progress;
    progress.setValue(kProgressStart);
    LogPlot plot = loadLogPlot(path, [&progress](quint64 consumed, quint64 total) {
        const double done = total > 0 ? static_cast<double>(consumed) / static_cast<double>(total) : 1.0;
        progress.setValue(kProgressStart + static_cast<int>(done * (kProgressEnd - kProgressStart)));
    });
    return std::make_unique<PlotView>(std::move(plot), parent);
}

void PlotView::buildPlot(LogPlot &plot)
{
    QCustomPlot *customPlot = ui->plot;
    ControlPanel *panel = ui->statisticsPanel;
    panel->clear();

    customPlot->setOpenGl(true, 16);
    customPlot->axisRect()->removeAxis(customPlot->axisRect()->axis(QCPAxis::atLeft));

    panel->addParameter(ControlPanel::timeColumnName(), ParameterStats());

    for (const QString &name : std::as_const(plot.names)) {
        panel->addParameter(name, ParameterStats());

        QCPAxis *axis = customPlot->axisRect()->addAxis(QCPAxis::atLeft);
        axis->setLabel(name);
        axis->setTickLabels(true);
        axis->setLabelPadding(-5);
        axis->setPadding(20);

        QCPGraph *graph = new LevelGraph(customPlot->xAxis, axis);
        graph->setName(name);
        graph->setVisible(false);
        axis->setVisible(false);
        graph->removeFromLegend();

        auto *hover = new CursorTracer(customPlot);
        hover->setStyle(QCPItemTracer::tsNone);
        hover->setVisible(false);
        hover->setLayer(cursorLayer(customPlot));

        auto *start = new CursorTracer(customPlot);
        auto *end = new CursorTracer(customPlot);
        for (QCPItemTracer *tracer : {start, end}) {
            tracer->setStyle(QCPItemTracer::tsPlus);
            tracer->setSize(16);
            tracer->setVisible(false);
            tracer->setLayer(cursorLayer(customPlot));
        }
        parameters.append(PlotParameter{name, axis, graph, hover, start, end});
    }

    customPlot->setInteractions(QCP::Interactions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables
                                                  | QCP::iSelectAxes));
    customPlot->setSelectionTolerance(5);
    customPlot->legend->setVisible(true);

    for (int i = 0; i < parameters.size(); ++i) {
        QCPGraph *graph = parameters[i].graph;
        std::vector<PlotPoint> &series = plot.series[static_cast<std::size_t>(i)];
        QVector<QCPGraphData> points;
        points.reserve(static_cast<qsizetype>(series.size()));
        for (const PlotPoint &point : series)
            points.append(QCPGraphData(point.key, point.value));
        std::vector<PlotPoint>().swap(series); // its memory back before the next one is copied
        graph->data()->set(points, true);
        static_cast<LevelGraph *>(graph)->rebuildLevels();
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
    customPlot->xAxis->setTicker(ticker);

    customPlot->axisRect()->setRangeDragAxes(customPlot->xAxis, nullptr);
    customPlot->axisRect()->setRangeZoomAxes(customPlot->xAxis, nullptr);

    // The band's corners follow the time axis horizontally and the axis
    // rectangle vertically, so it always spans the full height of the plot.
    selectionBand = new QCPItemRect(customPlot);
    selectionBand->setLayer(cursorLayer(customPlot));
    for (QCPItemPosition *corner : {selectionBand->topLeft, selectionBand->bottomRight}) {
        corner->setAxes(customPlot->xAxis, nullptr);
        corner->setAxisRect(customPlot->axisRect());
        corner->setTypeX(QCPItemPosition::ptPlotCoords);
        corner->setTypeY(QCPItemPosition::ptAxisRectRatio);
    }
    placeBandCorner(true, 0.0);
    placeBandCorner(false, 0.0);
    selectionBand->setVisible(false);
    selectionBand->setBrush(QBrush(QColor(200, 200, 255, 80), Qt::SolidPattern));
    selectionBand->setPen(Qt::NoPen);
    selectionBand->setSelectable(false);

    customPlot->replot(QCustomPlot::rpRefreshHint);
    connectPlotSignals(customPlot);
    if (!parameters.isEmpty())
        panel->enable(parameters.first().name);
    qCDebug(lcPlot) << "built" << parameters.size() << "parameters, OpenGL" << customPlot->openGl();
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
        if (selectionBand->visible()) {
            // The interval is the band's, also when no shown graph carries it
            // any more; the new tracers stand on it before their first drawing.
            parameter.startTracer->setGraphKey(selectionBand->topLeft->key());
            parameter.endTracer->setGraphKey(selectionBand->bottomRight->key());
            if (parameter.startTracer->graph()) {
                parameter.startTracer->updatePosition();
                parameter.endTracer->updatePosition();
            }
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
