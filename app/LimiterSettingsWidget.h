#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class LimiterSettingsWidget;
}
class FirmwareDownloader;
class LimiterDevice;

// The content of a limiter's tab: the page list and its twenty pages, wired
// to the device; "Save settings" and "Load default settings" act on the
// current page.
class LimiterSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LimiterSettingsWidget(QWidget *parent = nullptr);
    ~LimiterSettingsWidget() override;

    void setDevice(std::shared_ptr<LimiterDevice> device);
    void setFirmwareDownloader(FirmwareDownloader *downloader);
    std::shared_ptr<LimiterDevice> device() const { return m_device; }

public slots:
    void onSettingsPageChanged(int currentPage);
    void saveSettings();
    void resetSettings();

protected:
    void changeEvent(QEvent *event) override;

private:
    void onDefaultLimitSettingsUpdated(int index);
    void onUserLimitSettingsUpdated(int index);
    void onMotorDriveSettingsUpdated();
    void onMotorSettingsUpdated();
    void onTimingTableUpdated();
    // The limit set (0 to 13) of the current page, or -1 on any other page.
    int currentLimitSet() const;

    Ui::LimiterSettingsWidget *ui;
    std::shared_ptr<LimiterDevice> m_device;
};
