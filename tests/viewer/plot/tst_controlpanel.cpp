#include "ControlPanel.h"
#include "MarkingTranslator.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include <limits>

class TestControlPanel : public QObject
{
    Q_OBJECT

    QTableWidget *table(ControlPanel &panel) { return panel.findChild<QTableWidget *>("tableWidget"); }
    QPushButton *button(ControlPanel &panel, int column)
    {
        return qobject_cast<QPushButton *>(table(panel)->cellWidget(0, column));
    }
    QStringList column(ControlPanel &panel, int c)
    {
        QStringList texts;
        for (int row = 1; row <= 5; ++row)
            texts << table(panel)->item(row, c)->text();
        return texts;
    }

private slots:
    void layout()
    {
        ControlPanel panel;
        QCOMPARE(panel.objectName(), QStringLiteral("ControlPanel"));
        QCOMPARE(panel.size(), QSize(775, 315));
        QTableWidget *t = table(panel);
        QVERIFY(t);
        QCOMPARE(t->rowCount(), 6);
        QCOMPARE(t->columnCount(), 0);
        QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
        QStringList headers;
        for (int row = 0; row < 6; ++row)
            headers << t->verticalHeaderItem(row)->text();
        QCOMPARE(headers, QStringList({"", "Min", "Avg", QStringLiteral("\u0394"), "Max", "Cursor"}));
    }

    void newColumnStartsUncheckedAndEmpty()
    {
        ControlPanel panel;
        QSignalSpy toggled(&panel, &ControlPanel::toggled);
        panel.addParameter(ControlPanel::timeColumnName(), {1, 2, 3, 4, 5});
        panel.addParameter("Voltage", {1, 2, 3, 4, 5});
        QCOMPARE(table(panel)->columnCount(), 2);
        for (int c = 0; c < 2; ++c) {
            QCOMPARE(column(panel, c), QStringList(5, "-"));
            QVERIFY(!button(panel, c)->isChecked());
            QVERIFY(!(table(panel)->item(1, c)->flags() & Qt::ItemIsEditable));
        }
        QCOMPARE(button(panel, 1)->text(), QStringLiteral("Voltage"));
        QVERIFY(button(panel, 1)->isEnabled());
        QCOMPARE(toggled.count(), 0);
        QVERIFY(table(panel)->minimumHeight() > 0);

        // The time column cannot be switched.
        QCOMPARE(button(panel, 0)->text(), QStringLiteral("Time"));
        QVERIFY(!button(panel, 0)->isEnabled());
        QTest::mouseClick(button(panel, 0), Qt::LeftButton);
        QVERIFY(!button(panel, 0)->isChecked());
        QCOMPARE(toggled.count(), 0);
    }

