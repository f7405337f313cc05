#pragma once

// Shared by the fuzz targets: one application object per process, Qt's
// messages kept quiet (a warning per input would slow the engine down and
// drown its output), and a scratch file for readers that take a path.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fuzz {

inline void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // A fatal message is a finding: let it end the run loudly.
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Qt fatal: %s\n", qPrintable(message));
        std::abort();
    }
}

// Starts the application object once; `App` is QCoreApplication or a
// subclass. Messages stay visible with FUZZ_VERBOSE set.
template <typename App = QCoreApplication>
inline void startApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static App *app = nullptr;
    if (app)
        return;
    if (!std::getenv("FUZZ_VERBOSE"))
        qInstallMessageHandler(quietMessages);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new App(argc, argv);
}

// A folder of this process's own, for files the targets write: in memory
// where the system has such a folder, as the log writer syncs every file it
// saves. It is removed when the process ends normally.
inline QString scratchDir()
{
    // The clean-up at exit works on a plain buffer: objects of the heap
    // may be gone by then.
    static char path[1024];
    static const QString dir = [] {
        const QDir base = QDir(QStringLiteral("/dev/shm")).exists() ? QDir(QStringLiteral("/dev/shm")) : QDir::temp();
        const QString name = base.filePath(QStringLiteral("gw-fuzz-%1").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(name);
        std::snprintf(path, sizeof path, "%s", QFile::encodeName(name).constData());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        });
        return name;
    }();
    return dir;
}

// Writes the input into the scratch file `name` and returns its path.
inline QString writeScratchFile(const QString &name, const std::uint8_t *data, std::size_t size)
{
    const QString path = QDir(scratchDir()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// Reads an input front to back: small numbers and length-prefixed pieces.
class Reader
{
public:
    Reader(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    std::size_t left() const { return m_size - m_pos; }

    std::uint8_t byte()
    {
        return atEnd() ? 0 : m_data[m_pos++];
    }

    std::uint32_t u32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= std::uint32_t(byte()) << (8 * i);
        return v;
    }

    // The next `n` bytes, or what is left.
    QByteArray bytes(std::size_t n)
    {
        n = std::min(n, left());
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return out;
    }

    // A piece of one to 256 bytes whose length the next byte gives.
    QByteArray piece() { return bytes(std::size_t(byte()) + 1); }

    QByteArray rest() { return bytes(left()); }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Stops the run with a message: two readers that must agree did not.
[[noreturn]] inline void mismatch(const char *what)
{
    std::fprintf(stderr, "MISMATCH: %s\n", what);
    std::abort();
}

} // namespace fuzz
