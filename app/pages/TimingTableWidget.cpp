#include "TimingTableWidget.h"
#include "ui_TimingTableWidget.h"

#include "IntStringDelegate.h"
#include "SettingsRecords.h"

#include <QScopedValueRollback>

using namespace SettingsRecords;

namespace {
constexpr quint16 kMaxSteps = 16;
} // namespace

TimingTableWidget::TimingTableWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TimingTableWidget)
{
    ui->setupUi(this);
    ui->twTimingTable->setItemDelegate(new IntStringDelegate(ui->twTimingTable));
}

TimingTableWidget::~TimingTableWidget()
{
    delete ui;
}

void TimingTableWidget::loadTable(const s_MotorSettBle &settings, const s_TimingTableBle &table)
{
    const QScopedValueRollback<bool> editorChanges(m_editorChanges, true);
    m_settings = settings;
    m_table = table;
    const quint16 voltSteps = qMin(m_settings.voltSteps, kMaxSteps);
    const quint16 currSteps = qMin(m_settings.currSteps, kMaxSteps);
    m_settings.voltSteps = voltSteps;
    m_settings.currSteps = currSteps;

    ui->dsbVoltStep->setValue(double(m_settings.voltStep));
    ui->dsbCurrStep->setValue(double(m_settings.currStep));
    ui->sbVoltSteps->setValue(voltSteps);
    ui->sbCurrSteps->setValue(currSteps);

    // The table follows the record's counts, also below the spin boxes'
    // range.
    ui->twTimingTable->setRowCount(voltSteps);
    ui->twTimingTable->setColumnCount(currSteps);
    m_settings.voltSteps = voltSteps;
    m_settings.currSteps = currSteps;
    for (int r = 0; r < voltSteps; ++r) {
        for (int c = 0; c < currSteps; ++c)
            cell(r, c, QString())->setText(loadedCellText(m_table.cells[r][c]));
    }

    ui->sbAbsMaxTiming->setValue(truncatedToInt(double(m_settings.absMaxTiming), 0, kMaxCellValue));
    showRowLabels();
    showColumnLabels();
    applyMaximum();
}

void TimingTableWidget::on_pbApplySettings_accepted()
{
    const QScopedValueRollback<bool> editorChanges(m_editorChanges, true);
    m_settings.voltSteps = quint16(ui->twTimingTable->rowCount());
    m_settings.currSteps = quint16(ui->twTimingTable->columnCount());
    for (int r = 0; r < m_settings.voltSteps && r < s_TimingTableBle::kRows; ++r) {
        for (int c = 0; c < m_settings.currSteps && c < s_TimingTableBle::kColumns; ++c) {
            if (QTableWidgetItem *item = ui->twTimingTable->item(r, c))
                m_table.cells[r][c] = cellValue(item->text());
            else
                cell(r, c, QStringLiteral("0"));
        }
    }
    emit updateSettOnTheParentClass(&m_settings);
    close();
}

void TimingTableWidget::on_pbApplySettings_rejected()
{
    emit updateSettOnTheParentClass(&m_settings);
    close();
}

void TimingTableWidget::on_dsbVoltStep_valueChanged(double)
{
    showRowLabels();
}

void TimingTableWidget::on_dsbCurrStep_valueChanged(double)
{
    showColumnLabels();
}

void TimingTableWidget::on_sbCurrSteps_valueChanged(int count)
{
    const QScopedValueRollback<bool> editorChanges(m_editorChanges, true);
    ui->twTimingTable->setColumnCount(count);
    m_settings.currSteps = quint16(ui->twTimingTable->columnCount());
    fillMissingCells(QStringLiteral("0"));
    showColumnLabels();
}

void TimingTableWidget::on_sbVoltSteps_valueChanged(int count)
{
    const QScopedValueRollback<bool> editorChanges(m_editorChanges, true);
    ui->twTimingTable->setRowCount(count);
    m_settings.voltSteps = quint16(ui->twTimingTable->rowCount());
    fillMissingCells(QStringLiteral("0"));
    showRowLabels();
}

void TimingTableWidget::on_twTimingTable_cellChanged(int row, int column)
{
    if (m_editorChanges)
        return;
    const QScopedValueRollback<bool> editorChanges(m_editorChanges, true);
    QTableWidgetItem *changed = ui->twTimingTable->item(row, column);
    if (!changed)
        return;
    const QString text = cappedCellText(changed->text());
    if (text != changed->text())
        changed->setText(text);
    const QList<QTableWidgetItem *> selected = ui->twTimingTable->selectedItems();
    for (QTableWidgetItem *item : selected)
        item->setText(text);
}

void TimingTableWidget::on_sbAbsMaxTiming_editingFinished()
{
    const QScopedValueRollback<bool> editorChanges(m_editorChanges, true);
    applyMaximum();
}

void TimingTableWidget::showRowLabels()
{
    m_settings.voltStep = float(ui->dsbVoltStep->value());
    QStringList labels;
    for (int i = 1; i <= ui->twTimingTable->rowCount(); ++i)
        labels.append(stepLabel(i, ui->dsbVoltStep->value()));
    ui->twTimingTable->setVerticalHeaderLabels(labels);
}

void TimingTableWidget::showColumnLabels()
{
    m_settings.currStep = float(ui->dsbCurrStep->value());
    QStringList labels;
    for (int i = 1; i <= ui->twTimingTable->columnCount(); ++i)
        labels.append(stepLabel(i, ui->dsbCurrStep->value()));
    ui->twTimingTable->setHorizontalHeaderLabels(labels);
}

void TimingTableWidget::fillMissingCells(const QString &text)
{
    for (int r = 0; r < m_settings.voltSteps; ++r) {
        for (int c = 0; c < m_settings.currSteps; ++c)
            cell(r, c, text);
    }
}

void TimingTableWidget::applyMaximum()
{
    const int maximum = ui->sbAbsMaxTiming->value();
    m_settings.absMaxTiming = float(maximum);
    const QString text = stepLabel(1, maximum);
    for (int r = 0; r < m_settings.voltSteps; ++r) {
        for (int c = 0; c < m_settings.currSteps; ++c) {
            QTableWidgetItem *item = cell(r, c, text);
            bool ok = false;
            if (item && item->text().toUInt(&ok) > uint(maximum) && ok)
                item->setText(text);
        }
    }
    emit updateSettOnTheParentClass(&m_settings);
}

QTableWidgetItem *TimingTableWidget::cell(int row, int column, const QString &text)
{
    QTableWidget *table = ui->twTimingTable;
    if (row >= table->rowCount() || column >= table->columnCount())
        return nullptr;
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem(text);
        table->setItem(row, column, item);
    }
    return item;
}
