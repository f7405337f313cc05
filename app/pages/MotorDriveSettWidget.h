#pragma once

#include "DeviceRecords.h"
#include "EditedFields.h"
#include "SettingsRecords.h"

#include <QWidget>

namespace Ui {
class MotorDriveSettWidget;
}

// The motor drive limits, drive mode, BEC voltage and rescue options of the
// motor drive record; the PPM positions at its start belong to the PPM page.
class MotorDriveSettWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MotorDriveSettWidget(QWidget *parent = nullptr);
    ~MotorDriveSettWidget() override;

    // The record it was last filled with, with the values the user edited
    // since written in as the form shows them (every form value before the
    // first record).
    s_MotorDriveSettBle motorDriveSettings() const;
    void setMotorDriveSettings(const s_MotorDriveSettBle &settings);

protected:
    void changeEvent(QEvent *event) override;

private:
    SettingsRecords::MotorDriveForm shownForm() const;

    Ui::MotorDriveSettWidget *ui;
    s_MotorDriveSettBle m_settings{};
    EditedFields m_edits;
};
