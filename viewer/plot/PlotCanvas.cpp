#include "PlotCanvas.h"

#include <QOpenGLContext>

void PlotCanvas::paintEvent(QPaintEvent *event)
{
    if (openGl() && mGlContext && mGlSurface && QOpenGLContext::currentContext() != mGlContext.data())
        mGlContext->makeCurrent(mGlSurface.data());
    QCustomPlot::paintEvent(event);
}
