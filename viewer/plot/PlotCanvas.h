#pragma once

#include <qcustomplot.h>

// The plot widget of a log's tab. Drawn through the OpenGL paint buffer, a
// plot keeps its picture in frame buffers of its own OpenGL context, and
// painting the widget copies them onto the screen through whatever context is
// current: after another plot has drawn, that is the other plot's, whose
// buffers carry the same numbers. Painting therefore makes the plot's own
// context current first, so a tab shown again, resized or uncovered shows
// its own log.
class PlotCanvas : public QCustomPlot
{
    Q_OBJECT

public:
    using QCustomPlot::QCustomPlot;

protected:
    void paintEvent(QPaintEvent *event) override;
};