    void formats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("general 6 digits") << "V" << 12.345678 << "12.3457";
        QTest::newRow("small") << "V" << 0.001 << "0.001";
        QTest::newRow("largest double") << "V" << std::numeric_limits<double>::max() << "1.79769e+308";
        QTest::newRow("negative") << "V" << -1.25 << "-1.25";
        QTest::newRow("nan") << "V" << std::numeric_limits<double>::quiet_NaN() << "nan";
        QTest::newRow("infinite") << "V" << inf << "inf";
        const QString time = ControlPanel::timeColumnName();
        QTest::newRow("seconds and ms") << time << 83.4567 << "83s 456ms";
        QTest::newRow("negative time") << time << -1.25 << "-1s -250ms";
        QTest::newRow("half a ms below zero") << time << -0.0005 << "0s 0ms";
        QTest::newRow("truncated ms") << time << 2.9999 << "2s 999ms";
        QTest::newRow("logged ms divided by 1000") << time << 2030 / 1000.0 << "2s 30ms";
        QTest::newRow("logged negative ms") << time << -4070 / 1000.0 << "-4s -70ms";
        QTest::newRow("beyond 32 bits saturates") << time << 1e300 << "2147483647s 647ms";
        QTest::newRow("nan time") << time << std::numeric_limits<double>::quiet_NaN() << "0s 0ms";
        // A log's own parameter called Time is a number like any other.
        QTest::newRow("parameter named Time") << "Time" << 2.5 << "2.5";
    }

    void formats()
    {
        QFETCH(QString, name);
        QFETCH(double, value);
        QFETCH(QString, text);
        ControlPanel panel;
        panel.addParameter(name, {});
        panel.setValues(name, {value, value, value, value, value});
        const QStringList shown = column(panel, 0);
        if (name == ControlPanel::timeColumnName())
            QCOMPARE(shown, QStringList({text, "-", text, text, text}));
        else
            QCOMPARE(shown, QStringList(5, text));
    }

    void everyLoggedMillisecondShows()
    {
        // Keys are milliseconds / 1000; each must show the logged milliseconds.
        for (int ms = -3000; ms <= 100000; ms += 10) {
            const QString expected = QStringLiteral("%1s %2ms").arg(ms / 1000).arg(ms % 1000);
            QCOMPARE(ControlPanel::timeText(ms / 1000.0), expected);
        }
    }

    void parameterNamedTimeIsAParameter()
    {
        ControlPanel panel;
        QSignalSpy toggled(&panel, &ControlPanel::toggled);
        panel.addParameter(ControlPanel::timeColumnName(), {});
        panel.addParameter("Time", {});
        QVERIFY(!button(panel, 0)->isEnabled());
        QVERIFY(button(panel, 1)->isEnabled());
        QCOMPARE(button(panel, 1)->text(), QStringLiteral("Time"));
        QTest::mouseClick(button(panel, 1), Qt::LeftButton);
        QVERIFY(panel.isParameterEnabled("Time"));
        QCOMPARE(toggled.count(), 1);
        panel.setValues("Time", {1, 2, 3, 4, 5});
        QCOMPARE(column(panel, 1), QStringList({"1", "3", "4", "2", "5"}));
        QCOMPARE(column(panel, 0), QStringList(5, "-"));
    }

    void rowOrder()
    {
        ControlPanel panel;
        panel.addParameter(ControlPanel::timeColumnName(), {});
        panel.addParameter("V", {});
        panel.setValues("V", {1, 2, 3, 4, 5});                                  // min max avg delta cursor
        panel.setValues(ControlPanel::timeColumnName(), {1.5, 4.25, 9, 2.75, 3}); // avg is not shown there
        QCOMPARE(column(panel, 1), QStringList({"1", "3", "4", "2", "5"}));
        QCOMPARE(column(panel, 0), QStringList({"1s 500ms", "-", "2s 750ms", "4s 250ms", "3s 0ms"}));
    }

    void toggledOncePerChange()
    {
        ControlPanel panel;
        panel.addParameter("V", {});
        QSignalSpy toggled(&panel, &ControlPanel::toggled);

        QTest::mouseClick(button(panel, 0), Qt::LeftButton);
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(toggled.takeFirst(), QVariantList({"V", true}));
        QVERIFY(panel.isParameterEnabled("V"));

        panel.setEnable("V", true);
        QCOMPARE(toggled.count(), 0);

        panel.setValues("V", {1, 2, 3, 4, 5});
        panel.disable("V");
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(toggled.takeFirst(), QVariantList({"V", false}));
        QCOMPARE(column(panel, 0), QStringList(5, "-"));

        // The same state again emits nothing but still blanks the values.
        panel.setValues("V", {1, 2, 3, 4, 5});
        panel.setEnable("V", false);
        QCOMPARE(toggled.count(), 0);
        QCOMPARE(column(panel, 0), QStringList(5, "-"));

        panel.enable("V");
        QCOMPARE(toggled.count(), 1);
        QTest::mouseClick(button(panel, 0), Qt::LeftButton);
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.at(1), QVariantList({"V", false}));
        QVERIFY(!panel.isParameterEnabled("V"));
        QVERIFY(!panel.isParameterEnabled("unknown"));
    }

    void cursorValueNeedsStoredStatistics()
    {
        ControlPanel panel;
        panel.addParameter("V", {});
        panel.setValues("V", {1, 2, 3, 4, 5});
        panel.setCursorValue("V", 7.5);
        QCOMPARE(column(panel, 0).last(), QStringLiteral("7.5"));

        panel.setCursorValue("v", 9); // names are case-sensitive
        QCOMPARE(column(panel, 0).last(), QStringLiteral("7.5"));

        panel.clear();
        panel.setCursorValue("V", 9);
        QCOMPARE(column(panel, 0), QStringList({"1", "3", "4", "2", "7.5"}));
        QCOMPARE(table(panel)->columnCount(), 1); // clear keeps the columns

        panel.setValues("V", {1, 2, 3, 4, 5});
        panel.setCursorValue("V", 9);
        QCOMPARE(column(panel, 0).last(), QStringLiteral("9"));
    }

    void sameNameColumns()
    {
        ControlPanel panel;
        panel.addParameter("V", {});
        panel.addParameter("W", {});
        panel.addParameter("V", {});
        QSignalSpy toggled(&panel, &ControlPanel::toggled);

        panel.setValues("V", {1, 2, 3, 4, 5});
        QCOMPARE(column(panel, 0), column(panel, 2));
        QCOMPARE(column(panel, 1), QStringList(5, "-"));

        // A click on one of them switches both and reports the change once.
        QTest::mouseClick(button(panel, 2), Qt::LeftButton);
        QCOMPARE(toggled.count(), 1);
        QVERIFY(button(panel, 0)->isChecked());
        QVERIFY(button(panel, 2)->isChecked());

        button(panel, 2)->setChecked(false);
        QVERIFY(panel.isParameterEnabled("V")); // the first column decides
        panel.setEnable("V", false);
        QVERIFY(!button(panel, 0)->isChecked());
        QCOMPARE(column(panel, 0), QStringList(5, "-"));
        QCOMPARE(column(panel, 2), QStringList(5, "-"));
    }

    void languageChange()
    {
        ControlPanel panel;
        panel.addParameter(ControlPanel::timeColumnName(), {});
        panel.addParameter("V", {});
        // Every text of the panel marked, but the time format it reads back.
        MarkingTranslator translator("ControlPanel", {QStringLiteral("%1s %2ms")});
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        QTableWidget *t = table(panel);
        QCOMPARE(t->verticalHeaderItem(1)->text(), QStringLiteral("<Min>"));
        QCOMPARE(t->verticalHeaderItem(5)->text(), QStringLiteral("<Cursor>"));
        QCOMPARE(panel.windowTitle(), QStringLiteral("<Form>"));
        QCOMPARE(button(panel, 0)->text(), QStringLiteral("<Time>"));
        QCOMPARE(button(panel, 1)->text(), QStringLiteral("V"));

        // The time column keeps its identity and its format.
        panel.setValues(ControlPanel::timeColumnName(), {1.5, 0, 0, 0, 0});
        QCOMPARE(column(panel, 0).first(), QStringLiteral("1s 500ms"));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestControlPanel)
#include "tst_controlpanel.moc"
