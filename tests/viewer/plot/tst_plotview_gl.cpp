#include "PlotView.h"
#include "SavedLogs.h"

#include <qcustomplot.h>

#include <QTemporaryDir>
#include <QtTest>

// The plot view drawn through its OpenGL paint buffer on a real display.
class TestPlotViewGl : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    static int countColour(const QImage &image, const QRect &area, const QColor &colour, int tolerance)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (qAbs(c.red() - colour.red()) <= tolerance && qAbs(c.green() - colour.green()) <= tolerance
                    && qAbs(c.blue() - colour.blue()) <= tolerance)
                    ++count;
            }
        }
        return count;
    }

private slots:
    void drawsGraphAndBandThroughOpenGl()
    {
        // A slow ramp over 20 s, so the graph crosses the whole plot.
        const QString path = savedlog::write(dir.path(), 400, [](int i) { return std::uint32_t(i * 50); });
        QVERIFY(!path.isEmpty());
        const std::unique_ptr<PlotView> opened = PlotView::open(path);
        PlotView &view = *opened;
        view.resize(1000, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCustomPlot *plot = view.findChild<QCustomPlot *>("plot");
        QVERIFY(plot->openGl());

        const PlotParameter &voltage = view.plotParameters().first();
        QVERIFY(voltage.graph->visible());
        QCOMPARE(voltage.graph->pen().color().alpha(), 255);
        // The colour is random; a fixed one cannot be mistaken for the background.
        const QColor pen(200, 0, 0);
        voltage.graph->setPen(QPen(pen, 1));
        plot->replot();
        const QRect area = plot->axisRect()->rect().adjusted(2, 2, -2, -2);
        QImage image = plot->grab().toImage();
        QVERIFY2(countColour(image, area, pen, 40) > 50, "the graph is not drawn");

        // A right-button drag over the middle third shades exactly that part.
        const int y = area.center().y();
        const int from = area.left() + area.width() / 3;
        const int to = area.left() + 2 * area.width() / 3;
        QTest::mousePress(plot, Qt::RightButton, Qt::NoModifier, QPoint(from, y));
        QTest::mouseMove(plot, QPoint(to, y));
        QTest::mouseRelease(plot, Qt::RightButton, Qt::NoModifier, QPoint(to, y));
        QCoreApplication::processEvents();
        plot->replot();
        image = plot->grab().toImage();
        // The band's colour (200, 200, 255) at alpha 80 over the white background.
        const QColor band(238, 238, 255);
        const QRect inside(from + 5, area.top() + 5, to - from - 10, area.height() - 10);
        const QRect outside(area.left() + 5, area.top() + 5, from - area.left() - 10, area.height() - 10);
        QVERIFY2(countColour(image, inside, band, 6) > inside.width() * inside.height() / 2, "no band");
        QCOMPARE(countColour(image, outside, band, 6), 0);
    }
};

QTEST_MAIN(TestPlotViewGl)
#include "tst_plotview_gl.moc"
