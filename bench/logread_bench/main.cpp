// logread_bench: one log file through one of the readers that take log files
// unasked or on a click, as the programs call them. Run it under
// `/usr/bin/time -v` to see what a file costs each reader; hostile_logs.py
// writes the files made to stop or exhaust them.
//
//   logread_bench metadata|catalogue|description|plot FILE
//
// metadata: readLogMetadata (the device program's log list); catalogue: the
// viewer's row of the file; description: the viewer's description of it;
// plot: the viewer's plot view. Prints what the reader made of the file.
#include "LogCatalogue.h"
#include "LogDescriptionWidget.h"
#include "LogFile.h"
#include "PlotView.h"

#include <nlohmann/json.hpp>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QLoggingCategory>

#include <cstdio>

namespace {

QString readWith(const QString &reader, const QString &path)
{
    if (reader == QLatin1String("metadata")) {
        const LogSession session = readLogMetadata(path);
        return QStringLiteral("%1 parameters").arg(logParameterCount(session.header()));
    }
    if (reader == QLatin1String("plot")) {
        const std::unique_ptr<PlotView> view = PlotView::open(path);
        return QStringLiteral("%1, %2 parameters").arg(view->title()).arg(view->plotParameters().size());
    }
    nlohmann::json metadata;
    if (!readCatalogueMetadata(path, metadata))
        return QStringLiteral("no row");
    if (reader == QLatin1String("catalogue"))
        return logListRow(QFileInfo(path).absolutePath(), path, metadata, QDateTime()).session;
    LogDescriptionWidget widget;
    widget.showLogMetadata(std::move(metadata));
    return widget.findChild<QLineEdit *>(QStringLiteral("leUser"))->text();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const QStringList arguments = QCoreApplication::arguments();
    const QStringList readers = {QStringLiteral("metadata"), QStringLiteral("catalogue"), QStringLiteral("description"),
                                 QStringLiteral("plot")};
    if (arguments.size() != 3 || !readers.contains(arguments.at(1))) {
        std::fprintf(stderr, "usage: logread_bench metadata|catalogue|description|plot FILE\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    QString outcome;
    try {
        outcome = QStringLiteral("read: ") + readWith(arguments.at(1), arguments.at(2));
    } catch (const std::exception &e) {
        outcome = QStringLiteral("refused: ") + QString::fromLocal8Bit(e.what());
    }
    std::printf("%s %s: %s (%lld ms)\n", qPrintable(arguments.at(1)), qPrintable(QFileInfo(arguments.at(2)).fileName()),
                qPrintable(outcome.left(200)), static_cast<long long>(clock.elapsed()));
    return 0;
}
