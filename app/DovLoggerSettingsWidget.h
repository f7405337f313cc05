#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class DovLoggerSettingsWidget;
}
class FirmwareDownloader;
class LimiterDevice;

// The content of a DOV logger's tab: telemetry, logger, terminal, common
// settings and firmware pages; its buttons act only on the common settings.
class DovLoggerSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DovLoggerSettingsWidget(QWidget *parent = nullptr);
    ~DovLoggerSettingsWidget() override;

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

    Ui::DovLoggerSettingsWidget *ui;
    std::shared_ptr<LimiterDevice> m_device;
};
