#include "ProgressBarDelegate.h"
#include "ProgressBarDovLoggerDelegate.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QStandardItemModel>
#include <QStyleOptionProgressBar>
#include <QtTest>

#include <memory>

// Records what the delegates ask the application style to draw.
class RecordingStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        elements << element;
        if (element == CE_ProgressBar) {
            bar = *qstyleoption_cast<const QStyleOptionProgressBar *>(option);
            widgetGiven = widget != nullptr;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        primitives << element;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    mutable QList<ControlElement> elements;
    mutable QList<PrimitiveElement> primitives;
    mutable QStyleOptionProgressBar bar;
    mutable bool widgetGiven = false;
};

class TestProgressBarDelegates : public QObject
{
    Q_OBJECT

private:
    RecordingStyle *m_style = nullptr;

    std::unique_ptr<QStyledItemDelegate> makeDelegate(const QString &kind)
    {
        if (kind == "limiter")
            return std::make_unique<ProgressBarDelegate>();
        return std::make_unique<ProgressBarDovLoggerDelegate>();
    }

private slots:
    void initTestCase()
    {
        m_style = new RecordingStyle;
        QApplication::setStyle(m_style); // the application owns it
    }

    void paint_data()
    {
        QTest::addColumn<QString>("delegate");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QRect>("cell");
        QTest::addColumn<int>("progress");
        QTest::addColumn<QString>("text");

        for (const char *delegate : {"limiter", "logger"}) {
            const QByteArray tag = QByteArray(delegate) + ": ";
            QTest::newRow(tag + "57") << delegate << QVariant(57) << QRect(10, 40, 121, 51) << 57 << "57%";
            QTest::newRow(tag + "120 passed on") << delegate << QVariant(120) << QRect(0, 0, 80, 20) << 120 << "120%";
            QTest::newRow(tag + "below 0") << delegate << QVariant(-4) << QRect(0, 0, 80, 40) << -4 << "-4%";
            QTest::newRow(tag + "number as text") << delegate << QVariant("33") << QRect(0, 0, 80, 40) << 33 << "33%";
            QTest::newRow(tag + "not a number") << delegate << QVariant("n/a") << QRect(0, 0, 80, 40) << 0 << "0%";
            QTest::newRow(tag + "no model") << delegate << QVariant() << QRect(0, 0, 80, 40) << 0 << "0%";
        }
    }

    void paint()
    {
        QFETCH(QString, delegate);
        QFETCH(QVariant, value);
        QFETCH(QRect, cell);
        QFETCH(int, progress);
        QFETCH(QString, text);

        QStandardItemModel model(1, 1);
        QModelIndex index;
        if (value.isValid()) {
            model.setData(model.index(0, 0), value, Qt::DisplayRole);
            index = model.index(0, 0);
        }

        QStyleOptionViewItem option;
        option.rect = cell;
        option.state = QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Enabled;
        option.palette.setColor(QPalette::Highlight, Qt::magenta);

        QImage image(200, 200, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        m_style->elements.clear();
        m_style->primitives.clear();
        makeDelegate(delegate)->paint(&painter, option, index);
        painter.end();

        QCOMPARE(m_style->elements.count(QStyle::CE_ProgressBar), 1);
        const QStyleOptionProgressBar &bar = m_style->bar;
        QCOMPARE(bar.minimum, 0);
        QCOMPARE(bar.maximum, 100);
        QCOMPARE(bar.progress, progress);
        QCOMPARE(bar.text, text);
        QVERIFY(bar.textVisible);
        QCOMPARE(bar.textAlignment, Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(bar.rect.height(), 32);
        QCOMPARE(bar.rect.width(), cell.width());
        QCOMPARE(bar.rect.center(), cell.center());
        QVERIFY(!m_style->widgetGiven);

        // Nothing of the view's item: no selection, focus or highlight.
        QVERIFY(!(bar.state & QStyle::State_Selected));
        QVERIFY(!(bar.state & QStyle::State_HasFocus));
        QVERIFY(!m_style->elements.contains(QStyle::CE_ItemViewItem));
        QVERIFY(!m_style->primitives.contains(QStyle::PE_PanelItemViewItem));
        QVERIFY(!m_style->primitives.contains(QStyle::PE_FrameFocusRect));
        QVERIFY(bar.palette.color(QPalette::Highlight) != QColor(Qt::magenta));
        bool highlighted = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                highlighted |= image.pixelColor(x, y) == QColor(Qt::magenta);
        QVERIFY(!highlighted);
    }
};

QTEST_MAIN(TestProgressBarDelegates)
#include "tst_progressbardelegates.moc"
