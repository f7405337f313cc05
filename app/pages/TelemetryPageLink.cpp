#include "TelemetryPageLink.h"

#include "LimiterTelemetryWidget.h"
#include "TelemetryTexts.h"

#include "DeviceProtocol.h"

#include <QGuiApplication>
#include <QMessageBox>

bool TelemetryPageLink::passwordRefused(QWidget *page, const LimiterDevice &device,
                                        const QBluetoothUuid &characteristic)
{
    if (characteristic != DeviceProtocol::settingsUuid(DeviceProtocol::kAuthorisationId))
        return false;
    QMessageBox::warning(page, QGuiApplication::applicationDisplayName(),
                         LimiterTelemetryWidget::passwordRefusedText());
    return device.status() == LimiterConnected || device.status() == LimiterServicesDiscovered;
}

void TelemetryPageLink::showStatus(QLabel *label, LimiterConnectionStatus status)
{
    if (!m_device)
        return;
    if (const auto text = LimiterTelemetryWidget::connectionText(status, *m_device)) {
        label->setText(*text);
        m_shownStatus = status;
    }
}

void TelemetryPageLink::showTelemetry(const CommonLabels &labels)
{
    if (!m_device)
        return;
    using telemetry::fixed;
    const s_TelemetryBle t = m_device->telemetry();
    labels.raceTime->setText(telemetry::raceTimeText(t.raceTimeMs));
    labels.temperature->setText(fixed(t.temperature, 1));
    labels.rpm->setText(LimiterTelemetryWidget::tr("%1 rpm").arg(QString::number(t.rpm)));
    labels.speed->setText(fixed(t.speed, 1));
    labels.satellites->setText(fixed(t.satellites, 0));
    labels.throttle->setText(fixed(t.throttle, 3));
    labels.sessionNumber->setText(QString::number(t.sessionNumber));
    const float reserved[] = {t.reserved0, t.reserved1, t.reserved2, t.reserved3, t.reserved4, t.reserved5, t.reserved6};
    for (int i = 0; i < 7; ++i)
        labels.reserved[i]->setText(fixed(reserved[i], 3));
    labels.status->setText(LimiterTelemetryWidget::raceStateText(t));
    m_telemetryShown = true;
}
