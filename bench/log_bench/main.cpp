// Speed and memory of the log path: a synthetic session of N MiB of dots is
// streamed through LogSession in 244-byte packets, saved as a log file and as
// CSV, and read back; the same content is then written by python's json and
// zipfile modules for comparison.
//
//   log_bench [--out DIR] [--mib N]

#include "LogFile.h"
#include "LogMetadata.h"
#include "LogFixtures.h"
#include "ZipArchive.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kPacketSize = 244;

// Sixteen parameters of every type, 56 bytes: with the 5-byte prefix a dot is
// 61 bytes, so a 244-byte packet carries exactly four.
const std::vector<ParameterSpec> kParameters = {
    {"Voltage, V", 0x31},  {"Energy counter", 0x52}, {"Position", 0x33}, {"Motor rpm", 0x54},
    {"Current, A", 0x45},  {"Power, W", 0x56},       {"Temp ESC", 0x47}, {"Throttle", 0x58},
    {"Timing", 0x49},      {"Flags", 0x0A},          {"Speed", 0x51},    {"Acceleration", 0x41},
    {"Energy, Wh", 0x31},  {"Pulses", 0x54},         {"Offset", 0x55},   {"Ripple", 0x39}};

struct Memory
{
    double peakMiB = 0;
    double currentMiB = 0;
};

double statusValueMiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(std::strlen(key))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

Memory memoryNow()
{
    return Memory{statusValueMiB("VmHWM:"), statusValueMiB("VmRSS:")};
}

// Lets the next peak reading show the peak of the coming step alone.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Step
{
    QElapsedTimer timer;
    Memory start;
    Step()
    {
        resetPeak();
        start = memoryNow();
        timer.start();
    }
    void report(const char *name, const QString &extra = QString())
    {
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        const Memory end = memoryNow();
        std::printf("%-22s %9.3f s   peak %8.1f MiB   (+%7.1f MiB over the step's start)  %s\n", name, seconds,
                    end.peakMiB, end.peakMiB - start.currentMiB, qPrintable(extra));
        std::fflush(stdout);
        lastSeconds = seconds;
        lastGrowthMiB = end.peakMiB - start.currentMiB;
    }
    double lastSeconds = 0;
    double lastGrowthMiB = 0;
};

QByteArray synthesize(const LogHeader &header, std::size_t dots)
{
    QByteArray stream = headerBytes(header);
    stream.reserve(qsizetype(kLogHeaderSize + dots * header.parametersDesc.logDotSize));
    for (std::size_t i = 0; i < dots; ++i) {
        const double t = double(i) / 50.0;
        const double wave = std::sin(t * 0.7);
        stream += dotBytes(header, std::uint32_t(i * 20), std::uint8_t(header.head.sessionNumber),
                           {1650.0 + 80.0 * wave, double(i) * 1000.0 + 17.0, -double(i) * 3.0, 30000.0 + 5000.0 * wave,
                            1200.0 * wave, 7000.0 + 900.0 * wave, 450.0 + 30.0 * wave, double(i % 101),
                            double(i % 37), double(i & 0xFF), 55.5 + 10.0 * wave, 9.81 * wave, 0.001 * double(i),
                            double(i), -double(i % 1000), double(i % 200)});
    }
    return stream;
}

