#pragma once

#include "DeviceRecords.h"
#include "SettingsRecords.h"

#include <QWidget>

#include <optional>

namespace Ui {
class PpmSettingsWidget;
}

// The five pulse positions of the PPM servo inputs at the start of the motor
// drive record, each with a button that has the device take its current
// input as that position.
class PpmSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PpmSettingsWidget(QWidget *parent = nullptr);
    ~PpmSettingsWidget() override;

    // The first 24 bytes of the motor drive record: the kept positions with
    // the ones the user changed written in, then the four reserved bytes.
    SettingsRecords::s_PpmSettBle ppmSettings();
    void setPpmSettings(const s_MotorDriveSettBle &settings);

signals:
    void setFullThrottle();
    void setStopPosition();
    void setFailsafePosition();
    void setMaxTimingPosition();
    void setMinTimingPosition();

protected:
    void changeEvent(QEvent *event) override;

private:
    SettingsRecords::PpmForm shownForm() const;

    Ui::PpmSettingsWidget *ui;
    SettingsRecords::s_PpmSettBle m_settings{};
    std::optional<SettingsRecords::PpmForm> m_filled;
};
