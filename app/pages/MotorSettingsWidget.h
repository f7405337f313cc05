#pragma once

#include "DeviceRecords.h"
#include "SettingsRecords.h"

#include <QWidget>

#include <optional>

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

    // The kept record with the values the user changed written in; the
    // result is kept too.
    s_MotorSettBle motorSettings();
    void setMotorSettings(const s_MotorSettBle &settings);

protected:
    void changeEvent(QEvent *event) override;

private:
    SettingsRecords::MotorForm shownForm() const;

    Ui::MotorSettingsWidget *ui;
    s_MotorSettBle m_settings{};
    std::optional<SettingsRecords::MotorForm> m_filled;
};
