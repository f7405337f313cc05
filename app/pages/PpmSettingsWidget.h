#pragma once

#include "DeviceRecords.h"
#include "EditedFields.h"
#include "SettingsRecords.h"

#include <QWidget>

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

    // The first 24 bytes of the motor drive record: the positions it was
    // last filled with, those the user edited since as the form shows them,
    // then the four reserved bytes.
    SettingsRecords::s_PpmSettBle ppmSettings() const;
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
    EditedFields m_edits;
};
