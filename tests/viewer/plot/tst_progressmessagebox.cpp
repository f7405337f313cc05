#include "MarkingTranslator.h"
#include "OpenLogWidget.h"
#include "ProgressMessageBox.h"

#include <qcustomplot.h>

#include <QGridLayout>
#include <QListWidget>
#include <QProgressBar>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

// Counts paint events of progress dialogs from the moment they are created.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<ProgressMessageBox *>(watched))
            ++paints;
        return false;
    }
};

} // namespace

// The progress dialog of the plot build and the spare plot form.
class TestProgressMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void shownAndPaintedWhenCreated()
    {
        PaintCounter counter;
        qApp->installEventFilter(&counter);
        ProgressMessageBox box;
        qApp->removeEventFilter(&counter);
        QVERIFY(box.isVisible());
        QVERIFY(counter.paints > 0);
        QVERIFY(!box.isModal());
        QVERIFY(!box.parent());
        QVERIFY(box.windowTitle().isEmpty());
        QCOMPARE(box.minimumWidth(), 360);
        const Qt::WindowFlags flags = box.windowFlags();
        QVERIFY(flags.testFlag(Qt::Dialog));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinMaxButtonsHint));
        const QList<QProgressBar *> bars = box.findChildren<QProgressBar *>();
        QCOMPARE(bars.size(), 1);
        QCOMPARE(bars.first()->minimum(), 0);
        QCOMPARE(bars.first()->maximum(), 100);
        QCOMPARE(box.value(), 0);
    }

    void setValueProcessesEvents()
    {
        ProgressMessageBox box;
        bool fired = false;
        QTimer::singleShot(0, &box, [&fired] { fired = true; });
        box.setValue(5);
        QVERIFY(fired);
        QCOMPARE(box.value(), 5);
        box.setMaximum(10);
        box.setValue(10);
        QCOMPARE(box.value(), 10);
        QCOMPARE(box.findChild<QProgressBar *>()->maximum(), 10);
    }

    void userCannotCloseIt()
    {
        ProgressMessageBox box;
        box.close();
        QVERIFY(box.isVisible());
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(box.isVisible());
    }

    void destroyingRemovesIt()
    {
        auto *box = new ProgressMessageBox;
        QPointer<QWindow> window = box->windowHandle();
        QVERIFY(window && window->isVisible());
        delete box;
        QVERIFY(!window || !window->isVisible());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<ProgressMessageBox *>(w));
    }

    void spareFormFromTheMetaObject()
    {
        QObject *object = OpenLogWidget::staticMetaObject.newInstance(Q_ARG(QWidget *, nullptr));
        QVERIFY(object);
        std::unique_ptr<OpenLogWidget> form(qobject_cast<OpenLogWidget *>(object));
        QVERIFY(form);
        QCOMPARE(form->size(), QSize(400, 300));
        QCOMPARE(form->windowTitle(), QStringLiteral("Form"));
        auto *grid = form->findChild<QGridLayout *>("gridLayout");
        QVERIFY(grid);
        auto *plot = form->findChild<QCustomPlot *>("plot");
        auto *list = form->findChild<QListWidget *>("parametersList");
        QVERIFY(plot && list);
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(plot), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, 0);
        grid->getItemPosition(grid->indexOf(list), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, 1);

        MarkingTranslator translator("OpenLogWidget");
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(form->windowTitle(), QStringLiteral("<Form>"));
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(form->windowTitle(), QStringLiteral("Form"));
    }
};

QTEST_MAIN(TestProgressMessageBox)
#include "tst_progressmessagebox.moc"
