// The proxy between a fast-changing list and its view: changed rows are
// announced once per interval and not while paused; rows that come or go
// are announced at once; what it shows is always the list's own.
#include "CoalescingProxyModel.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

namespace {

// A list of `rows` rows and three columns: "r<row>c<column>".
void fill(QStandardItemModel &model, int rows)
{
    model.setColumnCount(3);
    for (int r = 0; r < rows; ++r) {
        QList<QStandardItem *> items;
        for (int c = 0; c < 3; ++c)
            items << new QStandardItem(QStringLiteral("r%1c%2").arg(r).arg(c));
        model.appendRow(items);
    }
}

// The rows that one announcement covers, as "first-last".
QString rowsOf(const QList<QVariant> &dataChanged)
{
    return QStringLiteral("%1-%2")
        .arg(dataChanged.at(0).toModelIndex().row())
        .arg(dataChanged.at(1).toModelIndex().row());
}

// A list of `rows` rows behind a proxy of that interval, and what the proxy
// announces of changed rows.
struct ProxiedList {
    ProxiedList(int rows, int intervalMs) : proxy(intervalMs)
    {
        fill(list, rows);
        proxy.setSourceModel(&list);
    }
    QStandardItemModel list;
    CoalescingProxyModel proxy;
    QSignalSpy changes{&proxy, &QAbstractItemModel::dataChanged};
};

} // namespace

class TestCoalescingProxyModel : public QObject
{
    Q_OBJECT

private slots:
    void changesAreGathered_data();
    void changesAreGathered();
    void pausedAnnouncesOnResume();
    void intervalAnnouncesByItself();
    void followsANewSource();
};

void TestCoalescingProxyModel::changesAreGathered_data()
{
    // Rows changed ("c"), inserted before a row ("i"), removed ("x"), in order.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("announced"); // the rows of the one announcement, if any
    QTest::newRow("one row") << QStringList{"c4"} << QStringLiteral("4-4");
    QTest::newRow("one row many times") << QStringList{"c4", "c4", "c4", "c4"} << QStringLiteral("4-4");
    QTest::newRow("rows apart") << QStringList{"c6", "c2", "c4"} << QStringLiteral("2-6");
    // A row that moves under a change not yet announced is still announced.
    QTest::newRow("row inserted above") << QStringList{"c5", "i1"} << QStringLiteral("1-8");
    QTest::newRow("row removed above") << QStringList{"c5", "x1"} << QStringLiteral("1-6");
    QTest::newRow("row inserted below") << QStringList{"c2", "i6"} << QStringLiteral("2-2");
    // Nothing left to announce.
    QTest::newRow("changed row removed") << QStringList{"c7", "x7"} << QString();
}

void TestCoalescingProxyModel::changesAreGathered()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, announced);
    ProxiedList rig(8, 60000);
    QStandardItemModel &list = rig.list;
    CoalescingProxyModel &proxy = rig.proxy;
    QSignalSpy &changes = rig.changes;
    QSignalSpy inserted(&proxy, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&proxy, &QAbstractItemModel::rowsRemoved);

    for (const QString &step : steps) {
        const int row = step.mid(1).toInt();
        if (step.startsWith(QLatin1Char('c'))) {
            list.setData(list.index(row, 1), step + QStringLiteral(" new"));
            // Read live, announced later.
            QCOMPARE(proxy.index(row, 1).data().toString(), step + QStringLiteral(" new"));
        } else if (step.startsWith(QLatin1Char('i'))) {
            list.insertRow(row, {new QStandardItem(), new QStandardItem(), new QStandardItem()});
        } else {
            list.removeRow(row);
        }
    }
    QCOMPARE(changes.count(), 0);
    QCOMPARE(inserted.count(), int(steps.filter(QStringLiteral("i")).size()));
    QCOMPARE(removed.count(), int(steps.filter(QStringLiteral("x")).size()));

    proxy.flush();
    const int expected = announced.isEmpty() ? 0 : 1;
    QCOMPARE(changes.count(), expected);
    if (expected) {
        QCOMPARE(rowsOf(changes.first()), announced);
        QCOMPARE(changes.first().at(0).toModelIndex().column(), 0);
        QCOMPARE(changes.first().at(1).toModelIndex().column(), 2);
    }
    QVERIFY(!proxy.hasPendingChanges());
    proxy.flush();
    QCOMPARE(changes.count(), expected);
}

void TestCoalescingProxyModel::pausedAnnouncesOnResume()
{
    ProxiedList rig(5, 0);
    rig.proxy.setPaused(true);
    for (int i = 0; i < 100; ++i)
        rig.list.setData(rig.list.index(i % 5, 0), i);
    // The interval is 0: unpaused, this turn of the event loop would announce.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(rig.changes.count(), 0);
    QVERIFY(rig.proxy.hasPendingChanges());

    rig.proxy.setPaused(false);
    QCOMPARE(rig.changes.count(), 1);
    QCOMPARE(rowsOf(rig.changes.first()), QStringLiteral("0-4"));
}

void TestCoalescingProxyModel::intervalAnnouncesByItself()
{
    ProxiedList rig(3, 20);
    rig.list.setData(rig.list.index(1, 0), QStringLiteral("x"));
    rig.list.setData(rig.list.index(2, 0), QStringLiteral("y"));
    QTRY_COMPARE(rig.changes.count(), 1);
    QCOMPARE(rowsOf(rig.changes.first()), QStringLiteral("1-2"));
}

void TestCoalescingProxyModel::followsANewSource()
{
    QStandardItemModel first;
    QStandardItemModel second;
    fill(first, 3);
    fill(second, 6);
    CoalescingProxyModel proxy(60000);
    proxy.setSourceModel(&first);
    first.setData(first.index(2, 0), QStringLiteral("pending"));
    QSignalSpy changes(&proxy, &QAbstractItemModel::dataChanged);

    // What was pending for the old list is not announced on the new one;
    // the old list is no longer heard.
    proxy.setSourceModel(&second);
    QCOMPARE(proxy.rowCount(), 6);
    first.setData(first.index(1, 0), QStringLiteral("old"));
    proxy.flush();
    QCOMPARE(changes.count(), 0);

    second.setData(second.index(5, 0), QStringLiteral("new"));
    proxy.flush();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(rowsOf(changes.first()), QStringLiteral("5-5"));
}

QTEST_MAIN(TestCoalescingProxyModel)
#include "tst_coalescingproxymodel.moc"
