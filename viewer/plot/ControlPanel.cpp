#include "ControlPanel.h"
#include "ui_ControlPanel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidgetItem>

#include <cmath>
#include <limits>

namespace {

constexpr int kValueRows = 5;
const char kColumnNameProperty[] = "columnName";

// Truncates toward zero into 32 bits; values outside that range saturate and
// NaN gives 0, so no input is undefined.
qint32 truncateToInt32(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<qint32>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(v);
}

} // namespace

ControlPanel::ControlPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ControlPanel)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("ControlPanel"));
    ui->setupUi(this);
    ui->tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

ControlPanel::~ControlPanel()
{
    delete ui;
}

QString ControlPanel::timeColumnName()
{
    // A lone surrogate: no text decoded from a log (valid UTF-8) holds one, so
    // a parameter named "Time" is a parameter like any other.
    static const QString name = QString(QChar(0xDC00)) + QStringLiteral("Time");
    return name;
}

QString ControlPanel::numberText(double value)
{
    return QString::number(value, 'g', 6);
}

QString ControlPanel::timeText(double seconds)
{
    // Keys are logged milliseconds divided by 1000, so 2.03 s is stored as
    // 2.02999...; rounding to microseconds first gives the logged 30 ms back.
    const double micros = std::round(seconds * 1e6);
    const qint32 whole = truncateToInt32(micros / 1e6);
    const qint32 millis = truncateToInt32(micros / 1e3) % 1000;
    return tr("%1s %2ms", "Seconds and milliseconds of a time in the panel").arg(whole).arg(millis);
}

QPushButton *ControlPanel::columnButton(int column) const
{
    return qobject_cast<QPushButton *>(ui->tableWidget->cellWidget(0, column));
}

QString ControlPanel::columnName(int column) const
{
    const QPushButton *button = columnButton(column);
    return button ? button->property(kColumnNameProperty).toString() : QString();
}

QList<int> ControlPanel::columnsNamed(const QString &name) const
{
    QList<int> columns;
    for (int c = 0; c < ui->tableWidget->columnCount(); ++c) {
        if (columnName(c) == name)
            columns.append(c);
    }
    return columns;
}

void ControlPanel::setCell(int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = ui->tableWidget->item(row, column))
        item->setText(text);
}

void ControlPanel::addParameter(const QString &name, const ParameterStats &stats)
{
    QTableWidget *table = ui->tableWidget;
    const int column = table->columnCount();
    table->insertColumn(column);
    table->horizontalHeader()->setFixedHeight(0);

    const bool isTime = name == timeColumnName();
    auto *button = new QPushButton(isTime ? tr("Time", "As the name of the time row") : name);
    button->setProperty(kColumnNameProperty, name);
    button->setFlat(false);
    button->setCheckable(true);
    button->setChecked(false);
    button->setEnabled(!isTime);
    connect(button, &QPushButton::clicked, this, [this, name](bool checked) {
        // The click has already changed this button; only other columns of
        // the same name can make applyEnable report the change.
        if (!applyEnable(name, checked))
            emit toggled(name, checked);
    });

    for (int row = 0; row <= kValueRows; ++row) {
        auto *item = new QTableWidgetItem;
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, column, item);
    }
    table->setCellWidget(0, column, button);

    const QFontMetrics metrics(table->font());
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("00"))
                          + metrics.horizontalAdvance(QStringLiteral("000.000XX"));
    table->setColumnWidth(column, qMax(button->sizeHint().width(), textWidth));

    setValues(name, stats);
    setEnable(name, false);
    updateMinimumHeight();
}

void ControlPanel::updateMinimumHeight()
{
    QTableWidget *table = ui->tableWidget;
    int height = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (!table->isRowHidden(row))
            height += table->rowHeight(row);
    }
    if (!table->horizontalScrollBar()->isHidden())
        height += table->horizontalScrollBar()->height();
    if (!table->horizontalHeader()->isHidden())
        height += table->horizontalHeader()->height();
    height += 2 * table->frameWidth();
    table->setMinimumHeight(height);
}

void ControlPanel::enable(QString name)
{
    setEnable(name, true);
}

void ControlPanel::disable(QString name)
{
    setEnable(name, false);
}

void ControlPanel::setEnable(QString name, bool isEnabled)
{
    applyEnable(name, isEnabled);
}

bool ControlPanel::applyEnable(const QString &name, bool isEnabled)
{
    bool emitted = false;
    for (int column : columnsNamed(name)) {
        if (!isEnabled) {
            for (int row = 1; row <= kValueRows; ++row)
                setCell(row, column, QStringLiteral("-"));
        }
        QPushButton *button = columnButton(column);
        if (button->isChecked() != isEnabled) {
            button->setChecked(isEnabled);
            if (!emitted)
                emit toggled(name, isEnabled);
            emitted = true;
        }
    }
    return emitted;
}

bool ControlPanel::isParameterEnabled(const QString &name) const
{
    const QList<int> columns = columnsNamed(name);
    return !columns.isEmpty() && columnButton(columns.first())->isChecked();
}

void ControlPanel::setValues(const QString &name, const ParameterStats &stats)
{
    statistics[name] = stats;
    const bool isTime = name == timeColumnName();
    for (int column : columnsNamed(name)) {
        if (isTime) {
            setCell(1, column, timeText(stats.min));
            setCell(2, column, QStringLiteral("-"));
            setCell(3, column, timeText(stats.delta));
            setCell(4, column, timeText(stats.max));
            setCell(5, column, timeText(stats.cursor));
        } else {
            setCell(1, column, numberText(stats.min));
            setCell(2, column, numberText(stats.avg));
            setCell(3, column, numberText(stats.delta));
            setCell(4, column, numberText(stats.max));
            setCell(5, column, numberText(stats.cursor));
        }
    }
}

void ControlPanel::setCursorValue(const QString &name, double value)
{
    auto it = statistics.find(name);
    if (it == statistics.end())
        return;
    it->cursor = value;
    const ParameterStats stats = *it;
    setValues(name, stats);
}

void ControlPanel::clear()
{
    statistics.clear();
}

void ControlPanel::retranslateTimeButtons()
{
    for (int column : columnsNamed(timeColumnName()))
        columnButton(column)->setText(tr("Time", "As the name of the time row"));
}

void ControlPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateTimeButtons();
    }
    QWidget::changeEvent(event);
}
