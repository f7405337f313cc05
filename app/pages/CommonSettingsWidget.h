#pragma once

#include "DeviceRecords.h"
#include "EditedFields.h"
#include "SettingsRecords.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class LimiterDevice;

namespace Ui {
class CommonSettingsWidget;
}

// The "Common & Logger settings" page of both device panels: user name and
// registration number, the active limit set, telemetry and logger
// frequencies, motor poles (magnets on a DOV logger), the RPM sensor level,
// the DOV logger's resonance-pipe control and a new device password.
class CommonSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CommonSettingsWidget(QWidget *parent = nullptr);
    ~CommonSettingsWidget() override;

    // Keeps the device and asks it to connect (a second request of the same
    // tab is a no-op of the device). A new password the device refuses is
    // reported by this page.
    void setDevice(std::shared_ptr<LimiterDevice> device);

    // Fills the form from a record the device delivered.
    void setCommonSettings(const s_CommonSettBle &settings);
    // The record it was last filled with, with the values the user edited
    // since written in as the form shows them.
    s_CommonSettBle commonSettings() const;

    // The text of item index (0 to 13) of the settings set box.
    void setLimitSettingsSetName(int index, const QString &name);

    bool isPasswordGroupChecked() const;
    // The new password when both entries are equal, otherwise empty.
    QString newPassword() const;

    // "Save settings" of this page: the password first when its group is
    // checked, then the record. Entries that differ write nothing and tell
    // the user so; returns whether anything was written.
    bool writeToDevice();

    // The message shown when the two password entries differ.
    static QString passwordMismatchText();
    // The message shown when the device refused the new password.
    static QString passwordRefusedText();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_cbLoggerWriteFreq_currentIndexChanged(int index);
    void on_cbPpmOut1ServoMode_currentIndexChanged(int index);

private:
    SettingsRecords::CommonForm shownForm() const;
    void showServoModeRows(int mode);
    void applyDeviceKind(bool dovLogger);
    void retranslate();
    void setEchoModes(bool plain);

    Ui::CommonSettingsWidget *ui;
    s_CommonSettBle m_settings{};
    std::shared_ptr<LimiterDevice> m_device;
    EditedFields m_edits;
    QStringList m_setNames; // names the device gave, empty where none came
    bool m_dovLogger = false;
};
