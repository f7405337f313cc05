#pragma once

#include "DeviceRecords.h"
#include "EditedFields.h"
#include "SettingsRecords.h"

#include <QWidget>

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
    // The set it was last filled with, with the values the user edited
    // since written in as the form shows them.
    s_LimitSettBle limitSettings() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    SettingsRecords::LimitSetForm shownForm() const;

    Ui::LimitSettingsWidget *ui;
    s_LimitSettBle m_settings{};
    EditedFields m_edits;
};
