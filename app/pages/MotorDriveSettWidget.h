#pragma once

#include "DeviceRecords.h"
#include "SettingsRecords.h"

#include <QWidget>

#include <optional>

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

    // The kept record with the values the user changed written in (every
    // form value before the first record).
    s_MotorDriveSettBle motorDriveSettings();
    void setMotorDriveSettings(const s_MotorDriveSettBle &settings);

protected:
    void changeEvent(QEvent *event) override;

private:
    SettingsRecords::MotorDriveForm shownForm() const;

    Ui::MotorDriveSettWidget *ui;
    s_MotorDriveSettBle m_settings{};
    std::optional<SettingsRecords::MotorDriveForm> m_filled;
};
