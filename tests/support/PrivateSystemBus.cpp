#include "PrivateSystemBus.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr char kAddressVariable[] = "DBUS_SYSTEM_BUS_ADDRESS";

// Everybody may own any name and send anything: the bus holds this process
// alone.
const char kConfiguration[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:tmpdir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow receive_sender="*"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
)";

struct Daemon {
    QMutex mutex;
    bool started = false;
    QString address;
    QString error;
    std::unique_ptr<QTemporaryDir> directory;
};

Daemon &daemon()
{
    static Daemon instance;
    return instance;
}

// Runs dbus-daemon as a child that dies with this process and reads the
// address it prints.
bool spawn(const QString &program, const QString &configuration, QString *address, qint64 *daemonPid, QString *error)
{
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        *error = QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    const QByteArray path = QFile::encodeName(program);
    const QByteArray config = "--config-file=" + QFile::encodeName(configuration);
    const char *argv[] = {path.constData(), config.constData(), "--print-address", "--nofork", "--nopidfile",
                          "--nosyslog", nullptr};
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        *error = QStringLiteral("fork: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        ::close(out[0]);
        ::close(out[1]);
        return false;
    }
    if (pid == 0) {
        // The daemon ends with the thread that started it: the main thread.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
        ::dup2(out[1], STDOUT_FILENO);
        // Its complaints (the file limit it may not raise) are no test's.
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0)
            ::dup2(null, STDERR_FILENO);
        ::execv(argv[0], const_cast<char *const *>(argv));
        ::_exit(127);
    }
    ::close(out[1]);
    QByteArray printed;
    for (;;) {
        pollfd readable{out[0], POLLIN, 0};
        if (::poll(&readable, 1, 10000) <= 0)
            break;
        char buffer[512];
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        printed.append(buffer, int(n));
        if (printed.contains('\n'))
            break;
    }
    ::close(out[0]);
    *address = QString::fromLocal8Bit(printed.left(printed.indexOf('\n')).trimmed());
    if (address->isEmpty()) {
        *error = QStringLiteral("%1 printed no address").arg(program);
        ::kill(pid, SIGTERM);
        return false;
    }
    *daemonPid = pid;
    return true;
}

// The bus driver is the daemon: whoever answers on the system bus
// connection is our daemon, or the connection went elsewhere.
bool isOurs(qint64 daemonPid, QString *error)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        *error = QStringLiteral("the system bus connection failed: %1").arg(bus.lastError().message());
        return false;
    }
    const QDBusReply<uint> pid = bus.interface()->servicePid(QStringLiteral("org.freedesktop.DBus"));
    if (!pid.isValid() || qint64(pid.value()) != daemonPid) {
        *error = QStringLiteral("the system bus connection was opened before the private bus started");
        return false;
    }
    return true;
}

} // namespace

QString PrivateSystemBus::daemonPath()
{
    QString path = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"), {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    return path;
}

bool PrivateSystemBus::start(QString *error)
{
    Daemon &d = daemon();
    QMutexLocker lock(&d.mutex);
    if (!d.started) {
        d.started = true;
        const QString program = daemonPath();
        if (program.isEmpty()) {
            d.error = QStringLiteral("dbus-daemon is not installed");
        } else {
            d.directory = std::make_unique<QTemporaryDir>();
            const QString configuration = d.directory->filePath(QStringLiteral("system-bus.conf"));
            QFile file(configuration);
            if (!d.directory->isValid() || !file.open(QIODevice::WriteOnly)) {
                d.error = QStringLiteral("cannot write %1").arg(configuration);
            } else {
                file.write(QString::fromLatin1(kConfiguration).arg(d.directory->path()).toUtf8());
                file.close();
                QString address;
                qint64 pid = 0;
                if (spawn(program, configuration, &address, &pid, &d.error)) {
                    qputenv(kAddressVariable, address.toLocal8Bit());
                    if (isOurs(pid, &d.error))
                        d.address = address;
                }
            }
        }
    }
    if (d.address.isEmpty() && error)
        *error = d.error;
    return !d.address.isEmpty();
}

QString PrivateSystemBus::address()
{
    Daemon &d = daemon();
    QMutexLocker lock(&d.mutex);
    return d.address;
}
