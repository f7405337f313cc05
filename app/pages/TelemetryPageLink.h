#pragma once

#include "LimiterDevice.h"

#include <QLabel>

#include <memory>
#include <optional>

// What the two telemetry pages share: their device, and what they last
// showed of it, so that a language change can show it again in the new
// language instead of "...".
class TelemetryPageLink
{
public:
    // Follows `device` with the page's three slots and starts its connection.
    template <typename Page>
    void setDevice(Page *page, std::shared_ptr<LimiterDevice> device)
    {
        if (m_device)
            m_device->disconnect(page);
        m_device = std::move(device);
        if (!m_device)
            return;
        QObject::connect(m_device.get(), &LimiterDevice::statusChanged, page, &Page::onLimiterStatusChanged);
        QObject::connect(m_device.get(), &LimiterDevice::telemetryUpdated, page, &Page::onLimiterTelemetryUpdated);
        QObject::connect(m_device.get(), &LimiterDevice::authorizationRequired, page,
                         &Page::onLimiterAuthorizationRequired);
        // The page sent the password: it tells a refusal and asks again.
        QObject::connect(m_device.get(), &LimiterDevice::writeFailed, page,
                         [page, device = m_device.get()](const QBluetoothUuid &characteristic) {
                             if (passwordRefused(page, *device, characteristic))
                                 page->onLimiterAuthorizationRequired();
                         });
        m_device->connectToDevice();
    }

    // Tells the user when the refused write was the password that opens the
    // device; true when the link is still up to ask again.
    static bool passwordRefused(QWidget *page, const LimiterDevice &device, const QBluetoothUuid &characteristic);

    // After the form's texts were set again: the last state and values.
    template <typename Page>
    void showAgain(Page *page) const
    {
        if (m_shownStatus)
            page->onLimiterStatusChanged(*m_shownStatus);
        if (m_telemetryShown)
            page->onLimiterTelemetryUpdated();
    }

    LimiterDevice *device() const { return m_device.get(); }

    // The connection text of `status` into `label`; an unknown state leaves
    // the label as it is.
    void showStatus(QLabel *label, LimiterConnectionStatus status);
    // The values both pages show, from the device's telemetry record.
    struct CommonLabels {
        QLabel *status, *raceTime, *temperature, *rpm, *speed, *satellites, *throttle, *sessionNumber;
        QLabel *reserved[7];
    };
    void showTelemetry(const CommonLabels &labels);
    // The labels of that name in a page's form.
    template <typename Form>
    static CommonLabels commonLabels(Form *ui)
    {
        return {ui->lblStatus,        ui->lblRaceTime,
                ui->lblTemperature,   ui->lblRPM,
                ui->lblSpeed,         ui->lblSatellites,
                ui->lblThrottle,      ui->lblSessionNumber,
                {ui->lblReserved0, ui->lblReserved1, ui->lblReserved2, ui->lblReserved3, ui->lblReserved4,
                 ui->lblReserved5, ui->lblReserved6}};
    }

private:
    std::shared_ptr<LimiterDevice> m_device;
    std::optional<LimiterConnectionStatus> m_shownStatus;
    bool m_telemetryShown = false;
};
