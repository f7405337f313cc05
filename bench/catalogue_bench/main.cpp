// How long the viewer takes to show its window and to list a whole logs
// folder, beside Python reading the same metadata.
//
//   catalogue_bench [--dir DIR] [--counts 100,1000,10000] [--runs N] [--timeout S]
//
// For each count a folder of that many small logs (a season of one racer,
// written as the device program writes them) is made under DIR, or reused when
// it is there. The viewer's window is then started on the folder in a process
// of its own, as a user starts the program, N times; each run reports the time
// from the start of the process to the first shown window and to the full
// list. read_catalogue.py (Python's zipfile + json) reads the same folder as
// often. Medians are printed with the ratio full list / Python. The goals:
// with 10 000 logs the window within 0.5 s, and for 1000 and 10 000 logs the
// full list within twice Python's time. Run it on a display (xvfb-run with
// QT_QPA_PLATFORM=xcb) or with QT_QPA_PLATFORM=offscreen.
//
//   catalogue_bench --window FOLDER COUNT
//
// is one run: it prints "window" when the window is shown and "full" once
// the table lists COUNT logs.

#include "LogFile.h"
#include "LogFixtures.h"
#include "SavedLogs.h"
#include "MainWindow.h"
#include "SharedSettings.h"
#include "ViewerStartup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const std::vector<ParameterSpec> kParameters = {
    {"Voltage, V", 0x31}, {"Current, A", 0x45}, {"Motor rpm", 0x54}, {"Energy, Wh", 0x31}, {"Temp ESC", 0x47}};

// Session `index` of the season: one a day, from March on, at changing times;
// a few were not read to the end.
LogSession seasonSession(int index)
{
    LogHeader h = makeHeader(kParameters);
    const auto toBcd = [](int value) { return quint32(((value / 10) << 4) | (value % 10)); };
    const QDate day = QDate(2026, 3, 1).addDays(index % 3000);
    h.head.sessionNumber = quint32(index + 1);
    h.head.dotsCount = index % 25 == 24 ? kIncompleteDotsCount : 50;
    h.date = (toBcd(day.day()) << 24) | (toBcd(day.month()) << 16) | (toBcd(day.year() % 100) << 8);
    h.time = (toBcd(8 + index % 12) << 24) | (toBcd(index % 60) << 16) | (toBcd((index * 7) % 60) << 8);
    setText(h.userName, "Ivan Petrov");
    setText(h.userRegNum.country, "RU");
    h.userRegNum.num = 123;

    QByteArray dots;
    for (int i = 0; i < 50; ++i)
        dots += dotBytes(h, std::uint32_t(i * 100), std::uint8_t(h.head.sessionNumber),
                         {16.5 - i * 0.01, 40.0 + i % 7, 30000.0 + i * 10, i * 0.05, 45.0 + i % 3});
    return streamedSession(h, dots, QStringLiteral("QVR Limiter"));
}

int countLogs(const QString &folder)
{
    int count = 0;
    QDirIterator it(folder, {logFileNameFilter()}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

bool makeFolder(const QString &folder, int count)
{
    if (QFileInfo(folder).isDir() && countLogs(folder) == count)
        return true;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    std::printf("writing %d logs into %s\n", count, qPrintable(folder));
    std::fflush(stdout);
    for (int i = 0; i < count; ++i) {
        const LogWriteResult written = saveLogFile(folder, seasonSession(i));
        if (!written.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(written.errorString));
            return false;
        }
    }
    return countLogs(folder) == count;
}

// One run of the window: prints "window" and "full" as they happen.
int runWindow(int argc, char *argv[], const QString &folder, int count)
{
    setViewerIdentity();
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    storeLogsDirectory(folder);
    const TranslatorList translators = loadTranslations();
    QElapsedTimer catalogue;
    catalogue.start();
    MainWindow window(translators);
    window.show();
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("lwLogs"));
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (!shown && window.windowHandle() && window.windowHandle()->isExposed()) {
            shown = true;
            std::printf("window\n");
            std::fflush(stdout);
        }
        if (shown && table->rowCount() == count) {
            std::printf("full %.6f\n", double(catalogue.nsecsElapsed()) / 1e9);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });
    poll.start(1);
    return QApplication::exec();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

struct WindowRun
{
    double windowS = -1;
    double fullS = -1;
    double catalogueS = -1; // from the window's construction to the full list, inside the process
};

