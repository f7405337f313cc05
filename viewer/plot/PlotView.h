#pragma once

#include "ParameterStats.h"
#include "PlotLoader.h"

#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

namespace Ui {
class PlotView;
}
class ControlPanel;
class QCPAxis;
class QCPGraph;
class QCPItemRect;
class QCPItemTracer;
class QCPLayer;
class QCustomPlot;
class QMouseEvent;

// One plotted parameter of a log. The axis, graph and tracers belong to the
// plot widget; the record only refers to them.
struct PlotParameter
{
    QString name;
    QCPAxis *axis = nullptr;              // the parameter's own value axis (left side)
    QCPGraph *graph = nullptr;            // key = time in seconds
    QCPItemTracer *hoverTracer = nullptr; // follows the mouse, draws nothing
    QCPItemTracer *startTracer = nullptr; // where a right-button drag began
    QCPItemTracer *endTracer = nullptr;   // where it is now or ended
};

// A log file drawn as one graph per parameter over time, with the cursor panel
// below. The view shows what the loader read (PlotLoader.h); open() does both.
class PlotView : public QWidget
{
    Q_OBJECT

public:
    // Shows `plot`; a plot that did not open leaves the view empty, its
    // title too. The series are taken over.
    explicit PlotView(LogPlot plot, QWidget *parent = nullptr);
    ~PlotView() override;

    // Loads the log at `path` with the progress dialog up (the dialog keeps
    // the application responsive meanwhile) and builds its view. Throws what
    // loadLogPlot throws; nothing is left on disk and no view is made.
    static std::unique_ptr<PlotView> open(const QString &path, QWidget *parent = nullptr);

    // The tab title, "<device> (<country>-<number>): <session>".
    QString title() const { return m_title; }

    const QVector<PlotParameter> &plotParameters() const { return parameters; }

    // Statistics of `graph` between the keys keyA and keyB: min, max and avg
    // over the points from the first with key >= the lower key up to and
    // including the first with key > the higher one (NaN points skipped);
    // delta = value of the first point with key > keyB minus value of the
    // first with key >= keyA, 0 when either is missing.
    static ParameterStats computeStatistics(const QCPGraph *graph, double keyA, double keyB);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildPlot(LogPlot &plot);
    void connectPlotSignals(QCustomPlot *plot);
    void updateSelection();
    void updateDragZoomAxes(QCustomPlot *plot);
    void onAxisClick(QCPAxis *axis);
    void onMousePress(QMouseEvent *event);
    void onMouseMove(QMouseEvent *event);
    void onMouseRelease(QMouseEvent *event);
    void setGraphVisible(const QString &name, bool visible);
    void bindTracers(const PlotParameter &parameter);
    void placeBandCorner(bool topLeft, double key);
    static QCPLayer *cursorLayer(QCustomPlot *plot);
    void queueCursorReplot();

    std::unique_ptr<Ui::PlotView> ui;
    QVector<PlotParameter> parameters;
    QCPItemRect *selectionBand = nullptr;
    QString m_title;
    bool rangeSelecting = false;
    bool cursorReplotQueued = false;
};
