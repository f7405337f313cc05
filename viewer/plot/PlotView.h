#pragma once

#include "ParameterStats.h"

#include <nlohmann/json.hpp>

#include <QString>
#include <QVector>
#include <QWidget>

#include <exception>
#include <memory>
#include <string>

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
// below. The whole view is built by the constructor.
//
// Building fails with an exception (derived from std::exception; what() says
// why) when the file is missing or not a readable archive, lacks an entry,
// holds JSON that does not parse, or has metadata or samples of the wrong
// shape; nothing is left on disk and the half-built view is gone. Callers
// catch it and report the file.
class PlotView : public QWidget
{
    Q_OBJECT

public:
    explicit PlotView(const QString &path, QWidget *parent = nullptr);
    ~PlotView() override;

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
    void build(const std::string &file);
    void buildPlot(const std::string &file, const nlohmann::json &parameterList, std::exception_ptr titleError);
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
