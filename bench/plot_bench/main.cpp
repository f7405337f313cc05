// Builds the plot view of one log file off screen and reports the time the
// build took and the peak memory of the process.
//
//   plot_bench FILE [--anchor] [--interact]
//
// --anchor also runs parse_anchor.py (Python's zipfile + json.load on the same
// file) and prints the ratio of the two times. --interact then shows the view
// and times mouse movements over it (hovering, and a right-button drag across
// the whole plot) with one and with all parameters shown, each movement
// followed by the replot it queues; with all parameters shown it also times
// wheel-zoom steps on the time axis and a left-button pan. Run it on a display
// (xvfb-run, QT_QPA_PLATFORM=xcb) for the OpenGL figures.

#include "PlotView.h"
#include "ZipEntryStream.h"

#include <qcustomplot.h>

#include "ControlPanel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// Average milliseconds per movement, its replot included.
double timeMovements(QCustomPlot *plot, bool drag, int moves)
{
    const QRect area = plot->axisRect()->rect();
    const int y = area.center().y();
    auto send = [plot](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, plot->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(plot, &event);
    };
    QElapsedTimer clock;
    clock.start();
    if (drag)
        send(QEvent::MouseButtonPress, QPoint(area.left() + 1, y), Qt::RightButton, Qt::RightButton);
    for (int i = 0; i < moves; ++i) {
        const int x = area.left() + 1 + (area.width() - 2) * i / std::max(moves - 1, 1);
        send(QEvent::MouseMove, QPoint(x, y), Qt::NoButton, drag ? Qt::RightButton : Qt::NoButton);
        QCoreApplication::processEvents(); // runs the queued replot
    }
    if (drag)
        send(QEvent::MouseButtonRelease, QPoint(area.right() - 1, y), Qt::RightButton, Qt::NoButton);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / moves;
}

struct StepTimes
{
    double average = 0.0;
    double worst = 0.0;
    double cpuAverage = 0.0; // processor time of the whole process, its drawing threads included
};

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
            + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
}

// One wheel step in, one out, and so on, at the centre of the plot: every
// second step shows the whole range again. Each step ends with its drawing.
StepTimes timeWheelSteps(QCustomPlot *plot, int steps)
{
    const QPointF at = plot->axisRect()->center();
    StepTimes times;
    const double cpuStart = cpuMs();
    for (int i = 0; i < steps; ++i) {
        QElapsedTimer clock;
        clock.start();
        QWheelEvent event(at, plot->mapToGlobal(at), QPoint(), QPoint(0, i % 2 == 0 ? 120 : -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(plot, &event);
        QCoreApplication::processEvents();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        times.average += ms / steps;
        times.worst = std::max(times.worst, ms);
    }
    times.cpuAverage = (cpuMs() - cpuStart) / steps;
    return times;
}

// A left-button drag of the time axis to the right and back, a few pixels
// per movement, each movement followed by the replot it queues.
StepTimes timePan(QCustomPlot *plot, int moves)
{
    const QRect area = plot->axisRect()->rect();
    const QPoint start = area.center();
    auto send = [plot](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, plot->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(plot, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    StepTimes times;
    const double cpuStart = cpuMs();
    for (int i = 1; i <= moves; ++i) {
        const int offset = 8 * (i <= moves / 2 ? i : moves - i);
        QElapsedTimer clock;
        clock.start();
        send(QEvent::MouseMove, start + QPoint(offset, 0), Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // runs the queued replot
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        times.average += ms / moves;
        times.worst = std::max(times.worst, ms);
    }
    times.cpuAverage = (cpuMs() - cpuStart) / moves;
    send(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    QCoreApplication::processEvents();
    return times;
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: plot_bench FILE [--anchor]\n");
        return 2;
    }
    const QString file = args.at(1);
    const bool anchor = args.contains(QStringLiteral("--anchor"));
    const bool interact = args.contains(QStringLiteral("--interact"));

    double dataMiB = 0.0;
    try {
        Zippy::ZipEntryStream data(QFile::encodeName(file).toStdString(), "data.json");
        dataMiB = static_cast<double>(data.size()) / (1024.0 * 1024.0);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(file), e.what());
        return 1;
    }
    const double baseMiB = peakMiB();

    QElapsedTimer clock;
    clock.start();
    double seconds = 0.0;
    double peak = 0.0;
    qsizetype points = 0;
    try {
        const std::unique_ptr<PlotView> opened = PlotView::open(file);
        PlotView &view = *opened;
        seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        peak = peakMiB();
        for (const PlotParameter &parameter : view.plotParameters())
            points += parameter.graph->dataCount();
        std::printf("title: %s\n", qPrintable(view.title()));
        std::printf("parameters: %lld, points: %lld\n", static_cast<long long>(view.plotParameters().size()),
                    static_cast<long long>(points));
        if (interact) {
            view.resize(1400, 850);
            view.show();
            QElapsedTimer wait;
            wait.start();
            while (wait.elapsed() < 500)
                QCoreApplication::processEvents();
            QCustomPlot *plot = view.findChild<QCustomPlot *>(QStringLiteral("plot"));
            ControlPanel *panel = view.findChild<ControlPanel *>(QStringLiteral("statisticsPanel"));
            std::printf("OpenGL paint buffer: %s\n", plot->openGl() ? "yes" : "no");
            std::printf("one parameter shown: hover %.2f ms, drag %.2f ms per movement\n",
                        timeMovements(plot, false, 200), timeMovements(plot, true, 200));
            for (const PlotParameter &parameter : view.plotParameters())
                panel->enable(parameter.name);
            std::printf("all parameters shown: hover %.2f ms, drag %.2f ms per movement\n",
                        timeMovements(plot, false, 200), timeMovements(plot, true, 200));
            const StepTimes wheel = timeWheelSteps(plot, 20);
            std::printf("all parameters shown: wheel-zoom step %.2f ms (worst %.2f ms, processor %.2f ms)\n",
                        wheel.average, wheel.worst, wheel.cpuAverage);
            const StepTimes pan = timePan(plot, 40);
            std::printf("all parameters shown: pan %.2f ms per movement (worst %.2f ms, processor %.2f ms)\n",
                        pan.average, pan.worst, pan.cpuAverage);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "building the view failed: %s\n", e.what());
        return 1;
    }
    std::printf("data.json: %.1f MiB\n", dataMiB);
    std::printf("build time: %.3f s\n", seconds);
    std::printf("peak memory of the build: %.1f MiB (%.2f x data.json; %.1f MiB before the build)\n", peak,
                dataMiB > 0 ? peak / dataMiB : 0.0, baseMiB);

    if (anchor) {
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral(GW_BENCH_DIR "/parse_anchor.py"), file});
        python.waitForFinished(-1);
        const QString out = QString::fromUtf8(python.readAllStandardOutput()).trimmed();
        std::printf("%s\n", qPrintable(out));
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(": ([0-9.]+) s")).match(out);
        if (m.hasMatch() && seconds > 0)
            std::printf("build time / python parse time: %.2f\n", seconds / m.captured(1).toDouble());
    }
    return 0;
}
