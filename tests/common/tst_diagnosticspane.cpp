// The diagnostics pane keeps the newest lines only and stays on the last
// line while lines come in and the pane changes size, unless the user
// scrolled up.
#include "DiagnosticsPane.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

namespace {

QString line(int n)
{
    return QStringLiteral("[20260101 9:00:00.000 D] {device} - line %1").arg(n);
}

void appendLines(DiagnosticsPane &pane, int from, int to)
{
    for (int n = from; n < to; ++n)
        pane.appendPlainText(line(n));
}

bool atEnd(const DiagnosticsPane &pane)
{
    const QScrollBar *bar = pane.verticalScrollBar();
    return bar->maximum() > 0 && bar->value() == bar->maximum();
}

// The text of the first line the pane shows.
QString firstShownLine(const DiagnosticsPane &pane)
{
    return pane.cursorForPosition(QPoint(2, 2)).block().text();
}

// A turn of the mouse wheel over the text, away from the end.
void wheelUp(DiagnosticsPane &pane)
{
    const QPoint at = pane.viewport()->rect().center();
    QWheelEvent wheel(at, pane.viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(pane.viewport(), &wheel);
}

// Shows the pane at a size with `lines` lines in it; false if it never shows.
bool showWithLines(DiagnosticsPane &pane, int lines)
{
    pane.resize(600, 300);
    pane.show();
    if (!QTest::qWaitForWindowExposed(&pane))
        return false;
    appendLines(pane, 0, lines);
    return true;
}

} // namespace

class TestDiagnosticsPane : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheNewestLines();
    void followsTheEnd_data();
    void followsTheEnd();
    void userScrolledUpStaysPut();
    void hiddenPaneKeepsLinesForLater();
};

void TestDiagnosticsPane::keepsTheNewestLines()
{
    DiagnosticsPane pane(nullptr, 100);
    QVERIFY(showWithLines(pane, 1000));
    QCOMPARE(pane.document()->blockCount(), 100);
    QCOMPARE(pane.document()->firstBlock().text(), line(900));
    QCOMPARE(pane.document()->lastBlock().text(), line(999));

    // The program's pane is bounded too.
    QVERIFY(DiagnosticsPane().maximumBlockCount() > 0);
}

void TestDiagnosticsPane::followsTheEnd_data()
{
    // What happens to a pane that follows, before more lines come.
    QTest::addColumn<QSize>("resizedTo");
    QTest::addColumn<bool>("hiddenMeanwhile");
    QTest::newRow("lines only") << QSize() << false;
    // A device tab that needs more room makes the dock lower.
    QTest::newRow("made lower") << QSize(600, 120) << false;
    QTest::newRow("made taller") << QSize(600, 500) << false;
    QTest::newRow("made narrower") << QSize(250, 300) << false;
    QTest::newRow("hidden and shown") << QSize() << true;
}

void TestDiagnosticsPane::followsTheEnd()
{
    QFETCH(QSize, resizedTo);
    QFETCH(bool, hiddenMeanwhile);
    DiagnosticsPane pane(nullptr, 500);
    QVERIFY(showWithLines(pane, 200));
    QVERIFY(atEnd(pane));

    if (hiddenMeanwhile)
        pane.hide();
    if (resizedTo.isValid())
        pane.resize(resizedTo);
    QVERIFY(pane.followsEnd());
    appendLines(pane, 200, 800); // the oldest lines drop off meanwhile
    if (hiddenMeanwhile) {
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
    }
    QCoreApplication::processEvents();
    QVERIFY(atEnd(pane));
    QVERIFY(pane.followsEnd());
    QCOMPARE(pane.document()->lastBlock().text(), line(799));
}

void TestDiagnosticsPane::userScrolledUpStaysPut()
{
    DiagnosticsPane pane(nullptr, 500);
    QVERIFY(showWithLines(pane, 300));
    QVERIFY(atEnd(pane));

    wheelUp(pane);
    QVERIFY(!atEnd(pane));
    QVERIFY(!pane.followsEnd());
    const QString shown = firstShownLine(pane);

    // New lines and a smaller pane leave the user's view where it was.
    appendLines(pane, 300, 350);
    pane.resize(600, 200);
    QCoreApplication::processEvents();
    QVERIFY(!atEnd(pane));
    QCOMPARE(firstShownLine(pane), shown);

    // Back at the end by the user's hand, the pane follows again.
    QScrollBar *bar = pane.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QVERIFY(pane.followsEnd());
    appendLines(pane, 350, 400);
    QVERIFY(atEnd(pane));
    QCOMPARE(pane.document()->lastBlock().text(), line(399));
}

void TestDiagnosticsPane::hiddenPaneKeepsLinesForLater()
{
    DiagnosticsPane pane(nullptr, 100);
    QVERIFY(showWithLines(pane, 50));
    pane.hide();
    // Hidden, the lines wait: nothing is laid out. The diagnostics handler
    // appends by the slot's name.
    appendLines(pane, 50, 999);
    QVERIFY(QMetaObject::invokeMethod(&pane, "appendPlainText", Qt::DirectConnection, Q_ARG(QString, line(999))));
    QCOMPARE(pane.document()->blockCount(), 50);
    QCOMPARE(pane.document()->lastBlock().text(), line(49));

    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QCOMPARE(pane.document()->blockCount(), 100);
    QCOMPARE(pane.document()->firstBlock().text(), line(900));
    QCOMPARE(pane.document()->lastBlock().text(), line(999));
    QCoreApplication::processEvents();
    QVERIFY(atEnd(pane));
    // Shown, a line goes in at once.
    pane.appendPlainText(line(1000));
    QCOMPARE(pane.document()->lastBlock().text(), line(1000));
}

QTEST_MAIN(TestDiagnosticsPane)
#include "tst_diagnosticspane.moc"
