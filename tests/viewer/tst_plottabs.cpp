#include "MainWindow.h"
#include "PlotView.h"
#include "SavedLogs.h"

#include "SharedSettings.h"

#include <qcustomplot.h>

#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

// Two logs in two plot tabs of the main window, drawn through their OpenGL
// paint buffers on a real display: whatever the other plot drew last, each
// tab shows its own log when it is shown, resized or painted again.
class TestPlotTabs : public QObject
{
    Q_OBJECT

    static bool near(const QImage &image, QPoint at, const QColor &colour)
    {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                if (!image.rect().contains(p))
                    continue;
                const QColor c = image.pixelColor(p);
                if (qAbs(c.red() - colour.red()) <= 60 && qAbs(c.green() - colour.green()) <= 60
                    && qAbs(c.blue() - colour.blue()) <= 60)
                    return true;
            }
        }
        return false;
    }

    static int countColour(const QImage &image, const QRect &area, const QColor &colour)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (qAbs(c.red() - colour.red()) <= 60 && qAbs(c.green() - colour.green()) <= 60
                    && qAbs(c.blue() - colour.blue()) <= 60)
                    ++count;
            }
        }
        return count;
    }

    // What the plot of `view` draws now (the widget grabbed as it paints
    // itself): the line of its first parameter through every logged point,
    // in its own colour, and nothing in the colour of `other`.
    static QString drawsOwnLog(PlotView *view, const QColor &other)
    {
        auto *plot = view->findChild<QCustomPlot *>(QStringLiteral("plot"));
        const QCPGraph *graph = view->plotParameters().first().graph;
        const QColor own = graph->pen().color();
        const QImage image = plot->grab().toImage();
        const QRect area = plot->axisRect()->rect();
        int checked = 0;
        const QSharedPointer<QCPGraphDataContainer> points = graph->data();
        for (int i = 0; i < points->size(); i += 10) {
            const QCPGraphData &point = *(points->constBegin() + i);
            const QPoint at(qRound(plot->xAxis->coordToPixel(point.key)),
                            qRound(graph->valueAxis()->coordToPixel(point.value)));
            if (!area.adjusted(3, 3, -3, -3).contains(at))
                continue;
            ++checked;
            if (!near(image, at, own))
                return QStringLiteral("no line at %1 s, %2").arg(point.key).arg(point.value);
        }
        if (checked < 10)
            return QStringLiteral("only %1 points in view").arg(checked);
        if (const int foreign = countColour(image, area, other))
            return QStringLiteral("%1 pixels of the other log's colour").arg(foreign);
        return {};
    }

    // A log of `seconds` s with U running from `from` to `to`.
    static QString writeRamp(const QString &folder, quint32 session, int seconds, float from, float to)
    {
        TestLog log;
        log.session = session;
        log.dots.clear();
        for (int i = 0; i <= 200; ++i)
            log.dots.append({quint32(i * seconds * 5), {from + (to - from) * float(i) / 200.0f, 1.0f}});
        return writeLog(folder, log);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("Velmora");
        QCoreApplication::setApplicationName("Tracelens");
    }

    void eachTabDrawsItsOwnLog_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("tab shown") << "show";
        QTest::newRow("window resized") << "resize";
        QTest::newRow("window painted again") << "paint";
    }

    void eachTabDrawsItsOwnLog()
    {
        QFETCH(QString, action);
        QSettings().clear();
        QTemporaryDir folder;
        storeLogsDirectory(folder.path());
        // Different times, values and colours: a rising ramp over 20 s and a
        // falling one over 40 s.
        const QString rising = writeRamp(folder.path(), 1, 20, 10.0f, 20.0f);
        const QString falling = writeRamp(folder.path(), 2, 40, 20.0f, 10.0f);
        QVERIFY(!rising.isEmpty() && !falling.isEmpty());

        MainWindow window{TranslatorList()};
        window.resize(1200, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.openLogInTab(rising));
        QVERIFY(window.openLogInTab(falling));
        auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("plots"));
        auto *first = qobject_cast<PlotView *>(tabs->widget(1));
        auto *second = qobject_cast<PlotView *>(tabs->widget(2));
        QVERIFY(first && second);
        const QColor red(200, 0, 0), blue(0, 0, 200);
        const auto plotOf = [](PlotView *view) { return view->findChild<QCustomPlot *>(QStringLiteral("plot")); };
        QVERIFY(plotOf(first)->openGl() && plotOf(second)->openGl());
        first->plotParameters().first().graph->setPen(QPen(red, 3));
        second->plotParameters().first().graph->setPen(QPen(blue, 3));

        // Each drawn once in its tab, the second one last.
        tabs->setCurrentWidget(first);
        plotOf(first)->replot();
        tabs->setCurrentWidget(second);
        plotOf(second)->replot();
        QTRY_COMPARE(drawsOwnLog(second, red), QString());

        const auto bringBack = [&](PlotView *view, PlotView *other) {
            if (action == QLatin1String("show")) {
                tabs->setCurrentWidget(view);
                return;
            }
            tabs->setCurrentWidget(view);
            QCoreApplication::processEvents();
            plotOf(other)->replot(); // the hidden plot draws last
            if (action == QLatin1String("resize"))
                window.resize(window.width() + 100, window.height() + 50);
            else
                window.repaint();
        };
        bringBack(first, second);
        QTRY_COMPARE(drawsOwnLog(first, blue), QString());

        plotOf(first)->replot();
        bringBack(second, first);
        QTRY_COMPARE(drawsOwnLog(second, red), QString());
    }
};

QTEST_MAIN(TestPlotTabs)
#include "tst_plottabs.moc"
