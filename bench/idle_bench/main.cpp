// idle_bench: what the device program costs while the user only watches.
// The real main window (diagnostics pane in its dock, every log line in it)
// with one simulated limiter open in a tab whose telemetry page shows 5
// notifications a second. Prints the share of one core that the GUI thread
// and the whole process take, and how often the GUI thread and the image
// pool threads wake up; a minimal window is measured first for comparison.
//
//   idle_bench [--seconds 10] [--neighbours 0] [--page 0] [--hide-log]
//   idle_bench --shots DIR [--language CODE] [--dov]
//
// --neighbours adds devices that only advertise (a pit lane around the one
// that is open); --page picks the page row shown in the tab; --hide-log
// hides the diagnostics dock. The simulated devices run on the GUI thread,
// as in the program with GEARWARDEN_BLE_BACKEND=sim.
//
// --shots measures nothing: the window, as large as a 1366 x 768 screen
// leaves it under a title bar and a desktop panel, shows each page of the
// device tab (a DOV logger's with --dov) in turn, and the screen is saved
// to DIR as one PNG per page, a second one scrolled to the end for a page
// that scrolls (run it under Xvfb -screen 0 1366x768x24 with
// QT_QPA_PLATFORM=xcb).
#include "Diagnostics.h"
#include "LimiterDevice.h"
#include "MainWindow.h"
#include "ProgramWindow.h"
#include "SimBackend.h"
#include "SimLimiter.h"
#include "SimRadio.h"
#include "ThreadLoad.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QDockWidget>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <memory>

namespace {

struct Figures {
    double gui = 0;
    double process = 0;
    double guiWakeups = 0;
    threadload::Load pool;
};

// Runs the event loop for that long with no timer of the bench's own
// (QTest::qWait would wake the thread every 10 ms).
void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

Figures measure(int seconds)
{
    const threadload::Snapshot before = threadload::snapshot();
    runFor(seconds * 1000);
    const threadload::Snapshot after = threadload::snapshot();
    const qint64 gui = getpid();
    Figures f;
    const threadload::Load guiLoad =
        threadload::load(before, after, seconds, [gui](qint64 id, const QString &) { return id == gui; });
    f.gui = guiLoad.cpuShare;
    f.guiWakeups = guiLoad.switchesPerSecond;
    f.process = threadload::load(before, after, seconds, [](qint64, const QString &) { return true; }).cpuShare;
    f.pool = threadload::load(before, after, seconds,
                              [](qint64, const QString &name) { return name == QLatin1String("Thread (pooled)"); });
    return f;
}

void print(const char *what, const Figures &f)
{
    std::printf("%-34s GUI thread %5.2f %% of a core, process %5.2f %%; GUI thread wakes %6.0f/s; "
                "%d pool threads wake %6.0f/s (busiest %5.0f/s)\n",
                what, f.gui * 100, f.process * 100, f.guiWakeups, f.pool.threads, f.pool.switchesPerSecond,
                f.pool.maxSwitchesPerSecond);
    std::fflush(stdout);
}

// Each page row of the panel shown in turn, the screen saved after each.
bool photographPages(QWidget *panel, const QString &directory, const QString &language)
{
    auto *list = panel->findChild<QListWidget *>(QStringLiteral("lwSettingsCategories"));
    auto *area = panel->findChild<QScrollArea *>(QStringLiteral("saSettingsPage"));
    auto *stack = panel->findChild<QStackedWidget *>(QStringLiteral("swSettingsPage"));
    // The pages as the device fills them: every record has arrived.
    const bool filled = QTest::qWaitFor(
        [&] { return list->item(list->count() - 1)->flags().testFlag(Qt::ItemIsEnabled); }, 30000);
    if (!filled || !area || !stack)
        return false;
    QTest::qWait(1000);
    const auto save = [&](int row, const QString &suffix) {
        QTest::qWait(300);
        const QString name = QStringLiteral("%1-%2-%3-%4%5.png")
                                 .arg(language, QLatin1String(panel->metaObject()->className()))
                                 .arg(row, 2, 10, QLatin1Char('0'))
                                 .arg(stack->currentWidget()->objectName(), suffix);
        QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(directory).filePath(name));
    };
    for (int row = 0; row < list->count(); ++row) {
        if (list->isRowHidden(row))
            continue;
        list->setCurrentRow(row);
        area->verticalScrollBar()->setValue(0);
        save(row, QString());
        if (area->verticalScrollBar()->maximum() > 0) {
            area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
            save(row, QStringLiteral("-end"));
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    programwindow::prepareEnvironment(config);
    QApplication app(argc, argv);
    programwindow::takeProgramName();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("CPU share of the device program watching one device"));
    parser.addHelpOption();
    parser.addOption({"seconds", "Length of each measurement.", "s", "10"});
    parser.addOption({"neighbours", "Further devices that only advertise.", "n", "0"});
    parser.addOption({"page", "Page row shown in the device tab.", "row", "0"});
    parser.addOption({"hide-log", "Hide the diagnostics dock."});
    parser.addOption({"shots", "Save a screen shot of every page into this folder.", "dir"});
    parser.addOption({"language", "Language of the window.", "code", "en"});
    parser.addOption({"dov", "The device is a DOV logger."});
    parser.process(app);
    const int seconds = qMax(1, parser.value("seconds").toInt());
    const bool shots = parser.isSet("shots");
    const bool dov = parser.isSet("dov");
    QSettings().setValue(QStringLiteral("language"), parser.value("language"));
    if (dov)
        QSettings().setValue(QStringLiteral("devicesFamilyMode"), 2);

    if (!shots) {
        QMainWindow minimal;
        minimal.setCentralWidget(new QLabel(QStringLiteral("Minimal window")));
        minimal.resize(1060, 641);
        minimal.show();
        runFor(1000);
        print("minimal window", measure(seconds));
    }

    installDiagnostics();
    SimRadio radio(SimClock::Mode::RealTime);
    SimBackend backend(&radio);
    BleBackend::setInstance(&backend);
    const QBluetoothAddress address(QStringLiteral("C0:DE:00:00:00:01"));
    radio.addPeripheral(std::make_shared<SimLimiter>(dov ? SimLimiter::Kind::DovLogger : SimLimiter::Kind::Limiter,
                                                     address, QStringLiteral("QVR Idle")));
    for (int i = 0; i < parser.value("neighbours").toInt(); ++i) {
        radio.addPeripheral(std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter,
                                                         QBluetoothAddress(quint64(0xC0DE00001000ull + quint64(i))),
                                                         QStringLiteral("QVR-%1").arg(i, 3, 10, QLatin1Char('0'))));
    }