QString megabytes(double bytes)
{
    return QStringLiteral("%1 MB").arg(bytes / 1e6, 0, 'f', 1);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("log_bench"));
    QLoggingCategory::setFilterRules(QStringLiteral("logs.*.debug=false"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Speed and memory of log assembly, saving and reading."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for the written files."),
                                       QStringLiteral("DIR"), QDir::temp().filePath(QStringLiteral("log_bench")));
    const QCommandLineOption mibOption(QStringLiteral("mib"), QStringLiteral("Session size in MiB of dots."),
                                       QStringLiteral("N"), QStringLiteral("16"));
    const QCommandLineOption noPythonOption(QStringLiteral("no-python"), QStringLiteral("Skip the python reference."));
    parser.addOptions({outOption, mibOption, noPythonOption});
    parser.process(app);
    const QString outDir = QFileInfo(parser.value(outOption)).absoluteFilePath();
    const int mib = parser.value(mibOption).toInt();
    if (mib <= 0) {
        std::fprintf(stderr, "--mib wants a positive number\n");
        return 2;
    }
    QDir().mkpath(outDir);

    LogHeader header = makeHeader(kParameters);
    const std::size_t dotSize = header.parametersDesc.logDotSize;
    const std::size_t dotCount = std::size_t(mib) * 1024 * 1024 / dotSize;
    header.head.dotsCount = std::uint32_t(dotCount);
    std::printf("session: %d MiB of dots, %zu dots of %zu bytes, 16 parameters, %d-byte packets\n\n", mib, dotCount,
                dotSize, kPacketSize);

    Step synth;
    const QByteArray stream = synthesize(header, dotCount);
    synth.report("synthesize");

    LogSession session;
    {
        Step step;
        session.setFullSessionSize(std::uint64_t(stream.size()));
        const char *data = stream.constData();
        qsizetype at = 0;
        // The header in full packets, then whole dots four to a packet.
        while (at < qsizetype(kLogHeaderSize)) {
            const qsizetype n = std::min<qsizetype>(kPacketSize, qsizetype(kLogHeaderSize) - at);
            session.appendData(QByteArray::fromRawData(data + at, n));
            at += n;
        }
        while (at < stream.size()) {
            const qsizetype n = std::min<qsizetype>(kPacketSize, stream.size() - at);
            session.appendData(QByteArray::fromRawData(data + at, n));
            at += n;
        }
        step.report("assembly");
        std::printf("%-22s %9.1f MB/s (%zu dots decoded)\n", "  throughput",
                    double(stream.size()) / 1e6 / step.lastSeconds, session.dots().size());
    }
    if (session.dots().size() != dotCount) {
        std::fprintf(stderr, "assembly lost dots: %zu of %zu\n", session.dots().size(), dotCount);
        return 1;
    }
    session.setFileDeviceName(QStringLiteral("Bench"));
    session.setDeviceName(QStringLiteral("Bench"));

    // Earlier runs' files would make the save replace instead of create.
    QFile::remove(logFilePath(outDir, session, QLatin1String(kLogFileExtension)));

    Step save;
    const LogWriteResult saved = saveLogFile(outDir, session);
    save.report("saveLogFile");
    if (!saved.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.errorString));
        return 1;
    }
    const double saveSeconds = save.lastSeconds;
    const double saveGrowth = save.lastGrowthMiB;

    Step csv;
    const LogWriteResult exported = exportLogCsv(outDir, session);
    csv.report("exportLogCsv", megabytes(double(QFileInfo(exported.filePath).size())));
    if (!exported.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(exported.errorString));
        return 1;
    }

    Step read;
    const LogSession metadata = readLogMetadata(saved.filePath);
    read.report("readLogMetadata", QStringLiteral("session %1, %2 parameters")
                                       .arg(metadata.header().head.sessionNumber)
                                       .arg(metadata.header().parametersDesc.parametersCount));

    double dataJsonBytes = 0;
    {
        Step step;
        Zippy::ZipArchive archive(QFile::encodeName(saved.filePath).toStdString());
        dataJsonBytes = double(archive.GetEntry("data.json").GetData().size());
        step.report("read data.json back");
    }
    const double archiveBytes = double(QFileInfo(saved.filePath).size());
    std::printf("\ndata.json %s, log file %s; saving peaked at %.2f x the data.json size above its start\n",
                qPrintable(megabytes(dataJsonBytes)), qPrintable(megabytes(archiveBytes)),
                saveGrowth * 1024 * 1024 / dataJsonBytes);

    if (parser.isSet(noPythonOption))
        return 0;
    const QString script = QStringLiteral(GW_BENCH_DIR "/reference.py");
    QString python = QStringLiteral("/usr/bin/python3");
    if (!QFileInfo::exists(python))
        python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        std::printf("python3 not found: no reference\n");
        return 0;
    }
    std::printf("\npython reference (json.dump indent=4 + zipfile deflate, same content):\n");
    std::fflush(stdout);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(python, {script, saved.filePath, QDir(outDir).filePath(QStringLiteral("python-reference.zip")),
                           QString::number(saveSeconds, 'f', 3)});
    process.waitForFinished(-1);
    return process.exitCode();
}
