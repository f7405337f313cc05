#pragma once

#include "DeviceRecords.h"

#include <QWidget>

namespace Ui {
class EscSettings;
}

// The "ESC settings" page of a limiter: the four editors of the motor drive
// behind it in tabs. It builds the motor drive record from the motor drive
// and PPM tabs, hands each delivered record to the editors that show it and
// relays the PPM tab's position requests.
class EscSettings : public QWidget
{
    Q_OBJECT

public:
    explicit EscSettings(QWidget *parent = nullptr);
    ~EscSettings() override;

    // The motor drive tab's record with its first 24 bytes from the PPM tab.
    s_MotorDriveSettBle motorDriveSettings() const;
    void setMotorDriveSettings(const s_MotorDriveSettBle &settings);
    s_MotorSettBle motorSettings() const;
    // The motor tab only; the timing table keeps its steps until the next
    // table arrives.
    void setMotorSettings(const s_MotorSettBle &settings);
    // Loads the timing table tab with the motor tab's current record.
    void setTimingTable(const s_TimingTableBle &table);

signals:
    void setFullThrottle();
    void setStopPosition();
    void setFailsafePosition();
    void setMaxTimingPosition();
    void setMinTimingPosition();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::EscSettings *ui;
};
