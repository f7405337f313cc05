#pragma once

#include "DeviceRecords.h"

#include <QWidget>

class QTableWidgetItem;

namespace Ui {
class TimingTableWidget;
}

// The motor timing table as a grid: rows are voltage steps, columns current
// steps, cells whole numbers 0 to 50 capped at the maximum timing. The step
// sizes and counts can be changed. What is edited stays in the editor: it is
// announced by updateSettOnTheParentClass and never written to the device.
class TimingTableWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TimingTableWidget(QWidget *parent = nullptr);
    ~TimingTableWidget() override;

    void loadTable(const s_MotorSettBle &settings, const s_TimingTableBle &table);

    // The editor's copies.
    s_MotorSettBle motorSettings() const { return m_settings; }
    s_TimingTableBle timingTable() const { return m_table; }

signals:
    // The editor's own record copy, valid during the emission.
    void updateSettOnTheParentClass(s_MotorSettBle *settings);

private slots:
    void on_pbApplySettings_accepted();
    void on_pbApplySettings_rejected();
    void on_dsbVoltStep_valueChanged(double step);
    void on_dsbCurrStep_valueChanged(double step);
    void on_sbCurrSteps_valueChanged(int count);
    void on_sbVoltSteps_valueChanged(int count);
    void on_twTimingTable_cellChanged(int row, int column);
    void on_sbAbsMaxTiming_editingFinished();

private:
    void showRowLabels();
    void showColumnLabels();
    void fillMissingCells(const QString &text);
    void applyMaximum();
    // The cell at (row, column), created with text when missing; none
    // outside the table.
    QTableWidgetItem *cell(int row, int column, const QString &text);

    Ui::TimingTableWidget *ui;
    s_MotorSettBle m_settings{};
    s_TimingTableBle m_table{};
    // Set while the editor changes cells itself: only the user's own edits
    // are spread over the selection.
    bool m_editorChanges = false;
};