    programwindow::DialogCloser closer;
    MainWindow window({});
    if (shots)
        window.setGeometry(0, 0, 1366, 768 - 72);
    window.show();
    auto *view = window.findChild<QTableView *>(QStringLiteral("tableView"));
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    if (parser.isSet("hide-log"))
        window.findChild<QDockWidget *>(QStringLiteral("dockLog"))->hide();
    if (!QTest::qWaitFor([&] { return closer.closed() > 0; }, 10000))
        std::fprintf(stderr, "no update question at start\n");
    closer.stop();
    runFor(1000);
    if (shots)
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            QDir(parser.value("shots")).filePath(parser.value("language") + QStringLiteral("-scanner.png")));
    else
        print("main window, Scanner tab", measure(seconds));

    // Open the device as a user would: its row, then connect.
    const bool listed = QTest::qWaitFor(
        [&] {
            for (int row = 0; row < view->model()->rowCount(); ++row) {
                if (view->model()->index(row, view->model()->columnCount() - 1).data() == address.toString()) {
                    view->selectRow(row);
                    return true;
                }
            }
            return false;
        },
        20000);
    if (!listed) {
        std::fprintf(stderr, "the simulated device was not listed\n");
        return 1;
    }
    window.connectToSelected();
    QWidget *panel = tabs->currentWidget();
    auto *raceTime = panel ? panel->findChild<QLabel *>(QStringLiteral("lblRaceTime")) : nullptr;
    if (!raceTime || !QTest::qWaitFor([&] { return raceTime->text() != QLatin1String("..."); }, 30000)) {
        std::fprintf(stderr, "no telemetry from the simulated device\n");
        return 1;
    }
    if (shots)
        return photographPages(panel, parser.value("shots"), parser.value("language")) ? 0 : 1;
    if (const int row = parser.value("page").toInt(); row != 0)
        panel->findChild<QListWidget *>(QStringLiteral("lwSettingsCategories"))->setCurrentRow(row);
    runFor(3000);
    print("main window, one telemetry tab", measure(seconds));
    return 0;
}