// One run of this program with --window, timed from its start.
WindowRun timeWindow(const QString &program, const QString &folder, int count, const QString &home, int timeoutS)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    WindowRun run;
    QElapsedTimer clock;
    clock.start();
    child.start(program, {QStringLiteral("--window"), folder, QString::number(count)});
    QByteArray output;
    while (run.fullS < 0 && clock.elapsed() < qint64(timeoutS) * 1000) {
        if (!child.waitForReadyRead(100) && child.state() != QProcess::Running)
            break;
        output += child.readAll();
        const double now = double(clock.nsecsElapsed()) / 1e9;
        if (run.windowS < 0 && output.contains("window\n"))
            run.windowS = now;
        const QRegularExpressionMatch full
            = QRegularExpression(QStringLiteral("full ([0-9.]+)\n")).match(QString::fromUtf8(output));
        if (run.fullS < 0 && full.hasMatch()) {
            run.fullS = now;
            run.catalogueS = full.captured(1).toDouble();
        }
    }
    child.kill();
    child.waitForFinished(10000);
    return run;
}

struct PythonRun
{
    double processS = -1; // the whole python process
    double readS = -1;    // what the script reports for its reading
};

PythonRun timePython(const QString &folder)
{
    QProcess python;
    QElapsedTimer clock;
    clock.start();
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(GW_BENCH_DIR "/read_catalogue.py"), folder});
    python.waitForFinished(-1);
    PythonRun run;
    run.processS = double(clock.nsecsElapsed()) / 1e9;
    const QRegularExpressionMatch m
        = QRegularExpression(QStringLiteral("(\\d+) rows in ([0-9.]+) s")).match(QString::fromUtf8(python.readAll()));
    if (m.hasMatch())
        run.readS = m.captured(2).toDouble();
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--window") == 0)
        return runWindow(argc, argv, QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());

    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Time to the viewer's window and full list of a logs folder."));
    parser.addHelpOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Folder for the log folders."),
                                       QStringLiteral("DIR"), QDir::temp().filePath(QStringLiteral("catalogue_bench")));
    const QCommandLineOption countsOption(QStringLiteral("counts"), QStringLiteral("Logs per folder."),
                                          QStringLiteral("N,..."), QStringLiteral("100,1000,10000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of each."), QStringLiteral("N"),
                                        QStringLiteral("5"));
    const QCommandLineOption timeoutOption(QStringLiteral("timeout"), QStringLiteral("Seconds one run may take."),
                                           QStringLiteral("S"), QStringLiteral("300"));
    parser.addOptions({dirOption, countsOption, runsOption, timeoutOption});
    parser.process(app);
    const QString dir = QFileInfo(parser.value(dirOption)).absoluteFilePath();
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const int timeoutS = std::max(1, parser.value(timeoutOption).toInt());
    QTemporaryDir home;

    // Whole processes: ours from its start to the window and to the full
    // list, Python's from its start to its end. Inside the processes: the
    // catalogue from the window's construction to the full list, and
    // Python's reading alone.
    std::printf("%7s %9s %9s %9s %8s   %10s %9s %8s\n", "logs", "window s", "list s", "python s", "list/py",
                "catalogue s", "py read s", "cat/read");
    const auto seconds = [](const std::vector<double> &values, std::size_t expected) {
        return values.size() < expected || values.empty() ? QStringLiteral("-")
                                                           : QString::number(median(values), 'f', 3);
    };
    for (const QString &countText : parser.value(countsOption).split(QLatin1Char(','))) {
        const int count = countText.toInt();
        const QString folder = dir + QStringLiteral("/logs-") + QString::number(count);
        if (count < 0 || !makeFolder(folder, count))
            return 1;
        timePython(folder); // warms the file cache
        std::vector<double> windows, lists, catalogues, pythons, reads;
        std::size_t done = 0;
        for (int i = 0; i < runs; ++i) {
            const WindowRun run = timeWindow(QCoreApplication::applicationFilePath(), folder, count, home.path(),
                                             timeoutS);
            if (run.windowS >= 0)
                windows.push_back(run.windowS);
            if (run.fullS >= 0) {
                lists.push_back(run.fullS);
                catalogues.push_back(run.catalogueS);
            }
            const PythonRun python = timePython(folder);
            pythons.push_back(python.processS);
            reads.push_back(python.readS);
            ++done;
            if (run.fullS < 0) {
                std::printf("(a run of %d logs took longer than %d s)\n", count, timeoutS);
                break;
            }
        }
        const bool complete = lists.size() == done;
        std::printf("%7d %9s %9s %9.3f %8s   %10s %9.3f %8s\n", count, qPrintable(seconds(windows, done)),
                    qPrintable(seconds(lists, done)), median(pythons),
                    complete ? qPrintable(QString::number(median(lists) / median(pythons), 'f', 2)) : "-",
                    qPrintable(seconds(catalogues, done)), median(reads),
                    complete ? qPrintable(QString::number(median(catalogues) / median(reads), 'f', 2)) : "-");
        std::fflush(stdout);
    }
    return 0;
}
