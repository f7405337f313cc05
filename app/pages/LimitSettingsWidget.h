#pragma once

#include "DeviceRecords.h"
#include "SettingsRecords.h"

#include <QWidget>

#include <optional>

namespace Ui {
class LimitSettingsWidget;
}

// One limit set of a limiter: the energy limit of a race with its timing and
// ramp-down rules, and the active energy control (AEC). Default sets are
// shown read-only, user sets are editable; the AEC part only on devices whose
// version has it. The set's number comes with every record.
class LimitSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LimitSettingsWidget(QWidget *parent = nullptr);
    ~LimitSettingsWidget() override;

    void setLimitSettings(const s_LimitSettBle &settings, int set, const s_DeviceInfoBle &deviceInformation);
    // The delivered set with the values the user changed written in.
    s_LimitSettBle limitSettings();

protected:
    void changeEvent(QEvent *event) override;

private:
    SettingsRecords::LimitSetForm shownForm() const;

    Ui::LimitSettingsWidget *ui;
    s_LimitSettBle m_settings{};
    std::optional<SettingsRecords::LimitSetForm> m_filled;
};
