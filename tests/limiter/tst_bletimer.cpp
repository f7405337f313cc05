// The protocol timer on a backend's clock: restarts, stops and repeats as a
// QTimer would, on simulated time.
#include "BleTimer.h"
#include "SimBackend.h"
#include "SimRadio.h"

#include <QList>
#include <QtTest>

#include <memory>

class TestBleTimer : public QObject
{
    Q_OBJECT

private slots:
    void firesOnTheBackendClock_data();
    void firesOnTheBackendClock();
    void restartingKeepsOneShotInTheAir();
    void destroyedTimerNeverFires();
};

namespace {

// Steps of a script: at time `at` (simulated ms) do `action` with `argument`.
enum class Action { Start, Stop };
struct Step {
    qint64 at;
    Action action;
    int argument = 0;
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

void TestBleTimer::firesOnTheBackendClock_data()
{
    QTest::addColumn<bool>("singleShot");
    QTest::addColumn<QList<Step>>("script");
    QTest::addColumn<qint64>("until");
    QTest::addColumn<QList<qint64>>("fired");

    QTest::newRow("single shot") << true << QList<Step>{{0, Action::Start, 30000}} << qint64(100000)
                                 << QList<qint64>{30000};
    QTest::newRow("restart postpones") << true
                                       << QList<Step>{{0, Action::Start, 1000}, {900, Action::Start, 1000},
                                                      {1800, Action::Start, 1000}}
                                       << qint64(10000) << QList<qint64>{2800};
    QTest::newRow("restart shorter fires earlier")
        << true << QList<Step>{{0, Action::Start, 5000}, {100, Action::Start, 200}} << qint64(10000)
        << QList<qint64>{300};
    QTest::newRow("stop cancels") << true << QList<Step>{{0, Action::Start, 1000}, {999, Action::Stop}}
                                  << qint64(10000) << QList<qint64>{};
    QTest::newRow("stopped then started") << true
                                          << QList<Step>{{0, Action::Start, 1000}, {500, Action::Stop},
                                                         {600, Action::Start, 1000}}
                                          << qint64(10000) << QList<qint64>{1600};
    QTest::newRow("repeating") << false << QList<Step>{{0, Action::Start, 1000}, {3500, Action::Stop}}
                               << qint64(10000) << QList<qint64>{1000, 2000, 3000};
}

void TestBleTimer::firesOnTheBackendClock()
{
    QFETCH(bool, singleShot);
    QFETCH(QList<Step>, script);
    QFETCH(qint64, until);
    QFETCH(QList<qint64>, fired);

    SimRadio radio(SimClock::Mode::Manual);
    SimBackend backend(&radio);
    BleTimer timer(&backend);
    timer.setSingleShot(singleShot);
    QList<qint64> at;
    connect(&timer, &BleTimer::timeout, this, [&] { at.append(radio.clock().nowMs()); });

    const qint64 origin = radio.clock().nowMs();
    for (const Step &step : script) {
        radio.clock().advanceMs(origin + step.at - radio.clock().nowMs());
        if (step.action == Action::Start)
            timer.start(step.argument);
        else
            timer.stop();
    }
    radio.clock().advanceMs(origin + until - radio.clock().nowMs());
    for (qint64 &t : at)
        t -= origin;
    QCOMPARE(at, fired);
    QCOMPARE(timer.isActive(), !singleShot && !fired.isEmpty() && script.last().action != Action::Stop);
}

// A data-gap timer restarted on every packet of a long transfer must not
// leave a shot per packet on the clock.
void TestBleTimer::restartingKeepsOneShotInTheAir()
{
    SimRadio radio(SimClock::Mode::Manual);
    SimBackend backend(&radio);
    BleTimer timer(&backend);
    timer.setSingleShot(true);
    int fired = 0;
    connect(&timer, &BleTimer::timeout, this, [&] { ++fired; });
    const int before = radio.clock().pendingEvents();
    for (int packet = 0; packet < 10000; ++packet) {
        timer.start(5000);
        radio.clock().advance(7500); // 7.5 ms between packets
    }
    QVERIFY(radio.clock().pendingEvents() - before <= 1);
    QCOMPARE(fired, 0);
    QVERIFY(timer.remainingTime() > 4990 && timer.remainingTime() <= 5000);
    radio.clock().advanceMs(5000);
    QCOMPARE(fired, 1);
    QVERIFY(!timer.isActive());
}

void TestBleTimer::destroyedTimerNeverFires()
{
    SimRadio radio(SimClock::Mode::Manual);
    SimBackend backend(&radio);
    int fired = 0;
    {
        BleTimer timer(&backend);
        connect(&timer, &BleTimer::timeout, this, [&] { ++fired; });
        timer.start(100);
    }
    radio.clock().advanceMs(1000);
    QCOMPARE(fired, 0);
}

QTEST_GUILESS_MAIN(TestBleTimer)
#include "tst_bletimer.moc"
