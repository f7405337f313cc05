#pragma once

#include "DeviceRecords.h"
#include "EditedFields.h"
#include "SettingsRecords.h"

#include <QWidget>

namespace Ui {
class MotorSettingsWidget;
}

// The motor, sensor and timing fields of the motor record. The timing table
// parameters the record also carries are handed back as they came.
class MotorSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MotorSettingsWidget(QWidget *parent = nullptr);
    ~MotorSettingsWidget() override;

    // The record it was last filled with, with the values the user edited
    // since written in as the form shows them. Reading it changes nothing:
    // the timing table takes its steps from it while the user edits.
    s_MotorSettBle motorSettings() const;
    void setMotorSettings(const s_MotorSettBle &settings);

protected:
    void changeEvent(QEvent *event) override;

private:
    SettingsRecords::MotorForm shownForm() const;

    Ui::MotorSettingsWidget *ui;
    s_MotorSettBle m_settings{};
    EditedFields m_edits;
};
