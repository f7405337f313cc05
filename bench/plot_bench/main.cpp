// Builds the plot view of one log file off screen and reports the time the
// build took and the peak memory of the process.
//
//   plot_bench FILE [--anchor]
//
// --anchor also runs parse_anchor.py (Python's zipfile + json.load on the same
// file) and prints the ratio of the two times.

#include "PlotView.h"
#include "ZipEntryStream.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

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

    double dataMiB = 0.0;
    try {
        ZipEntryStream data(QFile::encodeName(file).toStdString(), "data.json");
        dataMiB = static_cast<double>(data.size()) / (1024.0 * 1024.0);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(file), e.what());
        return 1;
    }
    const double baseMiB = peakMiB();

    QElapsedTimer clock;
    clock.start();
    double seconds = 0.0;
    qsizetype points = 0;
    try {
        PlotView view(file);
        seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        for (const PlotParameter &parameter : view.plotParameters())
            points += parameter.graph->dataCount();
        std::printf("title: %s\n", qPrintable(view.title()));
        std::printf("parameters: %lld, points: %lld\n", static_cast<long long>(view.plotParameters().size()),
                    static_cast<long long>(points));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "building the view failed: %s\n", e.what());
        return 1;
    }
    const double peak = peakMiB();
    std::printf("data.json: %.1f MiB\n", dataMiB);
    std::printf("build time: %.3f s\n", seconds);
    std::printf("peak memory: %.1f MiB (%.2f x data.json; %.1f MiB before the build)\n", peak,
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
